#include "model/column_design_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/failure.h"
#include "support/test_files.h"

namespace footmark {
namespace {

struct Reading {
  Model model;
  testing::RecordingMessages ui;
};

void Read(Reading& run, const std::string& text) {
  MemoryFileSystem fs;
  fs.Add("frame.ANL", text);
  run.model.AnlFilePath = "frame.ANL";
  ReadColumnDesign(run.model, fs, run.ui);
}

TEST(ValueAfterMarker, ReadsTheTenCharactersAfterTheMarker) {
  Model m;
  TextStream none("");
  m.CurrentLine = "    REQD. STEEL AREA   :      123.45 Sq.mm.";
  EXPECT_EQ(ValueAfterMarker(m, none, "REQD. STEEL AREA   :", false), 123.0f);
  EXPECT_EQ(m.FoundPos, 5);
  // The window ends on the D of "D E S I G N": no exponent.
  m.CurrentLine = "    C O L U M N   N O.     1   D E S I G N   R E S U L T S";
  EXPECT_EQ(ValueAfterMarker(m, none, "C O L U M N   N O.", false), 1.0f);
  // Not found: the window starts at the position equal to the marker's length.
  m.CurrentLine = "1234567 89";
  EXPECT_EQ(ValueAfterMarker(m, none, "NOTHERE", false), 789.0f);
  EXPECT_EQ(m.FoundPos, 0);
  m.CurrentLine = "AB";
  EXPECT_EQ(ValueAfterMarker(m, none, "NOTHERE", false), 0.0f);
  m.CurrentLine = std::string(40000, ' ') + "X 5";
  EXPECT_THROW(ValueAfterMarker(m, none, "X", false), RuntimeFailure);  // FoundPos is 16-bit
}

TEST(ReadColumnDesign, TheLastUnitLineBeforeTheDesignGivesTheGrades) {
  Reading kn;
  Read(kn, "  1. UNIT MMS NEWTON\n  2. UNIT METER KN\n  3. START CONCRETE DESIGN\n  4. UNIT MMS NEWTON\n"
           "  5. FC 35000 ALL\n  6. FYMAIN 415000 ALL\n");
  EXPECT_EQ(kn.model.Fck, 35);
  EXPECT_EQ(kn.model.Fe, 415);
  EXPECT_EQ(kn.ui.captions.at(StatusLabel::LabFckFe), "Fck 35     Fe 415 N/mm2");
  // Either order; a later FC replaces an earlier one until both are known.
  Reading mms;
  Read(mms, "  1. UNIT METER KN\n  2. UNIT MMS NEWTON\n  3. START CONCRETE DESIGN\n  4. FC 20\n  5. FC 25 ALL\n"
            "  6. FYMAIN 415\n  7. FC 30\n");
  EXPECT_EQ(mms.model.Fck, 25);
  EXPECT_EQ(mms.model.Fe, 415);
  EXPECT_TRUE(mms.ui.messages.empty());

  Reading none;
  Read(none, "  1. UNIT MMS NEWTON\n  2. FC 25\n  3. FYMAIN 415\n");
  EXPECT_EQ(none.ui.messages, std::vector<std::string>{"NO START CONCRETE DESIGN"});
  EXPECT_EQ(none.ui.captions.at(StatusLabel::LabFckFe), "Fck 0     Fe 0 N/mm2");
  EXPECT_EQ(none.model.NumColumnDesigns, 0);

  Reading noUnit;
  try {
    Read(noUnit, "  1. PRINT\n  2. START CONCRETE DESIGN\n  3. UNIT MMS NEWTON\n  4. FC 25\n");
    ADD_FAILURE() << "a design without a unit line was read";
  } catch (const ProgramEnd& end) {
    EXPECT_EQ(std::string(end.what()),
              "Line 2: no unit line (\"UNIT MMS NEWTON\" or \"UNIT METER KN\") before \"START CONCRETE DESIGN\", "
              "so the concrete and steel grades have no unit");
    EXPECT_EQ(end.line(), 2);
  }
  Reading strong;
  EXPECT_THROW(Read(strong, "UNIT MMS NEWTON\nSTART CONCRETE DESIGN\nFC 40000\nFYMAIN 415\n"), RuntimeFailure);
}

const std::string kDesignStart = "    62. UNIT MMS NEWTON\n    63. START CONCRETE DESIGN\n    65. FC 25 ALL\n"
                                 "    66. FYMAIN 415 ALL\n";

std::string Heading(int member) {
  return "    C O L U M N   N O.     " + std::to_string(member) + "   D E S I G N   R E S U L T S\n";
}

TEST(ReadColumnDesign, OneRowPerColumnBlock) {
  const std::string text =
      kDesignStart + " ======\n" + Heading(1) +
      "\n    M25                      Fe415 (Main)             Fe415 (Sec.)\n\n"
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
      "    C O L U M N   N O. 9";  // a heading on the very last line
  for (const std::string& ends : {std::string("\n"), std::string("\r\n")}) {
    std::string file;
    for (char c : text) file += c == '\n' ? ends : std::string(1, c);
    Reading run;
    Read(run, file);
    const Model& m = run.model;
    ASSERT_EQ(m.NumColumnDesigns, 4);
    const auto row = [&](int n) {
      std::vector<float> r;
      for (int k = 1; k <= 7; ++k) r.push_back(m.ColumnDesigns(n, k));
      return r;
    };
    EXPECT_EQ(row(1), (std::vector<float>{1, 3500, 300, 450, 1343, 8, 255}));
    EXPECT_EQ(row(2), (std::vector<float>{2, 3200, 230, 600, 800, 0, 0}));
    EXPECT_EQ(row(3), (std::vector<float>{3, 3200, 400, 400, 2410, 10, 190}));
    // Block 2 has no ties: its search stops at heading 3, which starts block 3.
    // Nothing follows the last heading: one block, not endless ones.
    EXPECT_EQ(row(4), (std::vector<float>{9, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(run.ui.messages, (std::vector<std::string>{Heading(3).substr(0, Heading(3).size() - 1),
                                                         "    C O L U M N   N O. 9"}));
    EXPECT_EQ(run.ui.captions.at(StatusLabel::LabFckFe), "Fck 25     Fe 415 N/mm2");
  }
}

TEST(ReadColumnDesign, MoreThan3000BlocksEndTheProgram) {
  std::string text = kDesignStart;
  for (int i = 1; i <= 3001; ++i)
    text += Heading(i) + "LENGTH: 1\nREQD. STEEL AREA   : 1\nTIE REINFORCEMENT  : Provide 8 ties @ 100\n";
  Reading run;
  try {
    Read(run, text);
    ADD_FAILURE() << "3001 blocks were read";
  } catch (const ProgramEnd& end) {
    EXPECT_EQ(std::string(end.what()), "Line 12005: more than 3000 column design blocks");
    EXPECT_EQ(end.line(), 12005);
  }
  EXPECT_EQ(run.model.NumColumnDesigns, 3000);
  EXPECT_EQ(run.model.ColumnDesigns(3000, 1), 3000.0f);
}

}  // namespace
}  // namespace footmark
