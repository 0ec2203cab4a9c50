#include "report/group_sheet.h"

#include <cmath>
#include <string_view>
#include <vector>

#include "model/numerics.h"
#include "report/html.h"

namespace footmark::report {

namespace {

using checks::Check;
using checks::FootingCheck;
using checks::GroupCheck;
using checks::SheetValue;
using checks::Status;
using checks::Verdict;

const char* VerdictClass(Verdict verdict) {
  switch (verdict) {
    case Verdict::Ok: return "verdict ok";
    case Verdict::Fails: return "verdict fails";
    case Verdict::NotDesigned: break;
  }
  return "verdict not-designed";
}

std::string NumberList(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& item : items) out += (out.empty() ? "" : ", ") + item;
  return out;
}

// Where the group's numbers come from: its supports, the load cases and the
// columns that govern.
std::string Provenance(const Model& model, const GroupCheck& group) {
  std::vector<std::string> supports, joints;
  for (const int s : group.supports) {
    supports.push_back(IntText(s));
    joints.push_back(FileText(model.Footings[s].JointNo));
  }
  const bool one = supports.size() == 1;
  std::string out = (one ? "Support " : "Supports ") + NumberList(supports) + (one ? " at joint " : " at joints ") +
                    NumberList(joints) + " (" + IntText(group.quantities.count) +
                    (group.quantities.count == 1 ? " footing)." : " footings).");
  if (group.loadCase > 0)
    out += " The design's pressure q from load case " + IntText(group.loadCase) + " at support " +
           IntText(group.designSupport) + "; each check names the support and combination that govern it.";
  return Tag("p", out, "provenance");
}

// Values in `across` groups of name, value and unit, filled column by column,
// so a long list takes a few lines of the page.
std::string ValueGrid(const std::vector<SheetValue>& values, int across) {
  const auto rows = (values.size() + static_cast<std::size_t>(across) - 1) / static_cast<std::size_t>(across);
  std::vector<Column> columns;
  for (int k = 0; k < across; ++k) {
    columns.push_back({"", "name"});
    columns.push_back({"", "num"});
    columns.push_back({"", "unit"});
  }
  Table table("values", columns);
  for (std::size_t r = 0; r < rows; ++r) {
    std::vector<std::string> cells;
    for (std::size_t k = 0; k < static_cast<std::size_t>(across); ++k) {
      const std::size_t i = k * rows + r;
      if (i < values.size()) {
        const SheetValue& v = values[i];
        cells.insert(cells.end(), {Typeset(v.name), Num(v.value, v.decimals), Typeset(v.unit)});
      } else {
        cells.insert(cells.end(), {"", "", ""});
      }
    }
    table.Row(cells);
  }
  return table.Html();
}

std::string StatusCell(Status status) {
  const std::string text = checks::StatusText(status);
  return Tag("span", text, status == Status::NotApplicable ? "status-na" : "status-" + text);
}

// The clause without the code's name, which the column's heading gives.
std::string_view Clause(std::string_view clause) {
  constexpr std::string_view code = "IS 456 ";
  return clause.substr(0, code.size()) == code ? clause.substr(code.size()) : clause;
}

// "support 4, LC7 1.5(DL+EQX) (load case 7)", or a formed combination by its name.
std::string Where(const Check& c) {
  if (c.support <= 0) return "";
  std::string where = "support " + IntText(c.support);
  if (!c.combination.empty()) where += ", " + FileText(c.combination);
  if (c.loadCase > 0) where += " (load case " + IntText(c.loadCase) + ")";
  return where;
}

// The working of every check: the formula with the numbers put in, line by
// line, and the reactions that govern it.
std::string Working(const FootingCheck& check) {
  std::string html;
  for (const Check& c : check.checks) {
    if (c.working.empty()) continue;
    std::string lines;
    if (!c.reactions.empty()) lines += Tag("li", "At " + Where(c) + ": " + Typeset(c.reactions) + ".", "reactions");
    for (const std::string& line : c.working) lines += Tag("li", Typeset(line));
    html += Tag("div", Tag("p", Tag("b", Escape(c.id) + " " + Typeset(c.name)) + " (" + Escape(c.clause) + ")") +
                           Tag("ul", lines),
                "working");
  }
  return html.empty() ? "" : Tag("h3", "Working (code-strict basis; the design step's own where stated)") + html;
}

std::string VerdictLine(const FootingCheck& check) {
  std::string text = "Verdict: " + VerdictBadge(check.verdict);
  if (check.verdict == Verdict::Ok) {
    text += " governing " + GoverningCheck(check) + ", u = " + Num(check.governingUtilisation, kRatioDecimals);
  } else if (check.verdict == Verdict::Fails) {
    text += " " + Typeset(check.reason);
  } else {
    text += " " + Typeset(check.reason) + "; the checks beyond C0 are not run.";
  }
  if (check.warnings > 0)
    text += "; " + IntText(check.warnings) + (check.warnings == 1 ? " warning" : " warnings");
  if (check.verdict != Verdict::NotDesigned) text += ". Beside it, " + Typeset(checks::MethodVerdictText(check)) + ".";
  return Tag("p", text, "verdict-line");
}

std::string QuantityLine(const GroupCheck& group) {
  const checks::MarkQuantities& q = group.quantities;
  if (!q.note.empty()) return Tag("p", "Quantities: " + Typeset(q.note) + ".", "quantities");
  const std::string count = IntText(q.count);
  return Tag("p",
             "Quantities: concrete " + count + " × " + Num(q.concreteEach, 3) + " = " + Num(q.concreteTotal, 3) +
                 " m³ (footing and pedestal); steel " + Num(q.steelTotal, 2) + " kg: bottom mesh " +
                 Num(q.meshSteel, 2) + " kg and column starter bars " + Num(q.starterSteel, 2) +
                 " kg, the bar marks of " + Escape(group.mark) + " in the bar bending schedule.",
             "quantities");
}

}  // namespace

