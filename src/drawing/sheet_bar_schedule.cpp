// The bar bending schedule as tables on the sheet, in parts short enough
// for any paper.
#include <algorithm>

#include "drawing/sheet_panels.h"
#include "model/numerics.h"

namespace footmark::sheet {

namespace {

constexpr std::size_t kRowsPerTable = 36;

}  // namespace

std::vector<TableText> BarScheduleText(const checks::DesignChecks& checks) {
  const bbs::BarSchedule& s = checks.bars;
  std::vector<std::vector<std::string>> rows;
  for (const bbs::BarRow& r : s.rows)
    rows.push_back({r.mark, IntText(bbs::ShapeCode(r.bar.shape)) + " " + bbs::ShapeText(r.bar.shape),
                    DecimalText(r.bar.dia, 0), DecimalText(r.bar.a, 0), r.bar.leg > 0 ? DecimalText(r.bar.leg, 0) : "",
                    DecimalText(r.cutting, 0), IntText(r.each) + " x " + IntText(r.members), IntText(r.count),
                    DecimalText(r.length, 2, true), DecimalText(r.mass, 1, true)});
  for (const bbs::DiameterTotal& d : s.byDia)
    rows.push_back({"TOTAL " + IntText(d.dia), "", IntText(d.dia), "", "", "", "", IntText(d.count),
                    DecimalText(d.length, 2, true), DecimalText(d.mass, 1, true)});
  rows.push_back({"TOTAL", "", "", "", "", "", "", IntText(s.count), DecimalText(s.length, 2, true),
                  DecimalText(s.mass, 1, true)});
  const std::size_t parts = (rows.size() + kRowsPerTable - 1) / kRowsPerTable;
  std::vector<TableText> tables;
  for (std::size_t p = 0; p < parts; ++p) {
    TableText t{"BAR BENDING SCHEDULE" + (parts > 1 ? " (" + IntText(static_cast<int>(p) + 1) + " OF " +
                                                          IntText(static_cast<int>(parts)) + ")"
                                                    : std::string()),
                {"BAR\nMARK", "SHAPE\nCODE", "DIA\n(mm)", "A\n(mm)", "LEG\n(mm)", "CUT\n(mm)", "EACH x\nMEMBERS",
                 "NO.", "LENGTH\n(m)", "MASS\n(kg)"},
                {},
                {TextAlign::kLeft, TextAlign::kLeft, TextAlign::kRight, TextAlign::kRight, TextAlign::kRight,
                 TextAlign::kRight, TextAlign::kRight, TextAlign::kRight, TextAlign::kRight, TextAlign::kRight}};
    const std::size_t end = std::min(rows.size(), (p + 1) * kRowsPerTable);
    t.rows.assign(rows.begin() + static_cast<std::ptrdiff_t>(p * kRowsPerTable),
                  rows.begin() + static_cast<std::ptrdiff_t>(end));
    tables.push_back(std::move(t));
  }
  return tables;
}

}  // namespace footmark::sheet
