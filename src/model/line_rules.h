// Line rules of the analysis file: markers, data lines, fields.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/numerics.h"

namespace footmark {

// Case-sensitive substring test; blanks of the marker are part of it.
inline bool Contains(std::string_view line, std::string_view marker) {
  return line.find(marker) != std::string_view::npos;
}

// 1-based position of the marker in the line, 0 when absent.
inline std::size_t MarkerPos(std::string_view line, std::string_view marker) {
  const auto p = line.find(marker);
  return p == std::string_view::npos ? 0 : p + 1;
}

// A data line begins with a number greater than 0 (echoed input lines begin
// with their line number; headings, underlines and blank lines do not).
inline bool IsDataLine(std::string_view line) { return LeadingValueIsPositive(line); }

// Cut at every single space; empty pieces are dropped. Tabs do not separate.
// The fields are views into the line.
using Fields = std::vector<std::string_view>;
void SplitFields(std::string_view line, Fields& fields);
inline Fields SplitFields(std::string_view line) {
  Fields fields;
  SplitFields(line, fields);
  return fields;
}

// Cut like SplitFields, with ";" as a blank too (several joints or members on
// one echoed line).
void SplitListFields(std::string_view line, Fields& fields);

}  // namespace footmark
