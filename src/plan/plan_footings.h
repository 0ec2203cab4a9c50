// What the window's plan shows of a design, without Qt: the drawing of the
// plan (the composition the DXF and SVG writers take, without the schedules)
// and, per support, the footing as the checks judged it.
//
// Positions are drawing coordinates: x the plan X, y the plan Y flipped
// about the highest grid line, as the drawing has them (metres).
#pragma once

#include <string>
#include <vector>

#include "checks/design_checks.h"
#include "drawing/drawing.h"
#include "model/model.h"
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
  std::string Joint, Column;  // joint and ground-storey column member
  std::string Mark;           // "F2/P1/C4"
  std::string Group;          // "F2", as the schedule and the checks name it
  double X = 0, Y = 0;        // centre of footing and column
  double Side = 0;            // footing side B, m
  double Ytop = 0;            // the highest plan grid line: plan y v is drawn at Ytop - v
  ColumnPlace Place;          // grid point, section and sides, for the drag
  PlanVerdict Verdict = PlanVerdict::Ok;
  std::string Governing;  // "C6 one-way shear ..." ("" when no check ran)
  double Utilisation = 0;
  std::string Reason;     // why it fails or is not designed
  std::string Tooltip() const;
};

// The plan's part of the composed drawing: footings with marks and columns,
// the grid with its bubbles, the dimension chains and the column offsets.
Drawing PlanDrawing(const Model& model);

// One per support, in support order.
std::vector<FootingOnPlan> PlanFootings(const Model& model, const checks::DesignChecks& checks);

}  // namespace footmark
