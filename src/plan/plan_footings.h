// What the window's plan shows of a design, without Qt: the sheet as the
// portable DXF and the SVG have it, its plan sheets laid out for the
// screen, and per support the footing as the checks judged it.
//
// Positions are view coordinates: drawing units (metres of the plan) with
// y upwards, as the drawing has them, each plan sheet shifted to its place
// in the view.
#pragma once

#include <string>
#include <vector>

#include "checks/design_checks.h"
#include "drawing/drawing_geometry.h"
#include "drawing/sheet.h"
#include "model/model.h"
#include "model/project_info.h"
#include "plan/column_drag.h"

namespace footmark {

// A footing's state on the plan, from best to worst but for a clash, which
// marks a footing that is otherwise ok or only warned about.
enum class PlanVerdict { Ok, Warning, Clashing, Fails, NotDesigned };
inline constexpr PlanVerdict kPlanVerdicts[] = {PlanVerdict::Ok, PlanVerdict::Warning, PlanVerdict::Clashing,
                                                PlanVerdict::Fails, PlanVerdict::NotDesigned};

// "ok", "warning", "clashing", "fails", "not designed".
const char* PlanVerdictText(PlanVerdict verdict);

struct FootingOnPlan {
  int Support = 0;
  int Item = 0;               // the sheet's entities with this item draw the footing
  std::string Joint, Column;  // joint and ground-storey column member
  std::string Mark;           // "F2/P1/C4"
  std::string Group;          // "F2", as the schedule and the checks name it
  double Side = 0;            // footing side B, m
  Extents Outline;            // the footing square as the sheet draws it
  // Where the plan lies around this footing: plan X to the right, plan Y
  // (Z of the analysis) downwards, the point (x, y) at (Origin.x + x, Origin.y - y).
  Vec2 Origin;
  ColumnPlace Place;          // grid point, section and sides, for the drag
  PlanVerdict Verdict = PlanVerdict::Ok;
  std::string Governing;  // "C6 one-way shear ..." ("" when no check ran)
  double Utilisation = 0;
  std::string Reason;     // why it fails or is not designed
  std::string Clash;      // "CF2: overlaps the footing of support 9, ..." ("" without a clash)
  // A combined footing the support stands on: "CF1 combined footing 5.3 x
  // 3.5 x 0.425 m on supports 2, 3" ("" when none); Group is then its mark
  // and the verdict, governing check and reason are its.
  std::string Combined;
  std::string Tooltip() const;
};

// A plan sheet in the view: its rectangle of the drawing moved by `shift`.
struct SheetInView {
  std::size_t sheet = 0;  // index in the drawing's sheets
  Vec2 shift;
  Extents paper;  // where it lies in the view
  Extents plan;   // its block of the plan, grid bubbles included
};

struct PlanPicture {
  Sheet sheet;
  // The plan sheets lie as their zones lie in the building, so that a
  // match line faces its neighbour across a gap.
  std::vector<SheetInView> sheets;
  std::vector<FootingOnPlan> footings;  // one per support, in support order
};

// The sheet of a designed and checked model with the columns as placed now,
// and the window's view of it.
PlanPicture ComposePlan(const Model& model, const checks::DesignChecks& checks, const ProjectInfo& project,
                        const SheetSettings& settings);

}  // namespace footmark
