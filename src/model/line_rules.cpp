#include "model/line_rules.h"

namespace footmark {

std::vector<std::string> SplitFields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (start <= line.size()) {
    std::size_t end = line.find(' ', start);
    if (end == std::string_view::npos) end = line.size();
    if (end > start) fields.emplace_back(line.substr(start, end - start));
    start = end + 1;
  }
  return fields;
}

std::string ReplaceSemicolons(std::string line) {
  for (char& c : line)
    if (c == ';') c = ' ';
  return line;
}

}  // namespace footmark
