#include "handoff/cad_handoff.h"

#include <cctype>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>

#include "model/failure.h"
#include "model/platform_paths.h"
#include "model/replace_file.h"

namespace footmark {

namespace fs = std::filesystem;

void RemoveFileOrFail(const std::string& path) {
  if (!fs::remove(PathFromUtf8(path))) throw RuntimeFailure("file not found: " + path);
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

std::string DrawingFileName(const std::string& anlFilePath) {
  if (anlFilePath.find(".ANL") != std::string::npos) return ReplaceAll(anlFilePath, ".ANL", ".DWG");
  fs::path drawing = PathFromUtf8(anlFilePath);
  std::string extension = Utf8FromPath(drawing.extension());
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  // An analysis file already named .dwg keeps its name inside the new one.
  if (extension == ".dwg") return anlFilePath + ".DWG";
  return Utf8FromPath(drawing.replace_extension(".DWG"));
}

std::string HandOffFailure::Text() const {
  return Step + (File.empty() ? "" : ", " + File) + ": " + Reason;
}

bool FolderTakesFiles(const std::string& folder) {
  const std::string probe =
      Utf8FromPath(PathFromUtf8(folder.empty() ? "." : folder) / (".footmark-probe-" + UniqueSuffix()));
  std::FILE* file = OpenFileUtf8(probe, "wb");
  if (file == nullptr) return false;
  std::fclose(file);
  std::error_code error;
  fs::remove(PathFromUtf8(probe), error);
  return true;
}

std::string MakePrivateFolder(const std::string& root) {
  std::error_code error;
  const fs::path base = root.empty() ? fs::temp_directory_path(error) : PathFromUtf8(root);
  if (error) throw RuntimeFailure("no temporary folder: " + error.message());
  const std::string shown = Utf8FromPath(base);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path folder = base / ("footmark-cad-" + UniqueSuffix());
    if (fs::create_directory(folder, error)) {
      fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, error);
      return Utf8FromPath(folder);
    }
    if (error) throw RuntimeFailure("cannot make a folder in " + shown + ": " + error.message());
  }
  throw RuntimeFailure("cannot make a folder in " + shown);
}

namespace {

// A step run with failures kept, each with its file, for the caller.
class Steps {
 public:
  explicit Steps(HandOffResult& result) : result_(result) {}
  template <typename Action>
  void Run(const char* step, const std::string& file, Action&& action) {
    try {
      action();
    } catch (const std::exception& e) {
      result_.Failures.push_back({step, file, e.what()});
    }
  }

 private:
  HandOffResult& result_;
};

// A document variable that was never set fails on use.
CadDocument& Use(const std::unique_ptr<CadDocument>& doc) {
  if (!doc) throw RuntimeFailure("no document");
  return *doc;
}

}  // namespace

HandOffResult SendToCad(CadAttacher& attacher, const HandOffContext& context) {
  HandOffResult result;
  std::unique_ptr<CadApplication> acad;
  try {
    acad = attacher.Attach(kCadProgId);
  } catch (const std::exception&) {
    // no CAD application running: acad stays empty
  }
  if (!acad) {
    context.Messages.ShowMessage(kOpenCadMessage);
    return result;
  }
  const std::optional<std::string> target =
      context.Target ? context.Target() : std::optional(DrawingFileName(context.AnlFilePath));
  if (!target) {
    result.Outcome = HandOffOutcome::Cancelled;
    return result;
  }
  result.Outcome = HandOffOutcome::Sent;
  result.Drawing = *target;

  Steps steps(result);
  // doc keeps the last document opened: an Open that fails leaves it as it was.
  std::unique_ptr<CadDocument> doc;
  steps.Run("ActiveDocument.Close", "", [&] { acad->ActiveDocument()->Close(); });
  steps.Run("Visible = False", "", [&] { acad->Visible(false); });
  // Without its folder the drawing has no name, so no other file can stand in.
  std::string folder, fileName;
  try {
    folder = MakePrivateFolder(context.TemporaryRoot);
    fileName = Utf8FromPath(PathFromUtf8(folder) / "Drawing1.dxf");
    context.DetailedDesign();
    context.WriteDrawing(fileName);
  } catch (const std::exception& e) {
    result.DrawingFailure = e.what();
    result.Failures.push_back({"drawing", fileName, e.what()});
  }
  steps.Run("Documents.Open", fileName, [&] { doc = acad->Documents()->Open(fileName); });

  // Drawing1.dxf becomes Drawing11.dxf.
  std::string oldName = fileName;
  if (!fileName.empty()) fileName = Utf8FromPath(PathFromUtf8(folder) / "Drawing11.dxf");
  steps.Run("saveas R12 DXF", fileName, [&] { Use(doc).saveas(fileName, kSaveAsR12Dxf); });
  steps.Run("Close", fileName, [&] { Use(doc).Close(); });
  steps.Run("delete", oldName, [&] { context.RemoveFile(oldName); });

  oldName = fileName;
  steps.Run("Documents.Open", fileName, [&] { doc = acad->Documents()->Open(fileName); });
  steps.Run("saveas", *target, [&] { Use(doc).saveas(*target); });
  steps.Run("delete", oldName, [&] { context.RemoveFile(oldName); });
  steps.Run("Visible = True", "", [&] { acad->Visible(true); });
  if (!folder.empty()) {
    std::error_code error;
    fs::remove_all(PathFromUtf8(folder), error);
    if (error) result.Failures.push_back({"remove the temporary folder", folder, error.message()});
  }
  return result;
}

}  // namespace footmark
