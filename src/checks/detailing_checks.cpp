// Detailing of the bottom mesh (depth at the edge, cover, spacing, bar
// size, steel against the declared figure, development length) and the
// load transfer from the column through the pedestal (bearing, 34.4).
#include <algorithm>
#include <cmath>

#include "checks/check_steps.h"
#include "checks/is456_tables.h"
#include "model/numerics.h"

namespace footmark::checks {

namespace {

// Centre to centre of the outer bars with the clear cover at both sides.
double CentreSpacing(const FootingInputs& in) {
  return (in.B - 2 * kCover - in.barDia) / (in.bars - 1);
}

// An office rule or a detail to draw, not a code limit; the method's basis
// is the same.
Check AsWarning(Check c) {
  if (c.status == Status::Pass) c.status = Status::Warning;
  c.methodStatus = c.status;
  return c;
}

}  // namespace

Check EdgeDepthCheck(const FootingInputs& in) {
  Check c = Rated("C8", "depth at the edge", "IS 456 34.1.2", 150, in.D, "mm", 0, 150 / in.D, 150 / in.D);
  if (in.words) c.working = {Working({"u = 150/D", "150/" + Fig(in.D, 0), Fig(150 / in.D, 4)})};
  return c;
}

Check CoverCheck(const FootingInputs& in, const Basis& b) {
  const double need = std::max(50.0, in.barDia);
  Check c = Rated("C9", "cover and effective depth", "IS 456 26.4.2.2, 26.4.1", need, kCover, "mm", 0,
                  need / kCover, need / kCover);
  if (!in.words) return c;
  c.note = "d used " + DecimalText(b.dMethod, 1) + " mm (D - 60), lower layer " + DecimalText(b.dLow, 1) +
           " mm, upper layer " + DecimalText(b.dUp, 1) + " mm (code-strict utilisations)";
  c.working = {"states the cover: c = " + Fig(kCover, 0) + " mm, at least max(50, phi) = " + Fig(need, 0) + " mm",
               Working({"d upper layer = D - c - 1.5 phi", Fig(in.D, 0) + " - " + Fig(kCover, 0) + " - 1.5 x " +
                                                               Fig(in.barDia, 0),
                        Fig(b.dUp, 1) + " mm"})};
  return c;
}

Check MaxSpacingCheck(const FootingInputs& in, const Basis& b, Sheet& sheet) {
  const double s = CentreSpacing(in);
  const auto limit = [](double d) { return std::min(3 * d, 300.0); };
  sheet.push_back({"s c/c of the outer bars", s, "mm", 1});
  Check c = Rated("C10", "maximum bar spacing", "IS 456 26.3.3(b)(1)", s, limit(b.dUp), "mm", 1,
                  s / limit(b.dUp), s / limit(b.dMethod));
  if (!in.words) return c;
  c.note = "s = (B - 2c - phi)/(n - 1); limit min(3d, 300 mm)";
  c.working = {Working({"s = (B - 2c - phi)/(n - 1)",
                        "(" + Fig(in.B, 0) + " - 2 x " + Fig(kCover, 0) + " - " + Fig(in.barDia, 0) + ")/(" +
                            IntText(in.bars) + " - 1)",
                        Fig(s, 1) + " mm"}) +
                   "; " + Working({"min(3d, 300)", "min(3 x " + Fig(b.dUp, 1) + ", 300)", Fig(limit(b.dUp), 1) + " mm"}) +
                   "; " + Working({"u", Fig(s, 1) + "/" + Fig(limit(b.dUp), 1), Fig(s / limit(b.dUp), 4)})};
  return c;
}

Check MinSpacingCheck(const FootingInputs& in, Sheet& sheet) {
  const double clear = CentreSpacing(in) - in.barDia;
  const double need = std::max(in.barDia, kAggregate + 5);
  sheet.push_back({"clear spacing", clear, "mm", 1});
  // Bars that touch or overlap have no bound on the ratio: they fail.
  const double u = clear > 0 ? need / clear : 999;
  Check c = Rated("C11", "minimum bar spacing", "IS 456 26.3.2", need, clear, "mm", 1, u, u);
  if (in.words) {
    c.note = "clear spacing at least max(phi, aggregate + 5 mm)";
    c.working = {Working({"clear = s - phi", Fig(clear + in.barDia, 1) + " - " + Fig(in.barDia, 0), Fig(clear, 1) + " mm"}) +
                 "; " + Working({"max(phi, 20 + 5)", Fig(need, 1) + " mm"}) + "; " +
                 Working({"u", Fig(need, 1) + "/" + Fig(clear, 1), Fig(need / clear, 4)})};
  }
  // The design's own 125 mm rule is office practice, not the code.
  if (in.spacing < kOfficeMinSpacing) {
    if (in.words) c.note += "; scheduled spacing " + DecimalText(in.spacing, 0) + " mm is below the office's 125 mm";
    return AsWarning(c);
  }
  return c;
}

Check BarSizeCheck(const FootingInputs& in) {
  Check c = Rated("C12", "maximum bar diameter", "IS 456 26.5.2.2", in.barDia, in.D / 8, "mm", 1,
                  in.barDia / (in.D / 8), in.barDia / (in.D / 8));
  if (in.words)
    c.working = {Working({"u = phi/(D/8)", Fig(in.barDia, 0) + "/(" + Fig(in.D, 0) + "/8)", Fig(in.barDia / (in.D / 8), 4)})};
  return c;
}

Check DeclaredSteelCheck(const FootingInputs& in, const Basis& b) {
  // The bars themselves, n x pi/4 phi^2, against the area the design declares.
  const double bars = in.bars * b.barArea;
  const double u = in.astDeclared / bars;
  Check c = Rated("C13", "steel provided against the declared area", "IS 456 34.3.1(a)", in.astDeclared,
                  bars, "mm2", 0, u, u);
  const int nMin = static_cast<int>(std::ceil(in.astDeclared / b.barArea - 1e-9));
  if (in.words) {
    c.note = IntText(in.bars) + " bars of " + DecimalText(b.barArea, 1) + " mm2, " + IntText(nMin) +
             " needed for the declared area";
    c.working = {Working({"n A_bar", IntText(in.bars) + " x " + Fig(b.barArea, 1), Fig(bars, 0) + " mm2"}) +
                 " against the declared " + Fig(in.astDeclared, 0) + " mm2 (compared, not rated)"};
  }
  if (c.status == Status::Fail) {
    c.status = Status::Warning;
    const int more = nMin - in.bars;
    if (in.words)
      c.note += "; " + DecimalText(in.astDeclared - bars, 0) + " mm2 short: add " +
                (more == 1 ? std::string("one bar") : IntText(more) + " bars");
  }
  // The schedule's convention: bar centres 60 mm from the edges.
  const double scheduleSpacing = (in.B - 2 * kMethodCover) / (in.bars - 1);
  if (std::fabs(scheduleSpacing - in.spacing) > 1) {
    c.status = Status::Warning;
    if (in.words)
      c.note += "; " + IntText(in.bars) + " bars 60 mm from the edges are " + DecimalText(scheduleSpacing, 0) +
                " mm apart, the schedule says " + DecimalText(in.spacing, 0) + " mm";
  }
  c.methodStatus = c.status;
  return c;
}

Check AnchorageCheck(const FootingInputs& in, const Basis& b, Sheet& sheet, double& leg) {
  const double tauBd = BondStress(in.fck, in.fy);
  const double Ld = in.barDia * 0.87 * in.fy / (4 * tauBd);
  const double straight = std::max(b.a - kEndCover, 0.0);
  sheet.push_back({"Ld", Ld, "mm", 1});
  sheet.push_back({"straight length from the pedestal face", straight, "mm", 0});
  const char* name = "development length of the bottom bars";
  const char* clause = "IS 456 26.2.1, 26.2.1.1, 34.2.4.3";
  leg = 0;
  const auto ldLine = [&] {
    return Working({"Ld = phi 0.87 fy/(4 tau_bd)",
                    Fig(in.barDia, 0) + " x 0.87 x " + Fig(in.fy, 0) + "/(4 x " + Fig(tauBd, 2) + ")",
                    Fig(Ld, 1) + " mm"}) +
           "; " + Working({"straight a - 50", Fig(b.a, 0) + " - " + Fig(kEndCover, 0), Fig(straight, 0) + " mm"});
  };
  if (Ld <= straight) {
    Check c = Rated("C14", name, clause, Ld, straight, "mm", 1, Ld / straight, Ld / straight);
    if (!in.words) return c;
    c.working = {ldLine(), Working({"u = Ld/straight", Fig(Ld, 1) + "/" + Fig(straight, 0), Fig(Ld / straight, 4)})};
    c.note = "tau_bd " + DecimalText(tauBd, 2) + " N/mm2, Ld = " + DecimalText(Ld / in.barDia, 1) +
             " phi; straight bars";
    return c;
  }
  // A 90 degree bend is worth 8 phi (26.2.2.1); the leg beyond it is at least
  // 4 phi and must stay inside the depth, 50 mm cover at top and bottom.
  const double need = std::max(Ld - straight - 8 * in.barDia, 4 * in.barDia);
  leg = std::ceil(need - 1e-9);
  const double room = in.D - 100;
  const double capacity = straight + 8 * in.barDia + std::max(room, 0.0);
  sheet.push_back({"bend-up leg", leg, "mm", 0});
  Check c = Rated("C14", name, clause, Ld, capacity, "mm", 1, Ld / capacity, Ld / capacity);
  if (!in.words) {
    if (leg <= room) return AsWarning(c);
    c.status = c.methodStatus = Status::Fail;
    return c;
  }
  c.note = "straight length " + DecimalText(straight, 0) + " mm is short of Ld " + DecimalText(Ld, 0) +
           " mm: bend up the ends, leg " + IntText(static_cast<long long>(leg)) + " mm";
  c.working = {ldLine(),
               Working({"leg = max(Ld - straight - 8 phi, 4 phi)",
                        "max(" + Fig(Ld, 1) + " - " + Fig(straight, 0) + " - 8 x " + Fig(in.barDia, 0) + ", 4 x " +
                            Fig(in.barDia, 0) + ")",
                        Fig(leg, 0) + " mm"}) +
                   " (a 90 degree bend is worth 8 phi, 26.2.2.1)",
               Working({"capacity = straight + 8 phi + (D - 100)", Fig(straight, 0) + " + " + Fig(8 * in.barDia, 0) +
                                                                       " + " + Fig(std::max(room, 0.0), 0),
                        Fig(capacity, 0) + " mm"}) +
                   "; " + Working({"u", Fig(Ld, 1) + "/" + Fig(capacity, 0), Fig(Ld / capacity, 4)})};
  if (leg <= room) return AsWarning(c);
  c.status = c.methodStatus = Status::Fail;
  c.note += ", more than the " + DecimalText(room, 0) + " mm the depth leaves";
  return c;
}

Check ColumnOnPedestalCheck(const std::vector<ColumnBearing>& loads, double fck, double P, double uMethod,
                            bool words) {
  const ColumnBearing* a = nullptr;
  for (const ColumnBearing& l : loads)
    if (!a || l.Share(fck, P) > a->Share(fck, P)) a = &l;
  const double sigmaA = a->Pu / (a->shortSide * a->longSide);
  Check c = Rated("C15a", "bearing, column on pedestal", "IS 456 34.4", sigmaA, OnPedestal(fck, P, a->longSide), "N/mm2", 3,
                  a->Share(fck, P), uMethod);
  SetWhere(c, a->Column(), words);
  return c;
}

std::vector<Check> LoadTransferChecks(const FootingInputs& in, const Basis& b, Sheet& sheet) {
  const auto onPedestal = [&](double longSide) { return OnPedestal(in.fck, in.P, longSide); };
  const double spread = std::min(in.P + 4 * in.D, in.B);  // 1V:2H from the pedestal foot
  const double onFooting = 0.45 * in.fck * std::min(2.0, spread / in.P);
  const double plainLimit = 0.45 * in.fck;
  // The design step's basis: 1.5 x the column's largest load, or qu B^2.
  const double methodPu = in.columnLoad > 0 ? in.columnLoad * 1e3 : b.qu * in.B * in.B;  // N
  const double shortSide = std::min(in.columnA, in.columnB), longSide = std::max(in.columnA, in.columnB);
  const double methodSigma = methodPu / (shortSide * longSide), methodSigmaP = methodPu / (in.P * in.P);
  sheet.push_back({"Pu column (1.5 x largest load)", methodPu / 1e3, "kN", 1});

  // On the load basis each support's own column and factored load (never
  // 1.5 x a factored case); without it the design's figure stands in.
  std::vector<ColumnBearing> loads;
  if (in.loads) {
    for (const ColumnLoad& c : in.loads->columns)
      loads.push_back({c.Pu * 1e3, c.shortSide, c.longSide, c.pedestalLoad * 1e3, &c});
  } else {
    loads.push_back({methodPu, shortSide, longSide, methodPu, nullptr});
  }
  const auto worst = [&](auto share) {
    const ColumnBearing* w = nullptr;
    for (const ColumnBearing& l : loads)
      if (!w || share(l) > share(*w)) w = &l;
    return w;
  };
  const char* clause = "IS 456 34.4";
  const std::string basis = in.loads ? "Pu = N_u of the factored combination"
                            : in.columnLoad > 0 ? "Pu = 1.5 x the column's largest load"
                                                : "Pu = qu B^2 (column load not known)";
  std::vector<Check> rows;
  if (loads.empty()) {
    for (const char* id : {"C15a", "C15b", "C15c"}) {
      Check c = Rated(id, "bearing under the column", clause, 0, 0, "N/mm2", 3, 0, 0);
      c.status = Status::NotApplicable;
      c.note = "no factored combination presses on the soil";
      rows.push_back(c);
    }
    return rows;
  }

  rows.push_back(ColumnOnPedestalCheck(loads, in.fck, in.P, methodSigma / onPedestal(longSide), in.words));
  if (in.words) {
    const ColumnBearing& a = *worst([&](const ColumnBearing& l) { return l.Share(in.fck, in.P); });
    const double sigmaA = a.Pu / (a.shortSide * a.longSide);
    rows.back().note = basis + ", " + DecimalText(a.Pu / 1e3, 2) + " kN on " + DecimalText(a.shortSide, 0) + " x " +
                       DecimalText(a.longSide, 0) + " mm";
    rows.back().working = {
        Working({"sigma = Pu/(a_c b_c)",
                 Fig(a.Pu / 1e3, 2) + "e3/(" + Fig(a.shortSide, 0) + " x " + Fig(a.longSide, 0) + ")",
                 Fig(sigmaA, 4) + " N/mm2"}),
        Working({"0.45 fck min(2, sqrt(A1/A2))", "0.45 x " + Fig(in.fck, 0) + " x min(2, " + Fig(in.P, 0) + "/" +
                                                       Fig(a.longSide, 0) + ")",
                 Fig(onPedestal(a.longSide), 4) + " N/mm2"}) +
            "; " + Working({"u", Fig(sigmaA, 4) + "/" + Fig(onPedestal(a.longSide), 4),
                            Fig(sigmaA / onPedestal(a.longSide), 4)})};
    if (rows.back().status == Status::Fail)
      rows.back().note += "; dowels for the excess: at least 0.5 % of the column area, 4 bars (34.4.3, 34.4.4)";
  }

  const ColumnBearing& p = *worst([&](const ColumnBearing& l) { return l.Pu / (l.shortSide * l.longSide); });
  const double sigmaB = p.Pu / (p.shortSide * p.longSide);
  Check plain = Rated("C15b", "bearing, column concrete without enhancement", clause, sigmaB, plainLimit, "N/mm2",
                      3, sigmaB / plainLimit, methodSigma / plainLimit);
  SetWhere(plain, p.Column(), in.words);
  if (in.words) {
    plain.note = basis + ", " + DecimalText(p.Pu / 1e3, 2) + " kN on " + DecimalText(p.shortSide, 0) + " x " +
                 DecimalText(p.longSide, 0) + " mm";
    plain.working = {Working({"sigma = Pu/(a_c b_c)",
                              Fig(p.Pu / 1e3, 2) + "e3/(" + Fig(p.shortSide, 0) + " x " + Fig(p.longSide, 0) + ")",
                              Fig(sigmaB, 4) + " N/mm2"}) +
                     "; " + Working({"0.45 fck", "0.45 x " + Fig(in.fck, 0), Fig(plainLimit, 4) + " N/mm2"}) + "; " +
                     Working({"u", Fig(sigmaB, 4) + "/" + Fig(plainLimit, 4), Fig(sigmaB / plainLimit, 4)})};
  }
  // The column's own bars, continued into the pedestal, carry the excess.
  for (Status* status : {&plain.status, &plain.methodStatus}) {
    if (*status != Status::Fail) continue;
    *status = Status::Warning;
    if (status == &plain.status && in.words)
      plain.note += "; the column bars continue into the pedestal as starter bars for the excess (34.4.1)";
  }
  rows.push_back(plain);

  const ColumnBearing& f = *worst([](const ColumnBearing& l) { return l.pedestalPu; });
  const double sigmaF = f.pedestalPu / (in.P * in.P);
  rows.push_back(Rated("C15c", "bearing, pedestal on footing", clause, sigmaF, onFooting, "N/mm2", 3,
                       sigmaF / onFooting, methodSigmaP / onFooting));
  SetWhere(rows.back(), f.Pedestal(), in.words);
  if (!in.words) return rows;
  rows.back().note = basis + (in.loads ? " with the pedestal's weight" : "") + "; A1 spread at 1V:2H to " +
                     DecimalText(spread, 0) + " mm";
  rows.back().working = {
      Working({"sigma = Pu/P^2", Fig(f.pedestalPu / 1e3, 2) + "e3/" + Fig(in.P, 0) + "^2", Fig(sigmaF, 4) + " N/mm2"}) +
          (in.loads ? " (Pu with the pedestal's weight)" : ""),
      Working({"0.45 fck min(2, min(P + 4D, B)/P)", "0.45 x " + Fig(in.fck, 0) + " x min(2, " + Fig(spread, 0) + "/" +
                                                         Fig(in.P, 0) + ")",
               Fig(onFooting, 4) + " N/mm2"}) +
          "; " + Working({"u", Fig(sigmaF, 4) + "/" + Fig(onFooting, 4), Fig(sigmaF / onFooting, 4)})};
  return rows;
}

}  // namespace footmark::checks
