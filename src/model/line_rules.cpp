#include "model/line_rules.h"

namespace footmark {

namespace {

template <class IsSeparator>
void Split(std::string_view line, Fields& fields, IsSeparator separates) {
  fields.clear();
  std::size_t start = 0;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    if (i < line.size() && !separates(line[i])) continue;
    if (i > start) fields.push_back(line.substr(start, i - start));
    start = i + 1;
  }
}

}  // namespace

void SplitFields(std::string_view line, Fields& fields) {
  Split(line, fields, [](char c) { return c == ' '; });
}

void SplitListFields(std::string_view line, Fields& fields) {
  Split(line, fields, [](char c) { return c == ' ' || c == ';'; });
}

}  // namespace footmark
