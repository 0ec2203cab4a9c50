// The method's drawing: the plan and the two schedules composed as the
// exact R12 file has them, every quirk included.
#pragma once

#include "drawing/drawing.h"
#include "model/model.h"

namespace footmark {

// Composes the whole drawing of the designed model: the plan, then the two
// schedules. Nothing is written; failures are RuntimeFailure.
Drawing ComposeDrawing(const Model& model);

}  // namespace footmark
