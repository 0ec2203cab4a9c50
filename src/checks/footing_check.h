// Checks one square footing with a square pedestal against IS 456:2000 from
// plain numbers, whatever produced them: the design step's groups go through
// CheckDesign (design_checks.h), a hand example straight through here.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "checks/check_result.h"
#include "checks/load_demands.h"

namespace footmark::checks {

// Office figures the checks assume (they are stated in MethodAssumptions).
inline constexpr double kCover = 50;             // clear cover to the bottom bars, mm (26.4.2.2)
inline constexpr double kEndCover = 50;          // cover at the bar ends, mm
inline constexpr double kMethodCover = 60;       // the design's effective cover: d = D - 60 mm
inline constexpr double kLoadFactor = 1.5;       // on the soil pressure, as the design applies it
inline constexpr double kAggregate = 20;         // nominal maximum aggregate size, mm
inline constexpr double kOfficeMinSpacing = 125; // the design's own spacing rule, mm

struct FootingInputs {
  double B = 0;        // footing side, mm
  double P = 0;        // pedestal side, mm
  double D = 0;        // overall depth, mm
  double columnA = 0;  // sides of the column standing on the pedestal, mm
  double columnB = 0;
  double barDia = 0;        // mm
  int bars = 0;             // bars in each direction
  double spacing = 0;       // centre to centre, as scheduled, mm
  double astDeclared = 0;   // steel each way the design asks for, mm2
  double astProvided = 0;   // steel each way of the bars scheduled, mm2
  double fck = 0, fy = 0;   // N/mm2
  double q = 0;             // governing gross service soil pressure of the design, kN/m2
  int loadCase = 1;         // its position among the load cases, from 1
  double sbc = 0;           // kN/m2
  // The soil pressure and load-case position with the highest share of
  // their allowable pressure; a negative bearingQ means q and loadCase.
  double bearingQ = -1;
  int bearingCase = 0;
  int bearingCaseNumber = 0;  // the file's number of that load case, for the note; 0: the position
  // Factored load of the column on the pedestal as the design step would
  // take it (1.5 x its largest load), kN; 0 lets qu B^2 stand in.
  double columnLoad = 0;
  // Why the design step left the footing undesigned; empty when it did not.
  std::string notDesigned;
  // The load basis (CheckDesign). Without it the code-strict figures take q
  // as the service pressure and differ from the method's in the depth only.
  std::optional<LoadDemands> loads;
  // Footings closer than the warning gap to one of the group's, as placed;
  // C20 runs only when `placed`.
  bool placed = false;
  struct Neighbour {
    int support = 0, other = 0;  // the group's support, the other footing's
    double gap = 0;              // clear gap, m; negative: overlap
    bool overlap = false;
    // (Ba + Bb)/2 and the larger centre distance along x or z, m: they
    // overlap when the first is the larger.
    double reach = 0, distance = 0;
  };
  std::vector<Neighbour> neighbours;
  double clearanceGap = 100;  // mm
  // The checks in words as well: notes, working, sheet values and the
  // reactions. A revision trying sizes reads the ratios, the verdict and
  // the reason only.
  bool words = true;
};

// Allowable soil pressure for a load-case position: the SBC for the first
// load case, 25 % more for the later ones (the combinations).
double AllowablePressure(double sbc, int loadCase);

// C0 to C20 on one footing. C0 failing (a zero or negative size, too few
// bars, a pedestal not smaller than the footing, an unknown grade, or the
// design's own reason) makes it "not designed" and skips the rest. When a
// check on the steel fails and one bar more would pass it, its note says
// "add one bar".
FootingCheck CheckFooting(const FootingInputs& in);

}  // namespace footmark::checks
