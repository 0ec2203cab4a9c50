#include "checks/quantities.h"

#include <numbers>

namespace footmark::checks {

double BarMass(double barDia) { return 7850 * std::numbers::pi / 4 * barDia * barDia * 1e-6; }

double FootingConcrete(double B, double D, double P) { return (B * B * D + P * P * P) / 1e9; }

}  // namespace footmark::checks
