#include "checks/clearance.h"

#include <algorithm>
#include <cmath>

#include "model/column_offsets.h"

namespace footmark::checks {

namespace {

// Plan geometry is judged to the millimetre, never on float noise.
double Mm(double metres) { return std::round(metres * 1000) / 1000; }

}  // namespace

std::vector<FootingPlace> FootingPlaces(const Model& model) {
  std::vector<FootingPlace> places;
  for (int s = 1; s <= model.NumSupports; ++s) {
    const FootingRecord& f = model.Footings[s];
    if (!(f.FootSize > 0)) continue;
    places.push_back({s, Mm(f.PosX + ColumnShift(f.ColDepth, f.OffsetX)),
                      Mm(f.PosY + ColumnShift(f.ColWidth, f.OffsetY)), Mm(f.FootSize)});
  }
  return places;
}

std::vector<Clash> FindClashes(const std::vector<FootingPlace>& places, double warnGap) {
  std::vector<Clash> clashes;
  for (std::size_t i = 0; i < places.size(); ++i) {
    for (std::size_t j = i + 1; j < places.size(); ++j) {
      const FootingPlace& a = places[i];
      const FootingPlace& b = places[j];
      const double half = (a.side + b.side) / 2;
      Clash c;
      c.gapX = Mm(std::fabs(a.x - b.x) - half);
      c.gapZ = Mm(std::fabs(a.z - b.z) - half);
      if (c.gapX >= warnGap || c.gapZ >= warnGap) continue;  // far apart along one axis
      c.overlap = c.gapX < 0 && c.gapZ < 0;
      c.gap = (c.gapX >= 0 && c.gapZ >= 0) ? Mm(std::hypot(c.gapX, c.gapZ)) : std::max(c.gapX, c.gapZ);
      if (!c.overlap && c.gap >= warnGap) continue;
      c.supportA = std::min(a.support, b.support);
      c.supportB = std::max(a.support, b.support);
      clashes.push_back(c);
    }
  }
  return clashes;
}

}  // namespace footmark::checks
