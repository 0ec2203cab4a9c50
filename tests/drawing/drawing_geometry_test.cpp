// What the portable writers draw for a dimension, and numbers shown without float noise.
#include <gtest/gtest.h>

#include <cmath>

#include "drawing/drawing_geometry.h"
#include "model/numerics.h"

namespace footmark {
namespace {

std::string At(Vec2 p) { return DecimalText(p.x, 3) + "," + DecimalText(p.y, 3); }

struct DimensionCase {
  const char* what;
  float x1, y1, x2, y2, dx, dy, angle;
  const char* line;    // the dimension line, stubs included
  const char* tips;    // arrow tips, each followed by the side its back is on
  const char* text;    // text, its baseline centre and rotation
  double reach;        // length of the extension lines
};

TEST(LayDimension, LineArrowsAndTextWhereTheyFit) {
  const DimensionCase cases[] = {
      {"grid chain", 0, 12, 4.5f, 12, 0, 12, 0, "0,12 4.5,12", "0,12 in 4.5,12 in", "4.500@2.25,12.08 r0", 0.15},
      // Shorter than 2.5 arrows: arrows outside on stubs of two arrow lengths,
      // the text beside the second point.
      {"column offset", 6, 6, 6.11f, 6, 6, 6.35f, 0, "5.7,6.35 6.41,6.35", "6,6.35 out 6.11,6.35 out",
       "0.110@6.89,6.43 r0", 0.5},
      // Vertical: the text reads upwards on the left of the line.
      {"vertical chain", -2, 5, -2, 10, -2, 5, 90, "-2,5 -2,10", "-2,5 in -2,10 in", "5.000@-2.08,7.5 r90", 0.15},
  };
  for (const DimensionCase& c : cases) {
    DrawingEntity e;
    e.kind = EntityKind::kDimension;
    e.a = {c.x1, c.y1, 0}, e.b = {c.x2, c.y2, 0}, e.line = {c.dx, c.dy, 0}, e.angle = c.angle, e.text = "None";
    const DimensionLayout d = LayDimension(e);
    EXPECT_EQ(At(d.line.from) + " " + At(d.line.to), c.line) << c.what;
    std::string tips;
    for (int i = 0; i < 2; ++i) {
      const Vec2 tip = d.arrows[i][0], back = d.arrows[i][1];
      const Vec2 other = i == 0 ? d.line.to : d.line.from;  // the far end of the line
      const bool inward = std::hypot(back.x - other.x, back.y - other.y) < std::hypot(tip.x - other.x, tip.y - other.y);
      tips += (i ? " " : "") + At(tip) + (inward ? " in" : " out");
    }
    EXPECT_EQ(tips, c.tips) << c.what;
    EXPECT_EQ(d.text.text + "@" + At(d.text.base) + " r" + NumText(d.text.rotation), c.text) << c.what;
    for (const Segment& s : d.extension)
      EXPECT_NEAR(std::hypot(s.to.x - s.from.x, s.to.y - s.from.y), c.reach, 1e-6)
          << c.what << ": an extension line runs from its point to " << dim::kBeyond << " past the line";
  }
}

TEST(ShownText, NumbersToTheMillimetreWithoutFloatNoise) {
  const std::pair<const char*, const char*> cases[] = {
      {"0.4750001", "0.475"}, {"1.6", "1.6"}, {"0.5000001", "0.5"}, {"12", "12"},
      {"10   ( 160 mm )", "10   ( 160 mm )"}, {"4-16  12-12", "4-16  12-12"}, {"8 - 190", "8 - 190"},
      {"300 X 450", "300 X 450"}, {"F2/P1/C4", "F2/P1/C4"}, {"Nos  &  Spacing", "Nos  &  Spacing"}, {"", ""}};
  for (const auto& [text, shown] : cases) EXPECT_EQ(ShownText(text), shown) << text;
}

}  // namespace
}  // namespace footmark
