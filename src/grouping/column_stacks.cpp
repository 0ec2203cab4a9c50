#include "grouping/column_stacks.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>

#include "grouping/tie_area.h"
#include "model/numerics.h"

namespace footmark {

int16 FindMember(const Model& model, int16 lower, int16 upper) {
  if (model.NumMembers < 1) return 0;
  for (int i = 1; i <= model.NumMembers; ++i)
    if (model.MemberIncidences(i, 2) == upper && model.MemberIncidences(i, 1) == lower)
      return ToInt16(model.MemberIncidences(i, 0));
  return 0;
}

int16 FindColumnDesign(const Model& model, int16 member) {
  if (model.NumColumnDesigns < 1) return 0;
  for (int i = 1; i <= model.NumColumnDesigns; ++i)
    if (static_cast<double>(model.ColumnDesigns(i, 1)) == member) return ToInt16(i);
  return 0;
}

namespace {

// FindMember and FindColumnDesign answered from maps built once, for up to a
// million grid joints. Each map keeps the first row of its key, as the scans
// return the first match. A count past its table's capacity makes the scan
// fail after its last real row, so a miss then falls back to the scan.
class StackLookup {
 public:
  explicit StackLookup(const Model& model) : model_(model) {
    const int members = std::min<int>(model.NumMembers, kMaxMembers);
    for (int i = 1; i <= members; ++i)
      members_.try_emplace(Key(model.MemberIncidences(i, 1), model.MemberIncidences(i, 2)), i);
    const int designs = std::min<int>(model.NumColumnDesigns, kMaxColumnDesigns);
    for (int i = 1; i <= designs; ++i) {
      const float m = model.ColumnDesigns(i, 1);
      // Only a whole number within 16 bits can equal a member number.
      if (m == std::trunc(m) && m >= -32768 && m <= 32767) designs_.try_emplace(static_cast<int>(m), i);
    }
  }

  int16 Member(int16 lower, int16 upper) const {
    const auto it = members_.find(Key(lower, upper));
    if (it != members_.end()) return ToInt16(model_.MemberIncidences(it->second, 0));
    return model_.NumMembers > kMaxMembers ? FindMember(model_, lower, upper) : 0;
  }

  int16 DesignRow(int16 member) const {
    const auto it = designs_.find(member);
    if (it != designs_.end()) return ToInt16(it->second);
    return model_.NumColumnDesigns > kMaxColumnDesigns ? FindColumnDesign(model_, member) : 0;
  }

 private:
  static std::uint64_t Key(int32 lower, int32 upper) {
    const auto high = static_cast<std::uint64_t>(static_cast<std::uint32_t>(lower));
    return high << 32 | static_cast<std::uint32_t>(upper);
  }

  const Model& model_;
  std::unordered_map<std::uint64_t, int> members_;
  std::unordered_map<int, int> designs_;
};

// The design row of the column that runs up to every grid joint above the
// lowest level from the nearest joint below it on the same vertical line.
void LinkColumns(Model& model) {
  const StackLookup lookup(model);
  const int nl = ToInt16(model.GridLevels[0]);
  const int nx = ToInt16(model.GridX[0]);
  const int ny = ToInt16(model.GridY[0]);
  // The rows below are read unchecked: the far corner is checked once.
  if (nl >= 2 && nx >= 1 && ny >= 1) static_cast<void>(model.GridJoint(nx, nl, ny));
  for (int l = 2; l <= nl; ++l)
    for (int x = 1; x <= nx; ++x) {
      const std::span<const int16> row = model.GridJoint.Row(x, l);
      // Most rows of the grid hold no joint at all: one pass over the row
      // tells, and the compiler does it many entries at a time.
      int16 any = 0;
      for (const int16 joint : row) any = static_cast<int16>(any | joint);
      if (any == 0) continue;
      for (int y = 1; y <= ny; ++y) {
        const int16 upper = row[static_cast<std::size_t>(y)];
        if (upper <= 0) continue;
        // A floor without a joint here is skipped: the column runs through it.
        int k = l;
        do --k;
        while (model.GridJoint(x, k, y) == 0 && k > 1);
        const int16 lower = model.GridJoint(x, k, y);
        if (lower <= 0) continue;
        const int16 member = lookup.Member(lower, upper);
        if (member != 0) model.GridDesignRow(x, l, y) = lookup.DesignRow(member);
      }
    }
}

// Walks up the stack from the support to the first storey without a designed
// column, keeping the heaviest steel and ties for the schedules.
void SummariseStack(Model& model, FootingRecord& support) {
  const int nl = ToInt16(model.GridLevels[0]);
  float maxSteel = 0, maxTie = 0;
  int16 tieRow = 0;
  for (int l = 2; l <= nl; ++l) {
    const int16 r = model.GridDesignRow(support.GridIX, l, support.GridIY);
    if (r == 0) break;
    if (maxSteel < model.ColumnDesigns(r, 5)) maxSteel = model.ColumnDesigns(r, 5);
    // Two tie legs. Strictly heavier only: on a tie the lower storey stays.
    const float tie = Sng(2.0 * TieArea(model, r));
    if (maxTie < tie) {
      maxTie = tie;
      tieRow = r;
    }
  }
  support.MaxColSteel = maxSteel;
  support.TieRow = tieRow;
  // The ground-storey column; row 0 of the designs is all zero, so a support
  // without one gets 0 x 0 and column "0".
  const int16 ground = model.GridDesignRow(support.GridIX, 2, support.GridIY);
  support.ColWidth = model.ColumnDesigns(ground, 3);
  support.ColDepth = model.ColumnDesigns(ground, 4);
  support.ColumnNo = NumText(model.ColumnDesigns(ground, 1));
}

}  // namespace

void BuildColumnStacks(Model& model) {
  LinkColumns(model);
  for (int s = 1; s <= model.NumSupports; ++s) SummariseStack(model, model.Footings(s));
}

}  // namespace footmark
