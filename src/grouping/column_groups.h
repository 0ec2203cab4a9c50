// Column groups: supported columns of one cross-section, whatever their
// orientation, ordered by required steel and given the smallest bar set that
// carries it.
#pragma once

#include "model/model.h"

namespace footmark {

// Fills ColumnList from the support records, then ColGroups and ColGroupCount.
// Needs the bar set catalogue. An 11th section or a 223rd column of one
// section is a range error.
void GroupColumns(Model& model);

}  // namespace footmark
