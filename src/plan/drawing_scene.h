// The window's writer of a composed drawing: every entity as items of a Qt
// graphics scene, beside the DXF and SVG writers of the same data. Lines,
// outlines, circles, polylines with their arcs and hatch lines of a layer
// share one path item, solids and arrows another; texts are items of their
// own, to scale, aligned and turned as the entity says; dimensions and
// hatches are laid out as the portable writers lay them out
// (drawing/drawing_geometry.h). A composed sheet's layers give the colours.
//
// The scene's y is the drawing's y negated, so the drawing stands upright on
// screen (scene y grows downwards). Lines keep one pixel at any zoom.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <cstddef>
#include <string_view>
#include <vector>

#include "drawing/drawing.h"

class QGraphicsScene;

namespace footmark {

// The scene point of a drawing point.
inline QPointF ScenePoint(double x, double y) { return {x, -y}; }

// The colour of a layer without one of its own ("Grid" a grey blue, the rest near black).
QColor LayerColour(std::string_view layer);

// A run of a drawing's entities moved by (dx, dy) drawing units.
struct DrawingPiece {
  std::size_t first = 0, end = 0;
  double dx = 0, dy = 0;
};

// Adds the drawing's items (the pieces given, or every entity where the
// drawing lies) to the scene at z 0 and returns the rectangle they cover.
QRectF AddDrawing(QGraphicsScene& scene, const Drawing& drawing, const std::vector<DrawingPiece>& pieces);
QRectF AddDrawing(QGraphicsScene& scene, const Drawing& drawing);

}  // namespace footmark
