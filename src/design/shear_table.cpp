#include "design/shear_table.h"

#include <array>

#include "model/numerics.h"

namespace footmark {

namespace {

constexpr int kRows = 13;
constexpr int kGrades = 6;
constexpr int kEmptyColumn = 7;

// IS 456:2000 Table 19, row by row: pt (%), then M15, M20, M25, M30, M35, M40.
constexpr std::array<float, (kRows + 1) * (kGrades + 1)> kTable19{
    0.0f,  15.0f, 20.0f, 25.0f, 30.0f, 35.0f, 40.0f,  //
    0.15f, 0.28f, 0.28f, 0.29f, 0.29f, 0.29f, 0.30f,  //
    0.25f, 0.35f, 0.36f, 0.36f, 0.37f, 0.37f, 0.38f,  //
    0.50f, 0.46f, 0.48f, 0.49f, 0.50f, 0.50f, 0.51f,  //
    0.75f, 0.54f, 0.56f, 0.57f, 0.59f, 0.59f, 0.60f,  //
    1.00f, 0.60f, 0.62f, 0.64f, 0.66f, 0.67f, 0.68f,  //
    1.25f, 0.64f, 0.67f, 0.70f, 0.71f, 0.73f, 0.74f,  //
    1.50f, 0.68f, 0.72f, 0.74f, 0.76f, 0.78f, 0.79f,  //
    1.75f, 0.71f, 0.75f, 0.78f, 0.80f, 0.82f, 0.84f,  //
    2.00f, 0.71f, 0.79f, 0.82f, 0.84f, 0.86f, 0.88f,  //
    2.25f, 0.71f, 0.81f, 0.85f, 0.88f, 0.90f, 0.92f,  //
    2.50f, 0.71f, 0.82f, 0.88f, 0.91f, 0.93f, 0.95f,  //
    2.75f, 0.71f, 0.82f, 0.90f, 0.94f, 0.96f, 0.98f,  //
    3.00f, 0.71f, 0.82f, 0.92f, 0.96f, 0.99f, 1.01f,  //
};

}  // namespace

void BuildShearTable(Model& model) {
  for (int k = 0; k < static_cast<int>(kTable19.size()); ++k)
    model.ShearTable(k / (kGrades + 1), k % (kGrades + 1)) = kTable19[k];
}

void FindGradeColumn(Model& model) {
  model.GradeCol = kEmptyColumn;
  for (int c = 1; c <= kGrades; ++c) {
    if (model.ShearTable(0, c) == static_cast<float>(model.Fck)) {
      model.GradeCol = static_cast<int16>(c);
      return;
    }
  }
}

float ShearStrength(const Model& model, float pt) {
  const auto& T = model.ShearTable;
  const int c = model.GradeCol;
  if (pt < 0.15) pt = Sng(0.15);
  for (int r = 1; r <= kRows; ++r) {
    if (pt < T(r, 0)) {
      const float p1 = T(r - 1, 0), p2 = T(r, 0), t1 = T(r - 1, c), t2 = T(r, c);
      // Single-precision arithmetic: every operation rounds to float.
      const float dt = t2 - t1, dp = p2 - p1, dpt = pt - p1;
      const float slope = Sng(Divide(dt, dp));
      const float scaled = slope * dpt;
      return scaled + t1;
    }
  }
  return T(kRows, c);
}

}  // namespace footmark

