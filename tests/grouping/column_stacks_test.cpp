#include "grouping/column_stacks.h"

#include <gtest/gtest.h>

#include <memory>

#include "grid_frame.h"
#include "grouping/joint_grid.h"
#include "model/failure.h"
#include "model/support_records.h"

namespace footmark {
namespace {

using namespace footmark::testing;

// Four column lines at the corners of a 6 x 5 m bay, levels 0, 3, 6 and 9 m.
// Joint numbers: line*10 + storey (0 at the ground).
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

TEST(ColumnStacks, WalkUpToTheFirstStoreyWithoutDesign) {
  auto model = Bay();
  Model& m = *model;
  // Line 1: the middle column has no design results, so its top storey,
  // though heavier, does not count. A second member and design row for the
  // ground column come later and lose.
  AddMember(m, 101, 10, 11);
  AddMember(m, 102, 11, 12);
  AddMember(m, 103, 12, 13);
  AddMember(m, 109, 10, 11);
  const int ground1 = AddDesign(m, 101, 300, 450, 1200);
  AddDesign(m, 103, 600, 600, 5000, 12, 100);
  AddDesign(m, 101, 999, 999, 9999);
  // Line 2: the heaviest ties in the middle storey, equalled above.
  AddMember(m, 201, 20, 21);
  AddMember(m, 202, 21, 22);
  AddMember(m, 203, 22, 23);
  AddDesign(m, 201, 230, 600, 900);
  const int middle2 = AddDesign(m, 202, 230, 600, 1500, 10, 100);
  AddDesign(m, 203, 230, 600, 700, 10, 100);
  // Line 3: the ground column is stored top-down, so it is not found.
  AddMember(m, 301, 31, 30);
  AddDesign(m, 301, 300, 300, 800);
  // Line 4: no joint at 3 m; the column runs from the ground to 6 m.
  AddMember(m, 401, 40, 42);
  const int tall4 = AddDesign(m, 401, 400, 400, 800);
  BuildStacks(m);

  const FootingRecord& s1 = m.Footings(1);
  EXPECT_EQ(s1.ColumnNo, "101");
  EXPECT_EQ(s1.ColWidth, 300);
  EXPECT_EQ(s1.ColDepth, 450);
  EXPECT_EQ(s1.MaxColSteel, 1200);
  EXPECT_EQ(s1.TieRow, ground1);
  EXPECT_EQ(m.Footings(2).MaxColSteel, 1500);
  EXPECT_EQ(m.Footings(2).TieRow, middle2);
  for (int s : {3, 4}) {
    const FootingRecord& f = m.Footings(s);
    EXPECT_EQ(f.ColumnNo, "0");
    EXPECT_EQ(f.ColWidth, 0);
    EXPECT_EQ(f.ColDepth, 0);
    EXPECT_EQ(f.MaxColSteel, 0);
    EXPECT_EQ(f.TieRow, 0);
  }
  EXPECT_EQ(m.GridDesignRow(2, 3, 2), tall4);  // line 4 stands at X 6, Z 5
  EXPECT_EQ(FindMember(m, 31, 30), 301);
  EXPECT_EQ(FindMember(m, 30, 31), 0);
  EXPECT_EQ(FindColumnDesign(m, 102), 0);
}

TEST(ColumnStacks, FailsWhereTheScansFail) {
  auto model = Bay();
  AddMember(*model, 40000, 10, 11);
  EXPECT_THROW(FindMember(*model, 10, 11), RuntimeFailure);
  EXPECT_THROW(BuildStacks(*model), RuntimeFailure);
  // Counts past the tables' ends: a scan fails only when it runs off the end.
  auto full = std::make_unique<Model>();
  AddJoint(*full, 1, 0, 0, 0);
  AddJoint(*full, 2, 0, 3, 0);
  AddMember(*full, 7, 1, 2);
  AddDesign(*full, 7, 300, 300, 800);
  full->NumMembers = kMaxMembers + 1;
  full->NumColumnDesigns = kMaxColumnDesigns + 1;
  EXPECT_NO_THROW(BuildStacks(*full));
  AddJoint(*full, 3, 0, 6, 0);  // no member runs up to it
  EXPECT_THROW(BuildStacks(*full), RuntimeFailure);
}

}  // namespace
}  // namespace footmark
