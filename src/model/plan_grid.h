#pragma once

#include "model/model.h"

namespace footmark {

// The plan's grid lines: the distinct plan X and plan Y positions of the
// supports, ascending, as counted sets of capacity 100 each. The lists are not
// cleared first; the design run fills them once.
void CollectGridLines(Model& model);

}  // namespace footmark
