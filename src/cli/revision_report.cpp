#include "cli/revision_report.h"

#include <string>
#include <vector>

#include "cli/text_table.h"
#include "model/numerics.h"
#include "revise/revision_rows.h"

namespace footmark::cli {

namespace {

using Rows = std::vector<std::vector<std::string>>;

std::string Ratio(double u) { return DecimalText(u, 3, true); }

std::string Options(const revise::RevisionRequest& r) {
  std::string text = r.revise ? "--revise" : "";
  if (r.maxTypes > 0) text += (text.empty() ? "" : ", ") + std::string("--max-types ") + IntText(r.maxTypes);
  return text;
}

}  // namespace

void WriteRevision(std::ostream& out, const revise::DesignRevision& record) {
  out << "\nRevision (" << Options(record.request) << ")\n";
  if (record.merging) {
    out << "Fewer footing types: " << revise::MergingSummary(*record.merging) << '\n';
    Rows rows{{"kept (method's marks)", "absorbed", "supports moved", "concrete (m3)", ""}};
    for (const revise::MergeRow& m : revise::MergeRows(record))
      rows.push_back({m.kept, m.absorbed, m.supports, DecimalText(m.concrete, 3), m.meets});
    if (rows.size() > 1) WriteTable(out, rows);
    out << "Marks now, numbered in the method's order without gaps:";
    for (std::size_t g = 0; g < record.origins.size(); ++g)
      out << (g ? "," : "") << " F" << g + 1 << " = " << revise::MethodMarks(record.origins[g].methodGroups);
    out << '\n';
  }
  if (record.request.revise) {
    out << "Revised: " << revise::RevisionSummary(record) << '\n';
    Rows rows{{"mark", "outcome", "step", "before", "after", "steps", "forced by", "ratio"}};
    for (const revise::ChangeRow& r : revise::ChangeRows(record))
      rows.push_back({r.mark, r.outcome, r.step, r.before, r.after, r.steps, r.check,
                      r.rated ? Ratio(r.ratioBefore) + " -> " + Ratio(r.ratioAfter) : ""});
    if (rows.size() > 1) WriteTable(out, rows);
    rows = {{"limit", "value", "option"}};
    for (const checks::SettingRow& s : revise::LimitsInForce(record.request.limits))
      rows.push_back({s.label, s.value + " " + s.unit, "--" + s.key});
    WriteTable(out, rows);
  }
  out << "Against the method's design: " << revise::QuantitiesAdded(record) << '\n';
}

void JsonRevision(Json& j, const revise::DesignRevision& record) {
  j.Key("revisions").BeginObject().Key("revise").Bool(record.request.revise);
  if (record.request.revise) {
    j.Key("limits").BeginObject();
    for (const checks::SettingRow& s : revise::LimitsInForce(record.request.limits)) j.Key(s.key).Number(s.value);
    j.EndObject();
  }
  if (record.merging) {
    const revise::Merging& m = *record.merging;
    j.Key("merging").BeginObject().Field("max_types", m.maxTypes).Field("groups_before", m.before).Field(
        "groups_after", m.after);
    j.Key("concrete_added").Number(DecimalText(m.concrete, 3));
    if (!m.note.empty()) j.Field("note", m.note);
    j.Key("merges").BeginArray();
    for (const revise::Merge& merge : m.merges) {
      j.BeginObject().Field("kept", revise::MethodMarks(merge.kept)).Field("absorbed", revise::MethodMarks(merge.absorbed));
      j.Key("supports").BeginArray();
      for (const int s : merge.supports) j.Int(s);
      j.EndArray().Key("concrete_added").Number(DecimalText(merge.concrete, 3));
      if (merge.meets)
        j.Key("meets").BeginArray().Int(merge.meets->support).Int(merge.meets->other).EndArray();
      j.EndObject();
    }
    j.EndArray().Key("marks").BeginArray();
    for (std::size_t g = 0; g < record.origins.size(); ++g) {
      j.BeginObject().Field("mark", "F" + IntText(static_cast<std::int64_t>(g + 1))).Key("method").BeginArray();
      for (const int o : record.origins[g].methodGroups) j.String("F" + IntText(o));
      j.EndArray().EndObject();
    }
    j.EndArray().EndObject();
  }
  j.Key("groups").BeginArray();
  for (const revise::GroupRevision& g : record.groups) {
    j.BeginObject().Field("mark", "F" + IntText(g.group)).Field("outcome", revise::OutcomeText(g.outcome));
    if (!g.reason.empty()) j.Field("reason", g.reason);
    if (!g.governingBefore.empty())
      j.Field("governing_before", g.governingBefore).Key("ratio_before").Number(DecimalText(g.ratioBefore, 3));
    if (!g.governingAfter.empty())
      j.Field("governing_after", g.governingAfter).Key("ratio_after").Number(DecimalText(g.ratioAfter, 3));
    if (g.clash)
      j.Key("clash").BeginObject().Field("support", g.clash->support).Field("other", g.clash->other).Key(
          "overlap").Number(DecimalText(g.clash->overlap, 3)).EndObject();
    j.Key("changes").BeginArray();
    for (const revise::Change& c : g.changes) {
      j.BeginObject().Field("step", revise::StepText(c.step)).Field("before", c.before).Field("after", c.after).Field(
          "steps", c.steps);
      if (!c.check.empty() && c.step != revise::Step::Design)
        j.Field("check", c.check)
            .Key("ratio_before")
            .Number(DecimalText(c.ratioBefore, 3))
            .Key("ratio_after")
            .Number(DecimalText(c.ratioAfter, 3));
      j.EndObject();
    }
    j.EndArray().EndObject();
  }
  j.EndArray();
  j.Key("concrete_method").Number(DecimalText(record.concreteMethod, 3)).Key("concrete").Number(
      DecimalText(record.concrete, 3));
  j.Key("concrete_added").Number(DecimalText(record.concrete - record.concreteMethod, 3));
  j.Key("steel_method").Number(DecimalText(record.steelMethod, 2)).Key("steel").Number(DecimalText(record.steel, 2));
  j.Key("steel_added").Number(DecimalText(record.steel - record.steelMethod, 2)).EndObject();
}

}  // namespace footmark::cli