std::string CheckTable(const std::vector<Check>& rows) {
  Table table("checks", {{"ID", "id"},
                         {"Check", "check"},
                         {"Clause of IS 456", "clause"},
                         {"Demand", "num"},
                         {"Capacity / limit", "num"},
                         {"Unit", "unit"},
                         {"u", "num"},
                         {"u design step", "num"},
                         {"Status", "status"},
                         {"Governs at", "where"},
                         {"Note", "note"}});
  for (const Check& c : rows) {
    const bool figures = !(c.unit.empty() && c.demand == 0 && c.capacity == 0);
    const bool rated = figures && c.rated;
    const bool method = figures && !std::isnan(c.methodUtilisation);
    // The verdict's utilisation above 1 where the design step's own is not:
    // the bases differ, and the reader should see where.
    const bool over = rated && c.utilisation > 1 && method && c.methodUtilisation <= 1;
    const char* rowClass = c.status == Status::Fail ? "fail" : c.status == Status::Warning ? "warn" : "";
    // C0 has no figures; a check that does not apply has no demand.
    const std::string none = figures ? "–" : "";
    const std::string where = Where(c);
    // Nothing to rate: said in words, not as a ratio.
    const std::string u = rated ? (over ? Tag("b", Num(c.utilisation, kRatioDecimals)) : Num(c.utilisation, kRatioDecimals))
                          : c.status == Status::Warning && figures ? Num(c.utilisation, kRatioDecimals) + " (warning)"
                                                                   : "not rated";
    table.Row({Escape(c.id), Typeset(c.name), Escape(Clause(c.clause)),
               figures && c.status != Status::NotApplicable ? Num(c.demand, c.decimals) : none,
               figures ? Num(c.capacity, c.decimals) : none, Typeset(c.unit), u,
               method ? Num(c.methodUtilisation, kRatioDecimals) : none, StatusCell(c.status), where, Typeset(c.note)},
              rowClass);
  }
  return table.Html();
}

std::string VerdictBadge(Verdict verdict) { return Tag("span", checks::VerdictText(verdict), VerdictClass(verdict)); }

std::string GoverningCheck(const FootingCheck& check) {
  if (check.governing < 0) return "–";
  const Check& c = check.checks[static_cast<std::size_t>(check.governing)];
  return Escape(c.id) + " " + Typeset(c.name);
}

std::string GroupSheet(const Model& model, const GroupCheck& group) {
  const FootingCheck& check = group.check;
  std::string html = "<section class=\"sheet\">\n";
  html += Tag("h2", "Footing " + Escape(group.mark) + " " + VerdictBadge(check.verdict));
  html += Provenance(model, group);
  // Why there is no design stands first; failing checks are marked in the table.
  if (check.verdict == Verdict::NotDesigned) html += Tag("p", Typeset(check.reason), "reason");
  html += Tag("h3", "Inputs") + ValueGrid(check.inputs, 3);
  if (!check.derived.empty())
    html += Tag("h3", "Derived values (the design step's at D − 60 mm, and the load basis)") +
            ValueGrid(check.derived, 3);
  html += Tag("h3", "Checks") + CheckTable(check.checks);
  html += VerdictLine(check);
  html += Working(check);
  if (!check.barDetail.empty()) html += Tag("p", "Bar detail: " + Typeset(check.barDetail) + ".", "bar-detail");
  html += QuantityLine(group);
  return html + "</section>\n";
}

}  // namespace footmark::report
