#include "drawing/drawing.h"

namespace footmark {

namespace {

DrawingEntity& Add(Drawing& drawing, EntityKind kind, std::string_view layer) {
  DrawingEntity& e = drawing.entities.emplace_back();
  e.kind = kind;
  e.layer = layer;
  return e;
}

}  // namespace

void DxfAddLine(Drawing& drawing, std::string_view layer, float x1, float y1, float z1, float x2, float y2,
                float z2) {
  DrawingEntity& e = Add(drawing, EntityKind::kLine, layer);
  e.a = {x1, y1, z1};
  e.b = {x2, y2, z2};
}

void DxfAddCircle(Drawing& drawing, std::string_view layer, float cx, float cy, float cz, float radius) {
  DrawingEntity& e = Add(drawing, EntityKind::kCircle, layer);
  e.a = {cx, cy, cz};
  e.size = radius;
}

void DxfAddText(Drawing& drawing, std::string_view layer, float x, float y, float z, float height,
                std::string_view text) {
  DrawingEntity& e = Add(drawing, EntityKind::kText, layer);
  e.a = {x, y, z};
  e.size = height;
  e.text = text;
}

void DxfAddDimension(Drawing& drawing, std::string_view layer, float x1, float y1, float x2, float y2, float dx,
                     float dy, float tx, float ty, float angle, std::string_view text) {
  DrawingEntity& e = Add(drawing, EntityKind::kDimension, layer);
  e.a = {x1, y1, 0};
  e.b = {x2, y2, 0};
  e.line = {dx, dy, 0};
  e.textAt = {tx, ty, 0};
  e.angle = angle;
  e.text = text;
}

void DxfAddRectangle(Drawing& drawing, std::string_view layer, float x1, float y1, float z1, float x2, float y2,
                     float z2) {
  DrawingEntity& e = Add(drawing, EntityKind::kRectangle, layer);
  e.a = {x1, y1, z1};
  e.b = {x2, y2, z2};
}

}  // namespace footmark
