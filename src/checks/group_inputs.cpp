#include "checks/group_inputs.h"

#include <charconv>
#include <cmath>
#include <numbers>
#include <string>

#include "model/numerics.h"

namespace footmark::checks {

namespace {

// Skips blanks, then reads a whole number; false when none follows.
bool ReadInt(std::string_view& text, int& value) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc()) return false;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return true;
}

int LoadCaseNumber(const Model& model, int support, int position) {
  if (support < 1 || position < 1) return 0;
  return static_cast<int>(std::lround(model.SupportReactions(support, position, 1)));
}

// Why the design step stored no footing: its first pedestal candidate was
// rejected, and nothing after it was tried.
std::string NotDesignedReason(const Model& model, const FootGroup& group) {
  if (group.Designed) return "";
  if (group.FirstPedestal >= 1.2f)
    return "first pedestal candidate is the largest standard pedestal, 1.2 m, for a " +
           DecimalText(group.ColSize, 0) + " mm column (above 750 mm): the method designs no footing for it";
  if (group.FirstVolume > model.MaxVolume)
    return "first pedestal candidate " + DecimalText(group.FirstVolume, 2) +
           " m3 above the reference volume " + DecimalText(model.MaxVolume, 3) + " m3 (--max-volume)";
  return "no pedestal candidate was accepted";
}

// Gross service pressure at the worst corner under an axial load and the two
// moments, section modulus B^3/6 about each axis (kN, kN m, m).
double CornerPressure(double N, double Mx, double Mz, double B) {
  return N / (B * B) + 6 * (std::fabs(Mx) + std::fabs(Mz)) / (B * B * B);
}

}  // namespace

std::vector<int> SupportNumbers(std::string_view text) {
  std::vector<int> numbers;
  int s = 0;
  while (ReadInt(text, s)) numbers.push_back(s);
  return numbers;
}

bool ReadBarText(std::string_view text, int& bars, int& spacing) {
  if (!ReadInt(text, bars)) return false;
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (text.empty() || text.front() != '(') return false;
  text.remove_prefix(1);
  return ReadInt(text, spacing);
}

GroupSource GroupInputs(const Model& model, int g) {
  const FootGroup& group = model.FootGroups(g);
  GroupSource src;
  FootingInputs& in = src.inputs;
  src.supports = SupportNumbers(group.Supports);
  // Geometry is judged to the millimetre: 2.3 m kept in single precision
  // is 2299.99995 mm, and a bar's development length must not fall short
  // of it by float noise.
  in.B = std::round(group.Size * 1000.0);
  in.P = std::round(group.Pedestal * 1000.0);
  in.D = std::round(group.Depth * 1000.0);
  in.barDia = group.BarDia;
  int spacing = 0;
  if (!ReadBarText(group.BarText, in.bars, spacing)) in.bars = 0;
  in.spacing = spacing;
  in.astDeclared = group.SteelArea;
  in.astProvided = in.bars * std::numbers::pi / 4 * in.barDia * in.barDia;
  in.fck = model.Fck;
  in.fy = model.Fe;
  in.sbc = model.SBC;
  in.q = group.Pressure;
  in.loadCase = group.LoadCase;
  in.notDesigned = NotDesignedReason(model, group);
  src.loadCase = LoadCaseNumber(model, group.GovSupport, group.LoadCase);

  // The design step's own basis, beside the checks': every support and load
  // case alike, the pressure nearest its allowable, and the column that
  // bears hardest on the pedestal at 1.5 x its largest load.
  const double B = group.Size;
  double worstShare = -1, worstStress = -1;
  in.columnA = in.columnB = group.ColSize;
  for (const int s : src.supports) {
    if (s < 1 || s > model.NumSupports) continue;
    const FootingRecord& f = model.Footings(s);
    for (int lc = 1; lc <= model.NumLoadCases; ++lc) {
      const double N = model.SupportReactions(s, lc, 2);
      if (N <= 0 || B <= 0) continue;
      const double q =
          CornerPressure(N, model.SupportReactions(s, lc, 3), model.SupportReactions(s, lc, 4), B);
      const double share = q / AllowablePressure(model.SBC, lc);
      if (share > worstShare) {
        worstShare = share;
        in.bearingQ = q;
        in.bearingCase = lc;
        src.bearingSupport = s;
        src.bearingLoadCase = in.bearingCaseNumber = LoadCaseNumber(model, s, lc);
      }
      const double area = static_cast<double>(f.ColWidth) * f.ColDepth;
      if (area <= 0) continue;
      const double Pu = kLoadFactor * N;
      if (Pu / area > worstStress) {
        worstStress = Pu / area;
        in.columnLoad = Pu;
        in.columnA = f.ColWidth;
        in.columnB = f.ColDepth;
        src.columnSupport = s;
      }
    }
  }
  return src;
}

}  // namespace footmark::checks
