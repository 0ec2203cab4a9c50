#include "dxf/drawing_export.h"

#include "dxf/plan_drawing.h"
#include "dxf/schedule_tables.h"
#include "model/numerics.h"

namespace footmark {

DxfDocument ComposeDrawing(const Model& model) {
  DxfDocument doc;
  doc.DxfLayer = "Layout";

  DxfFootingOutlines(doc, model);
  DxfGrid(doc, model);
  DxfGridDims(doc, model);
  DxfOffsetDims(doc, model);

  // The tables stand 10 m right of the rightmost joint of the structure; the
  // column schedule starts 2 below the footing schedule when every size class
  // is one design group.
  const float x = Sng(model.GridX[ToInt16(model.GridX[0])] + 10.0);
  DxfFootingSchedule(doc, model, x, 15);
  DxfColumnSchedule(doc, model, x, ToInt16(15 - model.ClassCount - 3));
  return doc;
}

void SaveDrawingDxf(const Model& model, const std::string& fileName) {
  DxfWriteFile(ComposeDrawing(model), fileName);
}

}  // namespace footmark
