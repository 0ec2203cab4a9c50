// One zone of the plan drawn into its block of a sheet: the grid with its
// bubbles on all four sides and its dimension chains, every footing of the
// zone with its pedestal, column and mark, hatches and clouds for the
// design's state, tagged clouds for clashes, offset dimensions and match
// lines to the neighbouring zones.
#pragma once

#include <string>
#include <vector>

#include "drawing/plan_frame.h"
#include "drawing/sheet.h"
#include "drawing/sheet_canvas.h"
#include "drawing/sheet_layout.h"

namespace footmark::sheet {

struct ZoneContext {
  const PlanFrame* plan = nullptr;
  const Layout* layout = nullptr;
  std::size_t zone = 0;                 // also the sheet's index
  const std::vector<std::string>* tags;  // of the clashes
};

// Draws the zone; the footings and clashes it shows get their sheet and
// outline (drawing units) in `sheet`.
void DrawPlanZone(Canvas& canvas, const ZoneContext& zone, Sheet& sheet);

}  // namespace footmark::sheet
