#include "model/analysis_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "model/failure.h"
#include "model/line_rules.h"
#include "model/numerics.h"

namespace footmark {
namespace {

// The marker fixes the units of the reactions: kN and kN m.
constexpr std::string_view kReactionMarker = "SUPPORT REACTIONS -UNIT KN   METE";
constexpr std::string_view kReactionEnd = "END OF LATEST ANALYSIS RESULT";
constexpr std::string_view kJointMarker = "JOINT COORDINATES";
constexpr std::string_view kMemberMarker = "MEMBER INCIDENCES";

// Input we cannot use ends the run with a message that points at its line.
[[noreturn]] void EndAt(int line, const std::string& what) {
  throw ProgramEnd("Line " + IntText(line) + ": " + what, line);
}

double StrictField(std::string_view field, int line) {
  const auto value = StrictNumber(field);
  if (!value) EndAt(line, "\"" + std::string(field) + "\" is not a number");
  return *value;
}

// Reads on until a line holds the marker; false when the file ends first.
bool SkipTo(TextStream& in, std::string_view marker, std::string_view& line) {
  while (!in.AtEndOfStream()) {
    line = in.readline();
    if (Contains(line, marker)) return true;
  }
  return false;
}

// The next data line of a list: page headers, underlines and blank lines
// between its lines are passed over, but the file must not end inside it.
std::string_view NextDataLine(TextStream& in, const std::string& list) {
  for (;;) {
    if (in.AtEndOfStream()) EndAt(in.LineNumber(), "the file ends inside the " + list);
    const std::string_view line = in.readline();
    if (IsDataLine(line)) return line;
  }
}

// Echoed input lines carry their line number in field 0; a numeric field 1
// continues a list, a command word ("MEMBER INCIDENCES") ends it.
bool ContinuesList(const Fields& f, int line, const std::string& list) {
  if (f.size() < 2) EndAt(line, "a line of the " + list + " holds nothing after its line number");
  return IsNumeric(f[1]);
}

// ---- support reactions ----

// Load case, FORCE-Y, MOM-X and MOM-Z sit at fields base, base+2, base+4 and
// base+6; FORCE-X, FORCE-Z and MOM-Y between them are not kept. The first
// line of a support starts with its joint number, so its base is 1.
void StoreReaction(Model& model, int s, int c, const Fields& f, std::size_t base, int line) {
  for (int k = 1; k <= 4; ++k)
    model.SupportReactions(s, c, k) = Sng(StrictField(f.at(base + 2 * (k - 1)), line));
}

void ReadSupportReactions(Model& model, const FileSystem& fs, UserMessages& ui) {
  TextStream in = fs.OpenTextFile(model.AnlFilePath);
  std::string_view line;
  if (!SkipTo(in, kReactionMarker, line)) throw ProgramEnd(" NO SUPPORT REACTIONS", in.LineNumber());
  int s = 0, c = 0;
  std::size_t base = 0;
  Fields f;
  for (;;) {
    if (in.AtEndOfStream())
      EndAt(in.LineNumber(),
            "the file ends inside the support reaction table, before \"END OF LATEST ANALYSIS RESULT\"");
    line = in.readline();
    if (Contains(line, kReactionEnd)) break;
    if (!IsDataLine(line)) continue;  // headings, underlines, page headers
    const int n = in.LineNumber();
    SplitFields(line, f);
    if (f.size() == 8) {
      if (s == kMaxSupports) EndAt(n, "more than 200 supports in the support reaction table");
      ++s;
      c = 1;
      base = 1;
      model.SupportReactions(s, 1, 0) = Sng(StrictField(f[0], n));
    } else if (f.size() == 7) {
      if (c == kMaxLoadCases) EndAt(n, "more than 35 load cases for one support in the support reaction table");
      ++c;
      base = 0;
    } else {
      ui.ShowMessage(" Error " + std::string(line));
      // Read it like the last line of a known kind, in place of that line,
      // and only as far as its fields go.
      if (s == 0 || f.size() <= base + 6) continue;
    }
    StoreReaction(model, s, c, f, base, n);
  }
  const int endLine = in.LineNumber();
  in.Close();
  model.NumLoadCases = ToInt16(c);  // the count of the last support
  model.NumSupports = ToInt16(s);
  model.SupportReactions(0, 0, 0) = static_cast<float>(s);
  if (s == 0) throw ProgramEnd(" NO SUPPORT REACTIONS  ", endLine);
}

// ---- joints and members ----

// One echoed line may hold several joints separated by ";". Returns the line
// that ended the list.
std::string_view ReadJoints(Model& model, TextStream& in) {
  const std::string list = "joint coordinates";
  int j = 0;
  Fields f;
  for (;;) {
    const std::string_view line = NextDataLine(in, list);
    const int n = in.LineNumber();
    SplitListFields(line, f);
    if (!ContinuesList(f, n, list)) {
      model.NumJoints = ToInt16(j);
      return line;
    }
    for (std::size_t k = 1; k < f.size(); k += 4) {
      if (k + 3 >= f.size()) EndAt(n, "incomplete joint: a joint needs its number and three coordinates");
      if (j == kMaxJoints) EndAt(n, "more than 2420 joints in the joint coordinates");
      ++j;
      model.Joints(j, 0) = Sng(StrictField(f[k], n));
      for (std::size_t i = 1; i <= 3; ++i) model.Joints(j, i) = Sng(LeadingValue(f[k + i]));
    }
  }
}

// The member list starts on the line after its heading; the heading may
// follow the joints at once or after other commands.
void ReadMembers(Model& model, TextStream& in, std::string_view line) {
  while (!Contains(line, kMemberMarker)) {
    if (in.AtEndOfStream())
      throw ProgramEnd("The file has no \"MEMBER INCIDENCES\" section", in.LineNumber(), true);
    line = in.readline();
  }
  const std::string list = "member incidences";
  int m = 0;
  Fields f;
  for (;;) {
    line = NextDataLine(in, list);
    const int n = in.LineNumber();
    SplitListFields(line, f);
    if (!ContinuesList(f, n, list)) break;
    for (std::size_t k = 1; k < f.size(); k += 3) {
      if (k + 2 >= f.size()) EndAt(n, "incomplete member: a member needs its number, start joint and end joint");
      if (m == kMaxMembers) EndAt(n, "more than 2680 members in the member incidences");
      ++m;
      for (std::size_t i = 0; i < 3; ++i) model.MemberIncidences(m, i) = ToInt32(StrictField(f[k + i], n));
    }
  }
  model.NumMembers = ToInt16(m);
}

// A member is turned whenever a coordinate decreases along it, so a column
// always runs upwards from its support. A joint number missing from the
// table counts as the origin; a repeated number counts by its first row.
void ReorientMembers(Model& model) {
  std::map<double, int> firstRow;
  for (int j = 1; j <= model.NumJoints; ++j) firstRow.emplace(model.Joints(j, 0), j);
  const auto position = [&](int32 joint) {
    std::array<float, 3> p{0, 0, 0};
    const auto it = firstRow.find(joint);
    if (it != firstRow.end())
      for (int i = 0; i < 3; ++i) p[i] = model.Joints(it->second, i + 1);
    return p;
  };
  for (int m = 1; m <= model.NumMembers; ++m) {
    const auto a = position(model.MemberIncidences(m, 1));
    const auto b = position(model.MemberIncidences(m, 2));
    if (a[0] > b[0] || a[1] > b[1] || a[2] > b[2])
      std::swap(model.MemberIncidences(m, 1), model.MemberIncidences(m, 2));
  }
}

void ReadJointsAndMembers(Model& model, const FileSystem& fs) {
  TextStream in = fs.OpenTextFile(model.AnlFilePath);
  std::string_view line;
  if (!SkipTo(in, kJointMarker, line))
    throw ProgramEnd("The file has no \"JOINT COORDINATES\" section", in.LineNumber(), true);
  ReadMembers(model, in, ReadJoints(model, in));
  in.Close();
  ReorientMembers(model);
}

// ---- BETA list ----

const char* const kBetaFull = "more than 1000 members in the BETA list";

void AddBeta(Model& model, int& n, std::string_view text, int line) {
  if (n == kMaxBetaEntries) EndAt(line, kBetaFull);
  model.BetaMembers(++n) = text;
}

// Members are kept as printed; a range "5 TO 10" adds 6..9 between its ends,
// which are added by their own fields. Each BETA command starts the list
// afresh with its first member (field 4, after BETA, the angle and MEMB).
void ScanBetaFields(Model& model, const Fields& f, int& n, int line) {
  for (std::size_t k = 1; k < f.size(); ++k) {
    if (f[k] == "TO") {
      if (k + 1 == f.size()) EndAt(line, "a member range ends with \"TO\"");
      const std::int64_t from = ToInt32(StrictField(f[k - 1], line));
      const std::int64_t to = ToInt32(StrictField(f[k + 1], line));
      if (to - from - 1 > kMaxBetaEntries - n) EndAt(line, kBetaFull);
      for (std::int64_t v = from + 1; v < to; ++v) model.BetaMembers(++n) = IntText(v);
    } else if (f[k] == "BETA") {
      if (f.size() < 5) EndAt(line, "a BETA command without a member number");
      n = 0;
      AddBeta(model, n, f[4], line);
      k = std::max<std::size_t>(k, 4);  // go on at field 5, never back before the word
    } else if (IsNumeric(f[k])) {
      AddBeta(model, n, f[k], line);
    }
  }
}

// Only the members are kept, not the angle: every column in the list has its
// two section sides exchanged later, whatever the angle.
void ReadBetaMembers(Model& model, const FileSystem& fs) {
  TextStream in = fs.OpenTextFile(model.AnlFilePath);
  std::string_view line;
  int n = 0;
  if (SkipTo(in, "CONSTANTS", line) && SkipTo(in, "BETA", line)) {
    Fields f;
    for (;;) {
      if (IsDataLine(line)) {
        const int ln = in.LineNumber();
        SplitFields(line, f);
        // A numeric field 1 is a continuation line, processed without the word.
        if (!ContinuesList(f, ln, "BETA list") && !Contains(line, "BETA")) break;
        ScanBetaFields(model, f, n, ln);
      }
      if (in.AtEndOfStream()) EndAt(in.LineNumber(), "the file ends inside the BETA list");
      line = in.readline();
    }
  }
  in.Close();
  model.BetaMembers(0) = IntText(n);
}

}  // namespace

void ReadAnalysisFile(Model& model, const FileSystem& fs, UserMessages& ui) {
  ReadSupportReactions(model, fs, ui);
  ui.SetCaption(StatusLabel::LabNoSrea, "SUPPORT REACTIONS :   " + IntText(model.NumSupports));
  ui.SetCaption(StatusLabel::LabLoadCases, "LOAD CASES :   " + IntText(model.NumLoadCases));
  ReadJointsAndMembers(model, fs);
  ReadBetaMembers(model, fs);
}

}  // namespace footmark
