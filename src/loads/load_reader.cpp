// Reading the load definitions from the echoed input and the reaction rows
// from the support reaction table, the same file text the design reads.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "loads/case_rules.h"
#include "loads/load_cases.h"
#include "model/failure.h"
#include "model/line_rules.h"
#include "model/numerics.h"

namespace footmark::loads {

namespace {

constexpr std::string_view kReactionMarker = "SUPPORT REACTIONS -UNIT KN   METE";
constexpr std::string_view kReactionEnd = "END OF LATEST ANALYSIS RESULT";

// ---- the echoed input ----

// One command of the echoed input, its continuation lines ("-" at the end)
// joined on.
struct Command {
  std::string_view text;
  int line = 0;   // line of the file where it starts
  int input = 0;  // the echo's number
};

// "   302. LOAD 1 ..." is echoed input line 302; the text after the point.
bool EchoText(std::string_view raw, int& input, std::string_view& text) {
  std::size_t i = raw.find_first_not_of(' ');
  if (i == std::string_view::npos) return false;
  const std::size_t digits = i;
  while (i < raw.size() && std::isdigit(static_cast<unsigned char>(raw[i]))) ++i;
  if (i == digits || i - digits > 9 || i >= raw.size() || raw[i] != '.') return false;
  if (i + 1 < raw.size() && raw[i + 1] != ' ') return false;
  input = std::stoi(std::string(raw.substr(digits, i - digits)));
  text = raw.substr(std::min(i + 1, raw.size()));
  const std::size_t first = text.find_first_not_of(' ');
  text = first == std::string_view::npos ? std::string_view() : text.substr(first);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return true;
}

// Blank-separated words with their positions in the text.
struct Word {
  std::string upper;
  std::size_t start = 0, end = 0;  // end: just past the word
};
std::vector<Word> Words(std::string_view text) {
  std::vector<Word> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
    if (i > start) words.push_back({Upper(text.substr(start, i - start)), start, i});
  }
  return words;
}

std::string_view FirstWord(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  const std::size_t end = text.find_first_of(" \t", start);
  return text.substr(start, end == std::string_view::npos ? end : end - start);
}

std::string SecondWord(std::string_view text) {
  const std::vector<Word> words = Words(text);
  return words.size() >= 2 ? words[1].upper : "";
}

std::string Rest(std::string_view text, std::size_t from) {
  const std::size_t start = text.find_first_not_of(" \t", from);
  return start == std::string_view::npos ? "" : std::string(text.substr(start));
}

// The strict conversion, where a number beyond the double range is no
// number: text the design does not read must not end the run.
std::optional<double> Number(std::string_view word) {
  try {
    return StrictNumber(word);
  } catch (const RuntimeFailure&) {
    return std::nullopt;
  }
}

std::optional<int> CaseNumber(std::string_view word) {
  const auto v = Number(word);
  if (!v || !(*v >= 1) || *v > 1e6 || *v != std::floor(*v)) return std::nullopt;
  return static_cast<int>(*v);
}

bool AllNumbers(const std::vector<Word>& words) {
  return std::all_of(words.begin(), words.end(), [](const Word& w) { return Number(w.upper).has_value(); });
}

// Commands inside a primary that add loads of its own.
bool AddsLoads(const std::string& word) {
  static const std::string_view kLoadWords[] = {
      "SELFWEIGHT", "SELF",     "JOINT",       "MEMBER",  "ELEMENT", "FLOOR",   "AREA",       "ONEWAY",
      "TEMPERATURE", "TEMP",    "SUPPORT",     "FIXED",   "PRESTRESS", "POSTSTRESS", "STRAIN", "UNIFORM",
      "PLATE",      "SOLID",    "SURFACE",     "WIND",    "SPECTRUM", "TIME",    "SNOW",       "1893"};
  return std::find(std::begin(kLoadWords), std::end(kLoadWords), word) != std::end(kLoadWords);
}

class EchoReader {
 public:
  explicit EchoReader(LoadFile& file) : file_(file) {}

