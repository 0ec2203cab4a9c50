#include "handoff/cad_standin.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "handoff/desktop_open.h"
#include "handoff/dxf_reader.h"
#include "model/platform_paths.h"
#include "model/replace_file.h"
#include "model/failure.h"

namespace footmark {

namespace fs = std::filesystem;

namespace {

struct StandInDrawing {
  std::string name;
  std::string text;  // the DXF text as read
  std::string version;
  bool open = true;
};

}  // namespace

struct StandInState {
  DrawingViewer viewer;
  std::function<std::string()> ownFormat;  // the text a save in our own format writes
  std::vector<std::shared_ptr<StandInDrawing>> open;  // the active one last
  std::string lastNativeSave;
};

namespace {

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  if (!in) throw RuntimeFailure("cannot open " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool IsDxfDrawing(const std::string& path) {
  try {
    ReadDxf(ReadWholeFile(path));
    return true;
  } catch (const RuntimeFailure&) {
    return false;
  }
}

// ReplaceFile writes beside the target and renames, so a failed save leaves
// no partial drawing. A file that is not a drawing (an analysis file named
// .dxf, say) is never replaced.
void WriteDrawingFile(const std::string& target, const std::string& text) {
  if (fs::exists(fs::path(target)) && !IsDxfDrawing(target)) {
    throw RuntimeFailure("will not replace " + target + ": it is not a DXF drawing");
  }
  ReplaceFile(target, text);
}

class StandInDocument : public CadDocument {
 public:
  StandInDocument(std::shared_ptr<StandInState> state, std::shared_ptr<StandInDrawing> drawing)
      : state_(std::move(state)), drawing_(std::move(drawing)) {}

  void Close() override {
    Live();
    drawing_->open = false;
    std::erase(state_->open, drawing_);
  }

  // Our own format is DXF R12: the drawing goes to "<name>.dxf".
  void saveas(const std::string& fileName) override {
    const std::string target = fs::path(fileName).replace_extension(".dxf").string();  // SavedFileName
    if (state_->ownFormat) {
      Live();
      WriteDrawingFile(target, state_->ownFormat());
      drawing_->name = target;
    } else {
      SaveR12(target);
    }
    state_->lastNativeSave = target;
  }

  void saveas(const std::string& fileName, int saveType) override {
    if (saveType != kSaveAsR12Dxf) throw RuntimeFailure("save type " + std::to_string(saveType) + " is not supported");
    SaveR12(fileName);
  }

 private:
  void Live() const {
    if (!drawing_->open) throw RuntimeFailure("the drawing " + drawing_->name + " is closed");
  }

  void SaveR12(const std::string& target) {
    Live();
    if (drawing_->version != "AC1009") {
      throw RuntimeFailure(drawing_->name + " is not a Release 12 drawing (" + drawing_->version + ")");
    }
    WriteDrawingFile(target, drawing_->text);
    drawing_->name = target;
  }

  std::shared_ptr<StandInState> state_;
  std::shared_ptr<StandInDrawing> drawing_;
};

class StandInDocuments : public CadDocuments {
 public:
  explicit StandInDocuments(std::shared_ptr<StandInState> state) : state_(std::move(state)) {}

  std::unique_ptr<CadDocument> Open(const std::string& fileName) override {
    auto drawing = std::make_shared<StandInDrawing>();
    drawing->name = fileName;
    drawing->text = ReadWholeFile(fileName);
    drawing->version = ReadDxf(drawing->text).AcadVersion;
    state_->open.push_back(drawing);
    return std::make_unique<StandInDocument>(state_, drawing);
  }

 private:
  std::shared_ptr<StandInState> state_;
};

class StandInApplication : public CadApplication {
 public:
  explicit StandInApplication(std::shared_ptr<StandInState> state) : state_(std::move(state)) {}

  std::unique_ptr<CadDocument> ActiveDocument() override {
    if (state_->open.empty()) throw RuntimeFailure("no drawing is open");
    return std::make_unique<StandInDocument>(state_, state_->open.back());
  }

  void Visible(bool visible) override {
    if (visible && state_->viewer && !state_->lastNativeSave.empty()) state_->viewer(state_->lastNativeSave);
  }

  std::unique_ptr<CadDocuments> Documents() override { return std::make_unique<StandInDocuments>(state_); }

 private:
  std::shared_ptr<StandInState> state_;
};

}  // namespace

void OpenInDesktopViewer(const std::string& drawingFile) { OpenWithDesktop(drawingFile, DesktopFile::Drawing); }

CadStandIn::CadStandIn(DrawingViewer viewer) : state_(std::make_shared<StandInState>()) {
  state_->viewer = std::move(viewer);
  auto empty = std::make_shared<StandInDrawing>();
  empty->name = "Drawing1.dwg";
  state_->open.push_back(empty);
}

std::string CadStandIn::SavedFileName(const std::string& drawingFile) const {
  return fs::path(drawingFile).replace_extension(".dxf").string();
}

CadStandIn::~CadStandIn() = default;

void CadStandIn::SaveOwnFormatAs(std::function<std::string()> drawingText) {
  state_->ownFormat = std::move(drawingText);
}

std::unique_ptr<CadApplication> CadStandIn::Attach(const std::string&) {
  return std::make_unique<StandInApplication>(state_);
}

}  // namespace footmark
