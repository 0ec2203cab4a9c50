// Trial footing sides, the 0.1 m size classes, and the design groups with their governing soil pressure.
// The capacities are in tests/capacity; the order in which classes would merge is read by no output.
#include "design/foot_groups.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "design/size_classes.h"
#include "model/numerics.h"
#include "model/trial_size.h"
#include "support/test_files.h"

namespace footmark {
namespace {

void SetReaction(Model& m, int s, int c, float lc, float fy, float mx = 0, float mz = 0) {
  const float values[] = {lc, fy, mx, mz};
  for (int k = 1; k <= 4; ++k) m.SupportReactions(s, c, k) = values[k - 1];
}

// Rows of FootingSizes: support k on row k with the given sides in column `col`.
void SetSides(Model& m, std::initializer_list<float> sides, int col = 1) {
  int k = 0;
  for (float side : sides) {
    ++k;
    m.FootingSizes(k, 0) = static_cast<float>(k);
    m.FootingSizes(k, col) = side;
  }
  m.FootingSizes(0, 0) = static_cast<float>(k);
}

std::vector<float> Column(const Model& m, int col) {
  std::vector<float> values;
  for (int k = 1; k <= m.FootingSizes(0, 0); ++k) values.push_back(m.FootingSizes(k, col));
  return values;
}

TEST(TrialFootingSizes, WorstLoadCaseSetsTheSideAndUpliftIsReported) {
  Model m;
  m.SBC = 200;
  m.NumSupports = 4;
  m.NumLoadCases = 2;
  SetReaction(m, 1, 1, 1, 1000);  // sqrt(1100 / 200) = 2.345 -> 2.35; 2.10 at 250 kN/m2
  SetReaction(m, 1, 2, 2, 1000);
  SetReaction(m, 2, 1, 1, 800, -35.5f, 12.25f);  // moments add about one axis: 2.2446
  SetReaction(m, 2, 2, 2, 600);
  SetReaction(m, 3, 1, 1, -12.5f);  // uplift: only the 250 kN/m2 case sizes it (1.876)
  SetReaction(m, 3, 2, 2, 800);
  SetReaction(m, 4, 1, 1, 0);  // one load case listed: the missing one reads as zeros
  testing::RecordingMessages ui;
  TrialFootingSizes(m, ui);
  EXPECT_EQ(Column(m, 0), (std::vector<float>{1, 2, 3, 4}));
  EXPECT_EQ(Column(m, 1), (std::vector<float>{2.35f, 2.24f, 1.88f, 0}));
  EXPECT_EQ(m.Footings(2).FootSize, 2.24f);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{
                             "Check JOINT : 3\r LOAD : 1    FORCE-Y = -12.5",
                             "Check JOINT : 4\r LOAD : 1    FORCE-Y = 0\r LOAD : 0    FORCE-Y = 0"}));
}

TEST(SizeClasses, SortedSidesRoundUpIntoOccupiedTenths) {
  Model m;
  SetSides(m, {2.0f, 1.25f, 1.52f, 1.25f, 1.23f});
  SortFootingSizes(m);
  EXPECT_EQ(Column(m, 0), (std::vector<float>{5, 2, 4, 3, 1}));  // equal sides keep their order
  BuildSizeClasses(m);
  ASSERT_EQ(m.ClassCount, 3);
  EXPECT_EQ((std::vector<float>{m.ClassSize(1), m.ClassSize(2), m.ClassSize(3)}),
            (std::vector<float>{1.3f, 1.6f, 2.0f}));
  AssignSizeClasses(m, 0);
  EXPECT_EQ(Column(m, 2), (std::vector<float>{1.3f, 1.3f, 1.3f, 1.6f, 2.0f}));
  EXPECT_EQ(m.Footings(3).FootSize, 1.6f);

  SetSides(m, {1.70f, 1.71f});  // an exact tenth stays
  BuildSizeClasses(m);
  AssignSizeClasses(m, 0);
  EXPECT_EQ(Column(m, 2), (std::vector<float>{1.7f, 1.8f}));
  SetSides(m, {1.77f, 1.77f, 1.77f});
  BuildSizeClasses(m);
  EXPECT_EQ(m.ClassCount, 1);
  EXPECT_EQ(m.ClassSize(1), 1.8f);
}

TEST(FormFootGroups, OneGroupPerClassWithTheLargestSoilPressureOfItsSupports) {
  Model m;
  m.NumLoadCases = 4;
  SetSides(m, {1.2f, 1.2f, 2.0f, 2.0f, 2.0f, 2.1f}, 2);
  const float supports[] = {6, 1, 4, 9, 2, 3};
  for (int k = 1; k <= 6; ++k) m.FootingSizes(k, 0) = supports[k - 1];
  SetReaction(m, 9, 1, 1, -50);           // uplift: no pressure
  SetReaction(m, 9, 2, 2, 600, 30, -20);  // 600/4 + 50 x 6/8 = 187.5: both moments about one axis
  SetReaction(m, 9, 3, 3, 450, 100);      // 112.5 + 75: as much, the earlier case stays
  SetReaction(m, 9, 4, 4, 100);
  SetReaction(m, 2, 1, 1, 750);     // 187.5 again: the earlier support stays
  m.FootGroups(2).Pedestal = 0.6f;  // left from an earlier design
  FormFootGroups(m);
  ASSERT_EQ(m.FootGroupCount, 3);
  const auto group = [&](int g) {
    const FootGroup& f = m.FootGroups(g);
    return f.Supports + "at " + NumText(f.Size) + ": " + NumText(f.Pressure) + " from support " +
           IntText(f.GovSupport) + " case " + IntText(f.LoadCase) + ", pedestal " + NumText(f.Pedestal);
  };
  EXPECT_EQ(group(1), "6 1 at 1.2: 0 from support 0 case 0, pedestal 0");
  EXPECT_EQ(group(2), "4 9 2 at 2: 187.5 from support 9 case 2, pedestal 0.6");
  EXPECT_EQ(group(3), "3 at 2.1: 0 from support 0 case 0, pedestal 0");
  const auto groupOf = [&](int s) { return static_cast<int>(m.Footings(s).FootGroupNo); };
  EXPECT_EQ((std::vector<int>{groupOf(6), groupOf(4), groupOf(3)}), (std::vector<int>{1, 2, 3}));
  int16 lc = -1;
  EXPECT_EQ(MaxSoilPressure(m, 6, 0.0f, lc), 0.0f);  // nothing presses: nothing to divide
  EXPECT_EQ(lc, 0);
}

}  // namespace
}  // namespace footmark
