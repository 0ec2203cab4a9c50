// The drawing export run: the plan and the two schedules composed once, and
// the files written from that one drawing.
#pragma once

#include <string>

#include "dxf/drawing.h"
#include "model/model.h"

namespace footmark {

// Composes the whole drawing of the designed model: the plan, then the two
// schedules. Nothing is written; failures are RuntimeFailure.
Drawing ComposeDrawing(const Model& model);

// Composes the drawing and writes the exact R12 file to fileName, replacing
// an earlier file only when the new one is complete. Failures are
// RuntimeFailure.
void SaveDrawingDxf(const Model& model, const std::string& fileName);

// Writes the portable R12 file of a composed drawing, replaced as above.
void SavePortableDxf(const Drawing& drawing, const std::string& fileName);

}  // namespace footmark
