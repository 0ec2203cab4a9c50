// Trial footing sides from the support reactions and the safe bearing
// capacity, and their ascending order for the size classes.
#pragma once

#include "model/messages.h"
#include "model/model.h"

namespace footmark {

// Side of the square footing of every support: the largest over its load
// cases of the side whose edge pressure P'/B^2 + 6M/B^3 equals the allowable
// pressure. Writes FootSize and the rows of FootingSizes; load cases that do
// not press on the soil are listed to the user, one message per support.
void TrialFootingSizes(Model& model, UserMessages& ui);

// Stable bubble sort of the FootingSizes rows by trial side, ascending.
void SortFootingSizes(Model& model);

}  // namespace footmark
