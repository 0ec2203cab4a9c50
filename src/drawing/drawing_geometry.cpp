#include "drawing/drawing_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/numerics.h"

namespace footmark {

namespace {

Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
Vec2 operator*(double k, Vec2 a) { return {k * a.x, k * a.y}; }
double Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
Vec2 At(const DrawingPoint& p) { return {p.x, p.y}; }

// Filled arrow with its tip at tip, pointing along dir (a unit vector).
std::array<Vec2, 3> Arrow(Vec2 tip, Vec2 dir) {
  const Vec2 back = tip - dim::kArrow * dir;
  const Vec2 side = (dim::kArrow / 6) * Vec2{-dir.y, dir.x};
  return {tip, back + side, back - side};
}

}  // namespace

double TextWidth(std::size_t characters, double height) {
  return 0.8 * height * static_cast<double>(characters);
}

Extents TextExtents(Vec2 base, double height, double rotation, std::size_t characters, TextAlign align) {
  const double a = rotation * std::numbers::pi / 180;
  const Vec2 along{std::cos(a), std::sin(a)}, up{-along.y, along.x};
  const double width = TextWidth(characters, height);
  const double start = align == TextAlign::kLeft ? 0 : align == TextAlign::kRight ? -width : -width / 2;
  Extents box{{INFINITY, INFINITY}, {-INFINITY, -INFINITY}};
  for (const double s : {start, start + width})
    for (const double h : {0.0, height}) {
      // Quarter turns land on whole numbers: no sliver of a box from cos 90.
      const Vec2 p = base + s * along + h * up;
      const Vec2 q{std::round(p.x * 1e6) / 1e6, std::round(p.y * 1e6) / 1e6};
      box.min = {std::min(box.min.x, q.x), std::min(box.min.y, q.y)};
      box.max = {std::max(box.max.x, q.x), std::max(box.max.y, q.y)};
    }
  return box;
}

Extents TextExtents(const DrawingEntity& e) {
  return TextExtents(At(e.a), e.size, e.angle, ShownText(e.text).size(), e.align);
}

bool Overlap(const Extents& a, const Extents& b) {
  return a.min.x < b.max.x && b.min.x < a.max.x && a.min.y < b.max.y && b.min.y < a.max.y;
}

std::vector<Segment> HatchLines(const DrawingEntity& hatch) {
  std::vector<Segment> lines;
  const std::vector<Vertex>& p = hatch.points;
  if (p.size() < 3 || !(hatch.size > 0)) return lines;
  const double a = hatch.angle * std::numbers::pi / 180;
  const Vec2 along{std::cos(a), std::sin(a)}, across{-along.y, along.x};
  double low = INFINITY, high = -INFINITY;
  for (const Vertex& v : p) {
    low = std::min(low, Dot({v.x, v.y}, across));
    high = std::max(high, Dot({v.x, v.y}, across));
  }
  // Lines on multiples of the spacing, so that neighbouring hatches line up.
  std::vector<double> cuts;
  for (double t = std::ceil(low / hatch.size) * hatch.size; t < high; t += hatch.size) {
    cuts.clear();
    for (std::size_t i = 0; i < p.size(); ++i) {
      const Vec2 u{p[i].x, p[i].y}, w{p[(i + 1) % p.size()].x, p[(i + 1) % p.size()].y};
      const double su = Dot(u, across) - t, sw = Dot(w, across) - t;
      if ((su < 0) == (sw < 0)) continue;
      cuts.push_back(Dot(u + (su / (su - sw)) * (w - u), along));
    }
    std::sort(cuts.begin(), cuts.end());
    for (std::size_t i = 0; i + 1 < cuts.size(); i += 2)
      lines.push_back({cuts[i] * along + t * across, cuts[i + 1] * along + t * across});
  }
  return lines;
}

Vec2 BulgeMiddle(Vec2 a, Vec2 b, double bulge) {
  // The arc's middle stands off the chord's middle by bulge x half the chord,
  // to the right of the way from a to b for a counter-clockwise arc.
  const Vec2 chord = b - a;
  return 0.5 * (a + b) + (bulge / 2) * Vec2{chord.y, -chord.x};
}

DimensionLayout LayDimension(const DrawingEntity& d) {
  const double angle = d.angle * std::numbers::pi / 180;
  // Along the dimension line, and across it towards the text: up for a
  // horizontal dimension, left for a vertical one (its text reads upwards).
  const Vec2 along{std::cos(angle), std::sin(angle)};
  const Vec2 across{-along.y, along.x};
  const Vec2 p1 = At(d.a), p2 = At(d.b), through = At(d.line);
  const Vec2 q1 = through + Dot(p1 - through, along) * along;
  const Vec2 q2 = through + Dot(p2 - through, along) * along;
  const double length = std::abs(Dot(q2 - q1, along));
  const Vec2 dir = length > 0 ? (1 / length) * (q2 - q1) : along;  // from the first point to the second

  DimensionLayout out;
  const Vec2 ps[2] = {p1, p2}, qs[2] = {q1, q2};
  for (int i = 0; i < 2; ++i) {
    // An extension line runs from its measured point towards the line; one
    // measured on the line itself still shows a stub on the text's side.
    const double side = Dot(qs[i] - ps[i], across) < -1e-9 ? -1.0 : 1.0;
    out.extension[i] = {ps[i] + (side * dim::kOffset) * across, qs[i] + (side * dim::kBeyond) * across};
  }
  const bool inside = length >= dim::kArrowsInside;
  const double stub = inside ? 0.0 : 2 * dim::kArrow;
  out.line = {q1 - stub * dir, q2 + stub * dir};
  out.arrows[0] = Arrow(q1, inside ? -1.0 * dir : dir);
  out.arrows[1] = Arrow(q2, inside ? dir : -1.0 * dir);

  out.text.text = d.text == "None" ? DecimalText(length, 3, true) : ShownText(d.text);
  out.text.height = dim::kTextHeight;
  out.text.rotation = d.angle;
  // Text that does not fit between the extension lines goes beside the
  // second one, past its stub.
  const double width = TextWidth(out.text.text.size(), dim::kTextHeight);
  const Vec2 centre = width + 2 * dim::kGap <= length
                          ? 0.5 * (q1 + q2)
                          : q2 + (stub + dim::kGap + width / 2) * dir;
  out.text.base = centre + dim::kGap * across;
  out.textMiddle = out.text.base + (dim::kTextHeight / 2) * across;
  out.definition = {p1, p2, q2};
  return out;
}

DrawingLayout LayOutDrawing(const Drawing& drawing) {
  DrawingLayout layout;
  Extents& box = layout.extents;
  box = {{INFINITY, INFINITY}, {-INFINITY, -INFINITY}};
  const auto add = [&box](Vec2 p) {
    box.min = {std::min(box.min.x, p.x), std::min(box.min.y, p.y)};
    box.max = {std::max(box.max.x, p.x), std::max(box.max.y, p.y)};
  };
  const auto addBox = [&add](const Extents& e) {
    add(e.min);
    add(e.max);
  };
  for (const DrawingEntity& e : drawing.entities) {
    switch (e.kind) {
      case EntityKind::kLine:
      case EntityKind::kRectangle:
        add(At(e.a));
        add(At(e.b));
        break;
      case EntityKind::kCircle:
        add(At(e.a) - Vec2{e.size, e.size});
        add(At(e.a) + Vec2{e.size, e.size});
        break;
      case EntityKind::kText:
        // As written: the shown text is never longer.
        addBox(TextExtents(At(e.a), e.size, e.angle, e.text.size(), e.align));
        break;
      case EntityKind::kPolyline:
      case EntityKind::kSolid:
      case EntityKind::kHatch:
        for (std::size_t i = 0; i < e.points.size(); ++i) {
          const Vertex& v = e.points[i];
          add({v.x, v.y});
          const Vertex& next = e.points[(i + 1) % e.points.size()];
          if (v.bulge != 0) add(BulgeMiddle({v.x, v.y}, {next.x, next.y}, v.bulge));
        }
        break;
      case EntityKind::kDimension: {
        const DimensionLayout& d = layout.dimensions.emplace_back(LayDimension(e));
        for (const Segment& s : {d.line, d.extension[0], d.extension[1]}) {
          add(s.from);
          add(s.to);
        }
        for (const auto& arrow : d.arrows)
          for (const Vec2 p : arrow) add(p);
        addBox(TextExtents(d.text.base, d.text.height, d.text.rotation, d.text.text.size()));
        break;
      }
    }
  }
  if (box.min.x > box.max.x) box = {{0, 0}, {1, 1}};
  return layout;
}

std::string ShownText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ') {
      shown += text[i++];
      continue;
    }
    const std::size_t end = std::min(text.find(' ', i), text.size());
    const std::string_view word = text.substr(i, end - i);
    // Only a plain decimal number with a fraction or an exponent can carry
    // float noise; whole numbers and marks like "F2/P1/C4" stay.
    const bool number = word.find_first_not_of("0123456789+-.E") == std::string_view::npos &&
                        word.find_first_of(".E") != std::string_view::npos;
    const std::optional<double> value = number ? StrictNumber(word) : std::nullopt;
    shown += value ? DecimalText(*value, 3) : std::string(word);
    i = end;
  }
  return shown;
}

}  // namespace footmark
