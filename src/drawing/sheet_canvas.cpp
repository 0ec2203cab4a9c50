#include "drawing/sheet_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace footmark::sheet {

std::vector<DrawingLayer> SheetLayers() {
  // Colour numbers apart for every element; the plot colours are what a
  // pen table makes of them on white paper: black but for the grid, the
  // reinforcement and what calls for attention.
  return {
      {std::string(kFooting), 7, "CONTINUOUS", 0.5, 0x000000},
      {std::string(kPedestal), 5, "CONTINUOUS", 0.35, 0x1F3F9F},
      {std::string(kColumn), 214, "CONTINUOUS", 0.35, 0x4C1A4C},
      {std::string(kGrid), 8, "CENTER", 0.18, 0x808080},
      {std::string(kDimension), 94, "CONTINUOUS", 0.18, 0x006400},
      {std::string(kMark), 174, "CONTINUOUS", 0.25, 0x00007F},
      {std::string(kText), 250, "CONTINUOUS", 0.25, 0x000000},
      {std::string(kSchedule), 34, "CONTINUOUS", 0.25, 0x000000},
      {std::string(kSection), 134, "CONTINUOUS", 0.35, 0x000000},
      {std::string(kRebar), 14, "CONTINUOUS", 0.5, 0xB00000},
      {std::string(kTitle), 251, "CONTINUOUS", 0.35, 0x000000},
      {std::string(kCloud), 1, "CONTINUOUS", 0.35, 0xE00000},
      {std::string(kHatch), 30, "CONTINUOUS", 0.13, 0xE07000},
      {std::string(kMatchLine), 6, "DASHED", 0.5, 0x7F007F},
  };
}

DrawingEntity& Canvas::Add(EntityKind kind, std::string_view layer) {
  DrawingEntity& e = drawing_.entities.emplace_back();
  e.kind = kind;
  e.layer = layer;
  e.item = item_;
  return e;
}

void Canvas::Line(std::string_view layer, Vec2 a, Vec2 b) {
  DrawingEntity& e = Add(EntityKind::kLine, layer);
  e.a = {X(a.x), Y(a.y), 0};
  e.b = {X(b.x), Y(b.y), 0};
}

void Canvas::Rect(std::string_view layer, const Extents& box) {
  Polyline(layer,
           {{static_cast<float>(box.min.x), static_cast<float>(box.min.y), 0},
            {static_cast<float>(box.max.x), static_cast<float>(box.min.y), 0},
            {static_cast<float>(box.max.x), static_cast<float>(box.max.y), 0},
            {static_cast<float>(box.min.x), static_cast<float>(box.max.y), 0}},
           true);
}

void Canvas::Circle(std::string_view layer, Vec2 centre, double radius) {
  DrawingEntity& e = Add(EntityKind::kCircle, layer);
  e.a = {X(centre.x), Y(centre.y), 0};
  e.size = static_cast<float>(radius * k_);
}

void Canvas::Polyline(std::string_view layer, const std::vector<Vertex>& corners, bool closed) {
  DrawingEntity& e = Add(EntityKind::kPolyline, layer);
  e.points.reserve(corners.size());
  for (const Vertex& v : corners) e.points.push_back({X(v.x), Y(v.y), v.bulge});
  e.closed = closed;
}

void Canvas::Solid(std::string_view layer, const std::vector<Vec2>& corners) {
  DrawingEntity& e = Add(EntityKind::kSolid, layer);
  for (const Vec2 c : corners) e.points.push_back({X(c.x), Y(c.y), 0});
}

void Canvas::Hatch(std::string_view layer, const std::vector<Vec2>& boundary, double spacing, double angle) {
  DrawingEntity& e = Add(EntityKind::kHatch, layer);
  for (const Vec2 c : boundary) e.points.push_back({X(c.x), Y(c.y), 0});
  e.size = static_cast<float>(spacing * k_);
  e.angle = static_cast<float>(angle);
}

void Canvas::Text(std::string_view layer, Vec2 base, double height, std::string_view text, TextAlign align,
                  double rotation) {
  DrawingEntity& e = Add(EntityKind::kText, layer);
  e.a = {X(base.x), Y(base.y), 0};
  e.size = static_cast<float>(height * k_);
  e.text = text;
  e.align = align;
  e.angle = static_cast<float>(rotation);
}

void Canvas::TextMiddle(std::string_view layer, Vec2 middle, double height, std::string_view text,
                        double rotation) {
  // The baseline half a height below the middle, across the reading direction.
  const double a = rotation * std::numbers::pi / 180;
  Text(layer, {middle.x + std::sin(a) * height / 2, middle.y - std::cos(a) * height / 2}, height, text,
       TextAlign::kCentre, rotation);
}

std::vector<Vertex> CloudAround(const Extents& box, double arc) {
  // Counter-clockwise, so that counter-clockwise arcs bow outwards.
  const Vec2 corners[4] = {box.min, {box.max.x, box.min.y}, box.max, {box.min.x, box.max.y}};
  std::vector<Vertex> cloud;
  for (int side = 0; side < 4; ++side) {
    const Vec2 a = corners[side], b = corners[(side + 1) % 4];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const int n = std::max(1, static_cast<int>(std::lround(length / arc)));
    for (int i = 0; i < n; ++i) {
      const double t = static_cast<double>(i) / n;
      cloud.push_back({static_cast<float>(a.x + t * (b.x - a.x)), static_cast<float>(a.y + t * (b.y - a.y)), 0.6f});
    }
  }
  return cloud;
}

}  // namespace footmark::sheet
