// The combined footings on a sheet of their own: a row per footing with its
// size, overhangs, bar sets, quantities and verdict, the numbers as numbers.
// Their checks and quantities join the sheets of the footing marks, and
// their bars the bar bending schedule.
#include "combined/schedule_cells.h"
#include "model/numerics.h"
#include "workbook/sheets.h"

namespace footmark::workbook {

void AddCombinedSchedule(Book& book, const checks::DesignChecks& checks) {
  if (checks.combined.empty()) return;
  Sheet sheet(book, "Combined footings",
              {"mark", "supports", "joints", "direction", "grid line (m)", "L (m)", "B (m)", "D (m)",
               "overhang start (m)", "overhang end (m)", "top", "bottom", "bands", "distribution", "top distribution",
               "concrete (m³)", "steel (kg)", "verdict", "governing check", "utilisation", "reason"});
  for (const combined::CombinedFooting& f : checks.combined) {
    sheet.NewRow(f.verdict == checks::Verdict::Ok ? nullptr : book.styles.groupFail);
    sheet.Text(0, combined::MarkText(f));
    sheet.Text(1, combined::SupportsText(f));
    std::string joints;
    for (const int j : f.joints) joints += (joints.empty() ? "" : ", ") + IntText(j);
    sheet.Text(2, joints);
    sheet.Text(17, checks::VerdictText(f.verdict));
    sheet.Text(20, f.reason);
    if (f.L <= 0) continue;  // a set not designed: its supports and the recommendation
    const std::vector<std::string> cells = combined::ScheduleCells(f);  // top .. top distribution at 7 .. 11
    sheet.Text(3, combined::AxisText(f));
    sheet.Decimal(4, f.gridLine, 3);
    sheet.Decimal(5, f.L, 3);
    sheet.Decimal(6, f.B, 3);
    sheet.Decimal(7, f.D / 1000, 3);
    sheet.Decimal(8, f.overhangStart, 3);
    sheet.Decimal(9, f.overhangEnd, 3);
    for (int c = 0; c < 5; ++c) sheet.Text(10 + c, cells[static_cast<std::size_t>(7 + c)]);
    sheet.Value(15, f.concrete, 3, 3);
    sheet.Value(16, f.steel, 2, 2);
    if (f.governing >= 0) {
      const checks::Check& g = f.checks[static_cast<std::size_t>(f.governing)].check;
      sheet.Text(18, g.id + " " + g.name);
      sheet.Value(19, f.governingUtilisation, 4, 4);
    }
  }
}

}  // namespace footmark::workbook
