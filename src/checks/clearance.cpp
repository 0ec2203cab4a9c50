#include "checks/clearance.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "model/column_offsets.h"
#include "model/numerics.h"

namespace footmark::checks {

namespace {

// Plan geometry is judged to the millimetre, never on float noise.

}  // namespace

std::vector<FootingPlace> IsolatedPlaces(const Model& model) {
  std::vector<bool> combined(static_cast<std::size_t>(model.NumSupports) + 1);
  for (const CombinedArea& a : model.CombinedAreas)
    for (const int s : a.supports)
      if (s >= 1 && s <= model.NumSupports) combined[static_cast<std::size_t>(s)] = true;
  std::vector<FootingPlace> places;
  for (int s = 1; s <= model.NumSupports; ++s) {
    const FootingRecord& f = model.Footings[s];
    if (!(f.FootSize > 0) || combined[static_cast<std::size_t>(s)]) continue;
    places.push_back({s, RoundToMillimetre(f.PosX + ColumnShift(f.ColDepth, f.OffsetX)),
                      RoundToMillimetre(f.PosY + ColumnShift(f.ColWidth, f.OffsetY)), RoundToMillimetre(f.FootSize)});
  }
  return places;
}

std::vector<FootingPlace> FootingPlaces(const Model& model) {
  std::vector<FootingPlace> places = IsolatedPlaces(model);
  // A rectangle is the union of squares of its width sliding along its
  // length, so the gaps to it are the gaps to the nearest of them. Every
  // square of one combined footing carries its lowest support, so that they
  // never clash with each other.
  for (const CombinedArea& a : model.CombinedAreas) {
    if (a.supports.empty()) continue;
    const bool alongX = a.sizeX >= a.sizeZ;
    const double width = RoundToMillimetre(std::min(a.sizeX, a.sizeZ)), run = std::max(a.sizeX, a.sizeZ) - width;
    const int squares = static_cast<int>(std::ceil(run / width - 1e-9)) + 1;
    for (int k = 0; k < squares; ++k) {
      const double along = squares > 1 ? -run / 2 + run * k / (squares - 1) : 0;
      const double x = RoundToMillimetre(alongX ? a.x + along : a.x), z = RoundToMillimetre(alongX ? a.z : a.z + along);
      places.push_back({a.supports.front(), x, z, width});
    }
  }
  return places;
}

namespace {

// Each pair once, its least gap, ordered by supportA then supportB: a
// combined footing meets a footing through more than one of its squares.
std::vector<Clash> Closest(std::vector<Clash> clashes) {
  std::stable_sort(clashes.begin(), clashes.end(), [](const Clash& a, const Clash& b) {
    return a.supportA != b.supportA ? a.supportA < b.supportA
           : a.supportB != b.supportB ? a.supportB < b.supportB
                                      : a.gap < b.gap;
  });
  clashes.erase(std::unique(clashes.begin(), clashes.end(),
                            [](const Clash& a, const Clash& b) {
                              return a.supportA == b.supportA && a.supportB == b.supportB;
                            }),
                clashes.end());
  return clashes;
}

// The pair when it overlaps or stands closer than warnGap.
std::optional<Clash> PairClash(const FootingPlace& a, const FootingPlace& b, double warnGap) {
  if (a.support == b.support) return std::nullopt;  // two squares of one combined footing
  const double half = (a.side + b.side) / 2;
  // Far apart along one axis even before the gaps are rounded to the mm.
  if (std::fabs(a.x - b.x) - half >= warnGap + 0.0005 || std::fabs(a.z - b.z) - half >= warnGap + 0.0005)
    return std::nullopt;
  Clash c;
  c.gapX = RoundToMillimetre(std::fabs(a.x - b.x) - half);
  c.gapZ = RoundToMillimetre(std::fabs(a.z - b.z) - half);
  if (c.gapX >= warnGap || c.gapZ >= warnGap) return std::nullopt;  // far apart along one axis
  c.overlap = c.gapX < 0 && c.gapZ < 0;
  c.gap = (c.gapX >= 0 && c.gapZ >= 0) ? RoundToMillimetre(std::hypot(c.gapX, c.gapZ)) : std::max(c.gapX, c.gapZ);
  if (!c.overlap && c.gap >= warnGap) return std::nullopt;
  c.supportA = std::min(a.support, b.support);
  c.supportB = std::max(a.support, b.support);
  return c;
}

// The footings in order of x, to find those within reach of one without
// trying every other: a pair farther apart along x than half their sides
// and the gap is no clash (PairClash's first test).
class AlongX {
 public:
  AlongX(const std::vector<FootingPlace>& places, double warnGap) : places_(places) {
    double largest = 0;
    for (std::size_t i = 0; i < places.size(); ++i) {
      const bool plain = std::isfinite(places[i].x) && std::isfinite(places[i].side);
      (plain ? order_ : odd_).push_back(i);
      if (plain) largest = std::max(largest, places[i].side);
    }
    std::sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) { return places[a].x < places[b].x; });
    // A micrometre more than the first test's reach: a footing left out
    // is one it would have turned away.
    reach_ = largest / 2 + warnGap + 0.0005 + 1e-6;
  }

