// The check rows of the detailing: depth at the edge, cover, bar spacing
// and size, and the development of every bar set at its bending sections.
#include <algorithm>
#include <cmath>

#include "checks/is456_tables.h"
#include "combined/rows.h"
#include "model/numerics.h"

namespace footmark::combined {

namespace {

struct Named {
  std::string tag, what;
  const BarChoice* bars;
  double d;
  bool main;  // carries a moment: the office's spacing applies
};

std::vector<Named> BarSets(const Line& line, const Reinforcement& r) {
  std::vector<Named> sets{{"L-", "top bars along", &r.top, r.dLt, true},
                          {"L+", "bottom bars along", &r.bottom, r.dLb, true}};
  for (std::size_t i = 0; i < r.band.size(); ++i)
    sets.push_back({"T" + IntText(static_cast<long long>(i + 1)), "band under " + ColumnName(line, i), &r.band[i],
                    r.dT, true});
  if (!r.distributionStretches.empty())
    sets.push_back({"Tdist", "bottom bars across outside the bands", &r.distribution, r.dT, false});
  return sets;
}

// sigma_s of bars sized for Mu: 0.87 fy Ast,req / Ast,provided (26.2.1, the calculated tension).
double StressFor(double Mu, double b, double d, double provided, const Settings& set) {
  const auto need = SteelFor(Mu, b, d, set);
  return 0.87 * set.fy * (need ? std::min(*need, provided) : provided) / provided;
}

// What develops Ld: the straight length, or with a 90 degree bend (worth
// 8 phi, 26.2.2.1) the straight length, the bend and the room the depth
// leaves for the leg, cover at top and bottom.
double AnchorCapacity(double Ld, double straight, double dia, double D, const Settings& set) {
  straight = std::max(straight, 0.0);
  if (Ld <= straight) return straight;
  return straight + 8 * dia + std::max(D - 2 * set.cover, 0.0);
}

}  // namespace

Anchorage Anchor(std::string id, std::string name, double Ld, double straight, double dia, double sigma, double D,
                 const Settings& set, std::string combination) {
  const char* clause = "IS 456 26.2.1, 26.2.1.1, 34.2.4.3";
  const std::string stress = "sigma_s " + DecimalText(sigma, 1) + " N/mm2: Ld " + DecimalText(Ld, 0) + " mm (" +
                             DecimalText(Ld / dia, 1) + " phi)";
  Anchorage a;
  straight = std::max(straight, 0.0);
  const double capacity = AnchorCapacity(Ld, straight, dia, D, set);
  a.row = Rated(std::move(id), std::move(name), clause, Ld, capacity, "mm", 0, Ld / capacity, combination);
  if (Ld <= straight) {
    a.row.check.note = stress + ", straight";
    return a;
  }
  // The leg beyond the bend is at least 4 phi and stays inside the depth.
  a.leg = std::ceil(std::max(Ld - straight - 8 * dia, 4 * dia) - 1e-9);
  const double room = D - 2 * set.cover;
  a.row.check.note = stress + "; straight length " + DecimalText(straight, 0) + " mm is short: bend the ends, leg " +
                     DecimalText(a.leg, 0) + " mm";
  if (a.leg <= room) {
    a.row.check.status = checks::Status::Warning;
  } else {
    a.row.check.status = checks::Status::Fail;
    a.row.check.note += ", more than the " + DecimalText(room, 0) + " mm the depth leaves";
  }
  return a;
}

Legs DetailingRows(const Line& line, const Size& size, const std::vector<Loaded>& cases, const Reinforcement& r,
                   std::vector<CheckRow>& rows) {
  const Settings& set = *line.settings;
  const double D = size.D, B = size.B * 1000;
  rows.push_back(Rated("C8", "depth at the edge", "IS 456 34.1.2", 150, D, "mm", 0, 150 / D, ""));
  const std::vector<Named> sets = BarSets(line, r);
  double largest = r.topDistribution.dia;
  for (const Named& n : sets) largest = std::max(largest, n.bars->dia);
  const double cover = std::max(50.0, largest);
  rows.push_back(Rated("C9", "cover and effective depths", "IS 456 26.4.2.2, 26.4.1", cover, set.cover, "mm", 0,
                       cover / set.cover, ""));
  rows.back().check.note = "transverse bars lowest: d_T " + DecimalText(r.dT, 0) + ", d_Lb " + DecimalText(r.dLb, 0) +
                           ", d_Lt " + DecimalText(r.dLt, 0) + " mm";
  for (const Named& n : sets) {
    const double limit = std::min(3 * n.d, 300.0);
    rows.push_back(Rated("C10." + n.tag, "largest bar spacing, " + n.what, "IS 456 26.3.3(b)(1)", n.bars->spacing,
                         limit, "mm", 1, n.bars->spacing / limit, ""));
  }
  for (const Named& n : sets) {
    if (!n.main) continue;
    const double clear = n.bars->spacing - n.bars->dia, need = std::max(n.bars->dia, set.aggregate + 5);
    rows.push_back(Rated("C11." + n.tag, "least bar spacing, " + n.what, "IS 456 26.3.2", need, clear, "mm", 1,
                         clear > 0 ? need / clear : kUnbounded, ""));  // bars that overlap fail too
    // The office's spacing is practice, not the code.
    if (!n.bars->officeSpacing && rows.back().check.status == checks::Status::Pass) {
      rows.back().check.status = checks::Status::Warning;
      rows.back().check.note = "c/c " + DecimalText(n.bars->spacing, 0) + " mm is below the office's " +
                               DecimalText(set.officeMinSpacing, 0) + " mm with the largest bar allowed";
    }
  }
  rows.push_back(Rated("C12", "largest bar diameter", "IS 456 26.5.2.2", largest, D / 8, "mm", 2,
                       largest / (D / 8), ""));

  // Development at the bending sections (34.2.4.3), at the calculated tension.
  Legs legs;
  const double tauBd = checks::BondStress(set.fck, set.fy);
  const auto ld = [&](double dia, double sigma) { return dia * sigma / (4 * tauBd); };
  const std::size_t n = line.columns.size();
  for (std::size_t f = 0; f < 2 * n; ++f) {
    const double x = ColumnX(line, size, f / 2) + (f % 2 ? 1 : -1) * line.columns[f / 2].a / 2;
    Demand M;
    for (std::size_t k = 0; k < cases.size(); ++k) {
      const double m = cases[k].beam.Moment(x);
      if (m > M.value) M = {m, static_cast<int>(k), x};
    }
    if (!(M.value > 0)) continue;
    const double sigma = StressFor(M.value, B, r.dLb, r.bottom.area, set);
    // The bar must develop its force towards the nearer end.
    const double straight = std::min(x, size.L - x) * 1000 - set.cover;
    Anchorage a = Anchor("C14.L+" + IntText(static_cast<long long>(f + 1)),
                         "development of the bottom bars at the " + FaceName(line, f / 2, static_cast<int>(f % 2)),
                         ld(r.bottom.dia, sigma), straight, r.bottom.dia, sigma, D, set, CaseName(line, cases, M.loaded));
    legs.bottom = std::max(legs.bottom, a.leg);
    rows.push_back(a.row);
  }
  // Top bars: the design stress where the length allows it, else the
  // calculated one; the row of the section that asks most.
  struct TopSection {
    std::size_t k = 0;
    double x = 0, straight = 0, sigma = 0, u = 0;
  };
  std::optional<TopSection> top;
  for (std::size_t k = 0; k < cases.size(); ++k) {
    std::vector<double> sections = cases[k].zeroShear;
    for (std::size_t i = 0; i < n; ++i)
      for (int side : {-1, 1}) sections.push_back(ColumnX(line, size, i) + side * line.columns[i].a / 2);
    for (double x : sections) {
      const double M = -cases[k].beam.Moment(x);
      if (!(M > 0) || x <= 0 || x >= size.L) continue;
      const double straight = std::min(x, size.L - x) * 1000 - set.cover;
      double sigma = 0.87 * set.fy;
      if (ld(r.top.dia, sigma) > straight) sigma = StressFor(M, B, r.dLt, r.top.area, set);
      const double Ld = ld(r.top.dia, sigma), u = Ld / AnchorCapacity(Ld, straight, r.top.dia, D, set);
      if (!top || u > top->u) top = {k, x, straight, sigma, u};
    }
  }
  if (top) {
    const Anchorage a = Anchor("C14.L-", "development of the top bars at x " + DecimalText(top->x, 4) + " m",
                               ld(r.top.dia, top->sigma), top->straight, r.top.dia, top->sigma, D, set,
                               CaseName(line, cases, static_cast<int>(top->k)));
    legs.top = a.leg;
    rows.push_back(a.row);
  }
  legs.band.assign(r.band.size(), 0);
  for (std::size_t i = 0; i < r.band.size(); ++i) {
    const Demand& M = r.bandMoment[i];
    if (!(M.value > 0)) continue;
    const double cantilever =
        TransverseLoad(line, size, cases[static_cast<std::size_t>(M.loaded)], i, r.dT).cantilever * 1000;
    const double straight = cantilever - set.cover, dia = r.band[i].dia;
    double sigma = 0.87 * set.fy;
    if (ld(dia, sigma) > straight) sigma = StressFor(M.value, r.bands[i].width, r.dT, r.band[i].area, set);
    Anchorage a = Anchor("C14.T" + IntText(static_cast<long long>(i + 1)),
                         "development of the band bars under " + ColumnName(line, i), ld(dia, sigma), straight, dia,
                         sigma, D, set, CaseName(line, cases, M.loaded));
    legs.band[i] = a.leg;
    rows.push_back(a.row);
  }
  return legs;
}

}  // namespace footmark::combined
