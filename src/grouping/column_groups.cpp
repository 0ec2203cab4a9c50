#include "grouping/column_groups.h"

#include <utility>

namespace footmark {

namespace {

void FillEntries(Model& model) {
  for (int i = 1; i <= model.NumSupports; ++i) {
    const FootingRecord& support = model.Footings(i);
    ColumnEntry& entry = model.ColumnList(i);
    const bool widthSmaller = support.ColWidth < support.ColDepth;
    entry.MinSide = widthSmaller ? support.ColWidth : support.ColDepth;
    entry.MaxSide = widthSmaller ? support.ColDepth : support.ColWidth;
    entry.ReqSteel = support.MaxColSteel;
    entry.SupportNo = static_cast<int16>(i);
  }
}

// Stable bubble sort of entries 1..NumSupports on one key.
void SortEntries(Model& model, float ColumnEntry::*key) {
  bool swapped = true;
  while (swapped) {
    swapped = false;
    for (int i = 1; i <= model.NumSupports - 1; ++i) {
      if (model.ColumnList(i).*key > model.ColumnList(i + 1).*key) {
        std::swap(model.ColumnList(i), model.ColumnList(i + 1));
        swapped = true;
      }
    }
  }
}

// Entry 1 always opens group 1, even with no supports at all.
void FormGroups(Model& model) {
  int16 g = 1;
  int16 m = 1;
  model.ColGroups(g).Members(m) = model.ColumnList(1);
  float minSide = model.ColumnList(1).MinSide;
  float maxSide = model.ColumnList(1).MaxSide;
  for (int i = 2; i <= model.NumSupports; ++i) {
    const ColumnEntry& entry = model.ColumnList(i);
    if (entry.MinSide == minSide && entry.MaxSide == maxSide) {
      ++m;
    } else {
      model.ColGroups(g).MemberCount = m;
      ++g;
      m = 1;
      minSide = entry.MinSide;
      maxSide = entry.MaxSide;
    }
    model.ColGroups(g).Members(m) = entry;
  }
  model.ColGroups(g).MemberCount = m;
  model.ColGroupCount = g;
}

// The first set whose area exceeds the required steel; none if even the
// heaviest set falls short.
void AssignBarSets(Model& model) {
  for (int g = 1; g <= model.ColGroupCount; ++g) {
    ColGroup& group = model.ColGroups(g);
    for (int m = 1; m <= group.MemberCount; ++m) {
      ColumnEntry& member = group.Members(m);
      for (int k = 1; k <= model.BarSetCount; ++k) {
        if (member.ReqSteel < model.BarSets(k).SetArea) {
          member.ProvSteel = model.BarSets(k).SetArea;
          member.BarSetNo = static_cast<int16>(k);
          break;
        }
      }
    }
  }
}

}  // namespace

void GroupColumns(Model& model) {
  FillEntries(model);
  // Three stable passes leave the list ordered by larger side, then smaller
  // side, then required steel.
  SortEntries(model, &ColumnEntry::ReqSteel);
  SortEntries(model, &ColumnEntry::MinSide);
  SortEntries(model, &ColumnEntry::MaxSide);
  FormGroups(model);
  AssignBarSets(model);
}

}  // namespace footmark
