#include "grouping/bar_sets.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>
#include <string>

namespace footmark {
namespace {

std::string Area(float a) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.4f", a);
  return buf;
}

std::string Diameters(const BarSet& set) {
  std::string text;
  for (int k = 1; k <= set.Rows; ++k) text += (k > 1 ? " " : "") + std::to_string(set.RowDia(k));
  return text;
}

TEST(BarSets, CatalogueMatchesTheScheduleTable) {
  auto model = std::make_unique<Model>();
  BuildBarSets(*model);
  ASSERT_EQ(model->BarSetCount, 84);
  struct Row { int entry; const char* dias; const char* area; const char* label; };
  const Row rows[] = {
      {1, "12 12", "452.3893", "  4-12  "},
      {4, "16 12 16", "1256.6371", "  4-16  4-12  "},
      {5, "20 20", "1256.6371", "  4-20  "},
      {6, "12 12 12 12", "1357.1680", "  12-12  "},
      {41, "20 25 25 20", "5183.6279", "  4-20  8-25  "},
      {83, "32 32 32 25 25 32 32 32", "20011.9434", "  20-32  8-25  "},
      {84, "32 32 32 32 32 32 32 32", "22518.9355", "  28-32  "},
  };
  for (const Row& r : rows) {
    const BarSet& set = model->BarSets(r.entry);
    EXPECT_EQ(Diameters(set), r.dias) << "entry " << r.entry;
    EXPECT_EQ(Area(set.SetArea), r.area) << "entry " << r.entry;
    EXPECT_EQ(BarSetLabel(*model, static_cast<int16>(r.entry)), r.label);
  }
  EXPECT_EQ(BarSetLabel(*model, 0), "  2-0  ");
  EXPECT_THROW(BarSetLabel(*model, 85), RuntimeFailure);

  // Rows of one diameter share a pair, inner rows counting 4 bars.
  BarSet& set = model->BarSets(1);
  set.Rows = 5;
  const int16 dias[] = {25, 20, 20, 20, 25};
  for (int k = 1; k <= 5; ++k) set.RowDia(k) = dias[k - 1];
  EXPECT_EQ(BarSetLabel(*model, 1), "  4-25  12-20  ");
}

TEST(BarSets, EverySetIsSymmetricWithTwoSizesAtMostOneStepApart) {
  auto model = std::make_unique<Model>();
  BuildBarSets(*model);
  for (int i = 1; i <= 84; ++i) {
    const BarSet& set = model->BarSets(i);
    std::set<int> sizes;
    for (int k = 1; k <= set.Rows; ++k) {
      EXPECT_EQ(set.RowSize(k), set.RowSize(set.Rows + 1 - k)) << "entry " << i;
      EXPECT_LE(set.RowSize(1) - set.RowSize(k), 1) << "entry " << i;
      sizes.insert(set.RowSize(k));
    }
    EXPECT_LE(sizes.size(), 2u) << "entry " << i;
    if (i > 1) {
      EXPECT_LE(model->BarSets(i - 1).SetArea, set.SetArea) << "entry " << i;
    }
  }
  EXPECT_EQ(model->BarSets(0).Rows, 0);
}

TEST(BarSets, RebuildGivesIdenticalTable) {
  auto model = std::make_unique<Model>();
  BuildBarSets(*model);
  auto first = std::make_unique<Model>(*model);
  BuildBarSets(*model);
  for (int i = 0; i <= 84; ++i) {
    const BarSet& a = first->BarSets(i);
    const BarSet& b = model->BarSets(i);
    EXPECT_EQ(a.SizeCount, b.SizeCount);
    EXPECT_EQ(a.Rows, b.Rows);
    EXPECT_EQ(a.SetArea, b.SetArea);
    EXPECT_EQ(a.RowAreaSum, b.RowAreaSum);
    for (int k = 0; k <= 8; ++k) {
      EXPECT_EQ(a.RowSize(k), b.RowSize(k)) << i << "," << k;
      EXPECT_EQ(a.RowDia(k), b.RowDia(k)) << i << "," << k;
    }
  }
}

}  // namespace
}  // namespace footmark
