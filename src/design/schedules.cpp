#include "design/schedules.h"

#include "design/foot_groups.h"
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

std::vector<SupportRow> SupportRows(const Model& model) {
  // The trial sides, by support, from the trial size table (sorted by side).
  std::vector<float> trial(static_cast<std::size_t>(model.NumSupports) + 1, 0.0f);
  const int n = ToInt16(model.FootingSizes(0, 0));
  for (int k = 1; k <= n; ++k) {
    const int s = ToInt16(model.FootingSizes(k, 0));
    if (s >= 1 && s <= model.NumSupports) trial[static_cast<std::size_t>(s)] = model.FootingSizes(k, 1);
  }
  std::vector<SupportRow> rows;
  for (int s = 1; s <= model.NumSupports; ++s) {
    const FootingRecord& f = model.Footings[s];
    int16 lc = 0;
    const float q = f.FootSize > 0 ? MaxSoilPressure(model, static_cast<int16>(s), f.FootSize, lc) : 0.0f;
    rows.push_back({s, f.JointNo, f.PosX, f.PosY, f.ColumnNo, f.ColWidth, f.ColDepth,
                    trial[static_cast<std::size_t>(s)], f.FootSize, FootingMark(model, s),
                    lc > 0 ? model.SupportReactions(s, lc, 1) : 0.0f, q});
  }
  return rows;
}

std::vector<UpliftRow> UpliftRows(const Model& model) {
  std::vector<UpliftRow> rows;
  for (int s = 1; s <= model.NumSupports; ++s)
    for (int c = 1; c <= model.NumLoadCases; ++c)
      if (model.SupportReactions(s, c, 2) <= 0)
        rows.push_back({s, model.Footings[s].JointNo, model.SupportReactions(s, c, 1), model.SupportReactions(s, c, 2)});
  return rows;
}

std::string FootingMark(const Model& model, int support) {
  const FootingRecord& rec = model.Footings[support];
  return "F" + IntText(rec.FootGroupNo) + "/P" + IntText(model.FootGroups[rec.FootGroupNo].PedType) +
         "/C" + IntText(rec.ColType);
}

}  // namespace footmark
