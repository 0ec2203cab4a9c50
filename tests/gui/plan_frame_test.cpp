// Framing the plan in its box: equal scale in X and Y, 2 m margins, the slack
// direction centred, and the hint printed at the top.
#include <QMenuBar>
#include <gtest/gtest.h>

#include "window_rig.h"

namespace footmark::testing {
namespace {

// Grid lines at 0 and `across` along plan X, 0 and `down` along plan Y,
// framed in a window whose client area is 800 x 400 pixels.
struct FramedPlan {
  FramedPlan(float across, float down) {
    rig.form.resize(800, 400 + rig.form.menuBar()->sizeHint().height());
    rig.form.show();
    model->GridLinesX[0] = 2;
    model->GridLinesX[2] = across;
    model->GridLinesY[0] = 2;
    model->GridLinesY[2] = down;
    rig.form.FramePlan(*model);
  }
  WindowRig rig;
  std::unique_ptr<Model> model = std::make_unique<Model>();
  PictureBox& box = *rig.form.PicFoot;
};

TEST(PlanFrame, APlanWiderThanTheBoxGetsEqualBandsAboveAndBelow) {
  FramedPlan plan(20, 4);  // 24 x 8 m with the margins, in a 2:1 box
  ASSERT_EQ(plan.box.size(), QSize(800, 400));
  EXPECT_DOUBLE_EQ(plan.model->PlanAspect, 8.0 / 24.0);
  EXPECT_EQ(plan.model->PlanScale, 0.5f);
  EXPECT_EQ(plan.box.ScaleLeft(), -2);
  EXPECT_EQ(plan.box.ScaleWidth(), 24);
  EXPECT_EQ(plan.box.ScaleTop(), -4);
  EXPECT_EQ(plan.box.ScaleHeight(), 12);

  // The hint, centred on the plan one text line below its upper margin line.
  ASSERT_EQ(plan.box.Printed().size(), 1u);
  const PictureBox::PrintedText& hint = plan.box.Printed()[0];
  EXPECT_EQ(hint.Text,
            " You can move the column positions with Mouse to create offcet . ( Assumes wall theickness is 230 mm ) ");
  EXPECT_NEAR(hint.X + plan.box.TextWidth(hint.Text) / 2, 10.0, 1e-5);
  EXPECT_NEAR(hint.Y, -2 + plan.box.TextHeight("H"), 1e-6);
  EXPECT_GT(plan.box.TextHeight("H"), 0.2);  // a line of text is many pixels high
}

TEST(PlanFrame, APlanTallerThanTheBoxGetsEqualBandsLeftAndRight) {
  FramedPlan plan(4, 20);  // 8 x 24 m
  ASSERT_EQ(plan.box.size(), QSize(800, 400));
  EXPECT_DOUBLE_EQ(plan.model->PlanAspect, 3.0);
  EXPECT_EQ(plan.box.ScaleLeft(), -22);
  EXPECT_EQ(plan.box.ScaleWidth(), 48);
  EXPECT_EQ(plan.box.ScaleTop(), -2);
  EXPECT_EQ(plan.box.ScaleHeight(), 24);
  // Plan Y grows downwards: the lower-right corner is at the bottom right pixel.
  EXPECT_EQ(plan.box.ToPixels(26.0, 22.0), QPointF(800, 400));
}

}  // namespace
}  // namespace footmark::testing
