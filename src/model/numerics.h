// Number rules shared by every step.
//
// Values are IEEE single precision. A quantity is evaluated as one formula in
// double (float operands widened) and rounded to float once, where it is
// stored: Sng() is that one rounding. Conversions to whole numbers take a half
// to the even neighbour and fail cleanly when out of range.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace footmark {

// Rounds a double to single precision; a finite value beyond the float range
// is an overflow (RuntimeFailure), as is NaN.
[[noreturn]] void SngFailure(double x);
inline float Sng(double x) {
  const float f = static_cast<float>(x);
  if (std::isnan(x) || (std::isinf(f) && !std::isinf(x))) [[unlikely]]
    SngFailure(x);
  return f;
}

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double x);

// A length in metres to the nearest millimetre: geometry is judged on
// millimetres, not on the float noise of its metres.
double RoundToMillimetre(double metres);

// Checked whole-number conversions, halves to even.
std::int16_t ToInt16(double x);
std::int32_t ToInt32(double x);

// Rounds the single's exact value to k decimals, halves to even:
// 2.345f is 2.3450000286, so it gives 2.35.
float RoundDecimals(float x, int k);

// a / b with a zero divisor caught before the division.
double Divide(double a, double b);

// The lenient leading-value rule: leading blanks skipped, blanks (space, tab,
// line feed, carriage return) inside the number ignored, an optional sign,
// digits, one decimal point and an exponent (E or D followed by digits); the
// first other character ends the number. No number gives 0; a number beyond
// the double range is an overflow (RuntimeFailure).
double LeadingValue(std::string_view text);

// Whether LeadingValue(text) > 0, without converting the number when its
// sign and digits tell: a data line of the analysis file is known by that
// alone. The same answer, and the same overflow, as the comparison.
bool LeadingValueIsPositive(std::string_view text);

// The general is-numeric test: optional blanks, a sign, digits with at most
// one decimal point, an optional exponent, optional blanks.
bool IsNumeric(std::string_view text);

// The strict conversion: the value of a text that passes IsNumeric, nothing
// otherwise.
std::optional<double> StrictNumber(std::string_view text);

// The range of a number the user gives for a setting, in the user's units.
struct SettingRange {
  double Low = 0, High = 0;
  const char* What = "";  // how the range reads: "the SBC is a whole number of kN/m2"
  bool Whole = false;     // rounded to a whole number (halves to even) before it is judged
  bool AboveLow = false;  // Low itself is out of range
};

// The value of `text` given for the setting `name` ("--sbc"), or ProgramEnd
// worded for the user: `--sbc: "abc" is not a number`, `--sbc: 32768 is out
// of range; the SBC is a whole number of kN/m2 from 1 to 32767`. A number
// beyond the double range is out of range like any other.
double SettingValue(const std::string& name, const std::string& text, const SettingRange& range);

// Shortest general decimal form with at most 7 significant digits, as C's
// "%.7G" writes it (0.45, 12, 1.234568E+07); zero is "0", never "-0".
std::string NumText(double x);

// Text for our own reports, drawings and workbooks: x rounded to at most
// `decimals` places (halves to even on the exact value), trailing zeros and a
// trailing point dropped, never "-0": 0.5000001f gives "0.5" at 3 places,
// 4.5 gives "4.5". With keepZeros the places are all written ("4.500").
std::string DecimalText(double x, int decimals, bool keepZeros = false);

// A whole number as plain decimal text.
std::string IntText(std::int64_t n);

}  // namespace footmark
