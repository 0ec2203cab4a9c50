#include "revise/group_revision.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <variant>

#include "checks/clearance.h"
#include "model/numerics.h"
#include "revise/clash_rule.h"
#include "revise/steps.h"

namespace footmark::revise {

namespace {

using checks::Check;
using checks::Status;
using checks::Verdict;

// Beyond this ratio a run of steps is bracketed rather than taken one rung
// at a time.
constexpr double kNearPassing = 1.1;

// The group's check among the footings as they now stand, with the clashes
// that touch it.
struct Judged {
  checks::GroupCheck group;
  std::vector<checks::Clash> clashes;
  Verdict verdict() const { return group.check.verdict; }
  double Utilisation(const std::string& id) const {
    const Check* c = group.check.Find(id);
    return c ? c->utilisation : 0;
  }
};

std::string Named(const Check& c) { return c.id + " " + c.name; }
std::string Ratio(double u) { return DecimalText(u, 3); }

// The step the failing checks call for first, and the check that forces it
// (the highest ratio among those it serves); a failing check no step serves
// comes back alone, without a step.
struct Need {
  std::optional<Step> step;
  const Check* check = nullptr;
};

Need FirstNeed(const checks::FootingCheck& fc) {
  Need need;
  for (const Check& c : fc.checks) {
    if (c.status != Status::Fail) continue;
    const std::optional<Step> s = StepFor(c.id);
    if (!s) return {std::nullopt, &c};
    if (!need.step || *s < *need.step || (*s == *need.step && c.utilisation > need.check->utilisation))
      need = {s, &c};
  }
  return need;
}

// The worst ratio among the failing checks a step serves.
double Worst(const checks::FootingCheck& fc, Step step) {
  double u = 0;
  for (const Check& c : fc.checks)
    if (c.status == Status::Fail && StepFor(c.id) == step) u = std::max(u, c.utilisation);
  return u;
}

// Distinct pedestal sides once group g has `pedestal`.
int PedestalTypes(const Model& model, int g, float pedestal) {
  std::vector<float> sides{pedestal};
  for (int k = 1; k <= model.FootGroupCount; ++k) {
    const float p = k == g ? pedestal : model.FootGroups(k).Pedestal;
    if (std::find(sides.begin(), sides.end(), p) == sides.end()) sides.push_back(p);
  }
  return static_cast<int>(sides.size());
}

// Why a group cannot be revised, and the footing it would meet.
struct NoFix {
  std::string reason;
  std::optional<RevisionClash> clash = std::nullopt;
};

// The revision of one group: its design steps up one ladder after another,
// the group judged among the others, which stand still meanwhile.
class Reviser {
 public:
  Reviser(Model& model, int g, const checks::CheckBasis& basis, const RevisionLimits& limits)
      : model_(model), g_(g), basis_(basis), limits_(limits), supports_(SupportsOf(model.FootGroups(g))) {}

  std::optional<GroupRevision> Run(const KnownCheck& known) {
    now_ = known.group ? Judged{*known.group, *known.clashes} : JudgeNow();
    if (now_.verdict() == Verdict::Ok) return std::nullopt;
    r_.group = g_;
    r_.before = r_.start = design_ = model_.FootGroups(g_);
    Governing(r_.governingBefore, r_.ratioBefore);
    if (auto no = Start()) return Cannot(*std::move(no));
    r_.bars = {BarsOf(design_)};
    while (now_.verdict() != Verdict::Ok)
      if (auto no = Climb()) return Cannot(*std::move(no));
    TakeBackNeedless();
    ApplyDesign(model_, g_, design_);
    r_.after = design_;
    Governing(r_.governingAfter, r_.ratioAfter);
    return std::move(r_);
  }

 private:
  // The footings as placed and the clashes that touch the group, kept while
  // its side stays.
  const std::vector<checks::FootingPlace>& Places() {
    const float side = model_.FootGroups(g_).Size;
    if (side != planSide_) {
      planSide_ = side;
      places_ = checks::FootingPlaces(model_);
      clashes_ = checks::ClashesOf(places_, supports_, basis_.settings.clearanceGap / 1000);
    }
    return places_;
  }

  Judged JudgeNow() {
    Places();
    // The ratios and the reason are all a step reads.
    return {checks::CheckGroup(model_, g_, basis_, places_, clashes_, false), clashes_};
  }

  // Puts `design` on the group, its pressure anew for a new side.
  void Put(const FootGroup& design) {
    ApplyDesign(model_, g_, design.Size != design_.Size ? AtSide(model_, design) : design);
  }

  Judged JudgeAt(const FootGroup& design) {
    Put(design);
    return JudgeNow();
  }

  void Governing(std::string& id, double& ratio) const {
    const Check* c = now_.group.Governing();
    id = c ? c->id : "";
    ratio = c ? now_.group.check.governingUtilisation : 0;
  }

