// The bar set catalogue, column groups, their steel runs and sub-groups, and the column types.
// The tables' capacities are in tests/capacity.
#include "grouping/column_groups.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "grouping/bar_sets.h"
#include "grouping/column_types.h"
#include "grouping/sub_groups.h"

namespace footmark {
namespace {

using Numbers = std::vector<int16>;

std::unique_ptr<Model> CatalogueModel() {
  auto model = std::make_unique<Model>();
  BuildBarSets(*model);
  return model;
}

std::string Diameters(const BarSet& set) {
  std::string text;
  for (int k = 1; k <= set.Rows; ++k) text += (k > 1 ? " " : "") + std::to_string(set.RowDia(k));
  return text;
}

TEST(BarSets, CatalogueMatchesTheScheduleTable) {
  auto model = CatalogueModel();
  ASSERT_EQ(model->BarSetCount, 84);
  struct Row { int entry; const char* dias; float area; const char* label; };
  const Row rows[] = {
      {1, "12 12", 452.389343f, "  4-12  "},
      {4, "16 12 16", 1256.63708f, "  4-16  4-12  "},
      {5, "20 20", 1256.63708f, "  4-20  "},
      {6, "12 12 12 12", 1357.16797f, "  12-12  "},
      {41, "20 25 25 20", 5183.62793f, "  4-20  8-25  "},
      {83, "32 32 32 25 25 32 32 32", 20011.9434f, "  20-32  8-25  "},
      {84, "32 32 32 32 32 32 32 32", 22518.9355f, "  28-32  "},
  };
  for (const Row& r : rows) {
    const BarSet& set = model->BarSets(r.entry);
    EXPECT_EQ(Diameters(set), r.dias) << "entry " << r.entry;
    EXPECT_EQ(set.SetArea, r.area) << "entry " << r.entry;
    EXPECT_EQ(BarSetLabel(*model, static_cast<int16>(r.entry)), r.label);
  }
  EXPECT_THROW(BarSetLabel(*model, 85), RuntimeFailure);
  // Every set: symmetric, at most two sizes one step apart, none lighter than the one before.
  for (int i = 1; i <= 84; ++i) {
    const BarSet& set = model->BarSets(i);
    EXPECT_LE(model->BarSets(i - 1).SetArea, set.SetArea) << "entry " << i;
    std::set<int> sizes;
    for (int k = 1; k <= set.Rows; ++k) {
      EXPECT_EQ(set.RowSize(k), set.RowSize(set.Rows + 1 - k)) << "entry " << i << " is not symmetric";
      EXPECT_LE(set.RowSize(1) - set.RowSize(k), 1) << "entry " << i;
      sizes.insert(set.RowSize(k));
    }
    EXPECT_LE(sizes.size(), 2u) << "entry " << i;
  }
}

void AddColumn(Model& model, float width, float depth, float steel = 0) {
  FootingRecord& support = model.Footings(++model.NumSupports);
  support.ColWidth = width;
  support.ColDepth = depth;
  support.MaxColSteel = steel;
}

// One more group whose members stand on the next supports with these bar sets and sub-groups.
void AddGroup(Model& model, const Numbers& bars, const Numbers& subGroups = {}) {
  ColGroup& group = model.ColGroups(++model.ColGroupCount);
  for (std::size_t i = 0; i < bars.size(); ++i) {
    ColumnEntry& entry = group.Members(++group.MemberCount);
    entry.SupportNo = ++model.NumSupports;
    entry.BarSetNo = bars[i];
    if (i < subGroups.size()) entry.SubGroup = subGroups[i];
  }
}

// One field of every member of group g.
template <class T>
std::vector<T> Field(const Model& model, int g, T ColumnEntry::*field) {
  std::vector<T> values;
  const ColGroup& group = model.ColGroups(g);
  for (int m = 1; m <= group.MemberCount; ++m) values.push_back(group.Members(m).*field);
  return values;
}

TEST(GroupColumns, GroupsBySectionOrderedByLargerThenSmallerSide) {
  auto model = CatalogueModel();
  AddColumn(*model, 230, 600, 900);   // 1
  AddColumn(*model, 450, 300, 800);   // 2: same section as 3, turned
  AddColumn(*model, 300, 450, 500);   // 3
  AddColumn(*model, 230, 450, 1000);  // 4: the smaller side orders before the steel
  AddColumn(*model, 300, 450.5f);     // 5: half a millimetre is another section
  AddColumn(*model, 300, 450, 500);   // 6: equal to 3 in every key
  GroupColumns(*model);
  ASSERT_EQ(model->ColGroupCount, 4);
  const Numbers supports[] = {{4}, {3, 6, 2}, {5}, {1}};
  for (int g = 1; g <= 4; ++g) EXPECT_EQ(Field(*model, g, &ColumnEntry::SupportNo), supports[g - 1]) << g;
  EXPECT_EQ(Field(*model, 2, &ColumnEntry::MinSide), (std::vector<float>{300, 300, 300}));
  EXPECT_EQ(Field(*model, 2, &ColumnEntry::MaxSide), (std::vector<float>{450, 450, 450}));
}

TEST(GroupColumns, BarSetIsFirstWithAreaAboveRequiredSteel) {
  auto model = CatalogueModel();
  const float set1 = model->BarSets(1).SetArea, set2 = model->BarSets(2).SetArea;
  for (float steel : {0.0f, set1, 25000.0f}) AddColumn(*model, 300, 300, steel);
  GroupColumns(*model);
  EXPECT_EQ(Field(*model, 1, &ColumnEntry::BarSetNo), (Numbers{1, 2, 0}));
  EXPECT_EQ(Field(*model, 1, &ColumnEntry::ProvSteel), (std::vector<float>{set1, set2, 0}));
}

// Each run of one bar set is a sub-group; members no set can carry (bar set 0) join the last
// sub-group, or none at all. The merge order the runs also get is read by no output.
TEST(SubGroups, EachRunOfOneBarSetIsASubGroup) {
  auto model = CatalogueModel();
  const Numbers bars[] = {{3, 3, 5, 7, 7, 7}, {4}, {3, 5, 0, 0}, {0, 0}, {1, 2, 84}};
  const Numbers subGroups[] = {{1, 1, 2, 3, 3, 3}, {1}, {1, 2, 2, 2}, {0, 0}, {1, 2, 3}};
  for (const Numbers& b : bars) AddGroup(*model, b);
  FindSteelRuns(*model);
  EXPECT_EQ(model->ColGroups(1).RunBarSet(0), 3) << "runs in group 1";
  for (int16 g = 1; g <= 5; ++g) {
    model->CurColGroup = g;
    NumberSubGroups(*model, 0);
    EXPECT_EQ(Field(*model, g, &ColumnEntry::SubGroup), subGroups[g - 1]) << "group " << g;
  }
}

TEST(ColumnTypes, NumberedAcrossGroupsWithTheHeaviestTiesOfEach) {
  auto model = std::make_unique<Model>();
  AddGroup(*model, {0, 0}, {0, 0});  // no bar set carries these columns: no type
  AddGroup(*model, {3, 3, 6}, {1, 1, 2});
  AddGroup(*model, {2, 0}, {1, 1});
  AddGroup(*model, {4}, {1});
  const float ties[][2] = {{8, 150}, {8, 100}, {8, 150}};  // design rows 1..3: tie bar and spacing
  for (int row = 1; row <= 3; ++row) {
    model->ColumnDesigns(row, 6) = ties[row - 1][0];
    model->ColumnDesigns(row, 7) = ties[row - 1][1];
  }
  const int16 tieRows[] = {0, 0, 1, 2, 0, 3, 1, 0};
  for (int s = 1; s <= 8; ++s) model->Footings(s).TieRow = tieRows[s - 1];
  BuildColumnTypes(*model);
  Numbers types, bars, typeTies;
  for (int s = 1; s <= 8; ++s) types.push_back(model->Footings(s).ColType);
  for (int t = 0; t <= 4; ++t) bars.push_back(model->TypeBarSet(t));
  for (int t = 1; t <= 4; ++t) typeTies.push_back(model->TypeTieRow(t));
  EXPECT_EQ(types, (Numbers{0, 0, 1, 1, 2, 3, 3, 4}));
  EXPECT_EQ(bars, (Numbers{4, 3, 6, 0, 4}));  // a type ends with the bar set of its last member
  EXPECT_EQ(typeTies, (Numbers{2, 0, 3, 0}));  // equal ties: the lower support keeps its row
}

}  // namespace
}  // namespace footmark
