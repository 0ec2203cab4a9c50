// The sheets read from the independent check of the design: verdicts and
// checks, quantities, and the project page with the method's assumptions.
#include <ctime>

#include "model/local_time.h"
#include "workbook/sheets.h"

namespace footmark::workbook {

namespace {

constexpr int kUtilisationDecimals = 3;
constexpr int kConcreteDecimals = 3;  // m3: a litre
constexpr int kSteelDecimals = 2;     // kg

lxw_format* CheckFormat(const Styles& styles, checks::Status status) {
  if (status == checks::Status::Fail) return styles.fail;
  if (status == checks::Status::Warning) return styles.warning;
  return nullptr;
}

lxw_datetime LocalNow() {
  const std::tm t = LocalTimeNow();
  return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, static_cast<double>(t.tm_sec)};
}

}  // namespace

void AddChecks(Book& book, const checks::DesignChecks& checks) {
  Sheet sheet(book, "Checks",
              {"mark", "verdict", "check", "what is checked", "clause", "demand", "capacity", "unit", "utilisation",
               "code-strict utilisation", "status", "note"});
  for (const checks::GroupCheck& group : checks.groups) {
    const checks::FootingCheck& fc = group.check;
    sheet.NewRow(fc.verdict == checks::Verdict::Ok ? book.styles.group : book.styles.groupFail);
    sheet.Text(0, group.mark);
    sheet.Text(1, checks::VerdictText(fc.verdict));
    if (fc.governing >= 0 && static_cast<std::size_t>(fc.governing) < fc.checks.size()) {
      const checks::Check& governing = fc.checks[static_cast<std::size_t>(fc.governing)];
      sheet.Text(2, governing.id);
      sheet.Text(3, "governs: " + governing.name);
      sheet.Decimal(8, fc.governingUtilisation, kUtilisationDecimals);
      sheet.Decimal(9, governing.strictUtilisation, kUtilisationDecimals);
    }
    sheet.Text(11, fc.reason);

    for (const checks::Check& c : fc.checks) {
      sheet.NewRow(CheckFormat(book.styles, c.status));
      sheet.Text(0, group.mark);
      sheet.Text(2, c.id);
      sheet.Text(3, c.name);
      sheet.Text(4, c.clause);
      // C0 (the inputs' sanity) measures nothing: no unit, no numbers.
      if (c.status != checks::Status::NotApplicable && !c.unit.empty()) {
        sheet.Decimal(5, c.demand, c.decimals);
        sheet.Decimal(6, c.capacity, c.decimals);
        sheet.Text(7, c.unit);
        sheet.Decimal(8, c.utilisation, kUtilisationDecimals);
        sheet.Decimal(9, c.strictUtilisation, kUtilisationDecimals);
      }
      sheet.Text(10, checks::StatusText(c.status));
      sheet.Text(11, c.note);
    }
  }
  sheet.Filter();
}

void AddQuantities(Book& book, const checks::DesignChecks& checks) {
  Sheet sheet(book, "Quantities",
              {"mark", "footings", "concrete each (m³)", "concrete total (m³)", "steel each (kg)", "steel total (kg)",
               "note"});
  for (const checks::GroupCheck& group : checks.groups) {
    const checks::MarkQuantities& q = group.quantities;
    sheet.NewRow();
    sheet.Text(0, group.mark);
    sheet.Number(1, q.count);
    if (q.note.empty()) {
      sheet.Decimal(2, q.concreteEach, kConcreteDecimals);
      sheet.Decimal(3, q.concreteTotal, kConcreteDecimals);
      sheet.Decimal(4, q.steelEach, kSteelDecimals);
      sheet.Decimal(5, q.steelTotal, kSteelDecimals);
    }
    sheet.Text(6, q.note);
  }
  // The designed footings only: a group not designed adds nothing.
  sheet.NewRow(book.styles.total);
  sheet.Text(0, "total");
  sheet.Number(1, checks.footings);
  sheet.Decimal(3, checks.concrete, kConcreteDecimals);
  sheet.Decimal(5, checks.steel, kSteelDecimals);

  // Steel by bar diameter, for ordering bars.
  sheet.NewRow();
  sheet.HeaderRow({"bar diameter (mm)", "steel (kg)"});
  for (const auto& [dia, kg] : checks.steelByDia) {
    sheet.NewRow();
    sheet.Number(0, dia);
    sheet.Decimal(1, kg, kSteelDecimals);
  }
}

void AddProject(Book& book, const Model& model, const checks::DesignChecks& checks) {
  Sheet sheet(book, "Project", {"item", "value", "unit"});
  sheet.WrapColumn(1, 100);  // the assumptions
  const auto row = [&](const char* item, double value, const char* unit = "") {
    sheet.NewRow();
    sheet.Text(0, item);
    sheet.Decimal(1, value, 3);
    sheet.Text(2, unit);
  };
  sheet.NewRow();
  sheet.Text(0, "analysis file");
  sheet.Text(1, model.AnlFilePath);
  sheet.NewRow();
  sheet.Text(0, "date of the run");
  sheet.Date(1, LocalNow());
  row("SBC", model.SBC, "kN/m²");
  row("concrete grade fck", model.Fck, "N/mm²");
  row("steel grade fy", model.Fe, "N/mm²");
  row("supports", model.NumSupports);
  row("load cases", model.NumLoadCases);
  row("footing groups", model.FootGroupCount);
  row("column types", model.TypeBarSet[0]);
  row("groups ok", checks.ok);
  row("groups that fail a check", checks.fails);
  row("groups not designed", checks.notDesigned);
  row("footings designed", checks.footings);
  row("reference volume of the first pedestal", model.MaxVolume, "m³");
  for (const std::string& a : checks.assumptions) {
    sheet.NewRow();
    sheet.Text(0, "assumption");
    sheet.Text(1, a);
  }
}

}  // namespace footmark::workbook
