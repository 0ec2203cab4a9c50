// The bar bending schedule of the footings as designed: per footing mark
// and direction the bottom mesh, per column type and footing mark the
// column starter bars, a summary by diameter and the total. The quantities'
// steel is this schedule's (checks/design_checks.h), so the two never
// differ.
#pragma once

#include <string>
#include <vector>

#include "bbs/bar_shapes.h"
#include "model/model.h"

namespace footmark::bbs {

// The bottom mesh of one footing mark, as designed and checked.
struct MeshBars {
  int group = 0;     // footing design group
  std::string mark;  // "F1"
  int footings = 0;  // footings of the mark
  bool designed = false;
  double B = 0, D = 0;  // footing side and depth, mm
  int dia = 0;          // mm
  int bars = 0;         // bars each way
  double leg = 0;       // bend-up at each bar end the anchorage asks for, mm; 0: straight
};

// How lengths are found; the checks' own figures.
struct DetailingRules {
  double cover = 50;          // clear cover to the bottom mesh, mm
  double endCover = 50;       // cover at the bar ends, mm
  double foundingDepth = 1500;  // ground to the underside, mm: the pedestal runs up to the ground
  double lapPerDia = 47;      // lap of a column bar above the pedestal: Ld in tension / phi
};

// One bar mark.
struct BarRow {
  std::string mark;     // "F1-X"; starters "C2-F1", "C2-F1a" where a set has two diameters
  std::string footing;  // "F1": the footing mark whose quantities count the bars
  std::string member;   // "F1 bottom, along X", "C2 on F1, starter bars"
  BarShape bar;
  double cutting = 0;   // mm
  int each = 0;         // bars in one footing (mesh) or one column (starters)
  int members = 0;      // footings (mesh) or columns (starters)
  int count = 0;        // each x members
  double length = 0;    // count x cutting, m
  double unitMass = 0;  // kg/m
  double mass = 0;      // length x unit mass, to 0.01 kg
};

struct DiameterTotal {
  int dia = 0;
  int count = 0;
  double length = 0;  // m
  double mass = 0;    // kg: the sum of its rows
};

struct BarSchedule {
  std::vector<BarRow> rows;  // the meshes by footing mark, then the starters by column type
  std::vector<DiameterTotal> byDia;  // ascending
  int count = 0;
  double length = 0, mass = 0;  // the sums of the rows
  // How the lengths are found, in words, for the report's and the
  // workbook's notes; and the marks left without bars.
  std::vector<std::string> rules;
  std::vector<std::string> notes;
};

// The schedule of the meshes given and of the starter bars of every column
// type of the model (its bar set, model.TypeBarSet) on each designed
// footing mark it stands on (support by support, model.Footings).
BarSchedule ScheduleBars(const Model& model, const std::vector<MeshBars>& meshes, const DetailingRules& rules);

// One set of bars of a combined footing's slab: straight, or a U where the
// anchorage asks for legs at both ends.
struct SlabBars {
  std::string mark;    // "CF1-T"
  std::string member;  // "CF1 top, along X"
  int dia = 0;         // mm
  int count = 0;
  double run = 0;  // outside length between the bar ends, mm
  double leg = 0;  // each end, mm; 0: straight
};

// Appends the bar marks of one combined footing, counted once each, and
// sums the schedule again.
void AddSlabBars(BarSchedule& schedule, const std::string& footing, const std::vector<SlabBars>& sets);

// The mass of the rows of one footing mark, kg.
double FootingMass(const BarSchedule& schedule, const std::string& footing);

}  // namespace footmark::bbs
