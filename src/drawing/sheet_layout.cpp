#include "drawing/sheet_layout.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "drawing/plan_frame.h"
#include "model/failure.h"

namespace footmark::sheet {

namespace {

bool Contains(const Extents& outer, const Extents& inner) {
  return inner.min.x >= outer.min.x - 1e-9 && inner.min.y >= outer.min.y - 1e-9 && inner.max.x <= outer.max.x + 1e-9 &&
         inner.max.y <= outer.max.y + 1e-9;
}

// The candidates in order of preference: 1:100 on the smallest paper, then
// 1:200; a scale or paper set keeps to it.
std::vector<std::pair<int, Paper>> Candidates(const SheetSettings& s, bool split) {
  const std::vector<int> scales = s.scale ? std::vector<int>{s.scale} : std::vector<int>{100, 200};
  const std::vector<Paper> papers = s.paper != Paper::kAuto ? std::vector<Paper>{s.paper}
                                    : split ? std::vector<Paper>{Paper::kA1, Paper::kA0}
                                            : std::vector<Paper>{Paper::kA3, Paper::kA2, Paper::kA1, Paper::kA0};
  std::vector<std::pair<int, Paper>> out;
  for (const int scale : scales)
    for (const Paper paper : papers) out.push_back({scale, paper});
  return out;
}

PanelSize BlockSize(const Extents& region, int scale) {
  const double k = 1000.0 / scale;
  return {(region.max.x - region.min.x) * k + kRingNear + kRingFar,
          (region.max.y - region.min.y) * k + kRingNear + kRingFar};
}

// Zones of the plan for a plan area; empty when a zone would not fit.
std::vector<ZoneLayout> Zones(const Extents& plan, const std::vector<std::pair<double, double>>& spansX,
                              const std::vector<std::pair<double, double>>& spansY, int scale, PanelSize area,
                              std::vector<double>& cutsX, std::vector<double>& cutsY) {
  const PanelSize whole = BlockSize(plan, scale);
  const auto parts = [](double need, double room) {
    return room <= kRingNear + kRingFar ? 1000 : std::max(1, static_cast<int>(std::ceil((need - kRingNear - kRingFar) / (room - kRingNear - kRingFar))));
  };
  int nx = parts(whole.w, area.w), ny = parts(whole.h, area.h);
  for (int tries = 0; tries < 4 && nx <= 20 && ny <= 20; ++tries) {
    cutsX = ZoneCuts(plan.min.x, plan.max.x, nx, spansX);
    cutsY = ZoneCuts(plan.min.y, plan.max.y, ny, spansY);
    std::vector<ZoneLayout> zones;
    bool fits = true;
    // Zones read like a page: rows from the top, each from the left.
    for (int r = 0; r < ny && fits; ++r)
      for (int c = 0; c < nx && fits; ++c) {
        const std::size_t top = static_cast<std::size_t>(ny - r);
        const Extents region{{cutsX[static_cast<std::size_t>(c)], cutsY[top - 1]},
                             {cutsX[static_cast<std::size_t>(c) + 1], cutsY[top]}};
        const PanelSize b = BlockSize(region, scale);
        fits = b.w <= area.w && b.h <= area.h;
        zones.push_back({region, c, r, {}});
      }
    if (fits) return zones;
    // A cut in a gap away from the middle left a zone too large: one more.
    bool wide = false;
    for (const ZoneLayout& z : zones) wide = wide || BlockSize(z.region, scale).w > area.w;
    (wide ? nx : ny) += 1;
  }
  return {};
}

// Cells row by row in the first spot of a sheet that holds them all, the
// widest grid first; on a new sheet as many as it holds when none does.
bool PlaceCells(Layout& layout, std::vector<Packer>& packers, const std::function<Packer*()>& newSheet,
                PanelSize cell, std::size_t cells) {
  std::size_t first = 0;
  bool fresh = false;
  while (first < cells) {
    const std::size_t left = cells - first;
    bool placed = false;
    for (std::size_t s = fresh ? packers.size() - 1 : 0; s < packers.size() && !placed; ++s)
      for (std::size_t cols = left; cols >= 1 && !placed; --cols) {
        const std::size_t rows = (left + cols - 1) / cols;
        std::size_t count = left;
        std::optional<Extents> at = packers[s].Find(cols * cell.w, rows * cell.h, false);
        // A fresh sheet that cannot hold them all takes full rows.
        for (std::size_t r = rows; fresh && !at && r > 1; --r) {
          count = std::min(left, (r - 1) * cols);
          at = packers[s].Find(cols * cell.w, (r - 1) * cell.h, false);
        }
        if (!at) continue;
        packers[s].Take(*at, false);
        layout.cells.push_back({s, *at, first, count, static_cast<int>(cols)});
        first += count;
        placed = true;
      }
    if (placed) {
      fresh = false;
      continue;
    }
    if (fresh) return false;  // not one cell on an empty sheet
    newSheet();
    fresh = true;
  }
  return true;
}

std::optional<Layout> TryLayout(const LayoutAsk& ask, int scale, Paper paperName, bool split) {
  Layout layout;
  layout.paper = PaperOf(paperName);
  layout.scale = scale;
  // Panels keep clear of the frame's lines.
  const Extents border = FrameOf(layout.paper);
  const Extents frame{{border.min.x + 3, border.min.y + 3}, {border.max.x - 3, border.max.y - 3}};
  const double frameW = frame.max.x - frame.min.x, frameH = frame.max.y - frame.min.y;
  // A cut plan leaves a column on the right for the title block, the key
  // plan and the legend; one sheet takes the plan first and packs around it.
  const PanelSize area{split ? frameW - kTitleWidth - kPanelGap : frameW, split ? frameH : frameH - kTitleHeight};
  layout.zones = Zones(ask.plan, ask.spansX, ask.spansY, scale, area, layout.cutsX, layout.cutsY);
  if (layout.zones.empty() || (layout.zones.size() > 1) != split) return std::nullopt;

  std::vector<Packer> packers;
  const std::function<Packer*()> newSheet = [&] {
    Packer& p = packers.emplace_back(frame);
    p.Occupy({{frame.max.x - kTitleWidth, frame.min.y}, {frame.max.x, frame.min.y + kTitleHeight + kPanelGap}});
    return &p;
  };
  for (ZoneLayout& z : layout.zones) {
    Packer* p = newSheet();
    const PanelSize b = BlockSize(z.region, scale);
    z.block = {{frame.min.x, frame.max.y - b.h}, {frame.min.x + b.w, frame.max.y}};
    p->Occupy({{z.block.min.x, z.block.min.y - kPanelGap}, {z.block.max.x + kPanelGap, z.block.max.y}});
    std::vector<Extents>& own = layout.sheetPanels.emplace_back();
    std::vector<PanelSize> asked = ask.sheetPanels;
    if (split) asked.push_back(ask.keyPlan);
    for (const PanelSize& s : asked) {
      const std::optional<Extents> at = p->Place(s.w, s.h, true);
      if (!at) return std::nullopt;
      own.push_back(*at);
    }
  }
  for (const PanelSize& s : ask.panels) {
    std::optional<Extents> at;
    std::size_t sheet = 0;
    for (; sheet < packers.size() && !at; ++sheet) at = packers[sheet].Place(s.w, s.h, s.column);
    if (!at) {
      at = newSheet()->Place(s.w, s.h, s.column);
      if (!at) return std::nullopt;  // larger than the paper
      sheet = packers.size();
    }
    layout.panels.push_back({sheet - 1, *at});
  }
  if (!PlaceCells(layout, packers, newSheet, ask.cell, ask.cells)) return std::nullopt;
  layout.sheets = packers.size();
  return layout;
}

}  // namespace

PaperSize PaperOf(Paper paper) {
  switch (paper) {
    case Paper::kA3: return {Paper::kA3, "A3", 420, 297};
    case Paper::kA2: return {Paper::kA2, "A2", 594, 420};
    case Paper::kA0: return {Paper::kA0, "A0", 1189, 841};
    default: return {Paper::kA1, "A1", 841, 594};
  }
}

Extents FrameOf(const PaperSize& paper) { return {{20, 10}, {paper.width - 10, paper.height - 10}}; }

void Packer::Occupy(const Extents& box) {
  std::vector<Extents> next;
  for (const Extents& f : free_) {
    if (!Overlap(f, box)) {
      next.push_back(f);
      continue;
    }
    // What is left of f on each side of the box, each as tall or wide as f.
    if (box.min.x > f.min.x) next.push_back({f.min, {box.min.x, f.max.y}});
    if (box.max.x < f.max.x) next.push_back({{box.max.x, f.min.y}, f.max});
    if (box.min.y > f.min.y) next.push_back({f.min, {f.max.x, box.min.y}});
    if (box.max.y < f.max.y) next.push_back({{f.min.x, box.max.y}, f.max});
  }
  free_.clear();
  for (std::size_t i = 0; i < next.size(); ++i) {
    bool contained = false;
    for (std::size_t j = 0; j < next.size() && !contained; ++j)
      contained = j != i && Contains(next[j], next[i]) && (!Contains(next[i], next[j]) || j < i);
    if (!contained) free_.push_back(next[i]);
  }
}

std::optional<Extents> Packer::Find(double w, double h, bool column) const {
  const Extents* best = nullptr;
  for (const Extents& f : free_) {
    if (f.max.x - f.min.x < w - 1e-9 || f.max.y - f.min.y < h - 1e-9) continue;
    const bool better = !best ? true
                        : column ? f.max.x > best->max.x + 0.5 || (f.max.x > best->max.x - 0.5 && f.min.y < best->min.y)
                                 : f.max.y > best->max.y + 0.5 || (f.max.y > best->max.y - 0.5 && f.min.x < best->min.x);
    if (better) best = &f;
  }
  if (!best) return std::nullopt;
  return column ? Extents{{best->max.x - w, best->min.y}, {best->max.x, best->min.y + h}}
                : Extents{{best->min.x, best->max.y - h}, {best->min.x + w, best->max.y}};
}

void Packer::Take(const Extents& box, bool column) {
  Occupy(column ? Extents{{box.min.x - kPanelGap, box.min.y}, {box.max.x, box.max.y + kPanelGap}}
                : Extents{{box.min.x, box.min.y - kPanelGap}, {box.max.x + kPanelGap, box.max.y}});
}

Layout ChooseLayout(const LayoutAsk& ask, const SheetSettings& settings) {
  for (const auto& [scale, paper] : Candidates(settings, false))
    if (auto l = TryLayout(ask, scale, paper, false); l && l->sheets == 1) return *l;
  // Not on one sheet: the plan alone on one if it can be, with the details
  // on more; else the plan cut into zones, at most four where possible.
  std::optional<Layout> chosen;
  for (const bool split : {false, true})
    for (const auto& [scale, paper] : Candidates(settings, split)) {
      auto l = TryLayout(ask, scale, paper, split);
      if (!l) continue;
      if (!chosen || l->zones.size() < chosen->zones.size() ||
          (l->zones.size() == chosen->zones.size() && l->sheets < chosen->sheets))
        chosen = std::move(l);
      if (chosen->zones.size() <= 4) return *chosen;
    }
  if (chosen) return *chosen;
  // Nothing fits the settings: the largest paper at the smallest scale.
  if (settings.paper == Paper::kA0 && settings.scale == 200)
    throw RuntimeFailure("the footing plan does not fit A0 sheets at 1:200");
  return ChooseLayout(ask, {Paper::kA0, 200, settings.gridMerge});
}

}  // namespace footmark::sheet
