// Soil bearing and the strength of the slab: bending, steel, one-way and
// punching shear, all at sections from the pedestal face.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "checks/check_steps.h"
#include "checks/is456_tables.h"
#include "model/numerics.h"

namespace footmark::checks {

namespace {

// Moment of resistance of Ast at depth d (Annex G-1.1(b)); an
// over-reinforced section is held to the limiting moment.
double SteelMoment(const FootingInputs& in, const Basis& b, double ast, double d) {
  const double xuOverD = 0.87 * in.fy * ast / (0.36 * in.fck * in.B * d);
  if (xuOverD > LimitingDepthRatio(in.fy)) return b.kLim * in.fck * in.B * d * d;
  return 0.87 * in.fy * ast * d * (1 - ast * in.fy / (in.B * d * in.fck));
}

struct OneWay {
  double x = 0, Vu = 0, tauV = 0, pt = 0, tauC = 0;
  int grade = 0;
};

// Shear at d from the pedestal face; x <= 0 puts the section outside.
OneWay OneWayAt(const FootingInputs& in, const Basis& b, double d) {
  OneWay s;
  s.x = b.a - d;
  s.Vu = b.qu * in.B * std::max(s.x, 0.0);
  s.tauV = s.Vu / (in.B * d);
  s.pt = 100 * in.astProvided / (in.B * d);
  s.tauC = Table19ShearStrength(in.fck, s.pt, &s.grade);
  return s;
}

struct Punching {
  double side = 0, Vu = 0, tauV = 0, capacity = 0;
};

// Perimeter at d/2 from the pedestal face (31.6.1); ks = 0.5 + beta_c, at
// most 1, with beta_c = 1 for the square pedestal (31.6.3.1).
Punching PunchingAt(const FootingInputs& in, const Basis& b, double d) {
  Punching p;
  p.side = in.P + d;
  p.Vu = b.qu * (in.B * in.B - p.side * p.side);
  p.tauV = p.Vu / (4 * p.side * d);
  const double ks = std::min(1.0, 0.5 + 1.0);
  p.capacity = ks * 0.25 * std::sqrt(in.fck);
  return p;
}

}  // namespace

Basis MakeBasis(const FootingInputs& in) {
  Basis b;
  b.qu = kLoadFactor * in.q / 1000;
  b.a = (in.B - in.P) / 2;
  b.dMethod = in.D - kMethodCover;
  b.dLow = in.D - kCover - in.barDia / 2;
  b.dUp = in.D - kCover - 1.5 * in.barDia;
  b.Mu = b.qu * in.B * b.a * b.a / 2;
  b.barArea = std::numbers::pi / 4 * in.barDia * in.barDia;
  b.kLim = LimitingMomentFactor(in.fy);
  return b;
}

Check Rated(const char* id, const char* name, const char* clause, double demand, double capacity,
            const char* unit, int decimals, double u, double uStrict) {
  Check c{id, name, clause, demand, capacity, unit, decimals, u, uStrict, Status::Pass, ""};
  if (!(u <= 1 + 1e-9)) c.status = Status::Fail;
  return c;
}

double AllowablePressure(double sbc, int loadCase) { return loadCase <= 1 ? sbc : 1.25 * sbc; }

Check BearingCheck(const FootingInputs& in, Sheet& sheet) {
  const bool own = in.bearingQ >= 0;
  const double q = own ? in.bearingQ : in.q;
  const int lc = own ? in.bearingCase : in.loadCase;
  const int number = own && in.bearingCaseNumber > 0 ? in.bearingCaseNumber : lc;
  const double qAll = AllowablePressure(in.sbc, lc);
  // The soil also carries the footing and the pedestal; the design leaves them out.
  const double weight = kConcreteWeight * (in.B * in.B * in.D + in.P * in.P * in.P) / 1e9 /
                        (in.B * in.B / 1e6);
  sheet.push_back({"q for bearing", q, "kN/m2", 1});
  sheet.push_back({"q_all", qAll, "kN/m2", 1});
  Check c = Rated("C1", "soil bearing pressure (service loads)", "IS 456 34.1.1", q, qAll, "kN/m2", 1,
                  q / qAll, (q + weight) / qAll);
  c.note = "load case " + IntText(number) + (lc <= 1 ? ": SBC" : ": 1.25 x SBC (a later load case)") +
           "; footing and pedestal weigh " + DecimalText(weight, 1) +
           " kN/m2 more on the soil (code-strict utilisation)";
  return c;
}

Check BendingCheck(const FootingInputs& in, const Basis& b, Sheet& sheet) {
  const auto limit = [&](double d) { return b.kLim * in.fck * in.B * d * d; };
  const double dReq = std::sqrt(b.Mu / (b.kLim * in.fck * in.B));
  sheet.push_back({"Mu", b.Mu / 1e6, "kN m", 1});
  sheet.push_back({"k_lim", b.kLim, "", 4});
  sheet.push_back({"Mu,lim", limit(b.dMethod) / 1e6, "kN m", 1});
  sheet.push_back({"d required", dReq, "mm", 0});
  Check c = Rated("C3", "bending at the pedestal face (limiting moment)", "IS 456 34.2.3, 38.1, G-1.1(c)",
                  b.Mu / 1e6, limit(b.dMethod) / 1e6, "kN m", 1, b.Mu / limit(b.dMethod),
                  b.Mu / limit(b.dUp));
  c.note = "k_lim " + DecimalText(b.kLim, 4) + " for Fe " + DecimalText(in.fy, 0) + ", d required " +
           DecimalText(dReq, 0) + " mm";
  // The design step takes the Fe 415 factor for every grade.
  if (b.kLim < 0.138)
    c.note += "; the method's 0.138 overstates Mu,lim by " + DecimalText((0.138 / b.kLim - 1) * 100, 1) +
              " %";
  return c;
}

Check SteelCheck(const FootingInputs& in, const Basis& b, Sheet& sheet) {
  const double R = b.Mu / (in.B * b.dMethod * b.dMethod);
  const double root = 1 - 4.6 * R / in.fck;
  sheet.push_back({"Mu/(B d^2)", R, "N/mm2", 3});
  const double MuR = SteelMoment(in, b, in.astProvided, b.dMethod);
  Check c = Rated("C4", "moment capacity of the steel provided", "IS 456 G-1.1(b), 34.3.1", b.Mu / 1e6,
                  MuR / 1e6, "kN m", 1, b.Mu / MuR, b.Mu / SteelMoment(in, b, in.astProvided, b.dUp));
  if (root >= 0) {
    const double astReq = 0.5 * in.fck / in.fy * (1 - std::sqrt(root)) * in.B * b.dMethod;
    sheet.push_back({"Ast required", astReq, "mm2", 0});
    c.note = "Ast required " + DecimalText(astReq, 0) + " mm2, ";
  } else {
    c.note = "beyond the limiting moment, ";
  }
  c.note += "provided " + DecimalText(in.astProvided, 0) + " mm2 (" + IntText(in.bars) + " bars of " +
            DecimalText(in.barDia, 0) + " mm)";
  return c;
}

Check MinSteelCheck(const FootingInputs& in, Sheet& sheet) {
  const double ratio = MinSteelRatio(in.fy);
  const double astMin = ratio * in.B * in.D;
  sheet.push_back({"Ast,min", astMin, "mm2", 0});
  Check c = Rated("C5", "minimum steel", "IS 456 26.5.2.1, 34.5.1", astMin, in.astProvided, "mm2", 0,
                  astMin / in.astProvided, astMin / in.astProvided);
  c.note = DecimalText(ratio * 100, 2) + " % of B D (the gross section)";
  return c;
}

Check OneWayShearCheck(const FootingInputs& in, const Basis& b, Sheet& sheet) {
  const OneWay s = OneWayAt(in, b, b.dMethod), up = OneWayAt(in, b, b.dUp);
  sheet.push_back({"pt", s.pt, "%", 3});
  if (s.x <= 0) {
    Check c{"C6", "one-way shear at d from the pedestal face", "IS 456 34.2.4.1(a), 40.1, Table 19",
            0, s.tauC, "N/mm2", 3, 0, up.x > 0 ? up.tauV / up.tauC : 0, Status::NotApplicable, ""};
    c.note = "the section at d lies outside the footing";
    return c;
  }
  sheet.push_back({"x = a - d", s.x, "mm", 0});
  sheet.push_back({"Vu one-way", s.Vu / 1e3, "kN", 1});
  sheet.push_back({"tau_v one-way", s.tauV, "N/mm2", 3});
  sheet.push_back({"tau_c", s.tauC, "N/mm2", 3});
  Check c = Rated("C6", "one-way shear at d from the pedestal face", "IS 456 34.2.4.1(a), 40.1, Table 19",
                  s.tauV, s.tauC, "N/mm2", 3, s.tauV / s.tauC, up.x > 0 ? up.tauV / up.tauC : 0);
  c.note = "Table 19, " + std::string(s.grade == 40 ? "M40 and above" : "M" + IntText(s.grade)) +
           " column, interpolated at pt " + DecimalText(s.pt, 3) + " %; k = 1";
  return c;
}

Check PunchingCheck(const FootingInputs& in, const Basis& b, Sheet& sheet) {
  const Punching p = PunchingAt(in, b, b.dMethod), up = PunchingAt(in, b, b.dUp);
  const char* name = "punching shear at d/2 from the pedestal face";
  const char* clause = "IS 456 34.2.4.1(b), 31.6.1, 31.6.3.1";
  const double uUp = up.side < in.B ? up.tauV / up.capacity : 0;
  if (p.side >= in.B) {
    Check c{"C7", name, clause, 0, p.capacity, "N/mm2", 3, 0, uUp, Status::NotApplicable,
            "the perimeter at d/2 lies outside the footing"};
    return c;
  }
  sheet.push_back({"P + d", p.side, "mm", 0});
  sheet.push_back({"Vu punching", p.Vu / 1e3, "kN", 1});
  sheet.push_back({"tau_v punching", p.tauV, "N/mm2", 3});
  sheet.push_back({"ks 0.25 sqrt(fck)", p.capacity, "N/mm2", 3});
  Check c = Rated("C7", name, clause, p.tauV, p.capacity, "N/mm2", 3, p.tauV / p.capacity, uUp);
  c.note = "b0 = 4 (P + d) = " + DecimalText(4 * p.side, 0) + " mm, ks = 1 (square pedestal)";
  return c;
}

}  // namespace footmark::checks
