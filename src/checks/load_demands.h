// What the load basis asks of one footing group: the largest demand of each
// check over the group's supports and combinations, with the support and the
// combination that give it. Service combinations load the soil with the
// footing's weight (bearing, full contact); factored ones load the slab with
// the net pressure and the column (C3 to C8, C15); 0.9DL +- 1.5X and the
// dead load alone try its stability (C18).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "checks/check_settings.h"
#include "loads/combinations.h"
#include "loads/load_cases.h"

namespace footmark::checks {

struct Governs {
  int support = 0;          // 0: nothing gave a demand
  std::string combination;  // its name (loads::Combination::name)
  int loadCase = 0;         // the file's load-case number of the combination; 0: formed from the primaries
  loads::Reaction reaction;  // the combination's reactions at the support, as printed
};

// C1 on the service combination with the largest share of its allowable
// pressure.
struct BearingDemand : Governs {
  double q = 0;     // q_max as compared: less gamma_s Df on a net SBC, kN/m2
  double qAll = 0;  // SBC, or (1 + increase) SBC under a lateral combination
  double u = 0;
  double N = 0, Mbx = 0, Mbz = 0;  // kN, kN m at the underside
  double ex = 0, ez = 0;           // m
  double qMax = 0, qMin = 0;       // kN/m2, gross
  double contact = 1;              // fraction of the base pressing
};

// C1b: 6 (ex + ez) / B, the largest of the combinations of a kind.
struct ContactDemand : Governs {
  double u = 0;
  double contact = 1;
  double ex = 0, ez = 0;  // m
};

// A slab action at the upper layer's depth: moment kN m, shear kN.
struct SlabDemand : Governs {
  double value = 0;
  double Nu = 0, Mb = 0;  // the combination's axial load and moment about the section's axis
  char axis = 'x';        // sections across x (M_bz) or across z (M_bx)
  // Outside the kern: the part of the base pressing, and the weight the
  // contact pressure carries beside N_u (gamma_D W), kN.
  bool kern = true;
  double contact = 1, weight = 0;
};

// The largest factored load of one support's column (C15).
struct ColumnLoad : Governs {
  double Pu = 0;          // kN
  double shortSide = 0, longSide = 0;  // mm
  double pedestalLoad = 0;  // Pu with the pedestal's own weight, on the footing, kN
  std::string pedestalCombination;
  int pedestalCase = 0;
};

// C18: demand over capacity in the check's unit.
struct StabilityDemand : Governs {
  double demand = 0, capacity = 0, u = 0;
};

struct LoadDemands {
  bool fallback = false;   // the method's convention: every printed case alike
  bool stability = false;  // C18 applies: classified loads
  bool tieBeams = false;   // C18b and C18c are left to the tie beams
  bool lateral = false;    // seismic or wind cases in the file
  double W = 0;            // footing, pedestal and the soil above them, kN
  double concreteWeight = 25, soilWeight = 18;  // kN/m3, as W takes them
  double h = 0;            // support joint above the underside, m
  double pedestalHeight = 0;  // h_p = Df - D, m; 0 when the footing lies deeper than Df
  BearingDemand bearing;
  ContactDemand gravityContact, lateralContact;
  SlabDemand moment, shear, punching;
  std::vector<ColumnLoad> columns;  // one per support with a load
  StabilityDemand uplift, overturning, sliding;
  // Factored combinations under which a support pulls the footing up: its
  // bottom steel carries nothing, its top steel is not checked.
  int tension = 0;
  Governs firstTension;
  // Factored combinations whose resultant lies beyond the base: no pressure
  // holds the footing, the slab is not checked under them (C18b fails).
  int unbounded = 0;
  Governs firstUnbounded;
};

// The footing of a group as the load basis sees it, m.
struct GroupShape {
  double B = 0, P = 0, D = 0;
  double dUp = 0;  // effective depth of the upper bar layer
};

struct SupportColumn {
  int support = 0;
  double sideA = 0, sideB = 0;  // mm
};

// The combinations' reactions at one support, as the demands take them.
struct SupportReactions {
  std::vector<loads::Reaction> service, factored, uplift;  // in the order of their sets
  loads::Reaction dead, live;
};
SupportReactions ReactionsAt(const loads::LoadFile& file, const loads::CombinationSets& sets, int support);

// The reactions of every support, summed on first use and kept: they depend
// on the loads alone, while a revision takes a group's demands again at
// every trial size. For one file and one set of combinations; not to be
// filled from two threads at once.
class ReactionTable {
 public:
  const SupportReactions& At(const loads::LoadFile& file, const loads::CombinationSets& sets, int support) const;

 private:
  mutable std::vector<std::unique_ptr<const SupportReactions>> rows_;
};

// The largest factored load of each support's column alone, as the demands
// below find it (their pedestal loads are not taken).
std::vector<ColumnLoad> ColumnLoads(const loads::LoadFile& file, const loads::CombinationSets& sets,
                                    const std::vector<SupportColumn>& supports, const ReactionTable* reactions);

// `reactions`: a table kept for this file and these sets; null sums them here.
LoadDemands GroupLoadDemands(const loads::LoadFile& file, const loads::CombinationSets& sets,
                             const std::vector<SupportColumn>& supports, const GroupShape& shape, double sbc,
                             const CheckSettings& settings, const ReactionTable* reactions = nullptr);

}  // namespace footmark::checks
