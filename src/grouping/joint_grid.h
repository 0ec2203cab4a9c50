// The joint grid: the distinct X, Y (levels) and Z (plan Y) coordinates of the
// joints, sorted, and the joint number at every combination of grid indices.
#pragma once

#include "model/model.h"

namespace footmark {

// Adds every joint's coordinates to GridX, GridLevels and GridY, sorts them and
// writes GridJoint(x, l, y) for every joint; where several joints share one
// grid point the later joint row wins. Neither the sets nor the grid are
// cleared first. More than 99 values in one direction fails when the grid
// entry at index 100 is written, a joint number outside 16 bits on its
// conversion.
void BuildJointGrid(Model& model);

// The same grid from the literal comparison of every joint with every grid
// point; kept as the reference for the fast fill.
void BuildJointGridNaive(Model& model);

}  // namespace footmark
