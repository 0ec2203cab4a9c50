// Dragging column markers with the mouse: snapping, the 230 mm wall, the readouts and the stored sides.
#include <gtest/gtest.h>

#include <tuple>

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

TEST(ColumnDrag, SnapsLowCentreAndHighButNeverAWallThickSideNorOnARightDrag) {
  DragRig rig;
  auto drag = [&](int support, Qt::MouseButton button, int fx, int fy) {  // by fx, fy half markers
    ArrayLabel& m = rig.Marker(support);
    rig.Press(support, button);
    rig.MoveBy(fx * m.width() / 2, fy * m.height() / 2);
    const std::pair at(m.Left(), m.Top());
    rig.Release(button);
    return at;
  };
  // A right click shows the column; its drag moves nothing.
  const std::pair joint12(rig.Marker(12).Left(), rig.Marker(12).Top());
  EXPECT_EQ(drag(12, Qt::RightButton, 2, 2), joint12);
  EXPECT_EQ(rig.boxes.texts, std::vector<std::string>{"12  X = 450Y = 300 beta = 0"});
  EXPECT_EQ(rig.Footing(12).OffsetX, 0);
  EXPECT_EQ(rig.Caption(), "Footmark");

  const FootingRecord& f = rig.Footing(2);  // 300 x 450 at (4, 0): a 1.2 x 0.8 marker
  ArrayLabel& marker = rig.Marker(2);
  const int w = marker.width(), h = marker.height();
  struct Step {
    int dx, dy;
    float left, top;
    int side;
    const char* caption;
  };
  rig.Press(2);
  for (const Step& s : {Step{w / 2, h / 2, f.PosX, f.PosY, 1, " X  0  T0"},
                        Step{-w / 2, -h / 2, Sng(f.PosX - 1.2f), Sng(f.PosY - 0.8f), -1, " X  1.2  T0.8"},
                        // less than a quarter of the marker from the centre
                        Step{w / 8, -h / 8, Sng(f.PosX - 0.6), Sng(f.PosY - 0.4), 0, " X  0.6  T0.4"}}) {
    rig.MoveBy(s.dx, s.dy);
    EXPECT_EQ(std::pair(marker.Left(), marker.Top()), std::pair(s.left, s.top)) << s.caption;
    EXPECT_EQ((std::pair<int, int>(f.OffsetX, f.OffsetY)), std::pair(s.side, s.side)) << s.caption;
    EXPECT_EQ(rig.Caption(), s.caption);
    EXPECT_NEAR(marker.x(), rig.form.PicFoot->ToPixels(s.left, s.top).x(), 1.0);
  }
  rig.Release();

  // A side of the wall's thickness never moves: support 1 in neither direction, 4 only along X.
  const std::pair square(rig.Marker(1).Left(), rig.Marker(1).Top());
  EXPECT_EQ(drag(1, Qt::LeftButton, 2, 2), square);
  EXPECT_EQ(drag(1, Qt::LeftButton, -2, -2), square);
  EXPECT_EQ((std::pair<int, int>(rig.Footing(1).OffsetX, rig.Footing(1).OffsetY)), std::pair(0, 0));
  const FootingRecord& f4 = rig.Footing(4);
  const float centreTop = rig.Marker(4).Top();
  EXPECT_EQ(drag(4, Qt::LeftButton, 1, 1), std::pair(f4.PosX, centreTop));
  EXPECT_EQ(drag(4, Qt::LeftButton, -2, -2), std::pair(Sng(f4.PosX - 1.2f), centreTop));
  EXPECT_EQ((std::pair<int, int>(f4.OffsetX, f4.OffsetY)), std::pair(-1, 0));
}

// A 1.2 m marker at 10 m has zone limits 9.1 and 9.7; an edge exactly on a limit rests at the centre.
TEST(ColumnDrag, ZoneLimitsAreStrict) {
  const AxisSnap snap = SnapValues(10, 1.2f);
  for (const auto& [edge, columnSide, rest, stored] : std::initializer_list<std::tuple<float, float, float, int>>{
           {9.09f, 450, 8.8f, -1}, {snap.LowLimit, 450, 9.4f, 0}, {snap.HighLimit, 450, 9.4f, 0},
           {9.71f, 450, 10, 1}, {8.0f, 230, 9.4f, 1}}) {  // a 230 mm side keeps what it had
    const SnappedEdge snapped = SnapEdge(snap, edge, CanOffset(columnSide), 1);
    EXPECT_EQ(snapped.Edge, rest) << edge;
    EXPECT_EQ(snapped.Side, stored) << edge;
  }
}

}  // namespace
}  // namespace footmark::testing