  GroupRevision Cannot(NoFix no) {
    ApplyDesign(model_, g_, r_.before);
    r_.outcome = Outcome::CannotBeRevised;
    r_.reason = std::move(no.reason);
    r_.clash = no.clash;
    r_.changes.clear();
    r_.bars.clear();
    r_.start = r_.after = r_.before;
    r_.governingAfter = r_.governingBefore;
    r_.ratioAfter = r_.ratioBefore;
    return std::move(r_);
  }

  // What comes before any step: footings that overlap already, a design for
  // a group the method left undesigned, and a column that even the largest
  // pedestal cannot carry.
  std::optional<NoFix> Start() {
    if (const auto block = BlockingClash(now_.clashes, supports_, false)) return NoFix{block->reason, block->clash};
    if (now_.verdict() == Verdict::NotDesigned) {
      // Inputs that are no design at all are not the revision's to mend.
      if (r_.before.Designed) return NoFix{now_.group.check.reason};
      std::string why;
      if (!DesignDirectly(model_, g_, why)) return NoFix{why};
      r_.start = design_ = model_.FootGroups(g_);
      ApplyDesign(model_, g_, design_);
      now_ = JudgeNow();
      if (now_.verdict() == Verdict::NotDesigned) return NoFix{now_.group.check.reason};
      r_.outcome = Outcome::Designed;
      r_.changes.push_back({Step::Design, "not designed", StepValue(design_, Step::Design), 1,
                            Named(now_.group.check.checks.front()), 0, 0});
      if (const auto block = BlockingClash(now_.clashes, supports_, true)) return NoFix{block->reason, block->clash};
    }
    return ColumnBearing();
  }

  // The column's bearing on the pedestal (C15a) is the pedestal side's
  // alone, and the pedestal comes last: one that fails even on the largest
  // pedestal is told before any other step.
  std::optional<NoFix> ColumnBearing() {
    const Check* c = now_.group.check.Find("C15a");
    if (!c || c->status != Status::Fail) return std::nullopt;
    std::string why;
    const std::vector<FootGroup> rungs = Ladder(design_, Step::Pedestal, limits_, limits_.largestSide, why, true);
    if (rungs.empty()) return std::nullopt;
    const FootGroup& widest = rungs.back();
    const std::optional<Check> still = checks::ColumnOnPedestal(model_, g_, basis_, widest.Pedestal);
    if (!still || still->status != Status::Fail) return std::nullopt;
    return NoFix{Named(*c) + " still fails (u " + Ratio(c->utilisation) + ", and " + Ratio(still->utilisation) +
                 " on a pedestal of " + DecimalText(widest.Pedestal, 3) + " m): the next step goes " + why +
                 "; the column needs dowels for the excess (IS 456 34.4)"};
  }

  // One run of steps of the kind the failing checks call for first, up its
  // ladder until another kind is needed first, or none.
  std::optional<NoFix> Climb() {
    const Need need = FirstNeed(now_.group.check);
    if (!need.check) return NoFix{now_.group.check.reason};
    const Check& forcing = *need.check;
    if (!need.step)
      return NoFix{Named(forcing) + " fails (u " + Ratio(forcing.utilisation) + ") and no revision step serves it"};
    const Step step = *need.step;
    const Room room = step == Step::Side ? RoomToGrow(Places(), supports_) : Room{1e9, {}};
    std::string why;
    const std::vector<FootGroup> rungs = Ladder(design_, step, limits_, room.side, why);
    const auto noRoom = [&](const std::string& id) { return NoFix{NoRoomReason(room, id), room.first}; };

    std::map<std::size_t, Judged> judged;
    const auto movesOn = [&](std::size_t i) {
      auto it = judged.find(i);
      if (it == judged.end()) it = judged.emplace(i, JudgeAt(rungs[i])).first;
      return FirstNeed(it->second.group.check).step != step;
    };
    std::optional<std::size_t> found;
    if (rungs.empty()) {
      // The ladder ends where the design stands.
    } else if (forcing.utilisation <= kNearPassing) {
      // One rung at a time, each lowering what forced it.
      double u = forcing.utilisation;
      for (std::size_t i = 0; i < rungs.size() && !found; ++i) {
        if (movesOn(i)) found = i;
        const double next = judged[i].Utilisation(forcing.id);
        if (!found && !(next < u - 1e-9))
          return NoFix{Named(forcing) + " still fails (u " + Ratio(u) + "): a further step of its kind (" +
                       StepText(step) + ") does not lower it"};
        u = next;
      }
    } else {
      // Far from passing: the last rung the limits and the neighbouring
      // footings allow first (a hopeless run is told at once), then the run
      // bracketed between a rung that fails and one that passes.
      const std::size_t top = rungs.size() - 1;
      if (!movesOn(top)) {
        const Check& still = *FirstNeed(judged[top].group.check).check;
        if (why.empty()) return noRoom(still.id);
        return NoFix{Named(still) + " still fails (u " + Ratio(still.utilisation) +
                     " at the last step): the next step goes " + why};
      }
      found = Bracket(rungs.size(), forcing.utilisation, step, movesOn, judged);
    }
    if (!found) {
      ApplyDesign(model_, g_, design_);
      if (why.empty()) return noRoom(forcing.id);
      return NoFix{Named(forcing) + " still fails (u " + Ratio(forcing.utilisation) + "): the next step goes " + why};
    }
    return Take(step, forcing, rungs, *found, std::move(judged[*found]));
  }

