// The drawing as data: every entity with its layer, points, text and
// dimension definition, in the order composed. Nothing here knows a file
// format; the writers (exact R12, portable R12, SVG) each turn one Drawing
// into a file.
//
// Coordinates are drawing units equal to the model's metres, single
// precision as the composition rounded them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace footmark {

enum class EntityKind { kLine, kCircle, kText, kRectangle, kDimension };

struct DrawingPoint {
  float x = 0, y = 0, z = 0;
};

struct DrawingEntity {
  EntityKind kind = EntityKind::kLine;
  std::string layer;
  // LINE: the two ends. RECTANGLE: two opposite corners. CIRCLE: a is the
  // centre. TEXT: a is the point the text is centred on, its baseline.
  // DIMENSION: the two extension-line origins.
  DrawingPoint a, b;
  // DIMENSION only: a point on the dimension line and the text position.
  DrawingPoint line, textAt;
  float size = 0;   // CIRCLE: radius; TEXT: height
  float angle = 0;  // DIMENSION: 0 horizontal, 90 vertical (degrees)
  // TEXT: the text. DIMENSION: "None" shows the measured distance.
  std::string text;
};

struct Drawing {
  std::vector<DrawingEntity> entities;
  // Layer of outlines, dimensions and table rules while composing.
  std::string DxfLayer = "Layout";
};

// The primitives the plan and the schedules are composed of; each appends
// one entity.
void DxfAddLine(Drawing& drawing, std::string_view layer, float x1, float y1, float z1, float x2, float y2,
                float z2);
void DxfAddCircle(Drawing& drawing, std::string_view layer, float cx, float cy, float cz, float radius);
// A text centred horizontally on (x, y).
void DxfAddText(Drawing& drawing, std::string_view layer, float x, float y, float z, float height,
                std::string_view text);
// A linear dimension between the extension-line origins (x1, y1) and
// (x2, y2), its line through (dx, dy), its text at (tx, ty), rotated by angle
// degrees; the text "None" shows the measured distance.
void DxfAddDimension(Drawing& drawing, std::string_view layer, float x1, float y1, float x2, float y2, float dx,
                     float dy, float tx, float ty, float angle, std::string_view text);
// A closed four-corner outline with corners (x1, y1) and (x2, y2).
void DxfAddRectangle(Drawing& drawing, std::string_view layer, float x1, float y1, float z1, float x2, float y2,
                     float z2);

}  // namespace footmark
