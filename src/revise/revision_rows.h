// The record of a revision as cells, the one source of what the text
// output, the report and the workbook show of it.
#pragma once

#include <string>
#include <vector>

#include "checks/design_checks.h"
#include "revise/revision.h"

namespace footmark::revise {

// "F3", or "F3 + F4" for groups merged.
std::string MethodMarks(const std::vector<int>& methodGroups);

// One run of steps of a group, or one line for a group that cannot be
// revised (its reason in `check`, no step).
struct ChangeRow {
  std::string mark;     // the group now
  std::string outcome;  // "revised", "designed", "cannot be revised"
  std::string step;     // "side", ... ; empty for a group that cannot be revised
  std::string before, after;
  std::string steps;  // "2", "taken back"
  std::string check;  // the check that forced it, or the reason it cannot
  double ratioBefore = 0, ratioAfter = 0;
  bool rated = false;  // the ratios apply
};
std::vector<ChangeRow> ChangeRows(const DesignRevision& record);

// A design in the schedule's terms: side, pedestal and depth in m, bars.
struct DesignCells {
  std::string side, pedestal, depth, bars;
};
DesignCells CellsOf(const FootGroup& group);  // all "-" for a group not designed

// Each footing group now against the method's group it grew from.
struct ComparisonRow {
  std::string mark;         // "F2"
  std::string methodMarks;  // "F3 + F4"
  DesignCells method, now;
  std::string state;  // "as designed", "merged", "revised", "designed", "cannot be revised" (ChangeRows says why)
  double concreteMethod = 0, concrete = 0;  // m3, every footing of the group
  double steelMethod = 0, steel = 0;        // kg
};
std::vector<ComparisonRow> ComparisonRows(const Model& model, const checks::DesignChecks& now,
                                          const DesignRevision& record);

// One merge: "F3" into "F4", its supports, the concrete it adds.
struct MergeRow {
  std::string kept, absorbed, supports;
  double concrete = 0;
  std::string meets;  // "support 3 meets support 2's footing": the clash a last resort made
};
std::vector<MergeRow> MergeRows(const DesignRevision& record);

// "9 groups revised, 2 designed, 2 cannot be revised"; "15 footing groups
// merged to 5, concrete +3.42 m3".
std::string RevisionSummary(const DesignRevision& record);
std::string MergingSummary(const Merging& merging);
// "concrete 45.21 m3 against the method's 43.1 m3 (+2.11 m3, merging +0.5
// m3); steel 2345.2 kg against 2200.1 kg (+145.1 kg)".
std::string QuantitiesAdded(const DesignRevision& record);

}  // namespace footmark::revise
