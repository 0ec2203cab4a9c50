#include "combined/footing_sets.h"
#include "model/numerics.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace footmark::combined {

namespace {


const PlanSupport* Find(const std::vector<PlanSupport>& plan, int support) {
  for (const PlanSupport& p : plan)
    if (p.footing.support == support) return &p;
  return nullptr;
}

}  // namespace

bool Combines(const checks::Clash& clash, double combiningGap) {
  if (clash.overlap) return true;
  const bool faceToFace = clash.gapX < 0 || clash.gapZ < 0;
  return faceToFace && clash.gap < combiningGap;
}

std::vector<std::vector<int>> CombiningSets(const std::vector<checks::Clash>& clashes, double combiningGap) {
  std::vector<int> ids;
  for (const checks::Clash& c : clashes)
    if (Combines(c, combiningGap)) ids.insert(ids.end(), {c.supportA, c.supportB});
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  const auto index = [&](int support) {
    return static_cast<std::size_t>(std::lower_bound(ids.begin(), ids.end(), support) - ids.begin());
  };
  std::vector<std::size_t> parent(ids.size());
  std::iota(parent.begin(), parent.end(), std::size_t{0});
  const auto root = [&](std::size_t i) {
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
  };
  for (const checks::Clash& c : clashes) {
    if (!Combines(c, combiningGap)) continue;
    const std::size_t a = root(index(c.supportA)), b = root(index(c.supportB));
    parent[std::max(a, b)] = std::min(a, b);  // the root is the lowest support
  }
  std::vector<std::vector<int>> sets;
  std::vector<std::size_t> setOfRoot(ids.size(), ids.size());
  for (std::size_t i = 0; i < ids.size(); ++i) {
    const std::size_t r = root(i);
    if (setOfRoot[r] == ids.size()) {
      setOfRoot[r] = sets.size();
      sets.emplace_back();
    }
    sets[setOfRoot[r]].push_back(ids[i]);
  }
  return sets;
}

SetLine LineOf(const std::vector<int>& supports, const std::vector<PlanSupport>& plan, int maxColumns) {
  SetLine line;
  line.supports = supports;
  std::vector<const PlanSupport*> members;
  for (int s : supports)
    if (const PlanSupport* p = Find(plan, s)) members.push_back(p);
  const auto same = [&](double PlanSupport::*coordinate) {
    for (const PlanSupport* p : members)
      if (RoundToMillimetre(p->*coordinate) != RoundToMillimetre(members.front()->*coordinate)) return false;
    return true;
  };
  const auto distinct = [&](double PlanSupport::*coordinate) {
    std::vector<double> along;
    for (const PlanSupport* p : members) along.push_back(RoundToMillimetre(p->*coordinate));
    std::sort(along.begin(), along.end());
    return std::adjacent_find(along.begin(), along.end()) == along.end();
  };
  const bool alongX = same(&PlanSupport::gridZ) && distinct(&PlanSupport::gridX);
  const bool alongZ = same(&PlanSupport::gridX) && distinct(&PlanSupport::gridZ);
  if (members.size() != supports.size() || members.size() < 2 || (!alongX && !alongZ)) {
    line.kind = SetKind::RaftOrStrap;
    line.recommendation = "raft or strap footing recommended";
    return line;
  }
  if (static_cast<int>(members.size()) > maxColumns) {
    line.kind = SetKind::StripFooting;
    line.recommendation = "continuous strip footing recommended";
    return line;
  }
  line.axis = alongX ? Axis::X : Axis::Z;
  line.gridLine = alongX ? members.front()->gridZ : members.front()->gridX;
  std::sort(members.begin(), members.end(), [&](const PlanSupport* a, const PlanSupport* b) {
    return alongX ? a->gridX < b->gridX : a->gridZ < b->gridZ;
  });
  line.supports.clear();
  for (const PlanSupport* p : members) line.supports.push_back(p->footing.support);
  return line;
}

checks::Clash GapBetween(const PlanRectangle& a, const PlanRectangle& b) {
  checks::Clash c;
  c.gapX = RoundToMillimetre(std::fabs(a.x - b.x) - (a.sizeX + b.sizeX) / 2);
  c.gapZ = RoundToMillimetre(std::fabs(a.z - b.z) - (a.sizeZ + b.sizeZ) / 2);
  c.overlap = c.gapX < 0 && c.gapZ < 0;
  c.gap = (c.gapX >= 0 && c.gapZ >= 0) ? RoundToMillimetre(std::hypot(c.gapX, c.gapZ)) : std::max(c.gapX, c.gapZ);
  return c;
}

checks::Clash GapTo(const PlanRectangle& rect, const checks::FootingPlace& place) {
  checks::Clash c = GapBetween(rect, {place.x, place.z, place.side, place.side});
  c.supportB = place.support;
  return c;
}

std::vector<checks::FootingPlace> FootingsNear(const PlanRectangle& bound,
                                               const std::vector<checks::FootingPlace>& outside, double combiningGap) {
  // A micrometre more than the rectangles' own test, for rounding.
  const double reach = combiningGap + 0.001 + 1e-6;
  std::vector<checks::FootingPlace> near;
  for (const checks::FootingPlace& place : outside)
    if (std::fabs(bound.x - place.x) - (bound.sizeX + place.side) / 2 <= reach &&
        std::fabs(bound.z - place.z) - (bound.sizeZ + place.side) / 2 <= reach)
      near.push_back(place);
  return near;
}

std::vector<int> JoiningSupports(const PlanRectangle& rect, const std::vector<checks::FootingPlace>& outside,
                                 double combiningGap) {
  std::vector<int> joining;
  for (const checks::FootingPlace& place : outside) {
    // Clear by more than the combining gap along either axis: never combined.
    const double reach = combiningGap + 0.001;
    if (std::fabs(rect.x - place.x) - (rect.sizeX + place.side) / 2 > reach ||
        std::fabs(rect.z - place.z) - (rect.sizeZ + place.side) / 2 > reach)
      continue;
    if (Combines(GapTo(rect, place), combiningGap)) joining.push_back(place.support);
  }
  std::sort(joining.begin(), joining.end());
  return joining;
}

checks::Clash ForcedPair(int a, int b) {
  checks::Clash c;
  c.supportA = std::min(a, b), c.supportB = std::max(a, b);
  c.gapX = c.gapZ = c.gap = -1;
  c.overlap = true;
  return c;
}

}  // namespace footmark::combined
