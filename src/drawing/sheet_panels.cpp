#include "drawing/sheet_panels.h"

#include <algorithm>
#include <cmath>

#include "checks/footing_check.h"
#include "checks/group_inputs.h"
#include "combined/schedule_cells.h"
#include "design/schedules.h"
#include "model/code_page.h"
#include "model/numerics.h"

namespace footmark::sheet {

namespace {

constexpr double kPad = 2;        // mm between a cell's rule and its text
constexpr double kRow = 6;        // mm, a row of 2.5 mm text
constexpr double kLineGap = 1.5;  // mm between the lines of one text

double Width(std::string_view text, double height = kTextHeight) { return TextWidth(text.size(), height); }

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t nl = text.find('\n'); nl != std::string_view::npos; nl = text.find('\n', start)) {
    lines.emplace_back(text.substr(start, nl - start));
    start = nl + 1;
  }
  lines.emplace_back(text.substr(start));
  return lines;
}

// Words of `text` in lines of at most `width` mm.
std::vector<std::string> Wrap(std::string_view text, double width, double height = kTextHeight) {
  std::vector<std::string> lines(1);
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t end = std::min(text.find(' ', i), text.size());
    const std::string_view word = text.substr(i, end - i);
    std::string& line = lines.back();
    if (!line.empty() && Width(line + ' ' + std::string(word), height) > width)
      lines.emplace_back(word);
    else
      line += (line.empty() ? "" : " ") + std::string(word);
    i = end + 1;
  }
  return lines;
}

// The height that fits `text` into `width`, at most `height`; below 1.8 mm
// the text is cut short instead.
std::pair<double, std::string> Fit(std::string text, double width, double height) {
  const double fits = width / std::max<double>(1, TextWidth(text.size(), 1.0));
  if (fits >= height) return {height, text};
  if (fits >= 1.8) return {fits, text};
  const std::size_t keep = static_cast<std::size_t>(width / TextWidth(1, 1.8));
  if (keep < text.size()) text = text.substr(0, keep > 3 ? keep - 3 : 0) + "...";
  return {1.8, text};
}

std::string Mm(double metres) { return DecimalText(metres * 1000, 0); }

}  // namespace

std::string CombinedBarText(const combined::BarSet& b) {
  return IntText(b.count) + " - " + DecimalText(b.dia, 0) + " @ " + DecimalText(b.spacing, 0);
}

void DimensionLines(Canvas& c, Vec2 a, Vec2 b, double at, bool vertical, std::string_view layer) {
  // Coordinates along the measured direction (u) and across it (v).
  const auto P = [vertical](double u, double v) { return vertical ? Vec2{v, u} : Vec2{u, v}; };
  const double ua = vertical ? a.y : a.x, ub = vertical ? b.y : b.x;
  for (const Vec2 p : {a, b}) {
    const double u = vertical ? p.y : p.x, v = vertical ? p.x : p.y;
    const double dir = at >= v ? 1 : -1;
    if (std::fabs(at - v) > 1.5) c.Line(layer, P(u, v + dir), P(u, at + dir * 1.5));
    c.Line(layer, P(u - 0.8, at - 0.8), P(u + 0.8, at + 0.8));
  }
  c.Line(layer, P(std::min(ua, ub) - 1.5, at), P(std::max(ua, ub) + 1.5, at));
}

