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

CombinedFooting DesignOnce(const std::vector<int>& members, CombinedInput input, const Settings& settings,
                           const std::vector<checks::FootingPlace>& outside, DesignMemo* memo) {
  if (!memo) return DesignCombinedFooting(input, settings, outside);
  std::vector<DesignMemo::Made>& made = memo->bySet[members];
  for (const DesignMemo::Made& m : made)
    if (m.input == input && m.settings == settings)
      if (std::optional<CombinedFooting> same = AmongOthers(m.footing, input, settings, outside))
        return std::move(*same);
  CombinedFooting footing = DesignCombinedFooting(input, settings, outside);
  made.push_back({std::move(input), settings, footing});
  return footing;
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
      if (it == designs.end()) {
        std::vector<checks::FootingPlace> outside;
        for (const checks::FootingPlace& p : places)
          if (!std::binary_search(members.begin(), members.end(), p.support)) outside.push_back(p);
        it = designs.emplace(members, DesignOnce(members, inputsFor(line), settings, outside, memo)).first;
      }
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
    for (auto& [members, design] : order) {
      out.push_back(design ? std::move(designs[members]) : std::move(*next++));
      if (out.back().verdict != checks::Verdict::NotDesigned) out.back().mark = "CF" + IntText(++mark);
    }
    return out;
  }
}

}  // namespace footmark::combined
