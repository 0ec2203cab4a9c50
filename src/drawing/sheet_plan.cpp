#include "drawing/sheet_plan.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "drawing/sheet_panels.h"
#include "drawing/text_placer.h"
#include "model/numerics.h"

namespace footmark::sheet {

namespace {

constexpr double kBubble = 5;        // radius, mm
constexpr double kTier1 = 8, kTier2 = 16;  // dimension chains outside the region, mm
constexpr double kBubbleNear = 28, kBubbleFar = 13;  // bubble centres outside the region, mm
constexpr double kLabelReach = 5;    // labels may stand this far outside the region, mm
constexpr double kCloudGap = 2;      // a footing's cloud stands off its outline, mm
constexpr double kPairGap = 4;       // a clash cloud around both footings, mm

std::string Mm(double metres) { return DecimalText(std::fabs(metres) * 1000, 0); }
Vertex V(Vec2 p) { return {static_cast<float>(p.x), static_cast<float>(p.y), 0}; }

Extents Grow(const Extents& e, double by) { return {{e.min.x - by, e.min.y - by}, {e.max.x + by, e.max.y + by}}; }
Vec2 Middle(const Extents& e) { return {(e.min.x + e.max.x) / 2, (e.min.y + e.max.y) / 2}; }

// Bubble centres along a row: at their lines where there is room, spread
// apart (each run centred on its lines) where lines stand closer than a
// bubble.
std::vector<double> Spread(const std::vector<double>& at, double gap) {
  std::vector<double> c = at;
  for (std::size_t i = 1; i < c.size(); ++i) c[i] = std::max(c[i], c[i - 1] + gap);
  for (std::size_t s = 0; s < c.size();) {
    std::size_t e = s + 1;
    while (e < c.size() && c[e] - c[e - 1] < gap + 1e-9) ++e;
    double shift = 0;
    for (std::size_t i = s; i < e; ++i) shift += (at[i] - c[i]) / static_cast<double>(e - s);
    if (s > 0) shift = std::max(shift, c[s - 1] + gap - c[s]);
    for (std::size_t i = s; i < e; ++i) c[i] += std::min(shift, 0.0);
    s = e;
  }
  return c;
}

// Whether v lies in [lo, hi), or at hi when hi is the end of everything.
bool InRange(double v, double lo, double hi, double end) { return v >= lo && (v < hi || (hi >= end && v <= hi)); }

class ZonePainter {
 public:
  ZonePainter(Canvas& c, const ZoneContext& z, Sheet& sheet)
      : c_(c), z_(z), sheet_(sheet), plan_(*z.plan), zone_(z.layout->zones[z.zone]), placer_(zone_.block) {
    f_ = 1000.0 / z.layout->scale;
    origin_ = {zone_.block.min.x + kRingNear, zone_.block.min.y + kRingFar};
    region_ = {At(zone_.region.min), At(zone_.region.max)};
    for (std::size_t i = 0; i < plan_.footings.size(); ++i)
      if (Holds({plan_.footings[i].x, plan_.footings[i].y})) mine_.push_back(i);
  }

  void Paint() {
    Obstacles();
    Grid();
    Footings();
    placer_.Limit(Grow(region_, kLabelReach));
    for (const std::size_t i : mine_)
      if (plan_.footings[i].drawsFooting) Mark(i);
    for (const std::size_t i : mine_) Offsets(i);
    Clashes();
    MatchLines();
  }

 private:
  Vec2 At(Vec2 p) const { return {origin_.x + (p.x - zone_.region.min.x) * f_, origin_.y + (p.y - zone_.region.min.y) * f_}; }
  Extents At(const Extents& e) const { return {At(e.min), At(e.max)}; }
  Vec2 Units(Vec2 mm) const {
    const double k = c_.UnitsPerMm();
    const DrawingSheet& s = sheet_.drawing.sheets[z_.zone];
    return {s.x + mm.x * k, s.y + mm.y * k};
  }

