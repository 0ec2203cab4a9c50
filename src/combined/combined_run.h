// Every combined footing of a plan. The sets come from the clashes between
// the isolated footings; a designed rectangle that still runs into a
// footing or into another rectangle takes it in, and the grown set is
// designed again, until nothing clashes or a set can no longer be one
// rectangle on a grid line.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "combined/combined_footing.h"
#include "combined/footing_sets.h"

namespace footmark::combined {

// The design input of a set on its line: its columns and their reactions.
using InputsFor = std::function<CombinedInput(const SetLine& line)>;

// Designs already made, with what each was made from: a set whose columns,
// loads and settings are as before, and whose length search meets the
// footings round it as before, keeps its footing without designing it
// again (its clearance taken anew), as when a round of combining changes
// nothing near it.
struct DesignMemo {
  std::map<std::vector<int>, std::vector<SizedFooting>> bySet;  // by the set's supports, ascending
  std::map<std::vector<int>, std::size_t> last;  // the one each set had in the latest call, into bySet
  std::vector<std::vector<int>> returned;        // the sets of the latest call's footings, in order
  // Rounds that read only sizes: the footings come back sized, their
  // checks, bars and diagrams left to FinishDesigns.
  bool sizesOnly = false;
};

// One entry per set, ordered by lowest support: designed footings marked
// CF1, CF2, ... in that order; sets that are not designed carry their
// recommendation as the reason (verdict not designed, C0 failing).
// `forced`: pairs that combine whatever their footings' gap, as when an
// isolated footing can pass its checks only by growing into its neighbour.
// `memo`, when given, keeps every design made and serves those asked again.
std::vector<CombinedFooting> DesignCombinedFootings(const std::vector<PlanSupport>& plan, const Settings& settings,
                                                    const InputsFor& inputsFor,
                                                    const std::vector<checks::Clash>& forced = {},
                                                    DesignMemo* memo = nullptr);

// The whole design of the footings that DesignCombinedFootings returned
// sized with `memo`, among the footings of the plan it was given.
void FinishDesigns(std::vector<CombinedFooting>& footings, const std::vector<PlanSupport>& plan,
                   const DesignMemo& memo);

}  // namespace footmark::combined
