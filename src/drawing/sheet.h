// The sheet: the design composed as a draughtsman issues it. The plan with
// its grid in one frame, every footing with its mark, pedestal and column,
// the design's state on it (not designed: hatched; failing: clouded;
// overlapping or too close: clouded and tagged for a combined footing), the
// schedules, a typical section of every footing mark, general notes, a
// legend, and on every sheet its border and title block.
//
// Paper and scale are chosen to fit unless set; a plan too large for one
// sheet is cut into zones along gaps between footings, one sheet each, with
// match lines and a key plan. Sheets lie side by side in the drawing, left
// to right, each its paper size at the scale (an A1 at 1:100 is 84.1 x
// 59.4 drawing units), so that a plot of each sheet's rectangle at the
// scale is the sheet.
#pragma once

#include <string>
#include <vector>

#include "checks/design_checks.h"
#include "drawing/drawing.h"
#include "drawing/drawing_geometry.h"
#include "model/model.h"
#include "model/project_info.h"

namespace footmark {

enum class Paper { kAuto, kA3, kA2, kA1, kA0 };

struct SheetSettings {
  Paper paper = Paper::kAuto;  // auto: the smallest that holds the plan
  int scale = 0;               // 50, 100 or 200 for 1:scale; 0: chosen to fit (1:100, else 1:200)
  double gridMerge = 0.3;      // m: grid coordinates closer than this are one grid line
};

// A footing as the sheet shows it. Entities with item k (k >= 1) draw
// footings[k - 1]: its outline, pedestal, column, mark, hatch, cloud and
// offset dimensions.
struct SheetFooting {
  int support = 0;
  std::string mark;  // "F2/P1/C4"
  int group = 0;     // footing design group (F number), 0 when none
  checks::Verdict verdict = checks::Verdict::NotDesigned;
  bool clouded = false;   // failing, or in a clash
  std::size_t sheet = 0;  // index in drawing.sheets
  Extents outline;        // the footing square, drawing units
};

// Two footings that overlap or stand closer than the checks allow.
// Entities with item -k draw clashes[k - 1]: the cloud and its tag.
struct SheetClash {
  std::string tag;  // "CF1"
  int supportA = 0, supportB = 0;
  bool overlap = false;
  double gap = 0;  // m, negative for an overlap
  std::size_t sheet = 0;
  Extents cloud;  // drawing units
};

// A plan sheet's zone: where it lies among the zones of the plan, and the
// block of its sheet that shows it (grid bubbles and dimension chains
// included, drawing units).
struct PlanZone {
  int column = 0, row = 0;  // from the left and from the top
  Extents block;
};

struct Sheet {
  Drawing drawing;  // layers and sheets set
  std::vector<SheetFooting> footings;
  std::vector<SheetClash> clashes;
  std::string paper;  // "A1"
  int scale = 100;
  std::size_t planSheets = 1;  // the first sheets hold the plan, the rest the details
  std::vector<PlanZone> zones;  // one per plan sheet
};

// Composes the sheet of a designed and checked model, columns as placed now.
// Nothing is written; failures are RuntimeFailure.
Sheet ComposeSheet(const Model& model, const checks::DesignChecks& checks, const ProjectInfo& project,
                   const SheetSettings& settings = {});

// "A1", or "auto".
const char* PaperName(Paper paper);

}  // namespace footmark
