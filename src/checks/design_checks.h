// The independent check of a detailed design: every footing design group
// judged against IS 456:2000 with the checks' own formulas and tables, its
// calculation-sheet values and its quantities. The one entry point the
// front ends call after RunDetailedDesign; it changes nothing in the model.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bbs/bar_schedule.h"
#include "checks/check_result.h"
#include "checks/check_settings.h"
#include "checks/clearance.h"
#include "checks/load_demands.h"
#include "combined/combined_footing.h"
#include "loads/combinations.h"
#include "model/model.h"

namespace footmark::checks {

// Concrete to the litre and steel to 0.01 kg as printed: the total of a
// mark is its count times the rounded footing, and the totals the sums of
// the marks, so that the rows add up to the totals as printed.
struct MarkQuantities {
  int count = 0;                               // footings of the mark (supports of the group)
  double concreteEach = 0, concreteTotal = 0;  // m3, footing and pedestal
  // kg: the bar marks of the bar bending schedule that the mark's footings
  // hold (bottom mesh both ways, column starter bars); steelEach is a
  // footing's share.
  double steelEach = 0, steelTotal = 0;
  double meshSteel = 0, starterSteel = 0;  // kg, of steelTotal
  std::string note;                        // why there are none (a group not designed)
};

struct GroupCheck {
  std::string mark;           // "F1", as the schedule marks the group
  std::vector<int> supports;  // support numbers
  int loadCase = 0;           // the file's load-case number giving the design's pressure q
  int designSupport = 0;      // the support giving it
  // Verdicts, checks (each with its support and combination), governing
  // checks on both bases, sheet values, bar detail.
  FootingCheck check;
  MarkQuantities quantities;

  // The governing check on the code-strict basis; null when none ran.
  const Check* Governing() const;
};

struct DesignChecks {
  std::vector<GroupCheck> groups;
  int ok = 0, fails = 0, notDesigned = 0;  // groups by the code-strict verdict
  int methodOk = 0, methodFails = 0;       // by the design step's own
  CheckSettings settings;                  // in force
  // The load basis: every case of the file with its class and use, the
  // combinations judged under, and what was left out or taken otherwise.
  std::vector<loads::LoadCase> loadCases;
  loads::CombinationSets combinations;
  bool loadFallback = false;  // every printed case alike, as the design does
  std::vector<std::string> loadWarnings;
  // Totals over the designed groups (a group not designed adds nothing).
  int footings = 0;
  int allFootings = 0;                             // designed or not: every support of a group
  double concrete = 0;                             // m3
  double steel = 0;                                // kg: the bar bending schedule's total
  std::vector<std::pair<int, double>> steelByDia;  // bar diameter (mm), kg; ascending
  // The bar bending schedule of the design as it stands.
  bbs::BarSchedule bars;
  std::vector<std::string> assumptions;            // MethodAssumptions(model)
  // Footings that overlap or stand closer than the warning gap, as placed.
  std::vector<Clash> clashes;
  // Combined footings where isolated ones clashed (a revision's), CF1 first;
  // the counts and totals above include them (AddCombined).
  std::vector<combined::CombinedFooting> combined;
};

// Puts the combined footings into the checked design: their verdicts count
// as the groups' do, their concrete joins the totals, and their bars the
// bar bending schedule, whose masses become their steel.
void AddCombined(DesignChecks& checks, std::vector<combined::CombinedFooting> footings);

// Checks every group of model.FootGroups (1 .. FootGroupCount) on the load
// cases of model.Loads (the design's own reactions, every case alike, when
// they were not read) and the footings as placed.
DesignChecks CheckDesign(const Model& model, const CheckSettings& settings = {});

// "designed footings only (23 of 27)": what the totals count.
std::string DesignedFootingsText(const DesignChecks& checks);

// The load demands of groups summed on one basis, by their columns and
// shape: a revision judges a group again and again at one shape.
class CheckMemo;

// What the checks of every group of one design share: the load cases, the
// combinations formed from them and the settings. A revision that checks
// one group after each of its steps forms them once.
struct CheckBasis {
  std::shared_ptr<const loads::LoadFile> file;
  loads::CombinationSets combinations;
  CheckSettings settings;
  // The combinations' reactions, kept from one check of a group to the next.
  std::shared_ptr<const ReactionTable> reactions = std::make_shared<const ReactionTable>();
  // For this file, these combinations and these settings; null: none kept.
  // Like the reactions, not to be filled from two threads at once.
  std::shared_ptr<CheckMemo> memo;
};
// `keep`: with a memo, for a revision that judges groups again.
CheckBasis MakeCheckBasis(const Model& model, const CheckSettings& settings, bool keep = false);

// CheckDesign on a basis made before, as a revision shares one from the
// method's checks to the last; `words` as CheckGroup's.
DesignChecks CheckDesign(const Model& model, const CheckBasis& basis, bool words = true);

// The check of group g (from 1) among the footings as placed; `clashes`
// need only be those that touch the group's supports (ClashesOf).
// `words`: the notes, the working and the sheet values too; without them
// the ratios, verdicts and reason are the same.
GroupCheck CheckGroup(const Model& model, int g, const CheckBasis& basis, const std::vector<FootingPlace>& places,
                      const std::vector<Clash>& clashes, bool words = true);

// C15a, the column bearing on its pedestal, of group g were its pedestal's
// side `pedestal` (m), without its words: the only check a wider pedestal
// leaves to the column alone. None when no factored combination presses.
std::optional<Check> ColumnOnPedestal(const Model& model, int g, const CheckBasis& basis, float pedestal);

// The method's assumptions and limits, and the checks' own, in plain words,
// for a report's or a workbook's project page.
std::vector<std::string> MethodAssumptions(const Model& model);

}  // namespace footmark::checks
