// Reading back what the writer produced: CR LF lines, "|"-joined runs, entities.
#pragma once

#include <algorithm>
#include <string>
#include <utility>
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

struct Entity {
  std::string type;
  std::vector<std::pair<std::string, std::string>> groups;  // code without blanks, value
  std::string Value(const std::string& code) const {  // the first value of a code
    for (const auto& [c, v] : groups)
      if (c == code) return v;
    return "(none)";
  }
};

// Entities from lines[first] up to an empty line or ENDSEC; each runs to its group 0.
inline std::vector<Entity> Entities(const std::vector<std::string>& lines, std::size_t first = 0) {
  auto code = [](std::string s) { return std::erase(s, ' '), s; };
  std::vector<Entity> out;
  for (std::size_t i = first; i < lines.size() && !lines[i].empty() && lines[i] != "ENDSEC"; ++i) {
    out.push_back({lines[i++], {}});
    for (; i + 1 < lines.size() && code(lines[i]) != "0"; i += 2)
      out.back().groups.emplace_back(code(lines[i]), lines[i + 1]);
  }
  return out;
}

}  // namespace footmark::testing
