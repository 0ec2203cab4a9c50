// The longitudinal section of each combined footing: lean concrete, the
// slab, the columns' stubs, the bars in their layers (transverse bottom
// bars lowest, the longitudinal bottom bars on them, the longitudinal top
// bars outermost, the top distribution bars under them), the overall length,
// the overhangs and the column spacing, the depth, and the bars in words.
#include <algorithm>
#include <cmath>

#include "drawing/sheet_panels.h"
#include "model/numerics.h"

namespace footmark::sheet {

namespace {

constexpr double kLean = 100;  // mm: lean concrete thickness and projection
constexpr double kStub = 400;  // mm of column drawn above the slab, then broken

std::string Mm(double mm) { return DecimalText(mm, 0); }

const combined::BarSet* Find(const combined::CombinedFooting& f, std::string_view name) {
  for (const combined::BarSet& b : f.bars)
    if (b.name == name) return &b;
  return nullptr;
}

// A column's extent along the length, mm from the left end: the faces the
// diagrams key, else 400 mm about its centre.
std::pair<double, double> ColumnAlong(const combined::CombinedFooting& f, std::size_t i) {
  const double centre = f.columnAt[i] * 1000;
  double left = centre - 200, right = centre + 200;
  if (!f.diagrams.empty()) {
    double bestL = 1e9, bestR = 1e9;
    for (const combined::KeyPoint& k : f.diagrams.front().keys) {
      if (k.what.find("face") == std::string::npos) continue;
      const double x = k.x * 1000;
      if (x < centre && centre - x < bestL && centre - x < 1000) bestL = centre - x, left = x;
      if (x > centre && x - centre < bestR && x - centre < 1000) bestR = x - centre, right = x;
    }
  }
  return {left, right};
}

// The bars in words, as the schedule lists them.
std::vector<std::string> Callouts(const combined::CombinedFooting& f) {
  const std::string along = f.axis == combined::Axis::X ? "X" : "Z", across = f.axis == combined::Axis::X ? "Z" : "X";
  std::vector<std::string> lines;
  for (const combined::BarSet& b : f.bars) {
    std::string text = b.name + (b.face == combined::Face::Top && b.name.rfind("top", 0) != 0 ? " top" : "") +
                       ", along " + (b.longitudinal ? along : across) + ": " + CombinedBarText(b);
    if (b.leg > 0) text += ", legs " + Mm(b.leg);
    lines.push_back(text);
  }
  lines.push_back("cover " + Mm(50) + " on every face; PCC " + Mm(kLean) + " thick under");
  return lines;
}

}  // namespace

std::vector<Panel> CombinedSectionPanels(const checks::DesignChecks& checks) {
  std::vector<Panel> panels;
  for (const combined::CombinedFooting& f : checks.combined) {
    if (f.L <= 0 || f.mark.empty() || f.columnAt.empty()) continue;
    const double L = std::round(f.L * 1000), D = std::round(f.D);
    int scale = 100;
    for (const int s : {25, 50})
      if ((L + 2 * kLean) / s <= 170) {
        scale = s;
        break;
      }
    const double k = 1.0 / scale;
    const std::vector<std::string> texts = Callouts(f);
    double textWidth = 0;
    for (const std::string& t : texts) textWidth = std::max(textWidth, TextWidth(t.size(), kTextHeight));
    const double left = 12;
    const double width = std::max(left + (L + 2 * kLean) * k + 6, textWidth + 4);
    const double lines = static_cast<double>(texts.size()) * (kTextHeight + 1.5);
    // From the bottom: the title, the bars in words, the overall length,
    // the section, the chain of overhangs and spacings, the columns' marks.
    const double sectionBase = 8 + lines + 12;
    const double height = sectionBase + (kLean + D + kStub) * k + 22;

    panels.push_back({{width, height}, [f, k, scale, left, L, D, texts, sectionBase](Canvas& c, const Extents& box) {
      const auto v = [](double x, double y) { return Vertex{static_cast<float>(x), static_cast<float>(y), 0}; };
      const double x0 = box.min.x + left + kLean * k, x1 = x0 + L * k;  // the slab's ends
      const double yLean = box.min.y + sectionBase, yBase = yLean + kLean * k, yTop = yBase + D * k;
      const Extents lean{{x0 - kLean * k, yLean}, {x1 + kLean * k, yBase}};
      c.Hatch(kSection, {lean.min, {lean.max.x, lean.min.y}, lean.max, {lean.min.x, lean.max.y}}, 0.8, 45);
      c.Rect(kSection, lean);
      c.Rect(kSection, {{x0, yBase}, {x1, yTop}});

      // Columns (or pedestals) on the slab, broken off above it.
      const double yStub = yTop + kStub * k;
      std::vector<double> centres;
      for (std::size_t i = 0; i < f.columnAt.size(); ++i) {
        const auto [a, b] = ColumnAlong(f, i);
        const double xa = x0 + a * k, xb = x0 + b * k, xm = (xa + xb) / 2;
        centres.push_back(x0 + f.columnAt[i] * 1000 * k);
        c.Polyline(kSection,
                   {v(xa, yStub), v(xa, yTop), v(xb, yTop), v(xb, yStub), v(xm + 1.5, yStub), v(xm + 0.5, yStub + 1.5),
                    v(xm - 0.5, yStub - 1.5), v(xm - 1.5, yStub)},
                   true);
        if (i < f.supports.size())
          c.Text(kText, {xm, yStub + 14}, kTextHeight, "S" + IntText(f.supports[i]));
      }

      // Bars: each layer at its cover, the longitudinal ones as lines with
      // their legs, the transverse ones as dots at their spacing.
      const double cover = 50 * k;
      const combined::BarSet* top = Find(f, "top");
      const combined::BarSet* bottom = Find(f, "bottom");
      double tDia = 0;
      for (const combined::BarSet& b : f.bars)
        if (!b.longitudinal && b.face == combined::Face::Bottom) tDia = std::max(tDia, b.dia);
      const double xa = x0 + cover, xb = x1 - cover;
      const auto longitudinal = [&](const combined::BarSet* b, double y, double legDir) {
        if (!b) return;
        std::vector<Vertex> bar;
        if (b->leg > 0) bar.push_back(v(xa, y + legDir * b->leg * k));
        bar.push_back(v(xa, y));
        bar.push_back(v(xb, y));
        if (b->leg > 0) bar.push_back(v(xb, y + legDir * b->leg * k));
        c.Polyline(kRebar, bar, false);
      };
      const double yTransverse = yBase + cover + tDia * k / 2;
      longitudinal(bottom, yBase + cover + (tDia + (bottom ? bottom->dia / 2 : 0)) * k, 1);
      longitudinal(top, yTop - cover - (top ? top->dia / 2 : 0) * k, -1);
      for (const combined::BarSet& b : f.bars) {
        if (b.longitudinal || b.spacing <= 0 || b.count <= 0) continue;
        const double dot = std::max(0.5, b.dia * k);
        const double y = b.face == combined::Face::Bottom
                             ? yTransverse
                             : yTop - cover - ((top ? top->dia : 0) + b.dia / 2) * k;
        const double from = std::max(b.from * 1000, 50.0), to = std::min(b.to * 1000, L - 50);
        // Never closer than a dot apart on paper: the spacing is in words.
        const double step = std::max(b.spacing, (dot + 0.4) / k);
        for (double x = from; x <= to + 1e-6; x += step)
          c.Solid(kRebar, {{x0 + x * k - dot / 2, y - dot / 2}, {x0 + x * k + dot / 2, y - dot / 2},
                           {x0 + x * k + dot / 2, y + dot / 2}, {x0 + x * k - dot / 2, y + dot / 2}});
      }

      // Dimensions: the chain from end to column centres to end above the
      // slab, the overall length below, the depth at the left.
      std::vector<double> chain{x0};
      chain.insert(chain.end(), centres.begin(), centres.end());
      chain.push_back(x1);
      const double yChain = yStub + 4;
      for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        DimensionLines(c, {chain[i], yTop}, {chain[i + 1], yTop}, yChain, false);
        const std::string text = Mm(std::round((chain[i + 1] - chain[i]) / k));
        const bool fits = TextWidth(text.size(), kTextHeight) + 1 < chain[i + 1] - chain[i];
        // A short span's figure stands above its neighbours'.
        c.Text(kDimension, {(chain[i] + chain[i + 1]) / 2, yChain + 1 + (fits ? 0 : kTextHeight + 1.5)}, kTextHeight,
               text);
      }
      DimensionLines(c, {x0, yBase}, {x1, yBase}, yLean - 5, false);
      c.Text(kDimension, {(x0 + x1) / 2, yLean - 4}, kTextHeight, Mm(L));
      const double xd = x0 - kLean * k - 5;
      DimensionLines(c, {x0, yBase}, {x0, yTop}, xd, true);
      c.Text(kDimension, {xd - 1, (yBase + yTop) / 2}, kTextHeight, Mm(D), TextAlign::kCentre, 90);

      double y = yLean - 10;
      for (const std::string& t : texts) {
        y -= kTextHeight;
        c.Text(kText, {box.min.x + 2, y}, kTextHeight, t, TextAlign::kLeft);
        y -= 1.5;
      }
      c.Text(kText, {(box.min.x + box.max.x) / 2, box.min.y + 2}, kHeading,
             "SECTION " + f.mark + " ALONG " + (f.axis == combined::Axis::X ? "X" : "Z") + "  1:" + IntText(scale));
    }});
  }
  return panels;
}

}  // namespace footmark::sheet
