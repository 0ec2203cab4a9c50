// The footing schedule and the column schedule as ruled tables beside the
// plan. (x, y) is the reference corner: the top rule runs at y - 0.25, every
// row is 1.0 high with its text line 1.0 below the row above.
#pragma once

#include "drawing/drawing.h"
#include "model/model.h"

namespace footmark {

// One row per footing design group; at most 33 (more is a range error).
void DxfFootingSchedule(Drawing& drawing, const Model& model, float x, float y);

// One row per column type; at most 53 (more is a range error).
void DxfColumnSchedule(Drawing& drawing, const Model& model, float x, float y);

}  // namespace footmark
