#include "plan/plan_footings.h"

#include <algorithm>

#include "combined/schedule_cells.h"
#include "design/schedules.h"
#include "model/column_offsets.h"
#include "model/numerics.h"

namespace footmark {

const char* PlanVerdictText(PlanVerdict verdict) {
  switch (verdict) {
    case PlanVerdict::Ok: return "ok";
    case PlanVerdict::Warning: return "warning";
    case PlanVerdict::Clashing: return "clashing";
    case PlanVerdict::Fails: return "fails";
    case PlanVerdict::NotDesigned: break;
  }
  return "not designed";
}

std::string FootingOnPlan::Tooltip() const {
  const std::string column = "column " + DecimalText(Place.ColDepth, 0) + " \u00d7 " + DecimalText(Place.ColWidth, 0) + " mm";
  std::string text = "Support " + IntText(Support) + " \u00b7 joint " + Joint + " \u00b7 column " + Column + "\n" +
                     (Combined.empty() ? Mark + " \u00b7 footing " + DecimalText(Side, 3) + " m square \u00b7 " + column
                                       : Combined + " \u00b7 " + column) +
                     "\n" + PlanVerdictText(Verdict);
  if (!Governing.empty()) text += " \u00b7 " + Governing + " at " + DecimalText(Utilisation * 100, 0) + " %";
  if (!Reason.empty()) text += "\n" + Reason;
  if (!Clash.empty()) text += "\n" + Clash;
  return text;
}

namespace {

// The gap between plan sheets in the view, as a share of the paper.
constexpr double kSheetGap = 0.04;

PlanVerdict VerdictOf(const checks::FootingCheck& c) {
  return c.verdict == checks::Verdict::NotDesigned ? PlanVerdict::NotDesigned
         : c.verdict == checks::Verdict::Fails     ? PlanVerdict::Fails
         : c.warnings > 0                          ? PlanVerdict::Warning
                                                   : PlanVerdict::Ok;
}

// The plan sheets as their zones lie: columns to the right, rows downwards.
std::vector<SheetInView> SheetsInView(const Sheet& sheet) {
  std::vector<SheetInView> placed;
  for (std::size_t s = 0; s < sheet.planSheets && s < sheet.drawing.sheets.size(); ++s) {
    const DrawingSheet& paper = sheet.drawing.sheets[s];
    const PlanZone zone = s < sheet.zones.size() ? sheet.zones[s] : PlanZone{static_cast<int>(s), 0, {}};
    const Vec2 at{zone.column * paper.Width() * (1 + kSheetGap), -zone.row * paper.Height() * (1 + kSheetGap)};
    const Vec2 shift{at.x - paper.x, at.y - paper.y};
    placed.push_back({s, shift, {at, {at.x + paper.Width(), at.y + paper.Height()}},
                      {{zone.block.min.x + shift.x, zone.block.min.y + shift.y},
                       {zone.block.max.x + shift.x, zone.block.max.y + shift.y}}});
  }
  return placed;
}

}  // namespace

PlanPicture ComposePlan(const Model& model, const checks::DesignChecks& checks, const ProjectInfo& project,
                        const SheetSettings& settings) {
  PlanPicture picture{ComposeSheet(model, checks, project, settings), {}, {}};
  picture.sheets = SheetsInView(picture.sheet);
  std::vector<const checks::GroupCheck*> groupOf(static_cast<std::size_t>(model.NumSupports) + 1, nullptr);
  for (const checks::GroupCheck& g : checks.groups)
    for (int s : g.supports)
      if (s >= 1 && s <= model.NumSupports) groupOf[static_cast<std::size_t>(s)] = &g;
  std::vector<const SupportRow*> rowOf(groupOf.size(), nullptr);
  const std::vector<SupportRow> rows = SupportRows(model);
  for (const SupportRow& row : rows)
    if (row.Support >= 1 && row.Support <= model.NumSupports) rowOf[static_cast<std::size_t>(row.Support)] = &row;
  for (std::size_t k = 0; k < picture.sheet.footings.size(); ++k) {
    const SheetFooting& on = picture.sheet.footings[k];
    const FootingRecord& f = model.Footings[on.support];
    FootingOnPlan p;
    p.Support = on.support;
    p.Item = static_cast<int>(k) + 1;
    p.Mark = on.mark;
    p.Group = "F" + IntText(f.FootGroupNo);
    if (const SupportRow* row = rowOf[static_cast<std::size_t>(on.support)]) p.Joint = row->Joint, p.Column = row->Column;
    p.Side = f.FootSize;
    const Vec2 shift = on.sheet < picture.sheets.size() ? picture.sheets[on.sheet].shift : Vec2{};
    p.Outline = {{on.outline.min.x + shift.x, on.outline.min.y + shift.y},
                 {on.outline.max.x + shift.x, on.outline.max.y + shift.y}};
    // The footing stands centred on its column, which the offsets moved.
    const double columnX = f.PosX + ColumnShift(f.ColDepth, f.OffsetX), columnY = f.PosY + ColumnShift(f.ColWidth, f.OffsetY);
    p.Origin = {(p.Outline.min.x + p.Outline.max.x) / 2 - columnX, (p.Outline.min.y + p.Outline.max.y) / 2 + columnY};
    p.Place = PlaceOf(f);
    if (const checks::GroupCheck* g = groupOf[static_cast<std::size_t>(on.support)]) {
      const checks::FootingCheck& c = g->check;
      p.Group = g->mark;
      p.Verdict = VerdictOf(c);
      if (c.governing >= 0) {
        const checks::Check& governing = c.checks[static_cast<std::size_t>(c.governing)];
        p.Governing = governing.id + " " + governing.name;
        p.Utilisation = c.governingUtilisation;
      }
      p.Reason = c.reason;
    }
    for (const combined::CombinedFooting& cf : checks.combined) {
      if (std::find(cf.supports.begin(), cf.supports.end(), on.support) == cf.supports.end()) continue;
      if (cf.L <= 0) {  // a set not designed: its footings stay, with the footing recommended
        p.Verdict = PlanVerdict::NotDesigned;
        p.Reason += (p.Reason.empty() ? "" : "\n") + ("supports " + combined::SupportsText(cf) + ": " + cf.reason);
        continue;
      }
      p.Group = cf.mark;
      // The outline is the combined footing's, centred on its columns' resultant, not on this column.
      p.Origin = {(p.Outline.min.x + p.Outline.max.x) / 2 - cf.centreX, (p.Outline.min.y + p.Outline.max.y) / 2 + cf.centreZ};
      p.Combined = cf.mark + " combined footing " + combined::SizeText(cf) + " m (L \u00d7 B \u00d7 D) on supports " +
                   combined::SupportsText(cf);
      p.Verdict = cf.verdict == checks::Verdict::Fails ? PlanVerdict::Fails
                  : cf.warnings > 0                    ? PlanVerdict::Warning
                                                       : PlanVerdict::Ok;
      p.Governing.clear();
      p.Utilisation = 0;
      if (cf.governing >= 0) {
        const checks::Check& governing = cf.checks[static_cast<std::size_t>(cf.governing)].check;
        p.Governing = governing.id + " " + governing.name;
        p.Utilisation = cf.governingUtilisation;
      }
      p.Reason = cf.reason;
    }
    for (const SheetClash& clash : picture.sheet.clashes) {
      if (clash.supportA != on.support && clash.supportB != on.support) continue;
      p.Verdict = std::max(p.Verdict, PlanVerdict::Clashing);
      p.Clash += (p.Clash.empty() ? "" : "\n") + clash.tag + ": " +
                 (clash.overlap ? "overlaps the footing of support " : "stands too close to the footing of support ") +
                 IntText(clash.supportA == on.support ? clash.supportB : clash.supportA) + ", combined footing required";
    }
    picture.footings.push_back(std::move(p));
  }
  return picture;
}

}  // namespace footmark
