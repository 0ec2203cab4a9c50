// The column bar set catalogue: 84 symmetric arrangements of 12 to 32 mm bars
// in 2 to 8 rows across the section, sorted by steel area.
#pragma once

#include <string>
#include <vector>

#include "model/model.h"

namespace footmark {

// Rebuilds BarDiaTable, BarAreaTable, BarSets and BarSetCount; every call
// gives the same table.
void BuildBarSets(Model& model);

// The bars of set k by diameter, in the order the label lists them: the
// first row's diameter first.
struct BarCount {
  int count = 0;
  int dia = 0;  // mm
};
std::vector<BarCount> BarSetBars(const Model& model, int16 k);

// Schedule label of bar set k: two blanks, then count-diameter pairs each
// followed by two blanks ("  4-16  4-12  "). k outside 0..84 is a range error.
std::string BarSetLabel(const Model& model, int16 k);

}  // namespace footmark
