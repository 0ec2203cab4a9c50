#include "revise/clash_rule.h"

#include <algorithm>
#include <cmath>

#include "model/numerics.h"

namespace footmark::revise {

std::optional<ClashBlock> BlockingClash(const std::vector<checks::Clash>& clashes, const std::vector<int>& supports,
                                        bool grown) {
  const auto own = [&](int s) { return std::find(supports.begin(), supports.end(), s) != supports.end(); };
  for (const checks::Clash& c : clashes) {
    if (!c.overlap) continue;
    const bool a = own(c.supportA);
    if (!a && !own(c.supportB)) continue;
    ClashBlock block{{a ? c.supportA : c.supportB, a ? c.supportB : c.supportA, -c.gap}, ""};
    block.reason = std::string(grown ? "grows into" : "overlaps") + " the footing of support " +
                   IntText(block.clash.other) + " (support " + IntText(block.clash.support) + ", by " +
                   DecimalText(block.clash.overlap * 1000, 0) + " mm); combined footing required";
    return block;
  }
  return std::nullopt;
}

std::vector<Room> RoomsOf(const std::vector<checks::FootingPlace>& places, const std::vector<int>& groupOf,
                          int groups) {
  std::vector<Room> rooms(static_cast<std::size_t>(groups), Room{std::numeric_limits<double>::infinity(), {}});
  const auto keep = [&](int g, double side, const checks::FootingPlace& a, const checks::FootingPlace& b) {
    if (g < 0) return;
    Room& room = rooms[static_cast<std::size_t>(g)];
    if (side < room.side) room = {side, {a.support, b.support, 0}};
  };
  const auto pair = [&](std::size_t i, std::size_t j) {
    const checks::FootingPlace &a = places[i], &b = places[j];
    // Apart while the half sides together stay within the larger of the
    // two centre distances; two of one group grow together.
    const double distance = std::max(std::fabs(a.x - b.x), std::fabs(a.z - b.z));
    if (groupOf[i] >= 0 && groupOf[i] == groupOf[j]) {
      keep(groupOf[i], distance, a, b);
      return;
    }
    keep(groupOf[i], 2 * distance - b.side, a, b);
    keep(groupOf[j], 2 * distance - a.side, b, a);
  };
  // Only pairs with a footing of a group change a room; in the order of the places.
  std::vector<std::size_t> grouped;
  for (std::size_t i = 0; i < places.size(); ++i)
    if (groupOf[i] >= 0) grouped.push_back(i);
  for (std::size_t i = 0; i < places.size(); ++i) {
    if (groupOf[i] >= 0) {
      for (std::size_t j = i + 1; j < places.size(); ++j) pair(i, j);
      continue;
    }
    for (auto j = std::upper_bound(grouped.begin(), grouped.end(), i); j != grouped.end(); ++j) pair(i, *j);
  }
  return rooms;
}

Room RoomToGrow(const std::vector<checks::FootingPlace>& places, const std::vector<int>& supports) {
  std::vector<int> groupOf(places.size(), -1);
  for (std::size_t i = 0; i < places.size(); ++i)
    if (std::find(supports.begin(), supports.end(), places[i].support) != supports.end()) groupOf[i] = 0;
  return RoomsOf(places, groupOf, 1).front();
}

std::string NoRoomReason(const Room& room, const std::string& check) {
  return check + " passes only beyond a side of " + DecimalText(room.side, 3) + " m, where the footing of support " +
         IntText(room.first.support) + " meets that of support " + IntText(room.first.other) +
         "; combined footing required";
}

}  // namespace footmark::revise
