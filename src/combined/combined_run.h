// Every combined footing of a plan. The sets come from the clashes between
// the isolated footings; a designed rectangle that still runs into a
// footing or into another rectangle takes it in, and the grown set is
// designed again, until nothing clashes or a set can no longer be one
// rectangle on a grid line.
#pragma once

#include <functional>
#include <vector>

#include "combined/combined_footing.h"
#include "combined/footing_sets.h"

namespace footmark::combined {

// The design input of a set on its line: its columns and their reactions.
using InputsFor = std::function<CombinedInput(const SetLine& line)>;

// One entry per set, ordered by lowest support: designed footings marked
// CF1, CF2, ... in that order; sets that are not designed carry their
// recommendation as the reason (verdict not designed, C0 failing).
// `forced`: pairs that combine whatever their footings' gap, as when an
// isolated footing can pass its checks only by growing into its neighbour.
std::vector<CombinedFooting> DesignCombinedFootings(const std::vector<PlanSupport>& plan, const Settings& settings,
                                                    const InputsFor& inputsFor,
                                                    const std::vector<checks::Clash>& forced = {});

}  // namespace footmark::combined
