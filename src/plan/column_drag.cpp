#include "plan/column_drag.h"

#include "model/column_offsets.h"
#include "model/numerics.h"

namespace footmark {

ColumnPlace PlaceOf(const FootingRecord& f) {
  return {f.PosX, f.PosY, f.ColDepth, f.ColWidth, f.OffsetX, f.OffsetY};
}

MarkerSize ColumnMarkerSize(const ColumnPlace& column) {
  if (column.ColWidth < column.ColDepth) return {1.2f, 0.8f};
  if (column.ColWidth > column.ColDepth) return {0.8f, 1.2f};
  return {1.0f, 1.0f};
}

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

ColumnMarker MarkerOf(const ColumnPlace& column) {
  const MarkerSize size = ColumnMarkerSize(column);
  return {column, size, SnapValues(column.PosX, size.Width), SnapValues(column.PosY, size.Height)};
}

DragStep DragColumn(const ColumnMarker& m, double dx, double dy) {
  const ColumnPlace& c = m.Column;
  const SnappedEdge left = SnapEdge(m.X, Sng(m.Left() + dx), CanOffset(c.ColDepth), c.SideX);
  const SnappedEdge top = SnapEdge(m.Y, Sng(m.Top() + dy), CanOffset(c.ColWidth), c.SideY);
  return {left.Edge, top.Edge, left.Side, top.Side, OffsetReadout(c, left.Edge, top.Edge)};
}

std::string OffsetReadout(const ColumnPlace& column, float left, float top) {
  const float a = RoundDecimals(Sng(static_cast<double>(column.PosX) - left), 2);
  const float b = RoundDecimals(Sng(static_cast<double>(column.PosY) - top), 2);
  return " X  " + NumText(a) + "  T" + NumText(b);
}

}  // namespace footmark
