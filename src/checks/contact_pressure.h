// Soil pressure under a square footing from a resultant off its centre, with
// no tension between footing and soil: q = max(0, a + b x + c z), x and z
// from the centre (m), whose resultant is the load. Inside the kern the
// whole base presses and q is linear; outside it the contact area is the
// square clipped by a + b x + c z >= 0, found by Newton's method on the
// three equilibrium equations with exact polygon moments.
#pragma once

namespace footmark::checks {

struct ContactPressure {
  double B = 0;              // footing side, m
  double a = 0, b = 0, c = 0;  // kN/m2, kN/m3
  bool bounded = true;       // false: the resultant lies on or beyond the edge of the base
  bool full = true;          // the whole base presses (the resultant in the kern)
  double contact = 1;        // fraction of the base in contact
  double qMax = 0, qMin = 0;  // kN/m2; qMax is infinite when not bounded
};

// A load P > 0 (kN) at (ex, ez) >= 0 from the centre of a square of side B
// (m): the heavy corner is at (+B/2, +B/2).
ContactPressure SolveContact(double P, double ex, double ez, double B);

// The same pressure seen along z: x and z exchanged.
ContactPressure Transposed(ContactPressure q);

// The pressure on the part of the base beyond x = x0 (towards +x): its
// resultant (kN) and moment about the line x = x0 (kN m).
struct StripAction {
  double force = 0, moment = 0;
};
StripAction Beyond(const ContactPressure& q, double x0);

// The resultant of the pressure on the centred square of side s (kN).
double Inside(const ContactPressure& q, double s);

}  // namespace footmark::checks
