// The drawing export run: the plan, the two schedules and the file.
#pragma once

#include <string>

#include "dxf/dxf_writer.h"
#include "model/model.h"

namespace footmark {

// Composes the whole drawing of the designed model in a fresh document (so
// dimension blocks are numbered from *D0 at every call): the plan, then the
// two schedules. Nothing is written; failures are RuntimeFailure.
DxfDocument ComposeDrawing(const Model& model);

// Writes the drawing ComposeDrawing gives to fileName, replacing an earlier
// file only when the new one is complete. Failures are RuntimeFailure.
void SaveDrawingDxf(const Model& model, const std::string& fileName);

}  // namespace footmark
