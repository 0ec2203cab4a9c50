// Structural design of a square isolated footing with a square pedestal,
// limit-state method of IS 456:2000: pedestal from the standard list, depth
// from bending, one-way and punching shear, bottom steel and its bars.
#pragma once

#include "model/model.h"

namespace footmark {

// The first standard pedestal side (m) not less than x; 1.20 beyond 0.90.
float StdPedestalSize(float x);

// Effective depth (m) from bending: the depth at which the factored moment
// Mu (kN m over the width B) reaches 0.138 fck b d^2, at least 190 mm, else
// raised so that the overall depth (60 mm cover added) is a whole number of
// 50 mm.
float BendingDepth(float Mu, float B, int16 fck);

// The first pedestal candidate of a footing design: when it is rejected the
// footing stays undesigned, and this is what explains it.
struct FirstCandidate {
  float pedestal = 0;     // side, m
  float volume = 0;       // footing B^2 D plus a pedestal cube P^3, m3
  bool accepted = false;  // some candidate was accepted
};

// Designs a footing of side B (m) under a column of largest side c (mm) and a
// gross soil pressure q (kN/m2). Tries the standard pedestals from the column
// plus 75 mm each side upwards while the concrete volume keeps falling;
// writes the overall depth D (m), the pedestal P (m) and the steel each way
// Ast (mm2) of the last accepted pedestal, and leaves them untouched when
// none is accepted (first volume above the model's reference volume
// MaxVolume, 10 m3 by default, or a 1.20 m pedestal).
// Every intermediate quantity is single precision.
FirstCandidate DesignFooting(const Model& model, float B, float c, float q, float& D, float& P, float& Ast);

// Bar diameter and "number   ( spacing mm )" of group g: the thinnest bar of
// 8..25 mm whose spacing across the footing is at least 125 mm. When none
// is, 32 mm is recorded with the number and spacing of the 25 mm bars.
void SelectBars(Model& model, int16 g);

// Column size, depth, pedestal, steel and bars of every design group, and
// what each group's first pedestal candidate was.
void DesignFootGroups(Model& model);

}  // namespace footmark
