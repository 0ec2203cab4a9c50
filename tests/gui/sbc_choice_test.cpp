// The SBC choice: the chooser goes, the plan comes with its grid and markers.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <gtest/gtest.h>

#include "window_rig.h"

namespace footmark::testing {
namespace {

TEST(SbcChoice, HidesTheChooserForGoodAndShowsAMarkerSizedByTheColumnOnEveryGridPoint) {
  WindowRig rig;
  rig.Start(Example());
  rig.ChooseSbc("250");
  FrmFoot& form = rig.form;
  ASSERT_FALSE(form.Ended()) << (rig.boxes.texts.empty() ? "" : rig.boxes.texts[0]);

  EXPECT_EQ(form.model().SBC, 250.0f);
  EXPECT_FALSE(form.combSBC->isVisible());
  EXPECT_FALSE(form.Label1->isVisible());
  EXPECT_TRUE(form.PicFoot->isVisible());
  EXPECT_EQ(form.PicFoot->geometry(), form.centralWidget()->rect());
  QStringList enabled;
  for (QAction* item : form.menuBar()->actions())
    if (item->isEnabled()) enabled << item->text();
  EXPECT_EQ(enabled, QStringList({"Send To AutoCad", "   Exit"}));

  // One marker per support, centred on its grid point: the 300 x 450 columns
  // lie along X, the BETA-turned 5 and 8 along Y, 6 and 7 are square.
  ASSERT_EQ(form.Plan->LabCol.UBound(), 12);
  for (int s = 1; s <= 12; ++s) {
    SCOPED_TRACE("support " + std::to_string(s));
    const FootingRecord& f = rig.Footing(s);
    const ArrayLabel& marker = rig.Marker(s);
    const bool square = s == 6 || s == 7, alongY = s == 5 || s == 8;
    const float w = square ? 1.0f : alongY ? 0.8f : 1.2f;
    const float h = square ? 1.0f : alongY ? 1.2f : 0.8f;
    EXPECT_EQ(marker.Width(), w);
    EXPECT_EQ(marker.Height(), h);
    EXPECT_NEAR(marker.Left(), f.PosX - w / 2.0, 1e-6);
    EXPECT_NEAR(marker.Top(), f.PosY - h / 2.0, 1e-6);
    EXPECT_TRUE(marker.isVisible());
    const QPointF gridPoint = form.PicFoot->ToPixels(f.PosX, f.PosY);
    const QRectF onScreen = marker.geometry();
    EXPECT_NEAR(onScreen.center().x(), gridPoint.x(), 1.0);
    EXPECT_NEAR(onScreen.center().y(), gridPoint.y(), 1.0);
  }
  EXPECT_FALSE(form.Plan->LabCol(0).isVisible());
}

TEST(SbcChoice, DrawsEachGridLineFromTheFirstToTheLastLineAcross) {
  WindowRig rig;
  rig.Start(Example());
  rig.ChooseSbc("200");
  const PlanControls& plan = *rig.form.Plan;

  const float xs[] = {0, 4, 8.5f, 12.5f};
  const float ys[] = {0, 5, 9.5f};
  auto expectLine = [](const LineControl& line, float x1, float y1, float x2, float y2) {
    EXPECT_TRUE(line.Visible());
    EXPECT_EQ(std::vector<float>({line.X1(), line.Y1(), line.X2(), line.Y2()}), std::vector<float>({x1, y1, x2, y2}));
  };
  ASSERT_EQ(plan.LineGrd.UBound(), 3);
  for (int i = 1; i <= 3; ++i) expectLine(plan.LineGrd(i), 0, ys[i - 1], 12.5f, ys[i - 1]);
  ASSERT_EQ(plan.LineGrdY.UBound(), 4);
  for (int i = 1; i <= 4; ++i) expectLine(plan.LineGrdY(i), xs[i - 1], 0, xs[i - 1], 9.5f);
  EXPECT_FALSE(plan.LineGrd(0).Visible());
  EXPECT_FALSE(plan.LineGrdY(0).Visible());
}

}  // namespace
}  // namespace footmark::testing
