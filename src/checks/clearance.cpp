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

}  // namespace

std::vector<Clash> FindClashes(const std::vector<FootingPlace>& places, double warnGap) {
  std::vector<Clash> clashes;
  for (std::size_t i = 0; i < places.size(); ++i)
    for (std::size_t j = i + 1; j < places.size(); ++j)
      if (const auto c = PairClash(places[i], places[j], warnGap)) clashes.push_back(*c);
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
  std::vector<Clash> clashes;
  for (std::size_t i = 0; i < places.size(); ++i) {
    if (!own[i]) continue;
    for (std::size_t j = 0; j < places.size(); ++j)
      if (j != i && !(own[j] && j < i))  // a pair of the group's own once
        if (const auto c = PairClash(places[i], places[j], warnGap)) clashes.push_back(*c);
  }
  return Closest(std::move(clashes));
}

}  // namespace footmark::checks
