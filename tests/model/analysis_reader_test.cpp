#include "model/analysis_reader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/failure.h"
#include "support/test_files.h"

namespace footmark {
namespace {

const std::string kReactions =
    "  SUPPORT REACTIONS -UNIT KN   METE      STRUCTURE TYPE = SPACE\n"
    "  JOINT  LOAD   FORCE-X   FORCE-Y   FORCE-Z     MOM-X     MOM-Y     MOM Z\n"
    "      1    1       1.37    136.53     -0.97      1.53      0.00     -2.57\n"
    "           2      -0.18     25.59     -0.18     -0.69     -0.03     -1.78\n"
    " ************** END OF LATEST ANALYSIS RESULT **************\n";

const std::string kFrame =
    "     7. JOINT COORDINATES\n"
    "     8. 1 0 0 0; 2 5 0 0\n"
    "     9. 3 0 3 0\n"
    "    10. MEMBER INCIDENCES\n"
    "    11. 1 1 3; 2 1 2\n"
    "    12. CONSTANTS\n";

struct Reading {
  std::unique_ptr<Model> model = std::make_unique<Model>();
  testing::RecordingMessages ui;
};

Reading Read(const std::string& text) {
  MemoryFileSystem fs;
  fs.Add("frame.ANL", text);
  Reading run;
  run.model->AnlFilePath = "frame.ANL";
  ReadAnalysisFile(*run.model, fs, run.ui);
  return run;
}

ProgramEnd EndOf(const std::string& text) {
  try {
    Read(text);
  } catch (const ProgramEnd& end) {
    return end;
  }
  ADD_FAILURE() << "the program went on for:\n" << text;
  return ProgramEnd("");
}

// n lines made from a pattern in which "#" stands for 1..n.
std::string Lines(int n, const std::string& pattern) {
  std::string s;
  for (int i = 1; i <= n; ++i) {
    std::string line = pattern;
    line.replace(line.find('#'), 1, std::to_string(i));
    s += line + "\n";
  }
  return s;
}

TEST(ReadAnalysisFile, ReactionLinesByTheirNumberOfFields) {
  const Reading run = Read(kFrame +
                       "  SUPPORT REACTIONS -UNIT KN   METE\n"
                       "  -----------------\n"
                       "   9 9 9 9 9 9 9 9 9\n"                  // odd, before any support: skipped
                       "      1    1   1.37  136.53  -0.97  1.53  0.00  -2.57\n"
                       "           2  -0.18   25.59  -0.18 -0.69 -0.03  -1.78\n"
                       "  0   1  1.37\n"                         // leading value 11.37: a data line
                       "  -5   1   1   1   1   1   1\n"          // negative: skipped like a heading
                       "      2    1   1.0  200.0  0.0  2.0  0.0  3.0\n"
                       "      2    1   1.0  201.0  0.0  2.1  0.0  3.1  9.9 9.9\n"  // 10 fields, base 1
                       "           3   1.0  220.0  0.0  6.0  0.0  7.0\n"
                       "           2   1.0  210.0  0.0\t4.0  0.0  5.0\n"           // tab: 6 fields, base 0
                       "           4   1.0  230.0  0.0  8.0  0.0  9.0  1.0\n"      // 8 fields: a support
                       "           5   1.0  240.0  0.0  1.5  0.0  2.5\n"
                       "           6   1.0  250.0  0.0  3.5  0.0  4.5  7 7\n"      // 9 fields, base 0
                       " ******* END OF LATEST ANALYSIS RESULT *******\n"
                       "      9    1   1.0  999.0  0.0  2.0  0.0  3.0\n");
  const Model& m = *run.model;
  const auto& r = m.SupportReactions;
  EXPECT_EQ(run.ui.messages,
            (std::vector<std::string>{" Error    9 9 9 9 9 9 9 9 9", " Error   0   1  1.37",
                                      " Error       2    1   1.0  201.0  0.0  2.1  0.0  3.1  9.9 9.9",
                                      " Error            2   1.0  210.0  0.0\t4.0  0.0  5.0",
                                      " Error            6   1.0  250.0  0.0  3.5  0.0  4.5  7 7"}));
  ASSERT_EQ(m.NumSupports, 3);
  EXPECT_EQ(r(0, 0, 0), 3.0f);
  EXPECT_EQ(r(0, 0, 2), 0.0f);
  EXPECT_EQ(m.NumLoadCases, 2);  // the last support's count
  EXPECT_EQ(r(1, 1, 0), 1.0f);
  EXPECT_EQ(r(1, 2, 1), 2.0f);
  EXPECT_EQ(r(1, 2, 2), 25.59f);
  EXPECT_EQ(r(1, 2, 3), -0.69f);
  EXPECT_EQ(r(1, 2, 4), -1.78f);
  EXPECT_EQ(r(1, 3, 1), 0.0f);
  // Support 2: the 10-field line overwrites position 1; the tab line is too short.
  EXPECT_EQ(r(2, 1, 0), 2.0f);
  EXPECT_EQ(r(2, 1, 2), 201.0f);
  EXPECT_EQ(r(2, 1, 4), 3.1f);
  EXPECT_EQ(r(2, 2, 1), 3.0f);
  EXPECT_EQ(r(2, 2, 2), 220.0f);
  // The line with 8 fields starts support "4"; the 9-field line replaces position 2.
  EXPECT_EQ(r(3, 1, 0), 4.0f);
  EXPECT_EQ(r(3, 1, 1), 1.0f);
  EXPECT_EQ(r(3, 1, 2), 0.0f);
  EXPECT_EQ(r(3, 2, 1), 6.0f);
  EXPECT_EQ(r(3, 2, 2), 250.0f);
  EXPECT_EQ(r(3, 2, 4), 4.5f);
  EXPECT_EQ(run.ui.captions.at(StatusLabel::LabNoSrea), "SUPPORT REACTIONS :   3");
  EXPECT_EQ(run.ui.captions.at(StatusLabel::LabLoadCases), "LOAD CASES :   2");
}

TEST(ReadAnalysisFile, JointsAndMembersTurnedSoNoCoordinateDecreases) {
  const std::string file =
      "     1. STAAD SPACE\n"
      "     7. JOINT COORDINATES\n"
      "      5. 1 0 0 0\n"  // leading value 5.1: a data line; joint 1 at the origin
      "     8. 2 5 0 0; 3 0 0 5;4 1\t5 0 0\n"
      "\n"
      "     STAAD SPACE                                       -- PAGE NO.    2\n"
      "\n"
      "     9. 5 0 3 0; 2 7 7 7\n"  // a repeated joint number counts by its first row
      "    10. UNIT METER KN\n"
      "    11. MEMBER INCIDENCES\n"
      "    12. 1 2 1; 2 3 2; 3 1 5; 4 5 1\n"
      "    13. 5 99 2; 6 2 99; 7 3 4\n"
      "    14. DEFINE MATERIAL START\n" +
      kReactions;
  for (const std::string& ends : {std::string("\n"), std::string("\r\n")}) {
    std::string text;
    for (char c : file) text += c == '\n' ? ends : std::string(1, c);
    const Reading run = Read(text);
    const Model& m = *run.model;
    ASSERT_EQ(m.NumJoints, 6);
    EXPECT_EQ(m.Joints(1, 0), 1.0f);
    EXPECT_EQ(m.Joints(4, 0), 4.0f);
    EXPECT_EQ(m.Joints(4, 1), 15.0f);  // "1\t5" is one field, read leniently
    EXPECT_EQ(m.Joints(5, 2), 3.0f);
    ASSERT_EQ(m.NumMembers, 7);
    const auto incidence = [&](int row) {
      return std::vector<int32>{m.MemberIncidences(row, 0), m.MemberIncidences(row, 1), m.MemberIncidences(row, 2)};
    };
    EXPECT_EQ(incidence(1), (std::vector<int32>{1, 1, 2}));  // from (5,0,0) to the origin: turned
    EXPECT_EQ(incidence(2), (std::vector<int32>{2, 2, 3}));  // (0,0,5) to (5,0,0): Z decreases, turned
    EXPECT_EQ(incidence(3), (std::vector<int32>{3, 1, 5}));  // upwards already
    EXPECT_EQ(incidence(4), (std::vector<int32>{4, 1, 5}));  // downwards: turned
    EXPECT_EQ(incidence(5), (std::vector<int32>{5, 99, 2}));  // unknown joint 99 is the origin
    EXPECT_EQ(incidence(6), (std::vector<int32>{6, 99, 2}));
    EXPECT_EQ(incidence(7), (std::vector<int32>{7, 4, 3}));  // (15,0,0) to (0,0,5): X decreases
  }
}

std::string WithBeta(const std::string& beta) { return kFrame + beta + kReactions; }

std::vector<std::string> BetaList(const Reading& run) {
  std::vector<std::string> list;
  for (int i = 0; i <= std::stoi(run.model->BetaMembers(0)); ++i) list.push_back(run.model->BetaMembers(i));
  return list;
}

TEST(ReadAnalysisFile, BetaListWithRangesContinuationsAndRestarts) {
  EXPECT_EQ(BetaList(Read(WithBeta("    20. BETA 90 MEMB 3 5 TO 8 -\n"
                                   "\n"
                                   "    21. 12 14\n"
                                   "    22. SUPPORTS\n"
                                   "    23. 1 2 3 4\n"))),
            (std::vector<std::string>{"7", "3", "5", "6", "7", "8", "12", "14"}));
  // Each BETA command starts the list afresh; an empty range adds nothing.
  EXPECT_EQ(BetaList(Read(WithBeta("    20. BETA 90 MEMB 3 4\n"
                                   "    21. BETA 180 MEMB 5. TO 6 -\n"
                                   "    22. 17 MEMB 20 TO 20\n"
                                   "    23. PRINT\n"))),
            (std::vector<std::string>{"5", "5.", "6", "17", "20", "20"}));
  EXPECT_EQ(BetaList(Read(WithBeta("    20. SUPPORTS\n"))), (std::vector<std::string>{"0"}));
  // A BETA command ahead of CONSTANTS is not looked for.
  EXPECT_EQ(BetaList(Read("  3. BETA 90 MEMB 1\n" + kFrame + "    20. PRINT\n" + kReactions)),
            (std::vector<std::string>{"0"}));
  EXPECT_EQ(Read(kReactions + "     7. JOINT COORDINATES\n     8. 1 0 0 0\n     9. MEMBER INCIDENCES\n"
                              "    10. 1 1 1\n    11. FINISH\n")
                .model->BetaMembers(0),
            "0");
}

TEST(ReadAnalysisFile, InputThatEndsTheProgramNamesItsLine) {
  const std::string marker = "  SUPPORT REACTIONS -UNIT KN   METE\n";
  const std::string end = " ** END OF LATEST ANALYSIS RESULT **\n";
  const std::string joints = "  1. JOINT COORDINATES\n  2. 1 0 0 0\n";
  const std::string members = "  3. MEMBER INCIDENCES\n  4. 1 1 1\n  5. CONSTANTS\n";
  struct Case {
    std::string text;
    std::string message;
    int line;
    bool silent;
  };
  const std::vector<Case> cases = {
      {kFrame, " NO SUPPORT REACTIONS", 6, false},
      {kFrame + marker + "  JOINT  LOAD\n" + end + "  99. FINISH\n", " NO SUPPORT REACTIONS  ", 9, false},
      {marker + "  1 1 0 10 0 0 0 0\n",
       "Line 2: the file ends inside the support reaction table, before \"END OF LATEST ANALYSIS RESULT\"", 2,
       false},
      {marker + Lines(201, "  # 1 0 10 0 0 0 0") + end,
       "Line 202: more than 200 supports in the support reaction table", 202, false},
      {marker + "  1 1 0 10 0 0 0 0\n" + Lines(35, "   # 0 10 0 0 0 0") + end,
       "Line 37: more than 35 load cases for one support in the support reaction table", 37, false},
      {marker + "  1 1 0 1O 0 0 0 0\n" + end, "Line 2: \"1O\" is not a number", 2, false},
      {kReactions + "  1. JOINT\n", "The file has no \"JOINT COORDINATES\" section", 6, true},
      {kReactions + joints + "  3. MEMBER\n", "The file has no \"MEMBER INCIDENCES\" section", 8, true},
      {kReactions + "  1. JOINT COORDINATES\n  2. 1 0 0 0\n\n",
       "Line 8: the file ends inside the joint coordinates", 8, false},
      {kReactions + joints + "  3. MEMBER INCIDENCES\n  4. 1 1 1\n",
       "Line 9: the file ends inside the member incidences", 9, false},
      {kReactions + joints + "  3. 2 0 0 0; 3 0 0\n",
       "Line 8: incomplete joint: a joint needs its number and three coordinates", 8, false},
      {kReactions + joints + "  3. 2 0 0 0; x 0 0 0\n", "Line 8: \"x\" is not a number", 8, false},
      {kReactions + joints + "  3.\n",
       "Line 8: a line of the joint coordinates holds nothing after its line number", 8, false},
      {kReactions + joints + "  3. MEMBER INCIDENCES\n  4. 1 1 1 2 1\n",
       "Line 9: incomplete member: a member needs its number, start joint and end joint", 9, false},
      {kReactions + joints + "  3. MEMBER INCIDENCES\n  4. 1 1 1.5.\n", "Line 9: \"1.5.\" is not a number", 9,
       false},
      {kReactions + joints + "  3. MEMBER INCIDENCES\n 4.0\n",
       "Line 9: a line of the member incidences holds nothing after its line number", 9, false},
      {kReactions + "  1. JOINT COORDINATES\n" + Lines(2421, "  8. # 0 0 0"),
       "Line 2427: more than 2420 joints in the joint coordinates", 2427, false},
      {kReactions + joints + "  3. MEMBER INCIDENCES\n" + Lines(2681, " 11. # 1 2"),
       "Line 2689: more than 2680 members in the member incidences", 2689, false},
      {kReactions + joints + members + "  6. BETA 90 MEMB 1 -\n",
       "Line 11: the file ends inside the BETA list", 11, false},
      {kReactions + joints + members + "  6. BETA 90\n  7. PRINT\n",
       "Line 11: a BETA command without a member number", 11, false},
      {kReactions + joints + members + "  6. BETA 90 MEMB 1 TO\n  7. PRINT\n",
       "Line 11: a member range ends with \"TO\"", 11, false},
      {kReactions + joints + members + "  6. BETA 90 MEMB 1 MEMB TO 4\n  7. PRINT\n",
       "Line 11: \"MEMB\" is not a number", 11, false},
      {kReactions + joints + members + "  6. BETA 90 MEMB 1 -\n 7.\n",
       "Line 12: a line of the BETA list holds nothing after its line number", 12, false},
      {kReactions + joints + members + "  6. BETA 90 MEMB 1 TO 1000000000\n  7. PRINT\n",
       "Line 11: more than 1000 members in the BETA list", 11, false},
      {kReactions + joints + members + "  6. BETA 90 MEMB 1 TO 990 -\n" + Lines(11, " 21. #") + "  7. PRINT\n",
       "Line 22: more than 1000 members in the BETA list", 22, false},
  };
  for (const Case& c : cases) {
    const ProgramEnd end = EndOf(c.text);
    EXPECT_EQ(end.what(), c.message);
    EXPECT_EQ(end.line(), c.line) << c.message;
    EXPECT_EQ(end.silent(), c.silent) << c.message;
  }
}

}  // namespace
}  // namespace footmark
