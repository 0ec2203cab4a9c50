// The exact writer: fixed header and tables, entity texts, number format, dimension blocks. A failed write:
// tests/model (ReplaceFile).
#include <gtest/gtest.h>

#include "dxf/dxf_text.h"
#include "dxf/dxf_writer.h"
#include "support/dxf_reading.h"

namespace footmark {
namespace {

using testing::CrLfLines;
using testing::HasRun;
using testing::Pieces;

// Our own files' coordinates: rounded half to even at the last place, the
// fraction's trailing zeros and point dropped, never "-0"; too large falls back.
TEST(FixedNumberText, RoundsDropsTrailingZerosAndNeverWritesMinusZero) {
  const struct {
    double x;
    int decimals;
    const char* text;
  } cases[] = {{0, 6, "0"},          {-0.0000004, 6, "0"},     {-0.0000005, 6, "0"},     {0.0000015, 6, "0.000002"},
               {123.456789, 6, "123.456789"}, {-123.4567891, 6, "-123.456789"}, {2.5, 0, "2"},  {3.5, 0, "4"},
               {10.1, 4, "10.1"},     {1000, 4, "1000"},        {0.05, 1, "0"},         {-7.25, 1, "-7.2"},
               {99.99999, 4, "100"},  {1e15, 2, "1E+15"},       {12345.6789, 9, "12345.6789"}};
  for (const auto& c : cases) {
    std::string text = "|";
    AppendFixed(text, c.x, c.decimals);
    EXPECT_EQ(text, std::string("|") + c.text) << c.x << " to " << c.decimals << " places";
  }
}

TEST(ExactDxfText, EmptyDrawingIsTheFixedHeaderAndTablesThenTwoEmptySections) {
  const std::string text = ExactDxfText(Drawing{});
  const auto lines = CrLfLines(text);
  EXPECT_EQ(lines.size(), 376u) << "363 header and table lines, then the empty BLOCKS and ENTITIES and EOF";
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 376) << "every line, EOF included, ends in CR LF";
  EXPECT_TRUE(text.ends_with("ENDSEC\r\n  0\r\nEOF\r\n")) << text.substr(text.size() - 40);
  // The fixed text as AutoCAD accepted it, quirks included.
  for (const char* run : {
           "  0|SECTION|  2|HEADER|  9|$ACADVER|  1|AC1009|  9|$INSBASE",
           "$EXTMIN| 10|  0| 20|  0| 30|  0|  9|$EXTMAX| 10|368| 20|326| 30|0.0|  9|$LIMMIN",
           "$DIMSCALE| 40|8.0|  9|$DIMSTYLE|  2|STANDARD",
           " 41|1.55| 42|50.0",                                          // the fixed viewport
           "TABLE|  2|LTYPE| 70|     1|  0|LTYPE|  2|CONTINUOUS|  70",  // one declared, three held
           " 40|0.0| 0|LTYPE|  2|CENTER",                               // a one-blank group 0
           " 40|2.0|49|1.25 |49| -1.25 |49|0.25 |49| -0.25| 0|LTYPE",
           " 73|     4| 40|0.75|49|0.5 |49| -1.25 |  0|ENDTAB",            // DASHED lists two of four
           "TABLE|  2|LAYER| 70|     3|  0|LAYER|  2|0| 70",
           "LAYER|  2|Grid| 70|     0| 62|     7| 6|CENTER| 0|LAYER|  2|TblText",
           "STANDARD| 70|     0|  3||  4||  5||  6||  7|| 40|1.0| 41|0.025",  // five empty values
           "147|0.0211| 71|     0",
           "  0|ENDSEC|  0|SECTION|  2|BLOCKS|  0|ENDSEC|  0|SECTION|  2|ENTITIES|  0|ENDSEC|  0|EOF"})
    EXPECT_TRUE(HasRun(lines, Pieces(run))) << "missing or changed: " << run;
}

// The lines between a section's head and its ENDSEC.
std::vector<std::string> Section(const std::vector<std::string>& lines, const std::string& name) {
  auto first = std::find(lines.begin(), lines.end(), name) + 2;
  auto last = first;
  while (last != lines.end() && *last != "ENDSEC") ++last;
  return {first, last};
}

TEST(ExactDxfText, EntityTextsNumberFormatAndDimensionBlocks) {
  Drawing d;
  DxfAddLine(d, "Layout", 0.3f, 368, -1.5f, 12345678, 0, -0.0f);
  DxfAddCircle(d, "Grid", -3.3f, 10, 0, 0.3f);
  DxfAddText(d, "TblText", 31.5f, 14, 0, 0.5f, "Nos  &  Spacing");
  DxfAddRectangle(d, "Layout", 5.885f, 5.85f, 0, 6.335f, 6.15f, 1);
  // Dimensions number their blocks and write the angle and the text only when given.
  DxfAddDimension(d, "Layout", 0, 12, 5, 12, 0, 12, 5, 12, 0, "None");
  DxfAddDimension(d, "Layout", -2, 5, -2, 10, -2, 5.5f, -2, 10, 90, "none");
  const auto lines = CrLfLines(ExactDxfText(d));
  const std::string xdata =
      "1001|ACAD|1000|DSTYLE|1002|{|1070|   287|1070|     3|1070|    40|1040|8.0|1070|   271|1070|     3"
      "|1070|   272|1070|     3|1070|   279|1070|     0|1002|}|  0";
  EXPECT_EQ(Section(lines, "ENTITIES"),
            Pieces("LINE|8|Layout| 10|0.3| 20|368| 30|-1.5| 11|1.234568E+07| 21|0| 31|0|0|"
                   "CIRCLE|8|Grid| 10|-3.3| 20|10| 30|0| 40|0.3| 39|  0|0|"
                   "TEXT|8|TblText| 10|31.5| 20|14| 30|0| 40|0.5|1|Nos  &  Spacing| 50|  0| 71| 1| 72|  1"
                   "| 11|31.5| 21|14| 31|0.0 | 0|"
                   "POLYLINE|  5|48|  8|Layout|66|1| 10|0| 20|0| 30|0| 70|1|0|"
                   "VERTEX|5|50|8|0| 10|5.885| 20|5.85| 30|0|  0|VERTEX|5|51|8|0| 10|6.335| 20|5.85| 30|1|  0|"
                   "VERTEX|5|52|8|0| 10|6.335| 20|6.15| 30|1|  0|VERTEX|5|53|8|0| 10|5.885| 20|6.15| 30|0|  0|"
                   "SEQEND|0|"
                   "DIMENSION|  8|Layout|  6|CONTINUOUS|  2|*D0| 10|0| 20|12| 30|0.0| 11|5| 21|12| 31|0.0"
                   "| 70|     0| 13|0| 23|12| 33|0.0| 14|5| 24|12| 34|0.0|" + xdata +
                   "|DIMENSION|  8|Layout|  6|CONTINUOUS|  2|*D1| 10|-2| 20|5.5| 30|0.0| 11|-2| 21|10| 31|0.0"
                   "| 70|     0|  1|none| 13|-2| 23|5| 33|0.0| 14|-2| 24|10| 34|0.0| 50|90|" + xdata));
  EXPECT_EQ(Section(lines, "BLOCKS"),
            Pieces("BLOCK|  8|0|  2|*D0|70|     1| 10|0.0| 20|0.0| 30|0.0|  3|*D0|  1||0|ENDBLK|  8|0|0|"
                   "BLOCK|  8|0|  2|*D1|70|     1| 10|0.0| 20|0.0| 30|0.0|  3|*D1|  1||0|ENDBLK|  8|0|0"));
}

}  // namespace
}  // namespace footmark
