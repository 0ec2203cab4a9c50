// Pieces of the calculation report's HTML: text made safe for the page, the
// engineering notation of our own labels, numbers, and tables whose cells
// are already HTML.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace footmark::report {

// UTF-8 text with the HTML special characters escaped.
std::string Escape(std::string_view utf8);

// Text read from the analysis file (joint and member numbers, bar labels):
// single bytes of code page 1252, escaped; control characters become
// U+FFFD.
std::string FileText(std::string_view cp1252);

// The name of a file without its folder, escaped: UTF-8 as the program holds
// it; a name that is no valid UTF-8 is read as Latin-1 rather than left to
// the browser's guess.
std::string FileNameText(std::string_view path);

// Our own labels, units and notes, escaped and typeset: mm2 as mm², m3 as m³,
// d^2 as d², phi as φ, tau_v as τv, sqrt as √, " x " as " × ".
std::string Typeset(std::string_view text);

// Ratios (utilisations) are printed to four places: 1.0004 fails.
inline constexpr int kRatioDecimals = 4;

// A number with its places all written ("0.300", "1492"): the report's
// columns line up.
std::string Num(double x, int decimals);

// An element with text that is HTML already.
std::string Tag(std::string_view name, std::string_view html, std::string_view cls = {});

struct Column {
  std::string heading;  // HTML
  std::string cls;      // class of every cell in the column ("num" aligns right)
};

// A table built row by row; cells are HTML, and a table whose headings are
// all empty has no head. A row class marks a failing row ("fail") or the
// totals ("total", in the table foot).
class Table {
 public:
  Table(std::string cls, std::vector<Column> columns) : cls_(std::move(cls)), columns_(std::move(columns)) {}
  void Row(const std::vector<std::string>& cells, std::string_view rowClass = {});
  void Total(const std::vector<std::string>& cells);
  bool Empty() const { return body_.empty(); }
  std::string Html() const;

 private:
  void Cells(std::string& out, const std::vector<std::string>& cells, std::string_view rowClass) const;

  std::string cls_;
  std::vector<Column> columns_;
  std::string body_, foot_;
};

}  // namespace footmark::report
