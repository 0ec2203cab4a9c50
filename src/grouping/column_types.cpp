#include "grouping/column_types.h"

#include "grouping/tie_area.h"

namespace footmark {

namespace {

// A new type starts wherever the sub-group changes; a group's first member
// compares with the empty element 0, so members without a sub-group open none.
void NumberTypes(Model& model) {
  int16 t = 0;
  for (int g = 1; g <= model.ColGroupCount; ++g) {
    const ColGroup& group = model.ColGroups(g);
    for (int m = 1; m <= group.MemberCount; ++m) {
      const ColumnEntry& member = group.Members(m);
      if (member.SubGroup != group.Members(m - 1).SubGroup) ++t;
      model.Footings(member.SupportNo).ColType = t;
      // The type ends with the bar set of its heaviest member.
      model.TypeBarSet(t) = member.BarSetNo;
      model.TypeTieRow(t) = 0;
    }
  }
  model.TypeBarSet(0) = t;
}

// The stack with the most tie steel per metre governs a type's ties; on a tie
// the lower support keeps it.
void ChooseTieRows(Model& model) {
  for (int t = 1; t <= model.TypeBarSet(0); ++t) {
    for (int s = 1; s <= model.NumSupports; ++s) {
      const FootingRecord& support = model.Footings(s);
      if (support.ColType == t && TieArea(model, support.TieRow) > TieArea(model, model.TypeTieRow(t)))
        model.TypeTieRow(t) = support.TieRow;
    }
  }
}

}  // namespace

void BuildColumnTypes(Model& model) {
  NumberTypes(model);
  ChooseTieRows(model);
}

}  // namespace footmark
