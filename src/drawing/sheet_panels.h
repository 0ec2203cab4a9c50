// The panels of a sheet beside the plan: schedules, notes, legend, title
// block, north arrow with scale bar, key plan and sections. Each knows its
// size on paper before it is placed, and draws itself into a box.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "checks/design_checks.h"
#include "drawing/plan_frame.h"
#include "drawing/sheet_canvas.h"
#include "drawing/sheet_layout.h"
#include "model/model.h"
#include "model/project_info.h"

namespace footmark::sheet {

struct Panel {
  PanelSize size;
  // Draws into `box` (mm, of the size asked).
  std::function<void(Canvas&, const Extents& box)> draw;
};

// A ruled table under its title; headers may break lines at '\n'.
struct TableText {
  std::string title;
  std::vector<std::string> headers;
  std::vector<std::vector<std::string>> rows;
  std::vector<TextAlign> align;  // per column; centred when not given
};
Panel TablePanel(TableText table, std::string_view layer = kSchedule);

// The footing schedule: per mark its count, size, depth, pedestal, bottom
// bars, bar ends, quantities and the checks' verdict; a mark not designed
// keeps only its count and side.
TableText FootingScheduleText(const Model& model, const checks::DesignChecks& checks);
// The bar bending schedule: per bar mark its shape, lengths and mass, the
// totals by diameter and in all; in parts of a few dozen rows.
std::vector<TableText> BarScheduleText(const checks::DesignChecks& checks);
// The column schedule: per column type its section, bars and ties.
TableText ColumnScheduleText(const Model& model);
// The footings to combine, by tag.
TableText ClashListText(const PlanFrame& plan, const std::vector<std::string>& tags);

// General notes: units, grades, cover, lean concrete, SBC, founding depth.
Panel NotesPanel(const Model& model, const std::string& analysisName);
Panel LegendPanel();
// North arrow, scale bar and the plan's title.
Panel PlanTitlePanel(int scale);

struct TitleData {
  const ProjectInfo* project = nullptr;
  std::string date;   // as printed
  std::string drawing;  // "FOOTING LAYOUT"
  std::string part;     // "ZONE 2 OF 4", "" for none
  int scale = 100;
  std::string paper;
  std::size_t sheet = 0, sheets = 1;  // from 0
};
void DrawTitleBlock(Canvas& canvas, const Extents& box, const TitleData& title);

// The whole plan's outline with its zones, the one of sheet `current`
// hatched.
PanelSize KeyPlanSize(const Extents& plan);
void DrawKeyPlan(Canvas& canvas, const Extents& box, const PlanFrame& plan, const std::vector<ZoneLayout>& zones,
                 std::size_t current);

// A typical section of each designed footing mark, at the largest of 1:25,
// 1:50 and 1:100 that keeps the widest within 80 mm.
std::vector<Panel> SectionPanels(const Model& model, const checks::DesignChecks& checks);

// A combined footing's bar set as the schedule writes bars: "16 - 12 @ 226".
std::string CombinedBarText(const combined::BarSet& bars);

// The longitudinal section of each designed combined footing, at the
// largest of 1:25, 1:50 and 1:100 that keeps it within 170 mm.
std::vector<Panel> CombinedSectionPanels(const checks::DesignChecks& checks);

// The lines of a dimension between a and b measured along x (vertical
// false) or y, its line at `at` across, with ticks; the text is the
// caller's. Extension lines start 1 mm off the measured points.
void DimensionLines(Canvas& canvas, Vec2 a, Vec2 b, double at, bool vertical, std::string_view layer = kDimension);

}  // namespace footmark::sheet
