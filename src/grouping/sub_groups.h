// Sub-groups of a column group: runs of consecutive members with one bar set,
// and the order in which runs would be merged into the next heavier run if
// fewer column types were wanted (cheapest extra steel first).
#pragma once

#include "model/model.h"

namespace footmark {

// Per-run working lists hold indices 0..30: at most 30 runs in one group.
using RunCounts = Table<int16, kMaxRuns>;

// For every column group: RunBarSet, MergeLimits(g, 1) = runs - 1 and
// RunMergeOrder. A 31st run in one group is a range error.
void FindSteelRuns(Model& model);

// runBarSet(0) and runCount(0) hold the number of runs R, elements 1..R each
// run's bar set and member count. Writes the labels of the merged runs, step by
// step, to mergeOrder(1..), their number to mergeOrder(0). A bar set number
// above 84 is a range error.
void MergeRuns(const Model& model, Table<int16, kMaxGroupMembers>& runBarSet, RunCounts& runCount,
               Table<int16, kMaxGroupMembers>& mergeOrder);

// Numbers the sub-groups of group CurColGroup after applying the first
// mergeCount merges of its RunMergeOrder. CurColGroup outside 0..10 or a merge
// label above 30 is a range error.
void NumberSubGroups(Model& model, int16 mergeCount);

}  // namespace footmark
