// The joint grid, the support records placed on it and the column stacks above them.
#include "grouping/joint_grid.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "grouping/column_stacks.h"
#include "model/failure.h"
#include "model/numerics.h"
#include "model/support_records.h"

namespace footmark {
namespace {

void AddJoint(Model& model, float number, float x, float y, float z) {
  const int row = ++model.NumJoints;
  const float values[] = {number, x, y, z};
  for (int k = 0; k < 4; ++k) model.Joints(row, k) = values[k];
}

void AddMember(Model& model, int32 number, int32 start, int32 end) {
  const int row = ++model.NumMembers;
  const int32 values[] = {number, start, end};
  for (int k = 0; k < 3; ++k) model.MemberIncidences(row, k) = values[k];
}

// Returns the design row.
int AddDesign(Model& model, float member, float side1, float side2, float steel, float tieDia = 8,
              float tieSpacing = 150) {
  const int row = ++model.NumColumnDesigns;
  const float values[] = {member, 3, side1, side2, steel, tieDia, tieSpacing};
  for (int k = 0; k < 7; ++k) model.ColumnDesigns(row, k + 1) = values[k];
  return row;
}

void AddSupport(Model& model, float joint) {
  model.SupportReactions(++model.NumSupports, 1, 0) = joint;
  model.SupportReactions(0, 0, 0) = model.NumSupports;
}

TEST(JointGrid, SortedExactSetsAndTheLaterJointWins) {
  auto model = std::make_unique<Model>();
  const float xs[] = {0, 6, 3, 6, 6.001f, 6};  // joint 6 sits on joint 4
  for (int j = 0; j < 6; ++j) AddJoint(*model, j + 1, xs[j], j == 1 ? 3 : 0, 0);
  BuildJointGrid(*model);
  const float expected[] = {4, 0, 3, 6, 6.001f};
  for (int i = 0; i <= 4; ++i) EXPECT_EQ(model->GridX[i], expected[i]);
  EXPECT_EQ(model->GridLevels[0], 2);
  EXPECT_EQ(model->GridJoint(3, 1, 1), 6);
  EXPECT_EQ(model->GridJoint(3, 2, 1), 2);
}

// Repeated coordinates and odd joint numbers: the fast fill must leave every entry as the literal
// comparison does. (A design run fills the grid of a fresh model once, from finite coordinates.)
TEST(JointGrid, FastFillMatchesTheLiteralOne) {
  const float xs[] = {0, 3, 6, 6.001f, -2.5f, 12.25f, 7.5f};
  const float levels[] = {0, 3, 6.5f, 9, -1.5f};
  const float zs[] = {0, 5, 4.999f, 10, 15, -0.0f};
  for (unsigned seed = 1; seed <= 5; ++seed) {
    std::mt19937 rng(seed);
    auto pick = [&rng](int n) { return static_cast<int>(rng() % n); };
    auto fast = std::make_unique<Model>();
    for (int j = 1; j <= 300; ++j) {
      const float number = pick(10) == 0 ? pick(200) - 100.5f : static_cast<float>(pick(32767));
      AddJoint(*fast, number, xs[pick(7)], levels[pick(5)], zs[pick(6)]);
    }
    auto naive = std::make_unique<Model>(*fast);
    BuildJointGrid(*fast);
    BuildJointGridNaive(*naive);
    for (int x = 0; x <= kMaxGridIndex; ++x)
      for (int l = 0; l <= kMaxGridIndex; ++l)
        for (int y = 0; y <= kMaxGridIndex; ++y)
          ASSERT_EQ(fast->GridJoint(x, l, y), naive->GridJoint(x, l, y)) << x << " " << l << " " << y;
  }
}

TEST(ApplyBetaSwap, TurnsListedColumnsOncePerListing) {
  auto model = std::make_unique<Model>();
  const float widths[] = {300, 300.5f, 300, 300};
  for (int s = 1; s <= 4; ++s) {
    FootingRecord& f = model->Footings(++model->NumSupports);
    f.ColumnNo = std::to_string(100 + s);
    f.ColWidth = widths[s - 1];
    f.ColDepth = 450;
  }
  const char* beta[] = {"4", "101", "102", "103", "103", " 104"};
  for (int b = 0; b < 6; ++b) model->BetaMembers(b) = beta[b];
  ApplyBetaSwap(*model);
  const char* sides[] = {"450x300", "450x300", "300x450", "300x450"};  // 300.5 goes to the even 300
  for (int s = 1; s <= 4; ++s)
    EXPECT_EQ(NumText(model->Footings(s).ColWidth) + "x" + NumText(model->Footings(s).ColDepth),
              sides[s - 1]);
}

// Four column lines at the corners of a 6 x 5 m bay, levels 0, 3, 6 and 9 m; joint line*10 + storey.
std::unique_ptr<Model> Bay() {
  auto model = std::make_unique<Model>();
  const float xs[] = {0, 6, 0, 6}, zs[] = {0, 0, 5, 5};
  for (int line = 1; line <= 4; ++line) {
    for (int storey = 0; storey <= 3; ++storey)
      if (!(line == 4 && storey == 1))
        AddJoint(*model, line * 10 + storey, xs[line - 1], 3.0f * storey, zs[line - 1]);
    AddSupport(*model, line * 10);
  }
  return model;
}

void BuildStacks(Model& model) {
  BuildJointGrid(model);
  PlaceSupports(model);
  BuildColumnStacks(model);
}

TEST(ColumnStacks, SupportsPlacedOnGroundJointsWalkUpToTheFirstStoreyWithoutDesign) {
  auto model = Bay();
  Model& m = *model;
  // Line 1: the middle column has no design, so the heavier top storey does not count; a second member
  // and design row for the ground column come later and lose.
  for (int storey = 1; storey <= 3; ++storey) AddMember(m, 100 + storey, 9 + storey, 10 + storey);
  AddMember(m, 109, 10, 11);
  const int ground1 = AddDesign(m, 101, 300, 450, 1200);
  AddDesign(m, 103, 600, 600, 5000, 12, 100);
  AddDesign(m, 101, 999, 999, 9999);
  // Line 2: the most tie steel in the middle storey (thinner bars, closer), equalled above.
  for (int storey = 1; storey <= 3; ++storey) AddMember(m, 200 + storey, 19 + storey, 20 + storey);
  AddDesign(m, 201, 230, 600, 900, 10, 200);
  const int middle2 = AddDesign(m, 202, 230, 600, 1500, 8, 100);
  AddDesign(m, 203, 230, 600, 700, 8, 100);
  AddMember(m, 301, 31, 30);  // line 3: the ground column stored top-down is not found
  AddDesign(m, 301, 300, 300, 800);
  AddMember(m, 401, 40, 42);  // line 4: no joint at 3 m; the column runs from the ground to 6 m
  const int tall4 = AddDesign(m, 401, 400, 400, 800);
  AddSupport(m, 10);  // 5: shares joint 10 with support 1
  AddSupport(m, 11);  // 6: joint 11 is one storey up, so the support is not placed
  BuildStacks(m);

  const auto record = [&](int s) {
    const FootingRecord& f = m.Footings(s);
    return f.JointNo + " at " + NumText(f.PosX) + "," + NumText(f.PosY) + " [" + IntText(f.GridIX) + "," +
           IntText(f.GridIY) + "]: " + f.ColumnNo + " " + NumText(f.ColWidth) + "x" + NumText(f.ColDepth) +
           ", steel " + NumText(f.MaxColSteel) + ", ties of row " + IntText(f.TieRow);
  };
  EXPECT_EQ(record(1), "10 at 0,0 [1,1]: 101 300x450, steel 1200, ties of row " + IntText(ground1));
  EXPECT_EQ(record(2), "20 at 6,0 [2,1]: 201 230x600, steel 1500, ties of row " + IntText(middle2));
  EXPECT_EQ(record(3), "30 at 0,5 [1,2]: 0 0x0, steel 0, ties of row 0");
  EXPECT_EQ(record(4), "40 at 6,5 [2,2]: 0 0x0, steel 0, ties of row 0");
  EXPECT_EQ(record(5), "10 at 0,0 [1,1]: 101 300x450, steel 1200, ties of row " + IntText(ground1));
  EXPECT_EQ(record(6), " at 0,0 [0,0]: 0 0x0, steel 0, ties of row 0");
  EXPECT_EQ(m.GridDesignRow(2, 3, 2), tall4);  // line 4 stands at X 6, Z 5
  EXPECT_EQ(FindMember(m, 31, 30), 301);
  EXPECT_EQ(FindColumnDesign(m, 102), 0);
}

// Joint and member numbers are 16-bit in the grid and the scans (the capacities are in tests/capacity).
TEST(ColumnStacks, NumbersBeyond16BitsFail) {
  auto joint = std::make_unique<Model>();
  AddJoint(*joint, 40000, 0, 0, 0);
  EXPECT_THROW(BuildJointGrid(*joint), RuntimeFailure) << "joint 40000";
  auto model = Bay();
  AddMember(*model, 40000, 10, 11);
  EXPECT_THROW(FindMember(*model, 10, 11), RuntimeFailure) << "member 40000";
  EXPECT_THROW(BuildStacks(*model), RuntimeFailure) << "member 40000";
}

}  // namespace
}  // namespace footmark