  // A footing belongs to the zone holding its centre; the last zone of a
  // row or column keeps its far edge.
  bool Holds(Vec2 p) const {
    const Extents& r = zone_.region;
    const Extents& all = plan_.extent;
    return InRange(p.x, r.min.x, r.max.x, all.max.x) && InRange(p.y, r.min.y, r.max.y, all.max.y);
  }
  int Item(std::size_t i) const { return static_cast<int>(i) + 1; }
  Extents Square(std::size_t i) const { return At(plan_.footings[i].Square()); }
  // A failing footing has a cloud of its own; a clash clouds its pair.
  bool Clouded(std::size_t i) const { return plan_.footings[i].verdict == checks::Verdict::Fails; }
  Extents Core(std::size_t i) const {
    const PlanFooting& p = plan_.footings[i];
    const double a = std::max(p.pedestal, p.columnX) * f_ / 2, b = std::max(p.pedestal, p.columnY) * f_ / 2;
    const Vec2 m = At(Vec2{p.x, p.y});
    return {{m.x - a, m.y - b}, {m.x + a, m.y + b}};
  }
  std::vector<std::size_t> ClashesHere() const {
    std::vector<std::size_t> out;
    for (std::size_t k = 0; k < plan_.clashes.size(); ++k) {
      const PlanFooting& a = plan_.footings[static_cast<std::size_t>(plan_.clashes[k].supportA - 1)];
      if (Holds({a.x, a.y})) out.push_back(k);
    }
    return out;
  }
  Extents PairCloud(std::size_t k) const {
    const Extents a = Square(static_cast<std::size_t>(plan_.clashes[k].supportA - 1));
    const Extents b = Square(static_cast<std::size_t>(plan_.clashes[k].supportB - 1));
    return Grow({{std::min(a.min.x, b.min.x), std::min(a.min.y, b.min.y)}, {std::max(a.max.x, b.max.x), std::max(a.max.y, b.max.y)}},
                kPairGap);
  }

  void Obstacles() {
    for (const std::size_t i : mine_) {
      placer_.AddArea(Square(i), Item(i));
      if (Clouded(i)) placer_.AddArea(Grow(Square(i), kCloudGap + 1), Item(i));
      const PlanFooting& p = plan_.footings[i];
      placer_.AddSolid(BoxAt(At(Vec2{p.x, p.y}), p.columnX * f_ + 1, p.columnY * f_ + 1));
    }
    for (const std::size_t k : ClashesHere())
      placer_.AddArea(Grow(PairCloud(k), 1), plan_.clashes[k].supportA, plan_.clashes[k].supportB);
  }

  // A text at the first free base point, registered; false when none is.
  bool Text(std::string_view layer, const std::vector<Vec2>& bases, double height, const std::string& text,
            double rotation, int owner) {
    for (const Vec2 b : bases) {
      const Extents box = TextExtents(b, height, rotation, text.size());
      if (!placer_.Free(box, owner)) continue;
      c_.Text(layer, b, height, text, TextAlign::kCentre, rotation);
      placer_.AddText(box);
      return true;
    }
    return false;
  }

  // A text near `anchor` on a leader when no base point is free.
  void TextOrLeader(std::string_view layer, const std::vector<Vec2>& bases, const std::string& text,
                    double rotation, int owner, Vec2 anchor) {
    if (Text(layer, bases, kTextHeight, text, rotation, owner)) return;
    const Extents probe = TextExtents({0, 0}, kTextHeight, rotation, text.size());
    const double w = probe.max.x - probe.min.x, h = probe.max.y - probe.min.y;
    const std::optional<Extents> box = placer_.Around(anchor, w, h, 4, owner);
    const Extents at = box.value_or(BoxAt(anchor, w, h));
    c_.TextMiddle(layer, Middle(at), kTextHeight, text, rotation);
    placer_.AddText(at);
    Leader(layer, at, {anchor, anchor});
  }

  void Leader(std::string_view layer, const Extents& from, const Extents& to) {
    const Vec2 m = Middle(from);
    const Vec2 target{std::clamp(m.x, to.min.x, to.max.x), std::clamp(m.y, to.min.y, to.max.y)};
    const Vec2 source{std::clamp(target.x, from.min.x - 0.5, from.max.x + 0.5), std::clamp(target.y, from.min.y - 0.5, from.max.y + 0.5)};
    if (std::hypot(target.x - source.x, target.y - source.y) > 1) c_.Line(layer, source, target);
  }

