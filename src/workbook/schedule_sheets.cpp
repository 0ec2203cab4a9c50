// The sheets read from the design's schedules: the same cells the drawing
// prints (design/schedules.h), with the composite cells split into numbers.
#include <string_view>

#include "checks/group_inputs.h"
#include "design/schedules.h"
#include "workbook/sheets.h"

namespace footmark::workbook {

namespace {

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void AddSupports(Book& book, const Model& model) {
  Sheet sheet(book, "Supports",
              {"support", "joint", "X (m)", "Y (m)", "column", "column width (mm)", "column depth (mm)",
               "trial side (m)", "class side (m)", "footing mark", "governing load case", "pressure (kN/m²)"});
  for (const SupportRow& r : SupportRows(model)) {
    sheet.NewRow();
    sheet.Number(0, r.Support);
    sheet.Cell(1, r.Joint, 0);
    sheet.Decimal(2, r.X, 3);
    sheet.Decimal(3, r.Y, 3);
    sheet.Cell(4, r.Column, 0);
    sheet.Decimal(5, r.ColWidth, 1);
    sheet.Decimal(6, r.ColDepth, 1);
    sheet.Decimal(7, r.TrialSide, 3);
    sheet.Decimal(8, r.Side, 3);
    sheet.Text(9, r.Mark);
    if (r.LoadCase > 0) {  // a support no load case presses has neither
      sheet.Decimal(10, r.LoadCase, 3);
      sheet.Decimal(11, r.Pressure, 2);
    }
  }
  sheet.Filter();
}

void AddFootingSchedule(Book& book, const Model& model, const checks::DesignChecks& checks) {
  Sheet sheet(book, "Footing schedule",
              {"mark", "footings", "size (m)", "pedestal (m)", "depth (m)", "bar diameter (mm)", "bars each way",
               "bar spacing (mm)", "bars (as scheduled)", "bar detail"});
  const std::vector<FootingRow> rows = FootingScheduleRows(model);
  for (std::size_t g = 0; g < rows.size() && g < checks.groups.size(); ++g) {
    const FootingRow& r = rows[g];  // mark, size, pedestal, depth, bar dia, bar text
    const checks::GroupCheck& group = checks.groups[g];
    const bool designed = group.check.verdict != checks::Verdict::NotDesigned;
    sheet.NewRow();
    sheet.Text(0, r[0]);
    sheet.Number(1, group.quantities.count);
    // A group left undesigned: its size and why, none of the method's
    // leftovers (its last trial's "0 ( -4180 mm )").
    if (!designed) {
      sheet.Cell(2, r[1], 3);
      sheet.Text(9, "not designed: " + group.check.reason);
      continue;
    }
    for (int c = 1; c <= 4; ++c) sheet.Cell(c + 1, r[static_cast<std::size_t>(c)], c < 4 ? 3 : 0);  // m; mm
    int bars = 0, spacing = 0;
    if (designed && checks::ReadBarText(r[5], bars, spacing)) {
      sheet.Number(6, bars);
      sheet.Number(7, spacing);
    }
    sheet.Text(8, r[5]);
    sheet.Text(9, group.check.barDetail);
  }
}

void AddColumnSchedule(Book& book, const Model& model) {
  Sheet sheet(book, "Column schedule",
              {"mark", "section (mm)", "pedestal (m)", "bars", "tie diameter (mm)", "tie spacing (mm)"});
  for (const ColumnRow& r : ColumnScheduleRows(model)) {  // mark, section, pedestal, bars, ties
    sheet.NewRow();
    sheet.Text(0, r[0]);
    sheet.Text(1, r[1]);  // "300 X 450": two sides in one cell, as the schedule reads
    sheet.Cell(2, r[2], 3);
    sheet.Text(3, Trimmed(r[3]));  // the drawing's label pads it with blanks
    // Ties read "8 - 150": diameter and spacing.
    const std::string_view ties = r[4];
    const std::size_t dash = ties.find(" - ");
    if (dash == std::string_view::npos) {
      sheet.Cell(4, ties, 1);
    } else {
      sheet.Cell(4, ties.substr(0, dash), 1);
      sheet.Cell(5, ties.substr(dash + 3), 1);
    }
  }
}

void AddUplift(Book& book, const Model& model) {
  Sheet sheet(book, "Uplift", {"support", "joint", "load case", "FORCE-Y (kN)"});
  for (const UpliftRow& r : UpliftRows(model)) {
    sheet.NewRow();
    sheet.Number(0, r.Support);
    sheet.Cell(1, r.Joint, 0);
    sheet.Decimal(2, r.LoadCase, 3);
    sheet.Decimal(3, r.ForceY, 3);
  }
}

}  // namespace footmark::workbook
