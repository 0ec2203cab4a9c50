#include "model/numerics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/counted_set.h"
#include "model/failure.h"
#include "model/line_rules.h"
#include "model/table.h"

namespace footmark {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(ToInt16(2.5), 2);
  EXPECT_EQ(ToInt16(3.5), 4);
  EXPECT_EQ(ToInt16(-2.5), -2);
  EXPECT_EQ(ToInt16(5.69), 6);
  EXPECT_EQ(ToInt32(-7.5), -8);
  // 2.345f is 2.3450000286..., just above the half: up.
  EXPECT_EQ(RoundDecimals(2.345f, 2), 2.35f);
  // 0.125 is exact in binary: a true half goes to the even neighbour.
  EXPECT_EQ(RoundDecimals(0.125f, 2), 0.12f);
  EXPECT_EQ(RoundDecimals(1.3f, 1), 1.3f);
}

TEST(Rounding, SixteenBitLimitsFailBeforeTheConversion) {
  EXPECT_EQ(ToInt16(32767.4), 32767);
  EXPECT_EQ(ToInt16(-32768.5), -32768);  // the half goes to the even -32768
  EXPECT_THROW(ToInt16(32767.5), RuntimeFailure);  // would round to 32768
  EXPECT_THROW(ToInt16(-32769), RuntimeFailure);
  EXPECT_THROW(ToInt16(NAN), RuntimeFailure);
  EXPECT_EQ(ToInt32(2147483647.0), 2147483647);
  EXPECT_THROW(ToInt32(2147483648.0), RuntimeFailure);
}

TEST(Rounding, SinglePrecisionOverflowAndDivisionAreCaught) {
  EXPECT_THROW(Sng(1e39), RuntimeFailure);
  EXPECT_THROW(Sng(NAN), RuntimeFailure);
  EXPECT_EQ(Sng(0.45), 0.45f);
  EXPECT_THROW(Divide(1.0, 0.0), RuntimeFailure);
  EXPECT_DOUBLE_EQ(Divide(1.0, 4.0), 0.25);
}

TEST(LeadingValue, BlanksInsideTheNumberAreIgnored) {
  EXPECT_DOUBLE_EQ(LeadingValue("      5. 1 0 0 0"), 5.1);
  EXPECT_DOUBLE_EQ(LeadingValue("  -12.5 kN"), -12.5);
  EXPECT_DOUBLE_EQ(LeadingValue(" 25 ALL"), 25.0);
  EXPECT_DOUBLE_EQ(LeadingValue("\t3\t4"), 34.0);
  EXPECT_DOUBLE_EQ(LeadingValue("1.2.3"), 1.2);
  EXPECT_DOUBLE_EQ(LeadingValue("2.5E+007"), 2.5e7);
  EXPECT_DOUBLE_EQ(LeadingValue("1 E 2"), 100.0);
}

TEST(LeadingValue, NoNumberGivesZero) {
  EXPECT_EQ(LeadingValue("---------"), 0.0);
  EXPECT_EQ(LeadingValue(""), 0.0);
  EXPECT_EQ(LeadingValue("  STAAD SPACE"), 0.0);
  EXPECT_EQ(LeadingValue("."), 0.0);
  EXPECT_EQ(LeadingValue("-"), 0.0);
}

TEST(LeadingValue, ALetterDWithoutDigitsIsNoExponent) {
  // The 10 characters after the column heading end on the D of "D E S I G N".
  EXPECT_EQ(LeadingValue("     1   D"), 1.0);
  EXPECT_EQ(LeadingValue("  12   D E"), 12.0);
  EXPECT_EQ(LeadingValue(" 8 mm dia."), 8.0);
  EXPECT_EQ(LeadingValue("3E"), 3.0);
  EXPECT_EQ(LeadingValue("3E-"), 3.0);
  EXPECT_EQ(LeadingValue("1D2"), 100.0);
}

