// Load cases as the analysis defines them: the examples' cases classified and combined, repeat cases and
// continued combinations, input that cannot be used named with its line, and the fallback that says so.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "loads/combinations.h"
#include "loads/load_cases.h"
#include "support/test_files.h"

namespace footmark::loads {
namespace {

using testing::Has;

LoadFile Read(const std::string& text) {
  TextStream in(text);
  return ReadLoads(in);
}

// "DLEE": the classes of the primaries; "sf": service and factored combinations.
std::string Letters(const LoadFile& file) {
  std::string out;
  for (const LoadCase& c : file.cases) {
    if (c.kind == CaseKind::Primary) out += "DLEWOU"[static_cast<int>(c.loadClass)];
    if (c.kind != CaseKind::Primary) out += c.leftOut ? 'x' : "-sfn"[static_cast<int>(c.use)];
  }
  return out;
}

bool HasCombination(const std::vector<Combination>& set, const std::string& name) {
  return std::any_of(set.begin(), set.end(), [&](const Combination& c) { return c.name == name; });
}

TEST(ReadLoads, TheExamplesCasesClassifiedAndCombined) {
  const struct {
    const char* file;
    const char* letters;
    std::size_t service, factored, stability;
    const char* formed;  // a combination formed from the primaries
  } cases[] = {
      {"examples/frame-4x3-2storey.ANL", "DLf", 2, 1, 0, "DL + LL"},
      {"examples/frame-6x5-4storey.ANL", "DLEEfffffff", 10, 13, 4, "DL + 0.8LL - 0.8EL4"},
      // No DL + LL in the file: formed here, with the roof live load and the finishes.
      {"examples/frame-5x4-wind.ANL", "DDLLWWWWfffffffffff", 18, 25, 8, "DL + LL"},
  };
  for (const auto& c : cases) {
    const LoadFile file = Read(testing::ReadFile(testing::SourcePath(c.file)));
    EXPECT_EQ(Letters(file), c.letters) << c.file;
    EXPECT_FALSE(file.fallback) << c.file;
    EXPECT_EQ(file.warnings, std::vector<std::string>{}) << c.file;
    const CombinationSets sets = FormCombinations(file, 0.8);
    EXPECT_EQ(sets.service.size(), c.service) << c.file;
    EXPECT_EQ(sets.factored.size(), c.factored) << c.file;
    EXPECT_EQ(sets.uplift.size(), c.stability) << c.file;
    EXPECT_TRUE(HasCombination(sets.service, c.formed)) << c.file;
  }
}

// A small file: echoed input lines, then a reaction table of one support.
std::string Analysis(const std::vector<std::string>& commands, const std::vector<int>& printed) {
  std::string text = "  STAAD ANALYSIS\n    1. STAAD SPACE\n";
  int n = 1;
  for (const std::string& c : commands) {
    ++n;
    text += std::string(n < 10 ? "    " : "   ") + std::to_string(n) + ". " + c + "\n";
  }
  text += "  SUPPORT REACTIONS -UNIT KN   METE      STRUCTURE TYPE = SPACE\n\n";
  for (std::size_t k = 0; k < printed.size(); ++k)
    text += std::string(k == 0 ? "      1 " : "        ") + std::to_string(printed[k]) +
            "  1.00  100.00  2.00  3.00  0.00  4.00\n";
  return text + " ************** END OF LATEST ANALYSIS RESULT **************\n";
}

const std::vector<std::string> kPrimaries = {
    "LOAD 1 LOADTYPE Dead TITLE DL",       "SELFWEIGHT Y -1", "LOAD 2 LOADTYPE Live REDUCIBLE TITLE LL",
    "MEMBER LOAD",                         "1 UNI GY -5",     "LOAD 3 LOADTYPE None TITLE WIND FROM +X",
    "JOINT LOAD",                          "2 FX 10"};

TEST(ReadLoads, RepeatLoadContinuedCombinationsAndCombinationsOfCombinations) {
  std::vector<std::string> commands = kPrimaries;
  commands.insert(commands.end(), {"LOAD 4 TITLE SERVICE", "REPEAT LOAD", "1 1.0 2 1.0",
                                   "LOAD COMBINATION 5 FACTORED", "1 1.5 2 1.5 -", "3 1.5",
                                   "LOAD COMB 6 OF 4 AND 3", "4 1.2 3 1.2", "LOAD COMB 7 NOT PRINTED", "1 1.0 3 1.0",
                                   "PERFORM ANALYSIS"});
  const LoadFile file = Read(Analysis(commands, {1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(Letters(file), "DLWsffs");
  EXPECT_EQ(file.warnings, std::vector<std::string>{});
  const struct { int number; CaseKind kind; const char* factors; } cases[] = {
      {4, CaseKind::Repeat, "1 LC1 + 1 LC2"},
      {5, CaseKind::Combination, "1.5 LC1 + 1.5 LC2 + 1.5 LC3"},
      {6, CaseKind::Combination, "1.2 LC1 + 1.2 LC2 + 1.2 LC3"},
      {7, CaseKind::Combination, "1 LC1 + 1 LC3"}};
  for (const auto& c : cases) {
    EXPECT_EQ(file.Find(c.number)->kind, c.kind) << c.number;
    EXPECT_EQ(FactorText(*file.Find(c.number)), c.factors) << c.number;
  }
  EXPECT_TRUE(file.Find(7)->rebuilt);
  const CombinationSets sets = FormCombinations(file, 0.8);
  // The repeat case equals DL + LL and the rebuilt one DL + WL3: each is kept once, by the file's name.
  EXPECT_TRUE(HasCombination(sets.service, "LC4 SERVICE") && !HasCombination(sets.service, "DL + LL"));
  EXPECT_TRUE(HasCombination(sets.service, "LC7 NOT PRINTED") && !HasCombination(sets.service, "DL + WL3"));
  EXPECT_EQ(Evaluate(file, 1, sets.service[1].terms).fy, 200) << "rebuilt from the printed primaries";
}

// A fault leaves out the case it is in, names the line, and nothing else is lost.
TEST(ReadLoads, BadInputIsNamedAndLeftOut) {
  const struct {
    std::vector<std::string> commands;
    std::vector<int> printed;
    const char* warning;
    const char* letters;
  } cases[] = {
      {{"LOAD COMB 4 X", "1 1.5 9 1.5"}, {1, 2, 3, 4}, "Line 11 (input line 10): combination 4 names load case 9",
       "DLWx"},
      {{"LOAD COMB 4 X", "1 1.5 2 1,5"}, {1, 2, 3, 4}, "Line 12 (input line 11): \"1 1.5 2 1,5\" is not pairs",
       "DLWx"},
      {{"LOAD COMB 4 X", "4 1.0 1 1.5"}, {1, 2, 3, 4}, "Line 11 (input line 10): combination 4 names itself",
       "DLWx"},
      {{"LOAD COMB 4 X", "1 1.5 5 1.5", "LOAD COMB 5 Y", "4 1.0"}, {1, 2, 3, 4, 5},
       "combination 5 uses combination 4, which uses combination 5 in turn", "DLWxx"},
      {{"LOAD 4 TITLE R", "REPEAT LOAD", "1 1.0", "JOINT LOAD", "2 FX 1"}, {1, 2, 3, 4},
       "repeat case 4 adds loads of its own", "DLWx"},
      {{"LOAD COMB 4 X", "1 1.15"}, {1, 2, 3, 4}, "largest factor of 1.15, neither a service", "DLWn"},
      {{"LOAD COMB SRSS 4 X", "1 1.0 3 1.0"}, {1, 2, 3}, "SRSS or ABS, cannot be rebuilt", "DLWx"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> commands = kPrimaries;
    commands.insert(commands.end(), c.commands.begin(), c.commands.end());
    const LoadFile file = Read(Analysis(commands, c.printed));
    ASSERT_FALSE(file.warnings.empty()) << c.warning;
    EXPECT_TRUE(std::any_of(file.warnings.begin(), file.warnings.end(),
                            [&](const std::string& w) { return Has(w, c.warning); }))
        << file.warnings[0];
    EXPECT_EQ(Letters(file), c.letters) << c.warning;
    EXPECT_FALSE(file.fallback);
    EXPECT_EQ(FormCombinations(file, 0.8).service.size(), 6u) << "DL, DL + LL and four with WL3: " << c.warning;
  }
}

// Cases that cannot be classified keep the design's convention, and the warning names them.
TEST(ReadLoads, AFileThatCannotBeClassifiedFallsBackAndSaysSo) {
  const struct {
    std::vector<std::string> commands;
    const char* warning;
  } cases[] = {
      {{"LOAD 1 LOADTYPE Dead TITLE DL", "LOAD 2 TITLE 1.5(DL+LL)"}, "load case 2 \"1.5(DL+LL)\" is of no load class"},
      {{"LOAD 1 TITLE FIRST", "LOAD 2 TITLE SECOND"}, "load case 1 \"FIRST\" is of no load class"},
      {{"LOAD 1 LOADTYPE Live", "LOAD 2 LOADTYPE Wind"}, "no printed load case is dead load"},
      {{"PERFORM ANALYSIS"}, "load cases 1, 2 are not in the echoed input"},
  };
  for (const auto& c : cases) {
    const LoadFile file = Read(Analysis(c.commands, {1, 2}));
    EXPECT_TRUE(file.fallback) << c.warning;
    ASSERT_FALSE(file.warnings.empty());
    EXPECT_TRUE(Has(file.warnings.back(), c.warning)) << file.warnings.back();
    EXPECT_TRUE(Has(file.warnings.back(), "the checks take every printed load case alike"));
    const CombinationSets sets = FormCombinations(file, 0.8);
    ASSERT_EQ(sets.service.size(), 2u);
    EXPECT_TRUE(!sets.service[0].laterCase && sets.service[1].laterCase) << "SBC, then 1.25 x SBC";
    EXPECT_EQ(sets.factored[1].terms[0].factor, 1.5);
    EXPECT_TRUE(sets.uplift.empty());
  }
}

TEST(ClassifyPrimary, LoadTypeFirstThenWholeWordsOfTheTitle) {
  const struct { const char* type; const char* title; LoadClass expected; } cases[] = {
      {"Roof Live", "", LoadClass::Live},           {"Seismic-V", "EQ Y", LoadClass::Other},
      {"", "FLOOR FINISH AND WALLS", LoadClass::Dead}, {"", "FLOOR LIVE LOAD", LoadClass::Live},
      {"None", "EQ +X", LoadClass::Seismic},         {"", "wl -z", LoadClass::Wind},
      {"", "TEMPERATURE RISE", LoadClass::Other},    {"", "1.5(DL+LL)", LoadClass::Unclassified},
      {"", "DEADLOCK", LoadClass::Unclassified},     {"Dead", "LIVE", LoadClass::Dead},
  };
  for (const auto& c : cases) EXPECT_EQ(ClassifyPrimary(c.type, c.title), c.expected) << c.type << " " << c.title;
}

}  // namespace
}  // namespace footmark::loads
