#include "plan/column_drag.h"

#include "model/numerics.h"

namespace footmark {

AxisSnap SnapValues(float pos, float size) {
  return {Sng(pos - size / 2.0), Sng(static_cast<double>(pos) - size), pos, Sng(pos - 0.75 * size),
          Sng(pos - 0.25 * size)};
}

float SnapEdge(const AxisSnap& snap, float edge, float columnSide, int16& offset) {
  if (columnSide <= kWallThickness) return snap.Centre;
  if (edge < snap.LowLimit) {
    offset = -1;
    return snap.Low;
  }
  if (edge > snap.HighLimit) {
    offset = 1;
    return snap.High;
  }
  offset = 0;
  return snap.Centre;
}

void StartColumnDrag(DragState& drag, const FootingRecord& footing, const ArrayLabel& marker, float X, float Y) {
  drag.DragX0 = X;
  drag.DragY0 = Y;
  drag.X = SnapValues(footing.PosX, marker.Width());
  drag.Y = SnapValues(footing.PosY, marker.Height());
}

std::string DragColumn(const DragState& drag, FootingRecord& footing, ArrayLabel& marker, const PictureBox& box,
                       float X, float Y) {
  const float dx = Sng(box.ScaleX(static_cast<double>(X) - drag.DragX0));
  const float dy = Sng(box.ScaleY(static_cast<double>(Y) - drag.DragY0));
  const float left = SnapEdge(drag.X, Sng(static_cast<double>(marker.Left()) + dx), footing.ColDepth, footing.OffsetX);
  const float top = SnapEdge(drag.Y, Sng(static_cast<double>(marker.Top()) + dy), footing.ColWidth, footing.OffsetY);
  marker.Move(left, top);
  return OffsetReadout(footing, left, top);
}

std::string OffsetReadout(const FootingRecord& footing, float left, float top) {
  const float a = RoundDecimals(Sng(static_cast<double>(footing.PosX) - left), 2);
  const float b = RoundDecimals(Sng(static_cast<double>(footing.PosY) - top), 2);
  return " X  " + NumText(a) + "  T" + NumText(b);
}

std::string ColumnReadout(const FootingRecord& footing) {
  return footing.JointNo + "  X = " + NumText(footing.ColDepth) + "Y = " + NumText(footing.ColWidth) +
         " beta = " + IntText(footing.BetaAngle);
}

}  // namespace footmark
