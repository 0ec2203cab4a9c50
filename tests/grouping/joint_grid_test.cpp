#include "grouping/joint_grid.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <random>

#include "grid_frame.h"
#include "model/failure.h"

namespace footmark {
namespace {

using testing::AddJoint;

TEST(JointGrid, SortedExactSetsAndTheLaterJointWins) {
  auto model = std::make_unique<Model>();
  const float xs[] = {0, 6, 3, 6, 6.001f, 6};  // joint 6 sits on joint 4
  for (int j = 0; j < 6; ++j) AddJoint(*model, j + 1, xs[j], j == 1 ? 3 : 0, 0);
  model->GridJoint(1, 2, 1) = 55;
  BuildJointGrid(*model);
  BuildJointGrid(*model);  // a second run changes nothing
  const float expected[] = {4, 0, 3, 6, 6.001f};
  for (int i = 0; i <= 4; ++i) EXPECT_EQ(model->GridX[i], expected[i]);
  EXPECT_EQ(model->GridLevels[0], 2);
  EXPECT_EQ(model->GridY[0], 1);
  EXPECT_EQ(model->GridJoint(3, 1, 1), 6);
  EXPECT_EQ(model->GridJoint(3, 2, 1), 2);
  EXPECT_EQ(model->GridJoint(1, 2, 1), 55);  // no joint there: left as it was
}

TEST(JointGrid, MoreThan99ValuesOrA17BitJointFail) {
  for (auto build : {BuildJointGrid, BuildJointGridNaive}) {
    for (int axis = 1; axis <= 3; ++axis) {
      for (int values : {99, 100}) {
        auto model = std::make_unique<Model>();
        for (int j = 1; j <= values; ++j)
          AddJoint(*model, j, axis == 1 ? j : 0, axis == 2 ? j : 0, axis == 3 ? j : 0);
        if (values == 99)
          EXPECT_NO_THROW(build(*model));
        else
          EXPECT_THROW(build(*model), RuntimeFailure);
      }
    }
    auto model = std::make_unique<Model>();
    AddJoint(*model, 40000, 0, 0, 0);
    EXPECT_THROW(build(*model), RuntimeFailure);
  }
}

// A frame on a few lines with repeated coordinates, odd joint numbers and
// entries left over in the grid: the fast fill must leave every entry as the
// literal comparison does.
TEST(JointGrid, FastFillMatchesTheLiteralOne) {
  const float xs[] = {0, 3, 6, 6.001f, -2.5f, 12.25f, 7.5f};
  const float levels[] = {0, 3, 6.5f, 9, -1.5f};
  const float zs[] = {0, 5, 4.999f, 10, 15, -0.0f};
  for (unsigned seed = 1; seed <= 5; ++seed) {
    std::mt19937 rng(seed);
    auto pick = [&rng](int n) { return static_cast<int>(rng() % n); };
    auto fast = std::make_unique<Model>(), naive = std::make_unique<Model>();
    for (Model* model : {fast.get(), naive.get()}) {
      std::mt19937 fill(seed);
      for (int k = 0; k < 50; ++k) model->GridJoint(1 + fill() % 8, 1 + fill() % 6, 1 + fill() % 7) = 77;
      if (seed % 2) continue;
      // Sets are never cleared: a repeated value left in one.
      for (float v : {7.5f, 3.0f, 7.5f}) model->GridX[++model->GridX[0]] = v;
    }
    for (int j = 1; j <= 300; ++j) {
      // Whole numbers mostly; some halves, negatives and repeats.
      const float number = pick(10) == 0 ? pick(200) - 100.5f : static_cast<float>(pick(32767));
      const float x = xs[pick(7)], z = zs[pick(6)];
      // A level that is not a number matches nothing and keeps SortSet from
      // ordering the levels around it: 3, 9, NaN, then the rest ascending.
      const float early[] = {9, 3, NAN};
      const float y = seed % 2 == 0 && j <= 3 ? early[j - 1] : levels[pick(5)];
      AddJoint(*fast, number, x, y, z);
      AddJoint(*naive, number, x, y, z);
    }
    BuildJointGrid(*fast);
    BuildJointGridNaive(*naive);
    for (const auto set : {&Model::GridX, &Model::GridLevels, &Model::GridY})
      for (int i = 0; i <= 10; ++i)  // bit by bit: a NaN is part of the set
        ASSERT_EQ(std::bit_cast<std::uint32_t>((*fast.*set)[i]),
                  std::bit_cast<std::uint32_t>((*naive.*set)[i]));
    for (int x = 0; x <= kMaxGridIndex; ++x)
      for (int l = 0; l <= kMaxGridIndex; ++l)
        for (int y = 0; y <= kMaxGridIndex; ++y)
          ASSERT_EQ(fast->GridJoint(x, l, y), naive->GridJoint(x, l, y)) << x << " " << l << " " << y;
  }
}

}  // namespace
}  // namespace footmark
