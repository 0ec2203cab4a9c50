#include "model/line_rules.h"

#include <cstring>

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
  // Runs of blanks between fields: the next blank is found by memchr.
  fields.clear();
  const char* p = line.data();
  const char* const end = p + line.size();
  while (p < end) {
    while (p < end && *p == ' ') ++p;
    if (p == end) break;
    const char* blank = static_cast<const char*>(std::memchr(p, ' ', static_cast<std::size_t>(end - p)));
    if (blank == nullptr) blank = end;
    fields.emplace_back(p, static_cast<std::size_t>(blank - p));
    p = blank;
  }
}

void SplitListFields(std::string_view line, Fields& fields) {
  Split(line, fields, [](char c) { return c == ' ' || c == ';'; });
}

}  // namespace footmark
