#include "checks/design_checks.h"

#include <algorithm>

#include "checks/footing_check.h"
#include "checks/group_inputs.h"
#include "checks/quantities.h"
#include "model/numerics.h"

namespace footmark::checks {

namespace {

void AddSteel(DesignChecks& out, int dia, double kg) {
  auto& list = out.steelByDia;
  const auto at = std::find_if(list.begin(), list.end(), [&](const auto& e) { return e.first >= dia; });
  if (at != list.end() && at->first == dia)
    at->second += kg;
  else
    list.insert(at, {dia, kg});
}

}  // namespace

DesignChecks CheckDesign(const Model& model) {
  DesignChecks out;
  out.assumptions = MethodAssumptions(model);
  for (int g = 1; g <= model.FootGroupCount; ++g) {
    const GroupSource src = GroupInputs(model, g);
    GroupCheck group;
    group.mark = "F" + IntText(g);
    group.supports = src.supports;
    group.loadCase = src.loadCase;
    group.bearingSupport = src.bearingSupport;
    group.bearingLoadCase = src.bearingLoadCase;
    group.columnSupport = src.columnSupport;
    group.check = CheckFooting(src.inputs);

    MarkQuantities& q = group.quantities;
    q.count = static_cast<int>(src.supports.size());
    switch (group.check.verdict) {
      case Verdict::Ok: ++out.ok; break;
      case Verdict::Fails: ++out.fails; break;
      case Verdict::NotDesigned: ++out.notDesigned; break;
    }
    if (group.check.verdict == Verdict::NotDesigned) {
      q.note = "not designed: no quantities";
    } else {
      const FootingInputs& in = src.inputs;
      const FootingQuantities each = Quantities(in.B, in.D, in.P, in.barDia, in.bars, group.check.bendLeg);
      q.concreteEach = each.concrete;
      q.steelEach = each.steel;
      q.concreteTotal = q.count * each.concrete;
      q.steelTotal = q.count * each.steel;
      out.footings += q.count;
      out.concrete += q.concreteTotal;
      out.steel += q.steelTotal;
      AddSteel(out, static_cast<int>(in.barDia), q.steelTotal);
    }
    out.groups.push_back(std::move(group));
  }
  out.clashes = FindClashes(FootingPlaces(model));
  return out;
}

std::vector<std::string> MethodAssumptions(const Model& model) {
  return {
      "Square isolated footings with a square pedestal, designed by the limit-state method of IS 456:2000 "
      "for the largest gross soil pressure any support of the group gives under any load case.",
      "Soil pressure: axial load over B^2 plus both moments about one axis (section modulus B^3/6); "
      "allowable SBC for the first load case and 1.25 x SBC for the later ones. The self weight of footing "
      "and pedestal is left out of the design and added in the code-strict utilisation of C1; the backfill "
      "is not known.",
      "Load factor 1.5 on the gross soil pressure for every load case (IS 456 Table 18 allows 1.2 with wind "
      "or earthquake): on the safe side.",
      "Effective depth D - 60 mm for the design and the verdicts; with 50 mm clear cover the upper layer of "
      "the mesh sits at D - 50 - 1.5 phi, and the code-strict utilisations use that depth.",
      "Limiting moment 0.138 fck b d^2 in the design for every steel grade (right for Fe 415, about 4 % "
      "high for Fe 500); the checks take 0.148, 0.138, 0.133 for Fe 250, 415, 500 (Annex G-1.1(c)).",
      "Shear strength from IS 456 Table 19 with the lower grade's column between grades and the M40 and "
      "above column for M45 and higher; k = 1 (40.2.1.1 not applied). Punching at d/2 from the pedestal "
      "face with ks 0.25 sqrt(fck), ks = 1 for the square pedestal.",
      "Steel provided is the scheduled bars, number x bar area, each way over the full width; spacing limits "
      "on (B - 2 x 50 - phi)/(n - 1). The design's 125 mm least spacing is an office rule (a warning).",
      "Development length from the pedestal face with deformed bars (tau_bd 60 % above plain bars); where "
      "the straight length is short, 90 degree bends up at the ends (8 phi each, leg at least 4 phi, "
      "inside D - 100 mm).",
      "Bearing under the column with 1.5 x its largest axial load (IS 456 34.4).",
      "Quantities: footing B^2 D plus the pedestal as a cube of its side P^3 (the design's own volume; the "
      "pedestal's height is not known), bottom bars of length B - 100 mm both ways plus bend legs, steel "
      "7850 kg/m3.",
      "The design accepts its first pedestal candidate only up to the reference volume of " +
          DecimalText(model.MaxVolume, 3) +
          " m3 (--max-volume) and none for a column above 750 mm (a 1.2 m pedestal); such groups are not "
          "designed.",
      "Not checked: the pedestal as a member and its height, column bars into the pedestal, overturning and "
      "sliding, exposure and durability.",
  };
}

}  // namespace footmark::checks
