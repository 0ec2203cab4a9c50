#include "checks/design_checks.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>

#include "checks/check_steps.h"
#include "checks/footing_check.h"
#include "checks/group_inputs.h"
#include "checks/is456_tables.h"
#include "checks/load_demands.h"
#include "checks/quantities.h"
#include "model/numerics.h"

namespace footmark::checks {

namespace {

double Rounded(double x, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::round(x * scale) / scale;
}

// The steel of the quantities from the bar bending schedule: a mark's bars
// (its mesh and the starter bars of the columns on it), by diameter and in
// all.
void TakeSteel(DesignChecks& out) {
  for (GroupCheck& g : out.groups) {
    MarkQuantities& q = g.quantities;
    if (!q.note.empty()) continue;
    std::int64_t mesh = 0, starters = 0;
    for (const bbs::BarRow& r : out.bars.rows)
      if (r.footing == g.mark) (r.bar.shape == bbs::Shape::OneBend ? starters : mesh) += std::llround(r.mass * 100);
    q.meshSteel = static_cast<double>(mesh) / 100;
    q.starterSteel = static_cast<double>(starters) / 100;
    q.steelTotal = static_cast<double>(mesh + starters) / 100;
    q.steelEach = q.count > 0 ? q.steelTotal / q.count : 0;
  }
  for (const bbs::DiameterTotal& d : out.bars.byDia) out.steelByDia.emplace_back(d.dia, d.mass);
  out.steel = out.bars.mass;
}

// The footings near one of the group's, as placed.
std::vector<FootingInputs::Neighbour> Neighbours(const std::vector<int>& supports,
                                                 const std::vector<FootingPlace>& places,
                                                 const std::vector<Clash>& clashes) {
  const auto side = [&](int s) {
    for (const FootingPlace& p : places)
      if (p.support == s) return p.side;
    return 0.0;
  };
  std::vector<FootingInputs::Neighbour> near;
  for (const Clash& c : clashes) {
    for (const auto& [own, other] : {std::pair{c.supportA, c.supportB}, std::pair{c.supportB, c.supportA}}) {
      if (std::find(supports.begin(), supports.end(), own) == supports.end()) continue;
      const double reach = (side(own) + side(other)) / 2;
      near.push_back({own, other, c.gap, c.overlap, reach, std::max(c.gapX, c.gapZ) + reach});
    }
  }
  return near;
}

std::shared_ptr<const loads::LoadFile> LoadsOf(const Model& model) {
  if (model.Loads) return model.Loads;
  return std::make_shared<const loads::LoadFile>(loads::DesignReactions(model));
}

}  // namespace

class CheckMemo {
 public:
  CheckMemo(const loads::LoadFile* file, const CheckSettings& settings) : file_(file), settings_(settings) {}

  // A group's load demands by its columns and its shape: the same for the
  // steps that change only its bars, and for the worded check of a group
  // after its check without words. Null when the basis is no longer the one
  // they were summed on.
  std::unordered_map<std::string, LoadDemands>* For(const CheckBasis& basis) {
    return basis.file.get() == file_ && basis.settings == settings_ ? &demands_ : nullptr;
  }

