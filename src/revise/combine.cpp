// Combined footings after the revision: supports whose isolated footings
// overlap, nearly touch, or could pass only by growing into each other
// leave their groups for one footing under both. The groups that lose
// supports are judged again without them, and revised again where they
// still fail; a group that can pass only by growing into a combined footing
// joins it. Each round adds a pair, so the rounds end.
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string>

#include "combined/model_inputs.h"
#include "model/numerics.h"
#include "revise/clash_rule.h"
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

// Groups found "cannot be revised" in an earlier round, by everything their
// revision reads: the group as it stands, its supports' columns, the
// footings in plan near enough to meet it at any side it can be tried at
// (clashes, clearance), the room it has to grow, and the pedestal sides of
// the other groups (the schedule's pedestal types). Such a revision leaves
// the model as it found it, so one whose inputs are unchanged is taken as it
// was, whatever its number or the footings far from it. A group the method
// left undesigned is designed afresh each time (its design writes the bar
// tables).
class CannotMemo {
 public:
  CannotMemo(const checks::CheckBasis& basis, const RevisionLimits& limits) : basis_(basis), limits_(limits) {}

  std::optional<GroupRevision> Revise(Model& model, int g) {
    if (!model.FootGroups(g).Designed) return ReviseGroup(model, g, basis_, limits_);
    std::string key = KeyOf(model, g);
    if (const auto hit = known_.find(key); hit != known_.end()) {
      GroupRevision r = hit->second;
      r.group = g;
      return r;
    }
    std::optional<GroupRevision> r = ReviseGroup(model, g, basis_, limits_);
    if (r && r->outcome == Outcome::CannotBeRevised) known_.emplace(std::move(key), *r);
    return r;
  }

 private:
  template <class T>
  static void Add(std::string& key, const T& value) {
    key.append(reinterpret_cast<const char*>(&value), sizeof value);
  }
  static void Add(std::string& key, const std::string& text) {
    Add(key, text.size());
    key += text;
  }
  static void Add(std::string& key, const checks::FootingPlace& p) {
    Add(key, p.support), Add(key, p.x), Add(key, p.z), Add(key, p.side);
  }

  std::string KeyOf(const Model& model, int g) const {
    std::string key;
    const FootGroup& group = model.FootGroups(g);
    Add(key, group.Supports), Add(key, group.BarText);
    for (const float x : {group.Size, group.Pressure, group.ColSize, group.Pedestal, group.Depth, group.SteelArea,
                          group.FirstPedestal, group.FirstVolume})
      Add(key, x);
    for (const int16 i : {group.LoadCase, group.GovSupport, group.PedType, group.BarDia}) Add(key, i);
    const std::vector<int> supports = SupportsOf(group);
    for (const int s : supports) {
      const FootingRecord& f = model.Footings(s);
      Add(key, f.ColWidth), Add(key, f.ColDepth), Add(key, f.FootSize);
    }
    std::vector<float> pedestals;
    for (int k = 1; k <= model.FootGroupCount; ++k)
      if (k != g) pedestals.push_back(model.FootGroups(k).Pedestal);
    std::sort(pedestals.begin(), pedestals.end());
    pedestals.erase(std::unique(pedestals.begin(), pedestals.end()), pedestals.end());
    Add(key, pedestals.size());
    for (const float p : pedestals) Add(key, p);
    // No side the revision tries exceeds the largest of the limits, nor a
    // footing a pedestal's width wider than the largest pedestal.
    const double side = std::max({static_cast<double>(group.Size), limits_.largestSide, limits_.largestPedestal + 0.1});
    const double reach = basis_.settings.clearanceGap / 1000 + 1e-3;
    const std::vector<checks::FootingPlace> places = checks::FootingPlaces(model);
    std::vector<const checks::FootingPlace*> own;
    for (const checks::FootingPlace& p : places)
      if (std::find(supports.begin(), supports.end(), p.support) != supports.end()) own.push_back(&p);
    for (const checks::FootingPlace& p : places) {
      const bool near = std::any_of(own.begin(), own.end(), [&](const checks::FootingPlace* o) {
        return std::max(std::fabs(o->x - p.x), std::fabs(o->z - p.z)) - (side + p.side) / 2 < reach;
      });
      if (near) Add(key, p);
    }
    const Room room = RoomToGrow(places, supports);
    Add(key, room.side), Add(key, room.first.support), Add(key, room.first.other);
    return key;
  }

  const checks::CheckBasis& basis_;
  const RevisionLimits& limits_;
  std::map<std::string, GroupRevision> known_;
};

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
  const combined::InputsFor inputs = [&](const combined::SetLine& line) {
    return combined::InputsOf(model, basis, line);
  };
  std::map<int, combined::PlanSupport> seen;  // every support's isolated footing as last placed
  std::vector<checks::Clash> forced;
  std::vector<combined::CombinedFooting> footings;
  combined::DesignMemo memo;  // a set the rounds leave as it was is designed once
  CannotMemo cannot(basis, record.request.limits);
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
    std::vector<combined::PlanSupport> plan;
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
      std::optional<GroupRevision> r = cannot.Revise(model, g);
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
  return footings;
}

}  // namespace footmark::revise
