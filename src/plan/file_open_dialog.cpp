#include "plan/file_open_dialog.h"

#include <QFile>
#include <QFileDialog>
#include <QStringList>

#include "plan/picture_box.h"

namespace footmark {

std::string DialogFileChooser::ChooseFileToOpen(const QString& nameFilters) {
  const QString file = QFileDialog::getOpenFileName(nullptr, QString(), QString(), nameFilters);
  return QFile::encodeName(file).toStdString();
}

QString CommonDialog::NameFilters(const std::string& filter) {
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
