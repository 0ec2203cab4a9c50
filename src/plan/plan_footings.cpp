#include "plan/plan_footings.h"

#include <algorithm>

#include "design/schedules.h"
#include "drawing/exact_plan.h"
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
  std::string text = "Support " + IntText(Support) + " \u00b7 joint " + Joint + " \u00b7 column " + Column + "\n" +
                     Mark + " \u00b7 footing " + DecimalText(Side, 3) + " m square \u00b7 column " +
                     DecimalText(Place.ColDepth, 0) + " \u00d7 " + DecimalText(Place.ColWidth, 0) + " mm\n" +
                     PlanVerdictText(Verdict);
  if (!Governing.empty()) text += " \u00b7 " + Governing + " at " + DecimalText(Utilisation * 100, 0) + " %";
  if (!Reason.empty()) text += "\n" + Reason;
  return text;
}

Drawing PlanDrawing(const Model& model) {
  Drawing drawing;
  DxfFootingOutlines(drawing, model);
  DxfGrid(drawing, model);
  DxfGridDims(drawing, model);
  DxfOffsetDims(drawing, model);
  return drawing;
}

std::vector<FootingOnPlan> PlanFootings(const Model& model, const checks::DesignChecks& checks) {
  std::vector<FootingOnPlan> footings;
  const auto& gy = model.GridLinesY;
  const double ytop = gy[0] >= 1 ? gy[ToInt16(gy[0])] : 0;
  for (const SupportRow& row : SupportRows(model)) {
    const FootingRecord& f = model.Footings[row.Support];
    FootingOnPlan p;
    p.Support = row.Support;
    p.Joint = row.Joint;
    p.Column = row.Column;
    p.Mark = row.Mark;
    p.Group = "F" + IntText(f.FootGroupNo);
    p.Side = f.FootSize;
    p.Ytop = ytop;
    p.Place = PlaceOf(f);
    p.X = f.PosX + ColumnShift(f.ColDepth, f.OffsetX);
    p.Y = ytop - (f.PosY + ColumnShift(f.ColWidth, f.OffsetY));
    for (const checks::GroupCheck& g : checks.groups) {
      if (std::find(g.supports.begin(), g.supports.end(), row.Support) == g.supports.end()) continue;
      const checks::FootingCheck& c = g.check;
      p.Group = g.mark;
      p.Verdict = c.verdict == checks::Verdict::NotDesigned ? PlanVerdict::NotDesigned
                  : c.verdict == checks::Verdict::Fails     ? PlanVerdict::Fails
                  : c.warnings > 0                          ? PlanVerdict::Warning
                                                            : PlanVerdict::Ok;
      if (c.governing >= 0) {
        const checks::Check& governing = c.checks[static_cast<std::size_t>(c.governing)];
        p.Governing = governing.id + " " + governing.name;
        p.Utilisation = c.governingUtilisation;
      }
      p.Reason = c.reason;
    }
    for (const checks::Clash& clash : checks.clashes)
      if ((clash.supportA == row.Support || clash.supportB == row.Support) && p.Verdict < PlanVerdict::Clashing) {
        p.Verdict = PlanVerdict::Clashing;
        p.Reason = (clash.overlap ? "overlaps the footing of support " : "stands too close to the footing of support ") +
                   IntText(clash.supportA == row.Support ? clash.supportB : clash.supportA);
      }
    footings.push_back(std::move(p));
  }
  return footings;
}

}  // namespace footmark
