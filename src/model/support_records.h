// The support records' place on the joint grid and the turn of BETA columns.
#pragma once

#include "model/model.h"

namespace footmark {

// Gives every support whose joint stands at the lowest level of the joint grid
// its joint number, plan position and grid indices. Supports elsewhere keep
// their record as it was. Runs after BuildJointGrid.
void PlaceSupports(Model& model);

// Exchanges ColWidth and ColDepth of every support column listed with a BETA
// command, once per listing. Runs after BuildColumnStacks.
void ApplyBetaSwap(Model& model);

}  // namespace footmark
