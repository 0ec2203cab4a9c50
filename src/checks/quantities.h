// Concrete of one footing, for the quantities of a schedule of footings; the
// steel is the bar bending schedule's (bbs/bar_schedule.h).
#pragma once

namespace footmark::checks {

// B, D and P in mm; m3. The pedestal's height is not known, so it counts as
// a cube of its side, as the design's own volume takes it.
double FootingConcrete(double B, double D, double P);

}  // namespace footmark::checks
