#include "report/calculation_report.h"

#include <ctime>
#include <string_view>

#include "model/local_time.h"
#include "model/program.h"
#include "model/replace_file.h"
#include "report/bar_schedule_pages.h"
#include "report/combined_pages.h"
#include "report/group_sheet.h"
#include "report/html.h"
#include "report/project_pages.h"
#include "report/revision_pages.h"

namespace footmark {

namespace {

// A4 pages: the summary, each calculation sheet and the uplift list start a
// page, rows never split and headings stay with what follows; a table's head
// repeats on a new page, its totals do not. The checks table has fixed
// column widths, so notes wrap and numbers do not. Verdicts carry a
// border and bold type besides their colour, so a black-and-white print
// keeps them; tints print too (print-color-adjust).
constexpr std::string_view kStyle = R"(<style>
@page { size: A4; margin: 14mm 10mm 12mm 10mm; }
@page plan { size: A3 landscape; margin: 14mm 10mm 12mm 10mm; }
html { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
body { font-family: "DejaVu Sans", "Liberation Sans", Arial, Helvetica, sans-serif; font-size: 8.5pt;
       line-height: 1.3; color: #000; margin: 0; }
@media screen { body { max-width: 200mm; margin: 6mm auto; } }
h1 { font-size: 15pt; margin: 0 0 3mm; padding-bottom: 1mm; border-bottom: 1.5pt solid #000; }
h2 { font-size: 12pt; margin: 4mm 0 1.5mm; break-after: avoid; }
h3 { font-size: 9pt; margin: 2.5mm 0 1mm; break-after: avoid; }
p { margin: 1mm 0; }
sub { line-height: 0; font-size: max(6.2pt, 0.8em); }
table { border-collapse: collapse; width: 100%; margin: 1mm 0 2mm; }
th, td { border: 0.5pt solid #999; padding: 0.5mm 1.2mm; vertical-align: top; text-align: left; }
th { border-bottom: 1pt solid #000; background: #e8e8e8; font-weight: bold; }
thead { display: table-header-group; }
tfoot { display: table-row-group; }
tr { break-inside: avoid; }
td.num, th.num { text-align: right; font-variant-numeric: tabular-nums; }
td.num, td.unit, td.id, td.status, td.bars { white-space: nowrap; }
table.facts { width: auto; }
table.facts td { border: none; padding: 0.3mm 6mm 0.3mm 0; white-space: nowrap; }
table.facts td:last-child { white-space: normal; }
table.facts td.name { font-weight: bold; }
table.values { font-size: 7.5pt; }
table.values td { border: none; border-bottom: 0.3pt solid #ccc; padding: 0.2mm 1mm; }
table.values td.unit { padding-right: 4mm; color: #333; }
table.checks { font-size: 7pt; line-height: 1.2; table-layout: fixed; }
table.checks th { font-size: 6.5pt; }
table.checks td { padding: 0.4mm 0.8mm; }
table.checks th:nth-child(1) { width: 4.5%; }
table.checks th:nth-child(2) { width: 15%; }
table.checks th:nth-child(3) { width: 9%; }
table.checks th:nth-child(4), table.checks th:nth-child(5) { width: 6.5%; }
table.checks th:nth-child(6), table.checks th:nth-child(7), table.checks th:nth-child(8) { width: 5%; }
table.checks th:nth-child(9) { width: 5.5%; }
table.checks th:nth-child(10) { width: 12%; }
table.checks th:nth-child(11) { width: 26%; }
table.summary td.check { font-size: 7pt; }
table.summary th:nth-child(6) { width: 14%; }
table.summary th:nth-child(7) { width: 8%; }
table.summary th:nth-child(8) { width: 22%; }
table.summary th:nth-child(10) { width: 11%; }
table.steel, table.uplift, table.columns, table.clashes, table.settings { width: auto; min-width: 45%; }
table.loads { font-size: 7.5pt; }
tr.fail td { font-weight: bold; background: #fde4e4; }
tr.fail td:first-child { border-left: 2.5pt solid #b00000; }
tr.warn td { background: #fff3d9; }
tr.total td { font-weight: bold; border-top: 1.2pt solid #000; }
.verdict { display: inline-block; padding: 0 1.2mm; border: 1pt solid; border-radius: 1mm; font-weight: bold;
           white-space: nowrap; }
.verdict.ok { color: #0b6b2c; }
.verdict.fails { color: #b00000; border-width: 1.6pt; }
.verdict.not-designed { color: #8a4500; border-style: double; border-width: 3pt; }
.status-fail { color: #b00000; font-weight: bold; text-transform: uppercase; }
.status-warning { color: #8a4500; }
.status-na { color: #555; }
p.reason { border: 1.5pt solid #b00000; padding: 1mm 1.5mm; font-weight: bold; }
p.verdict-line { border-top: 1pt solid #000; padding-top: 1mm; margin-top: 2mm; }
p.marks { font-weight: bold; }
ol { margin: 1mm 0; padding-left: 6mm; }
div.working { break-inside: avoid; font-size: 7.5pt; margin: 0 0 1mm; }
div.working p { margin: 0.6mm 0 0; }
div.working ul { margin: 0; padding-left: 5mm; }
div.working li { margin: 0; }
div.working li.reactions { color: #333; }
li { margin-bottom: 0.8mm; }
section.summary-page, section.sheet, section.uplift, section.bbs { break-before: page; }
table.bbs { font-size: 7pt; }
section.column-schedule { break-inside: avoid; }
section.plan { page: plan; break-before: page; }
.plan-figure svg { display: block; width: 100%; height: auto; }
p.plan-title { font-weight: bold; margin: 0 0 2mm; }
section.combined, section.combined-list { break-before: page; }
section.combined table.checks th:nth-child(1) { width: 7.5%; }
section.combined table.checks th:nth-child(11) { width: 23%; }
table.combined { font-size: 7.5pt; }
table.search, table.keys, table.cfbars { font-size: 7pt; width: auto; }
table.search td, table.search th { padding: 0.3mm 1mm; }
div.diagram { break-inside: avoid; }
div.diagram svg { display: block; margin: 0.5mm 0 1mm; }
p.caption { font-size: 7pt; margin: 0.5mm 0 0; }
p.closure, p.bands { font-size: 7pt; }
</style>
)";

std::string RunDate() {
  const std::tm local = LocalTimeNow();
  char text[16];
  return std::strftime(text, sizeof text, "%Y-%m-%d", &local) > 0 ? text : "";
}

// Text for a CSS string: quotes and backslashes escaped, line ends dropped.
std::string CssString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    if (c != '\n' && c != '\r') out += c;
  }
  return out + "\"";
}

// Every printed page's head: the project, job, revision and who designed and
// checked it at the left; the program, the date and the page at the right.
std::string PageHeads(const ProjectInfo& project, const std::string& date) {
  const auto field = [](const char* label, const std::string& value) {
    return value.empty() ? std::string() : std::string(label) + value;
  };
  std::string left = project.Project.empty() ? "Isolated footings" : project.Project;
  for (const std::string& part : {field("Job ", project.JobNumber), field("Rev. ", project.Revision),
                                  field("Designed ", project.DesignedBy), field("Checked ", project.CheckedBy)})
    if (!part.empty()) left += "  |  " + part;
  const std::string right = ProgramName() + "  |  " + date;
  return "<style>\n@page { @top-left { content: " + CssString(left) +
         "; font-size: 7pt; vertical-align: bottom; padding-bottom: 1.5mm; }\n"
         "  @top-right { content: " + CssString(right) +
         "; font-size: 7pt; vertical-align: bottom; padding-bottom: 1.5mm; }\n"
         "  @bottom-right { content: \"Page \" counter(page) \" of \" counter(pages); font-size: 7pt; } }\n</style>\n";
}

}  // namespace

namespace {

// The report in parts, in the order they are read: the small ones gathered
// into pieces, a large one (a sheet of the plan) handed on as it stands, so
// that a report of megabytes is never one string.
void WriteReport(const PieceSink& write, const Model& model, const checks::DesignChecks& checks,
                 std::string_view planSvg, const ProjectInfo& project, const revise::DesignRevision* revision) {
  using namespace report;
  PieceBuffer pieces(write, PieceBuffer::kPieceBytes);
  const auto add = [&](std::string_view part) {
    if (part.size() >= PieceBuffer::kPieceBytes) {
      pieces.Finish();
      write(part);
      return;
    }
    pieces.text() += part;
    pieces.HandOnWhenFull();
  };
  const std::string date = project.Date.empty() ? RunDate() : project.Date;
  add("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>");
  add("Footing calculation report: " + FileNameText(model.AnlFilePath) + "</title>\n");
  add(kStyle);
  add(PageHeads(project, date) + "</head>\n<body>\n");
  add(ProjectHeader(model, checks, project, date));
  add(MethodAssumptions(checks));
  add(LoadBasis(checks));
  add(Summary(model, checks));
  if (revision) add(RevisionPages(model, checks, *revision));
  for (const checks::GroupCheck& group : checks.groups) add(GroupSheet(model, group));
  add(CombinedPages(model, checks));
  add(BarSchedulePages(checks));
  add(UpliftWarnings(model));
  add(ColumnSchedule(model));
  FootingPlan(planSvg, add);
  add("</body>\n</html>\n");
  pieces.Finish();
}

}  // namespace

std::string CalculationReportHtml(const Model& model, const checks::DesignChecks& checks, const std::string& planSvg,
                                  const ProjectInfo& project, const revise::DesignRevision* revision) {
  return TextOf([&](const PieceSink& write) { WriteReport(write, model, checks, planSvg, project, revision); });
}

void SaveCalculationReport(const Model& model, const checks::DesignChecks& checks, const std::string& planSvg,
                           const std::string& fileName, const ProjectInfo& project,
                           const revise::DesignRevision* revision) {
  ReplaceFileWith(fileName,
                  [&](const PieceSink& write) { WriteReport(write, model, checks, planSvg, project, revision); });
}

}  // namespace footmark
