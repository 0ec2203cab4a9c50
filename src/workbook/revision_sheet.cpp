#include "workbook/revision_sheet.h"

#include "revise/revision_rows.h"

namespace footmark::workbook {

void AddRevision(Book& book, const Model& model, const checks::DesignChecks& checks,
                 const revise::DesignRevision& record) {
  Sheet sheet(book, "Method vs revised",
              {"mark", "method's marks", "method B (m)", "method P (m)", "method D (m)", "method bars", "B (m)", "P (m)",
               "D (m)", "bars", "concrete, method (m³)", "concrete (m³)", "steel, method (kg)", "steel (kg)", "state"});
  for (const revise::ComparisonRow& r : revise::ComparisonRows(model, checks, record)) {
    const bool cannot = r.state.find("cannot") != std::string::npos;
    sheet.NewRow(cannot ? book.styles.fail : nullptr);
    sheet.Text(0, r.mark);
    sheet.Text(1, r.methodMarks);
    int col = 2;
    for (const revise::DesignCells* cells : {&r.method, &r.now}) {
      sheet.Cell(col++, cells->side, 3);
      sheet.Cell(col++, cells->pedestal, 3);
      sheet.Cell(col++, cells->depth, 3);
      sheet.Text(col++, cells->bars);
    }
    sheet.Decimal(10, r.concreteMethod, 3);
    sheet.Decimal(11, r.concrete, 3);
    sheet.Decimal(12, r.steelMethod, 2);
    sheet.Decimal(13, r.steel, 2);
    sheet.Text(14, r.state);
  }
  sheet.NewRow(book.styles.total);
  sheet.Text(0, "total");
  sheet.Decimal(10, record.concreteMethod, 3);
  sheet.Decimal(11, record.concrete, 3);
  sheet.Decimal(12, record.steelMethod, 2);
  sheet.Decimal(13, record.steel, 2);
  if (record.merging) {
    sheet.NewRow();
    sheet.Text(0, "merging");
    sheet.Text(1, revise::MergingSummary(*record.merging));
  }

  sheet.NewRow();
  sheet.HeaderRow({"mark", "outcome", "step", "before", "after", "steps", "forced by", "ratio before", "ratio after"});
  for (const revise::ChangeRow& r : revise::ChangeRows(record)) {
    sheet.NewRow(r.step.empty() ? book.styles.fail : nullptr);
    sheet.Text(0, r.mark);
    sheet.Text(1, r.outcome);
    sheet.Text(2, r.step);
    sheet.Text(3, r.before);
    sheet.Text(4, r.after);
    sheet.Cell(5, r.steps, 0);
    sheet.Text(6, r.check);
    if (r.rated) {
      sheet.Decimal(7, r.ratioBefore, 3);
      sheet.Decimal(8, r.ratioAfter, 3);
    }
  }
}

}  // namespace footmark::workbook
