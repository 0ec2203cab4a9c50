// Odd but valid input: line ends, blanks, page headers (tabs: tests/model) and Latin-1
// titles; files that are no analysis file. A drawing that cannot be written: tests/model (ReplaceFile).
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <vector>

#include "dxf/drawing_export.h"
#include "model/failure.h"
#include "support/analysis_text.h"
#include "support/test_files.h"

namespace footmark {
namespace {

using testing::AnalysisText;
using testing::Frame;
using testing::ReadAndDesign;
using testing::ReadFile;
using testing::RecordingMessages;
using testing::ScratchDir;

// Six supports with three load cases under two storeys, beams and a BETA list.
Frame SmallFrame() {
  Frame f{.columns = {}, .loadCases = 3, .levels = 3, .members = 16, .betaLast = 8};
  for (int k = 0; k < 6; ++k) f.columns.push_back({300.0 + 150 * k, k % 2 ? 230 : 300, 450, 800 + 300 * k});
  return f;
}

TEST(OddInput, LineEndsBlanksPageHeadersAndLatin1TitlesGiveTheSameDesign) {
  ScratchDir dir;
  const auto design = [&](const Frame& f) {
    RecordingMessages ui;
    const auto m = ReadAndDesign(AnalysisText(f), ui);
    SaveDrawingDxf(*m, dir.path() + "/frame.dxf");
    return std::tuple(ui.messages, ui.captions, m->NumJoints, m->NumMembers, m->BetaMembers(0),
                      ReadFile(dir.path() + "/frame.dxf"));
  };
  const auto expected = design(SmallFrame());
  const auto& [messages, captions, joints, members, beta, drawing] = expected;
  EXPECT_EQ(std::tuple(messages.size(), joints, members, beta), std::tuple(0u, 18, 16, "8"));
  const std::tuple<const char*, int, const char*> variants[] = {
      {"\r\n", 0, "TEST FRAME"},
      {"\r", 0, "TEST FRAME"},
      {"   \r\n", 0, "TEST FRAME"},                     // trailing blanks
      {"\n", 1, "TEST FRAME"},                         // a page header after every line of every table
      {" \r", 2, "G+1 R\xC9SIDENCE M\xDCLLER \xA7\xFF"},  // Latin-1 in the title and the page headers
  };
  for (const auto& [lineEnd, pageEvery, title] : variants) {
    SCOPED_TRACE(std::to_string(std::strlen(lineEnd)) + "-byte line ends, page every " + std::to_string(pageEvery));
    Frame f = SmallFrame();
    std::tie(f.lineEnd, f.pageEvery, f.title) = std::tuple(lineEnd, pageEvery, title);
    EXPECT_EQ(design(f), expected);
  }
}

// The message that ends reading the file, "" when it is read.
std::string ReadingEnd(const std::string& path) {
  Model m;
  RecordingMessages ui;
  m.AnlFilePath = path;
  try {
    ReadAnalysis(m, FileSystem(), ui);
  } catch (const ProgramEnd& e) {
    return e.what();
  }
  return "";
}

TEST(OddInput, WhatIsNoAnalysisFileEndsTheProgram) {
  ScratchDir dir;
  std::mt19937 random(6);
  std::string binary(20000, '\0');  // NULs and line ends among the bytes
  for (char& c : binary) c = static_cast<char>(random() % 256);
  std::vector<std::pair<std::string, std::string>> cases = {
      {dir.Write("empty.ANL", ""), " NO SUPPORT REACTIONS"},
      {dir.path(), "Cannot read \"" + dir.path() + "\": it is a folder, not an analysis file"},
      {dir.path() + "/missing.ANL", "Cannot open \"" + dir.path() + "/missing.ANL\": No such file or directory"},
      {dir.Write("binary.ANL", binary), " NO SUPPORT REACTIONS"},
      {dir.Write("reactions.ANL", "  SUPPORT REACTIONS -UNIT KN   METE\r\n" + binary),
       "Line 156: the file ends inside the support reaction table, before \"END OF LATEST ANALYSIS RESULT\""},
  };
#ifndef _WIN32  // POSIX permissions; the superuser reads any file
  if (::geteuid() != 0) {
    const std::string locked = dir.Write("locked.ANL", AnalysisText(SmallFrame()));
    ::chmod(locked.c_str(), 0);
    cases.emplace_back(locked, "Cannot open \"" + locked + "\": Permission denied");
  }
#endif
  for (const auto& [path, message] : cases) EXPECT_EQ(ReadingEnd(path), message) << path;
}

// Valid UTF-8 as far as Latin-1 text needs it: a byte above 127 only in a two-byte sequence.
bool ValidUtf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    if (lead >= 0x80 && (lead < 0xC2 || lead > 0xDF || ++i == s.size() || (s[i] & 0xC0) != 0x80)) return false;
  }
  return true;
}

// The last block lacks its ties, so the search for them stops at the file's
// last line, a page header with the title, and shows that line.
TEST(OddInput, Latin1TitlesAreShownUnchangedAndReportedAsUtf8) {
  Frame f = SmallFrame();
  f.title = "R\xC9SIDENCE M\xDCLLER \xA7 7";
  std::string text = AnalysisText(f);
  text.erase(text.rfind("    TIE REINFORCEMENT")) += "     STAAD SPACE " + f.title + "   -- PAGE NO. 9\n";
  ScratchDir dir;
  const std::string json = dir.path() + "/run.json";
  ASSERT_EQ(std::system((std::string(FOOTMARK_CLI) + " " + dir.Write("title.ANL", text) + " --json " + json +
                         " >/dev/null 2>&1").c_str()), 0);
  const std::string report = ReadFile(json);
  EXPECT_TRUE(ValidUtf8(report)) << report;
  const std::string shown = "     STAAD SPACE R\xC3\x89SIDENCE M\xC3\x9CLLER \xC2\xA7 7   -- PAGE NO. 9";
  EXPECT_NE(report.find("\"messages\":[\"" + shown + "\"]"), std::string::npos) << report;
}

}  // namespace
}  // namespace footmark
