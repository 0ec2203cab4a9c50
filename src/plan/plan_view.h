// The plan on screen: the picture box PicFoot with its grid lines (LineGrd
// along plan X, one per plan Y grid line; LineGrdY along plan Y, one per plan
// X grid line) and a marker LabCol(i) per supported column, all in plan
// metres. Plan X grows to the right and plan Y (the model's Z) downwards.
#pragma once

#include "model/model.h"
#include "plan/array_label.h"
#include "plan/control_array.h"
#include "plan/line_control.h"
#include "plan/picture_box.h"

namespace footmark {

inline constexpr const char* kDragHint =
    " You can move the column positions with Mouse to create offcet . ( Assumes wall theickness is 230 mm ) ";

// The three control arrays of the plan, their templates placed as designed.
struct PlanControls {
  explicit PlanControls(PictureBox& box);
  PictureBox& PicFoot;
  ControlArray<ArrayLabel> LabCol;
  ControlArray<LineControl> LineGrd;
  ControlArray<LineControl> LineGrdY;
};

// Marker size in plan metres, from the ratio of the column's sides only.
struct MarkerSize {
  float Width;
  float Height;
};
MarkerSize ColumnMarkerSize(const FootingRecord& footing);

// How the plan was framed: (plan height ÷ plan width, margins included) and
// (box height ÷ box width); the smaller of the two leaves slack across.
struct PlanFrame {
  double PlanAspect = 0;
  float PlanScale = 0;
};

// Gives the box (already placed and sized) plan metres with equal scale in X
// and Y, 2 m around the outermost grid lines, the slack direction centred;
// then prints the hint at the top.
PlanFrame FramePlan(const Model& model, PictureBox& PicFoot);

// One marker per support, centred on its grid point, shown.
void LoadColLab(const Model& model, PlanControls& plan);

// The grid lines, each from the first to the last grid line of the other
// direction, shown.
void loadGrid(const Model& model, PlanControls& plan);

}  // namespace footmark
