// The bar bending schedule on a sheet of its own: a row per bar mark with
// the values the JSON keeps, the summary by diameter, the total, and how
// the lengths are found.
#include "model/numerics.h"
#include "workbook/sheets.h"

namespace footmark::workbook {

void AddBarSchedule(Book& book, const checks::DesignChecks& checks) {
  const bbs::BarSchedule& schedule = checks.bars;
  Sheet sheet(book, "Bar bending schedule",
              {"bar mark", "footing", "member", "shape code", "shape", "dia (mm)", "A (mm)", "leg (mm)",
               "cutting length (mm)", "each", "members", "bars", "total length (m)", "mass per metre (kg/m)",
               "mass (kg)"});
  for (const bbs::BarRow& r : schedule.rows) {
    sheet.NewRow();
    sheet.Text(0, r.mark);
    sheet.Text(1, r.footing);
    sheet.Text(2, r.member);
    sheet.Number(3, bbs::ShapeCode(r.bar.shape));
    sheet.Text(4, bbs::ShapeText(r.bar.shape));
    sheet.Number(5, r.bar.dia);
    sheet.Number(6, r.bar.a);
    sheet.Number(7, r.bar.leg);
    sheet.Number(8, r.cutting);
    sheet.Number(9, r.each);
    sheet.Number(10, r.members);
    sheet.Number(11, r.count);
    sheet.Value(12, r.length, 3, 3);
    sheet.Value(13, r.unitMass, 3, 3);
    sheet.Value(14, r.mass, 2, 2);
  }
  sheet.Filter();
  sheet.NewRow();
  sheet.HeaderRow({"summary", "", "", "", "", "dia (mm)", "", "", "", "", "", "bars", "total length (m)", "",
                   "mass (kg)"});
  for (const bbs::DiameterTotal& d : schedule.byDia) {
    sheet.NewRow();
    sheet.Text(0, "diameter");
    sheet.Number(5, d.dia);
    sheet.Number(11, d.count);
    sheet.Value(12, d.length, 3, 3);
    sheet.Value(14, d.mass, 2, 2);
  }
  sheet.NewRow(book.styles.total);
  sheet.Text(0, "total");
  sheet.Number(11, schedule.count);
  sheet.Value(12, schedule.length, 3, 3);
  sheet.Value(14, schedule.mass, 2, 2);
  for (const auto* list : {&schedule.rules, &schedule.notes})
    for (const std::string& text : *list) {
      sheet.NewRow();
      sheet.Text(0, list == &schedule.rules ? "rule" : "note");
      sheet.Text(2, text);
    }
}

}  // namespace footmark::workbook
