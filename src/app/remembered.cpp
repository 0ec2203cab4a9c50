#include "app/remembered.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>

namespace footmark {

Remembered::Remembered(const QString& iniFile) {
  if (!iniFile.isEmpty()) settings_ = std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
}

Remembered::~Remembered() = default;

QStringList Remembered::RecentFiles() const {
  return settings_ ? settings_->value("recentFiles").toStringList() : QStringList();
}

void Remembered::AddRecent(const QString& file) {
  if (!settings_) return;
  QStringList files = RecentFiles();
  files.removeAll(file);
  files.prepend(file);
  while (files.size() > kMaxRecentFiles) files.removeLast();
  settings_->setValue("recentFiles", files);
  settings_->setValue("lastFolder", QFileInfo(file).absolutePath());
}

void Remembered::RemoveRecent(const QString& file) {
  if (!settings_) return;
  QStringList files = RecentFiles();
  files.removeAll(file);
  settings_->setValue("recentFiles", files);
}

QString Remembered::LastFolder() const { return settings_ ? settings_->value("lastFolder").toString() : QString(); }

bool Remembered::Revise() const { return settings_ && settings_->value("revise").toBool(); }

void Remembered::SetRevise(bool on) {
  if (settings_) settings_->setValue("revise", on);
}

void Remembered::SaveWindow(const QMainWindow& window) {
  if (!settings_) return;
  settings_->setValue("geometry", window.saveGeometry());
  settings_->setValue("panels", window.saveState());
}

bool Remembered::RestoreWindow(QMainWindow& window) const {
  if (!settings_ || !window.restoreGeometry(settings_->value("geometry").toByteArray())) return false;
  window.restoreState(settings_->value("panels").toByteArray());
  // A screen smaller than the one the window was left on still shows all of it.
  if (const QScreen* screen = window.screen()) {
    const QRect room = screen->availableGeometry();
    if (!room.contains(window.frameGeometry())) {
      window.resize(window.size().boundedTo(room.size() * 0.9));
      window.move(room.center() - window.rect().center());
    }
  }
  return true;
}

}  // namespace footmark
