#include "grouping/sub_groups.h"

#include "model/numerics.h"

namespace footmark {

namespace {

struct RunList {
  Table<int16, kMaxRuns> label{"run labels"};
  Table<float, kMaxRuns> bar{"run bar sets"};
  Table<int16, kMaxRuns> count{"run member counts"};
};

// Extra steel if the members of the lighter run took the heavier run's set.
float MergeCost(const Model& model, float lighterBar, float heavierBar, int16 members) {
  const float lighter = model.BarSets(ToInt16(lighterBar)).SetArea;
  const float heavier = model.BarSets(ToInt16(heavierBar)).SetArea;
  return Sng(Sng(static_cast<double>(heavier) - lighter) * static_cast<double>(members));
}

// Drops the run labelled p from entries 1..last; its members join the next run,
// which keeps its own bar set.
void RemoveRun(RunList& runs, int last, int16 p) {
  int j = 0;
  for (int k = 1; k <= last; ++k) {
    ++j;
    runs.label(j) = runs.label(k);
    runs.bar(j) = runs.bar(k);
    runs.count(j) = runs.count(k);
    if (runs.label(k) == p) {
      --j;
      runs.count(k + 1) = ToInt16(runs.count(k + 1) + runs.count(k));
    }
  }
}

}  // namespace

void FindSteelRuns(Model& model) {
  for (int g = 1; g <= model.ColGroupCount; ++g) {
    ColGroup& group = model.ColGroups(g);
    Table<float, kMaxRuns> runBar{"run bar sets"};
    RunCounts runCount{"run member counts"};
    int16 runs = 0;
    for (int m = 1; m <= group.MemberCount; ++m) {
      const int16 bar = group.Members(m).BarSetNo;
      if (runs == 0 || bar != runBar(runs)) {
        ++runs;
        runBar(runs) = bar;
        runCount(runs) = 0;
      }
      ++runCount(runs);
    }
    group.RunBarSet(0) = runs;
    for (int r = 1; r <= runs; ++r) group.RunBarSet(r) = ToInt16(runBar(r));
    runCount(0) = runs;
    model.MergeLimits(g, 1) = static_cast<int16>(runs - 1);
    MergeRuns(model, group.RunBarSet, runCount, group.RunMergeOrder);
  }
}

void MergeRuns(const Model& model, Table<int16, kMaxGroupMembers>& runBarSet, RunCounts& runCount,
               Table<int16, kMaxGroupMembers>& mergeOrder) {
  RunList runs;
  int n = runCount(0);
  for (int k = 1; k <= n; ++k) {
    runs.label(k) = static_cast<int16>(k);
    runs.bar(k) = runBarSet(k);
    runs.count(k) = runCount(k);
  }
  int16 steps = 0;
  int16 p = 0;  // kept from step to step: a step with no merge under 10000 repeats it
  do {
    --n;
    float best = 10000;
    for (int k = 1; k <= n; ++k) {
      const float cost = MergeCost(model, runs.bar(k), runs.bar(k + 1), runs.count(k));
      if (cost < best) {
        best = cost;
        p = runs.label(k);
      }
    }
    ++steps;
    mergeOrder(steps) = p;
    RemoveRun(runs, n + 1, p);
  } while (n > 1);
  mergeOrder(0) = steps;
}

void NumberSubGroups(Model& model, int16 mergeCount) {
  ColGroup& group = model.ColGroups(model.CurColGroup);
  Table<int16, kMaxRuns> w{"sub-group bar sets"};
  const int runs = group.RunBarSet(0);
  for (int k = 1; k <= runs; ++k) w(k) = group.RunBarSet(k);
  // Merged runs lose their own bar set, as do members without one.
  for (int i = 1; i <= mergeCount; ++i) w(group.RunMergeOrder(i)) = 0;
  int nSub = 0;
  for (int k = 1; k <= runs; ++k)
    if (w(k) > 0) w(++nSub) = w(k);
  // Each member takes the first surviving run whose bar set is not below its own.
  int start = 1;
  for (int i = 1; i <= nSub; ++i) {
    for (int m = start; m <= group.MemberCount; ++m) {
      ColumnEntry& member = group.Members(m);
      if (member.BarSetNo > w(i)) {
        start = m;
        break;
      }
      member.SubGroup = static_cast<int16>(i);
    }
  }
}

}  // namespace footmark
