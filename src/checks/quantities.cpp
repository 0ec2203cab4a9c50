#include "checks/quantities.h"

#include <numbers>

#include "checks/footing_check.h"

namespace footmark::checks {

double BarMass(double barDia) { return 7850 * std::numbers::pi / 4 * barDia * barDia * 1e-6; }

FootingQuantities Quantities(double B, double D, double P, double barDia, int bars, double leg) {
  FootingQuantities q;
  q.concrete = (B * B * D + P * P * P) / 1e9;
  q.barLength = (B - 2 * kCover + 2 * leg) / 1000;
  q.steel = 2 * bars * q.barLength * BarMass(barDia);
  return q;
}

}  // namespace footmark::checks
