// Where the slab's critical regions lie on a combined footing: the column
// bands that carry the columns across the width, and the perimeters for
// punching shear round the loaded areas.
#pragma once

#include <cstddef>
#include <vector>

#include "combined/combined_footing.h"

namespace footmark::combined {

struct LoadedArea {
  double x = 0, v = 0;  // centre: from the footing's left end, from its centre line across, m
  double a = 0, b = 0;  // sides along and across, m
};

// The band of each area: the area plus `reach` (m) each side, stopped at the
// footing's ends and halfway between two areas' faces; an end strip under
// 0.3 m, too narrow for bars of its own, joins the band. Band::column counts
// from 1; widths in mm.
std::vector<Band> ColumnBands(const std::vector<LoadedArea>& areas, double L, double reach);

// The critical perimeter at d/2 from the area's edges (IS 456 31.6.1). A
// side closer than d/2 to a free edge of the footing is dropped and its
// neighbours run to the edge; two perimeters that overlap become one round
// both areas, which then carries both loads.
struct PunchingPerimeter {
  std::vector<std::size_t> areas;    // the loaded areas inside, ascending
  double x0 = 0, x1 = 0, v0 = 0, v1 = 0;  // the enclosed rectangle, within the footing, m
  double b0 = 0;                      // length of the sides kept, m
  int sidesDropped = 0;               // 0 interior, 1 edge, 2 corner
  double beta = 1;                    // short side / long side of the area enclosed (31.6.3.1)
};

// Areas ordered along the footing; L, B in m, d in mm.
std::vector<PunchingPerimeter> PunchingPerimeters(const std::vector<LoadedArea>& areas, double L, double B, double d);

}  // namespace footmark::combined
