#include "model/support_records.h"

#include "model/numerics.h"

namespace footmark {

void PlaceSupports(Model& model) {
  const int ny = ToInt16(model.GridY[0]);
  const int nx = ToInt16(model.GridX[0]);
  for (int y = 1; y <= ny; ++y)
    for (int x = 1; x <= nx; ++x) {
      const int16 joint = model.GridJoint(x, 1, y);
      if (joint <= 0) continue;
      // Every support is tested: two supports may share a joint.
      const int supports = ToInt16(model.SupportReactions(0, 0, 0));
      for (int s = 1; s <= supports; ++s) {
        if (model.SupportReactions(s, 1, 0) != joint) continue;
        FootingRecord& support = model.Footings(s);
        support.JointNo = IntText(joint);
        support.PosX = model.GridX(x);
        support.PosY = model.GridY(y);
        support.GridIX = ToInt16(x);
        support.GridIY = ToInt16(y);
      }
    }
}

void ApplyBetaSwap(Model& model) {
  if (model.NumSupports < 1) return;
  const int entries = ToInt16(LeadingValue(model.BetaMembers(0)));
  for (int s = 1; s <= model.NumSupports; ++s) {
    FootingRecord& support = model.Footings(s);
    // A BETA command turns the column in plan, so its sides change axes. A
    // column listed twice is turned twice and ends as it was.
    for (int b = 1; b <= entries; ++b) {
      if (model.BetaMembers(b) != support.ColumnNo) continue;
      const float oldWidth = support.ColWidth;
      support.ColWidth = support.ColDepth;
      support.ColDepth = Sng(RoundHalfEven(oldWidth));
    }
  }
}

}  // namespace footmark
