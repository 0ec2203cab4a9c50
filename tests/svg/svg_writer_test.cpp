// The SVG writer: screen coordinates, markup and code page 1252 in texts, the size of the picture.
#include <gtest/gtest.h>

#include "svg/svg_writer.h"

namespace footmark {
namespace {

TEST(SvgText, FlippedCoordinatesEscapedTextsAndAViewBoxAroundTheDrawing) {
  Drawing d;
  DxfAddRectangle(d, "Layout", 0, 0, 0, 2, 1, 0);
  DxfAddText(d, "TblText", 31.5f, 14, 0, 0.5f, "Nos  &  Spacing");
  DxfAddText(d, "Grid", -3.3f, 9.88f, 0, 0.25f, "<\x80\xA4");  // grid letters past "Z" are code page 1252
  DxfAddDimension(d, "Layout", -2, 5, -2, 10, -2, 5, -2, 10, 90, "None");
  const std::string svg = SvgText(d);
  for (const char* part : {
           "<rect x=\"0\" y=\"-1\" width=\"2\" height=\"1\"/>",  // y downwards: the top edge at -1
           "<g class=\"TblText\">\n<text x=\"31.5\" y=\"-14\" font-size=\"0.7143\">Nos  &amp;  Spacing</text>",
           ">&lt;\xE2\x82\xAC\xC2\xA4</text>",                     // "<", euro sign, currency sign in UTF-8
           "<g class=\"Dimension\">",
           "transform=\"rotate(-90 -2.08 -7.5)\">5.000</text>",  // a vertical dimension's text reads upwards
           // Extents x -3.6 .. 34.5, y 0 .. 14.5 (a character reckoned 0.8 of the text height wide),
           // 2 m around them, 10 mm a metre.
           "width=\"421mm\" height=\"185mm\" viewBox=\"-5.6 -16.5 42.1 18.5\""})
    EXPECT_NE(svg.find(part), std::string::npos) << "missing: " << part << "\nin:\n" << svg;
}

}  // namespace
}  // namespace footmark
