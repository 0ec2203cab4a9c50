#include "report/combined_pages.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "combined/schedule_cells.h"
#include "model/numerics.h"
#include "report/group_sheet.h"
#include "report/html.h"

namespace footmark::report {

namespace {

using combined::BarSet;
using combined::BeamDiagram;
using combined::CombinedFooting;
using combined::KeyPoint;

// The diagram's frame in SVG units of a quarter millimetre: 180 mm wide on
// the page, text 9 units (6.4 pt) high.
constexpr double kWidth = 720, kHeight = 210, kLeft = 70, kRight = 24, kAxis = 105, kReach = 62, kFont = 9;

std::string U(double x) { return DecimalText(x, 1); }

bool Face(const KeyPoint& k) { return k.what.size() > 5 && k.what.compare(k.what.size() - 5, 5, " face") == 0; }

// A label's box, to keep labels off each other.
struct Box {
  double x0, y0, x1, y1;
  bool Hits(const Box& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
};

class Labels {
 public:
  // Places `text` centred at x, at y or further from the axis in steps of a
  // line; false when no spot within three lines is free (the table below
  // the diagram has every value).
  bool Place(std::string& svg, double x, double y, bool above, const std::string& text) {
    const double w = static_cast<double>(text.size()) * kFont * 0.56 + 2;
    x = std::clamp(x, w / 2 + 2, kWidth - w / 2 - 2);
    for (int step = 0; step < 3; ++step) {
      const double base = above ? y - 3 - step * (kFont + 2) : y + kFont + 2 + step * (kFont + 2);
      const Box box{x - w / 2, base - kFont, x + w / 2, base + 2};
      if (box.y0 < 0 || box.y1 > kHeight) continue;
      if (std::any_of(boxes_.begin(), boxes_.end(), [&](const Box& b) { return b.Hits(box); })) continue;
      boxes_.push_back(box);
      svg += "<text x=\"" + U(x) + "\" y=\"" + U(base) + "\" style=\"text-anchor:middle\">" + Escape(text) + "</text>\n";
      return true;
    }
    return false;
  }
  void Keep(const Box& b) { boxes_.push_back(b); }

