// The drawing files: the exact R12 file of the method's drawing, and the
// portable R12 file of any composed drawing.
#pragma once

#include <string>

#include "drawing/drawing.h"
#include "drawing/exact_drawing.h"
#include "model/model.h"

namespace footmark {

// Composes the method's drawing and writes the exact R12 file to fileName,
// replacing an earlier file only when the new one is complete. Failures are
// RuntimeFailure.
void SaveDrawingDxf(const Model& model, const std::string& fileName);

// Writes the portable R12 file of a composed drawing, replaced as above.
void SavePortableDxf(const Drawing& drawing, const std::string& fileName);

}  // namespace footmark