 private:
  const loads::LoadFile* file_;
  CheckSettings settings_;
  std::unordered_map<std::string, LoadDemands> demands_;
};

const Check* GroupCheck::Governing() const {
  return check.governing < 0 ? nullptr : &check.checks[static_cast<std::size_t>(check.governing)];
}

CheckBasis MakeCheckBasis(const Model& model, const CheckSettings& settings, bool keep) {
  CheckBasis basis;
  basis.file = LoadsOf(model);
  basis.combinations = loads::FormCombinations(*basis.file, settings.psi);
  basis.settings = settings;
  if (keep) basis.memo = std::make_shared<CheckMemo>(basis.file.get(), settings);
  return basis;
}

namespace {

// A group's check and its bottom mesh for the bar bending schedule.
struct Checked {
  GroupCheck group;
  bbs::MeshBars mesh;
};

std::vector<SupportColumn> ColumnsOf(const Model& model, const std::vector<int>& supports) {
  std::vector<SupportColumn> columns;
  for (const int s : supports)
    if (s >= 1 && s <= model.NumSupports) columns.push_back({s, model.Footings(s).ColWidth, model.Footings(s).ColDepth});
  return columns;
}

Checked CheckOne(const Model& model, int g, const CheckBasis& basis, const std::vector<FootingPlace>& places,
                 const std::vector<Clash>& clashes, bool words = true) {
  GroupSource src = GroupInputs(model, g);
  FootingInputs& in = src.inputs;
  const CheckSettings& settings = basis.settings;
  in.words = words;
  in.placed = true;
  in.neighbours = Neighbours(src.supports, places, clashes);
  in.clearanceGap = settings.clearanceGap;
  const bool loaded = in.notDesigned.empty() && in.B > in.P && in.P > 0 && in.D > 0;
  const std::vector<SupportColumn> columns = loaded ? ColumnsOf(model, src.supports) : std::vector<SupportColumn>{};
  if (loaded) {
    const GroupShape shape{in.B / 1000, in.P / 1000, in.D / 1000, (in.D - kCover - 1.5 * in.barDia) / 1000};
    const auto demands = [&] {
      return GroupLoadDemands(*basis.file, basis.combinations, columns, shape, model.SBC, settings,
                              basis.reactions.get());
    };
    if (auto* kept = basis.memo ? basis.memo->For(basis) : nullptr) {
      // Everything the demands read beside the basis, as bytes.
      std::string key;
      const auto add = [&](const auto& value) { key.append(reinterpret_cast<const char*>(&value), sizeof value); };
      for (const double x : {shape.B, shape.P, shape.D, shape.dUp}) add(x);
      add(model.SBC);
      for (const SupportColumn& c : columns) add(c.support), add(c.sideA), add(c.sideB);
      auto at = kept->find(key);
      if (at == kept->end()) at = kept->emplace(std::move(key), demands()).first;
      in.loads = at->second;
    } else {
      in.loads = demands();
    }
  }

  Checked c;
  GroupCheck& group = c.group;
  group.mark = "F" + IntText(g);
  group.supports = src.supports;
  group.loadCase = src.loadCase;
  group.designSupport = model.FootGroups(g).GovSupport;
  group.check = CheckFooting(in);

  MarkQuantities& q = group.quantities;
  q.count = static_cast<int>(src.supports.size());
  if (group.check.verdict == Verdict::NotDesigned) {
    q.note = "not designed: no quantities";
  } else {
    q.concreteEach = Rounded(FootingConcrete(in.B, in.D, in.P), 3);
    q.concreteTotal = Rounded(q.count * q.concreteEach, 3);
  }
  c.mesh = {g, group.mark, q.count, q.note.empty(), in.B, in.D, static_cast<int>(in.barDia), in.bars,
            group.check.bendLeg};
  return c;
}

}  // namespace

GroupCheck CheckGroup(const Model& model, int g, const CheckBasis& basis, const std::vector<FootingPlace>& places,
                      const std::vector<Clash>& clashes, bool words) {
  return CheckOne(model, g, basis, places, clashes, words).group;
}

std::optional<Check> ColumnOnPedestal(const Model& model, int g, const CheckBasis& basis, float pedestal) {
  const std::vector<SupportColumn> columns = ColumnsOf(model, SupportNumbers(model.FootGroups(g).Supports));
  std::vector<ColumnBearing> loads;
  const std::vector<ColumnLoad> columnLoads = ColumnLoads(*basis.file, basis.combinations, columns, basis.reactions.get());
  for (const ColumnLoad& c : columnLoads) loads.push_back({c.Pu * 1e3, c.shortSide, c.longSide, 0, &c});
  if (loads.empty()) return std::nullopt;
  const double P = std::round(pedestal * 1000.0);  // mm, as the group's inputs take it
  return ColumnOnPedestalCheck(loads, model.Fck, P, std::numeric_limits<double>::quiet_NaN(), false);
}

DesignChecks CheckDesign(const Model& model, const CheckSettings& settings) {
  return CheckDesign(model, MakeCheckBasis(model, settings));
}

DesignChecks CheckDesign(const Model& model, const CheckBasis& basis, bool words) {
  const CheckSettings& settings = basis.settings;
  DesignChecks out;
  out.assumptions = MethodAssumptions(model);
  out.settings = settings;
  out.loadCases = basis.file->cases;
  out.loadFallback = basis.file->fallback;
  out.combinations = basis.combinations;
  out.loadWarnings = basis.file->warnings;
  out.loadWarnings.insert(out.loadWarnings.end(), out.combinations.notes.begin(), out.combinations.notes.end());
  const std::vector<FootingPlace> places = FootingPlaces(model);
  std::vector<bbs::MeshBars> meshes;
  out.clashes = FindClashes(places, settings.clearanceGap / 1000);

  for (int g = 1; g <= model.FootGroupCount; ++g) {
    Checked c = CheckOne(model, g, basis, places, out.clashes, words);
    const GroupCheck& group = c.group;
    const MarkQuantities& q = group.quantities;
    out.allFootings += q.count;
    switch (group.check.verdict) {
      case Verdict::Ok: ++out.ok; break;
      case Verdict::Fails: ++out.fails; break;
      case Verdict::NotDesigned: ++out.notDesigned; break;
    }
    out.methodOk += group.check.methodVerdict == Verdict::Ok;
    out.methodFails += group.check.methodVerdict == Verdict::Fails;
    if (group.check.verdict != Verdict::NotDesigned) {
      out.footings += q.count;
      out.concrete = Rounded(out.concrete + q.concreteTotal, 3);
    }
    meshes.push_back(c.mesh);
    out.groups.push_back(std::move(c.group));
  }
  // Column bars lap above the pedestal with their development length in tension.
  const double lapPerDia = model.Fck > 0 && model.Fe > 0 ? 0.87 * model.Fe / (4 * BondStress(model.Fck, model.Fe)) : 0;
  out.bars = bbs::ScheduleBars(model, meshes, {kCover, kEndCover, settings.foundingDepth * 1000, lapPerDia});
  TakeSteel(out);
  return out;
}

std::string DesignedFootingsText(const DesignChecks& checks) {
  return "designed footings only (" + IntText(checks.footings) + " of " + IntText(checks.allFootings) + ")";
}

std::vector<std::string> MethodAssumptions(const Model& model) {
  return {
      "Square isolated footings with a square pedestal. The design step sizes them for the largest gross soil "
      "pressure any support of the group gives under any load case (SBC for the first case, 1.25 x SBC after, "
      "both moments about one axis), checks the slab at 1.5 x that pressure with d = D - 60 mm and leaves the "
      "self weight out; its own verdict, governing check and utilisation stand beside the checks'.",
      "The checks take the load cases as the analysis defines them: primaries classed as dead, imposed, seismic "
      "or wind by their load type, else by whole words of their title; the file's combinations are service "
      "(largest factor up to 1.1) or factored (from 1.2); formed from the primaries: DL, DL + LL, DL ± X and "
      "DL + psi LL ± psi X in service, 1.5(DL + LL), 1.2(DL + LL ± X), 1.5(DL ± X) and 0.9DL ± 1.5X "
      "factored (IS 456 Table 18, IS 1893:2016 6.3.1.2), each lateral case with both signs, seismic and wind "
      "never together.",
      "Bearing (C1) under the service combinations with the weight of the footing, the pedestal up to the ground "
      "and the soil above it, the moments at the underside (the support joint h above it), both eccentricities "
      "together, and beyond the kern the pressure without tension; allowable SBC, with the increase for seismic "
      "or wind under a lateral combination; gross or net SBC (settings). Full contact (C1b): tension under a "
      "gravity combination fails, under a lateral one it is a warning.",
      "Slab (C3 to C8) and load transfer (C15) under the factored combinations with the net pressure (the weight "
      "loads slab and soil alike) and each combination's own moments, each direction with its own, at the upper "
      "layer's effective depth D - 50 - 1.5 phi; C15 takes the combination's own axial load.",
      "Limiting moment 0.138 fck b d^2 in the design for every steel grade (right for Fe 415, about 4 % "
      "high for Fe 500); the checks take 0.148, 0.138, 0.133 for Fe 250, 415, 500 (Annex G-1.1(c)).",
      "Shear strength from IS 456 Table 19 with the lower grade's column between grades and the M40 and "
      "above column for M45 and higher; k = 1 (40.2.1.1 not applied). Punching at d/2 from the pedestal "
      "face with ks 0.25 sqrt(fck), ks = 1 for the square pedestal.",
      "Steel provided is the scheduled bars, number x bar area, each way over the full width; spacing limits "
      "on (B - 2 x 50 - phi)/(n - 1). The design's 125 mm least spacing is an office rule (a warning).",
      "Development length from the pedestal face with deformed bars (tau_bd 60 % above plain bars); where "
      "the straight length is short, 90 degree bends up at the ends (8 phi each, leg at least 4 phi, "
      "inside D - 100 mm). Geometry is judged to the millimetre.",
      "Stability (C18, IS 456 20.1, 20.2): uplift and overturning under 0.9DL ± 1.5X with 0.9 x the weight "
      "resisting, overturning under 1.2DL + 1.4LL against 0.9DL, sliding as 1.4 x the horizontal force against "
      "friction under 0.9 DL; passive resistance ignored. Dropped for overturning and sliding when tie beams "
      "take the lateral actions (setting).",
      "Clearance (C20): footings centred on their columns, offsets included, parallel to the grid; an overlap "
      "fails (a combined footing is required), a gap below the warning gap (setting) is a warning.",
      "Quantities: footing B^2 D plus the pedestal as a cube of its side P^3 (the design's own volume; the "
      "pedestal's height is not known), to the litre per footing; steel from the bar bending schedule, the same "
      "bar lengths (bottom mesh with its bend-up legs and SP 34 bend deductions, column starter bars) at d^2/162 "
      "kg/m, so that the quantities' steel and the schedule's total are one figure. Totals are the sums of the "
      "rows as printed, over the designed footings only.",
      "The design accepts its first pedestal candidate only up to the reference volume of " +
          DecimalText(model.MaxVolume, 3) +
          " m3 (--max-volume) and none for a column above 750 mm (a 1.2 m pedestal); such groups are not "
          "designed.",
      "Not checked: the pedestal as a member and its height, column bars into the pedestal, top steel under net "
      "tension, exposure and durability.",
  };
}

}  // namespace footmark::checks