  void Grid() {
    const Extents& r = zone_.region;
    std::vector<double> xs, ys;
    std::vector<std::string> xl, yl;
    for (const GridLine& g : plan_.lettered)
      if (InRange(g.at, r.min.x, r.max.x, plan_.extent.max.x)) xs.push_back(g.at), xl.push_back(g.label);
    // Row 1 on top: the numbered lines from the highest y down.
    for (const GridLine& g : plan_.numbered)
      if (InRange(g.at, r.min.y, r.max.y, plan_.extent.max.y)) ys.push_back(g.at), yl.push_back(g.label);
    std::reverse(ys.begin(), ys.end());
    std::reverse(yl.begin(), yl.end());
    Axis(xs, xl, false);
    Axis(ys, yl, true);
  }

  // The lines of one direction (plan coordinates, ascending), their bubbles
  // at both ends and the chains on the near side.
  void Axis(const std::vector<double>& plan, const std::vector<std::string>& labels, bool rows) {
    std::vector<double> at;
    for (const double v : plan) at.push_back(rows ? At(Vec2{0, v}).y : At(Vec2{v, 0}).x);
    const Extents& r = region_;
    // Along the line (v) from the far side to the near one; u across.
    const double vFar = rows ? r.max.x : r.min.y, vNear = rows ? r.min.x : r.max.y, dir = rows ? -1 : 1;
    const auto P = [rows](double u, double v) { return rows ? Vec2{v, u} : Vec2{u, v}; };
    const std::vector<double> spread = Spread(at, 2 * kBubble + 1);
    for (std::size_t i = 0; i < at.size(); ++i) {
      const double u = at[i], s = spread[i];
      const double endNear = vNear + dir * (kBubbleNear - kBubble - 3), endFar = vFar - dir * (kBubbleFar - kBubble - 3);
      // A line straight to its bubbles, or kinked to bubbles spread apart.
      const double edgeNear = vNear + dir * (kBubbleNear - kBubble), edgeFar = vFar - dir * (kBubbleFar - kBubble);
      if (s == u) {
        c_.Line(kGrid, P(u, edgeFar), P(u, edgeNear));
      } else {
        c_.Polyline(kGrid, {V(P(s, edgeFar)), V(P(u, endFar)), V(P(u, endNear)), V(P(s, edgeNear))}, false);
      }
      for (const double centre : {vNear + dir * kBubbleNear, vFar - dir * kBubbleFar}) {
        c_.Circle(kGrid, P(s, centre), kBubble);
        c_.TextMiddle(kGrid, P(s, centre), kHeading, labels[i]);
        placer_.AddSolid(BoxAt(P(s, centre), 2 * kBubble, 2 * kBubble));
      }
    }
    if (at.size() < 2) return;
    // A chain: one line with a tick at every grid line; the overall length
    // on a second line.
    const double t1 = vNear + dir * kTier1, t2 = vNear + dir * kTier2;
    c_.Line(kDimension, P(at.front() - 1.5, t1), P(at.back() + 1.5, t1));
    for (const double u : at) c_.Line(kDimension, P(u - 0.8, t1 - 0.8), P(u + 0.8, t1 + 0.8));
    for (std::size_t i = 0; i + 1 < at.size(); ++i) Chain(at[i], at[i + 1], Mm(plan[i + 1] - plan[i]), t1, rows, dir);
    if (at.size() > 2) {
      DimensionLines(c_, P(at.front(), t2), P(at.back(), t2), t2, rows);
      Chain(at.front(), at.back(), Mm(plan.back() - plan.front()), t2, rows, dir);
    }
  }

