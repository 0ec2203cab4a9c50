#include "model/trial_size.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "model/failure.h"
#include "model/numerics.h"

namespace footmark {

namespace {

constexpr int kNewtonSteps = 20;

// Side B of a square footing with q B^3 - P' B - 6M = 0: the edge pressure
// P'/B^2 + 6M/B^3 of a footing under an axial load and one moment equals q.
// B stays single precision between the steps; there is no convergence test.
float SideForPressure(float P1, float M, float q) {
  const double start = Divide(P1 / 3.0, q);
  if (start < 0)
    throw RuntimeFailure("square root of a negative number: allowable pressure below 0");
  float B = Sng(std::sqrt(start) + 0.1);
  for (int step = 0; step < kNewtonSteps; ++step) {
    const double BB = static_cast<double>(B) * B;
    const double slope = 3.0 * q * BB - P1;
    if (slope == 0) break;  // flat tangent: keep the last side
    const float next = Sng(B - (q * (BB * B) - static_cast<double>(P1) * B - 6.0 * M) / slope);
    // A step that leaves B as it is, bit for bit, leaves it so in every
    // step after: the remaining steps would change nothing.
    if (std::bit_cast<std::uint32_t>(next) == std::bit_cast<std::uint32_t>(B)) break;
    B = next;
  }
  return B;
}

}  // namespace

void TrialFootingSizes(Model& model, UserMessages& ui) {
  const auto& R = model.SupportReactions;
  for (int s = 1; s <= model.NumSupports; ++s) {
    float Bmax = 0;
    std::string message = "Check JOINT : " + IntText(s);
    for (int c = 1; c <= model.NumLoadCases; ++c) {
      // Load cases after the first are combinations: 25 % more pressure allowed.
      const float q = c == 1 ? model.SBC : Sng(1.25 * model.SBC);
      // Both moments taken about one axis, on the safe side.
      const double mz = std::fabs(R(s, c, 4)), mx = std::fabs(R(s, c, 3));
      const float M = Sng(mz + mx);
      const float P = R(s, c, 2);
      if (P <= 0) {
        message += "\r LOAD : " + NumText(R(s, c, 1)) + "    FORCE-Y = " + NumText(P);
        continue;
      }
      // 10 % for the self weight of the footing and the soil on it.
      const float P1 = Sng(1.1 * P);
      const float B = SideForPressure(P1, M, q);
      if (B > Bmax) Bmax = B;
    }
    if (message.size() > 20) ui.ShowMessage(message);
    const float side = RoundDecimals(Bmax, 2);
    model.Footings(s).FootSize = side;
    model.FootingSizes(s, 0) = static_cast<float>(s);
    model.FootingSizes(s, 1) = side;
  }
  model.FootingSizes(0, 0) = model.NumSupports;
}

void SortFootingSizes(Model& model) {
  auto& rows = model.FootingSizes;
  const int n = ToInt16(rows(0, 0));
  bool exchanged = true;
  while (exchanged) {
    exchanged = false;
    for (int k = 1; k <= n - 1; ++k) {
      if (rows(k, 1) > rows(k + 1, 1)) {
        for (int col = 0; col <= 1; ++col) std::swap(rows(k, col), rows(k + 1, col));
        exchanged = true;
      }
    }
  }
}

}  // namespace footmark
