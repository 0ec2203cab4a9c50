// The typical section of each designed footing mark: lean concrete,
// footing, pedestal, the bottom mesh at its cover with the bend-ups the
// anchorage check asks for, dimensions in mm and the callouts.
#include <algorithm>
#include <cmath>

#include "checks/footing_check.h"
#include "checks/group_inputs.h"
#include "drawing/sheet_panels.h"
#include "model/numerics.h"

namespace footmark::sheet {

namespace {

constexpr double kLean = 100;  // mm: lean concrete thickness and projection

struct SectionData {
  std::string mark;
  double B, D, P;  // mm
  int pedType, barDia, bars, spacing;
  double leg;  // bend-up leg, mm; 0 for straight bars
};

std::string Mm(double mm) { return DecimalText(mm, 0); }

// From the bottom up: the lean concrete, the mesh in two lines (its cover
// under its bars), the pedestal.
std::vector<std::string> Callouts(const SectionData& s) {
  return {"PCC " + Mm(kLean) + " thick", "cover " + Mm(checks::kCover) + (s.leg > 0 ? ", bend up " + Mm(s.leg) : ""),
          IntText(s.bars) + " - " + IntText(s.barDia) + " @ " + IntText(s.spacing) + " each way",
          "P" + IntText(s.pedType) + " pedestal"};
}

}  // namespace

std::vector<Panel> SectionPanels(const Model& model, const checks::DesignChecks& checks) {
  std::vector<SectionData> sections;
  for (const checks::GroupCheck& g : checks.groups) {
    if (g.check.verdict == checks::Verdict::NotDesigned) continue;
    const FootGroup& f = model.FootGroups[std::stoi(g.mark.substr(1))];
    SectionData s{g.mark, std::round(f.Size * 1000), std::round(f.Depth * 1000), std::round(f.Pedestal * 1000),
                  f.PedType, f.BarDia, 0, 0, g.check.bendLeg};
    checks::ReadBarText(f.BarText, s.bars, s.spacing);
    sections.push_back(s);
  }
  if (sections.empty()) return {};
  double maxB = 0, maxHeight = 0, callout = 0;
  for (const SectionData& s : sections) {
    maxB = std::max(maxB, s.B);
    maxHeight = std::max(maxHeight, s.D + s.P);
    for (const std::string& text : Callouts(s)) callout = std::max(callout, TextWidth(text.size(), kTextHeight));
  }
  int scale = 100;
  for (const int s : {25, 50})
    if ((maxB + 2 * kLean) / s <= 80) {
      scale = s;
      break;
    }
  const double k = 1.0 / scale;  // paper mm per mm
  const double left = 12, width = left + (maxB + 2 * kLean) * k + 6 + callout;
  const double bottom = 8 + 10;  // title, then the width's dimension
  const double height = bottom + (kLean + maxHeight) * k + 10;

  std::vector<Panel> panels;
  for (const SectionData& s : sections) {
    panels.push_back({{width, height}, [s, k, scale, left, maxB](Canvas& c, const Extents& box) {
      const double cx = box.min.x + left + (maxB / 2 + kLean) * k;
      const double yLean = box.min.y + 18, yBase = yLean + kLean * k, yTop = yBase + s.D * k, yPed = yTop + s.P * k;
      const double hb = s.B / 2 * k, hp = s.P / 2 * k, lean = hb + kLean * k;
      const Extents leanBox{{cx - lean, yLean}, {cx + lean, yBase}};
      c.Hatch(kSection, {leanBox.min, {leanBox.max.x, leanBox.min.y}, leanBox.max, {leanBox.min.x, leanBox.max.y}}, 0.8, 45);
      c.Rect(kSection, leanBox);
      c.Rect(kSection, {{cx - hb, yBase}, {cx + hb, yTop}});
      // The pedestal goes on up to the plinth: its top is a break line.
      const auto v = [](double x, double y) { return Vertex{static_cast<float>(x), static_cast<float>(y), 0}; };
      c.Polyline(kSection,
                 {v(cx - hp, yPed), v(cx - hp, yTop), v(cx + hp, yTop), v(cx + hp, yPed), v(cx + 1.5, yPed),
                  v(cx + 0.5, yPed + 1.5), v(cx - 0.5, yPed - 1.5), v(cx - 1.5, yPed)},
                 true);

      // The bottom mesh: bars along the section at the cover, the bars
      // across it as dots on them; legs turned up at the ends when asked.
      const double cover = checks::kCover * k, end = checks::kEndCover * k;
      const double yBar = yBase + cover + s.barDia * k / 2;
      const double xa = cx - hb + end, xb = cx + hb - end;
      std::vector<Vertex> bar;
      if (s.leg > 0) bar.push_back(v(xa, yBar + s.leg * k));
      bar.push_back(v(xa, yBar));
      bar.push_back(v(xb, yBar));
      if (s.leg > 0) bar.push_back(v(xb, yBar + s.leg * k));
      c.Polyline(kRebar, bar, false);
      const double dot = std::max(0.6, s.barDia * k), yDot = yBar + dot / 2 + 0.2;
      for (int i = 0; i < s.bars; ++i) {
        const double x = s.bars > 1 ? xa + (xb - xa) * i / (s.bars - 1) : cx;
        c.Solid(kRebar, {{x - dot / 2, yDot - dot / 2}, {x + dot / 2, yDot - dot / 2}, {x + dot / 2, yDot + dot / 2},
                         {x - dot / 2, yDot + dot / 2}});
      }

      DimensionLines(c, {cx - hb, yBase}, {cx + hb, yBase}, yLean - 5, false);
      c.Text(kDimension, {cx, yLean - 4}, kTextHeight, Mm(s.B));
      const double xd = cx - lean - 5;
      DimensionLines(c, {cx - hb, yBase}, {cx - hb, yTop}, xd, true);
      c.Text(kDimension, {xd - 1, (yBase + yTop) / 2}, kTextHeight, Mm(s.D), TextAlign::kCentre, 90);
      DimensionLines(c, {cx - hp, yPed}, {cx + hp, yPed}, yPed + 4, false);
      c.Text(kDimension, {cx, yPed + 5}, kTextHeight, Mm(s.P));

      // Callouts on the right, each at least a line above the one below,
      // with a leader to what it names.
      const std::vector<std::string> texts = Callouts(s);
      const double targets[] = {yLean + kLean * k / 2, yBar, yBar, (yTop + yPed) / 2};
      const double reach[] = {cx + lean, xb, xb, cx + hp};
      const double xt = cx + lean + 6;
      double y = box.min.y + 16;
      for (std::size_t i = 0; i < texts.size(); ++i) {
        y = std::max(y, targets[i] - kTextHeight / 2);
        if (i != 1) c.Line(kText, {reach[i], targets[i]}, {xt - 1, y + kTextHeight / 2});
        c.Text(kText, {xt, y}, kTextHeight, texts[i], TextAlign::kLeft);
        y += kTextHeight + 1.5;
      }
      c.Text(kText, {cx, box.min.y + 2}, kHeading, "SECTION " + s.mark + "  1:" + IntText(scale));
    }});
  }
  return panels;
}

}  // namespace footmark::sheet