  // The text of one chain dimension: above its line where it fits, else
  // raised, beside a tick or under the line.
  void Chain(double a, double b, const std::string& text, double line, bool rows, double dir) {
    const double w = TextWidth(text.size(), kTextHeight), mid = (a + b) / 2, lo = std::min(a, b), hi = std::max(a, b);
    const double up = dir * 1, raised = dir * 4.5, under = -dir * (1 + kTextHeight);
    const auto P = [rows](double u, double v) { return rows ? Vec2{v, u} : Vec2{u, v}; };
    // Rows read upwards: the text's baseline stands on the side away from the plan.
    const double rot = rows ? 90 : 0;
    const auto base = [&](double u, double off) {
      return rows ? P(u, line + off + (dir < 0 ? 0 : kTextHeight)) : P(u, line + off + (dir < 0 ? -kTextHeight : 0));
    };
    TextOrLeader(kDimension,
                 {base(mid, up), base(mid, raised), base(hi + 2 + w / 2, up), base(lo - 2 - w / 2, up),
                  base(hi + 2 + w / 2, raised), base(lo - 2 - w / 2, raised), base(mid, under)},
                 text, rot, 0, P(mid, line));
  }

  void Footings() {
    for (const std::size_t i : mine_) {
      const PlanFooting& p = plan_.footings[i];
      c_.SetItem(Item(i));
      const Extents sq = Square(i);
      if (p.drawsFooting && p.verdict == checks::Verdict::NotDesigned)
        c_.Hatch(kHatch, {sq.min, {sq.max.x, sq.min.y}, sq.max, {sq.min.x, sq.max.y}}, 2.5, 45);
      if (p.drawsFooting) c_.Rect(kFooting, sq);
      const Vec2 m = At(Vec2{p.x, p.y});
      if (p.pedestal > 0) c_.Rect(kPedestal, BoxAt(m, p.pedestal * f_, p.pedestal * f_));
      const Extents col = BoxAt(m, p.columnX * f_, p.columnY * f_);
      c_.Solid(kColumn, {col.min, {col.max.x, col.min.y}, col.max, {col.min.x, col.max.y}});
      if (Clouded(i)) c_.Polyline(kCloud, CloudAround(Grow(sq, kCloudGap), 4), true);
      SheetFooting& out = sheet_.footings[i];
      out.sheet = z_.zone;
      out.outline = {Units(sq.min), Units(sq.max)};
    }
    c_.SetItem(0);
  }

  void Mark(std::size_t i) {
    const PlanFooting& p = plan_.footings[i];
    std::vector<std::string> lines{p.mark};
    if (p.verdict == checks::Verdict::NotDesigned) {
      // The method's pedestal type means nothing for a footing it did not design.
      const std::size_t slash = lines[0].find("/P"), next = lines[0].find('/', slash + 1);
      if (slash != std::string::npos && next != std::string::npos) lines[0].replace(slash + 2, next - slash - 2, "-");
      lines.push_back("NOT DESIGNED");
    }
    double w = 0;
    for (const std::string& l : lines) w = std::max(w, TextWidth(l.size(), kTextHeight));
    const double h = static_cast<double>(lines.size()) * kTextHeight + static_cast<double>(lines.size() - 1) * 1.2;
    const Extents sq = Square(i), core = Core(i);
    const double out = Clouded(i) ? kCloudGap + 2 : 1.2;
    const Vec2 m = Middle(sq);
    const auto box = [&](double cx, double bottom) { return Extents{{cx - w / 2, bottom}, {cx + w / 2, bottom + h}}; };
    // Inside first (centred, then to either side, above the pedestal, below
    // it, beside it), then outside.
    const double in = 1.2;
    const double left = sq.min.x + in + w / 2, right = sq.max.x - in - w / 2;
    const std::vector<Extents> candidates = {
        box(m.x, sq.max.y - in - h), box(left, sq.max.y - in - h), box(right, sq.max.y - in - h),
        box(m.x, sq.min.y + in), box(left, sq.min.y + in), box(right, sq.min.y + in),
        box(left, m.y - h / 2), box(right, m.y - h / 2),
        box(m.x, sq.max.y + out), box(m.x, sq.min.y - out - h),
        box(sq.max.x + out + w / 2, m.y - h / 2), box(sq.min.x - out - w / 2, m.y - h / 2),
        box(sq.max.x + out + w / 2, sq.max.y + out), box(sq.min.x - out - w / 2, sq.max.y + out),
        box(sq.max.x + out + w / 2, sq.min.y - out - h), box(sq.min.x - out - w / 2, sq.min.y - out - h)};
    std::optional<Extents> at;
    for (const Extents& cand : candidates)
      if (!Overlap(cand, Grow(core, 0.6)) && placer_.Free(cand, Item(i))) {
        at = cand;
        break;
      }
    const bool leader = !at;
    if (!at) at = placer_.Around(m, w, h, std::max(sq.max.x - sq.min.x, sq.max.y - sq.min.y) / 2 + out, Item(i));
    if (!at) at = candidates[2];
    c_.SetItem(Item(i));
    double base = at->max.y - kTextHeight;
    for (const std::string& l : lines) {
      c_.Text(kMark, {(at->min.x + at->max.x) / 2, base}, kTextHeight, l);
      base -= kTextHeight + 1.2;
    }
    if (leader) Leader(kMark, *at, sq);
    c_.SetItem(0);
    placer_.AddText(*at);
  }

