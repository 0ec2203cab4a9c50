// The sheets read from the independent check of the design: verdicts and
// checks, quantities, and the project page with the method's assumptions.
#include <cmath>
#include <ctime>
#include <utility>

#include "combined/schedule_cells.h"
#include "model/local_time.h"
#include "model/numerics.h"
#include "model/program.h"
#include "workbook/sheets.h"

namespace footmark::workbook {

namespace {

constexpr int kUtilisationDecimals = 4;
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

// One check's row under its footing's; `method`: the design step's own
// utilisation beside it (a combined footing has none).
void WriteCheck(Sheet& sheet, const Styles& styles, const std::string& mark, const checks::Check& c, bool method) {
  sheet.NewRow(CheckFormat(styles, c.status));
  sheet.Text(0, mark);
  sheet.Text(2, c.id);
  sheet.Text(3, c.name);
  sheet.Text(4, c.clause);
  // C0 (the inputs' sanity) measures nothing: no unit, no numbers; a
  // statement or a check that does not apply has no utilisation.
  if (c.status != checks::Status::NotApplicable && !c.unit.empty()) {
    // The JSON's values (one place more than shown), shown as the report prints them.
    sheet.Value(5, c.demand, c.decimals + 1, c.decimals);
    sheet.Value(6, c.capacity, c.decimals + 1, c.decimals);
    sheet.Text(7, c.unit);
    if (c.rated || c.status == checks::Status::Warning)
      sheet.Value(8, c.utilisation, kUtilisationDecimals, kUtilisationDecimals);
    else
      sheet.Text(8, "not rated");
  }
  if (method && !std::isnan(c.methodUtilisation) && !c.unit.empty())
    sheet.Value(9, c.methodUtilisation, kUtilisationDecimals, kUtilisationDecimals);
  sheet.Text(10, checks::StatusText(c.status));
  sheet.Text(11, c.note);
  if (c.support > 0) sheet.Number(12, c.support);
  sheet.Text(13, c.combination);
  if (c.loadCase > 0) sheet.Number(14, c.loadCase);
  sheet.Text(15, c.reactions);
  std::string working;
  for (const std::string& line : c.working) working += (working.empty() ? "" : "\n") + line;
  sheet.Text(16, working);
}

}  // namespace

void AddChecks(Book& book, const checks::DesignChecks& checks) {
  Sheet sheet(book, "Checks",
              {"mark", "verdict", "check", "what is checked", "clause", "demand", "capacity", "unit", "utilisation",
               "method's utilisation", "status", "note", "support", "combination", "load case", "reactions",
               "working"});
  // The notes (remedies included) and the working print in full.
  sheet.WrapColumn(11, 60);
  sheet.WrapColumn(15, 40);
  sheet.WrapColumn(16, 90);
  for (const checks::GroupCheck& group : checks.groups) {
    const checks::FootingCheck& fc = group.check;
    sheet.NewRow(fc.verdict == checks::Verdict::Ok ? book.styles.group : book.styles.groupFail);
    sheet.Text(0, group.mark);
    sheet.Text(1, checks::VerdictText(fc.verdict));
    if (const checks::Check* governing = group.Governing()) {
      sheet.Text(2, governing->id);
      sheet.Text(3, "governs: " + governing->name);
      sheet.Value(8, fc.governingUtilisation, kUtilisationDecimals, kUtilisationDecimals);
      if (governing->support > 0) sheet.Number(12, governing->support);
      sheet.Text(13, governing->combination);
    }
    if (fc.methodGoverning >= 0)
      sheet.Value(9, fc.methodGoverningUtilisation, kUtilisationDecimals, kUtilisationDecimals);
    sheet.Text(11, fc.reason + (fc.reason.empty() ? "" : "; ") + checks::MethodVerdictText(fc));

    for (const checks::Check& c : fc.checks) WriteCheck(sheet, book.styles, group.mark, c, true);
  }
  for (const combined::CombinedFooting& f : checks.combined) {
    const std::string mark = combined::MarkText(f);
    sheet.NewRow(f.verdict == checks::Verdict::Ok ? book.styles.group : book.styles.groupFail);
    sheet.Text(0, mark);
    sheet.Text(1, checks::VerdictText(f.verdict));
    if (f.governing >= 0) {
      const checks::Check& g = f.checks[static_cast<std::size_t>(f.governing)].check;
      sheet.Text(2, g.id);
      sheet.Text(3, "governs: " + g.name);
      sheet.Value(8, f.governingUtilisation, kUtilisationDecimals, kUtilisationDecimals);
      sheet.Text(13, g.combination);
    }
    sheet.Text(11, "combined footing of supports " + combined::SupportsText(f) + (f.reason.empty() ? "" : "; ") + f.reason);
    for (const combined::CheckRow& r : f.checks) WriteCheck(sheet, book.styles, mark, r.check, false);
  }
  sheet.Filter();
}

void AddLoadCases(Book& book, const checks::DesignChecks& checks) {
  Sheet sheet(book, "Load cases", {"load case", "title", "load type", "class", "kind", "use", "factors", "note"});
  for (const loads::LoadCase& c : checks.loadCases) {
    sheet.NewRow(c.leftOut ? book.styles.warning : nullptr);
    sheet.Number(0, c.number);
    sheet.Text(1, c.title);
    sheet.Text(2, c.loadType);
    sheet.Text(3, c.kind == loads::CaseKind::Primary ? loads::ClassText(c.loadClass) : "");
    sheet.Text(4, loads::KindText(c.kind));
    sheet.Text(5, loads::UseText(c.use));
    sheet.Text(6, loads::FactorText(c));
    sheet.Text(7, loads::CaseNote(c));
  }
  sheet.NewRow();
  sheet.HeaderRow({"combinations judged under", "set"});
  for (const auto& [set, list] : {std::pair{"service", &checks.combinations.service},
                                   std::pair{"factored", &checks.combinations.factored},
                                   std::pair{"stability", &checks.combinations.uplift}})
    for (const loads::Combination& c : *list) {
      sheet.NewRow();
      sheet.Text(0, c.name);
      sheet.Text(1, set);
    }
  for (const std::string& w : checks.loadWarnings) {
    sheet.NewRow(book.styles.warning);
    sheet.Text(0, "warning");
    sheet.Text(1, w);
  }
}

void AddQuantities(Book& book, const checks::DesignChecks& checks) {
  Sheet sheet(book, "Quantities",
              {"mark", "footings", "concrete each (m³)", "concrete total (m³)", "mesh steel (kg)",
               "starter steel (kg)", "steel total (kg)", "note"});
  for (const checks::GroupCheck& group : checks.groups) {
    const checks::MarkQuantities& q = group.quantities;
    sheet.NewRow();
    sheet.Text(0, group.mark);
    sheet.Number(1, q.count);
    if (q.note.empty()) {
      sheet.Value(2, q.concreteEach, kConcreteDecimals, kConcreteDecimals);
      sheet.Value(3, q.concreteTotal, kConcreteDecimals, kConcreteDecimals);
      sheet.Value(4, q.meshSteel, kSteelDecimals, kSteelDecimals);
      sheet.Value(5, q.starterSteel, kSteelDecimals, kSteelDecimals);
      sheet.Value(6, q.steelTotal, kSteelDecimals, kSteelDecimals);
    }
    sheet.Text(7, q.note);
  }
  for (const combined::CombinedFooting& f : checks.combined) {
    sheet.NewRow();
    sheet.Text(0, combined::MarkText(f));
    sheet.Number(1, static_cast<double>(f.supports.size()));
    if (f.verdict == checks::Verdict::NotDesigned) {
      sheet.Text(7, "not designed: " + f.reason);
      continue;
    }
    sheet.Value(2, f.concrete, kConcreteDecimals, kConcreteDecimals);
    sheet.Value(3, f.concrete, kConcreteDecimals, kConcreteDecimals);
    sheet.Value(6, f.steel, kSteelDecimals, kSteelDecimals);
    sheet.Text(7, "combined footing of supports " + combined::SupportsText(f) + ": its slab bars, the bar marks of " +
                      f.mark + " in the bar bending schedule");
  }
  // The designed footings only: a group not designed adds nothing.
  sheet.NewRow(book.styles.total);
  sheet.Text(0, "total");
  sheet.Number(1, checks.footings);
  sheet.Value(3, checks.concrete, kConcreteDecimals, kConcreteDecimals);
  sheet.Value(6, checks.steel, kSteelDecimals, kSteelDecimals);
  sheet.Text(7, checks::DesignedFootingsText(checks) + "; steel from the bar bending schedule");

  // Steel by bar diameter, for ordering bars.
  sheet.NewRow();
  sheet.HeaderRow({"bar diameter (mm)", "steel (kg)"});
  for (const auto& [dia, kg] : checks.steelByDia) {
    sheet.NewRow();
    sheet.Number(0, dia);
    sheet.Value(1, kg, kSteelDecimals, kSteelDecimals);
  }
}

std::string ProjectLine(const ProjectInfo& p) {
  std::string line;
  for (const auto& [label, value] : {std::pair{"project ", &p.Project}, std::pair{"job ", &p.JobNumber},
                                     std::pair{"revision ", &p.Revision}, std::pair{"designed by ", &p.DesignedBy},
                                     std::pair{"checked by ", &p.CheckedBy}, std::pair{"date ", &p.Date}})
    if (!value->empty()) line += (line.empty() ? "" : ", ") + std::string(label) + *value;
  return line;
}

void AddProject(Book& book, const Model& model, const checks::DesignChecks& checks, const ProjectInfo& project) {
  Sheet sheet(book, "Project", {"item", "value", "unit"});
  sheet.WrapColumn(1, 100);  // the assumptions
  for (const auto& [item, value] : {std::pair{"project", &project.Project}, std::pair{"job number", &project.JobNumber},
                                    std::pair{"revision", &project.Revision}, std::pair{"designed by", &project.DesignedBy},
                                    std::pair{"checked by", &project.CheckedBy}, std::pair{"date", &project.Date}}) {
    sheet.NewRow();
    sheet.Text(0, item);
    sheet.Text(1, *value);
  }
  sheet.NewRow();
  sheet.Text(0, "program");
  sheet.Text(1, ProgramName());
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
  row("groups ok on the design step's own basis", checks.methodOk);
  row("groups failing on the design step's own basis", checks.methodFails);
  sheet.NewRow();
  sheet.Text(0, "load basis");
  sheet.Text(1, checks.loadFallback ? "every load case alike, as the design does (the cases cannot be classified)"
                                    : "the load cases as the analysis defines them");
  for (const checks::SettingRow& s : checks::SettingsInForce(checks.settings)) {
    sheet.NewRow();
    sheet.Text(0, "setting: " + s.label);
    const auto number = StrictNumber(s.value);
    if (number)
      sheet.Decimal(1, *number, 3);
    else
      sheet.Text(1, s.value);
    sheet.Text(2, s.unit);
  }
  row("footings designed", checks.footings);
  row("reference volume of the first pedestal", model.MaxVolume, "m³");
  for (const std::string& a : checks.assumptions) {
    sheet.NewRow();
    sheet.Text(0, "assumption");
    sheet.Text(1, a);
  }
}

}  // namespace footmark::workbook
