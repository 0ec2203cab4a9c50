#include "design/footing_design.h"

#include <array>
#include <cmath>

#include "design/shear_table.h"
#include "model/failure.h"
#include "model/line_rules.h"
#include "model/numerics.h"

namespace footmark {

namespace {

constexpr std::array<float, 6> kPedestalSides{0.40f, 0.45f, 0.53f, 0.60f, 0.75f, 0.90f};
constexpr float kLargestPedestal = 1.20f;

// Bottom bars: diameter (mm) and area (mm2); 32 mm only as the fallback.
constexpr std::array<int16, 7> kBarDia{8, 10, 12, 16, 20, 25, 32};
constexpr std::array<float, 7> kBarArea{50.2655f, 78.5398f, 113.0973f, 201.0619f,
                                        314.1593f, 490.8739f, 804.5714f};
constexpr int kBarsTried = 6;
constexpr int kMinSpacing = 125;  // mm

constexpr double kCover = 0.06;       // effective cover to the bar centres, m
constexpr double kLoadFactor = 1.5;
constexpr double kMuLimFactor = 0.138;  // Mu,lim = 0.138 fck b d^2 (Fe 415)

double CheckedRoot(double x, const char* what) {
  if (x < 0) throw RuntimeFailure(std::string("square root of a negative number: ") + what);
  return std::sqrt(x);
}

// 25 mm deeper; a depth that no longer grows in single precision would
// never pass the shear checks.
float Deeper(float d) {
  const float deeper = Sng(d + 0.025);
  if (deeper == d) throw RuntimeFailure("overflow: footing depth " + NumText(d) + " cannot grow");
  return deeper;
}

struct Section {
  float d;   // effective depth, m
  float pt;  // tension steel, % of b d
};

// Deepens the footing 25 mm at a time until one-way shear at d from the
// pedestal face and punching shear at d/2 from it pass; the steel
// percentage follows the depth.
Section ShearDepth(const Model& model, float B, float ped, float q, float a, float Mu, float d) {
  const double fck = model.Fck, fy = model.Fe;
  // Punching shear strength 0.25 sqrt(fck), IS 456 31.6.3.1 with ks = 1.
  const double tauPunch = CheckedRoot(fck, "concrete grade below 0") / 4;
  for (;;) {
    const float R = Sng(Mu / static_cast<double>(B) / d / d / 1000);
    float t = Sng(1 - 4.6 * R / fck);
    if (t < 0) t = 0;
    float pt = Sng((1 - std::sqrt(static_cast<double>(t))) / fy * fck * 50);
    if (pt < 0.2) pt = Sng(0.2);

    const float Vu = Sng((static_cast<double>(a) - d) * q * kLoadFactor * B);
    const float tauv = Sng(Vu / static_cast<double>(B) / d * 1000 / 1e6);
    if (ShearStrength(model, pt) < tauv) {
      d = Deeper(d);
      continue;
    }
    const float s = Sng(static_cast<double>(ped) + d);
    const double BB = static_cast<double>(B) * B, ss = static_cast<double>(s) * s;
    const float Vp = Sng((BB - ss) * q * kLoadFactor);
    const float taup = Sng(Vp * 1000.0 / (4.0 * s * d) / 1e6);
    if (tauPunch < taup) {
      d = Deeper(d);
      continue;
    }
    return {d, pt};
  }
}

void RequireNonZero(double v, const char* what) {
  if (v == 0) throw RuntimeFailure(std::string("division by zero: ") + what + " is 0");
}

}  // namespace

float BendingDepth(float Mu, float B, int16 fck) {
  RequireNonZero(B, "footing side");
  RequireNonZero(fck, "concrete grade fck");
  const double ratio = Mu / kMuLimFactor / fck / B / 1000;
  const float d = Sng(CheckedRoot(ratio, "bending moment below 0"));
  if (d < 0.19) return Sng(0.19);
  const int16 n = ToInt16((d * 1000.0 + 60) / 50 + 0.49);
  return RoundDecimals(Sng((n * 50.0 - 60) / 1000), 2);
}

float StdPedestalSize(float x) {
  for (float side : kPedestalSides)
    if (side >= x) return side;
  return kLargestPedestal;
}

FirstCandidate DesignFooting(const Model& model, float B, float c, float q, float& D, float& P, float& Ast) {
  RequireNonZero(B, "footing side");
  RequireNonZero(model.Fck, "concrete grade fck");
  RequireNonZero(model.Fe, "steel grade fy");
  float ped = Sng(c / 1000.0 + 0.15);  // the column plus 75 mm each side
  float V0 = model.MaxVolume;
  FirstCandidate first;
  for (bool isFirst = true;; isFirst = false) {
    ped = StdPedestalSize(ped);
    const float a = Sng((static_cast<double>(B) - ped) / 2);
    const float Mu = Sng(q * kLoadFactor * B * a * a / 2);
    const Section sec = ShearDepth(model, B, ped, q, a, Mu, BendingDepth(Mu, B, model.Fck));
    const float Dp = Sng(sec.d + kCover);
    const float V = Sng(static_cast<double>(B) * B * Dp + static_cast<double>(ped) * ped * ped);
    if (isFirst) first = {ped, V, false};
    if (ped >= 1.20) return first;
    if (V > V0) return first;
    first.accepted = true;
    D = Dp;
    P = ped;
    Ast = Sng(sec.pt * static_cast<double>(B) * (Dp - kCover) * 10000);
    V0 = V;
    ped = Sng(ped + 0.05);
  }
}

void SelectBars(Model& model, int16 g) {
  FootGroup& group = model.FootGroups(g);
  const float B = group.Size, Ast = group.SteelArea;
  int i = 0;
  int16 n = 0, s = 0;
  for (; i < kBarsTried; ++i) {
    n = ToInt16(std::floor(Ast / static_cast<double>(kBarArea[i]) + 0.49));
    // 60 mm end cover on each side.
    s = ToInt16(Divide(B - 0.12, n - 1) * 1000);
    if (s >= kMinSpacing) break;
  }
  group.BarDia = kBarDia[i];
  group.BarText = IntText(n) + "   ( " + IntText(s) + " mm )";
}

void DesignFootGroups(Model& model) {
  for (int g = 1; g <= model.FootGroupCount; ++g) {
    FootGroup& group = model.FootGroups(g);
    float colSize = 0;
    for (const std::string_view piece : SplitFields(group.Supports)) {
      const auto number = StrictNumber(piece);
      if (!number) throw RuntimeFailure("type mismatch: support number \"" + std::string(piece) + "\"");
      const FootingRecord& support = model.Footings(ToInt16(*number));
      if (support.ColWidth > colSize) colSize = support.ColWidth;
      if (support.ColDepth > colSize) colSize = support.ColDepth;
    }
    group.ColSize = colSize;
    const FirstCandidate first = DesignFooting(model, group.Size, group.ColSize, group.Pressure,
                                               group.Depth, group.Pedestal, group.SteelArea);
    group.FirstPedestal = first.pedestal;
    group.FirstVolume = first.volume;
    group.Designed = first.accepted;
    SelectBars(model, static_cast<int16>(g));
  }
}

}  // namespace footmark
