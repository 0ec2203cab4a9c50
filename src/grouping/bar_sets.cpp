#include "grouping/bar_sets.h"

#include <algorithm>
#include <array>
#include <utility>

#include "model/numerics.h"

namespace footmark {

namespace {

// Size index 1..5 = 12, 16, 20, 25, 32 mm; 0 and 6 mean "no bar".
constexpr std::array<int16, 7> kBarDia{0, 12, 16, 20, 25, 32, 0};
constexpr std::array<double, 7> kBarArea{0, 113.0973355, 201.0619298, 314.1592654,
                                         490.8738521, 804.2477193, 0};

// Tries one half-section of row sizes, outer face first (zero = no row), in
// entries n and n+1: entry n takes the odd mirror (r1 .. rj .. r1), entry n+1
// the even one (r1 .. rj rj .. r1). Returns how many sets were accepted; a
// rejected try leaves its rows for the next accepted one to overwrite.
int TryHalfSection(Model& model, int16 n, const std::array<int16, 4>& half) {
  BarSet& odd = model.BarSets(n);
  BarSet& even = model.BarSets(n + 1);
  int j = 1;
  odd.RowSize(1) = even.RowSize(1) = half[0];
  odd.SizeCount = 1;
  for (int i = 1; i < 4 && half[i] > 0; ++i) {
    j = i + 1;
    odd.RowSize(j) = even.RowSize(j) = half[i];
    if (half[i] != half[i - 1]) ++odd.SizeCount;
  }
  // At most two bar sizes, and the second only one size step below the first.
  if (odd.SizeCount > 2 || (odd.SizeCount == 2 && odd.RowSize(1) - odd.RowSize(2) > 1)) return 0;
  even.SizeCount = odd.SizeCount;
  odd.Rows = static_cast<int16>(2 * j - 1);
  even.Rows = static_cast<int16>(2 * j);
  if (j == 1) {
    // A single size gives one set only: the two faces.
    odd.Rows = 2;
    odd.RowSize(2) = odd.RowSize(1);
    return 1;
  }
  for (int k = 1; k <= j; ++k) {
    const int16 size = odd.RowSize(k);
    odd.RowSize(2 * j - k) = size;
    even.RowSize(2 * j - k + 1) = size;
    if (odd.RowSize(1) - size > 1) return 0;
  }
  return 2;
}

void EnumerateSets(Model& model) {
  int16 n = 1;
  for (int16 a = 1; a <= 5; ++a)
    for (int16 b = 0; b <= a; ++b)
      for (int16 c = 0; c <= b; ++c)
        for (int16 d = 0; d <= c; ++d)
          n = static_cast<int16>(n + TryHalfSection(model, n, {a, b, c, d}));
  // The enumeration stops at 83 sets; 20 25 25 20 completes the catalogue.
  BarSet& last = model.BarSets(n);
  last.Rows = 4;
  last.RowSize(1) = 3;
  last.RowSize(2) = 4;
  last.RowSize(3) = 4;
  last.RowSize(4) = 3;
  model.BarSetCount = n;
}

// Faces carry 2 bars per row and inner rows 4, so the set holds four times
// the bar areas of rows 2..Rows.
void ComputeAreas(Model& model) {
  for (int i = 1; i <= model.BarSetCount; ++i) {
    BarSet& set = model.BarSets(i);
    set.RowAreaSum = 0;
    for (int k = 1; k <= set.Rows; ++k) {
      set.RowDia(k) = model.BarDiaTable(set.RowSize(k));
      set.RowAreaSum = Sng(set.RowAreaSum + model.BarAreaTable(set.RowSize(k)));
    }
    set.SetArea = Sng(4.0 * (set.RowAreaSum - model.BarAreaTable(set.RowSize(1))));
  }
}

// Stable: equal areas keep their order of generation.
void SortByArea(Model& model) {
  bool swapped = true;
  while (swapped) {
    swapped = false;
    for (int i = 1; i <= model.BarSetCount - 1; ++i) {
      if (model.BarSets(i).SetArea > model.BarSets(i + 1).SetArea) {
        std::swap(model.BarSets(i), model.BarSets(i + 1));
        swapped = true;
      }
    }
  }
}

}  // namespace

void BuildBarSets(Model& model) {
  for (int i = 0; i <= 6; ++i) {
    model.BarDiaTable(i) = kBarDia[i];
    model.BarAreaTable(i) = kBarArea[i];
  }
  // Start from an empty table so that rows left over from rejected tries are
  // the same on every build.
  model.BarSets.Clear();
  EnumerateSets(model);
  ComputeAreas(model);
  SortByArea(model);
}

std::vector<BarCount> BarSetBars(const Model& model, int16 k) {
  const BarSet& set = model.BarSets(k);
  // The first row holds 2 bars; of the rows after it every inner one of a
  // set of three rows or more holds 4 (two faces), the last 2.
  std::vector<BarCount> bars{{2, set.RowDia(1)}};
  for (int j = 2; j <= set.Rows; ++j) {
    const int count = (set.Rows >= 3 && j != set.Rows) ? 4 : 2;
    auto same = std::find_if(bars.begin(), bars.end(), [&](const BarCount& b) { return b.dia == set.RowDia(j); });
    if (same == bars.end()) same = bars.insert(bars.end(), {0, set.RowDia(j)});
    same->count += count;
  }
  return bars;
}

std::string BarSetLabel(const Model& model, int16 k) {
  std::string text = "  ";
  for (const BarCount& b : BarSetBars(model, k)) text += IntText(ToInt16(b.count)) + "-" + IntText(b.dia) + "  ";
  return text;
}

}  // namespace footmark
