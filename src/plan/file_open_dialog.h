// The common file-open dialog: a Filter of "name|pattern" pairs joined
// by "|", ShowOpen, and the FileName chosen (empty after a cancel). The
// dialog itself sits behind FileChooser, which a test replaces.
#pragma once

#include <QString>
#include <string>

class QWidget;

namespace footmark {

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The file picked in an open dialog offering these name filters (the
  // toolkit's form, first entry the default); empty when cancelled.
  virtual std::string ChooseFileToOpen(const QString& nameFilters) = 0;
};

// The toolkit's own file dialog, without title, start folder or flags.
class DialogFileChooser : public FileChooser {
 public:
  std::string ChooseFileToOpen(const QString& nameFilters) override;
};

class CommonDialog {
 public:
  explicit CommonDialog(FileChooser& chooser) : chooser_(chooser) {}

  std::string Filter;
  std::string FileName;
  void ShowOpen() { FileName = chooser_.ChooseFileToOpen(NameFilters(Filter)); }

  // "Staad Files(*.ANL)|*.ANL|All Files(*.*)|*.*" in the toolkit's form:
  // "Staad Files(*.ANL) (*.ANL);;All Files(*.*) (*)".
  static QString NameFilters(const std::string& filter);

 private:
  FileChooser& chooser_;
};

}  // namespace footmark
