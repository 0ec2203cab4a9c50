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

void AppendFixed(std::string& out, double x, int decimals) {
  constexpr std::int64_t kPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
  const double scaled = std::nearbyint(x * static_cast<double>(kPowers[decimals]));
  if (!(std::abs(scaled) < 1e15)) {  // NaN included
    AppendNumber(out, x);
    return;
  }
  // The digits from the last, the fraction's trailing zeros left out, into
  // one buffer appended once: a drawing writes hundreds of thousands.
  const std::int64_t n = static_cast<std::int64_t>(scaled);
  std::uint64_t digits = static_cast<std::uint64_t>(n < 0 ? -n : n);
  char buf[24];
  char* const end = buf + sizeof buf;
  char* p = end;
  for (int place = 0; place < decimals; ++place, digits /= 10) {
    const auto digit = static_cast<char>(digits % 10);
    if (p != end || digit != 0) *--p = static_cast<char>('0' + digit);
  }
  if (p != end) *--p = '.';
  do {
    *--p = static_cast<char>('0' + digits % 10);
    digits /= 10;
  } while (digits > 0);
  if (n < 0) *--p = '-';
  out.append(p, static_cast<std::size_t>(end - p));
}

}  // namespace footmark
