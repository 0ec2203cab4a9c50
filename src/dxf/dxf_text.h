// Building DXF text fast: fixed pieces written as the R12 rules list them,
// with "|" between lines, turned into CR LF lines when the program is
// compiled; numbers appended in place.
//
// "LINE|8|"_dxf is the string_view "LINE\r\n8\r\n". Values from the drawing
// (a layer, a text) are appended as they stand, so a "|" inside a value stays
// one character of its line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace footmark {

namespace dxf_text {

template <std::size_t N>
struct PipeLines {
  char piped[N]{};
  consteval PipeLines(const char (&text)[N]) {
    for (std::size_t i = 0; i < N; ++i) piped[i] = text[i];
  }
};

template <std::size_t N>
struct CrLfLines {
  char text[2 * N]{};
  std::size_t size = 0;
  consteval explicit CrLfLines(const PipeLines<N>& p) {
    for (std::size_t i = 0; i + 1 < N; ++i) {
      if (p.piped[i] == '|') {
        text[size++] = '\r';
        text[size++] = '\n';
      } else {
        text[size++] = p.piped[i];
      }
    }
  }
};

template <PipeLines P>
inline constexpr CrLfLines<sizeof(P.piped)> kCrLf{P};

}  // namespace dxf_text

template <dxf_text::PipeLines P>
constexpr std::string_view operator""_dxf() {
  return {dxf_text::kCrLf<P>.text, dxf_text::kCrLf<P>.size};
}

// Appends x as C's "%.7G" writes it, the drawing's number format (0.3, 368,
// -1.5, 1.234568E+07; zero is "0"): the same text as NumText, without a
// temporary string.
void AppendNumber(std::string& out, double x);

// Appends x rounded to at most `decimals` places (0..9), trailing zeros and a
// trailing point dropped, never "-0": coordinates of our own files, where
// the digits of the exact format are not asked for. A value too large for
// that falls back to AppendNumber.
void AppendFixed(std::string& out, double x, int decimals);

}  // namespace footmark
