// The IS 456:2000 values the checks judge a footing with. They are the
// checks' own copies, kept apart from the design step's, so that a fault in
// one is caught by the other.
#pragma once

namespace footmark::checks {

// Design shear strength tau_c (N/mm2) of IS 456 Table 19 for pt % of
// tension steel: rows interpolated linearly, pt below 0.15 taken as 0.15 and
// above 3.00 as 3.00. The column is that of the highest tabulated grade not
// above fck (between grades the lower one, on the safe side); "M40 and
// above" serves M45, M50 and higher, never an empty column. `grade`, when
// given, receives the grade of the column used (15 .. 40).
double Table19ShearStrength(double fck, double pt, int* grade = nullptr);

// xu,max / d of 38.1: 0.53, 0.48, 0.46 for Fe 250, 415, 500, and
// 700 / (1100 + 0.87 fy) for any other grade (Fe 550, Fe 600).
double LimitingDepthRatio(double fy);

// Mu,lim / (fck b d^2) of Annex G-1.1(c): 0.148, 0.138, 0.133 for Fe 250,
// 415, 500; 0.36 x (1 - 0.42 x) with x = xu,max / d for other grades.
double LimitingMomentFactor(double fy);

// Design bond stress tau_bd (N/mm2) of 26.2.1.1 for bars in tension: plain
// bars 1.2, 1.4, 1.5, 1.7, 1.9 for M20, M25, M30, M35, M40 and above (the
// lower grade between them); deformed bars (every grade above Fe 250) 60 %
// more.
double BondStress(double fck, double fy);

// Minimum tension steel of slabs, 26.5.2.1, as a fraction of the gross
// section: 0.0015 for mild steel (Fe 250), 0.0012 for high-strength bars.
double MinSteelRatio(double fy);

}  // namespace footmark::checks
