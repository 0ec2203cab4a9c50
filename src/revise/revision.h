// Revision of a checked design: every footing group that fails a check or
// was not designed is changed by the smallest steps that make every check
// pass, and fewer footing types on request; every step is on record. The
// steps change the model's groups; the method's originals stay in the record.
//
// The steps, in their fixed order, each taken when a check it serves fails:
//   side      +0.1 m    bearing, full contact, stability (C1, C1b, C18)
//   depth     +25 mm    limiting moment, one-way and punching shear, edge
//                       depth, bar size against depth (C3, C6, C7, C8, C12)
//   bars      one bar more of the same diameter while the spacing allows,
//             then the next diameter: flexure, minimum steel, spacing
//             (C4, C5, C10, C11)
//   bend-up   the leg the bars need goes up into the depth; 25 mm deeper
//             until it fits (C14)
//   pedestal  +50 mm    load transfer (C15a, C15c)
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "checks/check_settings.h"
#include "model/model.h"

namespace footmark::revise {

// Practical limits: past them a group "cannot be revised", with its reason.
struct RevisionLimits {
  double largestSide = 6;        // footing side, m: beyond it a raft or combined footing is the answer
  double largestDepth = 1.5;     // overall depth, m
  double largestPedestal = 1.5;  // pedestal side, m (and always smaller than the footing)
  int largestBar = 32;           // bar diameter, mm
  double leastSpacing = 125;     // bottom bars centre to centre, mm: the office's rule, so at most
                                 // (B - 120)/s + 1 bars each way
  bool operator==(const RevisionLimits&) const = default;
};

// Every limit with the value in force, in a fixed order (keys as the options).
std::vector<checks::SettingRow> LimitsInForce(const RevisionLimits& limits);
// Sets a limit by its key from text as typed; ProgramEnd names the option.
void SetLimit(RevisionLimits& limits, std::string_view key, std::string_view value);
bool IsLimitKey(std::string_view key);

// What a run asks of the revision; nothing asked leaves the method's design.
struct RevisionRequest {
  bool revise = false;  // revise failing and undesigned groups
  int maxTypes = 0;     // at most this many footing groups; 0: as designed
  RevisionLimits limits = {};
  bool Any() const { return revise || maxTypes > 0; }
};

// The steps in their fixed order; Design is the design of a group the
// method left undesigned, before any step.
enum class Step { Design, Side, Depth, Bars, BendUp, Pedestal };
const char* StepText(Step step);  // "design", "side", "depth", "bars", "bend-up", "pedestal"

// A run of steps of one kind forced by one check.
struct Change {
  Step step = Step::Side;
  std::string before, after;  // "1.6 m", "9 bars of 12 mm"
  int steps = 0;              // how many; -1: one taken back, no longer needed
  std::string check;          // the check that forced it, "C1 soil bearing pressure (service loads)"
  double ratioBefore = 0, ratioAfter = 0;  // its utilisation before the first step and after the last
};

// Combined: supports left the group for combined footings, and what
// remains passes as it is (or nothing remains).
enum class Outcome { Revised, Designed, CannotBeRevised, Combined };
// "revised", "designed", "cannot be revised", "combined"
const char* OutcomeText(Outcome outcome);

// Two footings that meet: one of the group's and another.
struct RevisionClash {
  int support = 0, other = 0;
  double overlap = 0;  // m, the overlap along the lesser axis; 0 for one that only would
};

// A bar arrangement on the ladder of the bars step.
struct BarRung {
  int dia = 0;  // mm
  int count = 0;
  bool operator==(const BarRung&) const = default;
};

struct GroupRevision {
  int group = 0;  // F<group>, as numbered at the end
  Outcome outcome = Outcome::Revised;
  std::string reason;           // cannot be revised: why, in words
  std::vector<Change> changes;  // in the order taken
  FootGroup before, after;      // as it came to the revision, and as it leaves
  // The design the steps start from: `before`, or the group designed
  // without the reference volume.
  FootGroup start;
  std::vector<BarRung> bars;  // the bars step's rungs climbed, from start's
  std::string governingBefore, governingAfter;  // check ids
  double ratioBefore = 0, ratioAfter = 0;
  std::optional<RevisionClash> clash;
  // Supports that left the group for combined footings: "supports 9, 14 to CF1".
  std::string combined;
};

// One merge of two footing groups into one.
struct Merge {
  // The method's group numbers in the two, as merged so far: the kept
  // group's design serves the absorbed one's supports.
  std::vector<int> kept, absorbed;
  std::vector<int> supports;   // the absorbed group's supports
  double concrete = 0;         // m3 added by the merge
  // Only when no other merge was left: the footings it grew into another's
  // (a combined footing required).
  std::optional<RevisionClash> meets = std::nullopt;
};

struct Merging {
  int maxTypes = 0;
  int before = 0, after = 0;  // groups
  std::vector<Merge> merges;
  double concrete = 0;  // m3 added by merging
  std::string note;     // why fewer could not be reached
};

// One footing group at the end, against the method's groups it came from.
struct GroupOrigin {
  std::vector<int> methodGroups;  // the method's group numbers, the kept one first
};

class KnownOutcomes;

struct DesignRevision {
  RevisionRequest request;
  std::vector<FootGroup> method;                    // the method's groups, F1 first
  std::vector<double> methodConcrete, methodSteel;  // each group's quantities, m3 and kg
  std::vector<GroupOrigin> origins;                 // per group now, F1 first
  // Per group now, F1 first: its checks passed as it stands (a merge or a
  // step clears it), so the revision need not judge it again.
  std::vector<bool> passing;
  std::optional<Merging> merging;
  std::vector<GroupRevision> groups;  // every group revised, designed or that cannot be
  // Totals of the method's design and of the design now (CloseRevision).
  double concreteMethod = 0, steelMethod = 0, concrete = 0, steel = 0;
  // The groups found "cannot be revised", kept from the revision to the
  // rounds of combining (group_revision.h).
  std::shared_ptr<KnownOutcomes> cannot;

  int Count(Outcome outcome) const;
  const GroupRevision* Find(int group) const;
};

}  // namespace footmark::revise
