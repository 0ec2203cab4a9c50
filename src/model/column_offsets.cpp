#include "model/column_offsets.h"

#include <string>

#include "model/failure.h"

namespace footmark {

void SetColumnOffset(Model& model, int support, int16 x, int16 y) {
  if (x < -1 || x > 1 || y < -1 || y > 1)
    throw RuntimeFailure("column offset " + std::to_string(x) + ", " + std::to_string(y) +
                         ": each side must be -1, 0 or 1");
  FootingRecord& f = model.Footings[support];
  if (CanOffset(f.ColDepth)) f.OffsetX = x;
  if (CanOffset(f.ColWidth)) f.OffsetY = y;
}

}  // namespace footmark
