#include "plan/file_open_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

namespace footmark {

QString ToQt(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Inside the program a file name is UTF-8 on every system (model/platform_paths.h).
QString FileNameToQt(const std::string& file) { return QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size())); }
std::string FileNameFromQt(const QString& file) { return file.toUtf8().toStdString(); }

std::string DialogFileChooser::ChooseFileToOpen(const QString& nameFilters, const QString& folder) {
  return FileNameFromQt(QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), folder, nameFilters));
}

std::string DialogFileChooser::ChooseFileToSave(const QString& nameFilters, const QString& suggested) {
  return FileNameFromQt(QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), suggested, nameFilters));
}

QString NameFilters(const std::string& filter) {
  const QStringList parts = ToQt(filter).split('|');
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    // "*.*" means every file, with or without an extension.
    patterns.replace("*.*", "*");
    entries << parts[i] + " (" + patterns.replace(';', ' ') + ")";
  }
  return entries.join(";;");
}

}  // namespace footmark
