// The two runs of the tool, in their fixed order. The window and the batch
// front end both call these; neither knows the order of the steps.
#pragma once

#include <string>

#include "model/messages.h"
#include "model/model.h"

namespace footmark {

// The SBC as the list holds it: a text that is not a number ends the program
// (ProgramEnd, silent in the window); the value is rounded to a 16-bit whole
// number, halves to even (beyond 16 bits is an overflow), and must be greater
// than 0 (ProgramEnd).
int16 SbcFromText(const std::string& text);

// The reference volume of the first pedestal candidate as given on a command
// line, m3: a number greater than 0 and at most a million, rounded to single
// as the design compares it; anything else ends with a ProgramEnd naming it.
float MaxVolumeFromText(const std::string& text);

// The design run started by the SBC choice: joint grid, support records,
// column stacks and groups, shear table, trial sizes, plan grid lines, size
// classes and sub-groups.
void RunDesign(Model& model, int16 sbc, UserMessages& ui);

// The detailed design: footing design groups, their depth, pedestal and bars,
// pedestal types and the column types of the schedule.
void RunDetailedDesign(Model& model);

}  // namespace footmark
