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

}  // namespace footmark
