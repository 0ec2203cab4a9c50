#include "checks/quantities.h"

namespace footmark::checks {

double FootingConcrete(double B, double D, double P) { return (B * B * D + P * P * P) / 1e9; }

}  // namespace footmark::checks