TEST(Numeric, StrictConversionAcceptsOnlyWholeNumbers) {
  EXPECT_TRUE(IsNumeric("12"));
  EXPECT_TRUE(IsNumeric(" -1.5 "));
  EXPECT_TRUE(IsNumeric("+.5"));
  EXPECT_TRUE(IsNumeric("5."));
  EXPECT_TRUE(IsNumeric("1e-5"));
  EXPECT_TRUE(IsNumeric("2.5E+007"));
  EXPECT_FALSE(IsNumeric(""));
  EXPECT_FALSE(IsNumeric(" "));
  EXPECT_FALSE(IsNumeric("-"));
  EXPECT_FALSE(IsNumeric("MEMB"));
  EXPECT_FALSE(IsNumeric("12a"));
  EXPECT_FALSE(IsNumeric("1 2"));
  EXPECT_FALSE(IsNumeric("1e"));
  EXPECT_FALSE(IsNumeric("nan"));
  EXPECT_FALSE(IsNumeric("inf"));
  EXPECT_EQ(StrictNumber("12.25"), 12.25);
  EXPECT_FALSE(StrictNumber("12,5").has_value());
}

TEST(NumText, SevenSignificantDigitsLikePercentG) {
  EXPECT_EQ(NumText(0.45f), "0.45");
  EXPECT_EQ(NumText(12.0), "12");
  EXPECT_EQ(NumText(1.6f), "1.6");
  EXPECT_EQ(NumText(1.0 / 3.0), "0.3333333");
  EXPECT_EQ(NumText(12345678.0), "1.234568E+07");
  EXPECT_EQ(NumText(1.490116e-08), "1.490116E-08");
  EXPECT_EQ(NumText(9999999.0), "9999999");
  EXPECT_EQ(NumText(0.0001), "0.0001");
  EXPECT_EQ(NumText(-0.0), "0");
  EXPECT_EQ(NumText(-1.5), "-1.5");
  EXPECT_EQ(NumText(368.0f), "368");
  EXPECT_EQ(IntText(-32768), "-32768");
}

TEST(LineRules, FieldsAreCutAtSingleSpacesOnly) {
  EXPECT_EQ(SplitFields("   1    1   1.37"), (std::vector<std::string>{"1", "1", "1.37"}));
  EXPECT_EQ(SplitFields("a\tb c"), (std::vector<std::string>{"a\tb", "c"}));
  EXPECT_TRUE(SplitFields("    ").empty());
  EXPECT_EQ(SplitFields(ReplaceSemicolons("12. 1 0 0 0;2 5 0 0")).size(), 9u);
  EXPECT_TRUE(IsDataLine("    45. BETA 90"));
  EXPECT_FALSE(IsDataLine("  -----"));
  EXPECT_FALSE(IsDataLine("   0   "));
  // Inner blanks are ignored, so a line starting with 0 can still be a data line.
  EXPECT_TRUE(IsDataLine("   0  1 2"));
  EXPECT_FALSE(IsDataLine("  -1  1 2"));
  EXPECT_EQ(MarkerPos("ab X cd", "X"), 4u);
  EXPECT_EQ(MarkerPos("ab cd", "X"), 0u);
}

TEST(Table, AccessPastAnEndFailsBeforeTouchingIt) {
  Table<int, 3, 2> t("T");
  t(3, 2) = 7;
  EXPECT_EQ(t(3, 2), 7);
  EXPECT_EQ(t(0, 0), 0);
  EXPECT_THROW(t(4, 0), RuntimeFailure);
  EXPECT_THROW(t(0, 3), RuntimeFailure);
  EXPECT_THROW(t(-1, 0), RuntimeFailure);
  try {
    t(4, 0);
  } catch (const RuntimeFailure& e) {
    EXPECT_NE(std::string(e.what()).find("T (0..3)"), std::string::npos);
  }
}

TEST(CountedSet, KeepsDistinctValuesAndSortsThem) {
  Table<float, 3> set("set");
  for (float v : {0.0f, 6.0f, 3.0f, 6.0f}) AddDistinct(set, v);
  SortSet(set);
  EXPECT_EQ(set[0], 3.0f);
  EXPECT_EQ(set[1], 0.0f);
  EXPECT_EQ(set[2], 3.0f);
  EXPECT_EQ(set[3], 6.0f);
  // 6.0 and 6.001 are two values: no tolerance.
  EXPECT_THROW(AddDistinct(set, 6.001f), RuntimeFailure);
}

}  // namespace
}  // namespace footmark