  // The column's distance from its grid line, along each axis it stands off.
  void Offsets(std::size_t i) {
    const PlanFooting& p = plan_.footings[i];
    const Vec2 m = At(Vec2{p.x, p.y});
    const Extents col = BoxAt(m, p.columnX * f_, p.columnY * f_);
    c_.SetItem(Item(i));
    for (const bool vertical : {false, true}) {
      const double off = vertical ? p.offY : p.offX;
      if (std::fabs(off) < 0.0005) continue;
      const double grid = (vertical ? m.y : m.x) - off * f_, centre = vertical ? m.y : m.x;
      const double lo = std::min(grid, centre) - 1.5, hi = std::max(grid, centre) + 1.5;
      const std::string text = Mm(off);
      const double w = TextWidth(text.size(), kTextHeight);
      const double near = vertical ? col.max.x : col.min.y, far = vertical ? col.min.x : col.max.y;
      bool done = false;
      for (const double at : {near + (vertical ? 2.5 : -2.5), far + (vertical ? -2.5 : 2.5), near + (vertical ? 6 : -6)}) {
        const Extents line = vertical ? Extents{{at - 1, lo}, {at + 1, hi}} : Extents{{lo, at - 1}, {hi, at + 1}};
        if (!placer_.Free(line, Item(i))) continue;
        // Beside the far tick, the near one, or across the line.
        const std::vector<Extents> texts =
            vertical ? std::vector<Extents>{BoxAt({at, hi + 0.5 + kTextHeight / 2}, w, kTextHeight),
                                            BoxAt({at, lo - 0.5 - kTextHeight / 2}, w, kTextHeight),
                                            BoxAt({at + 1.5 + w / 2, (lo + hi) / 2}, w, kTextHeight),
                                            BoxAt({at - 1.5 - w / 2, (lo + hi) / 2}, w, kTextHeight)}
                     : std::vector<Extents>{BoxAt({hi + 0.5 + w / 2, at}, w, kTextHeight),
                                            BoxAt({lo - 0.5 - w / 2, at}, w, kTextHeight),
                                            BoxAt({(lo + hi) / 2, at + 1 + kTextHeight / 2}, w, kTextHeight),
                                            BoxAt({(lo + hi) / 2, at - 1 - kTextHeight / 2}, w, kTextHeight)};
        const std::optional<Extents> t = placer_.First(texts, Item(i));
        if (!t) continue;
        // From the grid line to the column centre, its extension line from
        // the column's face on the dimension's side.
        const double face = vertical ? (at > m.x ? col.max.x : col.min.x) : (at > m.y ? col.max.y : col.min.y);
        DimensionLines(c_, vertical ? Vec2{at, grid} : Vec2{grid, at}, vertical ? Vec2{face, centre} : Vec2{centre, face},
                       at, vertical);
        c_.TextMiddle(kDimension, Middle(*t), kTextHeight, text);
        placer_.AddText(line);
        placer_.AddText(*t);
        done = true;
        break;
      }
      if (!done) {
        const double at = near + (vertical ? 2.5 : -2.5);
        DimensionLines(c_, vertical ? Vec2{at, grid} : Vec2{grid, at}, vertical ? Vec2{at, centre} : Vec2{centre, at}, at,
                       vertical);
        TextOrLeader(kDimension, {}, text, 0, Item(i), vertical ? Vec2{at, (lo + hi) / 2} : Vec2{(lo + hi) / 2, at});
      }
    }
    c_.SetItem(0);
  }

