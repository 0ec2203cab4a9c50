#include "grouping/column_groups.h"

#include <gtest/gtest.h>

#include <memory>

#include "grouping/bar_sets.h"

namespace footmark {
namespace {

std::unique_ptr<Model> CatalogueModel() {
  auto model = std::make_unique<Model>();
  BuildBarSets(*model);
  return model;
}

void AddColumn(Model& model, float width, float depth, float steel = 0) {
  FootingRecord& support = model.Footings(++model.NumSupports);
  support.ColWidth = width;
  support.ColDepth = depth;
  support.MaxColSteel = steel;
}

TEST(GroupColumns, GroupsBySectionOrderedByLargerThenSmallerSide) {
  auto model = CatalogueModel();
  AddColumn(*model, 230, 600, 900);    // 1
  AddColumn(*model, 450, 300, 800);    // 2: same section as 3, turned
  AddColumn(*model, 300, 450, 500);    // 3
  AddColumn(*model, 230, 450);         // 4
  AddColumn(*model, 300, 450.5f);      // 5: half a millimetre is another section
  AddColumn(*model, 300, 450, 500);    // 6: equal to 3 in every key
  GroupColumns(*model);
  ASSERT_EQ(model->ColGroupCount, 4);
  const int expected[][4] = {{4}, {3, 6, 2}, {5}, {1}};
  const int counts[] = {1, 3, 1, 1};
  for (int g = 1; g <= 4; ++g) {
    const ColGroup& group = model->ColGroups(g);
    ASSERT_EQ(group.MemberCount, counts[g - 1]) << "group " << g;
    for (int m = 1; m <= group.MemberCount; ++m)
      EXPECT_EQ(group.Members(m).SupportNo, expected[g - 1][m - 1]) << "group " << g;
  }
  EXPECT_EQ(model->ColGroups(2).Members(3).MinSide, 300);
  EXPECT_EQ(model->ColGroups(2).Members(3).MaxSide, 450);
}

TEST(GroupColumns, BarSetIsFirstWithAreaAboveRequiredSteel) {
  auto model = CatalogueModel();
  AddColumn(*model, 300, 300, 0);
  AddColumn(*model, 300, 300, model->BarSets(1).SetArea);
  AddColumn(*model, 300, 300, 25000);
  GroupColumns(*model);
  const ColGroup& group = model->ColGroups(1);
  EXPECT_EQ(group.Members(1).BarSetNo, 1);
  EXPECT_EQ(group.Members(2).BarSetNo, 2);
  EXPECT_EQ(group.Members(2).ProvSteel, model->BarSets(2).SetArea);
  EXPECT_EQ(group.Members(3).BarSetNo, 0);
  EXPECT_EQ(group.Members(3).ProvSteel, 0);
}

TEST(GroupColumns, NoSupportsStillFormsOneEmptyGroup) {
  auto model = CatalogueModel();
  GroupColumns(*model);
  EXPECT_EQ(model->ColGroupCount, 1);
  EXPECT_EQ(model->ColGroups(1).MemberCount, 1);
  EXPECT_EQ(model->ColGroups(1).Members(1).SupportNo, 0);
  EXPECT_EQ(model->ColGroups(1).Members(1).BarSetNo, 1);
}

TEST(GroupColumns, CapacityFailures) {
  auto model = CatalogueModel();
  for (int i = 1; i <= 11; ++i) AddColumn(*model, 300, 300 + 10.0f * i);
  EXPECT_THROW(GroupColumns(*model), RuntimeFailure);
  EXPECT_EQ(model->ColGroups(10).MemberCount, 1);  // the tenth section was complete

  auto many = CatalogueModel();
  many->NumSupports = 201;
  EXPECT_THROW(GroupColumns(*many), RuntimeFailure);
}

}  // namespace
}  // namespace footmark