Panel TablePanel(TableText t, std::string_view layer) {
  const std::size_t n = t.headers.size();
  std::vector<double> widths(n, 0);
  std::size_t headerLines = 1;
  for (std::size_t c = 0; c < n; ++c) {
    for (const std::string& line : Lines(t.headers[c])) widths[c] = std::max(widths[c], Width(line));
    headerLines = std::max(headerLines, Lines(t.headers[c]).size());
    for (const auto& row : t.rows) widths[c] = std::max(widths[c], Width(row[c]));
    widths[c] += 2 * kPad;
  }
  const double header = static_cast<double>(headerLines) * (kTextHeight + kLineGap) + kLineGap + 1;
  const double title = kHeading + 4;
  double total = 0;
  for (const double w : widths) total += w;
  total = std::max(total, Width(t.title, kHeading));
  const double height = title + header + static_cast<double>(t.rows.size()) * kRow;
  t.align.resize(n, TextAlign::kCentre);
  const std::string owned(layer);
  return {{total, height}, [t = std::move(t), widths, header, title, total, height, owned](Canvas& c, const Extents& box) {
            const double x0 = box.min.x, top = box.max.y;
            c.Text(kText, {x0, top - kHeading}, kHeading, t.title, TextAlign::kLeft);
            const double y0 = top - title;  // the table's top rule
            const double bottom = box.max.y - height;
            double x = x0;
            std::vector<double> edges{x0};
            for (const double w : widths) edges.push_back(x += w);
            edges.back() = x0 + total;  // a title wider than the columns widens the last
            c.Rect(owned, {{x0, bottom}, {x0 + total, y0}});
            for (std::size_t i = 1; i + 1 < edges.size(); ++i) c.Line(owned, {edges[i], bottom}, {edges[i], y0});
            c.Line(owned, {x0, y0 - header}, {x0 + total, y0 - header});
            for (std::size_t col = 0; col < t.headers.size(); ++col) {
              const std::vector<std::string> lines = Lines(t.headers[col]);
              const double block = static_cast<double>(lines.size()) * (kTextHeight + kLineGap) - kLineGap;
              double base = y0 - (header - block) / 2 - kTextHeight;
              for (const std::string& line : lines) {
                c.Text(owned, {(edges[col] + edges[col + 1]) / 2, base}, kTextHeight, line);
                base -= kTextHeight + kLineGap;
              }
            }
            for (std::size_t r = 0; r < t.rows.size(); ++r) {
              const double rowTop = y0 - header - static_cast<double>(r) * kRow;
              if (r > 0) c.Line(owned, {x0, rowTop}, {x0 + total, rowTop});
              const double base = rowTop - (kRow + kTextHeight) / 2;
              for (std::size_t col = 0; col < t.rows[r].size(); ++col) {
                const TextAlign a = t.align[col];
                const double at = a == TextAlign::kLeft    ? edges[col] + kPad
                                  : a == TextAlign::kRight ? edges[col + 1] - kPad
                                                           : (edges[col] + edges[col + 1]) / 2;
                if (!t.rows[r][col].empty()) c.Text(owned, {at, base}, kTextHeight, t.rows[r][col], a);
              }
            }
          }};
}

