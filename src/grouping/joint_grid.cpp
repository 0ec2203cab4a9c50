#include "grouping/joint_grid.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "model/counted_set.h"
#include "model/numerics.h"

namespace footmark {
namespace {

// Both fills start alike: the coordinates gathered in joint order, then sorted.
void CollectCoordinates(Model& model) {
  for (int i = 1; i <= model.NumJoints; ++i) {
    AddDistinct(model.GridX, model.Joints(i, 1));
    AddDistinct(model.GridLevels, model.Joints(i, 2));
    AddDistinct(model.GridY, model.Joints(i, 3));
  }
  SortSet(model.GridX);
  SortSet(model.GridLevels);
  SortSet(model.GridY);
}

// Where a coordinate sits in its sorted set. Distinct finite values come out
// of SortSet strictly ascending, so a binary search finds the one match. The
// sets are never cleared, though, and one that SortSet could not order (a NaN
// blocks its swaps) is searched value by value; either way every equal
// position is reported, as the literal comparison would find it.
class SetPositions {
 public:
  SetPositions(const CountedSet& set, int count) {
    for (int i = 1; i <= count; ++i) values_.push_back(set[i]);
    ordered_ = std::none_of(values_.begin(), values_.end(), [](float v) { return std::isnan(v); }) &&
               std::is_sorted(values_.begin(), values_.end());
  }

  // Grid indices (from 1) of the values equal to v.
  void Find(float v, std::vector<int>& found) const {
    found.clear();
    auto first = values_.begin(), last = values_.end();
    if (ordered_) std::tie(first, last) = std::equal_range(first, last, v);
    for (auto it = first; it != last; ++it)
      if (*it == v) found.push_back(static_cast<int>(it - values_.begin()) + 1);
  }

 private:
  std::vector<float> values_;
  bool ordered_ = false;
};

}  // namespace

void BuildJointGrid(Model& model) {
  CollectCoordinates(model);
  const int nx = ToInt16(model.GridX[0]);
  const int nl = ToInt16(model.GridLevels[0]);
  const int ny = ToInt16(model.GridY[0]);
  if (model.NumJoints < 1) return;
  const SetPositions xs(model.GridX, nx), ls(model.GridLevels, nl), ys(model.GridY, ny);
  std::vector<int> ix, il, iy;
  // Joints in row order, so the later of two joints at one point stays.
  for (int i = 1; i <= model.NumJoints; ++i) {
    xs.Find(model.Joints(i, 1), ix);
    ls.Find(model.Joints(i, 2), il);
    ys.Find(model.Joints(i, 3), iy);
    if (ix.empty() || il.empty() || iy.empty()) continue;
    const int16 number = ToInt16(model.Joints(i, 0));
    for (int y : iy)
      for (int x : ix)
        for (int l : il) model.GridJoint(x, l, y) = number;
  }
}

void BuildJointGridNaive(Model& model) {
  CollectCoordinates(model);
  const int nx = ToInt16(model.GridX[0]);
  const int nl = ToInt16(model.GridLevels[0]);
  const int ny = ToInt16(model.GridY[0]);
  for (int y = 1; y <= ny; ++y)
    for (int x = 1; x <= nx; ++x)
      for (int l = 1; l <= nl; ++l)
        for (int i = 1; i <= model.NumJoints; ++i)
          if (model.GridX(x) == model.Joints(i, 1) && model.GridLevels(l) == model.Joints(i, 2) &&
              model.GridY(y) == model.Joints(i, 3))
            model.GridJoint(x, l, y) = ToInt16(model.Joints(i, 0));
}

}  // namespace footmark
