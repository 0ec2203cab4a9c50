// Dragging a column marker to one side of its grid point.
//
// Per plan axis the marker snaps to one of three places: centred on the grid
// point, fully on the low side or fully on the high side; the side is stored
// as -1, 0 or +1 in OffsetX / OffsetY of the support through SetColumnOffset,
// which owns the 230 mm wall rule: along an axis where the column cannot be
// offset the marker stays centred and the stored side is kept.
#pragma once

#include <string>

#include "model/column_offsets.h"
#include "model/model.h"
#include "plan/array_label.h"
#include "plan/picture_box.h"

namespace footmark {

inline constexpr int16 kLeftButton = 1;
inline constexpr int16 kRightButton = 2;

// The places of a marker edge along one axis, in plan metres.
struct AxisSnap {
  float Centre = 0;
  float Low = 0;
  float High = 0;
  float LowLimit = 0;   // below it the marker goes to the low side
  float HighLimit = 0;  // above it, to the high side
};

// For a grid point at `pos` and a marker `size` long along the axis.
AxisSnap SnapValues(float pos, float size);

// Where an edge dropped at `edge` comes to rest and the side that means
// (-1, 0, +1). The limits are strict: an edge exactly on one rests at the
// centre. An axis that cannot be offset rests at the centre with `side`.
struct SnappedEdge {
  float Edge;
  int16 Side;
};
SnappedEdge SnapEdge(const AxisSnap& snap, float edge, bool canOffset, int16 side);

// The drag state of the window: set by a press, kept until the next press.
struct DragState {
  float DragX0 = 0;  // pointer within the marker at the press, twips
  float DragY0 = 0;
  AxisSnap X;  // Left of the marker
  AxisSnap Y;  // Top of the marker
};

// The press on a marker: where the pointer took it and its snap places.
void StartColumnDrag(DragState& drag, const FootingRecord& footing, const ArrayLabel& marker, float X, float Y);

// A move with the left button held: moves the marker of the support by the
// pointer's displacement, snaps it, stores the sides and returns the caption
// readout.
std::string DragColumn(const DragState& drag, Model& model, int16 support, ArrayLabel& marker, const PictureBox& box,
                       float X, float Y);

// " X  " + a + "  T" + b: the distance of the marker's Left and Top edges
// from the grid point, to 2 decimals.
std::string OffsetReadout(const FootingRecord& footing, float left, float top);

// The right-click text: joint, then the sides along X and Y and the beta field.
std::string ColumnReadout(const FootingRecord& footing);

}  // namespace footmark
