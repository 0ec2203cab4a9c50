#include "drawing/exact_drawing.h"

#include "drawing/exact_plan.h"
#include "drawing/exact_schedules.h"
#include "model/numerics.h"

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

}  // namespace footmark