  // Every command of the echoed input up to the reaction table, each taken
  // as soon as it is whole.
  void Read(TextStream& in) {
    std::string joined;  // a command continued over several lines
    Command command;
    bool continues = false;
    while (!in.AtEndOfStream()) {
      const std::string_view raw = in.readline();
      if (Contains(raw, kReactionMarker)) break;
      int input = 0;
      std::string_view text;
      if (!EchoText(raw, input, text)) continue;
      const bool more = !text.empty() && text.back() == '-';
      if (more) text.remove_suffix(1);
      if (!continues) {
        command = {text, in.LineNumber(), input};
        if (more) joined.assign(text);
      } else {
        if (!joined.empty() && !text.empty()) joined += ' ';
        joined += text;
        command.text = joined;
      }
      continues = more;
      if (!continues) Take(command);
    }
    if (continues) Take(command);
    Close();
  }

 private:
  enum class Block { None, Primary, Combination };

  void Warn(const std::string& text) { file_.warnings.push_back(text); }

  LoadCase* Open(const Command& c, int number, CaseKind kind) {
    Close();
    if (file_.Find(number)) {
      Warn("Line " + IntText(c.line) + " (input line " + IntText(c.input) + "): load case " + IntText(number) +
           " is defined a second time; the first definition stands");
      return nullptr;
    }
    LoadCase lc;
    lc.number = number;
    lc.kind = kind;
    lc.line = c.line;
    lc.inputLine = c.input;
    file_.cases.push_back(std::move(lc));
    current_ = static_cast<int>(file_.cases.size()) - 1;
    return &file_.cases.back();
  }

  void Close() {
    if (current_ >= 0) {
      LoadCase& lc = file_.cases[static_cast<std::size_t>(current_)];
      if (lc.kind != CaseKind::Primary && lc.pairs.empty() && !lc.leftOut) {
        lc.leftOut = true;
        Warn(WhereDefined(lc) + ": " + CaseName(lc) + " has no case and factor pairs; it is left out");
      }
      if (lc.kind == CaseKind::Repeat && ownLoads_ && !lc.leftOut) {
        lc.leftOut = true;
        Warn(WhereDefined(lc) + ": repeat case " + IntText(lc.number) +
             " adds loads of its own to the repeated ones; it is left out");
      }
    }
    current_ = -1;
    block_ = Block::None;
    pairsNext_ = false;
    ownLoads_ = false;
  }

  // "1 1.5 2 1.5": case and factor pairs; anything else on a line that starts
  // with a number is a fault that leaves the case out.
  void Pairs(const Command& c, const std::vector<Word>& words) {
    LoadCase& lc = file_.cases[static_cast<std::size_t>(current_)];
    std::vector<CaseFactor> pairs;
    bool good = AllNumbers(words) && words.size() % 2 == 0;
    for (std::size_t k = 0; good && k < words.size(); k += 2) {
      const auto number = CaseNumber(words[k].upper);
      good = number.has_value();
      if (good) pairs.push_back({*number, *Number(words[k + 1].upper)});
    }
    if (!good) {
      if (!lc.leftOut)
        Warn("Line " + IntText(c.line) + " (input line " + IntText(c.input) + "): \"" + std::string(c.text) +
             "\" is not pairs of a load case and a factor; " + CaseName(lc) + " is left out");
      lc.leftOut = true;
      return;
    }
    lc.pairs.insert(lc.pairs.end(), pairs.begin(), pairs.end());
  }