  // Into `near`, ascending: the footings that footing i might clash with
  // (all of them for one that has no place in the order, and those always).
  void Near(std::size_t i, std::vector<std::size_t>& near) const {
    near = odd_;
    const double x = places_[i].x, reach = places_[i].side / 2 + reach_;
    if (!std::isfinite(x) || !std::isfinite(reach)) {
      near.insert(near.end(), order_.begin(), order_.end());
    } else {
      auto k = std::lower_bound(order_.begin(), order_.end(), x - reach,
                                [&](std::size_t j, double v) { return places_[j].x < v; });
      for (; k != order_.end() && places_[*k].x <= x + reach; ++k) near.push_back(*k);
    }
    std::erase(near, i);
    std::sort(near.begin(), near.end());
  }

 private:
  const std::vector<FootingPlace>& places_;
  std::vector<std::size_t> order_, odd_;  // odd_: x or side not finite
  double reach_ = 0;
};

}  // namespace

std::vector<Clash> FindClashes(const std::vector<FootingPlace>& places, double warnGap) {
  const AlongX along(places, warnGap);
  std::vector<Clash> clashes;
  std::vector<std::size_t> near;
  for (std::size_t i = 0; i < places.size(); ++i) {
    along.Near(i, near);
    for (const std::size_t j : near)
      if (j > i)
        if (const auto c = PairClash(places[i], places[j], warnGap)) clashes.push_back(*c);
  }
  return Closest(std::move(clashes));
}

std::vector<Clash> ClashesOf(const std::vector<FootingPlace>& places, const std::vector<int>& supports,
                             double warnGap) {
  std::vector<bool> listed;
  for (const int s : supports) {
    if (s < 0) continue;
    if (static_cast<std::size_t>(s) >= listed.size()) listed.resize(static_cast<std::size_t>(s) + 1);
    listed[static_cast<std::size_t>(s)] = true;
  }
  std::vector<bool> own(places.size());
  for (std::size_t i = 0; i < places.size(); ++i) {
    const auto s = static_cast<std::size_t>(places[i].support);
    own[i] = s < listed.size() && listed[s];
  }
  const AlongX along(places, warnGap);
  std::vector<Clash> clashes;
  std::vector<std::size_t> near;
  for (std::size_t i = 0; i < places.size(); ++i) {
    if (!own[i]) continue;
    along.Near(i, near);
    for (const std::size_t j : near)
      if (!(own[j] && j < i))  // a pair of the group's own once
        if (const auto c = PairClash(places[i], places[j], warnGap)) clashes.push_back(*c);
  }
  return Closest(std::move(clashes));
}

}  // namespace footmark::checks
