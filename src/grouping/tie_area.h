#pragma once

#include "model/model.h"

namespace footmark {

// Tie steel per metre of column for one ColumnDesigns row: one leg of the tie
// bar at its spacing, with pi taken as 22/7. Row 0 has none.
float TieArea(const Model& model, int16 row);

}  // namespace footmark
