// Clear distance between neighbouring isolated footings in plan: squares of
// the footing side centred on their columns (offsets included), parallel to
// the grid. Two footings that overlap cannot both be built; a strip of soil
// narrower than the warning gap between two excavations cannot be formed.
#pragma once

#include <vector>

#include "model/model.h"

namespace footmark::checks {

// The least clear gap below which two footings are reported, m.
inline constexpr double kClearanceWarnGap = 0.1;

// One footing in plan, model axes (x, and z as plan y), m, rounded to the mm.
struct FootingPlace {
  int support = 0;
  double x = 0, z = 0;  // centre: the column centre
  double side = 0;      // B
  bool operator==(const FootingPlace&) const = default;
};

// A pair of footings closer than the warning gap, or overlapping.
struct Clash {
  int supportA = 0, supportB = 0;  // supportA < supportB
  double gapX = 0, gapZ = 0;       // |dx| - (Ba + Bb)/2, the same along z; m
  // The clear gap: sqrt(gx^2 + gz^2) past a corner, the larger of the two
  // face to face; negative when the footings overlap (the larger of gx, gz).
  double gap = 0;
  bool overlap = false;  // gx < 0 and gz < 0
};

// Every support's footing as the plan places it: the column centre and the
// footing side of its size class. Supports without a size are left out. A
// combined footing stands in for its supports as squares of its width
// covering its rectangle, each carrying a support of its own.
std::vector<FootingPlace> FootingPlaces(const Model& model);
// The isolated footings only: supports in a combined footing are left out.
std::vector<FootingPlace> IsolatedPlaces(const Model& model);

// Every pair that overlaps or stands closer than warnGap (m), ordered by
// supportA then supportB.
std::vector<Clash> FindClashes(const std::vector<FootingPlace>& places, double warnGap = kClearanceWarnGap);

// The same, only the pairs with at least one of `supports`: what a change to
// the footings of one group can alter.
std::vector<Clash> ClashesOf(const std::vector<FootingPlace>& places, const std::vector<int>& supports,
                             double warnGap = kClearanceWarnGap);

}  // namespace footmark::checks