namespace footmark::checks {

namespace {

// A combined footing's bar sets as bar marks: "CF1-T" top, "CF1-B" bottom,
// "CF1-C2" the band under its second column, "CF1-D" the bottom
// distribution and "CF1-TD" the top one.
std::vector<bbs::SlabBars> SlabBarsOf(const combined::CombinedFooting& f) {
  const std::string axis = f.axis == combined::Axis::X ? "X" : "Z", across = f.axis == combined::Axis::X ? "Z" : "X";
  std::vector<bbs::SlabBars> out;
  for (const combined::BarSet& b : f.bars) {
    std::string code = b.name == "top" ? "T" : b.name == "bottom" ? "B" : b.name == "distribution" ? "D"
                       : b.name == "top distribution" ? "TD" : "";
    std::string member = f.mark + " " + b.name;
    if (code.empty() && b.name.rfind("band ", 0) == 0) {
      code = "C" + b.name.substr(5);
      const std::size_t column = static_cast<std::size_t>(std::atoi(b.name.c_str() + 5));
      if (column >= 1 && column <= f.supports.size()) member += " under support " + IntText(f.supports[column - 1]);
    }
    if (code.empty()) code = b.name;
    member += ", along " + (b.longitudinal ? axis : across);
    const double run = std::round(b.length * 1000 - 2 * b.leg);
    out.push_back({f.mark + "-" + code, member, static_cast<int>(std::lround(b.dia)), b.count, run, b.leg});
  }
  return out;
}

}  // namespace

void AddCombined(DesignChecks& checks, std::vector<combined::CombinedFooting> footings) {
  for (combined::CombinedFooting& f : footings) {
    const int count = static_cast<int>(f.supports.size());
    checks.allFootings += count;
    switch (f.verdict) {
      case Verdict::Ok: ++checks.ok; break;
      case Verdict::Fails: ++checks.fails; break;
      case Verdict::NotDesigned: ++checks.notDesigned; break;
    }
    if (f.verdict == Verdict::NotDesigned) continue;
    checks.footings += count;
    checks.concrete = Rounded(checks.concrete + Rounded(f.concrete, 3), 3);
    // Its steel is its bar marks' in the bar bending schedule, as a footing mark's is.
    bbs::AddSlabBars(checks.bars, f.mark, SlabBarsOf(f));
    f.steel = bbs::FootingMass(checks.bars, f.mark);
  }
  checks.steelByDia.clear();
  for (const bbs::DiameterTotal& d : checks.bars.byDia) checks.steelByDia.emplace_back(d.dia, d.mass);
  checks.steel = checks.bars.mass;
  checks.combined = std::move(footings);
}

}  // namespace footmark::checks
