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
  // Room for every entity at once (three per support and offset dimensions,
  // three per grid line and its chain, the two ruled tables), so the list is
  // not copied as it grows.
  drawing.entities.reserve(static_cast<std::size_t>(5 * model.NumSupports + 4 * (model.GridLinesX[0] + model.GridLinesY[0]) +
                                                    14 * (model.FootGroupCount + model.TypeBarSet[0] + 2) + 16));

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
  ReplaceFileWith(fileName, [&](const PieceSink& write) { WritePortableDxf(drawing, write); });
}

}  // namespace footmark