TableText FootingScheduleText(const Model& model, const checks::DesignChecks& checks) {
  TableText t{"FOOTING SCHEDULE",
              {"MARK", "NO.", "SIZE\nB x B (mm)", "DEPTH\nD (mm)", "PEDESTAL\n(mm)", "BOTTOM BARS\nEACH WAY (mm)",
               "BAR ENDS\n(mm)", "CONCRETE\n(m3)", "STEEL\n(kg)", "CHECKS\nIS 456"},
              {},
              {TextAlign::kLeft, TextAlign::kRight, TextAlign::kCentre, TextAlign::kRight, TextAlign::kLeft,
               TextAlign::kLeft, TextAlign::kLeft, TextAlign::kRight, TextAlign::kRight, TextAlign::kLeft}};
  for (const checks::GroupCheck& g : checks.groups) {
    const int n = std::stoi(g.mark.substr(1));
    const FootGroup& f = model.FootGroups[n];
    const std::string side = Mm(f.Size) + " x " + Mm(f.Size);
    const checks::FootingCheck& c = g.check;
    if (c.verdict == checks::Verdict::NotDesigned) {
      // No depth, pedestal or bars: the method left the group undesigned.
      t.rows.push_back({g.mark, IntText(g.quantities.count), side, "", "", "", "", "", "", "NOT DESIGNED"});
      continue;
    }
    int bars = 0, spacing = 0;
    checks::ReadBarText(f.BarText, bars, spacing);
    const std::string verdict =
        c.verdict == checks::Verdict::Ok
            ? "OK " + DecimalText(c.governingUtilisation, 2, true)
            : "FAILS " + (c.governing >= 0 ? c.checks[static_cast<std::size_t>(c.governing)].id + " " : std::string()) +
                  DecimalText(c.governingUtilisation, 3);
    t.rows.push_back({g.mark, IntText(g.quantities.count), side, Mm(f.Depth),
                      "P" + IntText(f.PedType) + "  " + Mm(f.Pedestal) + " x " + Mm(f.Pedestal),
                      IntText(bars) + " - " + IntText(f.BarDia) + " @ " + IntText(spacing),
                      c.bendLeg > 0 ? "bend up " + DecimalText(c.bendLeg, 0) : "straight",
                      DecimalText(g.quantities.concreteTotal, 2), DecimalText(g.quantities.steelTotal, 1), verdict});
  }
  // A combined footing: its size and bars a row each, its quantities and
  // verdict on the first.
  for (const combined::CombinedFooting& f : checks.combined) {
    if (f.L <= 0 || f.mark.empty()) continue;
    t.headers[2] = "SIZE\nB x B, L x B (mm)";
    t.headers[5] = "BOTTOM BARS EACH WAY;\nCF: EACH SET (mm)";
    const std::string verdict = f.verdict == checks::Verdict::Ok ? "OK " + DecimalText(f.governingUtilisation, 2, true)
                                                                 : "FAILS " + DecimalText(f.governingUtilisation, 3);
    std::string on = "on";
    for (std::size_t i = 0; i < f.supports.size(); ++i) on += (i ? ", S" : " S") + IntText(f.supports[i]);
    bool first = true;
    for (const combined::BarSet& b : f.bars) {
      const std::string bars = b.name + ": " + CombinedBarText(b);
      const std::string ends = b.leg > 0 ? "bend " + DecimalText(b.leg, 0) : "straight";
      if (first)
        t.rows.push_back({f.mark, IntText(static_cast<int>(f.supports.size())),
                          Mm(f.L) + " x " + Mm(f.B), DecimalText(f.D, 0), on, bars, ends,
                          DecimalText(f.concrete, 2), DecimalText(f.steel, 1), verdict});
      else
        t.rows.push_back({"", "", "", "", "", bars, ends, "", "", ""});
      first = false;
    }
  }
  t.rows.push_back({"TOTAL", IntText(checks.footings), "", "", "", "", "", DecimalText(checks.concrete, 2),
                    DecimalText(checks.steel, 1), ""});
  return t;
}

TableText ColumnScheduleText(const Model& model) {
  TableText t{"COLUMN SCHEDULE",
              {"MARK", "SECTION\n(mm)", "BARS\n(no. - dia mm)", "TIES\n(dia @ c/c mm)"},
              {},
              {TextAlign::kLeft, TextAlign::kCentre, TextAlign::kLeft, TextAlign::kLeft}};
  const auto replace = [](std::string s, std::string_view from, std::string_view to) {
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
      s.replace(at, from.size(), to);
    return s;
  };
  for (ColumnRow r : ColumnScheduleRows(model)) {
    r[3].erase(r[3].find_last_not_of(' ') + 1);
    r[3].erase(0, r[3].find_first_not_of(' '));
    t.rows.push_back({r[0], replace(r[1], " X ", " x "), replace(r[3], "  ", " + "), replace(r[4], " - ", " @ ")});
  }
  return t;
}

TableText ClashListText(const PlanFrame& plan, const std::vector<std::string>& tags) {
  TableText t{"FOOTINGS TO COMBINE",
              {"TAG", "SUPPORTS", "FOOTINGS", "CLEAR GAP\n(mm)", "REMARK"},
              {},
              {TextAlign::kLeft, TextAlign::kLeft, TextAlign::kLeft, TextAlign::kRight, TextAlign::kLeft}};
  for (std::size_t i = 0; i < plan.clashes.size(); ++i) {
    const checks::Clash& c = plan.clashes[i];
    const auto mark = [&](int s) { return plan.footings[static_cast<std::size_t>(s - 1)].mark; };
    t.rows.push_back({tags[i], IntText(c.supportA) + " + " + IntText(c.supportB), mark(c.supportA) + " + " + mark(c.supportB),
                      c.overlap ? "overlap " + Mm(-c.gap) : Mm(c.gap), "combined footing required"});
  }
  return t;
}

