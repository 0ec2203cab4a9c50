#include "model/numerics.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

#include "model/failure.h"

namespace footmark {

void SngFailure(double x) {
  if (std::isnan(x)) throw RuntimeFailure("arithmetic fault: result is not a number");
  throw RuntimeFailure("overflow: " + NumText(x) + " is beyond single precision");
}

double RoundToMillimetre(double metres) { return std::round(metres * 1000) / 1000; }

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

// The characters of one number with its inner blanks dropped; numbers of
// ordinary length stay on the stack.
class NumberChars {
 public:
  void Add(char c) {
    if (size_ < sizeof local_) {
      local_[size_] = c;
    } else {
      if (long_.empty()) long_.assign(local_, size_);
      long_ += c;
    }
    ++size_;
  }
  std::size_t Size() const { return size_; }
  void Truncate(std::size_t size) {
    size_ = size;
    if (!long_.empty()) long_.resize(size);
  }
  std::string_view View() const { return size_ <= sizeof local_ ? std::string_view(local_, size_) : long_; }

 private:
  char local_[48];
  std::string long_;
  std::size_t size_ = 0;
};

// Clinger's fast path: a decimal whose digits make a whole number m below
// 2^53 and whose scale is 10^e with |e| <= 22 has the value m * 10^e or
// m / 10^-e, one correctly rounded operation on two exact doubles, the same
// as any correctly rounding conversion gives. False for anything else.
bool FastDecimal(std::string_view text, double& value) {
  static constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                      1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  constexpr std::uint64_t kExact = std::uint64_t{1} << 53;
  std::size_t i = 0;
  const std::size_t n = text.size();
  const bool negative = i < n && text[i] == '-';
  if (i < n && (text[i] == '-' || text[i] == '+')) ++i;
  std::uint64_t m = 0;
  int scale = 0;
  bool point = false, anyDigit = false;
  for (; i < n; ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      if (m >= kExact / 10) return false;
      m = m * 10 + static_cast<std::uint64_t>(c - '0');
      anyDigit = true;
      if (point) --scale;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return false;
  if (i < n) {
    if (text[i] != 'e') return false;
    ++i;
    const bool down = i < n && text[i] == '-';
    if (i < n && (text[i] == '-' || text[i] == '+')) ++i;
    if (i == n) return false;
    int e = 0;
    for (; i < n; ++i) {
      if (!IsDigit(text[i]) || e > 1000) return false;
      e = e * 10 + (text[i] - '0');
    }
    scale += down ? -e : e;
  }
  if (scale < -22 || scale > 22) return false;
  const double d = static_cast<double>(m);
  value = scale < 0 ? d / kPow10[-scale] : d * kPow10[scale];
  if (negative) value = -value;
  return true;
}

namespace {

// Where a sign, digits and at most one point from `start` end; whether they
// held a digit and a point.
std::size_t PlainEnd(std::string_view text, std::size_t start, bool& anyDigit, bool& point) {
  std::size_t j = start;
  if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
  for (; j < text.size(); ++j) {
    if (IsDigit(text[j]))
      anyDigit = true;
    else if (text[j] == '.' && !point)
      point = true;
    else
      break;
  }
  return j;
}

}  // namespace

// A number written without blanks inside and without an exponent, followed
// (after any blanks) by the text's end or by a character that cannot
// continue it: its value is the text as it stands. Anything else is left to
// the full rule.
std::optional<double> PlainNumber(std::string_view text, std::size_t start) {
  const std::size_t n = text.size();
  bool anyDigit = false, point = false;
  const std::size_t j = PlainEnd(text, start, anyDigit, point);
  std::size_t k = j;
  while (k < n && IsBlank(text[k])) ++k;
  if (k < n && (IsDigit(text[k]) || IsExponent(text[k]) || (text[k] == '.' && !point))) return std::nullopt;
  if (!anyDigit) return 0.0;
  const std::size_t plus = text[start] == '+' ? 1 : 0;  // from_chars takes no "+"
  double value = 0;
  if (FastDecimal(text.substr(start, j - start), value)) return value;
  if (std::from_chars(text.data() + start + plus, text.data() + j, value).ec != std::errc()) return std::nullopt;
  return value;
}

double LeadingValue(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  auto skipBlanks = [&] {
    while (i < n && IsBlank(text[i])) ++i;
  };
  skipBlanks();
  if (const auto plain = PlainNumber(text, i)) return *plain;
  // Collect the number's characters, dropping inner blanks, then convert once.
  NumberChars digits;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    digits.Add(text[i++]);
    skipBlanks();
  }
  bool anyDigit = false, point = false;
  for (; i < n; ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      digits.Add(c);
      anyDigit = true;
    } else if (c == '.' && !point) {
      digits.Add(c);
      point = true;
    } else if (!IsBlank(c)) {
      break;
    }
  }
  if (!anyDigit) return 0.0;
  if (i < n && IsExponent(text[i])) {
    // The exponent counts only when digits follow it (an optional sign first).
    const std::size_t mantissa = digits.Size();
    std::size_t j = i + 1;
    digits.Add('e');
    while (j < n && IsBlank(text[j])) ++j;
    if (j < n && (text[j] == '+' || text[j] == '-')) digits.Add(text[j++]);
    bool expDigit = false;
    for (; j < n; ++j) {
      if (IsDigit(text[j])) {
        digits.Add(text[j]);
        expDigit = true;
      } else if (!IsBlank(text[j])) {
        break;
      }
    }
    if (!expDigit) digits.Truncate(mantissa);
  }
  // A number too large for double (5E385) is an overflow, as it would be
  // for single precision, never an infinity that flows on into the drawing.
  // from_chars rounds correctly, as strtod does; strtod settles the values
  // beyond the double range (an underflow gives 0 or a denormal).
  const std::string_view number = digits.View();
  const std::size_t plus = number[0] == '+' ? 1 : 0;  // from_chars takes no "+"
  double value = 0;
  if (FastDecimal(number, value)) return value;
  if (std::from_chars(number.data() + plus, number.data() + number.size(), value).ec != std::errc())
    value = std::strtod(std::string(number).c_str(), nullptr);
  if (std::isinf(value)) throw RuntimeFailure("overflow: " + std::string(number) + " is beyond double precision");
  return value;
}

