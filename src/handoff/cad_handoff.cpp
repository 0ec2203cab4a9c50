#include "handoff/cad_handoff.h"

#include <cctype>
#include <exception>
#include <filesystem>
#include <memory>

#include "model/failure.h"

namespace footmark {

namespace fs = std::filesystem;

void RemoveFileOrFail(const std::string& path) {
  if (!fs::remove(fs::path(path))) throw RuntimeFailure("file not found: " + path);
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
  fs::path drawing(anlFilePath);
  std::string extension = drawing.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  // An analysis file already named .dwg keeps its name inside the new one.
  if (extension == ".dwg") return anlFilePath + ".DWG";
  return drawing.replace_extension(".DWG").string();
}

namespace {

std::string InFolder(const std::string& folder, const std::string& name) {
  const char separator = static_cast<char>(fs::path::preferred_separator);
  if (!folder.empty() && (folder.back() == separator || folder.back() == '/')) return folder + name;
  return folder + separator + name;
}

// A step run with failures ignored, the reason kept for the caller.
class Steps {
 public:
  explicit Steps(HandOffResult& result) : result_(result) {}
  template <typename Action>
  void Run(const char* step, Action&& action) {
    try {
      action();
    } catch (const std::exception& e) {
      result_.IgnoredFailures.push_back(std::string(step) + ": " + e.what());
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
  result.ProgramEnds = true;

  Steps steps(result);
  // doc keeps the last document opened: an Open that fails leaves it as it was.
  std::unique_ptr<CadDocument> doc;
  steps.Run("ActiveDocument.Close", [&] { acad->ActiveDocument()->Close(); });
  steps.Run("Visible = False", [&] { acad->Visible(false); });
  std::string fileName = InFolder(context.ProgramFolder, "Drawing1.dxf");
  std::error_code leftOver;
  fs::remove(fs::path(fileName), leftOver);  // a drawing of an earlier run
  try {
    context.DetailedDesign();
    context.WriteDrawing(fileName);
  } catch (const std::exception& e) {
    result.DrawingFailure = e.what();
    result.IgnoredFailures.push_back(std::string("drawing: ") + e.what());
  }
  steps.Run("Documents.Open", [&] { doc = acad->Documents()->Open(fileName); });

  std::string oldName = fileName;
  fileName = ReplaceAll(fileName, ".dxf", "1.dxf");
  steps.Run("saveas R12 DXF", [&] { Use(doc).saveas(fileName, kSaveAsR12Dxf); });
  steps.Run("Close", [&] { Use(doc).Close(); });
  steps.Run("delete", [&] { context.RemoveFile(oldName); });

  oldName = fileName;
  steps.Run("Documents.Open", [&] { doc = acad->Documents()->Open(fileName); });
  fileName = DrawingFileName(context.AnlFilePath);
  steps.Run("saveas", [&] { Use(doc).saveas(fileName); });
  steps.Run("delete", [&] { context.RemoveFile(oldName); });
  steps.Run("Visible = True", [&] { acad->Visible(true); });
  return result;
}

}  // namespace footmark
