// Where the texts of a plan may go: none overlaps another text; none
// overlaps a footing (or its cloud) it does not label, nor crosses the edge
// of the one it labels; none covers a column or a pedestal. Boxes are in
// paper millimetres.
#pragma once

#include <optional>
#include <vector>

#include "drawing/drawing_geometry.h"

namespace footmark::sheet {

class Placer {
 public:
  // Texts stay inside `bounds`.
  explicit Placer(const Extents& bounds);

  // Texts placed from now on stay inside `limit` too.
  void Limit(const Extents& limit) { limit_ = limit; }

  void AddText(const Extents& box);
  // A footing, or the cloud around one or two: `owner` and `other` are the
  // items whose labels may stand inside it (0: none).
  void AddArea(const Extents& box, int owner, int other = 0);
  void AddSolid(const Extents& box);

  // Whether a text of the item `owner` (0: of none) may stand there.
  bool Free(const Extents& box, int owner) const;
  // The first free candidate.
  std::optional<Extents> First(const std::vector<Extents>& candidates, int owner) const;
  // A free box w x h on rings around `anchor` from `from` mm outwards, the
  // nearest first; for a text that needs a leader.
  std::optional<Extents> Around(Vec2 anchor, double w, double h, double from, int owner) const;

 private:
  enum class Kind { kText, kArea, kSolid };
  struct Box {
    Extents box;
    Kind kind;
    int owner, other;
  };
  void Add(const Box& box);
  template <class F>
  void ForCells(const Extents& box, F f) const;

  Extents bounds_, limit_;
  int nx_ = 1, ny_ = 1;
  std::vector<Box> boxes_;
  std::vector<std::vector<int>> cells_;
};

}  // namespace footmark::sheet
