#include "combined/schedule_cells.h"

#include "model/numerics.h"

namespace footmark::combined {

namespace {

std::string Metres(double m) { return DecimalText(m, 3); }

std::string Joined(const std::vector<std::string>& parts, const char* between) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) text += (i ? between : "") + parts[i];
  return text;
}

}  // namespace

std::string SupportsText(const CombinedFooting& f) {
  std::vector<std::string> parts;
  for (const int s : f.supports) parts.push_back(IntText(s));
  return Joined(parts, ", ");
}

std::string AxisText(const CombinedFooting& f) { return f.axis == Axis::X ? "along X" : "along Z"; }

std::string SizeText(const CombinedFooting& f) {
  return Metres(f.L) + " x " + Metres(f.B) + " x " + Metres(f.D / 1000);
}

std::string BarText(const BarSet& bars) {
  const std::string bar = "T" + DecimalText(bars.dia, 0) + " @ " + DecimalText(bars.spacing, 0);
  return bars.name.find("distribution") != std::string::npos ? bar + " (" + IntText(bars.count) + ")"
                                                              : IntText(bars.count) + " " + bar;
}

std::string StateText(const CombinedFooting& f) {
  const std::string verdict = checks::VerdictText(f.verdict);
  return f.reason.empty() ? verdict : verdict + ": " + f.reason;
}

std::string MarkText(const CombinedFooting& f) {
  return f.mark.empty() ? "(supports " + SupportsText(f) + ")" : f.mark;
}

std::vector<std::string> ScheduleHeader() {
  return {"mark", "supports", "direction", "L (m)", "B (m)", "D (m)", "overhangs (m)", "top", "bottom", "bands",
          "distribution", "top distribution", "concrete (m3)", "steel (kg)"};
}

std::vector<std::string> ScheduleCells(const CombinedFooting& f) {
  if (f.L <= 0) return {MarkText(f), SupportsText(f), "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-"};
  std::string top, bottom, distribution, topDistribution;
  std::vector<std::string> bands;
  for (const BarSet& b : f.bars) {
    const std::string text = BarText(b);
    if (b.name == "top") top = text;
    else if (b.name == "bottom") bottom = text;
    else if (b.name == "distribution") distribution = text;
    else if (b.name == "top distribution") topDistribution = text;
    else bands.push_back(b.name + ": " + text);
  }
  return {f.mark, SupportsText(f), AxisText(f), Metres(f.L), Metres(f.B), Metres(f.D / 1000),
          Metres(f.overhangStart) + " / " + Metres(f.overhangEnd), top, bottom, Joined(bands, "; "),
          distribution, topDistribution, DecimalText(f.concrete, 3), DecimalText(f.steel, 2)};
}

}  // namespace footmark::combined
