// Reading back what the writer produced: CR LF lines and "|"-joined runs.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace footmark::testing {

inline std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

// The "|"-separated elements of a text, empty ones kept.
inline std::vector<std::string> Pieces(const std::string& text) {
  std::vector<std::string> out(1);
  for (const char c : text) c == '|' ? out.emplace_back() : out.back() += c;
  return out;
}

inline bool HasRun(const std::vector<std::string>& lines, const std::vector<std::string>& run) {
  return std::search(lines.begin(), lines.end(), run.begin(), run.end()) != lines.end();
}

}  // namespace footmark::testing
