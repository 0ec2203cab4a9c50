#include "workbook/workbook.h"

#include <xlsxwriter.h>
#include <locale.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <system_error>

#include "workbook/xlsx_api.h"
#include "model/failure.h"
#include "model/program.h"
#include "model/replace_file.h"
#include "model/scratch_files.h"
#include "workbook/revision_sheet.h"
#include "workbook/sheets.h"

namespace footmark {

namespace {

// libxlsxwriter prints the numbers of the sheets with the C library's
// "%.16G" (Debian builds it without a conversion of its own), which follows
// the numeric locale: a window started under a decimal-comma locale would
// write "0,45" into the XML, which no spreadsheet program opens. This thread
// works in the C locale while the workbook is built; others are left alone.
class ClassicLocale {
 public:
#ifdef _WIN32
  ClassicLocale() : perThread_(_configthreadlocale(_ENABLE_PER_THREAD_LOCALE)) {
    if (const char* current = std::setlocale(LC_NUMERIC, nullptr)) previous_ = current;
    std::setlocale(LC_NUMERIC, "C");
  }
  ~ClassicLocale() {
    std::setlocale(LC_NUMERIC, previous_.c_str());
    _configthreadlocale(perThread_);
  }

 private:
  int perThread_;
  std::string previous_;
#else
  ClassicLocale() : c_(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0))), previous_(c_ ? uselocale(c_) : nullptr) {}
  ~ClassicLocale() {
    if (!c_) return;
    uselocale(previous_);
    freelocale(c_);
  }

 private:
  locale_t c_;
  locale_t previous_;
#endif

 public:
  ClassicLocale(const ClassicLocale&) = delete;
  ClassicLocale& operator=(const ClassicLocale&) = delete;
};

// libxlsxwriter writes a workbook only to a file it names itself, with the C
// library's narrow fopen (the ANSI code page on Windows), and does not put
// it on the disk before it returns. So it writes into a file of our own in
// the system's temporary folder, where it keeps its parts anyway, and the
// finished bytes replace the target as every output of ours does
// (ReplaceFile): any target name works and nothing is left beside it.
class ScratchFile {
 public:
  explicit ScratchFile(const std::string& fileName) {
    std::error_code ec;
    folder_ = std::filesystem::temp_directory_path(ec);
    if (ec) FailToWrite(fileName, "no temporary folder: " + ec.message());
    for (int attempt = 0; attempt < 100; ++attempt) {
      path_ = folder_ / ("footmark-" + UniqueSuffix() + ".xlsx");
      const std::u8string utf8 = path_.u8string();
      guard_.emplace(std::string(utf8.begin(), utf8.end()));
#ifdef _WIN32
      std::FILE* f = _wfopen(path_.c_str(), L"wb");  // the user's own temporary folder
#else
      std::FILE* f = std::fopen(path_.c_str(), "wbx");  // never a file someone else put there
#endif
      if (f) {
        std::fclose(f);
        return;
      }
      if (errno != EEXIST) break;
    }
    const std::string reason = std::strerror(errno);
    path_.clear();
    FailToWrite(fileName, "cannot create a temporary file in \"" + folder_.string() + "\": " + reason);
  }
  ~ScratchFile() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove(path_, ec);
  }  // then the guard goes
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  std::string Name() const { return path_.string(); }
  std::string Folder() const { return folder_.string(); }
  // The whole file; false when it cannot be read.
  bool Read(std::string& bytes) const {
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream out;
    if (!(in && out << in.rdbuf())) return false;
    bytes = std::move(out).str();
    return true;
  }

 private:
  std::optional<ScratchGuard> guard_;  // an interrupt removes the file too
  std::filesystem::path folder_, path_;
};

// Builds every sheet; the first error libxlsxwriter met, if any.
lxw_error AddSheets(lxw_workbook* book, const Model& model, const checks::DesignChecks& checks,
                    const ProjectInfo& project, const revise::DesignRevision* revision) {
  const std::size_t slash = model.AnlFilePath.find_last_of("/\\");
  std::string title = "Isolated footings: " + model.AnlFilePath.substr(slash == std::string::npos ? 0 : slash + 1);
  std::string comments = "Footing design by IS 456:2000, written by Footmark";
  lxw_doc_properties properties{};
  properties.title = title.data();
  properties.comments = comments.data();
  workbook::Book b(book);
  b.project = workbook::ProjectLine(project);
  b.program = ProgramName() + ", IS 456:2000";
  b.error = workbook::Xlsx().workbook_set_properties(book, &properties);
  workbook::AddSupports(b, model);
  workbook::AddFootingSchedule(b, model, checks);
  workbook::AddCombinedSchedule(b, checks);
  workbook::AddColumnSchedule(b, model);
  workbook::AddChecks(b, checks);
  workbook::AddQuantities(b, checks);
  if (revision) workbook::AddRevision(b, model, checks, *revision);
  workbook::AddBarSchedule(b, checks);
  workbook::AddUplift(b, model);
  workbook::AddLoadCases(b, checks);
  workbook::AddProject(b, model, checks, project);
  return b.error;
}

}  // namespace

void PrepareWorkbook() {
  try {
    workbook::Xlsx();
  } catch (const RuntimeFailure&) {
    // Said again, with the file's name, when a workbook is written.
  }
}

void SaveWorkbook(const Model& model, const checks::DesignChecks& checks, const std::string& fileName,
                  const ProjectInfo& project, const revise::DesignRevision* revision) {
  const ClassicLocale classic;
  const ScratchFile scratch(fileName);
  const std::string name = scratch.Name();
  std::string folder = scratch.Folder();
  lxw_workbook_options options{};
  options.tmpdir = folder.data();
  lxw_workbook* raw = workbook::Xlsx().workbook_new_opt(name.c_str(), &options);
  if (!raw) FailToWrite(fileName, workbook::Xlsx().lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED));
  std::unique_ptr<lxw_workbook, void (*)(lxw_workbook*)> book(raw, workbook::Xlsx().lxw_workbook_free);

  lxw_error error = AddSheets(raw, model, checks, project, revision);
  if (error != LXW_NO_ERROR) FailToWrite(fileName, workbook::Xlsx().lxw_strerror(error));
  {
    const InterruptsHeld held;  // its scratch files have names for a moment
    error = workbook::Xlsx().workbook_close(book.release());  // writes the file and frees the workbook
  }
  if (error != LXW_NO_ERROR) FailToWrite(fileName, workbook::Xlsx().lxw_strerror(error));

  std::string bytes;
  if (!scratch.Read(bytes)) FailToWrite(fileName, "cannot read back \"" + name + "\"");
  ReplaceFile(fileName, bytes);
}

}  // namespace footmark
