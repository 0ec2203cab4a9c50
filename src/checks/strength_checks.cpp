// Soil bearing and the strength of the slab: bending, steel, one-way and
// punching shear, all at sections from the pedestal face.
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <string>

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

// Shear at d from the pedestal face; x <= 0 puts the section outside. Vu
// (N) of the load basis, or the uniform factored pressure on the strip.
OneWay OneWayAt(const FootingInputs& in, const Basis& b, double d, const double* loadBasisVu) {
  OneWay s;
  s.x = b.a - d;
  s.Vu = loadBasisVu ? *loadBasisVu : b.qu * in.B * std::max(s.x, 0.0);
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
Punching PunchingAt(const FootingInputs& in, const Basis& b, double d, const double* loadBasisVu) {
  Punching p;
  p.side = in.P + d;
  p.Vu = loadBasisVu ? *loadBasisVu : b.qu * (in.B * in.B - p.side * p.side);
  p.tauV = p.Vu / (4 * p.side * d);
  const double ks = std::min(1.0, 0.5 + 1.0);
  p.capacity = ks * 0.25 * std::sqrt(in.fck);
  return p;
}

const SlabDemand* LoadBasis(const FootingInputs& in, SlabDemand LoadDemands::*which) {
  return in.loads ? &(*in.loads.*which) : nullptr;
}

// The load basis's shear in N, or none.
std::optional<double> Newtons(const SlabDemand* d) {
  if (!d) return std::nullopt;
  return d->value * 1e3;
}

std::string SlabNote(const SlabDemand& d) {
  return "N_u " + DecimalText(d.Nu, 2) + " kN, M_b " + DecimalText(std::fabs(d.Mb), 2) + " kN m (sections across " +
         d.axis + ")";
}

const double kNone = std::numeric_limits<double>::quiet_NaN();

// The net factored pressure of the governing combination (m, kN): linear on
// the heavy side within the kern, else the contact pressure without tension
// less the weight it carries.
struct NetPressure {
  double B, f, a, c0 = 0, c1 = 0;
  double At(double x) const { return c0 + c1 * x; }
};

NetPressure NetOf(const FootingInputs& in, const SlabDemand& d, std::vector<std::string>& working) {
  NetPressure q{in.B / 1000, in.P / 2000, (in.B - in.P) / 2000};
  const double B = q.B;
  if (d.kern) {
    q.c0 = d.Nu / (B * B);
    q.c1 = 12 * std::fabs(d.Mb) / (B * B * B * B);
    working.push_back(Working({"q_n(x) = N_u/B^2 + 12 |M_b| x/B^4",
                               Fig(d.Nu, 2) + "/" + Fig(B, 3) + "^2 + 12 x " + Fig(std::fabs(d.Mb), 2) + " x/" +
                                   Fig(B, 3) + "^4",
                               Fig(q.c0, 2) + " + " + Fig(q.c1, 2) + " x kN/m2 (x from the centre, m; M_b = " +
                                   (d.axis == 'x' ? "M_bz" : "M_bx") + ")"}));
  } else {
    working.push_back("outside the kern: N_u + gamma_D W = " + Fig(d.Nu, 2) + " + " + Fig(d.weight, 2) + " = " +
                      Fig(d.Nu + d.weight, 2) + " kN presses on " + Fig(d.contact * 100, 1) +
                      " % of the base without tension; q_n is that pressure less gamma_D W/B^2 = " +
                      Fig(d.weight / (B * B), 2) + " kN/m2");
  }
  working.push_back(Working({"a = (B - P)/2", Fig(q.a, 3) + " m, f = P/2 = " + Fig(q.f, 3) + " m"}));
  return q;
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
  b.MuStrict = in.loads ? in.loads->moment.value * 1e6 : b.Mu;
  b.barArea = std::numbers::pi / 4 * in.barDia * in.barDia;
  b.kLim = LimitingMomentFactor(in.fy);
  return b;
}

Check Rated(const char* id, const char* name, const char* clause, double demand, double capacity,
            const char* unit, int decimals, double u, double uMethod) {
  Check c;
  c.id = id, c.name = name, c.clause = clause, c.demand = demand, c.capacity = capacity, c.unit = unit;
  c.decimals = decimals, c.utilisation = u, c.status = Status::Pass;
  c.methodUtilisation = uMethod, c.methodStatus = Status::NotApplicable;
  if (!(u <= 1 + 1e-9)) c.status = Status::Fail;
  if (!std::isnan(uMethod)) c.methodStatus = uMethod <= 1 + 1e-9 ? Status::Pass : Status::Fail;
  return c;
}

Check NewCheck(const char* id, const char* name, const char* clause, double demand, double capacity,
               const char* unit, int decimals, double u) {
  return Rated(id, name, clause, demand, capacity, unit, decimals, u, kNone);
}

void SetWhere(Check& c, const Governs& where, bool words) {
  c.support = where.support;
  c.combination = where.combination;
  c.loadCase = where.loadCase;
  if (where.support == 0 || !words) return;
  const loads::Reaction& r = where.reaction;
  c.reactions = "FORCE-X " + Fig(r.fx, 2) + ", FORCE-Y " + Fig(r.fy, 2) + ", FORCE-Z " + Fig(r.fz, 2) +
                " kN; MOM-X " + Fig(r.mx, 2) + ", MOM-Z " + Fig(r.mz, 2) + " kN m";
}

std::string Working(std::initializer_list<std::string> steps) {
  std::string line;
  for (const std::string& step : steps) line += (line.empty() ? "" : " = ") + step;
  return line;
}

std::string Fig(double x, int decimals) { return DecimalText(x, decimals, true); }

double AllowablePressure(double sbc, int loadCase) { return loadCase <= 1 ? sbc : 1.25 * sbc; }

Check BearingCheck(const FootingInputs& in, Sheet& sheet) {
  const bool own = in.bearingQ >= 0;
  const double q = own ? in.bearingQ : in.q;
  const int lc = own ? in.bearingCase : in.loadCase;
  const int number = own && in.bearingCaseNumber > 0 ? in.bearingCaseNumber : lc;
  const double qAll = AllowablePressure(in.sbc, lc);
  const char* name = "soil bearing pressure (service loads)";
  const char* clause = "IS 456 34.1.1, IS 1904";
  const std::string method = "the design's own: load case " + IntText(number) +
                             (lc <= 1 ? " on SBC" : " on 1.25 x SBC") + ", no weight";
  if (!in.loads) {
    sheet.push_back({"q for bearing", q, "kN/m2", 1});
    sheet.push_back({"q_all", qAll, "kN/m2", 1});
    Check c = Rated("C1", name, clause, q, qAll, "kN/m2", 1, q / qAll, q / qAll);
    c.note = "load case " + IntText(number) + (lc <= 1 ? ": SBC" : ": 1.25 x SBC (a later load case)");
    c.loadCase = number;
    c.working = {Working({"q_all", lc <= 1 ? "SBC" : "1.25 x SBC", Fig(qAll, 1) + " kN/m2"}),
                 Working({"u = q/q_all", Fig(q, 1) + "/" + Fig(qAll, 1), Fig(q / qAll, 4)})};
    return c;
  }
  const BearingDemand& d = in.loads->bearing;
  sheet.push_back({"W footing, pedestal and soil", in.loads->W, "kN", 2});
  sheet.push_back({"q_max bearing", d.qMax, "kN/m2", 2});
  sheet.push_back({"q_all bearing", d.qAll, "kN/m2", 2});
  Check c = Rated("C1", name, clause, d.q, d.qAll, "kN/m2", 2, d.u, q / qAll);
  SetWhere(c, d, in.words);
  if (d.support == 0) {
    c.status = Status::NotApplicable;
    c.note = "no service combination presses on the soil";
    return c;
  }
  if (!in.words) return c;
  c.note = "N " + DecimalText(d.N, 2) + " kN, M_bx " + DecimalText(d.Mbx, 2) + ", M_bz " + DecimalText(d.Mbz, 2) +
           " kN m, W " + DecimalText(in.loads->W, 2) + " kN, e_x " + DecimalText(d.ex, 4) + ", e_z " +
           DecimalText(d.ez, 4) + " m, q_max " + DecimalText(d.qMax, 2) + ", q_min " + DecimalText(d.qMin, 2) +
           " kN/m2";
  if (d.contact < 1) c.note += ", contact " + DecimalText(d.contact * 100, 1) + " % (no tension)";
  if (!std::isfinite(d.qMax)) c.note += ": the resultant lies beyond the base, no pressure holds it";
  if (d.q != d.qMax) c.note += "; net SBC: q_max less gamma_s Df";
  if (in.loads->pedestalHeight == 0) c.note += "; no pedestal or soil above the footing (D not above Df)";
  c.note += "; " + method;
  const LoadDemands& L = *in.loads;
  const double B = in.B / 1000, P = in.P / 1000, D = in.D / 1000, hp = L.pedestalHeight, Pt = d.N + L.W;
  const loads::Reaction& r = d.reaction;
  c.working = {
      Working({"W = gamma_c (B^2 D + P^2 h_p) + gamma_s (B^2 - P^2) h_p",
               Fig(L.concreteWeight, 1) + " x (" + Fig(B, 3) + "^2 x " + Fig(D, 3) + " + " + Fig(P, 3) + "^2 x " +
                   Fig(hp, 3) + ") + " + Fig(L.soilWeight, 1) + " x (" + Fig(B, 3) + "^2 - " + Fig(P, 3) + "^2) x " +
                   Fig(hp, 3),
               Fig(L.W, 2) + " kN"}),
      Working({"M_bx = MOM-X + h FORCE-Z", Fig(r.mx, 2) + " + " + Fig(L.h, 3) + " x " + Fig(r.fz, 2),
               Fig(d.Mbx, 2) + " kN m"}) +
          "; " + Working({"M_bz = MOM-Z - h FORCE-X", Fig(r.mz, 2) + " - " + Fig(L.h, 3) + " x " + Fig(r.fx, 2),
                          Fig(d.Mbz, 2) + " kN m"}),
      Working({"Pt = N + W", Fig(d.N, 2) + " + " + Fig(L.W, 2), Fig(Pt, 2) + " kN"}) + "; " +
          Working({"e_x = |M_bz|/Pt", Fig(std::fabs(d.Mbz), 2) + "/" + Fig(Pt, 2), Fig(d.ex, 4) + " m"}) + ", " +
          Working({"e_z = |M_bx|/Pt", Fig(std::fabs(d.Mbx), 2) + "/" + Fig(Pt, 2), Fig(d.ez, 4) + " m"})};
  if (d.contact >= 1)
    c.working.push_back(Working({"q_max = Pt/B^2 (1 + 6 e_x/B + 6 e_z/B)",
                                 Fig(Pt, 2) + "/" + Fig(B, 3) + "^2 x (1 + 6 x " + Fig(d.ex, 4) + "/" + Fig(B, 3) +
                                     " + 6 x " + Fig(d.ez, 4) + "/" + Fig(B, 3) + ")",
                                 Fig(d.qMax, 2) + " kN/m2"}));
  else
    c.working.push_back("6 (e_x + e_z)/B = " + Fig(6 * (d.ex + d.ez) / B, 4) +
                        " > 1, outside the kern: the pressure without tension over " + Fig(d.contact * 100, 1) +
                        " % of the base, q_max = " + Fig(d.qMax, 2) + " kN/m2");
  if (d.q != d.qMax)
    c.working.push_back(Working({"q = q_max - gamma_s Df (net SBC)", Fig(d.q, 2) + " kN/m2"}));
  const double sbc = in.sbc;
  c.working.push_back(Working({"q_all", d.qAll == sbc ? "SBC" : Fig(d.qAll / sbc, 2) + " x SBC (lateral combination)",
                               Fig(d.qAll, 2) + " kN/m2"}) +
                      "; " + Working({"u = q/q_all", Fig(d.q, 2) + "/" + Fig(d.qAll, 2), Fig(d.u, 4)}));
  return c;
}

Check BendingCheck(const FootingInputs& in, const Basis& b, Sheet& sheet) {
  const auto limit = [&](double d) { return b.kLim * in.fck * in.B * d * d; };
  const double dReq = std::sqrt(b.MuStrict / (b.kLim * in.fck * in.B));
  sheet.push_back({"Mu", b.Mu / 1e6, "kN m", 1});
  sheet.push_back({"k_lim", b.kLim, "", 4});
  sheet.push_back({"Mu,lim", limit(b.dMethod) / 1e6, "kN m", 1});
  Check c = Rated("C3", "bending at the pedestal face (limiting moment)", "IS 456 34.2.3, 38.1, G-1.1(c)",
                  b.MuStrict / 1e6, limit(b.dUp) / 1e6, "kN m", 1, b.MuStrict / limit(b.dUp),
                  b.Mu / limit(b.dMethod));
  if (!in.words) {
    if (const SlabDemand* d = LoadBasis(in, &LoadDemands::moment)) SetWhere(c, *d, false);
    return c;
  }
  c.note = "k_lim " + DecimalText(b.kLim, 4) + " for Fe " + DecimalText(in.fy, 0) + ", d required " +
           DecimalText(dReq, 0) + " mm";
  const double limitUp = limit(b.dUp);
  if (const SlabDemand* d = LoadBasis(in, &LoadDemands::moment)) {
    SetWhere(c, *d);
    c.note += "; " + SlabNote(*d);
    const NetPressure q = NetOf(in, *d, c.working);
    const double at = q.f + 2 * q.a / 3;
    c.working.push_back(
        d->kern ? Working({"Mu = B a^2/2 q_n(f + 2a/3)",
                           Fig(q.B, 3) + " x " + Fig(q.a, 3) + "^2/2 x q_n(" + Fig(at, 3) + ")",
                           Fig(q.B, 3) + " x " + Fig(q.a, 3) + "^2/2 x " + Fig(q.At(at), 2), Fig(d->value, 2) + " kN m"})
                : "Mu = the moment of q_n beyond the pedestal face about it = " + Fig(d->value, 2) + " kN m");
  } else {
    c.working.push_back(Working({"Mu = qu B a^2/2", Fig(b.qu, 3) + " x " + Fig(in.B, 0) + " x " + Fig(b.a, 0) + "^2/2",
                                 Fig(b.Mu / 1e6, 1) + " kN m"}));
  }
  c.working.push_back(Working({"Mu,lim = k_lim fck B d^2",
                               Fig(b.kLim, 4) + " x " + Fig(in.fck, 0) + " x " + Fig(in.B, 0) + " x " + Fig(b.dUp, 1) +
                                   "^2",
                               Fig(limitUp / 1e6, 1) + " kN m"}) +
                      " (d = D - c - 1.5 phi = " + Fig(b.dUp, 1) + " mm); " +
                      Working({"u = Mu/Mu,lim", Fig(b.MuStrict / 1e6, 2) + "/" + Fig(limitUp / 1e6, 1),
                               Fig(b.MuStrict / limitUp, 4)}));
  c.working.push_back("design step: " + Working({"Mu = qu B a^2/2", Fig(b.qu, 3) + " x " + Fig(in.B, 0) + " x " +
                                                                         Fig(b.a, 0) + "^2/2",
                                                 Fig(b.Mu / 1e6, 1) + " kN m"}) +
                      " with qu = 1.5 q, against Mu,lim at d = D - 60 = " + Fig(b.dMethod, 0) + " mm");
  // The design step takes the Fe 415 factor for every grade.
  if (b.kLim < 0.138)
    c.note += "; the method's 0.138 overstates Mu,lim by " + DecimalText((0.138 / b.kLim - 1) * 100, 1) +
              " %";
  return c;
}

Check SteelCheck(const FootingInputs& in, const Basis& b, Sheet& sheet) {
  const double R = b.MuStrict / (in.B * b.dUp * b.dUp);
  const double root = 1 - 4.6 * R / in.fck;
  sheet.push_back({"Mu/(B d^2)", b.Mu / (in.B * b.dMethod * b.dMethod), "N/mm2", 3});
  const double MuR = SteelMoment(in, b, in.astProvided, b.dUp);
  Check c = Rated("C4", "moment capacity of the steel provided", "IS 456 G-1.1(b), 34.3.1", b.MuStrict / 1e6,
                  MuR / 1e6, "kN m", 1, b.MuStrict / MuR, b.Mu / SteelMoment(in, b, in.astProvided, b.dMethod));
  if (!in.words) {
    if (const SlabDemand* d = LoadBasis(in, &LoadDemands::moment)) SetWhere(c, *d, false);
    return c;
  }
  if (root >= 0) {
    const double astReq = 0.5 * in.fck / in.fy * (1 - std::sqrt(root)) * in.B * b.dUp;
    sheet.push_back({"Ast required", astReq, "mm2", 0});
    c.note = "Ast required " + DecimalText(astReq, 0) + " mm2, ";
  } else {
    c.note = "beyond the limiting moment, ";
  }
  c.note += "provided " + DecimalText(in.astProvided, 0) + " mm2 (" + IntText(in.bars) + " bars of " +
            DecimalText(in.barDia, 0) + " mm)";
  if (const SlabDemand* d = LoadBasis(in, &LoadDemands::moment)) SetWhere(c, *d);
  const double d = b.dUp, ast = in.astProvided;
  if (root >= 0)
    c.working.push_back(Working({"Ast,req = 0.5 fck/fy (1 - sqrt(1 - 4.6 Mu/(fck B d^2))) B d",
                                 "0.5 x " + Fig(in.fck, 0) + "/" + Fig(in.fy, 0) + " x (1 - sqrt(1 - 4.6 x " +
                                     Fig(b.MuStrict / 1e6, 2) + "e6/(" + Fig(in.fck, 0) + " x " + Fig(in.B, 0) + " x " +
                                     Fig(d, 1) + "^2))) x " + Fig(in.B, 0) + " x " + Fig(d, 1),
                                 Fig(0.5 * in.fck / in.fy * (1 - std::sqrt(root)) * in.B * d, 0) + " mm2"}));
  c.working.push_back(Working({"Mu,R = 0.87 fy Ast d (1 - Ast fy/(B d fck))",
                               "0.87 x " + Fig(in.fy, 0) + " x " + Fig(ast, 0) + " x " + Fig(d, 1) + " x (1 - " +
                                   Fig(ast, 0) + " x " + Fig(in.fy, 0) + "/(" + Fig(in.B, 0) + " x " + Fig(d, 1) +
                                   " x " + Fig(in.fck, 0) + "))",
                               Fig(MuR / 1e6, 2) + " kN m"}) +
                      (MuR < 0.87 * in.fy * ast * d * (1 - ast * in.fy / (in.B * d * in.fck)) - 1
                           ? " (over-reinforced: held to Mu,lim)"
                           : "") +
                      "; " + Working({"u = Mu/Mu,R", Fig(b.MuStrict / 1e6, 2) + "/" + Fig(MuR / 1e6, 2),
                                      Fig(b.MuStrict / MuR, 4)}));
  return c;
}

Check MinSteelCheck(const FootingInputs& in, Sheet& sheet) {
  const double ratio = MinSteelRatio(in.fy);
  const double astMin = ratio * in.B * in.D;
  sheet.push_back({"Ast,min", astMin, "mm2", 0});
  Check c = Rated("C5", "minimum steel", "IS 456 26.5.2.1, 34.5.1", astMin, in.astProvided, "mm2", 0,
                  astMin / in.astProvided, astMin / in.astProvided);
  if (!in.words) return c;
  c.note = DecimalText(ratio * 100, 2) + " % of B D (the gross section)";
  c.working = {Working({"Ast,min = " + Fig(ratio * 100, 2) + " % B D",
                        Fig(ratio, 4) + " x " + Fig(in.B, 0) + " x " + Fig(in.D, 0), Fig(astMin, 0) + " mm2"}) +
                   "; " + Working({"Ast = n pi phi^2/4", IntText(in.bars) + " x pi x " + Fig(in.barDia, 0) + "^2/4",
                                   Fig(in.astProvided, 0) + " mm2"}),
               Working({"u = Ast,min/Ast", Fig(astMin, 0) + "/" + Fig(in.astProvided, 0),
                        Fig(astMin / in.astProvided, 4)})};
  return c;
}

Check OneWayShearCheck(const FootingInputs& in, const Basis& b, Sheet& sheet) {
  const SlabDemand* load = LoadBasis(in, &LoadDemands::shear);
  const std::optional<double> Vu = Newtons(load);
  const OneWay s = OneWayAt(in, b, b.dMethod, nullptr), up = OneWayAt(in, b, b.dUp, Vu ? &*Vu : nullptr);
  const char* name = "one-way shear at d from the pedestal face";
  const char* clause = "IS 456 34.2.4.1(a), 40.1, Table 19";
  const double uMethod = s.x > 0 ? s.tauV / s.tauC : 0;
  sheet.push_back({"pt", s.pt, "%", 3});
  if (s.x > 0) {
    sheet.push_back({"x = a - d", s.x, "mm", 0});
    sheet.push_back({"Vu one-way", s.Vu / 1e3, "kN", 1});
    sheet.push_back({"tau_v one-way", s.tauV, "N/mm2", 3});
    sheet.push_back({"tau_c", s.tauC, "N/mm2", 3});
  }
  if (up.x <= 0) {
    Check c = Rated("C6", name, clause, 0, up.tauC, "N/mm2", 3, 0, uMethod);
    c.status = Status::NotApplicable;
    c.note = "the section at d lies outside the footing";
    return c;
  }
  Check c = Rated("C6", name, clause, up.tauV, up.tauC, "N/mm2", 3, up.tauV / up.tauC, uMethod);
  if (!in.words) {
    if (load) SetWhere(c, *load, false);
    return c;
  }
  c.note = "Vu " + DecimalText(up.Vu / 1e3, 2) + " kN at x = a - d = " + DecimalText(up.x, 0) +
           " mm; Table 19, " + std::string(up.grade == 40 ? "M40 and above" : "M" + IntText(up.grade)) +
           " column, interpolated at pt " + DecimalText(up.pt, 3) + " %; k = 1";
  if (load) {
    SetWhere(c, *load);
    c.note += "; " + SlabNote(*load);
    const NetPressure q = NetOf(in, *load, c.working);
    const double d = b.dUp / 1000, x = q.a - d, at = q.f + d + x / 2;
    c.working.push_back(Working({"d = D - c - 1.5 phi", Fig(in.D, 0) + " - " + Fig(kCover, 0) + " - 1.5 x " +
                                                              Fig(in.barDia, 0),
                                 Fig(b.dUp, 1) + " mm"}) +
                        "; " + Working({"a - d", Fig(q.a, 3) + " - " + Fig(d, 4), Fig(x, 4) + " m"}));
    c.working.push_back(
        load->kern ? Working({"Vu = B (a - d) q_n(f + d + (a - d)/2)",
                              Fig(q.B, 3) + " x " + Fig(x, 4) + " x q_n(" + Fig(at, 4) + ")",
                              Fig(q.B, 3) + " x " + Fig(x, 4) + " x " + Fig(q.At(at), 2), Fig(up.Vu / 1e3, 2) + " kN"})
                   : "Vu = q_n beyond d from the pedestal face = " + Fig(up.Vu / 1e3, 2) + " kN");
  } else {
    c.working.push_back(Working({"Vu = qu B (a - d)", Fig(b.qu, 3) + " x " + Fig(in.B, 0) + " x " + Fig(up.x, 1),
                                 Fig(up.Vu / 1e3, 2) + " kN"}));
  }
  c.working.push_back(Working({"tau_v = Vu/(B d)", Fig(up.Vu / 1e3, 2) + "e3/(" + Fig(in.B, 0) + " x " + Fig(b.dUp, 1) + ")",
                               Fig(up.tauV, 4) + " N/mm2"}) +
                      "; " + Working({"pt = 100 Ast/(B d)", "100 x " + Fig(in.astProvided, 0) + "/(" + Fig(in.B, 0) +
                                                                  " x " + Fig(b.dUp, 1) + ")",
                                      Fig(up.pt, 3) + " %"}) +
                      ": tau_c = " + Fig(up.tauC, 4) + " N/mm2 (Table 19)");
  c.working.push_back(Working({"u = tau_v/tau_c", Fig(up.tauV, 4) + "/" + Fig(up.tauC, 4), Fig(up.tauV / up.tauC, 4)}));
  return c;
}

Check PunchingCheck(const FootingInputs& in, const Basis& b, Sheet& sheet) {
  const SlabDemand* load = LoadBasis(in, &LoadDemands::punching);
  const std::optional<double> Vu = Newtons(load);
  const Punching p = PunchingAt(in, b, b.dMethod, nullptr), up = PunchingAt(in, b, b.dUp, Vu ? &*Vu : nullptr);
  const char* name = "punching shear at d/2 from the pedestal face";
  const char* clause = "IS 456 34.2.4.1(b), 31.6.1, 31.6.3.1";
  const double uMethod = p.side < in.B ? p.tauV / p.capacity : 0;
  if (p.side < in.B) {
    sheet.push_back({"P + d", p.side, "mm", 0});
    sheet.push_back({"Vu punching", p.Vu / 1e3, "kN", 1});
    sheet.push_back({"tau_v punching", p.tauV, "N/mm2", 3});
    sheet.push_back({"ks 0.25 sqrt(fck)", p.capacity, "N/mm2", 3});
  }
  if (up.side >= in.B) {
    Check c = Rated("C7", name, clause, 0, up.capacity, "N/mm2", 3, 0, uMethod);
    c.status = Status::NotApplicable;
    c.note = "the perimeter at d/2 lies outside the footing";
    return c;
  }
  Check c = Rated("C7", name, clause, up.tauV, up.capacity, "N/mm2", 3, up.tauV / up.capacity, uMethod);
  if (!in.words) {
    if (load) SetWhere(c, *load, false);
    return c;
  }
  c.note = "Vu " + DecimalText(up.Vu / 1e3, 2) + " kN, b0 = 4 (P + d) = " + DecimalText(4 * up.side, 0) +
           " mm, ks = 1 (square pedestal)";
  const std::string side = Fig(up.side / 1000, 4), B = Fig(in.B / 1000, 3);
  if (load) {
    SetWhere(c, *load);
    c.working.push_back(load->kern ? Working({"Vu = N_u (1 - (P + d)^2/B^2)",
                                              Fig(load->Nu, 2) + " x (1 - " + side + "^2/" + B + "^2)",
                                              Fig(up.Vu / 1e3, 2) + " kN"}) +
                                         " (the moments cancel over the centred square)"
                                   : "Vu = N_u less the net pressure inside P + d = " + side + " m = " +
                                         Fig(up.Vu / 1e3, 2) + " kN");
  } else {
    c.working.push_back(Working({"Vu = qu (B^2 - (P + d)^2)", Fig(b.qu, 3) + " x (" + Fig(in.B, 0) + "^2 - " +
                                                                  Fig(up.side, 1) + "^2)",
                                 Fig(up.Vu / 1e3, 2) + " kN"}));
  }
  c.working.push_back(Working({"tau_v = Vu/(4 (P + d) d)",
                               Fig(up.Vu / 1e3, 2) + "e3/(" + Fig(4 * up.side, 1) + " x " + Fig(b.dUp, 1) + ")",
                               Fig(up.tauV, 4) + " N/mm2"}) +
                      "; " + Working({"ks 0.25 sqrt(fck)", "1 x 0.25 x sqrt(" + Fig(in.fck, 0) + ")",
                                      Fig(up.capacity, 4) + " N/mm2"}) +
                      "; " + Working({"u", Fig(up.tauV, 4) + "/" + Fig(up.capacity, 4), Fig(up.tauV / up.capacity, 4)}));
  return c;
}

}  // namespace footmark::checks
