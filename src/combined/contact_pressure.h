// Soil pressure under a rectangular base: linear while the whole base is in
// contact, the no-tension plane once the resultant leaves the kern. Every
// region of the base is integrated exactly (polygon moments of the part in
// contact), so the loads on any strip sum to the resultant.
#pragma once

namespace footmark::combined {

// A rectangle in footing coordinates: u along the length, v across, both
// from the footing's centre, m.
struct Region {
  double u0 = 0, u1 = 0, v0 = 0, v1 = 0;
};

// Force and its first moments over a region: kN, kN m (u q and v q).
struct Load {
  double force = 0, momentU = 0, momentV = 0;
};

// The contact pressure q = a + b u + c v where it is positive, zero elsewhere.
struct ContactPressure {
  double L = 0, B = 0;       // m
  double a = 0, b = 0, c = 0;  // kN/m2, kN/m3
  bool bounded = true;       // false: the resultant is at or beyond the edge, or P <= 0
  bool full = true;          // the whole base presses on the soil

  double At(double u, double v) const { return a + b * u + c * v; }
  // The largest pressure, at a corner in contact; infinite when unbounded.
  double Max() const;
  // Area in contact over L B.
  double ContactShare() const;
  Load Over(const Region& r) const;
};

// The pressure under an L x B base carrying P (kN) at eu, ev (m) from its
// centre: the kern's linear pressure, or the no-tension plane whose
// resultant is P at (eu, ev), found by Newton's method on the part in contact.
ContactPressure SolveContact(double L, double B, double P, double eu, double ev);

// Net pressure: the contact pressure less the weight of footing and soil
// spread over the base, which loads slab and soil alike and bends nothing.
struct NetPressure {
  ContactPressure contact;
  double weight = 0;  // kN/m2
  Load Over(const Region& r) const;
  double At(double u, double v) const;
};

}  // namespace footmark::combined
