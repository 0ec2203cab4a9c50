// The drawing as data: every entity with its layer, points, text and
// dimension definition, in the order composed, and for a composed sheet its
// layers and the sheets of paper it lies on. Nothing here knows a file
// format; the writers (exact R12, portable R12, SVG, the window's plan) each
// turn one Drawing into what they show.
//
// Coordinates are drawing units equal to the model's metres, single
// precision as the composition rounded them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace footmark {

enum class EntityKind { kLine, kCircle, kText, kRectangle, kDimension, kPolyline, kSolid, kHatch };

// Which point of a text's baseline its position is.
enum class TextAlign : std::uint8_t { kCentre, kLeft, kRight };

struct DrawingPoint {
  float x = 0, y = 0, z = 0;
};

// A corner of a polyline, solid or hatch boundary. bulge = tan(a / 4) of
// the arc a (counter-clockwise positive) from this corner to the next; 0 is
// a straight side.
struct Vertex {
  float x = 0, y = 0;
  float bulge = 0;
};

struct DrawingEntity {
  EntityKind kind = EntityKind::kLine;
  std::string layer;
  // LINE: the two ends. RECTANGLE: two opposite corners. CIRCLE: a is the
  // centre. TEXT: a is the point of its baseline that align names (the
  // middle unless told).
  // DIMENSION: the two extension-line origins.
  DrawingPoint a, b;
  // DIMENSION only: a point on the dimension line and the text position.
  DrawingPoint line, textAt;
  float size = 0;   // CIRCLE: radius; TEXT: height; HATCH: spacing of its lines
  // DIMENSION: 0 horizontal, 90 vertical; TEXT: rotation counter-clockwise;
  // HATCH: direction of its lines (degrees).
  float angle = 0;
  // TEXT: the text. DIMENSION: "None" shows the measured distance.
  std::string text;
  TextAlign align = TextAlign::kCentre;  // TEXT
  // POLYLINE: its corners; SOLID: three or four corners, filled; HATCH: the
  // closed boundary its parallel lines fill.
  std::vector<Vertex> points;
  bool closed = false;  // POLYLINE: the last corner joins the first
  // What the entity shows of the design (a footing, a clash; sheet.h says
  // how), 0 for the rest.
  int item = 0;
};

// A layer of a composed sheet: its colour number (AutoCAD's index, which
// plotting turns into a pen), its line type, the pen it plots with and the
// colour it shows on white paper.
struct DrawingLayer {
  std::string name;
  int colour = 7;
  std::string lineType = "CONTINUOUS";  // CONTINUOUS, CENTER or DASHED
  double pen = 0.25;                    // mm on paper
  std::uint32_t plotColour = 0;         // 0xRRGGBB
};

// A sheet of paper: the rectangle of the drawing it shows, at its scale, and
// the entities drawn on it (a range of the drawing's list).
struct DrawingSheet {
  std::string paper;              // "A1"
  double width = 0, height = 0;   // paper, mm
  int scale = 100;                // 1:scale
  float x = 0, y = 0;             // lower left corner, drawing units
  std::size_t first = 0, end = 0;  // entities [first, end)
  // Drawing units of its width and height.
  double Width() const { return width * scale / 1000; }
  double Height() const { return height * scale / 1000; }
};

struct Drawing {
  std::vector<DrawingEntity> entities;
  // Layer of outlines, dimensions and table rules while composing.
  std::string DxfLayer = "Layout";
  // A composed sheet's layers and sheets; both empty for the method's
  // drawing, which has its fixed layers and one picture of its extents.
  std::vector<DrawingLayer> layers;
  std::vector<DrawingSheet> sheets;
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
