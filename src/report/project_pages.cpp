#include "report/project_pages.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

#include "checks/group_inputs.h"
#include "design/schedules.h"
#include "model/numerics.h"
#include "model/program.h"
#include "report/group_sheet.h"
#include "report/html.h"

namespace footmark::report {

namespace {

using checks::GroupCheck;
using checks::Verdict;

// "19 × φ10 @ 127" (mm) from the cells the footing schedule prints; read
// from the group itself, as the drawing's schedule holds only 33 rows and a
// design may have more groups.
std::string BarsEachWay(const FootGroup& group) {
  int bars = 0, spacing = 0;
  if (!checks::ReadBarText(group.BarText, bars, spacing)) return FileText(group.BarText);
  return IntText(bars) + " × φ" + IntText(group.BarDia) + " @ " + IntText(spacing);
}

std::string MethodCell(const checks::FootingCheck& check) {
  if (check.methodVerdict == Verdict::NotDesigned) return "–";
  std::string text = checks::VerdictText(check.methodVerdict);
  if (check.methodGoverning >= 0)
    text += ", " + check.checks[static_cast<std::size_t>(check.methodGoverning)].id + " " +
            Num(check.methodGoverningUtilisation, kRatioDecimals);
  return Escape(text);
}

std::string Marks(const checks::DesignChecks& checks, Verdict verdict) {
  std::string out;
  for (const GroupCheck& g : checks.groups)
    if (g.check.verdict == verdict) out += (out.empty() ? "" : ", ") + Escape(g.mark);
  return out;
}

}  // namespace

std::string ProjectHeader(const Model& model, const checks::DesignChecks& checks, const ProjectInfo& project,
                          std::string_view date) {
  const std::string verdicts = IntText(checks.ok) + " ok, " + IntText(checks.fails) + " fail, " +
                               IntText(checks.notDesigned) + " not designed";
  const std::string method = IntText(checks.methodOk) + " ok, " + IntText(checks.methodFails) + " fail";
  const auto given = [](const std::string& value) { return value.empty() ? std::string("–") : Escape(value); };
  const std::pair<std::string, std::string> facts[] = {
      {"Project", given(project.Project)},
      {"Job number", given(project.JobNumber)},
      {"Revision", given(project.Revision)},
      {"Designed by", given(project.DesignedBy)},
      {"Checked by", given(project.CheckedBy)},
      {"Date", Escape(date)},
      {"Program", Escape(ProgramName())},
      {"Analysis file", FileNameText(model.AnlFilePath)},
      {"Safe bearing capacity", DecimalText(model.SBC, 2) + " kN/m²"},
      {"Grades", "M" + IntText(model.Fck) + " concrete, Fe " + IntText(model.Fe) + " steel"},
      {"Reference volume", DecimalText(model.MaxVolume, 3) + " m³ (first pedestal candidate)"},
      {"Supports", IntText(model.NumSupports)},
      {"Load cases", IntText(model.NumLoadCases)},
      {"Footing groups", IntText(model.FootGroupCount) + " (" + verdicts + ")"},
      {"Column types", IntText(model.TypeBarSet[0])},
      {"Quantities", Num(checks.concrete, 3) + " m³ concrete, " + Num(checks.steel, 2) + " kg steel, " +
                         checks::DesignedFootingsText(checks)},
      {"Load basis", checks.loadFallback ? "every load case alike (see the warnings)" : "the file's load cases"},
      {"Design step's own verdicts", method}};
  Table table("facts", {{"", "name"}, {"", ""}, {"", "name"}, {"", ""}});
  const std::size_t half = (std::size(facts) + 1) / 2;
  for (std::size_t r = 0; r < half; ++r) {
    const bool second = half + r < std::size(facts);
    table.Row({facts[r].first, facts[r].second, second ? facts[half + r].first : "",
               second ? facts[half + r].second : ""});
  }
  return "<header>\n" + Tag("h1", "Isolated footings: calculation report") +
         Tag("p", "IS 456:2000, limit-state method; forces in kN, sizes in m and mm.", "code") + table.Html() +
         "</header>\n";
}

std::string MethodAssumptions(const checks::DesignChecks& checks) {
  std::string items;
  for (const std::string& a : checks.assumptions) items += Tag("li", Typeset(a));
  const std::string reading =
      "Reading the calculation sheets: u is demand over capacity (limit over provided for a minimum) on the "
      "load basis with the upper layer's effective depth, and the verdict follows it; u design step is the same "
      "check on the design step's own basis (every case alike, 1.5 x the gross pressure, d = D - 60 mm, no "
      "weight on the soil), and u is in bold where it alone exceeds 1. Each check names the support and the "
      "combination that govern it. Failing rows are bold with a bar at the left, warnings tinted; n/a: the "
      "check does not apply. A group is ok when no check fails, fails when one does, and is not designed when "
      "its inputs are no design at all (C0): its other checks are not run.";
  return "<section class=\"assumptions\">\n" + Tag("h2", "The method: assumptions and limits") + Tag("ol", items) +
         Tag("p", reading) + "</section>\n";
}

std::string Summary(const Model& model, const checks::DesignChecks& checks) {
  Table table("summary", {{"Mark", ""},
                          {"No.", "num"},
                          {"B (m)", "num"},
                          {"P (m)", "num"},
                          {"D (m)", "num"},
                          {"Bars each way (mm)", "bars"},
                          {"Verdict", ""},
                          {"Governing check", "check"},
                          {"u", "num"},
                          {"Design step", "check"},
                          {"Concrete (m³)", "num"},
                          {"Steel (kg)", "num"}});
  for (std::size_t k = 0; k < checks.groups.size(); ++k) {
    const GroupCheck& g = checks.groups[k];
    const FootGroup& fg = model.FootGroups[static_cast<int>(k) + 1];
    const checks::MarkQuantities& q = g.quantities;
    // A group left undesigned: its size and why, none of the method's leftovers.
    if (g.check.verdict == Verdict::NotDesigned) {
      table.Row({Escape(g.mark), IntText(q.count), DecimalText(fg.Size, 3), "–", "–", "–",
                 VerdictBadge(g.check.verdict), Typeset(g.check.reason), "–", "–", "–", "–"},
                "fail");
      continue;
    }
    table.Row({Escape(g.mark), IntText(q.count), DecimalText(fg.Size, 3), DecimalText(fg.Pedestal, 3),
               DecimalText(fg.Depth, 3), BarsEachWay(fg), VerdictBadge(g.check.verdict), GoverningCheck(g.check),
               g.check.governing >= 0 ? Num(g.check.governingUtilisation, kRatioDecimals) : "–", MethodCell(g.check),
               Num(q.concreteTotal, 3), Num(q.steelTotal, 2)},
              g.check.verdict == Verdict::Ok ? "" : "fail");
  }
  table.Total({"Total", IntText(checks.footings), "", "", "", "", "", checks::DesignedFootingsText(checks), "", "",
               Num(checks.concrete, 3), Num(checks.steel, 2)});

  Table steel("steel", {{"Bar φ (mm)", "num"}, {"Steel (kg)", "num"}});
  for (const auto& [dia, kg] : checks.steelByDia) steel.Row({IntText(dia), Num(kg, 2)});
  steel.Total({"Total", Num(checks.steel, 2)});

  std::string lists;
  if (checks.fails > 0) lists += Tag("p", "Fail: " + Marks(checks, Verdict::Fails) + ".", "marks");
  if (checks.notDesigned > 0)
    lists += Tag("p", "Not designed: " + Marks(checks, Verdict::NotDesigned) + " (no quantities counted).", "marks");
  return "<section class=\"summary-page\">\n" + Tag("h2", "Summary of the footing marks") + table.Html() + lists +
         Clashes(checks) + Tag("h3", "Steel by bar diameter") + steel.Html() + "</section>\n";
}

std::string LoadBasis(const checks::DesignChecks& checks) {
  Table settings("settings", {{"Setting", ""}, {"Value", "num"}, {"Unit", "unit"}});
  for (const checks::SettingRow& r : checks::SettingsInForce(checks.settings))
    settings.Row({Typeset(r.label), Escape(r.value), Typeset(r.unit)});
  Table cases("loads", {{"Case", "num"}, {"Title", ""}, {"Load type", ""}, {"Class", ""}, {"Kind", ""},
                        {"Use", ""}, {"Factors", ""}, {"Note", ""}});
  for (const loads::LoadCase& c : checks.loadCases)
    cases.Row({IntText(c.number), FileText(c.title), FileText(c.loadType),
               c.kind == loads::CaseKind::Primary ? loads::ClassText(c.loadClass) : "", loads::KindText(c.kind),
               loads::UseText(c.use), Escape(loads::FactorText(c)), Escape(loads::CaseNote(c))},
              c.leftOut ? "warn" : "");
  std::string sets;
  for (const auto& [name, list] : {std::pair{"Service", &checks.combinations.service},
                                   std::pair{"Factored", &checks.combinations.factored},
                                   std::pair{"Stability (0.9DL ± 1.5X)", &checks.combinations.uplift}}) {
    std::string names;
    for (const loads::Combination& c : *list) names += (names.empty() ? "" : "; ") + FileText(c.name);
    if (!names.empty()) sets += Tag("p", Tag("b", name) + ": " + names);
  }
  std::string warnings;
  for (const std::string& w : checks.loadWarnings) warnings += Tag("li", FileText(w));
  return "<section class=\"load-basis\">\n" + Tag("h2", "Settings and load cases") + settings.Html() +
         cases.Html() + Tag("h3", "Combinations judged under") + sets +
         (warnings.empty() ? "" : Tag("h3", "Warnings on the load cases") + Tag("ol", warnings)) + "</section>\n";
}

std::string Clashes(const checks::DesignChecks& checks) {
  if (checks.clashes.empty()) return "";
  Table table("clashes", {{"Supports", ""}, {"Gap x (mm)", "num"}, {"Gap z (mm)", "num"}, {"Clear gap (mm)", "num"},
                          {"", ""}});
  for (const checks::Clash& c : checks.clashes)
    table.Row({IntText(c.supportA) + " and " + IntText(c.supportB), Num(c.gapX * 1000, 0), Num(c.gapZ * 1000, 0),
               Num(c.gap * 1000, 0), c.overlap ? "overlap: combined footing required" : "closer than the warning gap"},
              c.overlap ? "fail" : "warn");
  return Tag("h3", "Footings that overlap or stand too close (C20)") + table.Html();
}

std::string UpliftWarnings(const Model& model) {
  const std::vector<UpliftRow> rows = UpliftRows(model);
  std::string html = "<section class=\"uplift\">\n" + Tag("h2", "Uplift warnings");
  if (rows.empty()) return html + Tag("p", "Every load case presses on the soil at every support.") + "</section>\n";
  html += Tag("p", "Check JOINT: at these supports some load cases do not press on the soil (FORCE-Y 0 or less). "
                   "The design leaves them out; the footing does not hold the support down. One row per support with "
                   "its worst case; the workbook's Uplift sheet lists every case.");
  Table table("uplift", {{"Support", "num"}, {"Joint", "num"}, {"Uplift cases", "num"}, {"Load cases", ""},
                         {"Worst load case", "num"}, {"FORCE-Y (kN)", "num"}});
  for (std::size_t i = 0; i < rows.size();) {
    std::size_t end = i, worst = i;
    std::string cases;
    for (; end < rows.size() && rows[end].Support == rows[i].Support; ++end) {
      if (rows[end].ForceY < rows[worst].ForceY) worst = end;
      cases += (cases.empty() ? "" : ", ") + DecimalText(rows[end].LoadCase, 0);
    }
    table.Row({IntText(rows[i].Support), FileText(rows[i].Joint), IntText(static_cast<int>(end - i)), cases,
               DecimalText(rows[worst].LoadCase, 0), Num(rows[worst].ForceY, 2)});
    i = end;
  }
  return html + table.Html() + "</section>\n";
}

std::string ColumnSchedule(const Model& model) {
  Table table("columns",
              {{"Mark", ""}, {"Section (mm)", ""}, {"Pedestal (m)", "num"}, {"Bars (number-φ)", ""}, {"Ties (φ - spacing)", ""}});
  bool noPedestal = false;
  for (const ColumnRow& r : ColumnScheduleRows(model)) {
    table.Row({FileText(r[0]), FileText(r[1]), FileText(r[2]), FileText(r[3]), FileText(r[4])});
    noPedestal = noPedestal || r[2] == "0";
  }
  const std::string note =
      noPedestal ? Tag("p", "A pedestal of 0: the column stands on a footing group that is not designed.") : "";
  return "<section class=\"column-schedule\">\n" + Tag("h2", "Column schedule") + table.Html() + note +
         "</section>\n";
}

void FootingPlan(std::string_view planSvg, const std::function<void(std::string_view)>& add) {
  // Each top-level <svg> element, nested ones inside it counted.
  std::vector<std::string_view> sheets;
  for (std::size_t start = planSvg.find("<svg"); start != std::string_view::npos; start = planSvg.find("<svg", start)) {
    std::size_t at = start + 4;
    int depth = 1;
    while (depth > 0) {
      const std::size_t open = planSvg.find("<svg", at), close = planSvg.find("</svg>", at);
      if (close == std::string_view::npos) break;
      if (open < close) {
        ++depth;
        at = open + 4;
      } else {
        --depth;
        at = close + 6;
      }
    }
    if (depth > 0 || planSvg.find('>', start) == std::string_view::npos) break;
    sheets.push_back(planSvg.substr(start, at - start));
    start = at;
  }
  if (sheets.empty()) {
    add("<section class=\"plan\">\n" + Tag("h2", "Footing plan") + Tag("p", "No drawing of the plan was given.") +
        "</section>\n");
    return;
  }
  // Each sheet on a page of its own paper at full size, the page's head and
  // foot around it: its smallest text prints as the draughtsman sized it,
  // never shrunk to a sheet of A4. The page rules come first.
  std::string pages;
  std::vector<std::string> sizes, pageOf;
  for (const std::string_view svg : sheets) {
    const auto attribute = [&](std::string_view name) {
      const std::size_t at = svg.find(" " + std::string(name) + "=\"");
      if (at == std::string::npos || at > svg.find('>')) return 0.0;
      const std::size_t start = at + name.size() + 3;
      const std::optional<double> mm = StrictNumber(svg.substr(start, svg.find("mm\"", start) - start));
      return mm.value_or(0.0);
    };
    const double width = attribute("width"), height = attribute("height");
    std::string page = "plan";
    if (width > 0 && height > 0) {
      page = "sheet-" + DecimalText(width, 0) + "x" + DecimalText(height, 0);
      if (std::find(sizes.begin(), sizes.end(), page) == sizes.end()) {
        sizes.push_back(page);
        pages += "@page " + page + " { size: " + DecimalText(width + 20, 0) + "mm " + DecimalText(height + 34, 0) +
                 "mm; margin: 14mm 10mm 12mm 10mm; }\n";
      }
    }
    pageOf.push_back(std::move(page));
  }
  if (!pages.empty()) add("<style>\n" + pages + "</style>\n");
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    // Namespace declarations (xmlns, xmlns:xlink) of the opening tag only.
    const std::size_t tagEnd = sheets[i].find('>') + 1;
    std::string tag(sheets[i].substr(0, tagEnd));
    for (std::size_t at = tag.find(" xmlns"); at != std::string::npos && at < tag.find('>'); at = tag.find(" xmlns")) {
      const std::size_t open = tag.find('"', at);
      const std::size_t close = open == std::string::npos ? open : tag.find('"', open + 1);
      if (close == std::string::npos) break;
      tag.erase(at, close + 1 - at);
    }
    const std::string title = sheets.size() == 1 ? "Footing plan"
                                                 : "Footing plan, sheet " + std::to_string(i + 1) + " of " +
                                                       std::to_string(sheets.size());
    add("<section class=\"plan\" style=\"page: " + pageOf[i] + "\">\n" + Tag("p", Escape(title), "plan-title") +
        "<div class=\"plan-figure\">\n" + tag);
    add(sheets[i].substr(tagEnd));
    add("</div>\n</section>\n");
  }
}

}  // namespace footmark::report
