#include "plan/drawing_scene.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QPainterPath>
#include <QPen>
#include <cmath>
#include <numbers>
#include <map>
#include <string>

#include "drawing/drawing_geometry.h"

namespace footmark {

namespace {

// Glyphs are shaped at this pixel size and scaled to the text height.
constexpr int kGlyphPixels = 64;

class DrawingWriter {
 public:
  DrawingWriter(QGraphicsScene& scene, const std::vector<DrawingLayer>& layers) : scene_(scene), layers_(layers) {
    font_.setPixelSize(kGlyphPixels);
    const QFontMetricsF metrics(font_);
    capHeight_ = metrics.capHeight();
    ascent_ = metrics.ascent();
  }

  void Line(std::string_view layer, Vec2 a, Vec2 b) {
    QPainterPath& path = Outline(layer);
    path.moveTo(ScenePoint(a.x, a.y));
    path.lineTo(ScenePoint(b.x, b.y));
  }

  void Rectangle(std::string_view layer, const DrawingPoint& a, const DrawingPoint& b) {
    Outline(layer).addRect(QRectF(ScenePoint(a.x, a.y), ScenePoint(b.x, b.y)).normalized());
  }

  void Circle(std::string_view layer, const DrawingPoint& centre, double radius) {
    Outline(layer).addEllipse(ScenePoint(centre.x, centre.y), radius, radius);
  }

  void Arrow(std::string_view layer, const std::array<Vec2, 3>& corners) {
    QPainterPath& path = Filled(layer);
    path.moveTo(ScenePoint(corners[0].x, corners[0].y));
    path.lineTo(ScenePoint(corners[1].x, corners[1].y));
    path.lineTo(ScenePoint(corners[2].x, corners[2].y));
    path.closeSubpath();
  }

  // A bulged side is an arc, counter-clockwise in the drawing for a bulge
  // above 0; the drawing stands upright on screen, so its angles are Qt's.
  void Polyline(std::string_view layer, const DrawingEntity& e) {
    const std::vector<Vertex>& p = e.points;
    if (p.empty()) return;
    QPainterPath& path = Outline(layer);
    path.moveTo(ScenePoint(p[0].x, p[0].y));
    const std::size_t sides = e.closed ? p.size() : p.size() - 1;
    for (std::size_t i = 0; i < sides; ++i) {
      const Vertex &a = p[i], &b = p[(i + 1) % p.size()];
      if (a.bulge == 0) {
        path.lineTo(ScenePoint(b.x, b.y));
        continue;
      }
      const double sweep = 4 * std::atan(double{a.bulge}), dx = double{b.x} - a.x, dy = double{b.y} - a.y;
      const double chord = std::hypot(dx, dy), radius = chord / (2 * std::sin(std::fabs(sweep) / 2));
      const double along = chord / 2 / std::tan(sweep / 2);  // from the chord's middle to the centre, leftwards
      const double cx = (a.x + b.x) / 2.0 - dy / chord * along, cy = (a.y + b.y) / 2.0 + dx / chord * along;
      const double start = std::atan2(a.y - cy, a.x - cx) * 180 / std::numbers::pi;
      path.arcTo(QRectF(ScenePoint(cx - radius, cy + radius), ScenePoint(cx + radius, cy - radius)), start,
                 sweep * 180 / std::numbers::pi);
    }
    if (e.closed) path.closeSubpath();
  }

  void Solid(std::string_view layer, const std::vector<Vertex>& corners) {
    if (corners.empty()) return;
    QPainterPath& path = Filled(layer);
    path.moveTo(ScenePoint(corners[0].x, corners[0].y));
    for (const Vertex& v : corners) path.lineTo(ScenePoint(v.x, v.y));
    path.closeSubpath();
  }

  // On its baseline point as align says, turned counter-clockwise by rotation degrees.
  void Text(std::string_view layer, const PlacedText& t, TextAlign align = TextAlign::kCentre) {
    auto* item = new QGraphicsSimpleTextItem(QString::fromLatin1(t.text.data(), static_cast<qsizetype>(t.text.size())));
    item->setFont(font_);
    item->setBrush(Colour(layer));
    const double scale = t.height / capHeight_;
    const double width = item->boundingRect().width();
    QTransform place;
    place.translate(t.base.x, -t.base.y);
    place.rotate(-t.rotation);
    place.scale(scale, scale);
    place.translate(align == TextAlign::kLeft ? 0 : align == TextAlign::kRight ? -width : -width / 2, -ascent_);
    item->setTransform(place);
    scene_.addItem(item);
    covered_ |= item->sceneBoundingRect();
  }

  QRectF Finish() {
    for (auto& [layer, path] : outlines_) Add(path, QPen(Colour(layer), 0), Qt::NoBrush);
    for (auto& [layer, path] : filled_) Add(path, Qt::NoPen, Colour(layer));
    return covered_;
  }

 private:
  // A composed sheet's layer plots in its own colour.
  QColor Colour(std::string_view layer) const {
    for (const DrawingLayer& l : layers_)
      if (l.name == layer && l.plotColour != 0) return QColor::fromRgb(l.plotColour);
    return LayerColour(layer);
  }

  QPainterPath& Outline(std::string_view layer) { return outlines_[std::string(layer)]; }
  QPainterPath& Filled(std::string_view layer) { return filled_[std::string(layer)]; }

  void Add(const QPainterPath& path, const QPen& pen, const QBrush& brush) {
    QGraphicsPathItem* item = scene_.addPath(path, pen, brush);
    covered_ |= item->sceneBoundingRect();
  }

  QGraphicsScene& scene_;
  const std::vector<DrawingLayer>& layers_;
  QFont font_;
  double capHeight_ = 1, ascent_ = 1;
  std::map<std::string, QPainterPath> outlines_, filled_;
  QRectF covered_;
};

}  // namespace

QColor LayerColour(std::string_view layer) {
  if (layer == "Grid") return QColor(0x5c, 0x6b, 0x8a);
  return QColor(0x20, 0x20, 0x20);
}

QRectF AddDrawing(QGraphicsScene& scene, const Drawing& drawing) {
  DrawingWriter out(scene, drawing.layers);
  for (const DrawingEntity& e : drawing.entities) {
    switch (e.kind) {
      case EntityKind::kLine: out.Line(e.layer, {e.a.x, e.a.y}, {e.b.x, e.b.y}); break;
      case EntityKind::kRectangle: out.Rectangle(e.layer, e.a, e.b); break;
      case EntityKind::kCircle: out.Circle(e.layer, e.a, e.size); break;
      case EntityKind::kText: out.Text(e.layer, {{e.a.x, e.a.y}, e.size, e.angle, ShownText(e.text)}, e.align); break;
      case EntityKind::kPolyline: out.Polyline(e.layer, e); break;
      case EntityKind::kSolid: out.Solid(e.layer, e.points); break;
      case EntityKind::kHatch:
        for (const Segment& s : HatchLines(e)) out.Line(e.layer, s.from, s.to);
        break;
      case EntityKind::kDimension: {
        const DimensionLayout d = LayDimension(e);
        out.Line(e.layer, d.line.from, d.line.to);
        for (const Segment& s : d.extension) out.Line(e.layer, s.from, s.to);
        for (const auto& arrow : d.arrows) out.Arrow(e.layer, arrow);
        out.Text(e.layer, d.text);
        break;
      }
    }
  }
  return out.Finish();
}

}  // namespace footmark
