// From a footing design group of the model to the plain inputs of
// CheckFooting: the group's own results, the reactions of its supports and
// the column sections, read, never recomputed by the design's formulas.
#pragma once

#include <string_view>
#include <vector>

#include "checks/footing_check.h"
#include "model/model.h"

namespace footmark::checks {

struct GroupSource {
  FootingInputs inputs;
  std::vector<int> supports;
  int loadCase = 0;         // the file's number of the load case giving q; 0: none
  int bearingSupport = 0;   // support and load-case number with the highest share of the allowable
  int bearingLoadCase = 0;  // pressure (C1)
  int columnSupport = 0;    // support whose column bears hardest on the pedestal (C15)
};

GroupSource GroupInputs(const Model& model, int g);

// The support numbers of a group's list "12 7 31 ".
std::vector<int> SupportNumbers(std::string_view text);

// The bar number and spacing of a schedule cell "n   ( s mm )"; false when
// the text does not read so.
bool ReadBarText(std::string_view text, int& bars, int& spacing);

}  // namespace footmark::checks
