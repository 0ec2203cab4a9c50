// The window's writer of a composed drawing: every entity as items of a Qt
// graphics scene, beside the DXF and SVG writers of the same data. Lines,
// outlines and circles of a layer share one path item; texts are items of
// their own, to scale; dimensions are laid out as the portable writers lay
// them out (dxf/drawing_geometry.h).
//
// The scene's y is the drawing's y negated, so the drawing stands upright on
// screen (scene y grows downwards). Lines keep one pixel at any zoom.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <string_view>

#include "dxf/drawing.h"

class QGraphicsScene;

namespace footmark {

// The scene point of a drawing point.
inline QPointF ScenePoint(double x, double y) { return {x, -y}; }

// The colour a layer is drawn in ("Grid" a grey blue, the rest near black).
QColor LayerColour(std::string_view layer);

// Adds the drawing's items to the scene at z 0 and returns the rectangle
// they cover.
QRectF AddDrawing(QGraphicsScene& scene, const Drawing& drawing);

}  // namespace footmark
