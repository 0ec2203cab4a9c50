// Dragging column markers with the mouse: snapping, the 230 mm wall, the
// readouts, and the sides stored for the drawing.
#include <gtest/gtest.h>

#include "model/numerics.h"
#include "plan/column_drag.h"
#include "window_rig.h"

namespace footmark::testing {
namespace {

// Column 1 a 230 mm square, column 4 230 mm along Y and 450 mm along X.
struct DragRig : WindowRig {
  DragRig() {
    Start(Example({{1, "230.0 mm X  230.0 mm"}, {4, "230.0 mm X  450.0 mm"}}));
    ChooseSbc("200");
    if (form.Ended()) throw std::runtime_error("design run ended the program");
  }
  std::string Caption() const { return form.windowTitle().toStdString(); }
};

TEST(ColumnDrag, SnapsToTheHighLowAndCentrePlacesAndStoresTheSides) {
  DragRig rig;
  const FootingRecord& f = rig.Footing(2);  // 300 x 450 at (4, 0): a 1.2 x 0.8 marker
  ArrayLabel& marker = rig.Marker(2);
  const int w = marker.width(), h = marker.height();

  rig.Press(2);
  rig.MoveBy(w / 2, h / 2);
  EXPECT_EQ(marker.Left(), f.PosX);
  EXPECT_EQ(marker.Top(), f.PosY);
  EXPECT_EQ(f.OffsetX, 1);
  EXPECT_EQ(f.OffsetY, 1);
  EXPECT_EQ(rig.Caption(), " X  0  T0");
  EXPECT_NEAR(marker.x(), rig.form.PicFoot->ToPixels(f.PosX, f.PosY).x(), 1.0);

  rig.MoveBy(-w / 2, -h / 2);
  EXPECT_EQ(marker.Left(), Sng(f.PosX - 1.2f));
  EXPECT_EQ(marker.Top(), Sng(f.PosY - 0.8f));
  EXPECT_EQ(f.OffsetX, -1);
  EXPECT_EQ(f.OffsetY, -1);
  EXPECT_EQ(rig.Caption(), " X  1.2  T0.8");

  // Less than a quarter of the marker from the centre.
  rig.MoveBy(w / 8, -h / 8);
  EXPECT_EQ(marker.Left(), Sng(f.PosX - 0.6));
  EXPECT_EQ(f.OffsetX, 0);
  EXPECT_EQ(f.OffsetY, 0);
  EXPECT_EQ(rig.Caption(), " X  0.6  T0.4");
  rig.Release();
}

TEST(ColumnDrag, ASideOfTheWallsThicknessNeverMoves) {
  DragRig rig;
  ArrayLabel& square = rig.Marker(1);
  const float left = square.Left(), top = square.Top();
  rig.Press(1);
  rig.MoveBy(square.width(), square.height());
  rig.MoveBy(-square.width(), -square.height());
  rig.Release();
  EXPECT_EQ(square.Left(), left);
  EXPECT_EQ(square.Top(), top);
  EXPECT_EQ(rig.Footing(1).OffsetX, 0);
  EXPECT_EQ(rig.Footing(1).OffsetY, 0);

  const FootingRecord& f = rig.Footing(4);  // 450 along X, 230 along Y
  ArrayLabel& marker = rig.Marker(4);
  const float centreTop = marker.Top();
  rig.Press(4);
  rig.MoveBy(marker.width() / 2, marker.height() / 2);
  EXPECT_EQ(marker.Left(), f.PosX);
  EXPECT_EQ(marker.Top(), centreTop);
  rig.MoveBy(-marker.width() / 2, -marker.height() / 2);
  EXPECT_EQ(f.OffsetX, -1);
  EXPECT_EQ(marker.Top(), centreTop);
  EXPECT_EQ(f.OffsetY, 0);
  rig.Release();
}

TEST(ColumnDrag, RightClickShowsTheColumnAndARightDragMovesNothing) {
  DragRig rig;
  ArrayLabel& marker = rig.Marker(12);  // joint 12, 300 x 450
  const float left = marker.Left(), top = marker.Top();
  rig.Press(12, Qt::RightButton);
  EXPECT_EQ(rig.boxes.texts, std::vector<std::string>{"12  X = 450Y = 300 beta = 0"});
  rig.MoveBy(marker.width(), marker.height());
  rig.Release(Qt::RightButton);
  EXPECT_EQ(marker.Left(), left);
  EXPECT_EQ(marker.Top(), top);
  EXPECT_EQ(rig.Footing(12).OffsetX, 0);
  EXPECT_EQ(rig.Caption(), "Footmark");
}

// With a 1.2 m marker at 10 m the zone limits are 9.1 and 9.7, and an edge
// exactly on a limit rests at the centre.
TEST(ColumnDrag, ZoneLimitsAreStrict) {
  const AxisSnap snap = SnapValues(10, 1.2f);
  int16 side = 5;
  EXPECT_EQ(SnapEdge(snap, 9.09f, 450, side), 8.8f);
  EXPECT_EQ(side, -1);
  EXPECT_EQ(SnapEdge(snap, snap.LowLimit, 450, side), 9.4f);
  EXPECT_EQ(side, 0);
  EXPECT_EQ(SnapEdge(snap, snap.HighLimit, 450, side), 9.4f);
  EXPECT_EQ(SnapEdge(snap, 9.71f, 450, side), 10.0f);
  EXPECT_EQ(side, 1);
  EXPECT_EQ(SnapEdge(snap, 8.0f, 230, side), 9.4f);
  EXPECT_EQ(side, 1);  // a 230 mm side keeps what it had
}

}  // namespace
}  // namespace footmark::testing
