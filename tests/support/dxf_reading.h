// Reading back what the writer produced: lines of a file, runs of lines, and
// entities as their group codes and values.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace footmark::testing {

// The lines of a text whose every line ends in CR LF.
inline std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

// The "|"-separated elements of a text, empty ones kept.
inline std::vector<std::string> Pieces(const std::string& text) {
  std::vector<std::string> out(1);
  for (const char c : text) {
    if (c == '|')
      out.emplace_back();
    else
      out.back() += c;
  }
  return out;
}

// True when run appears in lines as consecutive lines.
inline bool HasRun(const std::vector<std::string>& lines, const std::vector<std::string>& run) {
  return std::search(lines.begin(), lines.end(), run.begin(), run.end()) != lines.end();
}

struct Entity {
  std::string type;
  std::vector<std::pair<std::string, std::string>> groups;  // code without blanks, value
  // The first value of a group code.
  std::string Value(const std::string& code) const {
    for (const auto& [c, v] : groups)
      if (c == code) return v;
    return "(none)";
  }
};

// Entities from the first entity name up to an empty line or ENDSEC; every
// entity runs to its group 0, whose value names the next one.
inline std::vector<Entity> Entities(const std::vector<std::string>& lines, std::size_t first = 0) {
  auto code = [](std::string s) {
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
  };
  std::vector<Entity> out;
  std::size_t i = first;
  while (i < lines.size() && !lines[i].empty() && lines[i] != "ENDSEC") {
    Entity e{lines[i++], {}};
    for (; i + 1 < lines.size() && code(lines[i]) != "0"; i += 2) e.groups.emplace_back(code(lines[i]), lines[i + 1]);
    ++i;
    out.push_back(e);
  }
  return out;
}

}  // namespace footmark::testing
