// The column stack above every support: the column that runs up to each grid
// joint from the next joint below, and, per support, the ground-storey section
// with the heaviest steel and ties of the columns above it.
#pragma once

#include "model/model.h"

namespace footmark {

// Number of the first member that starts at joint `lower` and ends at joint
// `upper`, 0 if there is none. Members are stored lower joint first, so a
// column stored top-down is not found. A member number beyond 16 bits fails.
int16 FindMember(const Model& model, int16 lower, int16 upper);

// First ColumnDesigns row that holds the member's design results, 0 if none.
int16 FindColumnDesign(const Model& model, int16 member);

// Fills GridDesignRow for every grid joint above the lowest level, then per
// support ColumnNo, ColWidth, ColDepth, MaxColSteel and TieRow. Runs after
// BuildJointGrid and PlaceSupports.
void BuildColumnStacks(Model& model);

}  // namespace footmark
