// Where everything goes on the sheets: the paper and scale, the zones of
// the plan, and a free spot for every panel (schedules, notes, sections...)
// on the first sheet with room, a new sheet when none has.
#pragma once

#include <optional>
#include <vector>

#include "drawing/drawing_geometry.h"
#include "drawing/sheet.h"

namespace footmark::sheet {

struct PaperSize {
  Paper paper;
  const char* name;
  double width, height;  // mm, landscape
};
PaperSize PaperOf(Paper paper);

// The drawing frame inside the border: 20 mm for binding on the left,
// 10 mm elsewhere.
Extents FrameOf(const PaperSize& paper);

// Plan blocks: the margin outside a zone's region for the dimension chains
// and the bubbles (top and left), and for the bubbles alone (bottom, right).
inline constexpr double kRingNear = 36, kRingFar = 20;  // mm
inline constexpr double kTitleWidth = 180, kTitleHeight = 56;
inline constexpr double kPanelGap = 8;  // mm between panels

// Free rectangles of one sheet (the maximal-rectangles method).
class Packer {
 public:
  explicit Packer(const Extents& frame) : free_{frame} {}
  void Occupy(const Extents& box);
  // A spot for w x h: stacked up the right column (the rightmost, then
  // lowest), or in reading order (the highest, then leftmost).
  std::optional<Extents> Find(double w, double h, bool column) const;
  // Takes the spot Find gave, a gap around it kept free.
  void Take(const Extents& box, bool column);
  std::optional<Extents> Place(double w, double h, bool column) {
    const std::optional<Extents> at = Find(w, h, column);
    if (at) Take(*at, column);
    return at;
  }

 private:
  std::vector<Extents> free_;
};

struct PanelSize {
  double w = 0, h = 0;
  bool column = false;  // stacks up the right column above the title block
};

struct ZoneLayout {
  Extents region;    // plan metres
  int column = 0, row = 0;  // of the zones, from the left and from the top
  Extents block;     // the plan block on its sheet, mm
};

struct SheetPlacement {
  std::size_t sheet = 0;
  Extents box;  // mm
};

// Equal cells (the sections) placed as a grid, row by row.
struct CellBlock {
  std::size_t sheet = 0;
  Extents box;
  std::size_t first = 0, count = 0;
  int columns = 1;
};

struct Layout {
  PaperSize paper{};
  int scale = 100;
  std::vector<double> cutsX, cutsY;  // zone cuts, plan metres
  std::vector<ZoneLayout> zones;     // one plan sheet each, in order
  std::size_t sheets = 0;            // plan sheets, then details sheets
  // Per plan sheet the boxes of its own panels (in the order asked).
  std::vector<std::vector<Extents>> sheetPanels;
  std::vector<SheetPlacement> panels;  // the shared panels, in the order asked
  std::vector<CellBlock> cells;        // the cells, in order
};

// The layout for the settings: the first paper and scale in order of
// preference on which everything fits one sheet, else the plan in zones.
// `sheetPanels` go on every plan sheet, and the key plan too when the plan
// is cut; `panels` once each, then `cells` cells of one size in grids where
// they fit. The spans are the footings' along x and y, for cuts between them.
struct LayoutAsk {
  Extents plan;
  std::vector<std::pair<double, double>> spansX, spansY;  // sorted
  std::vector<PanelSize> sheetPanels;
  PanelSize keyPlan;
  std::vector<PanelSize> panels;
  PanelSize cell;
  std::size_t cells = 0;
};
Layout ChooseLayout(const LayoutAsk& ask, const SheetSettings& settings);

}  // namespace footmark::sheet
