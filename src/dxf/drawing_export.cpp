#include "dxf/drawing_export.h"

#include "dxf/dxf_writer.h"
#include "dxf/portable_dxf.h"
#include "model/replace_file.h"

namespace footmark {

void SaveDrawingDxf(const Model& model, const std::string& fileName) {
  DxfWriteFile(ComposeDrawing(model), fileName);
}

void SavePortableDxf(const Drawing& drawing, const std::string& fileName) {
  ReplaceFileWith(fileName, [&](const PieceSink& write) { WritePortableDxf(drawing, write); });
}

}  // namespace footmark