bool LeadingValueIsPositive(std::string_view text) {
  // The leading-value rule once more, counting instead of collecting.
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i++] == '-';
    while (i < n && IsBlank(text[i])) ++i;
  }
  bool point = false, nonZero = false;
  std::size_t digits = 0;
  for (; i < n; ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      ++digits;
      nonZero = nonZero || c != '0';
    } else if (c == '.' && !point) {
      point = true;
    } else if (!IsBlank(c)) {
      break;
    }
  }
  // An exponent, or digits enough to reach the ends of the double range,
  // leave it to the conversion (an underflow to 0, an overflow).
  if ((i < n && IsExponent(text[i])) || digits > 300) return LeadingValue(text) > 0;
  return nonZero && !negative;
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
  // Most fields are a sign, digits and a point and nothing else: numeric,
  // and their leading value is the text as it stands.
  bool anyDigit = false, point = false;
  double value = 0;
  if (PlainEnd(text, 0, anyDigit, point) == text.size() && anyDigit && FastDecimal(text, value)) return value;
  if (!IsNumeric(text)) return std::nullopt;
  return LeadingValue(text);
}

double SettingValue(const std::string& name, const std::string& text, const SettingRange& range) {
  if (!IsNumeric(text)) throw ProgramEnd(name + ": \"" + text + "\" is not a number");
  std::optional<double> v;
  try {
    v = LeadingValue(text);
  } catch (const RuntimeFailure&) {  // beyond double precision
  }
  if (v && range.Whole) v = RoundHalfEven(*v);
  if (!v || *v > range.High || *v < range.Low || (range.AboveLow && *v == range.Low)) {
    const std::string low = DecimalText(range.Low, 6), high = DecimalText(range.High, 6);
    const std::size_t first = text.find_first_not_of(" \t"), last = text.find_last_not_of(" \t");
    throw ProgramEnd(name + ": " + text.substr(first, last + 1 - first) + " is out of range; " + range.What +
                     (range.AboveLow ? " greater than " + low + ", at most " + high : " from " + low + " to " + high));
  }
  return *v;
}

std::string NumText(double x) {
  if (x == 0.0) return "0";
  // to_chars with a precision writes what printf's "%.7g" writes; the
  // letters ("e", "inf", "nan") then become capitals, as "%.7G" has them.
  char buf[40];
  char* const end = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 7).ptr;
  for (char* p = buf; p != end; ++p)
    if (*p >= 'a' && *p <= 'z') *p = static_cast<char>(*p - 'a' + 'A');
  return std::string(buf, end);
}

std::string DecimalText(double x, int decimals, bool keepZeros) {
  // A ratio or a pressure without bound (a resultant beyond the base) reads
  // as a word, never as a number a reader could take for one.
  if (!std::isfinite(x)) return std::isnan(x) ? "not a number" : (x > 0 ? "unbounded" : "-unbounded");
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