  // The first rung that passes between rung 0 and the top (which passes):
  // the secant through the last two rungs that fail guesses where the worst
  // ratio of the step's checks reaches 1 (falling ever slower, the guess
  // stays short of it), halving finds it.
  template <class MovesOn>
  static std::size_t Bracket(std::size_t n, double u0, Step step, const MovesOn& movesOn,
                             std::map<std::size_t, Judged>& judged) {
    std::size_t low = 0, high = n - 1;  // the rungs below low fail, high passes
    const auto narrow = [&](std::size_t i) {
      if (movesOn(i))
        high = i;
      else
        low = i + 1;
    };
    double atA = 0, uA = u0;  // steps taken and the ratio there
    for (std::size_t next = 0; next >= low && next < high;) {
      narrow(next);
      if (high == next) break;
      const double atB = static_cast<double>(next) + 1, uB = Worst(judged[next].group.check, step);
      const double fall = (uA - uB) / (atB - atA);
      if (!(fall > 0) || !std::isfinite(uA) || !std::isfinite(uB)) break;
      next = static_cast<std::size_t>(std::max(atB, std::ceil(atB + (uB - 1) / fall) - 1));
      atA = atB, uA = uB;
    }
    while (low < high) narrow((low + high) / 2);
    return high;
  }

  // The run's last rung becomes the design, on record.
  std::optional<NoFix> Take(Step step, const Check& forcing, const std::vector<FootGroup>& rungs, std::size_t i,
                            Judged at) {
    const FootGroup& reached = rungs[i];
    if (step == Step::Pedestal && PedestalTypes(model_, g_, reached.Pedestal) > kMaxPedSizes)
      return NoFix{Named(forcing) + " still fails (u " + Ratio(forcing.utilisation) + "): a pedestal of " +
                   DecimalText(reached.Pedestal, 3) + " m would be one type more than the " + IntText(kMaxPedSizes) +
                   " the schedule holds"};
    Put(reached);
    if (step == Step::Side)
      if (const auto block = BlockingClash(at.clashes, supports_, true))
        return NoFix{block->reason + ", at a side of " + DecimalText(reached.Size, 3) + " m", block->clash};
    std::string after = StepValue(reached, step);
    if (step == Step::BendUp) after += " (bend-up leg " + DecimalText(at.group.check.bendLeg, 0) + " mm)";
    Record(step, StepValue(design_, step), after, static_cast<int>(i) + 1, Named(forcing), forcing.utilisation,
           at.Utilisation(forcing.id));
    if (step == Step::Bars)
      for (std::size_t k = 0; k <= i; ++k) r_.bars.push_back(BarsOf(rungs[k]));
    design_ = model_.FootGroups(g_);
    now_ = std::move(at);
    return std::nullopt;
  }

  // Adds steps to the record: to the last run when it is of the same kind
  // and forced by the same check.
  void Record(Step step, const std::string& before, const std::string& after, int steps, const std::string& check,
              double ratioBefore, double ratioAfter) {
    if (!r_.changes.empty()) {
      Change& last = r_.changes.back();
      if (last.step == step && last.check == check && last.steps > 0) {
        last.steps += steps;
        last.after = after;
        last.ratioAfter = ratioAfter;
        return;
      }
    }
    r_.changes.push_back({step, before, after, steps, check, ratioBefore, ratioAfter});
  }

  // Smallest: a step the later ones made needless is taken back.
  void TakeBackNeedless() {
    for (bool again = true; again;) {
      again = false;
      for (const auto& [step, back] : StepsBack(r_.start, design_, r_.bars)) {
        Judged trial = JudgeAt(back);
        if (trial.verdict() != Verdict::Ok) continue;
        r_.changes.push_back({step, StepValue(design_, step), StepValue(back, step), -1, "", 0, 0});
        design_ = model_.FootGroups(g_);
        now_ = std::move(trial);
        if (step == Step::Bars) r_.bars.pop_back();
        again = true;
        break;
      }
    }
  }

  Model& model_;
  const int g_;
  const checks::CheckBasis& basis_;
  const RevisionLimits& limits_;
  const std::vector<int> supports_;
  float planSide_ = -1;
  std::vector<checks::FootingPlace> places_;
  std::vector<checks::Clash> clashes_;
  GroupRevision r_;
  FootGroup design_;  // the design the steps have reached
  Judged now_;        // its check
};

}  // namespace

std::optional<GroupRevision> ReviseGroup(Model& model, int g, const checks::CheckBasis& basis,
                                         const RevisionLimits& limits, const KnownCheck& known) {
  return Reviser(model, g, basis, limits).Run(known);
}

}  // namespace footmark::revise
