#include "checks/footing_check.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "checks/check_steps.h"
#include "model/numerics.h"

namespace footmark::checks {

namespace {

// C0: what makes the numbers no design at all, each fault in words.
std::string InputFaults(const FootingInputs& in) {
  // The design step's own reason says it all; the zeros it left add nothing.
  if (!in.notDesigned.empty()) return in.notDesigned;
  std::string faults;
  // The words only for a fault found.
  const auto fault = [&](bool bad, const auto& text) {
    if (!bad) return;
    if (!faults.empty()) faults += "; ";
    faults += text();
  };
  const std::pair<const char*, double> fields[] = {
      {"B", in.B},     {"P", in.P},           {"D", in.D},
      {"phi", in.barDia}, {"s", in.spacing},  {"Ast", in.astDeclared},
      {"Ast provided", in.astProvided},       {"fck", in.fck},
      {"fy", in.fy},   {"q", in.q},           {"SBC", in.sbc},
      {"column side", in.columnA},            {"column side", in.columnB}};
  const auto mm = [](double x) { return DecimalText(x, 0) + " mm"; };
  for (const auto& field : fields) {
    if (!std::isfinite(field.second)) {
      fault(true, [&] { return std::string(field.first) + " is not a number"; });
      return faults;
    }
  }
  fault(in.D <= 0, [&] { return "depth D = " + mm(in.D) + " (not positive)"; });
  fault(in.P <= 0, [&] { return "pedestal P = " + mm(in.P) + " (not positive)"; });
  fault(in.B <= 0, [&] { return "footing side B = " + mm(in.B) + " (not positive)"; });
  fault(in.astDeclared <= 0 || in.astProvided <= 0 || in.barDia <= 0,
        [&] { return "steel " + DecimalText(in.astProvided, 0) + " mm2 of " + mm(in.barDia) + " bars (not positive)"; });
  fault(in.bars < 2, [&] { return "n = " + IntText(in.bars) + " bars (at least 2)"; });
  fault(in.spacing <= 0, [&] { return "spacing s = " + mm(in.spacing) + " (not positive)"; });
  fault(in.P > 0 && in.P >= in.B,
        [&] { return "pedestal " + mm(in.P) + " not smaller than the footing " + mm(in.B); });
  fault(in.columnA <= 0 || in.columnB <= 0, [] { return std::string("column sides not positive"); });
  fault(in.P > 0 && std::max(in.columnA, in.columnB) > in.P,
        [&] { return "column " + mm(std::max(in.columnA, in.columnB)) + " wider than the pedestal"; });
  fault(in.D > 0 && in.D <= std::max(kMethodCover, kCover + 2 * in.barDia),
        [&] { return "depth D = " + mm(in.D) + " leaves no effective depth"; });
  fault(in.q <= 0, [] { return std::string("no load case presses on the soil (uplift is not designed for)"); });
  fault(in.sbc <= 0, [] { return std::string("SBC not positive"); });
  fault(in.fck < 20,
        [&] { return "fck = " + DecimalText(in.fck, 1) + " (at least M20 for reinforced concrete, Table 5)"; });
  fault(in.fy < 250 || in.fy > 600,
        [&] { return "fy = " + DecimalText(in.fy, 1) + " (steel grades Fe 250 to Fe 600)"; });
  return faults;
}

std::vector<SheetValue> InputSheet(const FootingInputs& in) {
  return {{"B footing side", in.B, "mm", 0},
          {"P pedestal side", in.P, "mm", 0},
          {"D overall depth", in.D, "mm", 0},
          {"column short side", std::min(in.columnA, in.columnB), "mm", 0},
          {"column long side", std::max(in.columnA, in.columnB), "mm", 0},
          {"phi bar diameter", in.barDia, "mm", 0},
          {"n bars each way", static_cast<double>(in.bars), "", 0},
          {"s spacing (schedule)", in.spacing, "mm", 0},
          {"Ast declared", in.astDeclared, "mm2", 0},
          {"Ast provided", in.astProvided, "mm2", 0},
          {"fck", in.fck, "N/mm2", 0},
          {"fy", in.fy, "N/mm2", 0},
          {"SBC", in.sbc, "kN/m2", 1},
          {"q governing gross pressure", in.q, "kN/m2", 1},
          {"q_all for its load case", AllowablePressure(in.sbc, in.loadCase), "kN/m2", 1},
          {"c clear cover", kCover, "mm", 0}};
}

// The checks whose result depends on the steel area provided.
std::vector<Check> SteelChecks(const FootingInputs& in, const Basis& b) {
  Sheet scratch;
  return {SteelCheck(in, b, scratch), MinSteelCheck(in, scratch), OneWayShearCheck(in, b, scratch)};
}


bool OnTheSteel(const Check& c) { return c.id == "C4" || c.id == "C5" || c.id == "C6"; }

// When the steel checks fail and one bar more would pass them all, say so.
void OfferOneBar(const FootingInputs& in, const Basis& b, std::vector<Check>& checks) {
  if (!in.words) return;
  if (std::none_of(checks.begin(), checks.end(),
                   [](const Check& c) { return OnTheSteel(c) && c.status == Status::Fail; }))
    return;
  FootingInputs more = in;
  more.astProvided += b.barArea;
  for (const Check& c : SteelChecks(more, b))
    if (c.status == Status::Fail) return;
  const std::string remedy = "; add one bar: " + IntText(in.bars + 1) + " bars give " +
                             DecimalText(more.astProvided, 0) + " mm2";
  for (Check& c : checks)
    if (OnTheSteel(c) && c.status == Status::Fail) c.note += remedy;
}

}  // namespace

namespace {

// Statements and consistency notes, not ratings: C0 the inputs, C9 states
// the cover, C13 compares the design's own figures.
bool Statement(const Check& c) { return c.id == "C0" || c.id == "C9" || c.id == "C13"; }

// The failing check with the highest utilisation, else the highest that passes.
void Govern(const std::vector<Check>& all, bool method, int& governing, double& utilisation) {
  const auto status = [&](const Check& c) { return method ? c.methodStatus : c.status; };
  const auto u = [&](const Check& c) { return method ? c.methodUtilisation : c.utilisation; };
  bool failing = false;
  for (const Check& c : all) failing = failing || status(c) == Status::Fail;
  governing = -1;
  for (int k = 0; k < static_cast<int>(all.size()); ++k) {
    const Check& c = all[static_cast<std::size_t>(k)];
    // The design step's own governing check leaves out the bearing that sized
    // the footing, and the column's own concrete as it always has.
    const bool rated = method ? !Statement(c) && c.id != "C1" && c.id != "C15b" : c.rated;
    const bool candidate = failing ? status(c) == Status::Fail : status(c) == Status::Pass && rated;
    if (candidate && (governing < 0 || u(c) > utilisation)) {
      governing = k;
      utilisation = u(c);
    }
  }
}

// What the load basis adds to the notes of the slab checks.
void LoadBasisNotes(const LoadDemands& loads, std::vector<Check>& all) {
  for (Check& c : all) {
    if (c.id == "C4" && loads.tension > 0)
      c.note += "; top steel not checked: the support pulls the footing up under " + IntText(loads.tension) +
                " factored combination" + (loads.tension == 1 ? "" : "s") + " (support " +
                IntText(loads.firstTension.support) + ", " + loads.firstTension.combination + "; see C18a)";
    if (c.id == "C3" && loads.unbounded > 0)
      c.note += "; not under " + IntText(loads.unbounded) + " factored combination" +
                (loads.unbounded == 1 ? "" : "s") + " whose resultant lies beyond the base (support " +
                IntText(loads.firstUnbounded.support) + ", " + loads.firstUnbounded.combination + "; see C18b)";
  }
}

}  // namespace

FootingCheck CheckFooting(const FootingInputs& in) {
  FootingCheck out;
  if (in.words) out.inputs = InputSheet(in);
  const std::string faults = InputFaults(in);
  Check c0;
  c0.id = "C0";
  c0.name = "input sanity";
  c0.status = c0.methodStatus = faults.empty() ? Status::Pass : Status::Fail;
  c0.note = faults.empty() ? "input valid" : "invalid: " + faults;
  c0.rated = false;
  out.checks.push_back(c0);
  if (!faults.empty()) {
    out.verdict = out.methodVerdict = Verdict::NotDesigned;
    out.reason = faults;
    // Left undesigned by the method: its size and the column, none of the
    // leftovers of its last trial (a depth of 0, bars at a negative spacing).
    if (!in.notDesigned.empty())
      std::erase_if(out.inputs, [](const SheetValue& v) {
        const char first = v.name.front();
        return first == 'P' || first == 'D' || v.name.rfind("phi", 0) == 0 || first == 'n' || first == 's' ||
               v.name.rfind("Ast", 0) == 0;
      });
    return out;
  }

  const Basis b = MakeBasis(in);
  Sheet& sheet = out.derived;
  sheet = {{"qu = 1.5 q", b.qu * 1000, "kN/m2", 1}, {"a cantilever", b.a, "mm", 0},
           {"d used (D - 60)", b.dMethod, "mm", 1},  {"d lower layer", b.dLow, "mm", 1},
           {"d upper layer", b.dUp, "mm", 1}};
  if (in.loads) {
    sheet.push_back({"h support joint above the underside", in.loads->h, "m", 3});
    sheet.push_back({"h_p pedestal above the footing", in.loads->pedestalHeight, "m", 3});
  }
  std::vector<Check>& all = out.checks;
  all.reserve(24);
  all.push_back(BearingCheck(in, sheet));
  if (in.loads) all.push_back(ContactCheck(*in.loads, in.B, in.words));
  all.push_back(BendingCheck(in, b, sheet));
  all.push_back(SteelCheck(in, b, sheet));
  all.push_back(MinSteelCheck(in, sheet));
  all.push_back(OneWayShearCheck(in, b, sheet));
  all.push_back(PunchingCheck(in, b, sheet));
  all.push_back(EdgeDepthCheck(in));
  all.push_back(CoverCheck(in, b));
  all.push_back(MaxSpacingCheck(in, b, sheet));
  all.push_back(MinSpacingCheck(in, sheet));
  all.push_back(BarSizeCheck(in));
  all.push_back(DeclaredSteelCheck(in, b));
  all.push_back(AnchorageCheck(in, b, sheet, out.bendLeg));
  for (Check& c : LoadTransferChecks(in, b, sheet)) all.push_back(std::move(c));
  if (in.loads) {
    for (Check& c : StabilityChecks(*in.loads, in.words)) all.push_back(std::move(c));
    if (in.words) LoadBasisNotes(*in.loads, all);
  }
  if (in.placed) all.push_back(ClearanceCheck(in));
  OfferOneBar(in, b, all);

  if (out.bendLeg > 0) out.barDetail = "bend up the ends, leg " + DecimalText(out.bendLeg, 0) + " mm";
  out.verdict = out.methodVerdict = Verdict::Ok;
  // A check with no figures (no footing near enough to measure) has nothing to rate either.
  for (Check& c : all)
    c.rated = !Statement(c) && (c.status == Status::Pass || c.status == Status::Fail) &&
              !(c.unit.empty() && c.demand == 0 && c.capacity == 0);
  for (const Check& c : all) {
    if (c.status == Status::Warning) ++out.warnings;
    if (c.methodStatus == Status::Fail) out.methodVerdict = Verdict::Fails;
    if (c.status != Status::Fail) continue;
    out.verdict = Verdict::Fails;
    if (!out.reason.empty()) out.reason += "; ";
    out.reason += c.id + " " + c.name + (c.rated ? " (u " + DecimalText(c.utilisation, 4, true) + ")" : "");
  }
  Govern(all, false, out.governing, out.governingUtilisation);
  Govern(all, true, out.methodGoverning, out.methodGoverningUtilisation);
  return out;
}

}  // namespace footmark::checks