Panel NotesPanel(const Model& model, const std::string& analysisName) {
  const std::vector<std::string> notes = {
      "All dimensions are in millimetres unless noted. Grid dimensions are between grid lines; a column off its "
      "grid line is dimensioned from it to the column centre.",
      "Concrete: M" + IntText(model.Fck) + " for footings and pedestals. Reinforcement: Fe " + IntText(model.Fe) +
          " deformed bars to IS 1786.",
      "Clear cover to the bottom bars " + DecimalText(checks::kCover, 0) + " mm (IS 456 26.4.2.2).",
      "Lean concrete M10 (PCC 1:3:6), 100 thick, projecting 100 beyond the footing on every side.",
      "Safe bearing capacity of the soil " + NumText(model.SBC) +
          " kN/m2 at the founding level. The founding depth is as the soil investigation gives it; the "
          "engineer confirms it on site before the lean concrete is cast.",
      "Pedestal height to suit the plinth beam level.",
      "Footings designed to IS 456:2000 (limit state) from the support reactions of " + analysisName +
          "; checks and quantities in the calculation report.",
      "Hatched footings are not designed. Clouded footings fail a check (see the footing schedule). Footings "
      "clouded in pairs and tagged CF overlap or stand too close: a combined footing is required.",
  };
  constexpr double kWidth = 176;
  std::vector<std::vector<std::string>> wrapped;
  double height = kHeading + 4;
  for (const std::string& note : notes) {
    wrapped.push_back(Wrap(note, kWidth - 7));
    height += static_cast<double>(wrapped.back().size()) * (kTextHeight + kLineGap) + 1;
  }
  return {{kWidth, height, true}, [wrapped](Canvas& c, const Extents& box) {
            double y = box.max.y - kHeading;
            c.Text(kText, {box.min.x, y}, kHeading, "GENERAL NOTES", TextAlign::kLeft);
            y -= 4;
            for (std::size_t i = 0; i < wrapped.size(); ++i) {
              c.Text(kText, {box.min.x, y - kTextHeight}, kTextHeight, IntText(static_cast<int>(i) + 1) + ".",
                     TextAlign::kLeft);
              for (const std::string& line : wrapped[i]) {
                y -= kTextHeight;
                c.Text(kText, {box.min.x + 7, y}, kTextHeight, line, TextAlign::kLeft);
                y -= kLineGap;
              }
              y -= 1;
            }
          }};
}

