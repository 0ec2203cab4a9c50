#include "dxf/drawing_export.h"

#include "dxf/dxf_writer.h"
#include "dxf/plan_drawing.h"
#include "dxf/portable_dxf.h"
#include "dxf/schedule_tables.h"
#include "model/numerics.h"
#include "model/replace_file.h"

namespace footmark {

Drawing ComposeDrawing(const Model& model) {
  Drawing drawing;
  drawing.DxfLayer = "Layout";

  DxfFootingOutlines(drawing, model);
  DxfGrid(drawing, model);
  DxfGridDims(drawing, model);
  DxfOffsetDims(drawing, model);

  // The tables stand 10 m right of the rightmost joint of the structure; the
  // column schedule starts 2 below the footing schedule when every size class
  // is one design group.
  const float x = Sng(model.GridX[ToInt16(model.GridX[0])] + 10.0);
  DxfFootingSchedule(drawing, model, x, 15);
  DxfColumnSchedule(drawing, model, x, ToInt16(15 - model.ClassCount - 3));
  return drawing;
}

void SaveDrawingDxf(const Model& model, const std::string& fileName) {
  DxfWriteFile(ComposeDrawing(model), fileName);
}

void SavePortableDxf(const Drawing& drawing, const std::string& fileName) {
  ReplaceFile(fileName, PortableDxfText(drawing));
}

}  // namespace footmark
