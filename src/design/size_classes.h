// Footing size classes: trial sides rounded up to 0.1 m steps, keeping only
// the steps that hold a support, and the cheapest order of merging them.
#pragma once

#include "model/model.h"

namespace footmark {

// Fills ClassSize, ClassCount, MergeOrder and MergeLimits(0, 1) from the
// sorted trial sides in FootingSizes.
void BuildSizeClasses(Model& model);

// Gives every support the side of its class after the first mergeCount
// classes of MergeOrder have been merged into the next larger one: column 2
// of FootingSizes and FootSize of the support record.
void AssignSizeClasses(Model& model, int16 mergeCount);

}  // namespace footmark
