// The checks only the load basis makes: full contact under service loads,
// the footing's stability (uplift, overturning, sliding) and its clearance
// from its neighbours in plan.
#include <algorithm>
#include <cmath>
#include <limits>

#include "checks/check_steps.h"
#include "model/numerics.h"

namespace footmark::checks {

namespace {

Check NotRun(Check c, const std::string& why) {
  c.status = Status::NotApplicable;
  c.note = why;
  return c;
}

std::string Kn(double x) { return DecimalText(x, 2); }

}  // namespace

Check ContactCheck(const LoadDemands& loads, double B, bool words) {
  const ContactDemand& gravity = loads.gravityContact;
  const ContactDemand& lateral = loads.lateralContact;
  const ContactDemand& shown = gravity.u > 1 || gravity.u >= lateral.u ? gravity : lateral;
  const double kern = B / 6000;  // m
  Check c = NewCheck("C1b", "full contact (the resultant within the kern)",
                     "IS 456 34.1.1 (practice)", shown.u * kern, kern, "m", 3,
                     shown.u);
  SetWhere(c, shown, words);
  if (shown.support == 0) return NotRun(c, "no service combination presses on the soil");
  if (!words) {
    if (gravity.u <= 1 && lateral.u > 1) c.status = Status::Warning;
    return c;
  }
  c.working = {Working({"u = 6 (e_x + e_z)/B", "6 x (" + Fig(shown.ex, 4) + " + " + Fig(shown.ez, 4) + ")/" + Fig(B / 1000, 3),
                        Fig(shown.u, 4)}) +
               " (the resultant within the kern: u at most 1)"};
  c.note = "e_x + e_z against B/6; practice: no tension under sustained loads";
  if (gravity.u > 1) {
    c.note += ": tension under the gravity combination " + gravity.combination +
              " (no tension under sustained loads)";
  } else if (lateral.u > 1) {
    c.status = Status::Warning;
    c.note += ": " + DecimalText(lateral.contact * 100, 1) + " % of the base in contact under " +
              lateral.combination + " at support " + IntText(lateral.support) +
              "; bearing (C1) takes the pressure without tension";
  }
  return c;
}

std::vector<Check> StabilityChecks(const LoadDemands& loads, bool words) {
  const char* clause = "IS 456 20.1, Table 18 note";
  // Compression everywhere is no tension: 0, at the support nearest to it.
  const double tension = std::max(loads.uplift.demand, 0.0);
  Check uplift = NewCheck("C18a", "uplift: net tension against 0.9 x the weight", clause, tension,
                          loads.uplift.capacity, "kN", 2, std::max(loads.uplift.u, 0.0));
  Check overturning = NewCheck("C18b", "overturning: the resultant within the base", "IS 456 20.1",
                               loads.overturning.demand, loads.overturning.capacity, "kN m", 2, loads.overturning.u);
  Check sliding = NewCheck("C18c", "sliding: 1.4 H against friction under 0.9 DL", "IS 456 20.2", loads.sliding.demand,
                           loads.sliding.capacity, "kN", 2, loads.sliding.u);
  SetWhere(uplift, loads.uplift, words);
  SetWhere(overturning, loads.overturning, words);
  SetWhere(sliding, loads.sliding, words);
  const auto ratio = [](const StabilityDemand& d, const char* what, const char* against) {
    return std::string(what) + " = " + Fig(d.demand, 2) + " against " + against + " = " + Fig(d.capacity, 2) + "; " +
           Working({"u", Fig(d.demand, 2) + "/" + Fig(d.capacity, 2), Fig(d.u, 4)});
  };
  // Compression everywhere is a tension of 0.
  if (words) {
    uplift.working = {Working({"0.9 W", "0.9 x " + Fig(loads.W, 2), Fig(0.9 * loads.W, 2) + " kN"}) + "; " +
                      Working({"T = max(-N, 0)", "max(" + Fig(loads.uplift.demand, 2) + ", 0)",
                               Fig(tension, 2) + " kN"}) +
                      "; " + Working({"u = T/(0.9 W)", Fig(tension, 2) + "/" + Fig(loads.uplift.capacity, 2),
                                      Fig(std::max(loads.uplift.u, 0.0), 4)})};
    overturning.working = {ratio(loads.overturning, "max(|M_bx|, |M_bz|)", "(N + 0.9 W) B/2")};
    sliding.working = {ratio(loads.sliding, "1.4 H", "mu R")};
  }
  if (!loads.stability) {
    const std::string why = "not checked: the load cases are taken alike, as the design does";
    return {NotRun(uplift, why), NotRun(overturning, why), NotRun(sliding, why)};
  }
  std::vector<Check> rows;
  if (!loads.lateral) {
    rows.push_back(NotRun(uplift, "no seismic or wind load case"));
  } else {
    uplift.note = tension > 0 ? "net tension " + Kn(tension) + " kN; footing, pedestal and the soil above them "
                                "resist with 0.9 W"
                              : "no net tension; the least compression " + Kn(-loads.uplift.demand) + " kN";
    rows.push_back(uplift);
  }
  if (loads.tieBeams) {
    const std::string why = "tie beams take the lateral actions (setting)";
    rows.push_back(NotRun(overturning, why));
    rows.push_back(NotRun(sliding, why));
    return rows;
  }
  overturning.note = std::isfinite(loads.overturning.u)
                         ? "moment at the underside against the restoring (N + 0.9 W) B/2"
                         : "N + 0.9 W does not press on the soil: nothing restores the footing";
  if (overturning.status == Status::Fail) overturning.note += "; a tie beam designed for it or a larger footing";
  sliding.note = "friction against 0.9 (N_D + W) less the lateral case's uplift; passive resistance ignored";
  rows.push_back(overturning);
  rows.push_back(sliding);
  return rows;
}

Check ClearanceCheck(const FootingInputs& in) {
  const FootingInputs::Neighbour* worst = nullptr;
  for (const auto& n : in.neighbours)
    if (!worst || n.reach / n.distance > worst->reach / worst->distance) worst = &n;
  const char* name = "clearance from the neighbouring footings";
  const char* clause = "practice";
  if (!worst) {
    Check c = NewCheck("C20", name, clause, 0, 0, "", 0, 0);
    if (in.words) c.note = "no footing within " + DecimalText(in.clearanceGap, 0) + " mm";
    return c;
  }
  const double u = worst->distance > 0 ? worst->reach / worst->distance : std::numeric_limits<double>::infinity();
  Check c = NewCheck("C20", name, clause, worst->reach * 1000, worst->distance * 1000, "mm", 0, u);
  c.support = worst->support;
  if (!in.words) {
    c.status = std::any_of(in.neighbours.begin(), in.neighbours.end(), [](const auto& n) { return n.overlap; })
                   ? Status::Fail
                   : Status::Warning;
    return c;
  }
  c.working = {Working({"u = (B_i + B_j)/2 / larger centre distance along x or z",
                        Fig(worst->reach * 1000, 0) + "/" + Fig(worst->distance * 1000, 0), Fig(u, 4)}) +
               " (support " + IntText(worst->support) + " with " + IntText(worst->other) + ")"};
  std::string overlaps, near;
  for (const auto& n : in.neighbours) {
    std::string& list = n.overlap ? overlaps : near;
    list += (list.empty() ? "" : ", ") + std::string("support ") + IntText(n.support) + " with " +
            IntText(n.other) + (n.overlap ? " by " : " at ") + DecimalText(std::fabs(n.gap) * 1000, 0) + " mm";
  }
  if (!overlaps.empty()) {
    c.status = Status::Fail;
    c.note = "half the two sides against the centre distance, footings centred on their columns; overlaps: " +
             overlaps +
             ": combined footing required";
  } else {
    c.status = Status::Warning;
    c.note = "clear gaps below " + DecimalText(in.clearanceGap, 0) + " mm: " + near;
  }
  if (!overlaps.empty() && !near.empty()) c.note += "; closer than " + DecimalText(in.clearanceGap, 0) + " mm: " + near;
  return c;
}

}  // namespace footmark::checks
