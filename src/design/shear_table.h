// Design shear strength of concrete, tau_c, from IS 456:2000 Table 19.
#pragma once

#include "model/model.h"

namespace footmark {

// Fills ShearTable: row 0 the grades M15..M40, column 0 the steel
// percentages 0.15..3.00, tau_c (N/mm2) in the cells; column 7 stays empty.
void BuildShearTable(Model& model);

// GradeCol = the column of the model's grade Fck; 7 (all zero) when the
// grade is not in the table.
void FindGradeColumn(Model& model);

// tau_c for a tension steel percentage pt, interpolated linearly in single
// precision; below 0.15 % the 0.15 % value, from 3.00 % on the 3.00 % value.
float ShearStrength(const Model& model, float pt);

}  // namespace footmark
