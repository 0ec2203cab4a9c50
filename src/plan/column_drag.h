// Dragging a column to one side of its grid point.
//
// A column is grabbed by a marker of 1.2 x 0.8 m (0.8 x 1.2 m when the
// column is longer along plan Y, 1 x 1 m when square). Per plan axis the
// marker snaps to one of three places: centred on the grid point, fully on
// the low side or fully on the high side, once its edge passes a quarter of
// the marker from the centre (strictly). The side is stored as -1, 0 or +1;
// along an axis where the column is not larger than the 230 mm wall the
// marker stays centred and the stored side is kept.
//
// Everything is in plan metres, plan Y growing downwards on the screen.
#pragma once

#include <string>

#include "model/model.h"

namespace footmark {

// What the drag needs of a support.
struct ColumnPlace {
  float PosX = 0, PosY = 0;          // grid point, m
  float ColDepth = 0, ColWidth = 0;  // section along plan X and along plan Y, mm
  int16 SideX = 0, SideY = 0;        // stored sides
};
ColumnPlace PlaceOf(const FootingRecord& footing);

// Marker size in plan metres, from the ratio of the column's sides only.
struct MarkerSize {
  float Width;
  float Height;
};
MarkerSize ColumnMarkerSize(const ColumnPlace& column);

// The places of a marker edge along one axis.
struct AxisSnap {
  float Centre = 0;
  float Low = 0;
  float High = 0;
  float LowLimit = 0;   // below it the marker goes to the low side
  float HighLimit = 0;  // above it, to the high side
  float At(int16 side) const { return side < 0 ? Low : side > 0 ? High : Centre; }
};

// For a grid point at `pos` and a marker `size` long along the axis.
AxisSnap SnapValues(float pos, float size);

// Where an edge dropped at `edge` comes to rest and the side that means.
// An axis that cannot be offset rests at the centre with `side`.
struct SnappedEdge {
  float Edge;
  int16 Side;
};
SnappedEdge SnapEdge(const AxisSnap& snap, float edge, bool canOffset, int16 side);

// The marker of a column: its snap places and its left and top edges where
// the stored sides put it.
struct ColumnMarker {
  ColumnPlace Column;
  MarkerSize Size;
  AxisSnap X, Y;
  float Left() const { return X.At(Column.SideX); }
  float Top() const { return Y.At(Column.SideY); }
};
ColumnMarker MarkerOf(const ColumnPlace& column);

// The marker moved by (dx, dy) m from where the press found it: its snapped
// edges and sides, and the readout " X  a  Tb".
struct DragStep {
  float Left, Top;
  int16 SideX, SideY;
  std::string Readout;
};
DragStep DragColumn(const ColumnMarker& marker, double dx, double dy);

// " X  " + a + "  T" + b: the distance of the marker's Left and Top edges
// from the grid point, to 2 decimals.
std::string OffsetReadout(const ColumnPlace& column, float left, float top);

}  // namespace footmark
