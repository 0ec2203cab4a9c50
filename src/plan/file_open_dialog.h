// The file dialogs: the analysis file to open, and a place to save a drawing
// when the analysis file's folder takes no files. Both sit behind
// FileChooser, which a test replaces.
#pragma once

#include <QString>
#include <string>

namespace footmark {

// "Staad Files(*.ANL)|*.ANL|All Files(*.*)|*.*": the analysis files offered.
inline constexpr const char* kAnalysisFilter = "Staad Files(*.ANL)|*.ANL|All Files(*.*)|*.*";

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The file picked in an open dialog offering these name filters (the
  // toolkit's form, first entry the default) from `folder`; empty when cancelled.
  virtual std::string ChooseFileToOpen(const QString& nameFilters, const QString& folder) = 0;
  // The file named in a save dialog that starts at `suggested`; empty when cancelled.
  virtual std::string ChooseFileToSave(const QString& nameFilters, const QString& suggested) = 0;
};

class DialogFileChooser : public FileChooser {
 public:
  std::string ChooseFileToOpen(const QString& nameFilters, const QString& folder) override;
  std::string ChooseFileToSave(const QString& nameFilters, const QString& suggested) override;
};

// "Staad Files(*.ANL)|*.ANL|All Files(*.*)|*.*" in the toolkit's form:
// "Staad Files(*.ANL) (*.ANL);;All Files(*.*) (*)".
QString NameFilters(const std::string& filter);

// Text of the model (single-byte) as the toolkit shows it, and back.
QString ToQt(const std::string& text);
// A file name as the system gives it, and back.
QString FileNameToQt(const std::string& file);
std::string FileNameFromQt(const QString& file);

}  // namespace footmark
