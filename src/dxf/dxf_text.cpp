#include "dxf/dxf_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace footmark {

void AppendNumber(std::string& out, double x) {
  if (x == 0.0) {  // -0 as well
    out += '0';
    return;
  }
  // to_chars with a precision is printf's "%.7g"; only the letters differ
  // ("e", "inf", "nan").
  char buf[40];
  char* const end = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 7).ptr;
  for (char* c = buf; c != end; ++c)
    if (*c >= 'a' && *c <= 'z') *c = static_cast<char>(*c - 'a' + 'A');
  out.append(buf, end);
}

namespace {

// "00" to "99": number text is written two digits at a time.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The `places` last digits of n, zeros in front, ending at p; returns the start.
char* PutDigits(char* p, std::uint64_t n, int places) {
  for (; places >= 2; places -= 2, n /= 100) {
    const char* pair = kDigitPairs + 2 * (n % 100);
    *--p = pair[1];
    *--p = pair[0];
  }
  if (places == 1) *--p = static_cast<char>('0' + n % 10);
  return p;
}

// Every digit of n, ending at p; returns the start.
char* PutNumber(char* p, std::uint64_t n) {
  while (n >= 100) {
    const char* pair = kDigitPairs + 2 * (n % 100);
    *--p = pair[1];
    *--p = pair[0];
    n /= 100;
  }
  if (n >= 10) {
    const char* pair = kDigitPairs + 2 * n;
    *--p = pair[1];
    *--p = pair[0];
  } else {
    *--p = static_cast<char>('0' + n);
  }
  return p;
}

}  // namespace

void AppendFixed(std::string& out, double x, int decimals) {
  constexpr std::uint64_t kPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
  const double scaled = std::nearbyint(x * static_cast<double>(kPowers[decimals]));
  if (!(std::abs(scaled) < 1e15)) {  // NaN included
    AppendNumber(out, x);
    return;
  }
  // The whole part and the fraction without its trailing zeros, into one
  // buffer appended once: a drawing writes hundreds of thousands.
  const std::int64_t n = static_cast<std::int64_t>(scaled);
  const std::uint64_t digits = static_cast<std::uint64_t>(n < 0 ? -n : n);
  std::uint64_t whole = digits / kPowers[decimals], fraction = digits % kPowers[decimals];
  int places = decimals;
  if (fraction == 0) {
    places = 0;
  } else {
    while (fraction % 10 == 0) {
      fraction /= 10;
      --places;
    }
  }
  char buf[24];
  char* const end = buf + sizeof buf;
  char* p = end;
  if (places > 0) {
    p = PutDigits(p, fraction, places);
    *--p = '.';
  }
  p = PutNumber(p, whole);
  if (n < 0) *--p = '-';
  out.append(p, static_cast<std::size_t>(end - p));
}

}  // namespace footmark