  void StartPrimary(const Command& c, const std::vector<Word>& words, int number) {
    LoadCase* lc = Open(c, number, CaseKind::Primary);
    if (!lc) return;
    block_ = Block::Primary;
    std::size_t k = 2, titleFrom = words[1].end;
    if (k < words.size() && words[k].upper == "LOADTYPE") {
      titleFrom = words[k].end;
      // The type is up to three words ("Roof Live", "Wind on Ice") when they
      // make a known type, else one.
      std::size_t n = std::min<std::size_t>(3, words.size() - k - 1);
      const auto joined = [&](std::size_t count) {
        std::string out;
        for (std::size_t i = k + 1; i <= k + count; ++i) out += (out.empty() ? "" : " ") + words[i].upper;
        return out;
      };
      while (n > 1 && !IsLoadType(joined(n))) --n;
      if (n >= 1) {
        lc->loadType = c.text.substr(words[k + 1].start, words[k + n].end - words[k + 1].start);
        titleFrom = words[k + n].end;
      }
      k += n + 1;
      if (k < words.size() && words[k].upper == "REDUCIBLE") titleFrom = words[k++].end;
    }
    if (k < words.size() && words[k].upper == "TITLE") titleFrom = words[k].end;
    lc->title = Rest(c.text, titleFrom);
  }

  void StartCombination(const Command& c, const std::vector<Word>& words) {
    std::size_t k = 2;
    bool srss = false;
    if (k < words.size() && (words[k].upper == "SRSS" || words[k].upper == "ABS")) {
      srss = true;
      ++k;
    }
    const auto number = k < words.size() ? CaseNumber(words[k].upper) : std::nullopt;
    if (!number) {
      Close();
      Warn("Line " + IntText(c.line) + " (input line " + IntText(c.input) + "): \"" + std::string(c.text) +
           "\" has no load case number; it is left out");
      return;
    }
    LoadCase* lc = Open(c, *number, CaseKind::Combination);
    if (!lc) return;
    lc->srss = srss;
    lc->title = Rest(c.text, words[k].end);
    block_ = Block::Combination;
  }

  void Take(const Command& c) {
    const std::string first = Upper(FirstWord(c.text));
    if (first.empty()) return;
    if (first == "LOAD" || first == "LOADING") {
      const std::vector<Word> words = Words(c.text);
      if (words.size() < 2) return Close();
      if (words[1].upper.rfind("COMB", 0) == 0) return StartCombination(c, words);
      if (const auto number = CaseNumber(words[1].upper)) return StartPrimary(c, words, *number);
      return Close();  // LOAD LIST, LOAD GENERATION
    }
    if (block_ == Block::None || current_ < 0) return;
    LoadCase& lc = file_.cases[static_cast<std::size_t>(current_)];
    const bool numeric = Number(first).has_value();
    if (block_ == Block::Combination) {
      if (numeric) return Pairs(c, Words(c.text));
      return Close();
    }
    // Inside a primary.
    if (first == "REPEAT" && SecondWord(c.text) == "LOAD") {
      lc.kind = CaseKind::Repeat;
      pairsNext_ = true;
      return;
    }
    if (numeric) {
      if (pairsNext_) Pairs(c, Words(c.text));  // else an item of a load command
      return;
    }
    pairsNext_ = false;
    if (first == "UNIT") return;
    if (AddsLoads(first)) {
      ownLoads_ = true;
      return;
    }
    Close();  // an analysis command ends the load case
  }

  LoadFile& file_;
  Block block_ = Block::None;
  int current_ = -1;
  bool pairsNext_ = false;  // the lines after REPEAT LOAD hold pairs
  bool ownLoads_ = false;
};

// ---- the support reaction table ----

// A printed value: plain decimal text at once, anything else as the strict
// conversion has it.
std::optional<double> Value(std::string_view field) {
  double v = 0;
  const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), v);
  if (ec == std::errc() && end == field.data() + field.size()) return v;
  return Number(field);
}

