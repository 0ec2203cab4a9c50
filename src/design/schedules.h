// The cells of the footing and column schedules, as the drawing and the
// report print them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/model.h"

namespace footmark {

inline constexpr int kMaxFootingScheduleRows = 33;
inline constexpr int kMaxColumnScheduleRows = 53;

// One row per footing design group: mark, side, pedestal, depth, bar
// diameter, bar number and spacing. More than 33 rows is a range error.
using FootingRow = std::array<std::string, 6>;
std::vector<FootingRow> FootingScheduleRows(const Model& model);

// One row per column type, in the order the groups are walked: mark,
// section, pedestal, bar set label, ties. More than 53 rows is a range error.
using ColumnRow = std::array<std::string, 5>;
std::vector<ColumnRow> ColumnScheduleRows(const Model& model);

// Footing mark of a support as the plan shows it: "F1/P2/C3".
std::string FootingMark(const Model& model, int support);

// One support of the designed model, as the report, the workbook and the
// batch front end list it.
struct SupportRow {
  int Support = 0;
  std::string Joint;
  float X = 0, Y = 0;  // plan position, m
  std::string Column;  // ground-storey column member
  float ColWidth = 0;  // section, mm
  float ColDepth = 0;
  float TrialSide = 0;  // m, from the support's own worst load case
  float Side = 0;       // m, its size class
  std::string Mark;     // F/P/C
  float LoadCase = 0;   // the file's number of the load case giving the pressure; 0 when none presses
  float Pressure = 0;   // largest gross soil pressure under the class side, kN/m2
};
std::vector<SupportRow> SupportRows(const Model& model);

// A load case that does not press on the soil at a support (FORCE-Y 0 or
// less): the design leaves it out, and the user is warned.
struct UpliftRow {
  int Support = 0;
  std::string Joint;
  float LoadCase = 0;  // the file's load-case number
  float ForceY = 0;    // kN
};
std::vector<UpliftRow> UpliftRows(const Model& model);

}  // namespace footmark
