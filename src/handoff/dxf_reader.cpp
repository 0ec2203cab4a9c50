#include "handoff/dxf_reader.h"

#include <charconv>

#include "model/failure.h"

namespace footmark {

namespace {

struct GroupPair {
  int code = 0;
  std::string_view value;
  int line = 0;  // 1-based line of the group code
};

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

[[noreturn]] void Fail(int line, const std::string& what) {
  throw RuntimeFailure("DXF line " + std::to_string(line) + ": " + what);
}

class PairReader {
 public:
  explicit PairReader(std::string_view text) : text_(text) {}
  int line() const { return line_; }

  // The next pair; false at the end of the text.
  bool Next(GroupPair& pair) {
    std::string_view codeLine;
    if (!NextLine(codeLine)) return false;
    const std::string_view digits = Trim(codeLine);
    int code = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
      Fail(line_, "a group code is expected, found \"" + std::string(codeLine) + "\"");
    }
    pair.code = code;
    pair.line = line_;
    if (!NextLine(pair.value)) Fail(line_, "group code " + std::to_string(code) + " has no value line");
    return true;
  }

 private:
  bool NextLine(std::string_view& line) {
    if (pos_ >= text_.size()) return false;
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) end = text_.size();
    line = text_.substr(pos_, end - pos_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos_ = end + 1;
    ++line_;
    return true;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 0;
};

void ReadSection(PairReader& in, const std::string& name, DxfSummary& summary) {
  GroupPair pair;
  bool versionNext = false;
  while (in.Next(pair)) {
    const std::string_view value = Trim(pair.value);
    if (pair.code == 0) {
      if (value == "ENDSEC") return;
      if (value == "SECTION" || value == "EOF") Fail(pair.line, "section " + name + " has no ENDSEC");
      if (name == "ENTITIES") ++summary.EntityCounts[std::string(value)];
    } else if (name == "HEADER") {
      if (versionNext && pair.code == 1) summary.AcadVersion = value;
      versionNext = pair.code == 9 && value == "$ACADVER";
    }
  }
  Fail(in.line(), "the text ends inside section " + name);
}

}  // namespace

int DxfSummary::EntityCount() const {
  int n = 0;
  for (const auto& [type, count] : EntityCounts) n += count;
  return n;
}

DxfSummary ReadDxf(std::string_view text) {
  DxfSummary summary;
  PairReader in(text);
  GroupPair pair;
  for (;;) {
    if (!in.Next(pair)) Fail(in.line(), "the text ends before EOF");
    const std::string_view value = Trim(pair.value);
    if (pair.code == 0 && value == "EOF") break;
    if (pair.code != 0 || value != "SECTION") {
      Fail(pair.line, "SECTION or EOF expected, found \"" + std::string(pair.value) + "\"");
    }
    if (!in.Next(pair) || pair.code != 2) Fail(in.line(), "a section without a name");
    summary.Sections.emplace_back(Trim(pair.value));
    ReadSection(in, summary.Sections.back(), summary);
  }
  for (const char* required : {"HEADER", "TABLES", "BLOCKS", "ENTITIES"}) {
    bool found = false;
    for (const std::string& s : summary.Sections) found = found || s == required;
    if (!found) Fail(in.line(), std::string("no ") + required + " section");
  }
  return summary;
}

}  // namespace footmark
