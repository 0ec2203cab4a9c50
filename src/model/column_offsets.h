// The side of its grid point a column stands on, per plan axis, and the
// 230 mm wall that decides whether it can stand off centre at all.
//
// A column is placed to one side only along an axis where it is larger than
// the wall: then one of its faces lines up with a face of a 230 mm wall
// centred on the grid line, which moves its centre by half the difference.
#pragma once

#include "model/model.h"

namespace footmark {

inline constexpr float kWallThickness = 230;  // mm

// Whether a column side (mm) along an axis lets the column stand off centre.
inline bool CanOffset(float sideMm) { return sideMm > kWallThickness; }

// The shift of the column centre (m, in double, not yet rounded) for a side
// of sideMm along an axis and the chosen side -1, 0 or +1.
inline double ColumnShift(float sideMm, int16 side) { return (sideMm / 1000.0 - 0.23) / 2 * side; }

// Sets OffsetX and OffsetY of the support as dragging its column does: x and
// y are -1 (low side), 0 (centred) or +1 (high side). An axis along which the
// column cannot be offset (ColDepth for X, ColWidth for Y) keeps its value.
// A side outside -1..1 or a support beyond the table is a RuntimeFailure.
void SetColumnOffset(Model& model, int support, int16 x, int16 y);

}  // namespace footmark
