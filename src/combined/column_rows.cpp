// The check rows at each column (load transfer, pedestal, starter bars) and
// of the footing as a whole (stability, grade, clearance, rigidity).
#include <algorithm>
#include <cmath>

#include "combined/footing_sets.h"
#include "combined/rows.h"
#include "model/numerics.h"

namespace footmark::combined {

namespace {

// sqrt(A1/A2) of 34.4, at most 2: A1 is the largest area similar to and
// concentric with the loaded one within the edges of the support and the
// 1V:2H frustum in the depth.
double Enhancement(double a, double b, double reachA, double reachB) {
  return std::min({2.0, reachA / a, reachB / b});
}

}  // namespace

void ColumnRows(const Line& line, const Size& size, const std::vector<Loaded>& cases, const Strength& s,
                std::vector<CheckRow>& rows) {
  const Settings& set = *line.settings;
  const double D = size.D, hp = std::max(0.0, set.foundingDepth - D / 1000);
  const char* clause = "IS 456 34.4";
  for (std::size_t i = 0; i < line.columns.size(); ++i) {
    const Column& c = line.columns[i];
    const std::string tag = IntText(static_cast<long long>(i + 1)), who = ColumnName(line, i);
    const double x = ColumnX(line, size, i), v = c.t - size.tc;
    const double toEnd = std::min(x, size.L - x) * 2000, toSide = std::min(size.B / 2 - v, size.B / 2 + v) * 2000;
    const double colArea = c.colA * c.colB, loadedA = c.a * 1000, loadedB = c.b * 1000;
    const double fckColumn = c.input->fckColumn > 0 ? c.input->fckColumn : set.fck;
    const double onFooting =
        0.45 * set.fck * Enhancement(loadedA, loadedB, std::min(loadedA + 4 * D, toEnd), std::min(loadedB + 4 * D, toSide));
    const double onPedestal = 0.45 * set.fck * Enhancement(c.colA, c.colB, loadedA, loadedB);
    int worst = -1, worstBase = -1;
    double Pu = 0, PuBase = 0, uBase = -1;
    for (std::size_t k = 0; k < cases.size(); ++k) {
      const Case& cs = line.factored[cases[k].index];
      if (cs.N[i] > Pu) Pu = cs.N[i], worst = static_cast<int>(k);
      // The pedestal's own weight adds at its foot.
      const double base = cs.N[i] + (c.pedestal ? cs.combination->deadFactor * set.concreteWeight * c.a * c.b * hp : 0);
      if (base / (loadedA * loadedB) > uBase) uBase = base / (loadedA * loadedB), PuBase = base, worstBase = static_cast<int>(k);
    }
    if (worst < 0) {
      rows.push_back(NotApplicable("C15." + tag, "bearing under " + who, clause, "no compression in a factored case"));
    } else {
      const std::string name = CaseName(line, cases, worst);
      const double sigma = Pu * 1e3 / colArea;
      // Where the column itself bears too hard, its bars carry the excess.
      const auto dowels = [&](CheckRow& row) {
        if (row.check.status == checks::Status::Fail)
          row.check.note = "dowels for the excess: at least 0.5 % of the column area, 4 bars (34.4.3, 34.4.4)";
      };
      if (c.pedestal) {
        rows.push_back(Rated("C15a." + tag, "bearing, column on pedestal, " + who, clause, sigma, onPedestal, "N/mm2",
                             3, sigma / onPedestal, name));
        dowels(rows.back());
      }
      const double sigmaBase = PuBase * 1e3 / (loadedA * loadedB);
      rows.push_back(Rated("C15." + tag, std::string("bearing, ") + (c.pedestal ? "pedestal" : "column") +
                                             " on the footing, " + who,
                           clause, sigmaBase, onFooting, "N/mm2", 3, sigmaBase / onFooting,
                           CaseName(line, cases, worstBase)));
      if (!c.pedestal) dowels(rows.back());
      const double plain = 0.45 * fckColumn;
      rows.push_back(Rated("C15b." + tag, "bearing, column concrete without enhancement, " + who, clause, sigma, plain,
                           "N/mm2", 3, sigma / plain, name));
      if (sigma > plain) {
        // The column's bars continue as starters and carry the excess (34.4.1, 34.4.3).
        AsWarning(rows.back());
        const double excess = (sigma - plain) * colArea / 1e3;
        rows.back().check.note = "excess " + DecimalText(excess, 1) + " kN: starters at least " +
                                 DecimalText(std::max(0.005 * colArea, excess * 1e3 / (0.67 * set.fy)), 0) +
                                 " mm2 (0.5 % of the column, or the excess at 0.67 fy)";
      }
    }
    if (!c.pedestal) {
      rows.push_back(NotApplicable("C16." + tag, "pedestal under " + who, "IS 456 26.5.3.1(h), 34.1.3", "no pedestal"));
    } else {
      const double capacity = 0.4 * set.fck * loadedA * loadedB / 1e3;
      rows.push_back(Rated("C16." + tag, "pedestal under " + who, "IS 456 26.5.3.1(h), 39.3", PuBase, capacity, "kN",
                           1, PuBase / capacity, CaseName(line, cases, worstBase)));
      const double projection = std::min(loadedA - c.colA, loadedB - c.colB) / 2;
      const double height = c.input->pedestalHeight * 1000, shortSide = std::min(loadedA, loadedB);
      rows.back().check.note = "projection " + DecimalText(projection, 0) + " mm; least steel 0.15 % = " +
                               DecimalText(0.0015 * loadedA * loadedB, 0) + " mm2" +
                               (height > 0 ? "; height " + DecimalText(height, 0) + " mm" : "; height not known");
      if (height > 3 * shortSide) {
        rows.back().check.status = checks::Status::Fail;
        rows.back().check.note += ", more than 3 x its least side: design it as a column";
      } else if (projection < 50) {
        AsWarning(rows.back());
        rows.back().check.status = checks::Status::Warning;
        rows.back().check.note += "; projection under 50 mm";
      }
    }
    if (!(s.starterLength[i] > 0)) {
      rows.push_back(NotApplicable("C17." + tag, "starter bars of " + who, "IS 456 26.2.1, 34.4.2",
                                   "needs the column bar diameter"));
    } else {
      rows.push_back(Rated("C17." + tag, "starter bars of " + who + " in compression", "IS 456 26.2.1, 34.4.2",
                           s.starterLength[i], s.starterRoom[i], "mm", 0, s.starterLength[i] / s.starterRoom[i], ""));
      rows.back().check.note = "T" + DecimalText(c.input->barDia, 0) + " down to the longitudinal bottom bars";
    }
  }
}

CheckRow ClearanceRow(const Line& line, const Size& size, const std::vector<checks::FootingPlace>& outside) {
  const Settings& set = *line.settings;
  const bool alongX = line.axis == Axis::X;
  const double cs = size.sc, ct = size.tc;
  const PlanRectangle rect{alongX ? cs : ct, alongX ? ct : cs, alongX ? size.L : size.B, alongX ? size.B : size.L};
  std::optional<checks::Clash> nearest;
  for (const checks::FootingPlace& place : outside) {
    // The larger of the two axis gaps never exceeds the clear gap.
    const double below = std::max(std::fabs(rect.x - place.x) - (rect.sizeX + place.side) / 2,
                                  std::fabs(rect.z - place.z) - (rect.sizeZ + place.side) / 2);
    if (nearest && below > std::max(nearest->gap, set.combiningGap) + 0.001) continue;
    const checks::Clash c = GapTo(rect, place);
    const bool worse = !nearest || Combines(c, set.combiningGap) > Combines(*nearest, set.combiningGap) ||
                       (Combines(c, set.combiningGap) == Combines(*nearest, set.combiningGap) && c.gap < nearest->gap);
    if (worse) nearest = c;
  }
  const char* name = "clearance to the footings round it";
  if (!nearest) return NotApplicable("C20", name, "plan clearance", "no footings round it");
  const double gap = nearest->gap;
  CheckRow row = Rated("C20", name, "plan clearance", set.clearanceGap * 1000, gap * 1000, "mm", 0,
                       gap > 0 ? std::min(kUnbounded, set.clearanceGap / gap) : kUnbounded, "");
  row.check.note = "nearest: support " + IntText(nearest->supportB) + ", gap " + DecimalText(gap * 1000, 0) + " mm";
  if (Combines(*nearest, set.combiningGap)) {
    row.check.status = checks::Status::Fail;
    row.check.note += nearest->overlap ? ", overlapping" : ", too narrow a strip of soil between";
  } else if (row.check.status == checks::Status::Fail) {
    row.check.status = checks::Status::Warning;  // close past a corner only
  }
  return row;
}

void SetRows(const Line& line, const Size& size, const std::vector<checks::FootingPlace>& outside,
             std::vector<CheckRow>& rows) {
  const Settings& set = *line.settings;
  const double W = Weight(line, size);
  struct Worst {
    double u = -1;
    const Case* c = nullptr;
    std::string note;
  } uplift, overturning, sliding;
  for (const Case& c : line.stability) {
    const double gamma = c.combination->deadFactor, Nr = c.sumN + gamma * W;
    const auto keep = [&](Worst& w, double u, std::string note) {
      if (u > w.u) w = {u, &c, std::move(note)};
    };
    const double ML = std::fabs(MomentAlong(c, line, size)), MT = std::fabs(MomentAcross(c, line, size));
    if (c.combination->slidingFactor > 0) {
      keep(sliding, Nr > 0 ? c.combination->slidingFactor * c.H / (set.friction * Nr) : kUnbounded,
           "H " + DecimalText(c.H, 2) + " kN, resisting N " + DecimalText(Nr, 2) + " kN, mu " +
               DecimalText(set.friction, 2));
      continue;
    }
    keep(uplift, std::max(0.0, -c.sumN) / (gamma * W), "N " + DecimalText(c.sumN, 2) + " kN against " +
                                                             DecimalText(gamma, 2) + " W = " +
                                                             DecimalText(gamma * W, 2) + " kN");
    keep(overturning, Nr > 0 ? std::max(ML / (Nr * size.L / 2), MT / (Nr * size.B / 2)) : kUnbounded,
         "M_L " + DecimalText(ML, 1) + ", M_T " + DecimalText(MT, 1) + " kN m on N_r " + DecimalText(Nr, 2) + " kN");
  }
  const auto stability = [&](const char* id, const char* name, const char* clause, const Worst& w) {
    if (!w.c) {
      rows.push_back(NotApplicable(id, name, clause, "no stability combination of this kind"));
      return;
    }
    rows.push_back(Rated(id, name, clause, w.u, 1, "", 3, w.u, w.c->combination->name));
    rows.back().check.note = w.note;
  };
  stability("C18a", "uplift of the whole footing", "IS 456 20.1, Table 18 note", uplift);
  stability("C18b", "overturning of the whole footing", "IS 456 20.1, Table 18 note", overturning);
  stability("C18c", "sliding of the whole footing", "IS 456 20.2", sliding);

  rows.push_back(Rated("C19", "concrete grade for the exposure", "IS 456 Table 5", set.minGrade, set.fck, "N/mm2", 0,
                       set.minGrade / set.fck, ""));
  AsWarning(rows.back());

  rows.push_back(ClearanceRow(line, size, outside));

  // C21: a rigid footing has linear soil pressure. Column spacing at most
  // 1.75 / lambda, lambda = (k_s B / (4 E_c I))^(1/4).
  double spacing = 0;
  for (std::size_t i = 1; i < line.columns.size(); ++i)
    spacing = std::max(spacing, line.columns[i].s - line.columns[i - 1].s);
  const char* name = "rigid footing (linear soil pressure)";
  if (!(set.subgradeModulus > 0)) {
    rows.push_back(NotApplicable("C21", name, "rigid method (textbook)", "rigid method assumed (no subgrade modulus given)"));
    return;
  }
  const double Ec = 5000 * std::sqrt(set.fck) * 1000, I = size.B * std::pow(size.D / 1000, 3) / 12;
  const double limit = 1.75 / std::pow(set.subgradeModulus * size.B / (4 * Ec * I), 0.25);
  rows.push_back(Rated("C21", name, "rigid method (textbook); IS 456 6.2.3.1", spacing, limit, "m", 2, spacing / limit, ""));
  rows.back().check.note = "column spacing against 1.75/lambda, k_s " + DecimalText(set.subgradeModulus, 0) + " kN/m3";
}

}  // namespace footmark::combined
