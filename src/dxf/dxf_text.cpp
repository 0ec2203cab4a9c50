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
  const std::int64_t power = kPowers[decimals];
  const double scaled = std::nearbyint(x * static_cast<double>(power));
  if (!(std::abs(scaled) < 1e15)) {  // NaN included
    AppendNumber(out, x);
    return;
  }
  std::int64_t n = static_cast<std::int64_t>(scaled);
  if (n < 0) {
    out += '-';
    n = -n;
  }
  if (n == 0) {
    out += '0';
    return;
  }
  char buf[24];
  out.append(buf, std::to_chars(buf, buf + sizeof buf, n / power).ptr);
  std::int64_t fraction = n % power;
  if (fraction == 0) return;
  int places = decimals;
  while (fraction % 10 == 0) fraction /= 10, --places;
  char* const end = std::to_chars(buf, buf + sizeof buf, fraction).ptr;
  out += '.';
  out.append(static_cast<std::size_t>(places - (end - buf)), '0');
  out.append(buf, end);
}

}  // namespace footmark
