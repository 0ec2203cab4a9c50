// The side of its grid point a column stands on, per plan axis.
#pragma once

#include "model/model.h"

namespace footmark {

// Sets OffsetX and OffsetY of the support as dragging its column would: x and
// y are -1 (low side), 0 (centred) or +1 (high side). An axis along which the
// column is no larger than the 230 mm wall (ColDepth for X, ColWidth for Y)
// cannot be offset and keeps its value. A side outside -1..1 or a support
// beyond the table is a RuntimeFailure.
void SetColumnOffset(Model& model, int support, int16 x, int16 y);

}  // namespace footmark
