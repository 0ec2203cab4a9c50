#include "grouping/column_types.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

namespace footmark {
namespace {

struct Member { int16 subGroup; int16 barSet; };

// One group per list; members stand on supports 1, 2, ... in list order.
std::unique_ptr<Model> TypedGroups(std::initializer_list<std::vector<Member>> groups) {
  auto model = std::make_unique<Model>();
  for (const auto& members : groups) {
    ColGroup& group = model->ColGroups(++model->ColGroupCount);
    for (const Member& m : members) {
      ColumnEntry& entry = group.Members(++group.MemberCount);
      entry.SupportNo = ++model->NumSupports;
      entry.SubGroup = m.subGroup;
      entry.BarSetNo = m.barSet;
    }
  }
  return model;
}

void SetTies(Model& model, int16 row, float dia, float spacing) {
  model.ColumnDesigns(row, 6) = dia;
  model.ColumnDesigns(row, 7) = spacing;
}

TEST(ColumnTypes, SubGroupsAreNumberedAcrossGroups) {
  auto model = TypedGroups({{{1, 3}, {1, 3}, {2, 6}}, {{1, 2}, {1, 0}}});
  BuildColumnTypes(*model);
  const int16 expected[] = {1, 1, 2, 3, 3};
  for (int s = 1; s <= 5; ++s) EXPECT_EQ(model->Footings(s).ColType, expected[s - 1]) << s;
  EXPECT_EQ(model->TypeBarSet(0), 3);
  EXPECT_EQ(model->TypeBarSet(2), 6);
  EXPECT_EQ(model->TypeBarSet(3), 0);  // the last member has no bar set

  // A group no bar set can carry opens no type.
  auto bare = TypedGroups({{{0, 0}, {0, 0}}, {{1, 4}}});
  BuildColumnTypes(*bare);
  EXPECT_EQ(bare->Footings(1).ColType, 0);
  EXPECT_EQ(bare->Footings(3).ColType, 1);
  EXPECT_EQ(bare->TypeBarSet(0), 1);
}

TEST(ColumnTypes, HeaviestTiesGovernAndLowerSupportWinsATie) {
  auto model = TypedGroups({{{1, 3}, {1, 3}, {2, 5}, {2, 5}}});
  SetTies(*model, 1, 8, 150);
  SetTies(*model, 2, 8, 100);
  SetTies(*model, 3, 8, 150);
  const int16 tieRows[] = {1, 2, 3, 1};
  for (int s = 1; s <= 4; ++s) model->Footings(s).TieRow = tieRows[s - 1];
  BuildColumnTypes(*model);
  EXPECT_EQ(model->TypeTieRow(1), 2);
  EXPECT_EQ(model->TypeTieRow(2), 3);
}

TEST(ColumnTypes, FiftyFourthTypeIsARangeError) {
  std::vector<Member> members;
  for (int16 i = 1; i <= 54; ++i) members.push_back({i, 1});
  auto model = TypedGroups({members});
  EXPECT_THROW(BuildColumnTypes(*model), RuntimeFailure);
}

}  // namespace
}  // namespace footmark
