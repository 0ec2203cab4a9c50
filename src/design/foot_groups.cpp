#include "design/foot_groups.h"

#include <cmath>

#include "model/counted_set.h"
#include "model/failure.h"
#include "model/numerics.h"

namespace footmark {

float MaxSoilPressure(const Model& model, int16 support, float B, int16& loadCase) {
  const auto& R = model.SupportReactions;
  float qmax = 0;
  loadCase = 0;
  for (int lc = 1; lc <= model.NumLoadCases; ++lc) {
    const double mx = std::fabs(R(support, lc, 3)), mz = std::fabs(R(support, lc, 4));
    const float M = Sng(mx + mz);
    const float P = R(support, lc, 2);
    if (P <= 0) continue;  // uplift or no load: the soil carries nothing
    if (B == 0)
      throw RuntimeFailure("division by zero: footing side 0 at support " + IntText(support));
    const double b = B;
    const float q = Sng(P / b / b + M * 6.0 / b / b / b);
    if (qmax < q) {
      qmax = q;
      loadCase = static_cast<int16>(lc);
    }
  }
  return qmax;
}

void FormFootGroups(Model& model) {
  const auto& rows = model.FootingSizes;
  const int N = ToInt16(rows(0, 0));
  int16 G = 0;
  for (int k = 1; k <= N; ++k) {
    const int16 s = ToInt16(rows(k, 0));
    const float side = rows(k, 2);
    // Rows are sorted by trial side, so each class is one run of rows.
    if (side != rows(k - 1, 2)) {
      FootGroup& fresh = model.FootGroups(G + 1);
      G = G + 1;
      fresh.Size = side;
      fresh.Supports.clear();
      fresh.Pressure = 0;
    }
    FootGroup& group = model.FootGroups(G);
    model.Footings(s).FootGroupNo = G;
    group.Supports += IntText(s) + " ";
    int16 lc = 0;
    const float q = MaxSoilPressure(model, s, side, lc);
    if (group.Pressure < q) {
      group.Pressure = q;
      group.GovSupport = s;
      group.LoadCase = lc;
    }
  }
  model.FootGroupCount = G;
}

void NumberPedestals(Model& model) {
  const int count = model.FootGroupCount;
  for (int g = 1; g <= count; ++g) {
    AddDistinct(model.PedSizes, model.FootGroups(g).Pedestal);
    SortSet(model.PedSizes);
  }
  const int n = ToInt16(model.PedSizes(0));
  for (int g = 1; g <= count; ++g) {
    FootGroup& group = model.FootGroups(g);
    for (int j = 1; j <= n; ++j)
      if (group.Pedestal == model.PedSizes(j)) group.PedType = static_cast<int16>(j);
  }
}

}  // namespace footmark