  void Clashes() {
    for (const std::size_t k : ClashesHere()) {
      const Extents cloud = PairCloud(k);
      c_.SetItem(-static_cast<int>(k) - 1);
      c_.Polyline(kCloud, CloudAround(cloud, 5), true);
      const std::string& tag = (*z_.tags)[k];
      const double w = TextWidth(tag.size(), kTextHeight) + 2, h = kTextHeight + 2;
      const Extents g = Grow(cloud, 1.5);
      const std::vector<Extents> candidates = {
          BoxAt({g.max.x + w / 2 + 1, g.max.y + h / 2 + 1}, w, h), BoxAt({g.min.x - w / 2 - 1, g.max.y + h / 2 + 1}, w, h),
          BoxAt({g.max.x + w / 2 + 1, g.min.y - h / 2 - 1}, w, h), BoxAt({g.min.x - w / 2 - 1, g.min.y - h / 2 - 1}, w, h)};
      std::optional<Extents> at = placer_.First(candidates, 0);
      if (!at) at = placer_.Around(Middle(cloud), w, h, (cloud.max.x - cloud.min.x) / 2 + 3, 0);
      if (!at) at = candidates[0];
      c_.Rect(kCloud, *at);
      c_.TextMiddle(kCloud, Middle(*at), kTextHeight, tag);
      Leader(kCloud, *at, g);
      placer_.AddText(*at);
      SheetClash& out = sheet_.clashes[k];
      out.sheet = z_.zone;
      out.cloud = {Units(cloud.min), Units(cloud.max)};
      c_.SetItem(0);
    }
  }

  void MatchLines() {
    const std::size_t nx = z_.layout->cutsX.size() - 1, n = z_.layout->zones.size();
    const std::size_t at = z_.zone;
    struct Side {
      bool cut;
      std::size_t neighbour;
      bool vertical;
      double pos;
    };
    const Side sides[] = {{zone_.column > 0, at - 1, true, region_.min.x},
                          {static_cast<std::size_t>(zone_.column) + 1 < nx, at + 1, true, region_.max.x},
                          {zone_.row > 0, at - nx, false, region_.max.y},
                          {at + nx < n, at + nx, false, region_.min.y}};
    for (const Side& s : sides) {
      if (!s.cut) continue;
      const Vec2 a = s.vertical ? Vec2{s.pos, region_.min.y - 4} : Vec2{region_.min.x - 4, s.pos};
      const Vec2 b = s.vertical ? Vec2{s.pos, region_.max.y + 4} : Vec2{region_.max.x + 4, s.pos};
      c_.Line(kMatchLine, a, b);
      const std::string text = "MATCH LINE - SHEET " + IntText(static_cast<int>(s.neighbour) + 1);
      std::vector<Vec2> bases;
      for (const double t : {0.5, 0.25, 0.75, 0.1, 0.9})
        for (const double side : {-1.0, 1.0}) {
          const Vec2 p{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
          bases.push_back(s.vertical ? Vec2{p.x + side * 1.5 + (side > 0 ? kTextHeight : 0), p.y}
                                     : Vec2{p.x, p.y + side * 1.5 - (side < 0 ? kTextHeight : 0)});
        }
      TextOrLeader(kMatchLine, bases, text, s.vertical ? 90 : 0, 0, Middle({a, b}));
    }
  }

  Canvas& c_;
  const ZoneContext& z_;
  Sheet& sheet_;
  const PlanFrame& plan_;
  const ZoneLayout& zone_;
  Placer placer_;
  double f_ = 10;  // paper mm per plan metre
  Vec2 origin_;
  Extents region_;
  std::vector<std::size_t> mine_;
};

}  // namespace

void DrawPlanZone(Canvas& canvas, const ZoneContext& zone, Sheet& sheet) { ZonePainter(canvas, zone, sheet).Paint(); }

}  // namespace footmark::sheet
