// Footing design groups: one per size class, with the largest gross soil
// pressure any of its supports gives under any load case.
#pragma once

#include "model/model.h"

namespace footmark {

// Largest gross soil pressure (kN/m2) under a square footing of side B (m)
// at the given support: axial pressure plus the bending pressure of the two
// moments added about one axis (section modulus B^3/6). loadCase is set to
// the load-case position that gives it, 0 when no load case presses down.
float MaxSoilPressure(const Model& model, int16 support, float B, int16& loadCase);

// Builds FootGroups and FootGroupCount from the class sides of FootingSizes
// and sets every support's FootGroupNo.
void FormFootGroups(Model& model);

// Collects the distinct pedestal sides of the designed groups in PedSizes
// (kept from earlier runs) and gives every group its PedType.
void NumberPedestals(Model& model);

}  // namespace footmark
