#include "revise/revision_rows.h"

#include "model/numerics.h"
#include "revise/steps.h"

namespace footmark::revise {

namespace {

std::string Signed(double x, int decimals) { return (x < 0 ? "" : "+") + DecimalText(x, decimals); }

}  // namespace

std::string MethodMarks(const std::vector<int>& methodGroups) {
  std::string text;
  for (const int g : methodGroups) text += (text.empty() ? "F" : " + F") + IntText(g);
  return text;
}

std::vector<ChangeRow> ChangeRows(const DesignRevision& record) {
  std::vector<ChangeRow> rows;
  for (const GroupRevision& g : record.groups) {
    // A group whose supports all went to combined footings has no mark now.
    const std::string mark = g.group > 0 ? "F" + IntText(g.group) : "-";
    const std::string outcome = OutcomeText(g.outcome);
    if (!g.combined.empty() && (g.outcome == Outcome::Combined || g.outcome == Outcome::CannotBeRevised)) {
      const std::string why = g.reason.empty() ? "" : g.reason + "; ";
      rows.push_back({mark, outcome, "", "", "", "", why + g.combined, g.ratioBefore, g.ratioAfter, false});
      if (g.changes.empty() || g.outcome == Outcome::CannotBeRevised) continue;
    }
    if (g.outcome == Outcome::CannotBeRevised) {
      rows.push_back({mark, outcome, "", "", "", "", g.reason, g.ratioBefore, g.ratioAfter, false});
      continue;
    }
    for (const Change& c : g.changes) {
      const bool taken = c.steps < 0;
      rows.push_back({mark, outcome, StepText(c.step), c.before, c.after, taken ? "taken back" : IntText(c.steps),
                      taken ? "no check needs it once the later steps are taken" : c.check, c.ratioBefore,
                      c.ratioAfter, !taken && c.step != Step::Design});
    }
  }
  return rows;
}

DesignCells CellsOf(const FootGroup& group) {
  if (!group.Designed) return {DecimalText(group.Size, 3), "-", "-", "not designed"};
  return {DecimalText(group.Size, 3), DecimalText(group.Pedestal, 3), DecimalText(group.Depth, 3),
          StepValue(group, Step::Bars)};
}

std::vector<ComparisonRow> ComparisonRows(const Model& model, const checks::DesignChecks& now,
                                          const DesignRevision& record) {
  std::vector<ComparisonRow> rows;
  for (int g = 1; g <= model.FootGroupCount && g <= static_cast<int>(record.origins.size()); ++g) {
    const std::vector<int>& origin = record.origins[static_cast<std::size_t>(g - 1)].methodGroups;
    ComparisonRow row;
    row.mark = "F" + IntText(g);
    row.methodMarks = MethodMarks(origin);
    row.method = CellsOf(record.method[static_cast<std::size_t>(origin.front() - 1)]);
    row.now = CellsOf(model.FootGroups(g));
    for (const int m : origin) {
      row.concreteMethod += record.methodConcrete[static_cast<std::size_t>(m - 1)];
      row.steelMethod += record.methodSteel[static_cast<std::size_t>(m - 1)];
    }
    if (static_cast<std::size_t>(g) <= now.groups.size()) {
      row.concrete = now.groups[static_cast<std::size_t>(g - 1)].quantities.concreteTotal;
      row.steel = now.groups[static_cast<std::size_t>(g - 1)].quantities.steelTotal;
    }
    const GroupRevision* r = record.Find(g);
    row.state = origin.size() > 1 ? "merged" : r ? "" : "as designed";
    if (r) row.state += (row.state.empty() ? "" : ", ") + std::string(OutcomeText(r->outcome));
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<MergeRow> MergeRows(const DesignRevision& record) {
  std::vector<MergeRow> rows;
  if (!record.merging) return rows;
  for (const Merge& m : record.merging->merges) {
    std::string supports;
    for (const int s : m.supports) supports += (supports.empty() ? "" : " ") + IntText(s);
    rows.push_back({MethodMarks(m.kept), MethodMarks(m.absorbed), supports, m.concrete,
                    m.meets ? "support " + IntText(m.meets->support) + " meets support " + IntText(m.meets->other) +
                                  "'s footing: combined footing required"
                            : ""});
  }
  return rows;
}

std::string RevisionSummary(const DesignRevision& record) {
  const auto groups = [](int n) { return IntText(n) + (n == 1 ? " group " : " groups "); };
  return groups(record.Count(Outcome::Revised)) + "revised, " + groups(record.Count(Outcome::Designed)) +
         "designed without the reference volume, " + groups(record.Count(Outcome::CannotBeRevised)) +
         "that cannot be revised" +
         (record.Count(Outcome::Combined) > 0
              ? ", " + groups(record.Count(Outcome::Combined)) + "giving supports to combined footings"
              : "");
}

std::string MergingSummary(const Merging& m) {
  std::string text = IntText(m.before) + " footing groups merged to " + IntText(m.after) + " (at most " +
                     IntText(m.maxTypes) + "), concrete " + Signed(m.concrete, 3) + " m3";
  if (!m.note.empty()) text += "; " + m.note;
  return text;
}

std::string QuantitiesAdded(const DesignRevision& record) {
  std::string text = "concrete " + DecimalText(record.concrete, 2) + " m3 against the method's " +
                     DecimalText(record.concreteMethod, 2) + " m3 (" +
                     Signed(record.concrete - record.concreteMethod, 2) + " m3";
  if (record.merging) text += ", merging " + Signed(record.merging->concrete, 2) + " m3";
  return text + "); steel " + DecimalText(record.steel, 1) + " kg against " + DecimalText(record.steelMethod, 1) +
         " kg (" + Signed(record.steel - record.steelMethod, 1) + " kg)";
}

}  // namespace footmark::revise
