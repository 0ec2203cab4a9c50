#include "plan/plan_view.h"

#include <QApplication>

#include "model/numerics.h"
#include "plan/aligned_text.h"

namespace footmark {

namespace {

// The count of a counted set as an index (the count is held as a float).
int Count(const Table<float, kMaxGridLines>& lines) { return ToInt16(lines[0]); }

LineControl* LoadLine(const LineControl& element0) {
  LineControl& line = element0.Container().AddLine(element0);
  line.SetVisible(false);
  return &line;
}

LineControl& LineTemplate(PictureBox& box, float x1, float y1, float x2, float y2) {
  LineControl& line = box.AddLine(LineControl(box));
  line.SetEnds(x1, y1, x2, y2);
  return line;
}

ArrayLabel& MarkerTemplate(PictureBox& box) {
  auto* label = new ArrayLabel(box, 0);  // owned by the box
  label->Move(480, 360, 255, 255);
  // The menu-text colour of the system, normally black.
  label->SetBackColor(QApplication::palette("QMenu").color(QPalette::WindowText));
  return *label;
}

}  // namespace

// Element 0 of each array sits where it was placed at design time, in the
// box's twips; it is never shown.
PlanControls::PlanControls(PictureBox& box)
    : PicFoot(box),
      LabCol("LabCol", MarkerTemplate(box), kMaxSupports,
             [](const ArrayLabel& element0, int index) { return element0.LoadCopy(static_cast<int16>(index)); }),
      LineGrd("LineGrd", LineTemplate(box, 360, 4560, 1320, 4560), kMaxGridLines,
              [](const LineControl& element0, int) { return LoadLine(element0); }),
      LineGrdY("LineGrdY", LineTemplate(box, 480, 3360, 480, 4200), kMaxGridLines,
               [](const LineControl& element0, int) { return LoadLine(element0); }) {}

MarkerSize ColumnMarkerSize(const FootingRecord& footing) {
  if (footing.ColWidth < footing.ColDepth) return {1.2f, 0.8f};
  if (footing.ColWidth > footing.ColDepth) return {0.8f, 1.2f};
  return {1.0f, 1.0f};
}

PlanFrame FramePlan(const Model& model, PictureBox& PicFoot) {
  const auto& gx = model.GridLinesX;
  const auto& gy = model.GridLinesY;
  const float xMin = Sng(gx[1] - 2.0);
  const float xMax = Sng(gx[Count(gx)] + 2.0);
  const float yMin = Sng(gy[1] - 2.0);
  const float yMax = Sng(gy[Count(gy)] + 2.0);
  const double planWidth = static_cast<double>(xMax) - xMin;
  const double planHeight = static_cast<double>(yMax) - yMin;

  PlanFrame frame;
  frame.PlanAspect = Divide(planHeight, planWidth);
  frame.PlanScale = Sng(Divide(PicFoot.ScaleHeight(), PicFoot.ScaleWidth()));

  if (frame.PlanAspect < frame.PlanScale) {
    // Relatively wider than the box: equal bands above and below.
    const float t = Sng(planWidth * frame.PlanScale);
    const float d = Sng((t - planHeight) / 2);
    PicFoot.Scale(xMin, Sng(static_cast<double>(yMin) - d), xMax, Sng(static_cast<double>(yMax) + d));
  } else {
    const float w = Sng(Divide(planHeight, frame.PlanScale));
    const float d = Sng((w - planWidth) / 2);
    PicFoot.Scale(Sng(static_cast<double>(xMin) - d), yMin, Sng(static_cast<double>(xMax) + d), yMax);
  }

  // One text line below the upper margin line of the plan.
  PrintAligned(PicFoot, kDragHint, Sng((static_cast<double>(xMin) + xMax) / 2), Sng(yMin + PicFoot.TextHeight("H")),
               kAlignCentre);
  return frame;
}

void LoadColLab(const Model& model, PlanControls& plan) {
  for (int i = 1; i <= model.NumSupports; ++i) {
    const FootingRecord& f = model.Footings[i];
    const MarkerSize size = ColumnMarkerSize(f);
    ArrayLabel& marker = plan.LabCol.Load(i);
    marker.Move(Sng(f.PosX - size.Width / 2.0), Sng(f.PosY - size.Height / 2.0), size.Width, size.Height);
    marker.show();
  }
}

void loadGrid(const Model& model, PlanControls& plan) {
  const auto& gx = model.GridLinesX;
  const auto& gy = model.GridLinesY;
  const int nX = Count(gx);
  const int nY = Count(gy);
  for (int i = 1; i <= nY; ++i) {
    LineControl& line = plan.LineGrd.Load(i);
    line.SetEnds(gx[1], gy[i], gx[nX], gy[i]);
    line.SetVisible(true);
  }
  for (int i = 1; i <= nX; ++i) {
    LineControl& line = plan.LineGrdY.Load(i);
    line.SetEnds(gx[i], gy[1], gx[i], gy[nY]);
    line.SetVisible(true);
  }
}

}  // namespace footmark
