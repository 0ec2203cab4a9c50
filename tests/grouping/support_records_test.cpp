#include "model/support_records.h"

#include <gtest/gtest.h>

#include <memory>

#include "grid_frame.h"
#include "grouping/joint_grid.h"

namespace footmark {
namespace {

using namespace footmark::testing;

TEST(PlaceSupports, GroundJointsOnlyAndSharedJointsBoth) {
  auto model = std::make_unique<Model>();
  AddJoint(*model, 1, 0, 0, 0);
  AddJoint(*model, 2, 6, 0, 4);
  AddJoint(*model, 3, 6, 3, 4);
  for (float joint : {2, 2, 3, 1}) AddSupport(*model, joint);
  BuildJointGrid(*model);
  PlaceSupports(*model);
  for (int s : {1, 2}) {
    const FootingRecord& f = model->Footings(s);
    EXPECT_EQ(f.JointNo, "2");
    EXPECT_EQ(f.PosX, 6);
    EXPECT_EQ(f.PosY, 4);
    EXPECT_EQ(f.GridIX, 2);
    EXPECT_EQ(f.GridIY, 2);
  }
  EXPECT_EQ(model->Footings(3).JointNo, "");  // joint 3 is one storey up
  EXPECT_EQ(model->Footings(3).GridIX, 0);
  EXPECT_EQ(model->Footings(4).JointNo, "1");
}

TEST(ApplyBetaSwap, TurnsListedColumnsOncePerListing) {
  auto model = std::make_unique<Model>();
  const char* columns[] = {"101", "102", "103", "104"};
  const float widths[] = {300, 300.5f, 300, 300};
  for (int s = 1; s <= 4; ++s) {
    FootingRecord& f = model->Footings(++model->NumSupports);
    f.ColumnNo = columns[s - 1];
    f.ColWidth = widths[s - 1];
    f.ColDepth = 450;
  }
  const char* beta[] = {"4", "101", "102", "103", "103", " 104"};
  for (int b = 0; b < 6; ++b) model->BetaMembers(b) = beta[b];
  ApplyBetaSwap(*model);
  const float width[] = {450, 450, 300, 300}, depth[] = {300, 300, 450, 450};
  for (int s = 1; s <= 4; ++s) {
    EXPECT_EQ(model->Footings(s).ColWidth, width[s - 1]) << s;
    EXPECT_EQ(model->Footings(s).ColDepth, depth[s - 1]) << s;
  }
}

}  // namespace
}  // namespace footmark
