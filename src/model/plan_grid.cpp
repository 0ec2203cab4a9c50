#include "model/plan_grid.h"

#include "model/counted_set.h"

namespace footmark {

void CollectGridLines(Model& model) {
  for (int s = 1; s <= model.NumSupports; ++s) {
    AddDistinct(model.GridLinesX, model.Footings[s].PosX);
    AddDistinct(model.GridLinesY, model.Footings[s].PosY);
  }
  SortSet(model.GridLinesX);
  SortSet(model.GridLinesY);
}

}  // namespace footmark
