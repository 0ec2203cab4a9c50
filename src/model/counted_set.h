// Counted sets: single-precision values kept distinct, element 0 holding the
// count as a float. Used for the joint grid, the plan's grid lines and the
// pedestal sizes.
#pragma once

#include "model/numerics.h"
#include "model/table.h"

namespace footmark {

// Appends v unless the set already holds it (exact comparison). Going past the
// table's capacity is a range error.
template <int U>
void AddDistinct(Table<float, U>& set, float v) {
  const int n = ToInt16(set[0]);
  for (int i = 1; i <= n; ++i)
    if (set[i] == v) return;
  set[n + 1] = v;
  set[0] = static_cast<float>(n + 1);
}

// Ascending bubble sort; equal values are never swapped.
template <int U>
void SortSet(Table<float, U>& set) {
  bool swapped = true;
  while (swapped) {
    swapped = false;
    for (int i = 1; i <= set[0] - 1; ++i) {
      if (set[i] > set[i + 1]) {
        const float t = set[i];
        set[i] = set[i + 1];
        set[i + 1] = t;
        swapped = true;
      }
    }
  }
}

}  // namespace footmark
