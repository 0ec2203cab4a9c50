#include "model/code_page.h"
#include "model/numerics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <utility>
#include <string>
#include <vector>

#include "model/failure.h"
#include "model/line_rules.h"
#include "model/table.h"

namespace footmark {
namespace {

TEST(Rounding, HalvesToEvenAndOverflowFailsBeforeTheConversion) {
  const struct { double x; int whole; } cases[] = {
      {2.5, 2}, {3.5, 4}, {-2.5, -2}, {5.69, 6}, {32767.4, 32767}, {-32768.5, -32768}};
  for (const auto& c : cases) EXPECT_EQ(ToInt16(c.x), c.whole) << c.x;
  for (double bad : {32767.5, -32769.0, static_cast<double>(NAN)})
    EXPECT_THROW(ToInt16(bad), RuntimeFailure) << bad;
  EXPECT_EQ(ToInt32(-7.5), -8);
  EXPECT_THROW(ToInt32(2147483648.0), RuntimeFailure);
  EXPECT_EQ(RoundDecimals(2.345f, 2), 2.35f);  // 2.3450000286: above the half
  EXPECT_EQ(RoundDecimals(0.125f, 2), 0.12f);  // an exact half goes to the even neighbour
  EXPECT_THROW(Sng(1e39), RuntimeFailure);
  EXPECT_THROW(Sng(NAN), RuntimeFailure);
  EXPECT_THROW(Divide(1.0, 0.0), RuntimeFailure);
}

TEST(LeadingValue, InnerBlanksIgnoredAndAnExponentNeedsDigits) {
  const struct { const char* text; double value; } cases[] = {
      {"      5. 1 0 0 0", 5.1}, {"  -12.5 kN", -12.5}, {"\t3\t4", 34}, {"1.2.3", 1.2}, {"2.5E+007", 2.5e7},
      {"1 E 2", 100}, {"1D2", 100}, {"     1   D", 1}, {"3E-", 3}, {" 8 mm dia.", 8},
      {"---------", 0}, {"  STAAD SPACE", 0}, {".", 0}, {"-", 0}, {"", 0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingValue(c.text), c.value) << '"' << c.text << '"';
  // Beyond double: an overflow, not an infinity; below it the value is 0.
  EXPECT_THROW(LeadingValue(" 5E385"), RuntimeFailure);
  EXPECT_THROW(LeadingValue("-1 D 999"), RuntimeFailure);
  EXPECT_DOUBLE_EQ(LeadingValue("1E-999"), 0);
  // The quick conversions round as strtod does, bit for bit.
  for (const char* text : {"0.1", "-0", "136.53", "12.5e-22", "9007199254740993", "123456789012345.6",
                           "1.7976931348623157E308", "4.9E-324", "2.2250738585072011e-308"})
    EXPECT_EQ(LeadingValue(text), std::strtod(text, nullptr)) << text;
  // A data line is told by the sign and digits alone, the ends of the range apart.
  for (const auto& [line, data] : std::initializer_list<std::pair<const char*, bool>>{
           {"  1 E-999 2", false}, {"0.000", false}, {"- 5", false}, {" 0 1", true}, {"3E5", true}})
    EXPECT_EQ(IsDataLine(line), data) << '"' << line << '"';
}

TEST(Numeric, StrictTestAndConversion) {
  for (const char* yes : {"12", " -1.5 ", "+.5", "5.", "1e-5", "2.5E+007"})
    EXPECT_TRUE(IsNumeric(yes)) << yes;
  for (const char* no : {"", " ", "-", "MEMB", "12a", "1 2", "1e", "nan", "inf"})
    EXPECT_FALSE(IsNumeric(no)) << no;
  EXPECT_EQ(StrictNumber("12.25"), 12.25);
  EXPECT_FALSE(StrictNumber("12,5").has_value());
}

TEST(NumText, SevenSignificantDigitsLikePercentG) {
  const struct { double x; const char* text; } cases[] = {
      {0.45f, "0.45"}, {1.0 / 3.0, "0.3333333"}, {12345678.0, "1.234568E+07"}, {1.490116e-08, "1.490116E-08"},
      {9999999.0, "9999999"}, {0.0001, "0.0001"}, {-0.0, "0"}, {-1.5, "-1.5"}};
  for (const auto& c : cases) EXPECT_EQ(NumText(c.x), c.text);
  // Our own outputs: no float noise, no "-0".
  EXPECT_EQ(DecimalText(0.5000001f, 3) + " " + DecimalText(-0.0001, 3) + " " + DecimalText(4.5, 3, true), "0.5 0 4.500");
}

TEST(LineRules, FieldsAreCutAtSpacesOnlyAndDataLinesStartAbove0) {
  EXPECT_EQ(SplitFields("   1    1   1.37"), (Fields{"1", "1", "1.37"}));
  EXPECT_EQ(SplitFields("a\tb c"), (Fields{"a\tb", "c"}));
  Fields list;
  SplitListFields("12. 1 0 0 0;2 5 0 0", list);
  EXPECT_EQ(list.size(), 9u);
  EXPECT_TRUE(IsDataLine("   0  1 2"));  // read as 12
  EXPECT_FALSE(IsDataLine("   0   "));
  EXPECT_FALSE(IsDataLine("  -1  1 2"));
}

// The drawings' texts are code page 1252, names and title data UTF-8.
TEST(CodePage, Utf8TitleDataBecome1252BytesAndEveryByteComesBack) {
  const struct { const char* utf8; const char* cp1252; } cases[] = {
      {"Fundaci\u00f3n", "Fundaci\xF3n"}, {"\u20ac 5", "\x80 5"}, {"\u4e2d", "?"},
      {"a\xC3", "a?"}, {"\xC0\xAF", "?"}, {"\xED\xA0\x80", "?"}, {"\U0001F600!", "?!"}};
  for (const auto& c : cases) EXPECT_EQ(Cp1252FromUtf8(c.utf8), c.cp1252) << c.utf8;
  std::string every;
  for (int b = 1; b < 256; ++b) every += static_cast<char>(b);
  EXPECT_EQ(Cp1252FromUtf8(Utf8FromCp1252(every)), every);
  EXPECT_EQ(Utf8FromCp1252("\x80\x81\xE9"), "\u20ac\u0081\u00e9");
  // A workbook cell: UTF-8 stays, a title of the analysis file with 1252 letters is read as such.
  EXPECT_EQ(Utf8OrCp1252("Pe\u00f1a \ufffd"), "Pe\u00f1a \ufffd");
  EXPECT_EQ(Utf8OrCp1252("CARGA \xE9\x80"), "CARGA \u00e9\u20ac");
}

TEST(Table, AccessPastEitherEndFails) {
  Table<int, 3, 2> t("T");
  t(3, 2) = 7;
  EXPECT_EQ(t(3, 2), 7);
  EXPECT_THROW(t(0, 3), RuntimeFailure);
  EXPECT_THROW(t(-1, 0), RuntimeFailure);
}

}  // namespace
}  // namespace footmark
