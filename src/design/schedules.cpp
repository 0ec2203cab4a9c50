#include "design/schedules.h"

#include "grouping/bar_sets.h"
#include "model/failure.h"
#include "model/numerics.h"

namespace footmark {

std::vector<FootingRow> FootingScheduleRows(const Model& model) {
  if (model.FootGroupCount > kMaxFootingScheduleRows)
    throw RuntimeFailure("subscript out of range: more than 33 rows in the footing schedule");
  std::vector<FootingRow> rows;
  for (int r = 1; r <= model.FootGroupCount; ++r) {
    const FootGroup& g = model.FootGroups[r];
    rows.push_back({"F" + IntText(r), NumText(g.Size), NumText(g.Pedestal), NumText(g.Depth),
                    IntText(g.BarDia), g.BarText});
  }
  return rows;
}

std::vector<ColumnRow> ColumnScheduleRows(const Model& model) {
  std::vector<ColumnRow> rows;
  int previousType = 0;
  for (int g = 1; g <= model.ColGroupCount; ++g) {
    const ColGroup& group = model.ColGroups[g];
    for (int m = 1; m <= group.MemberCount; ++m) {
      const ColumnEntry& member = group.Members[m];
      const FootingRecord& support = model.Footings[member.SupportNo];
      const int t = support.ColType;
      if (t == previousType) continue;
      previousType = t;
      const int n = static_cast<int>(rows.size()) + 1;
      if (n > kMaxColumnScheduleRows)
        throw RuntimeFailure("subscript out of range: more than 53 rows in the column schedule");
      const std::string section = member.MinSide <= 0
                                      ? NumText(member.MaxSide)
                                      : NumText(member.MinSide) + " X " + NumText(member.MaxSide);
      const FootGroup& footing = model.FootGroups[support.FootGroupNo];
      const int tieRow = model.TypeTieRow[t];
      rows.push_back({"C" + IntText(t), section, NumText(model.PedSizes[footing.PedType]),
                      BarSetLabel(model, model.TypeBarSet[n]),
                      NumText(model.ColumnDesigns(tieRow, 6)) + " - " +
                          NumText(model.ColumnDesigns(tieRow, 7))});
    }
  }
  return rows;
}

std::string FootingMark(const Model& model, int support) {
  const FootingRecord& rec = model.Footings[support];
  return "F" + IntText(rec.FootGroupNo) + "/P" + IntText(model.FootGroups[rec.FootGroupNo].PedType) +
         "/C" + IntText(rec.ColType);
}

}  // namespace footmark
