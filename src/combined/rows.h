// Shared by the files that write the check rows; private to the module.
#pragma once

#include <string>
#include <vector>

#include "combined/design_steps.h"

namespace footmark::combined {

// Pass when u <= 1 (1e-9 relative), else fail.
CheckRow Rated(std::string id, std::string name, std::string clause, double demand, double capacity,
               std::string unit, int decimals, double u, std::string combination);
CheckRow NotApplicable(std::string id, std::string name, std::string clause, std::string note);
// Office practice and textbook variants warn instead of failing.
void AsWarning(CheckRow& row);

std::string ColumnName(const Line& line, std::size_t i);         // "support 9"
std::string FaceName(const Line& line, std::size_t i, int side);  // "support 9 outer face"; side 0 left, 1 right
std::string CaseName(const Line& line, const std::vector<Loaded>& cases, int loaded);
double BarChoiceRate(const BarChoice& bars);  // mm2 per mm of a set at its spacing

// C8 to C14: depth, cover, spacing, bar size, development (detailing_rows.cpp).
Legs DetailingRows(const Line& line, const Size& size, const std::vector<Loaded>& cases, const Reinforcement& r,
                   std::vector<CheckRow>& rows);
// C15 to C17 per column: bearing at the column base, pedestal, starters.
void ColumnRows(const Line& line, const Size& size, const std::vector<Loaded>& cases, const Strength& s,
                std::vector<CheckRow>& rows);
// C20: the rectangle against the nearest footing round it.
CheckRow ClearanceRow(const Line& line, const Size& size, const std::vector<checks::FootingPlace>& outside);
// C18 to C21: stability, grade, clearance of the rectangle, the rigid method.
void SetRows(const Line& line, const Size& size, const std::vector<checks::FootingPlace>& outside,
             std::vector<CheckRow>& rows);

// The bend at each end of a set of bars whose straight length is short of
// Ld; its anchorage check. leg is 0 for straight bars.
struct Anchorage {
  double leg = 0;
  CheckRow row;
};
Anchorage Anchor(std::string id, std::string name, double Ld, double straight, double dia, double sigma, double D,
                 const Settings& set, std::string combination);

}  // namespace footmark::combined