Panel LegendPanel() {
  struct Entry {
    const char* text;
    int symbol;
  };
  static constexpr Entry kEntries[] = {
      {"footing mark: footing / pedestal type / column type", 0},
      {"footing", 1},
      {"pedestal", 2},
      {"column", 3},
      {"grid line", 4},
      {"column offset from its grid line (mm)", 5},
      {"footing not designed", 6},
      {"footing fails a check (see footing schedule)", 7},
      {"combined footing required (see footings to combine)", 8},
  };
  constexpr double kRowHeight = 8, kWidth = 176;
  const double height = kHeading + 4 + std::size(kEntries) * kRowHeight;
  return {{kWidth, height, true}, [](Canvas& c, const Extents& box) {
            c.Text(kText, {box.min.x, box.max.y - kHeading}, kHeading, "LEGEND", TextAlign::kLeft);
            double y = box.max.y - kHeading - 4;
            for (const Entry& e : kEntries) {
              const Extents s{{box.min.x + 2, y - kRowHeight + 2}, {box.min.x + 22, y - 1}};
              const Vec2 mid{(s.min.x + s.max.x) / 2, (s.min.y + s.max.y) / 2};
              switch (e.symbol) {
                case 0: c.TextMiddle(kMark, mid, kTextHeight, "F2/P1/C4"); break;
                case 1: c.Rect(kFooting, s); break;
                case 2: c.Rect(kPedestal, BoxAt(mid, 8, 5)); break;
                case 3: c.Solid(kColumn, {{mid.x - 3, mid.y - 2}, {mid.x + 3, mid.y - 2}, {mid.x + 3, mid.y + 2}, {mid.x - 3, mid.y + 2}}); break;
                case 4:
                  c.Line(kGrid, {s.min.x + 6, mid.y}, {s.max.x, mid.y});
                  c.Circle(kGrid, {s.min.x + 3, mid.y}, 3);
                  c.TextMiddle(kGrid, {s.min.x + 3, mid.y}, kSmallText, "A");
                  break;
                case 5:
                  DimensionLines(c, {s.min.x + 4, mid.y + 2}, {s.min.x + 9, mid.y + 2}, mid.y - 1.5, false);
                  c.Text(kDimension, {s.min.x + 12, mid.y - 2.5}, kSmallText, "115", TextAlign::kLeft);
                  break;
                case 6:
                  c.Hatch(kHatch, {s.min, {s.max.x, s.min.y}, s.max, {s.min.x, s.max.y}}, 1.5, 45);
                  c.Rect(kFooting, s);
                  break;
                case 7: c.Polyline(kCloud, CloudAround(s, 3), true); break;
                case 8:
                  c.Polyline(kCloud, CloudAround({s.min, {s.min.x + 13, s.max.y}}, 3), true);
                  c.Rect(kCloud, BoxAt({s.max.x - 3, mid.y}, 6, 4));
                  c.TextMiddle(kCloud, {s.max.x - 3, mid.y}, 1.5, "CF");
                  break;
              }
              c.Text(kText, {box.min.x + 26, mid.y - kTextHeight / 2}, kTextHeight, e.text, TextAlign::kLeft);
              y -= kRowHeight;
            }
          }};
}

Panel PlanTitlePanel(int scale) {
  return {{176, 30}, [scale](Canvas& c, const Extents& box) {
            // North arrow: the plan's own north, up the sheet.
            const Vec2 n{box.min.x + 12, box.min.y + 13};
            c.Circle(kTitle, n, 8);
            c.Solid(kTitle, {{n.x, n.y + 8}, {n.x - 3, n.y - 5}, {n.x, n.y - 2}});
            c.Polyline(kTitle, {{static_cast<float>(n.x), static_cast<float>(n.y + 8), 0},
                                {static_cast<float>(n.x + 3), static_cast<float>(n.y - 5), 0},
                                {static_cast<float>(n.x), static_cast<float>(n.y - 2), 0}},
                       false);
            c.TextMiddle(kTitle, {n.x, n.y + 12.5}, kHeading, "N");
            c.Text(kText, {box.min.x + 28, box.max.y - 9}, kTitleText, "FOOTING LAYOUT PLAN", TextAlign::kLeft);
            c.Text(kText, {box.min.x + 28, box.max.y - 15}, kTextHeight, "SCALE 1:" + IntText(scale), TextAlign::kLeft);
            // A bar of five parts, 50 mm long at 1:100 and 1:200 (5 m, 10 m).
            const double metres = scale >= 100 ? scale / 20.0 : 2.0;
            const double length = metres * 1000 / scale, x0 = box.max.x - length - 8, y0 = box.min.y + 6;
            for (int i = 0; i < 5; ++i) {
              const double a = x0 + length * i / 5, b = x0 + length * (i + 1) / 5;
              if (i % 2 == 0) c.Solid(kTitle, {{a, y0}, {b, y0}, {b, y0 + 2}, {a, y0 + 2}});
              c.Rect(kTitle, {{a, y0}, {b, y0 + 2}});
            }
            c.Text(kText, {x0, y0 + 4}, kSmallText, "0");
            c.Text(kText, {x0 + length / 2, y0 + 4}, kSmallText, DecimalText(metres / 2, 1));
            c.Text(kText, {x0 + length, y0 + 4}, kSmallText, DecimalText(metres, 0) + " m");
          }};
}

