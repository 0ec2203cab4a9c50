#include "combined/combined_run.h"

#include <algorithm>
#include <exception>
#include <map>
#include <optional>
#include <thread>

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

// A set to design in this round: what it is designed from, and the memo's
// answer when it has one.
struct Asked {
  std::vector<int> members;
  CombinedInput input;
  std::vector<checks::FootingPlace> outside;
  std::optional<CombinedFooting> known;  // kept from an earlier round
  std::optional<SizedFooting> sized;     // designed now
};

// The memo's footing for a set whose columns, loads and settings are as
// before and whose length search meets the footings round it as before.
std::optional<CombinedFooting> Remembered(Asked& a, const Settings& settings, DesignMemo& memo) {
  std::vector<SizedFooting>& made = memo.bySet[a.members];
  for (std::size_t k = 0; k < made.size(); ++k)
    if (made[k].Input() == a.input && made[k].SettingsUsed() == settings)
      if (std::optional<CombinedFooting> same = made[k].AmongOthers(a.outside)) {
        memo.last[a.members] = k;
        return memo.sizesOnly ? std::move(same) : made[k].Finished(a.outside);
      }
  return std::nullopt;
}

// Sizes the sets not known before, on two threads: each set's design reads
// only its own input and the footings round it.
void SizeNew(std::vector<Asked>& asked, const Settings& settings) {
  std::vector<Asked*> open;
  for (Asked& a : asked)
    if (!a.known) open.push_back(&a);
  const auto size = [&](std::size_t from) {
    for (std::size_t i = from; i < open.size(); i += 2)
      open[i]->sized.emplace(std::move(open[i]->input), settings, open[i]->outside);
  };
  if (open.size() < 2) return size(0);
  std::exception_ptr failed;  // a failure on the other thread ends the run as on this one
  std::thread other([&] {
    try {
      size(1);
    } catch (...) {
      failed = std::current_exception();
    }
  });
  try {
    size(0);
  } catch (...) {
    other.join();
    throw;
  }
  other.join();
  if (failed) std::rethrow_exception(failed);
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
  std::vector<Asked> asked;
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
      if (!designs.count(members)) {
        Asked& a = asked.emplace_back(Asked{members, inputsFor(line), Outside(places, members), {}, {}});
        if (memo) a.known = Remembered(a, settings, *memo);
      }
      order.emplace_back(members, &designs[members]);  // filled below, before it is read
    }
    SizeNew(asked, settings);
    for (Asked& a : asked) {
      CombinedFooting& f = designs[a.members];
      if (a.known) {
        f = std::move(*a.known);
      } else if (!memo) {
        f = a.sized->Finished(a.outside);
      } else {
        std::vector<SizedFooting>& made = memo->bySet[a.members];
        memo->last[a.members] = made.size();
        const SizedFooting& kept = made.emplace_back(std::move(*a.sized));
        f = memo->sizesOnly ? kept.Sized() : kept.Finished(a.outside);
      }
    }
    asked.clear();
    for (const auto& [members, design] : order)
      if (design)
        for (int j : design->joining) grow.push_back(ForcedPair(members.front(), j));
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
