// The plan as the sheet draws it: one frame for everything (x the plan X, y
// the plan Z turned so that grid row 1 is on top: y = -Z), grid lines merged
// where columns stand a few centimetres apart, every footing with its state,
// and the plan cut into zones when it needs more than one sheet.
//
// Lengths are metres, rounded to the millimetre: the sheet judges geometry,
// never float noise.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "checks/design_checks.h"
#include "drawing/drawing_geometry.h"
#include "model/model.h"

namespace footmark {

struct GridLine {
  double at = 0;      // x of a lettered line, y of a numbered one
  std::string label;  // "A", "AA", "1"
};

struct PlanFooting {
  int support = 0;
  int group = 0;  // footing design group, 0 when the support has none
  std::string mark;
  checks::Verdict verdict = checks::Verdict::NotDesigned;
  std::string governing;  // failing: the governing check ("C4")
  double x = 0, y = 0;    // column centre
  double side = 0;        // footing side B
  double pedestal = 0;    // pedestal side, 0 when not designed
  double columnX = 0, columnY = 0;  // column sides along x and y
  int lineX = 0, lineY = 0;         // its lettered and numbered grid line
  double offX = 0, offY = 0;        // column centre minus its grid line
  // A combined footing's rectangle (every support on it has it); the lowest
  // support draws it and carries its mark, the others only their columns.
  std::optional<Extents> combined;
  bool drawsFooting = true;
  Extents Square() const {
    return combined ? *combined : Extents{{x - side / 2, y - side / 2}, {x + side / 2, y + side / 2}};
  }
};

struct PlanFrame {
  std::vector<GridLine> lettered;  // ascending x
  std::vector<GridLine> numbered;  // descending y: row 1 on top
  std::vector<PlanFooting> footings;
  std::vector<checks::Clash> clashes;  // by support numbers
  Extents extent;                      // of the footing squares
};

// Letters of the lettered grid lines, A to Z without I and O, then AA, AB,
// ... (index from 0).
std::string GridLetters(int index);

// The grid lines of a set of coordinates: coordinates closer than `merge`
// to their neighbour are one line, at the coordinate most columns stand on
// (the lower one on a tie). Ascending.
std::vector<double> MergedLines(std::vector<double> coordinates, double merge);

// The plan of a designed and checked model. Clashes are those of the
// footings as placed now (columns put to their sides included).
PlanFrame BuildPlanFrame(const Model& model, const checks::DesignChecks& checks, double merge);

// Cuts of [low, high] into `parts` zones, each cut in a gap between the
// intervals (footings along that axis, sorted) nearest to equal parts; low
// and high included.
std::vector<double> ZoneCuts(double low, double high, int parts, const std::vector<std::pair<double, double>>& intervals);

}  // namespace footmark
