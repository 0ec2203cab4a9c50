#include "model/numerics.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "model/failure.h"

namespace footmark {

float Sng(double x) {
  if (std::isnan(x)) throw RuntimeFailure("arithmetic fault: result is not a number");
  const float f = static_cast<float>(x);
  if (std::isinf(f) && !std::isinf(x))
    throw RuntimeFailure("overflow: " + NumText(x) + " is beyond single precision");
  return f;
}

double RoundHalfEven(double x) {
  // nearbyint rounds in the current mode, which is round-to-nearest-even.
  return std::nearbyint(x);
}

namespace {
template <class Int>
Int ToWhole(double x, const char* kind) {
  const double r = RoundHalfEven(x);
  // Written so that NaN fails too.
  if (!(r >= static_cast<double>(std::numeric_limits<Int>::min()) &&
        r <= static_cast<double>(std::numeric_limits<Int>::max())))
    throw RuntimeFailure(std::string("overflow: ") + NumText(x) + " does not fit a " + kind +
                         " whole number");
  return static_cast<Int>(r);
}
}  // namespace

std::int16_t ToInt16(double x) { return ToWhole<std::int16_t>(x, "16-bit"); }
std::int32_t ToInt32(double x) { return ToWhole<std::int32_t>(x, "32-bit"); }

float RoundDecimals(float x, int k) {
  const double scale = std::pow(10.0, k);
  return Sng(RoundHalfEven(static_cast<double>(x) * scale) / scale);
}

double Divide(double a, double b) {
  if (b == 0.0) throw RuntimeFailure("division by zero");
  return a / b;
}

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsExponent(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }
}  // namespace

double LeadingValue(std::string_view text) {
  // Collect the number's characters, dropping inner blanks, then convert once.
  std::string digits;
  std::size_t i = 0;
  const std::size_t n = text.size();
  auto skipBlanks = [&] {
    while (i < n && IsBlank(text[i])) ++i;
  };
  skipBlanks();
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    digits += text[i++];
    skipBlanks();
  }
  bool anyDigit = false, point = false;
  while (i < n) {
    const char c = text[i];
    if (IsDigit(c)) {
      digits += c;
      anyDigit = true;
    } else if (c == '.' && !point) {
      digits += c;
      point = true;
    } else if (!IsBlank(c)) {
      break;
    }
    ++i;
  }
  if (!anyDigit) return 0.0;
  if (i < n && IsExponent(text[i])) {
    // The exponent counts only when digits follow it (an optional sign first).
    std::size_t j = i + 1;
    std::string exp = "e";
    while (j < n && IsBlank(text[j])) ++j;
    if (j < n && (text[j] == '+' || text[j] == '-')) exp += text[j++];
    bool expDigit = false;
    for (; j < n; ++j) {
      if (IsDigit(text[j])) {
        exp += text[j];
        expDigit = true;
      } else if (!IsBlank(text[j])) {
        break;
      }
    }
    if (expDigit) digits += exp;
  }
  // A number too large for double (5E385) is an overflow, as it would be
  // for single precision, never an infinity that flows on into the drawing.
  const double value = std::strtod(digits.c_str(), nullptr);
  if (std::isinf(value)) throw RuntimeFailure("overflow: " + digits + " is beyond double precision");
  return value;
}

bool IsNumeric(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  bool anyDigit = false, point = false;
  for (; i < n; ++i) {
    if (IsDigit(text[i])) {
      anyDigit = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return false;
  if (i < n && IsExponent(text[i])) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    bool expDigit = false;
    while (i < n && IsDigit(text[i])) {
      ++i;
      expDigit = true;
    }
    if (!expDigit) return false;
  }
  while (i < n && IsBlank(text[i])) ++i;
  return i == n;
}

std::optional<double> StrictNumber(std::string_view text) {
  if (!IsNumeric(text)) return std::nullopt;
  return LeadingValue(text);
}

std::string NumText(double x) {
  if (x == 0.0) return "0";
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.7G", x);
  return buf;
}

std::string DecimalText(double x, int decimals, bool keepZeros) {
  if (!std::isfinite(x)) return std::isnan(x) ? "NaN" : (x > 0 ? "INF" : "-INF");
  // to_chars rounds the exact binary value, the same on every platform.
  char buf[400];
  const auto end = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals).ptr;
  std::string text(buf, end);
  if (!keepZeros && text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-') text.erase(0, 1);
  return text;
}

std::string IntText(std::int64_t n) { return std::to_string(n); }

}  // namespace footmark
