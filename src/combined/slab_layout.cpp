#include "combined/slab_layout.h"

#include <algorithm>

namespace footmark::combined {

std::vector<Band> ColumnBands(const std::vector<LoadedArea>& areas, double L, double reach) {
  constexpr double kEndStrip = 0.3;
  std::vector<Band> bands;
  const std::size_t n = areas.size();
  for (std::size_t i = 0; i < n; ++i) {
    const double x = areas[i].x, half = areas[i].a / 2;
    double lo = x - half - reach, hi = x + half + reach;
    if (i > 0) lo = std::max(lo, (areas[i - 1].x + areas[i - 1].a / 2 + x - half) / 2);
    if (i + 1 < n) hi = std::min(hi, (x + half + areas[i + 1].x - areas[i + 1].a / 2) / 2);
    if (i == 0 && lo < kEndStrip - 1e-9) lo = 0;
    if (i + 1 == n && L - hi < kEndStrip - 1e-9) hi = L;
    lo = std::max(lo, 0.0), hi = std::min(hi, L);
    bands.push_back({static_cast<int>(i + 1), lo, hi, (hi - lo) * 1000});
  }
  return bands;
}

std::vector<PunchingPerimeter> PunchingPerimeters(const std::vector<LoadedArea>& areas, double L, double B, double d) {
  std::vector<PunchingPerimeter> out;
  std::vector<double> faceLo, faceHi;  // the enclosed areas' extent along, m
  const double h = d / 2000;
  for (std::size_t i = 0; i < areas.size(); ++i) {
    const LoadedArea& c = areas[i];
    PunchingPerimeter p{{i}, c.x - c.a / 2 - h, c.x + c.a / 2 + h, c.v - c.b / 2 - h, c.v + c.b / 2 + h, 0, 0, 1};
    if (!out.empty() && out.back().x1 > p.x0) {
      PunchingPerimeter& m = out.back();
      m.areas.push_back(i);
      m.x1 = p.x1, m.v0 = std::min(m.v0, p.v0), m.v1 = std::max(m.v1, p.v1);
      faceHi.back() = c.x + c.a / 2;
      continue;
    }
    out.push_back(p);
    faceLo.push_back(c.x - c.a / 2), faceHi.push_back(c.x + c.a / 2);
  }
  for (std::size_t k = 0; k < out.size(); ++k) {
    PunchingPerimeter& p = out[k];
    const double along = faceHi[k] - faceLo[k], across = p.v1 - p.v0 - 2 * h;
    p.beta = std::min(along, across) / std::max(along, across);
    const bool cut[4] = {p.x0 < 0, p.x1 > L, p.v0 < -B / 2, p.v1 > B / 2};
    p.x0 = std::max(p.x0, 0.0), p.x1 = std::min(p.x1, L);
    p.v0 = std::max(p.v0, -B / 2), p.v1 = std::min(p.v1, B / 2);
    p.sidesDropped = cut[0] + cut[1] + cut[2] + cut[3];
    p.b0 = (cut[0] ? 0 : p.v1 - p.v0) + (cut[1] ? 0 : p.v1 - p.v0) + (cut[2] ? 0 : p.x1 - p.x0) +
           (cut[3] ? 0 : p.x1 - p.x0);
  }
  return out;
}

}  // namespace footmark::combined
