// Which isolated footings give way to one combined footing: pairs that
// overlap or leave a strip of soil too narrow to form between two
// excavations, closed transitively; and which of those sets can be one
// rectangle over a single grid line.
#pragma once

#include <string>
#include <vector>

#include "checks/clearance.h"
#include "combined/combined_input.h"

namespace footmark::combined {

// A support's footing in plan (the column centre, offsets included) and
// the grid point its column stands at.
struct PlanSupport {
  checks::FootingPlace footing;
  double gridX = 0, gridZ = 0;  // m
};

// An overlap, or a face to face gap under combiningGap. Two footings that
// only come close past a corner stay apart (a clearance warning).
bool Combines(const checks::Clash& clash, double combiningGap);

// A pair that combines whatever its gap (a set's members, a footing that
// can grow only into its neighbour), supports in ascending order.
checks::Clash ForcedPair(int a, int b);

// The transitive closure of the combining pairs: each set's supports
// ascending, the sets ordered by their lowest support.
std::vector<std::vector<int>> CombiningSets(const std::vector<checks::Clash>& clashes, double combiningGap);

enum class SetKind { Designed, StripFooting, RaftOrStrap };

struct SetLine {
  SetKind kind = SetKind::Designed;
  Axis axis = Axis::X;
  double gridLine = 0;        // the shared grid coordinate across the line, m
  std::vector<int> supports;  // along the line (ascending), or ascending when refused
  std::string recommendation;  // for a set that is not designed
};

// Designed: 2 up to maxColumns columns whose grid points share one grid
// line; more on one line want a strip footing; any other set a raft or a
// strap footing.
SetLine LineOf(const std::vector<int>& supports, const std::vector<PlanSupport>& plan, int maxColumns);

// A combined footing in plan: its centre and its sides along X and Z, m.
struct PlanRectangle {
  double x = 0, z = 0, sizeX = 0, sizeZ = 0;
};

// The gaps between two rectangles, as between two footings, to the
// millimetre (the supports are left 0).
checks::Clash GapBetween(const PlanRectangle& a, const PlanRectangle& b);
// The same to an isolated footing (supportB: its support).
checks::Clash GapTo(const PlanRectangle& rect, const checks::FootingPlace& place);

// The footings outside that any rectangle lying within `bound` may join:
// the others are clear of `bound` by more than the combining gap along X or
// Z. Trial rectangles test against these alone and find what they would
// have found against every footing.
std::vector<checks::FootingPlace> FootingsNear(const PlanRectangle& bound,
                                               const std::vector<checks::FootingPlace>& outside, double combiningGap);

// The supports outside the set whose footings the rectangle overlaps or
// comes face to face with closer than combiningGap: they join the set.
std::vector<int> JoiningSupports(const PlanRectangle& rect, const std::vector<checks::FootingPlace>& outside,
                                 double combiningGap);

}  // namespace footmark::combined
