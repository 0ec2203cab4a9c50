#include "revise/steps.h"

#include <array>
#include <cmath>
#include <numbers>

#include "checks/group_inputs.h"
#include "model/numerics.h"

namespace footmark::revise {

namespace {

constexpr double kSideStep = 0.1;       // m
constexpr double kDepthStep = 0.025;    // m
constexpr double kPedestalStep = 0.05;  // m
constexpr std::array kBarDiameters{8, 10, 12, 16, 20, 25, 32};

// Revised geometry is whole millimetres, held as the design holds its sizes.
float Mm(double metres) { return Sng(std::round(metres * 1000) / 1000); }

double BarArea(const BarRung& b) { return b.count * std::numbers::pi / 4 * b.dia * b.dia; }

// Centre to centre as the schedule gives it, mm.
double Spacing(float B, int n) { return n < 2 ? 0 : (B - 0.12) / (n - 1) * 1000; }

FootGroup WithBars(FootGroup g, const BarRung& b) {
  g.BarDia = static_cast<int16>(b.dia);
  g.BarText = BarScheduleText(g.Size, b.count);
  return g;
}

std::optional<BarRung> NextBars(const BarRung& now, float B, const RevisionLimits& limits) {
  const auto fits = [&](int n) { return Spacing(B, n) >= limits.leastSpacing - 1e-6; };
  if (fits(now.count + 1)) return BarRung{now.dia, now.count + 1};
  for (const int dia : kBarDiameters) {
    if (dia <= now.dia || dia > limits.largestBar) continue;
    // The fewest bars of the next diameter with more steel than now.
    BarRung next{dia, 2};
    while (BarArea(next) <= BarArea(now)) ++next.count;
    if (fits(next.count)) return next;
  }
  return std::nullopt;
}

}  // namespace

std::optional<Step> StepFor(std::string_view id) {
  for (const char* side : {"C1", "C1b", "C18a", "C18b", "C18c"})
    if (id == side) return Step::Side;
  for (const char* depth : {"C3", "C6", "C7", "C8", "C12"})
    if (id == depth) return Step::Depth;
  for (const char* bars : {"C4", "C5", "C10", "C11"})
    if (id == bars) return Step::Bars;
  if (id == "C14") return Step::BendUp;
  if (id == "C15a" || id == "C15c") return Step::Pedestal;
  return std::nullopt;
}

BarRung BarsOf(const FootGroup& group) {
  BarRung b{group.BarDia, 0};
  int spacing = 0;
  if (!checks::ReadBarText(group.BarText, b.count, spacing)) b.count = 0;
  return b;
}

std::string BarScheduleText(float B, int n) {
  const int16 s = ToInt16(Divide(B - 0.12, n - 1) * 1000);
  return IntText(n) + "   ( " + IntText(s) + " mm )";
}

std::optional<FootGroup> StepUp(const FootGroup& design, Step step, const RevisionLimits& limits, std::string& why) {
  FootGroup g = design;
  const auto beyond = [&](const char* what, double limit, const char* unit, const char* option) {
    why = std::string("beyond the largest ") + what + ", " + DecimalText(limit, 3) + " " + unit + " (--" + option + ")";
    return std::nullopt;
  };
  switch (step) {
    case Step::Design: return std::nullopt;
    case Step::Side:
      g.Size = Mm(design.Size + kSideStep);
      if (g.Size > limits.largestSide + 1e-6) return beyond("side", limits.largestSide, "m", "largest-side");
      return WithBars(g, BarsOf(design));
    case Step::Depth:
    case Step::BendUp:
      g.Depth = Mm(design.Depth + kDepthStep);
      if (g.Depth > limits.largestDepth + 1e-6) return beyond("depth", limits.largestDepth, "m", "largest-depth");
      return g;
    case Step::Bars:
      if (const auto next = NextBars(BarsOf(design), design.Size, limits)) return WithBars(g, *next);
      why = "beyond the bars the limits allow: " + IntText(limits.largestBar) + " mm at " +
            DecimalText(limits.leastSpacing, 0) + " mm centres at least (--largest-bar, --least-bar-spacing)";
      return std::nullopt;
    case Step::Pedestal:
      g.Pedestal = Mm(design.Pedestal + kPedestalStep);
      if (g.Pedestal > limits.largestPedestal + 1e-6)
        return beyond("pedestal", limits.largestPedestal, "m", "largest-pedestal");
      if (g.Pedestal >= g.Size) {
        why = "a pedestal of " + DecimalText(g.Pedestal, 3) + " m would not be smaller than the footing";
        return std::nullopt;
      }
      return g;
  }
  return std::nullopt;
}

std::vector<FootGroup> Ladder(const FootGroup& design, Step step, const RevisionLimits& limits, double largestSide,
                              std::string& why, bool anySide) {
  std::vector<FootGroup> rungs;
  for (const FootGroup* top = &design;; top = &rungs.back()) {
    FootGroup from = *top;
    if (anySide) from.Size = std::max(from.Size, Sng(limits.largestSide + 1));
    std::optional<FootGroup> next = StepUp(from, step, limits, why);
    if (next && anySide) next->Size = design.Size;
    if (!next) return rungs;
    if (step == Step::Side && next->Size > largestSide + 1e-6) {
      why.clear();
      return rungs;
    }
    rungs.push_back(*std::move(next));
  }
}

std::vector<std::pair<Step, FootGroup>> StepsBack(const FootGroup& start, const FootGroup& revised,
                                                  const std::vector<BarRung>& bars) {
  std::vector<std::pair<Step, FootGroup>> back;
  if (revised.Size > start.Size + 1e-6) {
    FootGroup g = revised;
    g.Size = Mm(revised.Size - kSideStep);
    back.emplace_back(Step::Side, WithBars(g, BarsOf(revised)));
  }
  if (revised.Depth > start.Depth + 1e-6) {
    FootGroup g = revised;
    g.Depth = Mm(revised.Depth - kDepthStep);
    back.emplace_back(Step::Depth, g);
  }
  if (bars.size() > 1) back.emplace_back(Step::Bars, WithBars(revised, bars[bars.size() - 2]));
  if (revised.Pedestal > start.Pedestal + 1e-6) {
    FootGroup g = revised;
    g.Pedestal = Mm(revised.Pedestal - kPedestalStep);
    back.emplace_back(Step::Pedestal, g);
  }
  return back;
}

std::string StepValue(const FootGroup& g, Step step) {
  const auto m = [](float x) { return DecimalText(x, 3) + " m"; };
  const BarRung b = BarsOf(g);
  const std::string bars = IntText(b.count) + " bars of " + IntText(b.dia) + " mm";
  switch (step) {
    case Step::Design:
      return "B " + m(g.Size) + ", P " + m(g.Pedestal) + ", D " + m(g.Depth) + ", " + bars;
    case Step::Side: return m(g.Size);
    case Step::Depth:
    case Step::BendUp: return m(g.Depth);
    case Step::Bars: return bars;
    case Step::Pedestal: return m(g.Pedestal);
  }
  return "";
}

}  // namespace footmark::revise
