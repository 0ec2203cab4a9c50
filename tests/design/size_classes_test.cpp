// Trial footing sides, their order and the 0.1 m size classes.
#include <gtest/gtest.h>

#include <initializer_list>

#include "design/size_classes.h"
#include "model/failure.h"
#include "model/numerics.h"
#include "model/trial_size.h"
#include "support/test_files.h"

namespace footmark {
namespace {

void SetReaction(Model& m, int s, int c, float lc, float fy, float mx = 0, float mz = 0) {
  m.SupportReactions(s, c, 1) = lc;
  m.SupportReactions(s, c, 2) = fy;
  m.SupportReactions(s, c, 3) = mx;
  m.SupportReactions(s, c, 4) = mz;
}

// Sorted trial sides, support k on row k.
void SetTrialSides(Model& m, std::initializer_list<float> sides) {
  int k = 0;
  for (float side : sides) {
    ++k;
    m.FootingSizes(k, 0) = static_cast<float>(k);
    m.FootingSizes(k, 1) = side;
  }
  m.FootingSizes(0, 0) = static_cast<float>(k);
}

TEST(TrialFootingSizes, WorstLoadCaseSetsTheSideAndUpliftIsReported) {
  Model m;
  m.SBC = 200;
  m.NumSupports = 4;
  m.NumLoadCases = 2;
  // Newton on q B^3 - 1.1 P B = 0: sqrt(1100 / 200) = 2.345 -> 2.35. The
  // second case may use 250 kN/m2 and needs only 2.10, so the first governs.
  SetReaction(m, 1, 1, 1, 1000);
  SetReaction(m, 1, 2, 2, 1000);
  // Moments add about one axis: P' = 880, 6M = 286.5 -> 2.2446 -> 2.24.
  SetReaction(m, 2, 1, 1, 800, -35.5f, 12.25f);
  SetReaction(m, 2, 2, 2, 600);
  // Uplift in the first case: only the 250 kN/m2 case sizes it (1.876).
  SetReaction(m, 3, 1, 1, -12.5f);
  SetReaction(m, 3, 2, 2, 800);
  // Listed with one load case only: the missing position reads as zeros.
  SetReaction(m, 4, 1, 1, 0);
  testing::RecordingMessages ui;
  TrialFootingSizes(m, ui);

  EXPECT_EQ(m.FootingSizes(0, 0), 4);
  const float expected[] = {0, 2.35f, 2.24f, 1.88f, 0};
  for (int s = 1; s <= 4; ++s) {
    EXPECT_EQ(m.FootingSizes(s, 0), s);
    EXPECT_EQ(m.FootingSizes(s, 1), expected[s]) << "support " << s;
    EXPECT_EQ(m.Footings(s).FootSize, expected[s]);
  }
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0], "Check JOINT : 3\r LOAD : 1    FORCE-Y = -12.5");
  EXPECT_EQ(ui.messages[1],
            "Check JOINT : 4\r LOAD : 1    FORCE-Y = 0\r LOAD : 0    FORCE-Y = 0");

  m.SBC = 0;
  EXPECT_THROW(TrialFootingSizes(m, ui), RuntimeFailure);
  m.SBC = -100;
  EXPECT_THROW(TrialFootingSizes(m, ui), RuntimeFailure);
}

TEST(SortFootingSizes, AscendingAndEqualSidesKeepTheirOrder) {
  Model m;
  SetTrialSides(m, {2.0f, 1.25f, 1.6f, 1.25f, 0.9f});
  SortFootingSizes(m);
  const float side[] = {0, 0.9f, 1.25f, 1.25f, 1.6f, 2.0f};
  const float support[] = {0, 5, 2, 4, 3, 1};
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(m.FootingSizes(k, 1), side[k]);
    EXPECT_EQ(m.FootingSizes(k, 0), support[k]);
  }
}

TEST(SizeClasses, SidesRoundUpIntoOccupiedTenthsAndMergeCheapestFirst) {
  Model m;
  SetTrialSides(m, {1.23f, 1.25f, 1.52f, 2.00f});
  BuildSizeClasses(m);
  ASSERT_EQ(m.ClassCount, 3);
  EXPECT_EQ(m.ClassSize(1), 1.3f);
  EXPECT_EQ(m.ClassSize(2), 1.6f);
  EXPECT_EQ(m.ClassSize(3), 2.0f);
  EXPECT_EQ(m.MergeLimits(0, 1), 2);
  // (1.6^2 - 1.3^2) x 2 = 1.74 against (2.0^2 - 1.6^2) x 1 = 1.44; then the
  // merged class of two at 2.0 leaves class 1 last.
  EXPECT_EQ(m.MergeOrder(1), 2);
  EXPECT_EQ(m.MergeOrder(2), 1);

  AssignSizeClasses(m, 0);
  const float own[] = {0, 1.3f, 1.3f, 1.6f, 2.0f};
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(m.FootingSizes(k, 2), own[k]);
    EXPECT_EQ(m.Footings(k).FootSize, own[k]);
  }
  AssignSizeClasses(m, 1);  // the 1.6 class goes up to 2.0
  EXPECT_EQ(m.FootingSizes(3, 2), 2.0f);
  EXPECT_EQ(m.Footings(2).FootSize, 1.3f);

  SetTrialSides(m, {1.30f, 1.31f});  // an exact tenth stays
  BuildSizeClasses(m);
  AssignSizeClasses(m, 0);
  EXPECT_EQ(m.FootingSizes(1, 2), 1.3f);
  EXPECT_EQ(m.FootingSizes(2, 2), 1.4f);

  Model same;
  SetTrialSides(same, {1.77f, 1.77f, 1.77f});
  BuildSizeClasses(same);
  ASSERT_EQ(same.ClassCount, 1);
  EXPECT_EQ(same.ClassSize(1), 1.8f);
  EXPECT_EQ(same.MergeLimits(0, 1), 0);
}

TEST(SizeClasses, ThirtyOneClassesAreARangeError) {
  Model m;
  for (int k = 1; k <= 31; ++k) {
    m.FootingSizes(k, 0) = static_cast<float>(k);
    m.FootingSizes(k, 1) = Sng(0.9 + k * 0.1);  // 1.0 .. 4.0
  }
  m.FootingSizes(0, 0) = 31;
  EXPECT_THROW(BuildSizeClasses(m), RuntimeFailure);
  EXPECT_EQ(m.ClassCount, 0);
}

}  // namespace
}  // namespace footmark
