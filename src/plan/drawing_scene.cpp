#include "plan/drawing_scene.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QPainterPath>
#include <QPen>
#include <map>
#include <string>

#include "dxf/drawing_geometry.h"

namespace footmark {

namespace {

// Glyphs are shaped at this pixel size and scaled to the text height.
constexpr int kGlyphPixels = 64;

class DrawingWriter {
 public:
  explicit DrawingWriter(QGraphicsScene& scene) : scene_(scene) {
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

  // Centred on its baseline point, turned counter-clockwise by rotation degrees.
  void Text(std::string_view layer, const PlacedText& t) {
    auto* item = new QGraphicsSimpleTextItem(QString::fromLatin1(t.text.data(), static_cast<qsizetype>(t.text.size())));
    item->setFont(font_);
    item->setBrush(LayerColour(layer));
    const double scale = t.height / capHeight_;
    const double width = item->boundingRect().width();
    QTransform place;
    place.translate(t.base.x, -t.base.y);
    place.rotate(-t.rotation);
    place.scale(scale, scale);
    place.translate(-width / 2, -ascent_);
    item->setTransform(place);
    scene_.addItem(item);
    covered_ |= item->sceneBoundingRect();
  }

  QRectF Finish() {
    for (auto& [layer, path] : outlines_) Add(path, QPen(LayerColour(layer), 0), Qt::NoBrush);
    for (auto& [layer, path] : filled_) Add(path, Qt::NoPen, LayerColour(layer));
    return covered_;
  }

 private:
  QPainterPath& Outline(std::string_view layer) { return outlines_[std::string(layer)]; }
  QPainterPath& Filled(std::string_view layer) { return filled_[std::string(layer)]; }

  void Add(const QPainterPath& path, const QPen& pen, const QBrush& brush) {
    QGraphicsPathItem* item = scene_.addPath(path, pen, brush);
    covered_ |= item->sceneBoundingRect();
  }

  QGraphicsScene& scene_;
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
  DrawingWriter out(scene);
  for (const DrawingEntity& e : drawing.entities) {
    switch (e.kind) {
      case EntityKind::kLine: out.Line(e.layer, {e.a.x, e.a.y}, {e.b.x, e.b.y}); break;
      case EntityKind::kRectangle: out.Rectangle(e.layer, e.a, e.b); break;
      case EntityKind::kCircle: out.Circle(e.layer, e.a, e.size); break;
      case EntityKind::kText: out.Text(e.layer, {{e.a.x, e.a.y}, e.size, 0, ShownText(e.text)}); break;
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
