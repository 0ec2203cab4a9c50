#include "design/size_classes.h"

#include "model/numerics.h"

namespace footmark {

namespace {

// Working lists of the merge order, one entry per class still standing.
struct ClassList {
  Table<int16, kMaxClasses> count{"class counts"};
  Table<float, kMaxClasses> side{"class sides"};
  Table<int16, kMaxClasses> number{"class numbers"};
};

// The side rounded up to the next 0.1 m (sides carry two decimals).
float RoundUpToTenth(float side) { return RoundDecimals(Sng(side + 0.049), 1); }

void RecordClass(Model& model, ClassList& list, int16& n, int16 count, float s) {
  const int16 k = n + 1;
  list.count(k) = count;
  list.side(k) = s;
  list.number(k) = k;
  model.ClassSize(k) = s;
  n = k;
}

// Merges, one at a time, the class whose footings would all move to the next
// larger side at the least extra footing area, until one class is left.
void FindMergeOrder(Model& model, ClassList& list, int16 n) {
  int16 m = 0;
  while (n > 1) {
    n = n - 1;
    float least = 10000.0f;
    int chosen = 0;
    for (int k = 1; k <= n; ++k) {
      const double next = list.side(k + 1), own = list.side(k);
      const float cost = Sng((next * next - own * own) * list.count(k));
      if (cost < least) {
        least = cost;
        chosen = k;
      }
    }
    // With no cost below 10000 m2 nothing is chosen: MergeOrder gets 0 and
    // the working lists stay as they are.
    m = m + 1;
    model.MergeOrder(m) = list.number(chosen);
    if (chosen == 0) continue;
    list.count(chosen + 1) = list.count(chosen + 1) + list.count(chosen);
    for (int k = chosen; k <= n; ++k) {
      list.count(k) = list.count(k + 1);
      list.side(k) = list.side(k + 1);
      list.number(k) = list.number(k + 1);
    }
  }
}

}  // namespace

void BuildSizeClasses(Model& model) {
  const auto& rows = model.FootingSizes;
  const int N = ToInt16(rows(0, 0));
  const float smin = Sng(RoundUpToTenth(rows(1, 1)) - 0.1);
  const int steps = ToInt16((RoundUpToTenth(rows(N, 1)) - static_cast<double>(smin)) / 0.1);

  ClassList list;
  int16 n = 0;
  int start = 1;
  int16 count = 0;
  float s = 0;
  for (int k = 1; k <= steps; ++k) {
    s = RoundDecimals(Sng(smin + k * 0.1), 2);
    for (int j = start; j <= N; ++j) {
      if (rows(j, 1) <= s) {
        count = count + 1;
        continue;
      }
      start = j;
      if (count != 0) {
        RecordClass(model, list, n, count, s);
        count = 0;
      }
      break;
    }
  }
  // The rows left over belong to the last step's side.
  RecordClass(model, list, n, count, s);
  model.ClassCount = n;
  model.MergeLimits(0, 1) = n - 1;
  FindMergeOrder(model, list, n);
}

void AssignSizeClasses(Model& model, int16 mergeCount) {
  Table<float, kMaxClasses> sides{"class sides"};
  for (int i = 1; i <= model.ClassCount; ++i) sides(i) = model.ClassSize(i);
  for (int i = 1; i <= mergeCount; ++i) sides(model.MergeOrder(i)) = 0;
  int t = 0;
  for (int i = 1; i <= model.ClassCount; ++i)
    if (sides(i) > 0) sides(++t) = sides(i);

  auto& rows = model.FootingSizes;
  const int N = ToInt16(rows(0, 0));
  int start = 1;
  for (int i = 1; i <= t; ++i) {
    const float s = sides(i);
    for (int j = start; j <= N; ++j) {
      if (rows(j, 1) > s) {
        start = j;
        break;
      }
      rows(j, 2) = s;
      model.Footings(ToInt16(rows(j, 0))).FootSize = s;
    }
  }
}

}  // namespace footmark
