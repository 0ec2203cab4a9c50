// Combined footings after the revision: supports whose isolated footings
// overlap, nearly touch, or could pass only by growing into each other
// leave their groups for one footing under both. The groups that lose
// supports are judged again without them, and revised again where they
// still fail; a group that can pass only by growing into a combined footing
// joins it. Each round adds a pair, so the rounds end.
#include <algorithm>
#include <map>

#include "combined/model_inputs.h"
#include "model/numerics.h"
#include "revise/group_revision.h"
#include "revise/revise.h"

namespace footmark::revise {

namespace {

// The pairs of groups that could pass only by growing into a neighbour.
bool AddBlocked(const DesignRevision& record, std::vector<checks::Clash>& forced) {
  bool added = false;
  for (const GroupRevision& g : record.groups) {
    if (g.outcome != Outcome::CannotBeRevised || !g.clash || g.clash->other < 1) continue;
    const checks::Clash c = combined::ForcedPair(g.clash->support, g.clash->other);
    const bool known = std::any_of(forced.begin(), forced.end(), [&](const checks::Clash& f) {
      return f.supportA == c.supportA && f.supportB == c.supportB;
    });
    if (!known) forced.push_back(c), added = true;
  }
  return added;
}

// A designed footing's rectangle; a set that is not designed keeps its
// isolated footings, as squares that stand clear of every other footing.
void AddAreas(const combined::CombinedFooting& f, const std::map<int, combined::PlanSupport>& seen,
              std::vector<CombinedArea>& areas) {
  std::vector<int> supports = f.supports;
  std::sort(supports.begin(), supports.end());
  if (f.L > 0) {
    const bool alongX = f.axis == combined::Axis::X;
    areas.push_back({f.mark, supports, f.centreX, f.centreZ, alongX ? f.L : f.B, alongX ? f.B : f.L});
    return;
  }
  for (const int s : supports) {
    const checks::FootingPlace& p = seen.at(s).footing;
    areas.push_back({"", supports, p.x, p.z, p.side, p.side});
  }
}

// Footings that overlap or nearly touch as they now stand, a combined
// footing's among them (its squares carry its lowest support).
bool AddClashing(const Model& model, double combiningGap, std::vector<checks::Clash>& forced) {
  bool added = false;
  for (const checks::Clash& c : checks::FindClashes(checks::FootingPlaces(model), combiningGap)) {
    if (!combined::Combines(c, combiningGap)) continue;
    if (std::none_of(forced.begin(), forced.end(), [&](const checks::Clash& k) {
          return k.supportA == c.supportA && k.supportB == c.supportB;
        }))
      forced.push_back(combined::ForcedPair(c.supportA, c.supportB)), added = true;
  }
  return added;
}

// Sets only grow from one round to the next: their members stay paired.
void KeepSets(const std::vector<combined::CombinedFooting>& footings, std::vector<checks::Clash>& forced) {
  for (const combined::CombinedFooting& f : footings)
    for (std::size_t i = 1; i < f.supports.size(); ++i) {
      const checks::Clash c = combined::ForcedPair(f.supports[0], f.supports[i]);
      if (std::none_of(forced.begin(), forced.end(), [&](const checks::Clash& k) {
            return k.supportA == c.supportA && k.supportB == c.supportB;
          }))
        forced.push_back(c);
    }
}

std::string Listed(const std::vector<int>& supports) {
  std::string text = supports.size() == 1 ? "support " : "supports ";
  for (std::size_t i = 0; i < supports.size(); ++i) text += (i ? ", " : "") + IntText(supports[i]);
  return text;
}

// Takes the combined footings' supports out of their groups; groups left
// empty go and the others are numbered again without gaps. Returns the
// groups (numbered anew) that lost supports, with what they lost.
std::map<int, std::string> TakeOut(Model& model, const std::vector<CombinedArea>& areas, DesignRevision& record) {
  std::map<int, std::string> whereTo;  // support -> the footing that took it
  for (const CombinedArea& a : areas)
    for (const int s : a.supports) whereTo[s] = a.mark.empty() ? "a set not designed" : a.mark;
  std::map<int, std::string> lost;
  std::vector<int> numbers(static_cast<std::size_t>(model.FootGroupCount) + 1);  // old -> new, 0: gone
  int kept = 0;
  std::vector<GroupOrigin> origins;
  std::vector<bool> passing;
  for (int g = 1; g <= model.FootGroupCount; ++g) {
    FootGroup group = model.FootGroups(g);
    std::vector<int> stay, gone;
    for (const int s : SupportsOf(group)) (whereTo.count(s) ? gone : stay).push_back(s);
    std::string note;
    std::map<std::string, std::vector<int>> byFooting;
    for (const int s : gone) byFooting[whereTo[s]].push_back(s);
    for (const auto& [mark, supports] : byFooting) note += (note.empty() ? "" : "; ") + Listed(supports) + " to " + mark;
    const auto i = static_cast<std::size_t>(g - 1);
    if (stay.empty()) {
      bool recorded = false;
      for (GroupRevision& r : record.groups)
        if (r.group == g) r.group = 0, r.outcome = Outcome::Combined, r.combined = note, recorded = true;
      if (!recorded) {
        GroupRevision r;
        r.outcome = Outcome::Combined, r.combined = note, r.before = r.after = r.start = group;
        record.groups.push_back(std::move(r));
      }
      continue;
    }
    ++kept;
    numbers[static_cast<std::size_t>(g)] = kept;
    if (!gone.empty()) {
      group.Supports.clear();
      for (const int s : stay) group.Supports += IntText(s) + " ";
      group = AtSide(model, group);
      lost[kept] = note;
    }
    model.FootGroups(kept) = group;
    origins.push_back(record.origins[i]);
    passing.push_back(record.passing[i] && gone.empty());
  }
  for (int g = kept + 1; g <= model.FootGroupCount; ++g) model.FootGroups(g) = FootGroup{};
  model.FootGroupCount = static_cast<int16>(kept);
  for (GroupRevision& r : record.groups)
    if (r.group > 0) r.group = numbers[static_cast<std::size_t>(r.group)];
  record.origins = std::move(origins);
  record.passing = std::move(passing);
  for (int s = 1; s <= model.NumSupports; ++s) {
    FootingRecord& f = model.Footings(s);
    f.FootGroupNo = whereTo.count(s) || f.FootGroupNo < 1 ? 0 : numbers[static_cast<std::size_t>(f.FootGroupNo)];
  }
  return lost;
}

}  // namespace

std::vector<combined::CombinedFooting> CombineClashingFootings(Model& model, const checks::CheckBasis& basis,
                                                               DesignRevision& record) {
  const combined::Settings set = combined::SettingsOf(model, basis.settings);
  const std::vector<double> pedestals = combined::GroupPedestals(model);
  // A set's inputs read its columns, their reactions and the pedestals they
  // had before combining, none of which a round changes: made once a set.
  std::map<std::pair<combined::Axis, std::vector<int>>, combined::CombinedInput> made;
  const combined::InputsFor inputs = [&](const combined::SetLine& line) {
    auto it = made.find({line.axis, line.supports});
    if (it == made.end())
      it = made.emplace(std::pair{line.axis, line.supports}, combined::InputsOf(model, basis, line, pedestals)).first;
    return it->second;
  };
  std::map<int, combined::PlanSupport> seen;  // every support's isolated footing as last placed
  std::vector<checks::Clash> forced;
  std::vector<combined::CombinedFooting> footings;
  combined::DesignMemo memo;  // a set the rounds leave as it was is designed once
  memo.sizesOnly = true;      // the rounds read sizes; the footings kept are finished at the end
  std::vector<combined::PlanSupport> plan;
  // A design revised before keeps its combined footings as they stand
  // unless something new asks for one.
  if (!model.CombinedAreas.empty()) {
    std::vector<checks::Clash> fresh;
    if (!AddClashing(model, set.combiningGap, fresh) && !AddBlocked(record, fresh)) return {};
    std::vector<combined::CombinedFooting> before;
    for (const CombinedArea& a : model.CombinedAreas) before.emplace_back().supports = a.supports;
    KeepSets(before, forced);
    forced.insert(forced.end(), fresh.begin(), fresh.end());
    model.CombinedAreas.clear();
  }
  for (int round = 0; round <= model.NumSupports; ++round) {
    for (const combined::PlanSupport& p : combined::PlanOf(model)) seen[p.footing.support] = p;
    const bool blocked = AddBlocked(record, forced);
    if (round > 0 && !AddClashing(model, set.combiningGap, forced) && !blocked) break;
    plan.clear();
    for (const auto& [support, p] : seen) plan.push_back(p);
    footings = combined::DesignCombinedFootings(plan, set, inputs, forced, &memo);
    if (footings.empty()) break;
    KeepSets(footings, forced);
    model.CombinedAreas.clear();
    for (const combined::CombinedFooting& f : footings) AddAreas(f, seen, model.CombinedAreas);
    std::map<int, std::string> again = TakeOut(model, model.CombinedAreas, record);
    // The groups that lost supports, judged again and revised where they
    // fail; those that could not be revised meet the combined footings now.
    for (const GroupRevision& r : record.groups)
      if (r.group > 0 && r.outcome == Outcome::CannotBeRevised) again.emplace(r.group, "");
    for (const auto& [g, note] : again) {
      std::string combined = note;
      for (auto r = record.groups.begin(); r != record.groups.end();)
        if (r->group == g) {
          if (!r->combined.empty()) combined = note.empty() ? r->combined : r->combined + "; " + note;
          r = record.groups.erase(r);
        } else {
          ++r;
        }
      std::optional<GroupRevision> r = Outcomes(record).Revise(model, g, basis, record.request.limits);
      if (!r && combined.empty()) continue;
      if (!r) {
        r.emplace();
        r->group = g, r->outcome = Outcome::Combined, r->before = r->after = r->start = model.FootGroups(g);
      }
      r->combined = combined;
      record.groups.push_back(std::move(*r));
    }
    std::sort(record.groups.begin(), record.groups.end(),
              [](const GroupRevision& a, const GroupRevision& b) { return a.group < b.group; });
    RenumberPedestals(model);
  }
  combined::FinishDesigns(footings, plan, memo);
  return footings;
}

}  // namespace footmark::revise
