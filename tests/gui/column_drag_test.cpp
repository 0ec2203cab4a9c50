// Dragging columns with the mouse: snapping, the 230 mm wall, the readout, the stored sides, undo.
#include <QStatusBar>
#include <gtest/gtest.h>

#include <tuple>

#include "model/column_offsets.h"
#include "plan/column_drag.h"
#include "window_rig.h"

namespace footmark::testing {
namespace {

// Column 1 a 230 mm square, column 4 230 mm along Y and 450 mm along X.
struct DragRig : WindowRig {
  DragRig() {
    Start(Example({{1, "230.0 mm X  230.0 mm"}, {4, "230.0 mm X  450.0 mm"}}));
    ChooseSbc("200");
    if (!form.Checks()) throw std::runtime_error("no design");
  }
  std::pair<int, int> Sides(int support) { return {Footing(support).OffsetX, Footing(support).OffsetY}; }
};

// Support 2 is 300 x 450 at (4, 0): a 1.2 x 0.8 marker. Each row is one press, move and release.
TEST(ColumnDrag, SnapsPastAQuarterOfTheMarkerButNeverAcrossTheWall) {
  DragRig rig;
  struct Step {
    int support;
    double dx, dy;
    Qt::MouseButton button;
    std::pair<int, int> sides;
    const char* readout;
  };
  for (const Step& s : {Step{2, 0.6, 0.4, Qt::LeftButton, {1, 1}, " X  0  T0"},
                        Step{2, -1.2, -0.8, Qt::LeftButton, {-1, -1}, " X  1.2  T0.8"},
                        // from the low side to less than a quarter of the marker from the centre
                        Step{2, 0.75, 0.5, Qt::LeftButton, {0, 0}, " X  0.6  T0.4"},
                        Step{1, 1, 1, Qt::LeftButton, {0, 0}, " X  0.5  T0.5"},
                        Step{4, -1.2, -1, Qt::LeftButton, {-1, 0}, " X  1.2  T0.4"},
                        Step{12, 1, 1, Qt::RightButton, {0, 0}, ""}}) {
    const QString readout = rig.Drag(s.support, s.dx, s.dy, s.button);
    if (*s.readout) {
      EXPECT_EQ(readout.toStdString(), s.readout) << s.support << " by " << s.dx << ", " << s.dy;
    }
    EXPECT_EQ(rig.Sides(s.support), s.sides) << s.support << " by " << s.dx << ", " << s.dy;
    const ColumnHandle& handle = *rig.form.Plan->Handle(s.support);
    EXPECT_NEAR(handle.pos().x() - handle.Footing().Footing().Origin.x, handle.Marker().Left(), 1e-6)
        << "the marker does not rest on its side";
  }
  EXPECT_EQ(rig.form.windowTitle(), "frame.ANL - Footmark");
  EXPECT_TRUE(rig.form.statusBar()->currentMessage().startsWith("You can move the column positions"));
}

TEST(ColumnDrag, ThreeDragsUndoneAndRedoneByKeysAndAResetUndone) {
  DragRig rig;
  rig.Drag(2, 0.6, 0, Qt::LeftButton);
  rig.Drag(7, 0, -0.6, Qt::LeftButton);
  rig.Drag(2, -1.2, 0, Qt::LeftButton);
  auto sides = [&] { return std::pair(rig.Sides(2), rig.Sides(7)); };
  EXPECT_EQ(sides(), std::pair(std::pair(-1, 0), std::pair(0, -1)));
  for (int i = 0; i < 3; ++i) QTest::keyClick(&rig.form, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(sides(), std::pair(std::pair(0, 0), std::pair(0, 0)));
  EXPECT_FALSE(rig.form.undo->isEnabled());
  QTest::keyClick(&rig.form, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(sides(), std::pair(std::pair(1, 0), std::pair(0, 0)));
  EXPECT_EQ(rig.form.Project().Offsets.size(), 1u);
  // The drawing follows: the column and its footing shift by (450/1000 - 0.23)/2 m.
  const Extents& outline = rig.form.Plan->Footing(2)->Footing().Outline;
  EXPECT_NEAR((outline.min.x + outline.max.x) / 2 - rig.form.Plan->Footing(2)->Footing().Origin.x,
              rig.Footing(2).PosX + ColumnShift(450, 1), 1e-3);

  rig.form.resetOffsets->trigger();
  EXPECT_EQ(sides(), std::pair(std::pair(0, 0), std::pair(0, 0)));
  rig.form.undo->trigger();
  EXPECT_EQ(sides(), std::pair(std::pair(1, 0), std::pair(0, 0)));
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
