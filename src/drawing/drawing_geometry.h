// What the portable writers (portable R12, SVG) draw beyond the entities
// themselves: every dimension's lines, arrows and text worked out in world
// coordinates, the extents of the whole drawing, and texts as shown to the
// user. Both writers take these from here, so the two files agree.
//
// Sizes are for a drawing in metres; the portable DXF writes the same values
// into its header and its dimension style, so a reader that redraws the
// dimensions from those gets what the blocks hold.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/drawing.h"

namespace footmark {

namespace dim {
inline constexpr double kTextHeight = 0.2;  // DIMTXT
inline constexpr double kArrow = 0.15;      // DIMASZ: arrow length; its width is a third
inline constexpr double kOffset = 0.0;      // DIMEXO: extension line gap at the measured point
inline constexpr double kBeyond = 0.15;     // DIMEXE: extension line past the dimension line
inline constexpr double kGap = 0.08;        // DIMGAP: text above the dimension line
inline constexpr double kSpacing = 0.5;     // DIMDLI
inline constexpr double kCentre = 0.1;      // DIMCEN
// Below this length the arrows flip outside onto short stubs of the line.
inline constexpr double kArrowsInside = 2.5 * kArrow;
}  // namespace dim

struct Vec2 {
  double x = 0, y = 0;
};

struct Segment {
  Vec2 from, to;
};

// A text placed as both writers place it: centred on its baseline point,
// rotated counter-clockwise by rotation degrees (0 or 90).
struct PlacedText {
  Vec2 base;
  double height = 0;
  double rotation = 0;
  std::string text;
};

struct DimensionLayout {
  Segment line;                     // the dimension line, stubs included
  std::array<Segment, 2> extension;  // from each measured point to past the line
  std::array<std::array<Vec2, 3>, 2> arrows;  // filled triangles: tip, then the two back corners
  PlacedText text;                  // the measured distance, DIMGAP above the line
  Vec2 textMiddle;                  // the middle of that text
  std::array<Vec2, 3> definition;   // both measured points and the line's end at the second
};

// Lines, arrows and text of a DIMENSION entity. The text is the measured
// distance to the millimetre ("4.500") unless the entity gives its own.
DimensionLayout LayDimension(const DrawingEntity& dimension);

// Width of a text of that many characters and that height, as the writers
// reckon it for fitting and extents (a little wider than CAD fonts draw).
double TextWidth(std::size_t characters, double height);

struct Extents {
  Vec2 min, max;
};

// The box a text covers (TextWidth long, its height tall), for a text whose
// baseline point `base` is aligned as `align` says and which is rotated by
// `rotation` degrees: the box of the rotated text.
Extents TextExtents(Vec2 base, double height, double rotation, std::size_t characters,
                    TextAlign align = TextAlign::kCentre);
// The same for a TEXT entity, as the portable writers show it.
Extents TextExtents(const DrawingEntity& text);

// A box w x h with its middle at c.
inline Extents BoxAt(Vec2 c, double w, double h) { return {{c.x - w / 2, c.y - h / 2}, {c.x + w / 2, c.y + h / 2}}; }

// Whether two boxes share more than an edge.
bool Overlap(const Extents& a, const Extents& b);

// The parallel lines of a HATCH entity inside its boundary.
std::vector<Segment> HatchLines(const DrawingEntity& hatch);

// The middle of the side from a to b that bows by `bulge` (Vertex).
Vec2 BulgeMiddle(Vec2 a, Vec2 b, double bulge);

// Every dimension laid out once, in drawing order, and the smallest box
// holding everything drawn, dimension geometry and texts included (the box
// (0, 0) to (1, 1) for an empty drawing).
struct DrawingLayout {
  std::vector<DimensionLayout> dimensions;
  Extents extents;
};
DrawingLayout LayOutDrawing(const Drawing& drawing);

// A text as our own outputs show it: every number in it written to the
// millimetre without float noise ("0.4750001" becomes "0.475"); other words
// stay as they are.
std::string ShownText(std::string_view text);

}  // namespace footmark
