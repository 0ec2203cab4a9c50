#include "report/revision_pages.h"

#include "model/numerics.h"
#include "report/html.h"
#include "revise/revision_rows.h"

namespace footmark::report {

namespace {

std::string Signed(double x, int decimals) { return (x > 0 ? "+" : "") + Num(x, decimals); }

std::string MethodVsRevised(const Model& model, const checks::DesignChecks& checks,
                            const revise::DesignRevision& record) {
  Table table("revision", {{"Mark", ""}, {"Method's marks", ""}, {"B (m)", "num"}, {"P (m)", "num"},
                           {"D (m)", "num"}, {"Bars", ""}, {"B now", "num"}, {"P now", "num"}, {"D now", "num"},
                           {"Bars now", ""}, {"Concrete (m³)", "num"}, {"Steel (kg)", "num"}, {"State", ""}});
  for (const revise::ComparisonRow& r : revise::ComparisonRows(model, checks, record)) {
    const bool same = r.method.side == r.now.side && r.method.pedestal == r.now.pedestal &&
                      r.method.depth == r.now.depth && r.method.bars == r.now.bars;
    table.Row({r.mark, r.methodMarks, r.method.side, r.method.pedestal, r.method.depth, Typeset(r.method.bars),
               same ? "" : r.now.side, same ? "" : r.now.pedestal, same ? "" : r.now.depth,
               same ? "as the method's" : Typeset(r.now.bars),
               Num(r.concreteMethod, 2) + " → " + Num(r.concrete, 2), Num(r.steelMethod, 1) + " → " + Num(r.steel, 1),
               Typeset(r.state)},
              r.state.find("cannot") != std::string::npos ? "fail" : "");
  }
  table.Total({"total", "", "", "", "", "", "", "", "", "",
               Num(record.concreteMethod, 2) + " → " + Num(record.concrete, 2),
               Num(record.steelMethod, 1) + " → " + Num(record.steel, 1), ""});
  return table.Html();
}

std::string Steps(const revise::DesignRevision& record) {
  Table table("steps", {{"Mark", ""}, {"Step", ""}, {"Before", ""}, {"After", ""}, {"Steps", "num"},
                        {"Forced by", ""}, {"Ratio", "num"}});
  for (const revise::ChangeRow& r : revise::ChangeRows(record)) {
    if (r.step.empty()) {
      table.Row({r.mark, "cannot be revised", "", "", "", Typeset(r.check), ""}, "fail");
      continue;
    }
    table.Row({r.mark, r.step, Typeset(r.before), Typeset(r.after), r.steps, Typeset(r.check),
               r.rated ? Num(r.ratioBefore, 3) + " → " + Num(r.ratioAfter, 3) : ""});
  }
  return table.Empty() ? Tag("p", "Every group passes its checks as designed: nothing to revise.") : table.Html();
}

}  // namespace

std::string RevisionPages(const Model& model, const checks::DesignChecks& checks,
                          const revise::DesignRevision& record) {
  std::string html = "<section class=\"summary-page\">\n" + Tag("h2", "Method vs revised");
  html += Tag("p", Typeset("Against the method's design: " + revise::QuantitiesAdded(record) + "."));
  if (record.merging) {
    html += Tag("h3", "Fewer footing types");
    html += Tag("p", Typeset(revise::MergingSummary(*record.merging) +
                             ". The larger footing's design serves both, deepened and its pedestal widened where the "
                             "other's are larger; the marks keep the method's order, numbered again without gaps."));
    Table merges("merges", {{"Kept (method's marks)", ""}, {"Absorbed", ""}, {"Supports moved", ""},
                            {"Concrete added (m³)", "num"}, {"", ""}});
    for (const revise::MergeRow& m : revise::MergeRows(record))
      merges.Row({m.kept, m.absorbed, m.supports, Signed(m.concrete, 3), Typeset(m.meets)}, m.meets.empty() ? "" : "fail");
    if (!merges.Empty()) html += merges.Html();
  }
  html += Tag("h3", "Each mark: the method's design and the design now");
  html += MethodVsRevised(model, checks, record);
  if (record.request.revise) {
    html += Tag("h3", "Revision steps");
    html += Tag("p", Typeset(revise::RevisionSummary(record) +
                             ". Steps in their fixed order: side +0.1 m (bearing, contact, stability), depth +25 mm "
                             "(limiting moment, shear, edge depth), bars (flexure, minimum steel, spacing), bend-up "
                             "legs (anchorage), pedestal +50 mm (load transfer); every check again after each."));
    html += Steps(record);
    std::string limits;
    for (const checks::SettingRow& s : revise::LimitsInForce(record.request.limits))
      limits += (limits.empty() ? "" : "; ") + s.label + " " + s.value + " " + s.unit;
    html += Tag("p", Typeset("Limits: " + limits + "."));
  }
  return html + "</section>\n";
}

}  // namespace footmark::report
