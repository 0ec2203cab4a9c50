// The ladders the revision steps climb on one group's design: one rung a
// step, each within the practical limits.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/model.h"
#include "revise/revision.h"

namespace footmark::revise {

// The step that serves a failing check (revision.h); none for one that no
// step serves (C20: footings that overlap, C0: no design).
std::optional<Step> StepFor(std::string_view checkId);

// The group's bottom bars as its schedule cell gives them.
BarRung BarsOf(const FootGroup& group);

// The schedule cell "n   ( s mm )" of n bars across a footing of side B (m)
// with their centres 60 mm from the edges, as the design writes it.
std::string BarScheduleText(float B, int n);

// One rung up the ladder of `step` (Design has none); none past a limit,
// and `why` says which ("the largest side, 6 m (--largest-side)").
std::optional<FootGroup> StepUp(const FootGroup& design, Step step, const RevisionLimits& limits, std::string& why);

// The rungs of the ladder of `step` above `design`, lowest first, within
// the limits and a side no larger than `largestSide` (m); `why` says what
// ends it (empty when the side does). With anySide the pedestal may
// outgrow the footing (a side would follow it).
std::vector<FootGroup> Ladder(const FootGroup& design, Step step, const RevisionLimits& limits, double largestSide,
                              std::string& why, bool anySide = false);

// The designs one step back from `revised` towards `start` on each ladder
// it climbed: side, depth and pedestal one rung down, the bars to the rung
// before the last of `bars`.
std::vector<std::pair<Step, FootGroup>> StepsBack(const FootGroup& start, const FootGroup& revised,
                                                  const std::vector<BarRung>& bars);

// What a step changes, as the record shows it: "1.7 m", "9 bars of 12 mm".
std::string StepValue(const FootGroup& group, Step step);

}  // namespace footmark::revise
