// The analysis file and column design readers on small files held in memory. The two example files
// (one CRLF, one LF) are read and designed in tests/cli.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "model/analysis_reader.h"
#include "model/column_design_reader.h"
#include "model/failure.h"
#include "support/test_files.h"

namespace footmark {
namespace {

using Texts = std::vector<std::string>;
using Values = std::vector<float>;

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

Reading Read(const std::string& text, bool columnDesign = false) {
  MemoryFileSystem fs;
  fs.Add("frame.ANL", text);
  Reading run;
  run.model->AnlFilePath = "frame.ANL";
  columnDesign ? ReadColumnDesign(*run.model, fs, run.ui) : ReadAnalysisFile(*run.model, fs, run.ui);
  return run;
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
                           "           2   1.0  210.0  0.0\t4.0  0.0  5.0\n"           // tab: 6 fields
                           "           4   1.0  230.0  0.0  8.0  0.0  9.0  1.0\n"      // 8 fields: a support
                           "           5   1.0  240.0  0.0  1.5  0.0  2.5\n"
                           "           6   1.0  250.0  0.0  3.5  0.0  4.5  7 7\n"      // 9 fields, base 0
                           " ******* END OF LATEST ANALYSIS RESULT *******\n"
                           "      9    1   1.0  999.0  0.0  2.0  0.0  3.0\n");
  const Model& m = *run.model;
  const auto& r = m.SupportReactions;
  EXPECT_EQ(run.ui.messages, (Texts{" Error    9 9 9 9 9 9 9 9 9", " Error   0   1  1.37",
                                    " Error       2    1   1.0  201.0  0.0  2.1  0.0  3.1  9.9 9.9",
                                    " Error            2   1.0  210.0  0.0\t4.0  0.0  5.0",
                                    " Error            6   1.0  250.0  0.0  3.5  0.0  4.5  7 7"}));
  ASSERT_EQ(m.NumSupports, 3);
  EXPECT_EQ(m.NumLoadCases, 2);  // the last support's count
  // The count, nothing from the odd line before the first support, and the joints.
  EXPECT_EQ((Values{r(0, 0, 0), r(0, 0, 2), r(1, 1, 0), r(2, 1, 0), r(3, 1, 0)}), (Values{3, 0, 1, 2, 4}));
  // Support, load-case position, then load case, FORCE-Y, MOM-X and MOM-Z.
  const Values expected[] = {{1, 2, 2, 25.59f, -0.69f, -1.78f}, {2, 1, 1, 201, 2.1f, 3.1f},
                             {2, 2, 3, 220, 6, 7}, {3, 1, 1, 0, 0, 1}, {3, 2, 6, 250, 3.5f, 4.5f}};
  for (const Values& e : expected)
    EXPECT_EQ((Values{r(e[0], e[1], 1), r(e[0], e[1], 2), r(e[0], e[1], 3), r(e[0], e[1], 4)}),
              Values(e.begin() + 2, e.end()))
        << "support " << e[0] << ", position " << e[1];
  EXPECT_EQ(run.ui.captions.at(StatusLabel::LabNoSrea), "SUPPORT REACTIONS :   3");
  EXPECT_EQ(run.ui.captions.at(StatusLabel::LabLoadCases), "LOAD CASES :   2");
}

TEST(ReadAnalysisFile, JointsAndMembersTurnedSoNoCoordinateDecreases) {
  const Reading run = Read(
      "     1. STAAD SPACE\n"
      "     7. JOINT COORDINATES\n"
      "      5. 1 0 0 0\n"  // leading value 5.1: a data line; joint 1 at the origin
      "     8. 2 5 0 0; 3 0 0 5;4 1\t5 0 0\n\n"
      "     STAAD SPACE                                       -- PAGE NO.    2\n\n"
      "     9. 5 0 3 0; 2 7 7 7\n"  // a repeated joint number counts by its first row
      "    10. UNIT METER KN\n"
      "    11. MEMBER INCIDENCES\n"
      "    12. 1 2 1; 2 3 2; 3 1 5; 4 5 1\n"
      "    13. 5 99 2; 6 2 99; 7 3 4\n"
      "    14. DEFINE MATERIAL START\n" +
      kReactions);
  const Model& m = *run.model;
  ASSERT_EQ(m.NumJoints, 6);
  EXPECT_EQ((Values{m.Joints(4, 0), m.Joints(4, 1), m.Joints(5, 2)}), (Values{4, 15, 3}));  // "1\t5" is 15
  ASSERT_EQ(m.NumMembers, 7);
  // Turned: 1 and 6 (X decreases), 4 (Y), 2 and 7 (Z); the unknown joint 99 stands at the origin.
  const int32 expected[][3] = {{1, 1, 2}, {2, 2, 3}, {3, 1, 5}, {4, 1, 5}, {5, 99, 2}, {6, 99, 2}, {7, 4, 3}};
  for (int row = 1; row <= 7; ++row)
    for (int i = 0; i < 3; ++i) EXPECT_EQ(m.MemberIncidences(row, i), expected[row - 1][i]) << "row " << row;
}

Texts BetaList(const std::string& beta) {
  const Reading run = Read(kFrame + beta + kReactions);
  Texts list;
  for (int i = 0; i <= std::stoi(run.model->BetaMembers(0)); ++i) list.push_back(run.model->BetaMembers(i));
  return list;
}

TEST(ReadAnalysisFile, BetaListWithRangesContinuationsAndRestarts) {
  EXPECT_EQ(BetaList("    20. BETA 90 MEMB 3 5 TO 8 -\n\n"
                     "    21. 12 14\n"
                     "    22. SUPPORTS\n"
                     "    23. 1 2 3 4\n"),
            (Texts{"7", "3", "5", "6", "7", "8", "12", "14"}));
  // Each BETA command starts the list afresh; an empty range adds nothing.
  EXPECT_EQ(BetaList("    20. BETA 90 MEMB 3 4\n"
                     "    21. BETA 180 MEMB 5. TO 6 -\n"
                     "    22. 17 MEMB 20 TO 20\n"
                     "    23. PRINT\n"),
            (Texts{"5", "5.", "6", "17", "20", "20"}));
  EXPECT_EQ(BetaList("    20. SUPPORTS\n"), Texts{"0"});
  // A BETA command ahead of CONSTANTS is not looked for.
  EXPECT_EQ(Read("  3. BETA 90 MEMB 1\n" + kFrame + "    20. PRINT\n" + kReactions).model->BetaMembers(0),
            "0");
}

TEST(ValueAfterMarker, ReadsTheTenCharactersAfterTheMarker) {
  TextStream none("");
  ReportScan m{none, "    REQD. STEEL AREA   :      123.45 Sq.mm.", 0};
  EXPECT_EQ(ValueAfterMarker(m, "REQD. STEEL AREA   :", false), 123.0f);
  EXPECT_EQ(m.FoundPos, 5);
  m.CurrentLine = "    C O L U M N   N O.     1   D E S I G N";  // the window ends on the D: no exponent
  EXPECT_EQ(ValueAfterMarker(m, "C O L U M N   N O.", false), 1.0f);
  m.CurrentLine = "1234567 89";  // not found: the window starts at the marker's length
  EXPECT_EQ(ValueAfterMarker(m, "NOTHERE", false), 789.0f);
  EXPECT_EQ(m.FoundPos, 0);
  const std::string longLine = std::string(40000, ' ') + "X 5";
  m.CurrentLine = longLine;
  EXPECT_THROW(ValueAfterMarker(m, "X", false), RuntimeFailure);  // FoundPos is 16-bit
}

TEST(ReadColumnDesign, TheLastUnitLineBeforeTheDesignGivesTheGrades) {
  const Reading kn = Read("  1. UNIT MMS NEWTON\n  2. UNIT METER KN\n  3. START CONCRETE DESIGN\n"
                          "  4. UNIT MMS NEWTON\n  5. FC 35000 ALL\n  6. FYMAIN 415000 ALL\n", true);
  EXPECT_EQ(kn.ui.captions.at(StatusLabel::LabFckFe), "Fck 35     Fe 415 N/mm2");
  // Either order; a later FC replaces an earlier one until both are known.
  const Reading mms = Read("  1. UNIT METER KN\n  2. UNIT MMS NEWTON\n  3. START CONCRETE DESIGN\n"
                           "  4. FC 20\n  5. FC 25 ALL\n  6. FYMAIN 415\n  7. FC 30\n", true);
  EXPECT_EQ((std::vector<int16>{mms.model->Fck, mms.model->Fe}), (std::vector<int16>{25, 415}));
  const Reading none = Read("  1. UNIT MMS NEWTON\n  2. FC 25\n  3. FYMAIN 415\n", true);
  EXPECT_EQ(none.ui.messages, Texts{"NO START CONCRETE DESIGN"});
  EXPECT_EQ(none.ui.captions.at(StatusLabel::LabFckFe), "Fck 0     Fe 0 N/mm2");
  EXPECT_THROW(Read("UNIT MMS NEWTON\nSTART CONCRETE DESIGN\nFC 40000\nFYMAIN 415\n", true), RuntimeFailure);
}

const std::string kDesignStart =
    "    62. UNIT MMS NEWTON\n    63. START CONCRETE DESIGN\n    65. FC 25 ALL\n    66. FYMAIN 415 ALL\n";

std::string Heading(int member) {
  return "    C O L U M N   N O.     " + std::to_string(member) + "   D E S I G N   R E S U L T S\n";
}

TEST(ReadColumnDesign, OneRowPerColumnBlock) {
  const Reading run = Read(
      kDesignStart + " ======\n" + Heading(1) +
          "\n    M25                      Fe415 (Main)             Fe415 (Sec.)\n"
          "    LENGTH:   3500.0 mm   CROSS SECTION:  300.0 mm X  450.0 mm   COVER: 40.0 mm\n\n"
          "    REQD. STEEL AREA   :     1343.54 Sq.mm.\n"
          "    MAIN REINFORCEMENT : Provide   8 - 16 dia. (1.19%,   1608.50 Sq.mm.)\n"
          "    TIE REINFORCEMENT  : Provide 8 mm dia. rectangular ties @ 255 mm c/c\n"
          "    Puz :   1921.81    Muz1 :    77.83    Muy1 :    51.89\n" +
          Heading(2) + "    LENGTH:   3200.0 mm   CROSS SECTION:  230.0 mm X  600.0 mm\n"
                       "    REQD. STEEL AREA   :      800.40 Sq.mm.\n" +
          Heading(3) + "    LENGTH:   3200.0 mm   CROSS SECTION:  400.0 mm X  400.0 mm\n"
                       "    REQD. STEEL AREA   :     2410.00 Sq.mm.\n"
                       "    TIE REINFORCEMENT  : Provide 10 mm dia. rectangular ties @ 190 mm c/c\n" +
          "    C O L U M N   N O. 9",  // a heading on the very last line
      true);
  const Model& m = *run.model;
  ASSERT_EQ(m.NumColumnDesigns, 4);
  // Block 2 has no ties: its search stops at heading 3, which starts block 3. The last heading
  // starts one block, not endless ones.
  const Values rows[] = {{1, 3500, 300, 450, 1343, 8, 255}, {2, 3200, 230, 600, 800, 0, 0},
                         {3, 3200, 400, 400, 2410, 10, 190}, {9, 0, 0, 0, 0, 0, 0}};
  for (int n = 1; n <= 4; ++n)
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(m.ColumnDesigns(n, k), rows[n - 1][k - 1]) << n << "," << k;
  const std::string heading3 = Heading(3);
  EXPECT_EQ(run.ui.messages, (Texts{heading3.substr(0, heading3.size() - 1), "    C O L U M N   N O. 9"}));
}

TEST(Readers, InputThatEndsTheProgramNamesItsLine) {
  const std::string marker = "  SUPPORT REACTIONS -UNIT KN   METE\n";
  const std::string end = " ** END OF LATEST ANALYSIS RESULT **\n";
  const std::string joints = kReactions + "  1. JOINT COORDINATES\n  2. 1 0 0 0\n";  // lines 6 and 7
  const std::string members = joints + "  3. MEMBER INCIDENCES\n";
  const std::string beta = members + "  4. 1 1 1\n  5. CONSTANTS\n  6. BETA 90";  // line 11
  // The capacities, one past each, are in tests/capacity; a range far past it fails before it is listed.
  struct Case { std::string text; int line; std::string message; bool silent = false, design = false; };
  const Case cases[] = {
      {kFrame, 6, " NO SUPPORT REACTIONS"},
      {kFrame + marker + "  JOINT  LOAD\n" + end + "  99. FINISH\n", 9, " NO SUPPORT REACTIONS  "},
      {marker + "  1 1 0 10 0 0 0 0\n", 2,
       "Line 2: the file ends inside the support reaction table, before \"END OF LATEST ANALYSIS RESULT\""},
      {marker + "  1 1 0 1O 0 0 0 0\n" + end, 2, "Line 2: \"1O\" is not a number"},
      {kReactions + "  1. JOINT\n", 6, "The file has no \"JOINT COORDINATES\" section", true},
      {joints + "  3. MEMBER\n", 8, "The file has no \"MEMBER INCIDENCES\" section", true},
      {joints + "\n", 8, "Line 8: the file ends inside the joint coordinates"},
      {members + "  4. 1 1 1\n", 9, "Line 9: the file ends inside the member incidences"},
      {joints + "  3. 2 0 0 0; 3 0 0\n", 8,
       "Line 8: incomplete joint: a joint needs its number and three coordinates"},
      {joints + "  3. 2 0 0 0; x 0 0 0\n", 8, "Line 8: \"x\" is not a number"},
      {joints + "  3.\n", 8, "Line 8: a line of the joint coordinates holds nothing after its line number"},
      {members + "  4. 1 1 1 2 1\n", 9,
       "Line 9: incomplete member: a member needs its number, start joint and end joint"},
      {members + "  4. 1 1 1.5.\n", 9, "Line 9: \"1.5.\" is not a number"},
      {members + " 4.0\n", 9, "Line 9: a line of the member incidences holds nothing after its line number"},
      {beta + " MEMB 1 -\n", 11, "Line 11: the file ends inside the BETA list"},
      {beta + "\n  7. PRINT\n", 11, "Line 11: a BETA command without a member number"},
      {beta + " MEMB 1 TO\n  7. PRINT\n", 11, "Line 11: a member range ends with \"TO\""},
      {beta + " MEMB 1 MEMB TO 4\n  7. PRINT\n", 11, "Line 11: \"MEMB\" is not a number"},
      {beta + " MEMB 1 -\n 7.\n", 12, "Line 12: a line of the BETA list holds nothing after its line number"},
      {beta + " MEMB 1 TO 1000000000\n  7. PRINT\n", 11, "Line 11: more than 1000 members in the BETA list"},
      {"  1. PRINT\n  2. START CONCRETE DESIGN\n  3. UNIT MMS NEWTON\n  4. FC 25\n", 2,
       "Line 2: no unit line (\"UNIT MMS NEWTON\" or \"UNIT METER KN\") before \"START CONCRETE DESIGN\", so "
       "the concrete and steel grades have no unit", false, true},
  };
  for (const Case& c : cases) {
    try {
      Read(c.text, c.design);
      ADD_FAILURE() << "the program went on: " << c.message;
    } catch (const ProgramEnd& e) {
      EXPECT_EQ(std::tuple(std::string(e.what()), e.line(), e.silent()),
                std::tuple(c.message, c.line, c.silent));
    }
  }
}

}  // namespace
}  // namespace footmark
