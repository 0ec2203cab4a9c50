#include "cli/report.h"

#include <algorithm>
#include <cmath>

#include "cli/bar_schedule_report.h"
#include "cli/checks_report.h"
#include "cli/json.h"
#include "cli/combined_report.h"
#include "cli/revision_report.h"
#include "cli/text_table.h"
#include "design/schedules.h"
#include "grouping/bar_sets.h"
#include "model/line_rules.h"
#include "model/numerics.h"

namespace footmark::cli {

namespace {

std::string Ties(const Model& model, int row) {
  return NumText(model.ColumnDesigns(row, 6)) + " - " + NumText(model.ColumnDesigns(row, 7));
}

// The design's reason for a group it left undesigned; empty when designed.
std::string NotDesigned(const checks::DesignChecks* checks, int g) {
  if (!checks || g < 1 || g > static_cast<int>(checks->groups.size())) return "";
  const checks::GroupCheck& group = checks->groups[static_cast<std::size_t>(g - 1)];
  return group.check.verdict == checks::Verdict::NotDesigned ? group.check.reason : "";
}

// The file's number of the load case at a position, from the reactions of the support giving it.
int LoadCaseNumber(const Model& model, int support, int position) {
  if (support < 1 || support > model.NumSupports || position < 1 || position > model.NumLoadCases) return 0;
  return static_cast<int>(std::lround(model.SupportReactions(support, position, 1)));
}

void WriteDesign(std::ostream& out, const Model& model, const checks::DesignChecks* checks) {
  out << "\nDesign at SBC " << NumText(model.SBC) << " kN/m2: " << model.ClassCount << " size classes, "
      << model.FootGroupCount << " footing groups, " << model.TypeBarSet[0] << " column types\n";

  out << "\nSupports\n";
  std::vector<std::vector<std::string>> rows{{"support", "joint", "X (m)", "Y (m)", "column", "section (mm)",
                                              "trial (m)", "side (m)", "mark"}};
  for (const SupportRow& r : SupportRows(model))
    rows.push_back({IntText(r.Support), r.Joint, DecimalText(r.X, 3), DecimalText(r.Y, 3), r.Column,
                    DecimalText(r.ColWidth, 1) + " X " + DecimalText(r.ColDepth, 1), DecimalText(r.TrialSide, 3),
                    DecimalText(r.Side, 3), r.Mark});
  WriteTable(out, rows);

  out << "\nFooting schedule\n";
  rows = {{"mark", "size (m)", "pedestal (m)", "depth (m)", "bar dia (mm)", "bars", "note"}};
  // The drawing's cells carry the single-precision digits (0.5000001); here
  // the sizes are read to the millimetre. A group left undesigned shows its
  // size and why, none of the method's leftovers.
  int g = 0;
  for (FootingRow r : FootingScheduleRows(model)) {
    const FootGroup& group = model.FootGroups[++g];
    const std::string reason = NotDesigned(checks, g);
    if (!reason.empty()) {
      rows.push_back({r[0], DecimalText(group.Size, 3), "-", "-", "-", "-", "not designed: " + reason});
      continue;
    }
    r[1] = DecimalText(group.Size, 3);
    r[2] = DecimalText(group.Pedestal, 3);
    r[3] = DecimalText(group.Depth, 3);
    rows.emplace_back(r.begin(), r.end());
    rows.back().push_back(checks ? checks->groups[static_cast<std::size_t>(g - 1)].check.barDetail : "");
  }
  WriteTable(out, rows);

  out << "\nColumn schedule\n";
  rows = {{"mark", "section (mm)", "pedestal (m)", "bars", "ties (mm)"}};
  for (const ColumnRow& r : ColumnScheduleRows(model)) rows.emplace_back(r.begin(), r.end());
  WriteTable(out, rows);
}

}  // namespace

void WriteTextReportBody(std::ostream& out, const Model& model, const RunRecord& run) {
  for (StatusLabel l : {StatusLabel::LabNoSrea, StatusLabel::LabLoadCases, StatusLabel::LabFckFe}) {
    const auto it = run.captions.find(l);
    if (it != run.captions.end()) out << it->second << '\n';
  }
  out << "\nRead: " << model.NumSupports << " supports, " << model.NumLoadCases << " load cases, "
      << model.NumJoints << " joints, " << model.NumMembers << " members, " << model.BetaMembers[0]
      << " BETA entries, " << model.NumColumnDesigns << " column designs\n";
  if (run.designed) WriteDesign(out, model, run.checks);
  if (run.checks) {
    WriteChecks(out, *run.checks);
    WriteBarSchedule(out, run.checks->bars);
  }
  if (run.revision) WriteRevision(out, *run.revision);
  if (run.checks) WriteCombined(out, *run.checks);
}

void WriteFilesWritten(std::ostream& out, const RunRecord& run) {
  if (run.drawingFile) out << "\nDrawing written to " << *run.drawingFile << '\n';
  for (const auto& [what, file] : run.written) out << what << " written to " << file << '\n';
}

void WriteTextReport(std::ostream& out, const Model& model, const RunRecord& run) {
  WriteTextReportBody(out, model, run);
  WriteFilesWritten(out, run);
}

namespace {

void JsonDesign(Json& j, const Model& model, const checks::DesignChecks* checks) {
  const std::vector<SupportRow> supports = SupportRows(model);
  j.Key("footings").BeginArray();
  for (int s = 1; s <= model.NumSupports; ++s) {
    const FootingRecord& f = model.Footings[s];
    j.BeginObject()
        .Field("support", s)
        .Field("joint", f.JointNo)
        .Field("pos_x", f.PosX)
        .Field("pos_y", f.PosY)
        .Field("column", f.ColumnNo)
        .Field("col_width", f.ColWidth)
        .Field("col_depth", f.ColDepth)
        .Field("trial_side", supports[static_cast<std::size_t>(s - 1)].TrialSide)
        .Field("side", f.FootSize)
        .Field("group", f.FootGroupNo)
        .Field("col_type", f.ColType)
        .Field("max_col_steel", f.MaxColSteel)
        .Field("tie_row", f.TieRow)
        .EndObject();
  }
  j.EndArray();

  j.Key("size_classes").BeginArray();
  for (int k = 1; k <= model.ClassCount; ++k) j.Float(model.ClassSize[k]);
  j.EndArray();

  j.Key("footing_groups").BeginArray();
  for (int g = 1; g <= model.FootGroupCount; ++g) {
    const FootGroup& fg = model.FootGroups[g];
    j.BeginObject().Field("mark", "F" + IntText(g)).Key("supports").BeginArray();
    for (const std::string_view piece : SplitFields(fg.Supports)) j.Int(ToInt16(LeadingValue(piece)));
    // load_case is the file's number of the case, as every output names it.
    j.EndArray()
        .Field("size", fg.Size)
        .Field("pressure", fg.Pressure)
        .Field("load_case", LoadCaseNumber(model, fg.GovSupport, fg.LoadCase))
        .Field("load_case_position", fg.LoadCase)
        .Field("gov_support", fg.GovSupport)
        .Field("col_size", fg.ColSize);
    const std::string reason = NotDesigned(checks, g);
    if (!reason.empty()) {
      j.Key("designed").Bool(false).Field("reason", reason).EndObject();
      continue;
    }
    j.Key("designed")
        .Bool(true)
        .Field("pedestal", fg.Pedestal)
        .Field("ped_type", fg.PedType)
        .Field("depth", fg.Depth)
        .Field("steel_area", fg.SteelArea)
        .Field("bar_dia", fg.BarDia)
        .Field("bar_text", fg.BarText)
        .EndObject();
  }
  j.EndArray();

  j.Key("column_types").BeginArray();
  for (int t = 1; t <= model.TypeBarSet[0]; ++t) {
    j.BeginObject()
        .Field("mark", "C" + IntText(t))
        .Field("bar_set", model.TypeBarSet[t])
        .Field("bar_label", BarSetLabel(model, model.TypeBarSet[t]))
        .Field("tie_row", model.TypeTieRow[t])
        .Field("ties", Ties(model, model.TypeTieRow[t]))
        .EndObject();
  }
  j.EndArray();
}

}  // namespace

Json JsonReportBody(const Model& model, const RunRecord& run) {
  Json j;
  j.BeginObject();
  if (run.failure) {
    j.Field("failure", *run.failure);
  } else {
    j.Key("captions").BeginArray();
    for (const auto& [label, text] : run.captions) j.String(text);
    j.EndArray();
    j.Field("supports", model.NumSupports)
        .Field("load_cases", model.NumLoadCases)
        .Field("joints", model.NumJoints)
        .Field("members", model.NumMembers)
        .Field("beta_entries", ToInt16(LeadingValue(model.BetaMembers[0])))
        .Field("column_designs", model.NumColumnDesigns)
        .Field("fck", model.Fck)
        .Field("fe", model.Fe);
    if (run.designed) {
      j.Field("sbc", model.SBC);
      JsonDesign(j, model, run.checks);
      if (run.checks) {
        JsonChecks(j, *run.checks);
        JsonBarSchedule(j, run.checks->bars);
      }
      if (run.revision) JsonRevision(j, *run.revision);
      if (run.checks && !run.checks->combined.empty()) JsonCombined(j, *run.checks);
    }
  }
  return j;
}

std::string JsonReportEnd(Json j, const RunRecord& run) {
  if (!run.failure) {
    if (run.drawingFile) j.Key("drawing").FileName(*run.drawingFile);
    if (!run.written.empty()) {
      j.Key("written").BeginArray();
      for (const auto& [what, file] : run.written) j.FileName(file);
      j.EndArray();
    }
    if (!run.writeFailures.empty()) {
      j.Key("write_failures").BeginArray();
      for (const std::string& failure : run.writeFailures) j.FileName(failure);
      j.EndArray();
    }
  }
  j.Key("messages").BeginArray();
  for (const std::string& m : run.messages) j.String(m);
  j.EndArray();
  j.EndObject();
  std::string text = std::move(j).Take();
  return text += '\n';
}

std::string JsonReport(const Model& model, const RunRecord& run) {
  return JsonReportEnd(JsonReportBody(model, run), run);
}

}  // namespace footmark::cli
