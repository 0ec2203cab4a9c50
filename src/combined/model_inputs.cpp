#include "combined/model_inputs.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "checks/clearance.h"
#include "model/column_offsets.h"
#include "model/numerics.h"

namespace footmark::combined {

namespace {

// The reaction at its joint; the design takes the moments down to the underside.
Action AtJoint(const loads::Reaction& r) { return {r.fy, r.mx, r.mz, r.fx, r.fz}; }

Combination Combined(const loads::Combination& c) { return {c.name, c.deadFactor, c.lateral, 0, {}}; }

std::vector<loads::Term> Sum(std::vector<loads::Term> a, const std::vector<loads::Term>& b, double factor) {
  for (const loads::Term& t : b) a.push_back({t.index, factor * t.factor});
  return a;
}

struct Built {
  Combination combination;
  const std::vector<loads::Term>* terms = nullptr;  // the basis's own, or one summed here
};

}  // namespace

std::vector<PlanSupport> PlanOf(const Model& model) {
  std::vector<PlanSupport> plan;
  for (const checks::FootingPlace& p : checks::IsolatedPlaces(model)) {
    const FootingRecord& f = model.Footings[p.support];
    plan.push_back({p, RoundToMillimetre(f.PosX), RoundToMillimetre(f.PosY)});
  }
  return plan;
}

Settings SettingsOf(const Model& model, const checks::CheckSettings& s) {
  Settings out;
  out.fck = model.Fck, out.fy = model.Fe;
  out.sbc = model.SBC;
  out.netSbc = s.sbcBasis == checks::SbcBasis::Net;
  out.lateralIncrease = s.seismicIncrease / 100;
  out.foundingDepth = s.foundingDepth;
  out.soilWeight = s.soilWeight, out.concreteWeight = s.concreteWeight;
  out.bandRule = s.bandRule;
  out.combiningGap = s.combiningGap / 1000;
  out.clearanceGap = s.clearanceGap / 1000;
  out.maxColumns = static_cast<int>(std::lround(s.combinedColumns));
  out.friction = s.friction;
  return out;
}

std::vector<double> GroupPedestals(const Model& model) {
  std::vector<double> pedestals(static_cast<std::size_t>(std::max(0, static_cast<int>(model.NumSupports))) + 1);
  for (int s = 1; s <= model.NumSupports; ++s) {
    const FootingRecord& f = model.Footings[s];
    if (f.FootGroupNo < 1 || f.FootGroupNo > model.FootGroupCount) continue;
    const FootGroup& g = model.FootGroups[f.FootGroupNo];
    // A pedestal the group was given stands on the combined footing too.
    if (g.Designed && g.Pedestal * 1000 > std::max(f.ColDepth, f.ColWidth))
      pedestals[static_cast<std::size_t>(s)] = std::round(g.Pedestal * 1000.0);
  }
  return pedestals;
}

CombinedInput InputsOf(const Model& model, const checks::CheckBasis& basis, const SetLine& line,
                       const std::vector<double>& pedestals) {
  CombinedInput in;
  in.axis = line.axis;
  const loads::CombinationSets& sets = basis.combinations;
  for (const int s : line.supports) {
    const FootingRecord& f = model.Footings[s];
    ColumnInput c;
    c.support = s;
    c.joint = std::atoi(f.JointNo.c_str());
    c.x = RoundToMillimetre(f.PosX + ColumnShift(f.ColDepth, f.OffsetX));
    c.z = RoundToMillimetre(f.PosY + ColumnShift(f.ColWidth, f.OffsetY));
    c.gridX = RoundToMillimetre(f.PosX), c.gridZ = RoundToMillimetre(f.PosY);
    c.columnX = f.ColDepth, c.columnZ = f.ColWidth;
    if (static_cast<std::size_t>(s) < pedestals.size()) c.pedestalX = c.pedestalZ = pedestals[static_cast<std::size_t>(s)];
    in.columns.push_back(c);
  }
  // Unset, the actions stay at the joints: the design takes them down by its own depth.
  in.leverIsDepth = !basis.settings.jointHeight;
  in.jointHeight = basis.settings.jointHeight.value_or(0);

  std::vector<Built> service, factored, stability;
  std::deque<std::vector<loads::Term>> summed;  // stays put as it grows: the lists point into it
  service.reserve(sets.service.size() + 1), factored.reserve(sets.factored.size() + 1);
  stability.reserve(sets.uplift.size() + 2 * sets.laterals.size());
  for (const loads::Combination& c : sets.service) service.push_back({Combined(c), &c.terms});
  for (const loads::Combination& c : sets.factored) factored.push_back({Combined(c), &c.terms});
  for (const loads::Combination& c : sets.uplift) stability.push_back({Combined(c), &c.terms});
  if (sets.fallback) {
    // The method's convention: the first printed case is the sustained one.
    in.loadWarning = "the load cases could not all be classified: every printed case is taken alike";
  } else {
    // The footing is centred on DL + LL and its length chosen under 1.5(DL + LL).
    const std::vector<loads::Term>& gravity = summed.emplace_back(Sum(sets.dead, sets.live, 1));
    const auto find = [](const std::vector<Built>& list, const std::string& name) {
      return static_cast<std::size_t>(
          std::find_if(list.begin(), list.end(), [&](const Built& b) { return b.combination.name == name; }) -
          list.begin());
    };
    const bool live = !sets.live.empty();
    in.resultantCase = find(service, live ? "DL + LL" : "DL");
    if (in.resultantCase == service.size()) service.push_back({{"DL + LL", 1, false, 0, {}}, &gravity});
    in.lengthCase = find(factored, live ? "1.5(DL + LL)" : "1.5DL");
    if (in.lengthCase == factored.size())
      factored.push_back({{"1.5(DL + LL)", 1.5, false, 0, {}}, &summed.emplace_back(Sum({}, gravity, 1.5))});
    // Sliding under the dead load and each lateral action, 1.4 on the
    // horizontal force against 0.9 of the weight (IS 456 20.2).
    for (const loads::LateralCase& x : sets.laterals)
      for (const double sign : {1.0, -1.0})
        stability.push_back({{"0.9DL " + std::string(sign > 0 ? "+ " : "- ") + x.label, 0.9, true, 1.4, {}},
                             &summed.emplace_back(Sum(sets.dead, {{x.index, 1}}, sign))});
  }
  const auto fill = [&](std::vector<Built>& list, std::vector<Combination>& out) {
    out.reserve(list.size());
    for (Built& b : list) {
      b.combination.actions.reserve(line.supports.size());
      for (const int s : line.supports) b.combination.actions.push_back(AtJoint(loads::Evaluate(*basis.file, s, *b.terms)));
      out.push_back(std::move(b.combination));
    }
  };
  fill(service, in.service);
  fill(factored, in.factored);
  fill(stability, in.stability);
  return in;
}

}  // namespace footmark::combined
