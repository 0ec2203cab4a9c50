// What the window remembers from one use to the next: the last folder, the
// recent analysis files (8 at most, the latest first), the window's geometry
// and its panels. Kept in an INI file; without one nothing is remembered.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QMainWindow;
class QSettings;

namespace footmark {

inline constexpr int kMaxRecentFiles = 8;

class Remembered {
 public:
  explicit Remembered(const QString& iniFile);
  ~Remembered();

  QStringList RecentFiles() const;
  // The file goes to the top of the list; its folder becomes the last folder.
  void AddRecent(const QString& file);
  void RemoveRecent(const QString& file);
  QString LastFolder() const;
  // "Revise failing groups" as last chosen: the start of a building new to the window.
  bool Revise() const;
  void SetRevise(bool on);

  void SaveWindow(const QMainWindow& window);
  // The geometry and panels as left, the window kept on the screen; false
  // when nothing was remembered.
  bool RestoreWindow(QMainWindow& window) const;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace footmark
