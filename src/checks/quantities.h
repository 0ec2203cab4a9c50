// Concrete and bottom steel of one footing, for the quantities of a
// schedule of footings.
#pragma once

namespace footmark::checks {

struct FootingQuantities {
  double concrete = 0;   // m3: the footing B^2 D and the pedestal as a cube P^3
  double barLength = 0;  // m, one bar: B - 2c with a bend-up leg at each end
  double steel = 0;      // kg, both directions
};

// Mass of a bar of diameter phi (mm): 7850 kg/m3 x pi/4 phi^2, kg/m.
double BarMass(double barDia);

// B, D, P, barDia and leg in mm; `bars` in each direction. The pedestal's
// height is not known, so it counts as a cube of its side, as the design's
// own volume takes it.
FootingQuantities Quantities(double B, double D, double P, double barDia, int bars, double leg);

}  // namespace footmark::checks