void DrawTitleBlock(Canvas& c, const Extents& box, const TitleData& t) {
  const double x0 = box.min.x, x1 = box.max.x, row = (box.max.y - box.min.y) / 4;
  c.Rect(kTitle, box);
  for (int i = 1; i < 4; ++i) c.Line(kTitle, {x0, box.min.y + row * i}, {x1, box.min.y + row * i});
  const auto cell = [&](double a, double b, int r, std::string_view label, std::string value, double height) {
    const double top = box.max.y - row * r;
    if (a > x0) c.Line(kTitle, {a, top - row}, {a, top});
    c.Text(kTitle, {a + 1.5, top - 1.5 - kSmallText}, kSmallText, label, TextAlign::kLeft);
    const auto [h, text] = Fit(std::move(value), b - a - 3, height);
    if (!text.empty()) c.Text(kText, {a + 1.5, top - row + 2.5}, h, text, TextAlign::kLeft);
  };
  // The title data are UTF-8 as typed; the drawing's texts are code page 1252.
  const ProjectInfo& p = *t.project;
  cell(x0, x1, 0, "PROJECT", Cp1252FromUtf8(p.Project), kHeading);
  cell(x0, x1, 1, "DRAWING", t.drawing + (t.part.empty() ? "" : " - " + t.part), kHeading);
  const double w4 = (x1 - x0) / 4;
  cell(x0, x0 + w4, 2, "JOB NO.", Cp1252FromUtf8(p.JobNumber), kTextHeight);
  cell(x0 + w4, x0 + 2 * w4, 2, "SCALE", "1:" + IntText(t.scale) + " (" + t.paper + ")", kTextHeight);
  cell(x0 + 2 * w4, x0 + 3 * w4, 2, "DATE", t.date, kTextHeight);
  cell(x0 + 3 * w4, x1, 2, "REVISION", Cp1252FromUtf8(p.Revision), kTextHeight);
  const double w3 = (x1 - x0) / 3;
  cell(x0, x0 + w3, 3, "DESIGNED", Cp1252FromUtf8(p.DesignedBy), kTextHeight);
  cell(x0 + w3, x0 + 2 * w3, 3, "CHECKED", Cp1252FromUtf8(p.CheckedBy), kTextHeight);
  cell(x0 + 2 * w3, x1, 3, "SHEET",
       IntText(static_cast<int>(t.sheet) + 1) + " OF " + IntText(static_cast<int>(t.sheets)), kTextHeight);
}

PanelSize KeyPlanSize(const Extents& plan) {
  const double w = plan.max.x - plan.min.x, h = plan.max.y - plan.min.y;
  return {176, kHeading + 6 + std::clamp(150 * h / std::max(w, 1e-3), 40.0, 90.0), true};
}

void DrawKeyPlan(Canvas& c, const Extents& box, const PlanFrame& plan, const std::vector<ZoneLayout>& zones,
                 std::size_t current) {
  c.Text(kText, {box.min.x, box.max.y - kHeading}, kHeading, "KEY PLAN", TextAlign::kLeft);
  const Extents area{{box.min.x + 13, box.min.y}, {box.max.x - 13, box.max.y - kHeading - 6}};
  const Extents& e = plan.extent;
  const double f = std::min((area.max.x - area.min.x) / (e.max.x - e.min.x), (area.max.y - area.min.y) / (e.max.y - e.min.y));
  const auto at = [&](Vec2 p) { return Vec2{area.min.x + (p.x - e.min.x) * f, area.min.y + (p.y - e.min.y) * f}; };
  c.Rect(kTitle, {at(e.min), at(e.max)});
  for (std::size_t i = 0; i < zones.size(); ++i) {
    const Extents z{at(zones[i].region.min), at(zones[i].region.max)};
    if (i == current) c.Hatch(kHatch, {z.min, {z.max.x, z.min.y}, z.max, {z.min.x, z.max.y}}, 2, 45);
    c.Rect(kMatchLine, z);
    c.TextMiddle(kText, {(z.min.x + z.max.x) / 2, (z.min.y + z.max.y) / 2}, kTextHeight,
                 "SHEET " + IntText(static_cast<int>(i) + 1));
  }
}

}  // namespace footmark::sheet
