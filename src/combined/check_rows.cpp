// The check rows of a combined footing, soil and slab strength: bearing,
// the net pressure, flexure along and across, one-way shear both ways and
// punching. Each row names the combination that governs it.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "checks/is456_tables.h"
#include "combined/design_steps.h"
#include "combined/rows.h"
#include "model/numerics.h"

namespace footmark::combined {

CheckRow Rated(std::string id, std::string name, std::string clause, double demand, double capacity,
               std::string unit, int decimals, double u, std::string combination) {
  CheckRow r;
  checks::Check& c = r.check;
  c.id = std::move(id), c.name = std::move(name), c.clause = std::move(clause);
  c.demand = demand, c.capacity = capacity, c.unit = std::move(unit), c.decimals = decimals;
  c.utilisation = u;
  c.status = u <= 1 + 1e-9 ? checks::Status::Pass : checks::Status::Fail;
  c.combination = std::move(combination);
  return r;
}

CheckRow NotApplicable(std::string id, std::string name, std::string clause, std::string note) {
  CheckRow r;
  r.check.id = std::move(id), r.check.name = std::move(name), r.check.clause = std::move(clause);
  r.check.status = checks::Status::NotApplicable;
  r.check.rated = false;
  r.check.note = std::move(note);
  return r;
}

void AsWarning(CheckRow& row) {
  if (row.check.status == checks::Status::Fail) row.check.status = checks::Status::Warning;
}

std::string ColumnName(const Line& line, std::size_t i) {
  return "support " + IntText(line.columns[i].input->support);
}

std::string FaceName(const Line& line, std::size_t i, int side) {
  const std::size_t n = line.columns.size();
  const char* face = side == 0 ? (i == 0 ? "outer" : i + 1 == n ? "inner" : "left")
                               : (i + 1 == n ? "outer" : i == 0 ? "inner" : "right");
  return ColumnName(line, i) + " " + face + " face";
}

std::string CaseName(const Line& line, const std::vector<Loaded>& cases, int loaded) {
  if (loaded < 0) return "";
  return line.factored[cases[static_cast<std::size_t>(loaded)].index].combination->name;
}

namespace {

void SoilRows(const Line& line, const Size& size, const std::vector<Loaded>& cases, std::vector<CheckRow>& rows) {
  const Settings& set = *line.settings;
  const Case* worst = nullptr;
  Bearing b;
  const Case *gravityKern = nullptr, *lateralKern = nullptr;
  Bearing gk, lk;
  for (const Case& c : line.service) {
    const Bearing x = BearingUnder(line, size, c);
    if (!worst || x.u > b.u) worst = &c, b = x;
    Bearing& k = c.combination->lateral ? lk : gk;
    const Case*& kc = c.combination->lateral ? lateralKern : gravityKern;
    if (!kc || x.kern > k.kern) kc = &c, k = x;
  }
  CheckRow c1 = Rated("C1", "soil bearing pressure (service loads)", "IS 456 34.1.1; IS 6403", b.qMax, b.qAll,
                      "kN/m2", 2, b.u, worst->combination->name);
  c1.check.note = "Pt = N + W = " + DecimalText(worst->sumN, 1) + " + " + DecimalText(b.W, 2) + " kN, e_L " +
                  DecimalText(b.eL, 4) + " m, e_T " + DecimalText(b.eT, 4) + " m; " +
                  (set.netSbc ? "net SBC: q - gamma_s Df compared" : "gross SBC") +
                  (worst->combination->lateral ? ", increased for a lateral case" : "");
  if (b.kern > 1) c1.check.note += "; no-tension pressure, " + DecimalText(100 * b.contact, 0) + " % in contact";
  rows.push_back(c1);
  // No tension under sustained loads; wind and earthquake may lift a part.
  const bool gravityFails = gravityKern && gk.kern > 1 + 1e-9;
  const bool useLateral = !gravityFails && lateralKern && (!gravityKern || lk.kern > gk.kern);
  const Case* kc = useLateral ? lateralKern : gravityKern;
  const Bearing& k = useLateral ? lk : gk;
  CheckRow c1b = Rated("C1b", "full contact under the base", "IS 456 34.1.1: no tension under sustained loads", k.kern, 1, "", 3,
                       k.kern, kc->combination->name);
  if (useLateral && k.kern > 1 + 1e-9) {
    AsWarning(c1b);
    c1b.check.note = DecimalText(100 * k.contact, 0) + " % of the base in contact under a lateral case";
  }
  rows.push_back(c1b);

  // C2: what the slab is designed for.
  CheckRow c2 = NotApplicable("C2", "net factored pressure, shear and moment", "IS 456 36.4.1, Table 18", "");
  double qn = -1;
  for (std::size_t k2 = 0; k2 < cases.size(); ++k2) {
    const Loaded& lc = cases[k2];
    const double q = lc.q.contact.Max() - lc.q.weight;
    const double sumN = line.factored[lc.index].sumN;
    const double vEnd = lc.beam.Shear(size.L, true), mEnd = lc.beam.Moment(size.L, true);
    // V(L) = M(L) = 0: the pressure balances the loads.
    if (std::fabs(vEnd) > 1e-6 * sumN || std::fabs(mEnd) > 1e-6 * sumN * size.L) {
      c2.check.status = checks::Status::Fail;
      c2.check.note = "equilibrium lost under " + CaseName(line, cases, static_cast<int>(k2)) + ": V(L) " +
                      DecimalText(vEnd, 3) + " kN, M(L) " + DecimalText(mEnd, 3) + " kN m";
    }
    if (q <= qn) continue;
    qn = q;
    c2.check.combination = CaseName(line, cases, static_cast<int>(k2));
    c2.check.demand = q;
    c2.check.unit = "kN/m2", c2.check.decimals = 2;
    if (c2.check.status == checks::Status::Fail) continue;
    const double wStart = lc.beam.LineLoad(0), wEnd = lc.beam.LineLoad(size.L);
    const bool uniform = std::fabs(wStart - wEnd) <= 1e-9 * std::fabs(wStart);
    c2.check.note = "q_n up to " + DecimalText(q, 2) + " kN/m2; w " +
                    (uniform ? "uniform " + DecimalText(wStart, 2)
                             : "from " + DecimalText(wStart, 2) + " to " + DecimalText(wEnd, 2)) +
                    " kN/m" + (lc.q.contact.full ? "" : ", no-tension contact") + "; V(L) = M(L) = 0";
  }
  for (const Case& c : line.factored) {
    const bool carried = std::any_of(cases.begin(), cases.end(),
                                     [&](const Loaded& l) { return line.factored[l.index].combination == c.combination; });
    if (!(c.sumN > 0) || carried) continue;
    c2.check.status = checks::Status::Fail;
    c2.check.note = "the resultant of " + c.combination->name + " lies off the base: no soil pressure balances it";
    c2.check.combination = c.combination->name;
  }
  rows.push_back(c2);
}

void FlexureRow(const std::string& tag, const std::string& what, const Demand& M, double b, double d, double need,
                double minimum, const BarChoice& bars, const Line& line, const std::vector<Loaded>& cases,
                std::vector<CheckRow>& rows) {
  const Settings& set = *line.settings;
  const std::string name = CaseName(line, cases, M.loaded);
  const std::string where = " over " + DecimalText(b, 0) + " mm at d " + DecimalText(d, 0) + " mm";
  if (!(M.value > 0)) {
    rows.push_back(NotApplicable("C3." + tag, "limiting moment, " + what, "IS 456 34.2.3, G-1.1(c)",
                                 "no tension on this face"));
    rows.push_back(NotApplicable("C4." + tag, "steel for the moment, " + what, "IS 456 G-1.1(b)",
                                 "no tension on this face"));
  } else {
    const double lim = LimitingMoment(b, d, set), MuR = MomentOfSteel(bars.area, b, d, set);
    rows.push_back(Rated("C3." + tag, "limiting moment, " + what, "IS 456 34.2.3, 38.1, G-1.1(c)", M.value, lim,
                         "kN m", 1, M.value / lim, name));
    rows.back().check.note = "at x " + DecimalText(M.x, 4) + " m" + where;
    rows.push_back(Rated("C4." + tag, "steel for the moment, " + what, "IS 456 G-1.1(b), 34.3.1", M.value, MuR,
                         "kN m", 1, M.value / MuR, name));
    rows.back().check.note = "Ast required " + DecimalText(need, 0) + " mm2, provided " +
                             IntText(bars.count) + " T" + DecimalText(bars.dia, 0) + " = " +
                             DecimalText(bars.area, 0) + " mm2" + where;
  }
  if (!(minimum > 0)) {
    rows.push_back(NotApplicable("C5." + tag, "minimum steel, " + what, "IS 456 26.5.2.1, 34.5.1",
                                 "no tension on this face"));
    return;
  }
  rows.push_back(Rated("C5." + tag, "minimum steel, " + what, "IS 456 26.5.2.1, 34.5.1", minimum, bars.area,
                       "mm2", 0, minimum / bars.area, ""));
  rows.back().check.note = DecimalText(checks::MinSteelRatio(set.fy) * 100, 2) + " % of the gross section";
}

void FlexureRows(const Line& line, const Size& size, const std::vector<Loaded>& cases, const Reinforcement& r,
                 std::vector<CheckRow>& rows) {
  const double B = size.B * 1000;
  FlexureRow("L-", "top bars along (hogging)", r.hog, B, r.dLt, r.topNeed, r.topMin, r.top, line, cases, rows);
  FlexureRow("L+", "bottom bars along (sagging)", r.sag, B, r.dLb, r.bottomNeed, r.bottomMin, r.bottom, line, cases,
             rows);
  for (std::size_t i = 0; i < r.bands.size(); ++i)
    FlexureRow("T" + IntText(static_cast<long long>(i + 1)), "band under " + ColumnName(line, i), r.bandMoment[i],
               r.bands[i].width, r.dT, r.bandNeed[i], r.bandMin[i], r.band[i], line, cases, rows);
  if (!r.distributionStretches.empty()) {
    const double provided = BarChoiceRate(r.distribution);
    rows.push_back(Rated("C5.Tdist", "minimum steel, bottom across outside the bands", "IS 456 26.5.2.1, 34.5.1",
                         r.distributionRate, provided, "mm2/mm", 3, r.distributionRate / provided, ""));
    rows.back().check.note = "T" + DecimalText(r.distribution.dia, 0) + " @ " + DecimalText(r.distribution.spacing, 0);
  }
  // 34.5.2: 360 mm2/m each way on each face of a deep footing.
  if (size.D > 1000) {
    const double least = std::min({r.top.area / B, r.bottom.area / B, BarChoiceRate(r.topDistribution)}) * 1000;
    CheckRow deep = Rated("C5.deep", "steel on each face of a footing deeper than 1 m", "IS 456 34.5.2", 360, least,
                          "mm2/m", 0, 360 / least, "");
    AsWarning(deep);
    rows.push_back(deep);
  }
}

void ShearRows(const Line& line, const std::vector<Loaded>& cases, const Strength& s, std::vector<CheckRow>& rows) {
  const char* clause = "IS 456 34.2.4.1(a), 40.1, Table 19";
  for (std::size_t f = 0; f < s.faces.size(); ++f) {
    const ShearAtFace& sf = s.faces[f];
    const std::string id = "C6.L" + IntText(static_cast<long long>(f + 1));
    const std::string name = "one-way shear at d from the " + FaceName(line, f / 2, static_cast<int>(f % 2));
    if (!sf.applies) {
      rows.push_back(NotApplicable(id, name, clause, "the section at x " + DecimalText(sf.x, 4) +
                                                         " m lies outside the footing"));
      continue;
    }
    rows.push_back(Rated(id, name, clause, sf.tauV, sf.tauC, "N/mm2", 4, sf.u, CaseName(line, cases, sf.loaded)));
    rows.back().check.note = "x " + DecimalText(sf.x, 4) + " m at d " + DecimalText(sf.d, 0) + " mm (" +
                             (sf.top ? "top" : "bottom") + " bars in tension): V " + DecimalText(sf.V, 2) +
                             " kN, pt " + DecimalText(sf.pt, 3) + " %";
  }
  if (s.across.applies) {
    rows.push_back(Rated("C6.T", "one-way shear across, the whole length", clause, s.across.tauV, s.across.tauC,
                         "N/mm2", 4, s.across.u, CaseName(line, cases, s.across.loaded)));
    rows.back().check.note = "strip " + DecimalText(s.across.width * 1000, 0) + " mm beyond d_T: V " +
                             DecimalText(s.across.V, 2) + " kN, pt " + DecimalText(s.across.pt, 3) + " %";
  } else {
    rows.push_back(NotApplicable("C6.T", "one-way shear across, the whole length", clause,
                                 "the section at d lies beyond the long sides"));
  }
  for (std::size_t i = 0; i < s.bandShear.size(); ++i) {
    const WideShear& w = s.bandShear[i];
    const std::string id = "C6.Tb" + IntText(static_cast<long long>(i + 1));
    const std::string name = "one-way shear across in the band under " + ColumnName(line, i);
    if (w.loaded < 0) {
      rows.push_back(NotApplicable(id, name, "column band (textbook)", "the section at d lies beyond the long side"));
      continue;
    }
    // The band carrying the whole column load is the flexural idealisation;
    // punching covers the local concentration: a warning only.
    rows.push_back(Rated(id, name, "column band (textbook); IS 456 Table 19", w.tauV, w.tauC, "N/mm2", 4, w.u,
                         CaseName(line, cases, w.loaded)));
    AsWarning(rows.back());
    rows.back().check.note = "V " + DecimalText(w.V, 2) + " kN over the band " + DecimalText(w.width * 1000, 0) +
                             " mm, pt " + DecimalText(w.pt, 3) + " %";
  }
  for (const Perimeter& p : s.punching) {
    std::string id = "C7.", who;
    for (std::size_t i : p.columns) {
      id += (id.back() == '.' ? "" : "+") + IntText(static_cast<long long>(i + 1));
      who += (who.empty() ? "" : " and ") + ColumnName(line, i);
    }
    static const char* const kKinds[] = {"interior", "edge", "corner"};
    rows.push_back(Rated(id, "punching shear round " + who, "IS 456 34.2.4.1(b), 31.6.1, 31.6.3.1", p.tauV,
                         p.capacity, "N/mm2", 4, p.u, CaseName(line, cases, p.loaded)));
    rows.back().check.note = std::string(p.sidesDropped <= 2 ? kKinds[p.sidesDropped] : "edge strip") +
                             (p.columns.size() > 1 ? ", one perimeter round both" : "") + ": b0 " +
                             DecimalText(p.b0 * 1000, 0) + " mm at d " + DecimalText(p.d, 0) + " mm, Vu " +
                             DecimalText(p.Vu, 2) + " kN";
  }
}

}  // namespace

double BarChoiceRate(const BarChoice& bars) { return std::numbers::pi / 4 * bars.dia * bars.dia / bars.spacing; }

std::vector<CheckRow> CheckRows(const Line& line, const Size& size, const std::vector<Loaded>& cases,
                                const Reinforcement& r, const Strength& s,
                                const std::vector<checks::FootingPlace>& outside, Legs& legs) {
  std::vector<CheckRow> rows;
  SoilRows(line, size, cases, rows);
  FlexureRows(line, size, cases, r, rows);
  ShearRows(line, cases, s, rows);
  legs = DetailingRows(line, size, cases, r, rows);
  ColumnRows(line, size, cases, s, rows);
  SetRows(line, size, outside, rows);
  return rows;
}

}  // namespace footmark::combined
