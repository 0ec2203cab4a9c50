// Bars as the bending yard cuts and bends them: straight, an L with one 90
// degree bend and a U with two, their shape codes, the cutting length from
// the outside dimensions less the bend deductions, and the mass of a metre.
#pragma once

namespace footmark::bbs {

enum class Shape { Straight, OneBend, TwoBends };

// The shape codes of SP 34's bar bending schedule: 20 straight, 37 one 90
// degree bend (an L), 38 two 90 degree bends to one side (a U).
int ShapeCode(Shape shape);
// "straight", "L", "U".
const char* ShapeText(Shape shape);

// SP 34: a 90 degree bend takes 2 bar diameters off the sum of the outside
// dimensions (45: 1, 135: 3, 180: 4).
inline constexpr double kRightBendDeduction = 2;

// Mass of a metre of bar of diameter d (mm): 7850 kg/m3 x pi/4 d^2 is
// d^2/162.2; schedules take d^2/162 to three decimals (0.889 kg/m for 12 mm),
// so that every mass can be followed by hand.
double UnitMass(double dia);

struct BarShape {
  Shape shape = Shape::Straight;
  double dia = 0;  // mm
  double a = 0;    // outside length of the main run, mm
  double leg = 0;  // outside length of each leg of a U or of the foot of an L, mm
  // a plus the legs less a deduction per bend, to the millimetre.
  double CuttingLength() const;
};

}  // namespace footmark::bbs
