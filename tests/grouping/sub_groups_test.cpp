#include "grouping/sub_groups.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "grouping/bar_sets.h"

namespace footmark {
namespace {

// A catalogue and one group per list, members carrying the given bar sets.
std::unique_ptr<Model> GroupsWithBarSets(std::initializer_list<std::vector<int16>> groups) {
  auto model = std::make_unique<Model>();
  BuildBarSets(*model);
  for (const auto& bars : groups) {
    ColGroup& group = model->ColGroups(++model->ColGroupCount);
    for (int16 bar : bars) group.Members(++group.MemberCount).BarSetNo = bar;
  }
  return model;
}

std::vector<int16> SubGroups(Model& model, int16 g) {
  model.CurColGroup = g;
  NumberSubGroups(model, 0);
  std::vector<int16> out;
  const ColGroup& group = model.ColGroups(g);
  for (int m = 1; m <= group.MemberCount; ++m) out.push_back(group.Members(m).SubGroup);
  return out;
}

std::vector<int16> Order(const Table<int16, kMaxGroupMembers>& order) {
  std::vector<int16> out;
  for (int s = 0; s <= order(0); ++s) out.push_back(order(s));
  return out;
}

TEST(SubGroups, RunsBecomeSubGroupsAndCheapestMergeComesFirst) {
  auto model = GroupsWithBarSets({{3, 3, 5, 7, 7, 7}, {4}, {3, 5, 0, 0}, {0, 0}});
  FindSteelRuns(*model);
  const ColGroup& first = model->ColGroups(1);
  EXPECT_EQ(first.RunBarSet(0), 3);
  EXPECT_EQ(model->MergeLimits(1, 1), 2);
  // Run 2 costs 351.86 mm2 to lift into run 3, run 1 703.72 into run 2.
  EXPECT_EQ(Order(first.RunMergeOrder), (std::vector<int16>{2, 2, 1}));
  EXPECT_EQ(SubGroups(*model, 1), (std::vector<int16>{1, 1, 2, 3, 3, 3}));

  EXPECT_EQ(Order(model->ColGroups(2).RunMergeOrder), (std::vector<int16>{1, 0}));
  EXPECT_EQ(model->MergeLimits(2, 1), 0);
  EXPECT_EQ(SubGroups(*model, 2), (std::vector<int16>{1}));

  // Members no set can carry join the last sub-group, or none at all.
  EXPECT_EQ(SubGroups(*model, 3), (std::vector<int16>{1, 2, 2, 2}));
  EXPECT_EQ(SubGroups(*model, 4), (std::vector<int16>{0, 0}));

  // Applying the first merge folds run 2 into run 3.
  model->CurColGroup = 1;
  NumberSubGroups(*model, 1);
  EXPECT_EQ(model->ColGroups(1).Members(3).SubGroup, 2);
  EXPECT_EQ(model->ColGroups(1).Members(4).SubGroup, 2);
}

TEST(SubGroups, MergedMembersWeighOnTheNextStep) {
  auto model = GroupsWithBarSets({});
  Table<int16, kMaxGroupMembers> bars{"bars"}, order{"order"};
  RunCounts counts{"counts"};
  auto runs = [&](std::initializer_list<int16> b, std::initializer_list<int16> c) {
    bars(0) = counts(0) = static_cast<int16>(b.size());
    int k = 0;
    for (int16 v : b) bars(++k) = v;
    k = 0;
    for (int16 v : c) counts(++k) = v;
    MergeRuns(*model, bars, counts, order);
    return Order(order);
  };
  // Run 3 takes run 2's member, so lifting it costs 703.72, more than run 1's 452.39.
  EXPECT_EQ(runs({1, 2, 3, 5}, {1, 1, 1, 3}), (std::vector<int16>{3, 2, 1, 3}));
  // No lift under 10000 mm2: the step repeats the last label and removes nothing.
  EXPECT_EQ(runs({1, 84}, {1, 1}), (std::vector<int16>{1, 0}));
  EXPECT_EQ(runs({1, 2, 84}, {1, 1, 1}), (std::vector<int16>{2, 1, 1}));
  EXPECT_THROW(runs({1, 85}, {1, 1}), RuntimeFailure);
}

TEST(SubGroups, CapacityFailures) {
  std::vector<int16> bars;
  for (int16 b = 1; b <= 31; ++b) bars.push_back(b);
  auto model = GroupsWithBarSets({bars});
  EXPECT_THROW(FindSteelRuns(*model), RuntimeFailure);
  EXPECT_EQ(model->ColGroups(1).RunBarSet(0), 0);

  model->CurColGroup = 11;
  EXPECT_THROW(NumberSubGroups(*model, 0), RuntimeFailure);
}

}  // namespace
}  // namespace footmark
