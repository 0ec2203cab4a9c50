// The one rule of a revision for footings that meet. An isolated footing
// that overlaps another, or would once a step grows it, is no fix: the pair
// is reported, as the clearance check (C20) names it, and the group cannot
// be revised as an isolated footing (a combined footing is required).
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "checks/clearance.h"
#include "revise/revision.h"

namespace footmark::revise {

struct ClashBlock {
  RevisionClash clash;
  std::string reason;  // "grows into the footing of support 14; combined footing required"
};

// Whether one of the group's footings overlaps another footing among
// `clashes` (those of the plan as it stands); `grown`: a step of the
// revision made it so, else the design came so.
std::optional<ClashBlock> BlockingClash(const std::vector<checks::Clash>& clashes, const std::vector<int>& supports,
                                        bool grown);

// How far the group's footings can grow among the others as placed: the
// largest side (m) at which none of them overlaps another, and the pair that
// would meet first beyond it.
struct Room {
  double side = 0;
  RevisionClash first;
};
Room RoomToGrow(const std::vector<checks::FootingPlace>& places, const std::vector<int>& supports);

// The room of every group at once: groupOf[i] is the group (0 .. groups - 1)
// of places[i], -1 for none.
std::vector<Room> RoomsOf(const std::vector<checks::FootingPlace>& places, const std::vector<int>& groupOf,
                          int groups);

// The reason a group cannot grow past its room, where `check` would pass.
std::string NoRoomReason(const Room& room, const std::string& check);

}  // namespace footmark::revise