// Rows as the design's reader takes them: a line of 8 fields starts a
// support, one of 7 is its next load case; another line is read in place of
// the last line of a known kind, as far as its fields go.
void ReadReactions(TextStream& in, LoadFile& file) {
  struct Row {
    int support, number;
    Reaction r;
  };
  std::vector<Row> rows;
  int support = 0;
  std::size_t base = 0;
  Fields f;
  while (!in.AtEndOfStream()) {
    const std::string_view line = in.readline();
    if (!IsDataLine(line)) {
      if (Contains(line, kReactionEnd)) break;
      continue;
    }
    SplitFields(line, f);
    if (f.size() == 8) {
      ++support;
      base = 1;
    } else if (f.size() == 7) {
      if (support == 0) continue;
      base = 0;
    } else if (support == 0 || f.size() <= base + 6) {
      continue;
    }
    double v[7];
    bool good = true;
    for (std::size_t k = 0; k < 7 && good; ++k) {
      const auto x = Value(f[base + k]);
      good = x.has_value() && std::isfinite(*x);
      v[k] = good ? *x : 0;
    }
    if (!good || v[0] != std::floor(v[0]) || std::fabs(v[0]) > 1e6) continue;
    const Row row{support, static_cast<int>(v[0]), {v[1], v[2], v[3], v[4], v[5], v[6]}};
    if (f.size() == 7 || f.size() == 8 || rows.empty() || rows.back().support != support)
      rows.push_back(row);
    else
      rows.back() = row;  // in place of the last row
  }
  if (rows.empty()) return;
  for (const Row& row : rows) {
    if (row.support != 1) break;
    if (file.PrintedIndex(row.number) < 0) file.printed.push_back(row.number);
  }
  file.supports = support;
  const std::size_t cases = file.printed.size();
  file.rows.assign(static_cast<std::size_t>(support) * cases, Reaction{});
  std::size_t k = 0;  // the printed order, looked up only where a support departs from it
  for (std::size_t i = 0; i < rows.size(); ++i) {
    k = i > 0 && rows[i - 1].support == rows[i].support ? k + 1 : 0;
    const int index = k < cases && file.printed[k] == rows[i].number ? static_cast<int>(k)
                                                                      : file.PrintedIndex(rows[i].number);
    if (index >= 0)
      file.rows[static_cast<std::size_t>(rows[i].support - 1) * cases + static_cast<std::size_t>(index)] = rows[i].r;
  }
}

}  // namespace

void Reaction::Add(const Reaction& r, double factor) {
  fx += factor * r.fx;
  fy += factor * r.fy;
  fz += factor * r.fz;
  mx += factor * r.mx;
  my += factor * r.my;
  mz += factor * r.mz;
}

const LoadCase* LoadFile::Find(int number) const {
  for (const LoadCase& c : cases)
    if (c.number == number) return &c;
  return nullptr;
}

int LoadFile::PrintedIndex(int number) const {
  const auto it = std::find(printed.begin(), printed.end(), number);
  return it == printed.end() ? -1 : static_cast<int>(it - printed.begin());
}

LoadFile ReadLoads(TextStream& in) {
  LoadFile file;
  EchoReader(file).Read(in);
  ReadReactions(in, file);
  SettleCases(file);
  return file;
}

LoadFile DesignReactions(const Model& model) {
  LoadFile file;
  file.supports = model.NumSupports;
  for (int c = 1; c <= model.NumLoadCases; ++c)
    file.printed.push_back(static_cast<int>(std::lround(model.SupportReactions(1, c, 1))));
  for (int s = 1; s <= model.NumSupports; ++s)
    for (int c = 1; c <= model.NumLoadCases; ++c)
      file.rows.push_back({0, model.SupportReactions(s, c, 2), 0, model.SupportReactions(s, c, 3), 0,
                           model.SupportReactions(s, c, 4)});
  for (const int n : file.printed) {
    LoadCase lc;
    lc.number = n;
    lc.printed = true;
    file.cases.push_back(lc);
  }
  file.fallback = true;
  file.warnings.push_back(
      "The load definitions were not read: the checks take every load case alike, as the design does");
  return file;
}

}  // namespace footmark::loads
