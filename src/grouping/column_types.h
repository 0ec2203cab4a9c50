// Column types: the sub-groups of all column groups numbered 1, 2, ... in
// group order, each with its bar set and the design row whose ties govern.
#pragma once

#include "model/model.h"

namespace footmark {

// Writes ColType of every grouped support, TypeBarSet (element 0 = number of
// types) and TypeTieRow. A 54th type is a range error.
void BuildColumnTypes(Model& model);

}  // namespace footmark
