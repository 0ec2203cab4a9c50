#include "drawing/text_placer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace footmark::sheet {

namespace {

constexpr double kCell = 12;  // mm, side of a bucket of the index

bool Inside(const Extents& inner, const Extents& outer) {
  return inner.min.x >= outer.min.x && inner.min.y >= outer.min.y && inner.max.x <= outer.max.x &&
         inner.max.y <= outer.max.y;
}

}  // namespace

Placer::Placer(const Extents& bounds) : bounds_(bounds), limit_(bounds) {
  nx_ = std::max(1, static_cast<int>(std::ceil((bounds.max.x - bounds.min.x) / kCell)));
  ny_ = std::max(1, static_cast<int>(std::ceil((bounds.max.y - bounds.min.y) / kCell)));
  cells_.resize(static_cast<std::size_t>(nx_) * static_cast<std::size_t>(ny_));
}

template <class F>
void Placer::ForCells(const Extents& box, F f) const {
  const auto cell = [](double v, double lo, int n) { return std::clamp(static_cast<int>((v - lo) / kCell), 0, n - 1); };
  const int x0 = cell(box.min.x, bounds_.min.x, nx_), x1 = cell(box.max.x, bounds_.min.x, nx_);
  const int y0 = cell(box.min.y, bounds_.min.y, ny_), y1 = cell(box.max.y, bounds_.min.y, ny_);
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) f(static_cast<std::size_t>(y) * static_cast<std::size_t>(nx_) + static_cast<std::size_t>(x));
}

void Placer::Add(const Box& box) {
  const int index = static_cast<int>(boxes_.size());
  boxes_.push_back(box);
  ForCells(box.box, [&](std::size_t c) { cells_[c].push_back(index); });
}

void Placer::AddText(const Extents& box) { Add({box, Kind::kText, 0, 0}); }
void Placer::AddArea(const Extents& box, int owner, int other) { Add({box, Kind::kArea, owner, other}); }
void Placer::AddSolid(const Extents& box) { Add({box, Kind::kSolid, 0, 0}); }

bool Placer::Free(const Extents& box, int owner) const {
  if (!Inside(box, bounds_) || !Inside(box, limit_)) return false;
  bool free = true;
  ForCells(box, [&](std::size_t c) {
    for (const int i : cells_[c]) {
      if (!free) return;
      const Box& b = boxes_[static_cast<std::size_t>(i)];
      if (!Overlap(box, b.box)) continue;
      // Its own footing holds the label wholly or not at all.
      const bool own = b.kind == Kind::kArea && owner != 0 && (b.owner == owner || b.other == owner);
      if (!own || !Inside(box, b.box)) free = false;
    }
  });
  return free;
}

std::optional<Extents> Placer::First(const std::vector<Extents>& candidates, int owner) const {
  for (const Extents& c : candidates)
    if (Free(c, owner)) return c;
  return std::nullopt;
}

std::optional<Extents> Placer::Around(Vec2 anchor, double w, double h, double from, int owner) const {
  for (double r = from; r < from + 120; r += 2.5) {
    // Above first, then round both ways.
    for (int k = 0; k < 24; ++k) {
      const int step = (k + 1) / 2 * (k % 2 ? 1 : -1);
      const double a = std::numbers::pi / 2 + step * std::numbers::pi / 12;
      const Vec2 c{anchor.x + r * std::cos(a), anchor.y + r * std::sin(a)};
      const Extents box = BoxAt(c, w, h);
      if (Free(box, owner)) return box;
    }
  }
  return std::nullopt;
}

}  // namespace footmark::sheet
