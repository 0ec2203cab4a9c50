#include "combined/combined_run.h"

#include <algorithm>
#include <map>

#include "model/numerics.h"

namespace footmark::combined {

namespace {

CombinedFooting Refused(const SetLine& line) {
  CombinedFooting f;
  f.supports = line.supports;
  f.reason = line.recommendation;
  CheckRow c0;
  c0.check.id = "C0", c0.check.name = "input sanity, the set on one grid line";
  c0.check.demand = 1, c0.check.utilisation = 1, c0.check.status = checks::Status::Fail;
  c0.check.rated = false;
  c0.check.note = "not designed: " + line.recommendation;
  f.checks.push_back(c0);
  return f;
}

bool Designed(const CombinedFooting& f) { return f.L > 0; }

PlanRectangle Rectangle(const CombinedFooting& f) {
  return f.axis == Axis::X ? PlanRectangle{f.centreX, f.centreZ, f.L, f.B}
                           : PlanRectangle{f.centreX, f.centreZ, f.B, f.L};
}

std::vector<checks::FootingPlace> Outside(const std::vector<checks::FootingPlace>& places,
                                          const std::vector<int>& members) {
  std::vector<checks::FootingPlace> outside;
  for (const checks::FootingPlace& p : places)
    if (!std::binary_search(members.begin(), members.end(), p.support)) outside.push_back(p);
  return outside;
}

CombinedFooting DesignOnce(const std::vector<int>& members, CombinedInput input, const Settings& settings,
                           const std::vector<checks::FootingPlace>& outside, DesignMemo* memo) {
  if (!memo) return DesignCombinedFooting(input, settings, outside);
  std::vector<SizedFooting>& made = memo->bySet[members];
  std::size_t& last = memo->last[members];
  for (std::size_t k = 0; k < made.size(); ++k)
    if (made[k].Input() == input && made[k].SettingsUsed() == settings)
      if (std::optional<CombinedFooting> same = made[k].AmongOthers(outside)) {
        last = k;
        return memo->sizesOnly ? std::move(*same) : made[k].Finished(outside);
      }
  last = made.size();
  const SizedFooting& sized = made.emplace_back(std::move(input), settings, outside);
  return memo->sizesOnly ? sized.Sized() : sized.Finished(outside);
}

}  // namespace

std::vector<CombinedFooting> DesignCombinedFootings(const std::vector<PlanSupport>& plan, const Settings& settings,
                                                    const InputsFor& inputsFor,
                                                    const std::vector<checks::Clash>& forced, DesignMemo* memo) {
  std::vector<checks::FootingPlace> places;
  for (const PlanSupport& p : plan) places.push_back(p.footing);
  std::vector<checks::Clash> pairs;
  for (const checks::Clash& c : checks::FindClashes(places, std::max(settings.combiningGap, settings.clearanceGap)))
    if (Combines(c, settings.combiningGap)) pairs.push_back(c);
  for (const checks::Clash& c : forced) pairs.push_back(ForcedPair(c.supportA, c.supportB));
  std::map<std::vector<int>, CombinedFooting> designs;  // by members: a set that did not grow keeps its design
  // Each round joins at least two sets, so the rounds end.
  for (;;) {
    std::vector<CombinedFooting> refused;
    std::vector<std::pair<std::vector<int>, const CombinedFooting*>> order;  // refused ones: null
    std::vector<checks::Clash> grow;
    for (const std::vector<int>& members : CombiningSets(pairs, settings.combiningGap)) {
      const SetLine line = LineOf(members, plan, settings.maxColumns);
      if (line.kind != SetKind::Designed) {
        refused.push_back(Refused(line));
        order.emplace_back(members, nullptr);
        continue;
      }
      auto it = designs.find(members);
      if (it == designs.end())
        it = designs.emplace(members, DesignOnce(members, inputsFor(line), settings, Outside(places, members), memo))
                 .first;
      for (int j : it->second.joining) grow.push_back(ForcedPair(members.front(), j));
      order.emplace_back(members, &it->second);
    }
    for (std::size_t a = 0; a < order.size(); ++a)
      for (std::size_t b = a + 1; b < order.size(); ++b) {
        const CombinedFooting *fa = order[a].second, *fb = order[b].second;
        if (fa && fb && Designed(*fa) && Designed(*fb) &&
            Combines(GapBetween(Rectangle(*fa), Rectangle(*fb)), settings.combiningGap))
          grow.push_back(ForcedPair(order[a].first.front(), order[b].first.front()));
      }
    if (!grow.empty()) {
      pairs.insert(pairs.end(), grow.begin(), grow.end());
      continue;
    }
    std::vector<CombinedFooting> out;
    int mark = 0;
    auto next = refused.begin();
    if (memo) memo->returned.clear();
    for (auto& [members, design] : order) {
      if (memo) memo->returned.push_back(members);
      out.push_back(design ? std::move(designs[members]) : std::move(*next++));
      if (out.back().verdict != checks::Verdict::NotDesigned) out.back().mark = "CF" + IntText(++mark);
    }
    return out;
  }
}

void FinishDesigns(std::vector<CombinedFooting>& footings, const std::vector<PlanSupport>& plan,
                   const DesignMemo& memo) {
  std::vector<checks::FootingPlace> places;
  for (const PlanSupport& p : plan) places.push_back(p.footing);
  for (std::size_t i = 0; i < footings.size(); ++i) {
    CombinedFooting& f = footings[i];
    if (!(f.L > 0)) continue;  // not designed: nothing waits
    const std::vector<int>& members = memo.returned.at(i);
    std::string mark = std::move(f.mark);
    f = memo.bySet.at(members)[memo.last.at(members)].Finished(Outside(places, members));
    f.mark = std::move(mark);
  }
}

}  // namespace footmark::combined
