// The slab's bars at one size: the moments they carry, the column bands,
// the bar sizes by the office rule, and the effective depths the layers
// leave (transverse bars lowest, the longitudinal bottom bars on them).
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "checks/is456_tables.h"
#include "combined/design_steps.h"
#include "combined/slab_layout.h"

namespace footmark::combined {

namespace {

constexpr std::array<double, 5> kBarSizes{12, 16, 20, 25, 32};
constexpr double kTopDistributionDia = 10, kTopDistributionSpacing = 300;

double BarArea(double dia) { return std::numbers::pi / 4 * dia * dia; }

double LimitingFactor(double fy) {
  // Annex G-1.1(c) with xu,max/d of 38.1.
  const double x = checks::LimitingDepthRatio(fy);
  return 0.36 * x * (1 - 0.42 * x);
}

// The smallest bar of the office's sizes, at most D/8 (26.5.2.2), whose
// count for the steel and for the largest spacing leaves at least the
// office's spacing; else the largest bar allowed. `span` is the width the
// bars spread over, mm: full width (bars at both edges, s = (span - phi)/(n - 1))
// or a band (s = span/n, the first at s/2 from its edge).
BarChoice PickBars(double need, double span, bool fullWidth, double sMax, double D, const Settings& set) {
  BarChoice pick;
  for (double dia : kBarSizes) {
    if (dia > D / 8 && dia != kBarSizes.front()) break;
    BarChoice c;
    c.dia = dia;
    const int forSteel = static_cast<int>(std::ceil(need / BarArea(dia) - 1e-9));
    if (fullWidth) {
      const int forSpacing = static_cast<int>(std::ceil((span - dia) / sMax - 1e-9)) + 1;
      c.count = std::max({forSteel, forSpacing, 2});
      c.spacing = (span - dia) / (c.count - 1);
    } else {
      const int forSpacing = static_cast<int>(std::ceil(span / sMax - 1e-9));
      c.count = std::max({forSteel, forSpacing, 1});
      c.spacing = span / c.count;
    }
    c.area = c.count * BarArea(dia);
    c.officeSpacing = c.spacing >= set.officeMinSpacing - 1e-9;
    pick = c;
    if (c.officeSpacing) break;
  }
  return pick;
}

// The worst moments over the cases.
void MomentEnvelope(const Line& line, const std::vector<Loaded>& cases, Reinforcement& r) {
  r.bandMoment.assign(line.columns.size(), Demand{});
  for (std::size_t k = 0; k < cases.size(); ++k) {
    const Loaded& l = cases[k];
    const int at = static_cast<int>(k);
    if (l.hog.value > r.hog.value) r.hog = {l.hog.value, at, l.hog.x};
    if (l.sag.value > r.sag.value) r.sag = {l.sag.value, at, l.sag.x};
    for (std::size_t i = 0; i < line.columns.size(); ++i)
      if (l.bandMoment[i] > r.bandMoment[i].value) r.bandMoment[i] = {l.bandMoment[i], at, l.beam.Columns()[i].x};
  }
}

// The column bands at an effective depth d_T, mm: the deeper, the wider.
std::vector<Band> BandsAt(const Line& line, const Size& size, double dT) {
  std::vector<LoadedArea> areas;
  for (std::size_t i = 0; i < line.columns.size(); ++i) areas.push_back({ColumnX(line, size, i), 0, line.columns[i].a, 0});
  return ColumnBands(areas, size.L, line.settings->bandRule * dT / 1000);
}

void PlaceBands(const Line& line, const Size& size, Reinforcement& r) {
  const Settings& set = *line.settings;
  r.bands = BandsAt(line, size, r.dT);
  r.bandSpan.clear();
  // Bars from the end cover where the band reaches an end.
  for (const Band& b : r.bands)
    r.bandSpan.push_back(b.width - (b.from <= 0 ? set.cover : 0) - (b.to >= size.L ? set.cover : 0));
  r.distributionStretches.clear();
  double from = 0;
  for (const Band& b : r.bands) {
    if (b.from > from + 1e-9) r.distributionStretches.emplace_back(from, b.from);
    from = std::max(from, b.to);
  }
  if (size.L > from + 1e-9) r.distributionStretches.emplace_back(from, size.L);
}

// Bottom transverse bars outside the bands: the minimum steel, at a spacing
// rounded down to whole centimetres.
void Distribute(const Line& line, const Size& size, Reinforcement& r) {
  const Settings& set = *line.settings;
  r.distributionRate = checks::MinSteelRatio(set.fy) * size.D;
  const double sMax = std::min(3 * r.dT, 300.0);
  BarChoice pick;
  for (double dia : kBarSizes) {
    if (dia > size.D / 8 && dia != kBarSizes.front()) break;
    pick.dia = dia;
    pick.spacing = std::min(BarArea(dia) / r.distributionRate, sMax);
    pick.officeSpacing = pick.spacing >= set.officeMinSpacing - 1e-9;
    if (pick.officeSpacing) break;
  }
  pick.spacing = std::max(10.0, std::floor(pick.spacing / 10 + 1e-9) * 10);
  pick.count = 0;
  for (const auto& [from, to] : r.distributionStretches) {
    const bool atEnd = from <= 0 || to >= size.L;
    pick.count += static_cast<int>(std::ceil(((to - from) * 1000 - (atEnd ? set.cover : 0)) / pick.spacing - 1e-9));
  }
  pick.area = pick.count * BarArea(pick.dia);
  r.distribution = pick;
  BarChoice& top = r.topDistribution;
  top.dia = kTopDistributionDia;
  top.spacing = kTopDistributionSpacing;
  top.count = static_cast<int>(std::ceil((size.L * 1000 - 2 * set.cover - top.dia) / top.spacing - 1e-9)) + 1;
  top.area = top.count * BarArea(top.dia);
}

}  // namespace

std::optional<double> SteelFor(double Mu, double b, double d, const Settings& set) {
  const double root = 1 - 4.6 * Mu * 1e6 / (set.fck * b * d * d);
  if (root < 0) return std::nullopt;
  return 0.5 * set.fck / set.fy * (1 - std::sqrt(root)) * b * d;
}

double MomentOfSteel(double ast, double b, double d, const Settings& set) {
  // Over-reinforced sections are held to the limiting moment.
  const double xuOverD = 0.87 * set.fy * ast / (0.36 * set.fck * b * d);
  if (xuOverD > checks::LimitingDepthRatio(set.fy)) return LimitingMoment(b, d, set);
  return 0.87 * set.fy * ast * d * (1 - ast * set.fy / (b * d * set.fck)) / 1e6;
}

double LimitingMoment(double b, double d, const Settings& set) {
  return LimitingFactor(set.fy) * set.fck * b * d * d / 1e6;
}

bool BeyondLimitingMoment(const Line& line, const Size& size, const std::vector<Loaded>& cases) {
  const Settings& set = *line.settings;
  // A case in full contact keeps it on a deeper footing (the weight at the
  // centre only shortens the eccentricity), and its net pressure, so its
  // moments, do not change with the depth: the extra weight presses on the
  // soil and loads the slab alike.
  const std::size_t n = line.columns.size();
  double hog = 0, sag = 0;
  std::vector<double> band(n, 0.0);
  for (const Loaded& l : cases) {
    if (!l.q.contact.full) continue;
    hog = std::max(hog, l.hog.value), sag = std::max(sag, l.sag.value);
    for (std::size_t i = 0; i < n; ++i) band[i] = std::max(band[i], l.bandMoment[i]);
  }
  // No bar is thinner than the smallest size: d_T, d_Lt <= D - c - 6 and
  // d_Lb <= D - c - 18; no band is wider than at that d_T.
  const double thinnest = kBarSizes.front(), dT = size.D - set.cover - thinnest / 2;
  const auto beyond = [&](double M, double b, double d) {
    return M > 0 && M / LimitingMoment(b, d, set) > 1 + 1e-9;
  };
  if (beyond(hog, size.B * 1000, dT) || beyond(sag, size.B * 1000, size.D - set.cover - thinnest - thinnest / 2))
    return true;
  const std::vector<Band> bands = BandsAt(line, size, dT);
  for (std::size_t i = 0; i < n; ++i)
    if (beyond(band[i], bands[i].width, dT)) return true;
  return false;
}

Reinforcement Reinforce(const Line& line, const Size& size, const std::vector<Loaded>& cases) {
  const Settings& set = *line.settings;
  Reinforcement r;
  MomentEnvelope(line, cases, r);
  const double B = size.B * 1000, D = size.D, minRatio = checks::MinSteelRatio(set.fy);
  // Steel for a moment, or the limiting steel when the section cannot take it (C3 says so).
  const auto need = [&](double M, double b, double d) {
    if (!(M > 0)) return 0.0;
    if (const auto ast = SteelFor(M, b, d, set)) return *ast;
    return 0.36 * set.fck * b * checks::LimitingDepthRatio(set.fy) * d / (0.87 * set.fy);
  };
  double dia[3] = {kBarSizes.front(), kBarSizes.front(), kBarSizes.front()};  // transverse, bottom, top
  for (int round = 0; round < 8; ++round) {
    r.dT = D - set.cover - dia[0] / 2;
    r.dLb = D - set.cover - dia[0] - dia[1] / 2;
    r.dLt = D - set.cover - dia[2] / 2;
    PlaceBands(line, size, r);
    // The minimum on each face that is in tension somewhere (26.5.2.1 via 34.5.1).
    r.topMin = r.hog.value > 0 ? minRatio * B * D : 0;
    r.bottomMin = r.sag.value > 0 ? minRatio * B * D : 0;
    r.topNeed = need(r.hog.value, B, r.dLt);
    r.bottomNeed = need(r.sag.value, B, r.dLb);
    r.top = PickBars(std::max(r.topNeed, r.topMin), B - 2 * set.cover, true, std::min(3 * r.dLt, 300.0), D, set);
    r.bottom =
        PickBars(std::max(r.bottomNeed, r.bottomMin), B - 2 * set.cover, true, std::min(3 * r.dLb, 300.0), D, set);
    r.band.clear();
    r.bandNeed.clear();
    r.bandMin.clear();
    double transverse = 0;
    for (std::size_t i = 0; i < r.bands.size(); ++i) {
      r.bandNeed.push_back(need(r.bandMoment[i].value, r.bands[i].width, r.dT));
      r.bandMin.push_back(minRatio * r.bands[i].width * D);
      r.band.push_back(PickBars(std::max(r.bandNeed[i], r.bandMin[i]), r.bandSpan[i], false,
                                std::min(3 * r.dT, 300.0), D, set));
      transverse = std::max(transverse, r.band.back().dia);
    }
    Distribute(line, size, r);
    if (!r.distributionStretches.empty()) transverse = std::max(transverse, r.distribution.dia);
    const double next[3] = {transverse, r.bottom.dia, r.top.dia};
    if (std::equal(std::begin(next), std::end(next), std::begin(dia))) break;
    std::copy(std::begin(next), std::end(next), std::begin(dia));
  }
  return r;
}

}  // namespace footmark::combined