 private:
  std::vector<Box> boxes_;
};

std::string Metres(double x) { return Num(x, 3); }

std::string Summary(const checks::DesignChecks& checks) {
  Table table("combined", {{"Mark", "id"},
                           {"Supports", ""},
                           {"Direction", ""},
                           {"L × B × D (m)", "num"},
                           {"Verdict", "status"},
                           {"Governing check", ""},
                           {"u", "num"},
                           {"Recommendation or failing checks", ""}});
  for (const CombinedFooting& f : checks.combined) {
    const bool designed = f.L > 0;
    const checks::Check* g = f.governing >= 0 ? &f.checks[static_cast<std::size_t>(f.governing)].check : nullptr;
    table.Row({Escape(combined::MarkText(f)), Escape(combined::SupportsText(f)),
               designed ? Escape(combined::AxisText(f)) : "–",
               designed ? Escape(combined::SizeText(f)) : "–", VerdictBadge(f.verdict),
               g ? Escape(g->id) + " " + Typeset(g->name) : "–",
               g ? Num(f.governingUtilisation, kRatioDecimals) : "–", Typeset(f.reason)},
              f.verdict == checks::Verdict::Ok ? "" : "fail");
  }
  return "<section class=\"combined-list\">\n" + Tag("h2", "Combined footings") +
         Tag("p",
             "Where isolated footings overlap or stand too close, their columns share one rectangular footing, "
             "centred on the resultant of DL + LL and designed as a beam along its length on the net soil "
             "pressure (rigid method). Sets that cannot be one rectangle on a grid line are not designed: the "
             "footing recommended instead is named.") +
         table.Html() + "</section>\n";
}

std::string Members(const Model& model, const CombinedFooting& f) {
  std::string joints;
  for (std::size_t i = 0; i < f.supports.size() && i < f.columnAt.size(); ++i) {
    const int s = f.supports[i];
    const std::string joint = s >= 1 && s <= model.NumSupports ? FileText(model.Footings[s].JointNo)
                              : i < f.joints.size()            ? IntText(f.joints[i])
                                                               : "?";
    joints += std::string(i ? ", " : "") + IntText(s) + " (joint " + joint + ", x = " + Metres(f.columnAt[i]) + " m)";
  }
  const char across = f.axis == combined::Axis::X ? 'Z' : 'X';
  return Tag("p", "Supports " + joints + " from the left end, " + Escape(combined::AxisText(f)) + " on the grid line " +
                      across + " = " + Metres(f.gridLine) + " m. Rigid method assumed.",
             "provenance");
}

std::string Facts(const CombinedFooting& f) {
  Table table("facts", {{"", "name"}, {"", "num"}, {"", "name"}, {"", "num"}});
  table.Row({"Length L", Metres(f.L) + " m", "Overhang at the start", Metres(f.overhangStart) + " m"});
  table.Row({"Width B", Metres(f.B) + " m", "Overhang at the end", Metres(f.overhangEnd) + " m"});
  table.Row({"Depth D", Num(f.D, 0) + " mm", "Centre X, Z", Metres(f.centreX) + ", " + Metres(f.centreZ) + " m"});
  table.Row({"d transverse, bottom", Num(f.dT, 0) + " mm", "d longitudinal, bottom / top",
             Num(f.dLb, 0) + " / " + Num(f.dLt, 0) + " mm"});
  return table.Html();
}

// The candidates side by side, a dozen to a row: the least of the larger
// moment wins.
std::string LengthSearch(const CombinedFooting& f) {
  if (f.lengthSearch.empty()) return "";
  std::string html = Tag("h3", "Length search (factored DL + LL; the least of the larger moment, the shorter on a tie)");
  constexpr std::size_t kAcross = 12;
  for (std::size_t start = 0; start < f.lengthSearch.size(); start += kAcross) {
    const std::size_t end = std::min(start + kAcross, f.lengthSearch.size());
    std::vector<Column> columns{{"L (m)", "name"}};
    std::vector<std::string> hog{"hogging (kN·m)"}, sag{"sagging (kN·m)"};
    for (std::size_t i = start; i < end; ++i) {
      const combined::LengthTrial& t = f.lengthSearch[i];
      const bool chosen = std::fabs(t.L - f.L) < 1e-6;
      const auto mark = [&](const std::string& text) { return chosen ? Tag("b", text) : text; };
      columns.push_back({mark(Num(t.L, 1)), "num"});
      hog.push_back(t.clashes ? "clash" : mark(Num(t.hogging, 1)));
      sag.push_back(t.clashes ? "clash" : mark(Num(t.sagging, 1)));
    }
    Table table("search", columns);
    table.Row(hog);
    table.Row(sag);
    html += table.Html();
  }
  return html;
}

std::string KeyTable(const BeamDiagram& d) {
  Table table("keys", {{"Point", ""}, {"x (m)", "num"}, {"V left (kN)", "num"}, {"V right (kN)", "num"},
                       {"M (kN·m)", "num"}});
  for (const KeyPoint& k : d.keys)
    table.Row({Escape(k.what), Metres(k.x), Num(k.shearLeft, 2),
               k.shearRight != k.shearLeft ? Num(k.shearRight, 2) : "", Num(k.moment, 2)});
  return table.Html();
}

std::string Diagrams(const CombinedFooting& f) {
  std::string html;
  for (const BeamDiagram& d : f.diagrams) {
    html += "<div class=\"diagram\">" +
            Tag("h3", "Shear force and bending moment under " + FileText(d.combination)) +
            Tag("p", "Shear force V (kN), positive above the axis: the sum of the forces left of the section, soil "
                     "pressure up, column loads down.",
                "caption") +
            DiagramSvg(f, d, false) +
            Tag("p", "Bending moment M (kN·m): sagging positive (bottom face in tension) above the axis, hogging "
                     "negative (top face in tension) below. Values at the column faces, the zero-shear points and "
                     "the points of contraflexure.",
                "caption") +
            DiagramSvg(f, d, true) + "</div>\n";
    html += KeyTable(d);
    html += Tag("p", "Closure at the far end: V(L) = " + Num(d.endShear, 6) + " kN, M(L) = " + Num(d.endMoment, 6) +
                         " kN·m.",
                "closure");
  }
  return html;
}

std::string Bars(const CombinedFooting& f) {
  Table table("cfbars", {{"Set", ""},
                         {"Face, direction", ""},
                         {"Bars", "bars"},
                         {"Over x (m)", "num"},
                         {"Bar length (m)", "num"},
                         {"Legs (mm)", "num"},
                         {"Required / minimum / provided", "num"},
                         {"Mass (kg)", "num"}});
  const std::string along = f.axis == combined::Axis::X ? "X" : "Z", across = f.axis == combined::Axis::X ? "Z" : "X";
  for (const BarSet& b : f.bars) {
    const bool rate = b.name == "distribution";  // mm2 per mm of length
    const int places = rate ? 3 : 0;
    const std::string need = b.required > 0 || b.minimum > 0 || b.provided > 0
                                 ? Num(b.required, places) + " / " + Num(b.minimum, places) + " / " +
                                       Num(b.provided, places) + (rate ? " mm²/mm" : " mm²")
                                 : "–";
    table.Row({Escape(b.name), std::string(b.face == combined::Face::Top ? "top" : "bottom") + ", along " +
                                   (b.longitudinal ? along : across),
               Escape(combined::BarText(b)), Num(b.from, 3) + " – " + Num(b.to, 3), Num(b.length, 3),
               b.leg > 0 ? Num(b.leg, 0) : "straight", need, Num(b.mass, 2)});
  }
  std::string html = Tag("h3", "Bars") + table.Html();
  if (!f.bands.empty()) {
    std::string bands;
    for (const combined::Band& b : f.bands) {
      const int s = b.column >= 1 && static_cast<std::size_t>(b.column) <= f.supports.size()
                        ? f.supports[static_cast<std::size_t>(b.column - 1)]
                        : 0;
      bands += std::string(bands.empty() ? "" : "; ") + "band " + IntText(b.column) +
               (s > 0 ? " (support " + IntText(s) + ")" : "") + " from x = " + Num(b.from, 3) + " to " +
               Num(b.to, 3) + " m, w = " + Num(b.width, 0) + " mm";
    }
    html += Tag("p", "Column bands (transverse bottom bars under each column, the column plus 0.75 d each side): " +
                         bands + ".",
                "bands");
  }
  return html;
}

std::string Page(const Model& model, const CombinedFooting& f) {
  std::string html = "<section class=\"combined\">\n";
  html += Tag("h2", "Combined footing " + Escape(f.mark) + " " + VerdictBadge(f.verdict));
  html += Members(model, f);
  if (f.verdict == checks::Verdict::Fails) html += Tag("p", Typeset(f.reason), "reason");
  html += Facts(f);
  html += LengthSearch(f);
  html += Diagrams(f);
  html += Bars(f);
  std::vector<checks::Check> rows;
  for (const combined::CheckRow& r : f.checks) {
    rows.push_back(r.check);
    rows.back().methodUtilisation = std::numeric_limits<double>::quiet_NaN();  // no design step of the method's own
  }
  html += Tag("h3", "Checks") + CheckTable(rows);
  std::string verdict = "Verdict: " + VerdictBadge(f.verdict);
  if (f.governing >= 0) {
    const checks::Check& g = f.checks[static_cast<std::size_t>(f.governing)].check;
    verdict += " governing " + Escape(g.id) + " " + Typeset(g.name) + ", u = " + Num(f.governingUtilisation, kRatioDecimals);
  }
  if (f.warnings > 0) verdict += "; " + IntText(f.warnings) + (f.warnings == 1 ? " warning" : " warnings");
  html += Tag("p", verdict + ".", "verdict-line");
  html += Tag("p",
              "Quantities: concrete " + Num(f.concrete, 3) + " m³ (" + Escape(combined::SizeText(f)) +
                  " m, and the pedestals where designed); steel " + Num(f.steel, 2) + " kg, the bar marks of " +
                  Escape(f.mark) + " in the bar bending schedule.",
              "quantities");
  return html + "</section>\n";
}

}  // namespace

std::string DiagramSvg(const CombinedFooting& f, const BeamDiagram& d, bool moment) {
  const auto value = [moment](double v, double m) { return moment ? m : v; };
  double peak = 0;
  for (const combined::DiagramPoint& p : d.samples) peak = std::max(peak, std::fabs(value(p.shear, p.moment)));
  if (peak <= 0) peak = 1;
  const double plot = kWidth - kLeft - kRight;
  const auto X = [&](double x) { return kLeft + x / std::max(f.L, 1e-9) * plot; };
  const auto Y = [&](double v) { return kAxis - v / peak * kReach; };

  // Styles inline: the plan's drawing in the same page styles every path
  // and text of the page, and a style rule outranks an attribute.
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"diagram\" viewBox=\"0 0 " + U(kWidth) + " " +
                    U(kHeight) + "\" style=\"width:180mm;height:" + DecimalText(kHeight / 4, 2) +
                    "mm;font-family:'DejaVu Sans','Liberation Sans',Arial,sans-serif;font-size:" + U(kFont) +
                    "px\">\n";
  // The area under the curve, then the curve, then the axis over both.
  std::string path;
  for (const combined::DiagramPoint& p : d.samples)
    path += (path.empty() ? "M" : " L") + U(X(p.x)) + " " + U(Y(value(p.shear, p.moment)));
  const std::string fill = moment ? "#f3d9e6" : "#d9e6f3", stroke = moment ? "#8a1c4b" : "#1c4b8a";
  svg += "<path d=\"" + path + " L" + U(X(f.L)) + " " + U(kAxis) + " L" + U(X(0)) + " " + U(kAxis) + " Z\" style=\"fill:" +
         fill + ";stroke:none\"/>\n";
  svg += "<path d=\"" + path + "\" style=\"fill:none;stroke:" + stroke + ";stroke-width:1.4\"/>\n";
  svg += "<line x1=\"" + U(X(0)) + "\" y1=\"" + U(kAxis) + "\" x2=\"" + U(X(f.L)) + "\" y2=\"" + U(kAxis) +
         "\" style=\"stroke:#000;stroke-width:1\"/>\n";

  Labels labels;
  // The axis' name and sign at the left.
  svg += "<text x=\"4\" style=\"text-anchor:start\" y=\"" + U(kAxis - 3) + "\">" + (moment ? "M (kN·m)" : "V (kN)") + "</text>\n";
  svg += "<text x=\"4\" style=\"text-anchor:start\" y=\"" + U(kAxis - kReach + 6) + "\">" + (moment ? "+ sagging" : "+") + "</text>\n";
  svg += "<text x=\"4\" style=\"text-anchor:start\" y=\"" + U(kAxis + kReach) + "\">" + (moment ? "− hogging" : "−") + "</text>\n";
  labels.Keep({0, 0, kLeft - 2, kHeight});

  // The columns: a dashed line at each centre, its support at the top and
  // its position along the bottom; the ends likewise.
  const double bottom = kHeight - 4;
  for (std::size_t i = 0; i < f.columnAt.size(); ++i) {
    const double x = X(f.columnAt[i]);
    svg += "<line x1=\"" + U(x) + "\" y1=\"" + U(kFont + 4) + "\" x2=\"" + U(x) + "\" y2=\"" + U(bottom - kFont - 2) +
           "\" style=\"stroke:#555;stroke-width:0.6;stroke-dasharray:4 3\"/>\n";
    const std::string name = i < f.supports.size() ? "support " + IntText(f.supports[i]) : "column";
    labels.Place(svg, x, kFont + 3, true, name);
    labels.Place(svg, x, bottom, true, "x = " + Metres(f.columnAt[i]));
  }
  labels.Place(svg, X(0), bottom, true, "0");
  labels.Place(svg, X(f.L), bottom, true, Metres(f.L) + " m");

  // Values: the column faces first (the design sections), then the
  // zero-shear and contraflexure points.
  for (int pass = 0; pass < 2; ++pass)
    for (const KeyPoint& k : d.keys) {
      const bool face = Face(k);
      if ((pass == 0) != face) continue;
      const double x = X(k.x);
      if (moment) {
        if (k.what == "contraflexure") {
          svg += "<circle cx=\"" + U(x) + "\" cy=\"" + U(kAxis) + "\" r=\"2.2\" style=\"fill:#000;stroke:none\"/>\n";
          labels.Place(svg, x, kAxis, false, "M = 0 at " + Metres(k.x));
        } else if (face || k.what == "zero shear") {
          const double y = Y(k.moment);
          svg += "<circle cx=\"" + U(x) + "\" cy=\"" + U(y) + "\" r=\"1.6\" style=\"fill:" + stroke + ";stroke:none\"/>\n";
          labels.Place(svg, x, y, k.moment >= 0, Num(k.moment, 1));
        }
      } else if (k.what == "zero shear") {
        svg += "<circle cx=\"" + U(x) + "\" cy=\"" + U(kAxis) + "\" r=\"2.2\" style=\"fill:#000;stroke:none\"/>\n";
        labels.Place(svg, x, kAxis, true, "V = 0 at " + Metres(k.x));
      } else if (face) {
        const double y = Y(k.shearLeft);
        svg += "<circle cx=\"" + U(x) + "\" cy=\"" + U(y) + "\" r=\"1.6\" style=\"fill:" + stroke + ";stroke:none\"/>\n";
        labels.Place(svg, x, y, k.shearLeft >= 0, Num(k.shearLeft, 1));
      }
    }
  return svg + "</svg>\n";
}

std::string CombinedPages(const Model& model, const checks::DesignChecks& checks) {
  if (checks.combined.empty()) return "";
  std::string html = Summary(checks);
  for (const CombinedFooting& f : checks.combined)
    if (f.L > 0 && !f.mark.empty()) html += Page(model, f);
  return html;
}

}  // namespace footmark::report
