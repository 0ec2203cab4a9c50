// Soil pressure under a rectangular base from a resultant off its centre,
// with no tension between base and soil: q = max(0, a + b u + c v), u along
// the length L and v across the width B, both from the centre (m), whose
// resultant is the load. Inside the kern the whole base presses and q is
// linear; outside it the part in contact is the rectangle clipped by
// a + b u + c v >= 0, found by Newton's method on the three equilibrium
// equations with exact polygon moments. A square footing is the case L = B.
// Every region is integrated exactly, so the loads on any strips sum to the
// resultant.
#pragma once

namespace footmark::checks {

// A rectangle in base coordinates, m.
struct Region {
  double u0 = 0, u1 = 0, v0 = 0, v1 = 0;
};

// Force and its first moments over a region: kN, kN m (u q and v q).
struct Load {
  double force = 0, momentU = 0, momentV = 0;
};

struct ContactPressure {
  double L = 0, B = 0;         // m
  double a = 0, b = 0, c = 0;  // kN/m2, kN/m3
  bool bounded = true;         // false: the resultant is at or beyond the edge, or P <= 0
  bool full = true;            // the whole base presses on the soil (the resultant in the kern)

  double At(double u, double v) const { return a + b * u + c * v; }
  // The largest pressure, at a corner in contact; infinite when unbounded.
  double Max() const;
  // Area in contact over L B.
  double ContactShare() const;
  Load Over(const Region& r) const;
};

// The pressure under an L x B base carrying P (kN) at eu, ev (m) from its
// centre, either sign.
ContactPressure SolveContact(double L, double B, double P, double eu, double ev);

// The same pressure seen along v: u and v exchanged.
ContactPressure Transposed(ContactPressure q);

// The pressure on the part of the base beyond u = u0 (towards +u): its
// resultant (kN) and moment about the line u = u0 (kN m).
struct StripAction {
  double force = 0, moment = 0;
};
StripAction Beyond(const ContactPressure& q, double u0);

// The resultant of the pressure on the centred square of side s (kN).
double Inside(const ContactPressure& q, double s);

// The extreme pressures under a square base of side B with P > 0 at
// ex, ez >= 0 (the heavy corner at +B/2, +B/2): in the kern
// P/B^2 (1 +- 6 (ex + ez)/B), outside it the no-tension plane's corner.
struct Bearing {
  double qMax = 0, qMin = 0;  // kN/m2; qMax is infinite when not bounded
  double contact = 1;         // fraction of the base in contact
};
Bearing SquareBearing(double B, double P, double ex, double ez);

// Net pressure: the contact pressure less the weight of footing and soil
// spread over the base, which loads slab and soil alike and bends nothing.
struct NetPressure {
  ContactPressure contact;
  double weight = 0;  // kN/m2
  Load Over(const Region& r) const;
  double At(double u, double v) const;
};

}  // namespace footmark::checks
