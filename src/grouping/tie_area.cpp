#include "grouping/tie_area.h"

#include <cmath>

#include "model/failure.h"
#include "model/numerics.h"

namespace footmark {

float TieArea(const Model& model, int16 row) {
  if (row == 0) return 0;
  // Evaluated left to right in x87 extended precision, rounded to single once.
  const long double spacing = model.ColumnDesigns(row, 7);
  const long double dia = model.ColumnDesigns(row, 6);
  if (spacing == 0) throw RuntimeFailure("division by zero: tie spacing 0 in design row " + IntText(row));
  const long double area = 1000.0L / spacing * dia * dia * 22.0L / 28.0L;
  const float f = static_cast<float>(area);
  if (std::isinf(f)) throw RuntimeFailure("overflow: tie steel of design row " + IntText(row));
  return f;
}

}  // namespace footmark
