#include "bbs/bar_shapes.h"

#include <cmath>

namespace footmark::bbs {

int ShapeCode(Shape shape) {
  switch (shape) {
    case Shape::Straight: return 20;
    case Shape::OneBend: return 37;
    case Shape::TwoBends: break;
  }
  return 38;
}

const char* ShapeText(Shape shape) {
  switch (shape) {
    case Shape::Straight: return "straight";
    case Shape::OneBend: return "L";
    case Shape::TwoBends: break;
  }
  return "U";
}

double UnitMass(double dia) { return std::round(dia * dia / 162 * 1000) / 1000; }

double BarShape::CuttingLength() const {
  const int bends = shape == Shape::Straight ? 0 : shape == Shape::OneBend ? 1 : 2;
  return std::round(a + bends * (leg - kRightBendDeduction * dia));
}

}  // namespace footmark::bbs
