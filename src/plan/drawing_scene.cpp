#include "plan/drawing_scene.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QHash>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QPainterPath>
#include <QPen>
#include <cmath>
#include <numbers>
#include <map>
#include <string>

#include "drawing/drawing_geometry.h"
#include "model/code_page.h"

namespace footmark {

namespace {

// Glyphs are shaped at this pixel size and scaled to the text height.
constexpr int kGlyphPixels = 64;
// Below this cap height on screen a text is a smudge and is not drawn: a
// whole building zoomed out has hundreds of texts a pixel high.
constexpr double kLegiblePixels = 2;

// A text of the drawing with its baseline's start at the item's origin.
class DrawingText : public QGraphicsItem {
 public:
  DrawingText(QString text, const QFont& font, QColor colour, QRectF box, double capHeight)
      : text_(std::move(text)), font_(font), colour_(colour), box_(box), capHeight_(capHeight) {}
  QRectF boundingRect() const override { return box_; }
  void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
    if (QStyleOptionGraphicsItem::levelOfDetailFromTransform(painter->worldTransform()) * capHeight_ < kLegiblePixels)
      return;
    painter->setFont(font_);
    painter->setPen(colour_);
    painter->drawText(QPointF(0, 0), text_);
  }

 private:
  QString text_;
  QFont font_;  // shared with every other text
  QColor colour_;
  QRectF box_;
  double capHeight_;
};

class DrawingWriter {
 public:
  DrawingWriter(QGraphicsScene& scene, const std::vector<DrawingLayer>& layers) : scene_(scene), layers_(layers) {
    font_.setPixelSize(kGlyphPixels);
    const QFontMetricsF metrics(font_);
    capHeight_ = metrics.capHeight();
    ascent_ = metrics.ascent();
    descent_ = metrics.descent();
  }

  // What follows is moved by (dx, dy).
  void Shift(double dx, double dy) { dx_ = dx, dy_ = dy; }

  void Line(std::string_view layer, Vec2 a, Vec2 b) {
    QPainterPath& path = Outline(layer);
    path.moveTo(At(a.x, a.y));
    path.lineTo(At(b.x, b.y));
  }

  void Rectangle(std::string_view layer, const DrawingPoint& a, const DrawingPoint& b) {
    Outline(layer).addRect(QRectF(At(a.x, a.y), At(b.x, b.y)).normalized());
  }

  void Circle(std::string_view layer, const DrawingPoint& centre, double radius) {
    Outline(layer).addEllipse(At(centre.x, centre.y), radius, radius);
  }

  void Arrow(std::string_view layer, const std::array<Vec2, 3>& corners) {
    QPainterPath& path = Filled(layer);
    path.moveTo(At(corners[0].x, corners[0].y));
    path.lineTo(At(corners[1].x, corners[1].y));
    path.lineTo(At(corners[2].x, corners[2].y));
    path.closeSubpath();
  }

  // A bulged side is an arc, counter-clockwise in the drawing for a bulge
  // above 0; the drawing stands upright on screen, so its angles are Qt's.
  void Polyline(std::string_view layer, const DrawingEntity& e) {
    const std::vector<Vertex>& p = e.points;
    if (p.empty()) return;
    QPainterPath& path = Outline(layer);
    path.moveTo(At(p[0].x, p[0].y));
    const std::size_t sides = e.closed ? p.size() : p.size() - 1;
    for (std::size_t i = 0; i < sides; ++i) {
      const Vertex &a = p[i], &b = p[(i + 1) % p.size()];
      if (a.bulge == 0) {
        path.lineTo(At(b.x, b.y));
        continue;
      }
      const double sweep = 4 * std::atan(double{a.bulge}), dx = double{b.x} - a.x, dy = double{b.y} - a.y;
      const double chord = std::hypot(dx, dy), radius = chord / (2 * std::sin(std::fabs(sweep) / 2));
      const double along = chord / 2 / std::tan(sweep / 2);  // from the chord's middle to the centre, leftwards
      const double cx = (a.x + b.x) / 2.0 - dy / chord * along, cy = (a.y + b.y) / 2.0 + dx / chord * along;
      const double start = std::atan2(a.y - cy, a.x - cx) * 180 / std::numbers::pi;
      path.arcTo(QRectF(At(cx - radius, cy + radius), At(cx + radius, cy - radius)), start,
                 sweep * 180 / std::numbers::pi);
    }
    if (e.closed) path.closeSubpath();
  }

  void Solid(std::string_view layer, const std::vector<Vertex>& corners) {
    if (corners.empty()) return;
    QPainterPath& path = Filled(layer);
    path.moveTo(At(corners[0].x, corners[0].y));
    for (const Vertex& v : corners) path.lineTo(At(v.x, v.y));
    path.closeSubpath();
  }

  // On its baseline point as align says, turned counter-clockwise by rotation degrees.
  void Text(std::string_view layer, const PlacedText& t, TextAlign align = TextAlign::kCentre) {
    // The drawing's texts are code page 1252.
    const std::string utf8 = Utf8FromCp1252(t.text);
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    // Grid labels and dimensions repeat: each text is measured once.
    auto known = widths_.find(text);
    if (known == widths_.end()) known = widths_.insert(text, QFontMetricsF(font_).horizontalAdvance(text));
    const double width = *known;
    auto* item = new DrawingText(std::move(text), font_, Colour(layer), QRectF(0, -ascent_, width, ascent_ + descent_),
                                 capHeight_);
    const double scale = t.height / capHeight_;
    QTransform place;
    place.translate(t.base.x + dx_, -(t.base.y + dy_));
    place.rotate(-t.rotation);
    place.scale(scale, scale);
    place.translate(align == TextAlign::kLeft ? 0 : align == TextAlign::kRight ? -width : -width / 2, 0);
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

  QPointF At(double x, double y) const { return ScenePoint(x + dx_, y + dy_); }

  QPainterPath& Outline(std::string_view layer) { return outlines_[std::string(layer)]; }
  QPainterPath& Filled(std::string_view layer) { return filled_[std::string(layer)]; }

  void Add(const QPainterPath& path, const QPen& pen, const QBrush& brush) {
    QGraphicsPathItem* item = scene_.addPath(path, pen, brush);
    covered_ |= item->sceneBoundingRect();
  }

  QGraphicsScene& scene_;
  const std::vector<DrawingLayer>& layers_;
  QFont font_;
  double capHeight_ = 1, ascent_ = 1, descent_ = 0;
  QHash<QString, double> widths_;
  double dx_ = 0, dy_ = 0;
  std::map<std::string, QPainterPath> outlines_, filled_;
  QRectF covered_;
};

void Add(DrawingWriter& out, const DrawingEntity& e) {
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

}  // namespace

QColor LayerColour(std::string_view layer) {
  if (layer == "Grid") return QColor(0x5c, 0x6b, 0x8a);
  return QColor(0x20, 0x20, 0x20);
}

QRectF AddDrawing(QGraphicsScene& scene, const Drawing& drawing) {
  return AddDrawing(scene, drawing, {{0, drawing.entities.size(), 0, 0}});
}

QRectF AddDrawing(QGraphicsScene& scene, const Drawing& drawing, const std::vector<DrawingPiece>& pieces) {
  DrawingWriter out(scene, drawing.layers);
  for (const DrawingPiece& piece : pieces) {
    out.Shift(piece.dx, piece.dy);
    for (std::size_t i = piece.first; i < piece.end && i < drawing.entities.size(); ++i) Add(out, drawing.entities[i]);
  }
  return out.Finish();
}

}  // namespace footmark
