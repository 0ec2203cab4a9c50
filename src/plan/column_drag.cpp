#include "plan/column_drag.h"

#include "model/numerics.h"

namespace footmark {

AxisSnap SnapValues(float pos, float size) {
  return {Sng(pos - size / 2.0), Sng(static_cast<double>(pos) - size), pos, Sng(pos - 0.75 * size),
          Sng(pos - 0.25 * size)};
}

SnappedEdge SnapEdge(const AxisSnap& snap, float edge, bool canOffset, int16 side) {
  if (!canOffset) return {snap.Centre, side};
  if (edge < snap.LowLimit) return {snap.Low, -1};
  if (edge > snap.HighLimit) return {snap.High, 1};
  return {snap.Centre, 0};
}

void StartColumnDrag(DragState& drag, const FootingRecord& footing, const ArrayLabel& marker, float X, float Y) {
  drag.DragX0 = X;
  drag.DragY0 = Y;
  drag.X = SnapValues(footing.PosX, marker.Width());
  drag.Y = SnapValues(footing.PosY, marker.Height());
}

std::string DragColumn(const DragState& drag, Model& model, int16 support, ArrayLabel& marker, const PictureBox& box,
                       float X, float Y) {
  const FootingRecord& footing = model.Footings[support];
  const float dx = Sng(box.ScaleX(static_cast<double>(X) - drag.DragX0));
  const float dy = Sng(box.ScaleY(static_cast<double>(Y) - drag.DragY0));
  const SnappedEdge left = SnapEdge(drag.X, Sng(static_cast<double>(marker.Left()) + dx), CanOffset(footing.ColDepth),
                                    footing.OffsetX);
  const SnappedEdge top = SnapEdge(drag.Y, Sng(static_cast<double>(marker.Top()) + dy), CanOffset(footing.ColWidth),
                                   footing.OffsetY);
  SetColumnOffset(model, support, left.Side, top.Side);
  marker.Move(left.Edge, top.Edge);
  return OffsetReadout(footing, left.Edge, top.Edge);
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
