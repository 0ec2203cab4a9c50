// Drawing on a sheet in paper millimetres: the sheet's layers, and a canvas
// that turns millimetres on the paper into drawing units (metres of the
// plan at the sheet's scale) as it adds entities.
#pragma once

#include <string_view>
#include <vector>

#include "drawing/drawing.h"
#include "drawing/drawing_geometry.h"

namespace footmark::sheet {

// Layers by element, each with its own colour so that a plot takes its pen
// by colour.
inline constexpr std::string_view kFooting = "FOOTING";
inline constexpr std::string_view kPedestal = "PEDESTAL";
inline constexpr std::string_view kColumn = "COLUMN";
inline constexpr std::string_view kGrid = "GRID";
inline constexpr std::string_view kDimension = "DIMENSIONS";
inline constexpr std::string_view kMark = "MARKS";
inline constexpr std::string_view kText = "TEXT";
inline constexpr std::string_view kSchedule = "SCHEDULE";
inline constexpr std::string_view kSection = "SECTION";
inline constexpr std::string_view kRebar = "REBAR";
inline constexpr std::string_view kTitle = "TITLE";
inline constexpr std::string_view kCloud = "CLOUD";
inline constexpr std::string_view kHatch = "HATCH";
inline constexpr std::string_view kMatchLine = "MATCHLINE";

std::vector<DrawingLayer> SheetLayers();

// Text heights on paper, mm.
inline constexpr double kSmallText = 2.0;
inline constexpr double kTextHeight = 2.5;  // marks, dimensions, cells, notes: legible at plot scale
inline constexpr double kHeading = 3.5;
inline constexpr double kTitleText = 5.0;

class Canvas {
 public:
  // (x, y) is the drawing point of the paper's lower left corner; a
  // millimetre of paper is unitsPerMm drawing units.
  Canvas(Drawing& drawing, double x, double y, double unitsPerMm)
      : drawing_(drawing), x_(x), y_(y), k_(unitsPerMm) {}

  double UnitsPerMm() const { return k_; }
  // What the entities added next show (DrawingEntity::item).
  void SetItem(int item) { item_ = item; }

  void Line(std::string_view layer, Vec2 a, Vec2 b);
  void Rect(std::string_view layer, const Extents& box);
  void Circle(std::string_view layer, Vec2 centre, double radius);
  // Corners in mm with their bulges.
  void Polyline(std::string_view layer, const std::vector<Vertex>& corners, bool closed);
  void Solid(std::string_view layer, const std::vector<Vec2>& corners);
  void Hatch(std::string_view layer, const std::vector<Vec2>& boundary, double spacing, double angle);
  void Text(std::string_view layer, Vec2 base, double height, std::string_view text,
            TextAlign align = TextAlign::kCentre, double rotation = 0);
  // A text whose box is centred on `middle`.
  void TextMiddle(std::string_view layer, Vec2 middle, double height, std::string_view text, double rotation = 0);

 private:
  DrawingEntity& Add(EntityKind kind, std::string_view layer);
  float X(double mm) const { return static_cast<float>(x_ + mm * k_); }
  float Y(double mm) const { return static_cast<float>(y_ + mm * k_); }

  Drawing& drawing_;
  double x_, y_, k_;
  int item_ = 0;
};

// A revision cloud around a box: arcs bowing outwards, about `arc` mm
// long each.
std::vector<Vertex> CloudAround(const Extents& box, double arc);

}  // namespace footmark::sheet
