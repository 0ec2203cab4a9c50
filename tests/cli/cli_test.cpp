// The batch front end as a user runs it: exit status, standard error, the report, the JSON and the drawing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "cli/run_cli.h"

namespace footmark {
namespace {

using testing::CliResult;
using testing::Has;
using testing::ReadFile;
using testing::RunCli;
using testing::ScratchDir;
using testing::SourcePath;

const std::string kExample = SourcePath("examples/frame-4x3-2storey.ANL");


// Values worked out by hand from the example's reactions and design report,
// not from this code: support 12 alone needs 1.06 m (class 1.1, 211.04 kN/m2
// under case 3); its 450 mm column gives a 0.60 m pedestal, the minimum depth
// 0.19 + 0.06 and the minimum steel 0.2 % of 1.1 x 0.19 m, 418 mm2 = eight
// 8 mm bars at 140 mm. Supports 6 and 7 (400 x 400 columns) need 1.82 and
// 1.86 m: class 1.9, 216.97 kN/m2 from support 7, depth 0.40, 1292 mm2 =
// eleven 12 mm bars at 178 mm. In the 300 x 450 columns, support 8 needs
// 1226 mm2 (4-16 + 4-12), supports 2 and 10 about 1300 mm2 (12-12) and the
// rest 8-16; column 18 above support 6 has its ties at 190 mm.
TEST(Cli, ReadsAndDesignsTheExampleAsWorkedByHand) {
  ScratchDir dir;
  CliResult r = RunCli(dir, kExample);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "SUPPORT REACTIONS :   12\nLOAD CASES :   3\nFck 25     Fe 415 N/mm2\n"));
  EXPECT_TRUE(Has(r.out, "12 supports, 3 load cases, 36 joints, 58 members, 8 BETA entries, 24 column designs"));
  EXPECT_EQ(r.err, "");

  r = RunCli(dir, kExample + " --sbc 200 --json " + dir.path() + "/design.json");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string json = ReadFile(dir.path() + "/design.json");
  EXPECT_TRUE(Has(json, R"j("mark":"F1","supports":[12],"size":1.1,"pressure":211.04433,"load_case":3,)j"
                        R"j("load_case_position":3,"gov_support":12,"col_size":450,"designed":true,"pedestal":0.6,"ped_type":1,"depth":0.25,)j"
                        R"j("steel_area":418.00003,"bar_dia":8,"bar_text":"8   ( 140 mm ))j"));
  EXPECT_TRUE(Has(json, R"j("mark":"F5","supports":[6,7],"size":1.9,"pressure":216.97421,"load_case":3,)j"
                        R"j("load_case_position":3,"gov_support":7,"col_size":400,"designed":true,"pedestal":0.6,"ped_type":1,"depth":0.40000004,)j"
                        R"j("steel_area":1292.0001,"bar_dia":12,"bar_text":"11   ( 178 mm ))j"));
  EXPECT_TRUE(Has(json, R"j("size_classes":[1.1,1.2,1.4,1.5,1.9])j"));
  EXPECT_TRUE(Has(json, R"j("support":12,"joint":"12","pos_x":12.5,"pos_y":9.5,"column":"12","col_width":300,)j"
                        R"j("col_depth":450,"trial_side":1.06,"side":1.1,"group":1,"col_type":4)j"));

  r = RunCli(dir, kExample + " --sbc 200");
  ASSERT_EQ(r.status, 0);
  for (const char* row : {"C1    400 X 400     0.6             8-16          8 - 190",
                          "C2    300 X 450     0.6             4-16  4-12    8 - 255",
                          "C3    300 X 450     0.6             12-12         8 - 255",
                          "C4    300 X 450     0.6             8-16          8 - 255",
                          "F5    1.9       0.6           0.4        12            11   ( 178 mm )"})
    EXPECT_TRUE(Has(r.out, row));
}

// Offsets as they reach the drawing: tests/journey (through this front end) and tests/dxf (exact text).
TEST(Cli, AnOffsetOfASupportTheFileLacksEndsTheRunBeforeTheDrawing) {
  ScratchDir dir;
  const std::string dxf = dir.path() + "/plan.dxf";
  const CliResult r = RunCli(dir, kExample + " --sbc 200 --dxf " + dxf + " --offset 1:1:0 --offset 13:1:0");
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(Has(r.err, "no support 13"));
  EXPECT_FALSE(std::filesystem::exists(dxf)) << "a drawing was written";
}

TEST(Cli, UpliftIsReportedOncePerSupportOnStandardError) {
  ScratchDir dir;
  const CliResult r = RunCli(dir, SourcePath("examples/frame-6x5-4storey.ANL") + " --sbc 200 --json -");
  // Two corner footings overturn under 0.9DL -+ 1.5EQZ (C18b): the design ran, and it fails its checks.
  ASSERT_EQ(r.status, 4) << r.err;
  EXPECT_TRUE(Has(r.out, R"j("supports":27,"load_cases":11,"joints":162,"members":350,"beta_entries":50,)j"
                         R"j("column_designs":135,)j"));
  // Joint 5 lifts under the seismic case 4 and the combination 10.
  EXPECT_TRUE(Has(r.err, "Check JOINT : 5\n LOAD : 4    FORCE-Y = -164.82\n LOAD : 10    FORCE-Y = -13.01\n"));
  EXPECT_TRUE(Has(r.out, R"j("Check JOINT : 5\r LOAD : 4    FORCE-Y = -164.82\r LOAD : 10    FORCE-Y = -13.01")j"));
}

// At SBC 100 the 6x5 example's two largest classes are left undesigned by the
// 10 m3 reference volume, and the status says so; a larger one designs them.
// With the footing's weight on the soil every group of that SBC fails bearing,
// where the design step's own basis (no weight) passes nine.
TEST(Cli, TheChecksDecideTheStatusAndALargerReferenceVolumeDesignsLargeFootings) {
  ScratchDir dir;
  const std::string sixByFive = SourcePath("examples/frame-6x5-4storey.ANL");
  CliResult r = RunCli(dir, sixByFive + " --sbc 100 --json -");
  EXPECT_EQ(r.status, 4);
  EXPECT_TRUE(Has(r.out, R"j({"mark":"F14","verdict":"not designed","reason":"first pedestal candidate 13.16 m3 )j"
                         R"j(above the reference volume 10 m3 (--max-volume)")j"))
      << r.out.substr(0, 300);
  r = RunCli(dir, sixByFive + " --sbc 100 --max-volume 100");
  EXPECT_TRUE(Has(r.out, "  F14   4.3       0.9           0.65       16            26   ( 167 mm )")) << r.out;
  EXPECT_TRUE(Has(r.out, "Checks (IS 456:2000): 0 ok, 15 fail, 0 not designed; on the design step's own basis "
                         "9 ok, 6 fail"))
      << r.out;
  EXPECT_TRUE(Has(r.out, "  9 and 14   -1350       -1050       -1050           overlap: combined footing required"));
}

// The command line as GNU programs take theirs; nothing is read or written when it cannot be run as asked.
TEST(Cli, ACommandLineByTheBook) {
  ScratchDir dir;
  const std::string json = dir.path() + "/design.json", sixByFive = SourcePath("examples/frame-6x5-4storey.ANL");
  const std::string before = ReadFile(kExample);
  for (const auto& [args, status, message] : std::vector<std::tuple<std::string, int, std::string>>{
           {"--help", 0, "Example ("}, {"--version", 0, "footmark-cli "},
           {"- --sbc=200 < " + kExample, 0, "F5    1.9       0.6           0.4 "},
           // Sizes to the millimetre in our own text: the depth 0.47500005 is no 0.4750001.
           // Status 4: two corner footings of the 6x5 frame overturn (C18b).
           {"--sbc 200 --quiet -- " + sixByFive, 4, "F7    2.4       0.75          0.475      12"},
           {"--sbc=200 --quiet --tie-beams yes --json - " + sixByFive, 0, R"j("tie-beams":"yes"})j"},
           {kExample + " --sbc 0", 2, "--sbc: 0 is out of range; the SBC is a whole number of kN/m2 from 1 to 32767"},
           {kExample + " --sbc=32768", 2, "--sbc: 32768 is out of range"},
           {kExample + " --sbc 1e400", 2, "--sbc: 1e400 is out of range"},
           {kExample + " --sbc abc", 2, "--sbc: \"abc\" is not a number"},
           {kExample + " --sbc 200 --psi 2", 2, "--psi: 2 is out of range; psi is a number from 0 to 1"},
           {kExample + " --sbc 200 --sbc-basis half", 2, "--sbc-basis: \"half\" is not gross or net"},
           {kExample + " --sbc 200 --max-volume 1e400", 2,
            "--max-volume: 1e400 is out of range; the reference volume is a number of m3 greater than 0, at most 1000000"},
           {kExample + " --sbc 200 --svg x.svg --paper A4", 2, "--paper: \"A4\" is not a paper: A3, A2, A1 or A0"},
           {kExample + " --sbc 200 --svg x.svg --scale 1:100", 2, "is not a scale of the sheet: 50, 100 or 200"},
           {kExample + " --sbc 200 --svg x.svg --grid-merge -1", 2, "--grid-merge: -1 is out of range"},
           {"--sbc 100 --revise --quiet " + kExample, 0, "F7    revised  side  2.7 m   2.8 m  1      C1 soil"},
           {"--sbc 100 --revise --max-types 3 --json - " + kExample, 0, R"j("merging":{"max_types":3,"groups_before":7)j"},
           {kExample + " --revise", 2, "--revise needs --sbc: it changes a design"},
           {kExample + " --sbc 200 --max-types 0", 2, "--max-types: 0 is out of range"},
           {kExample + " --sbc 200 --revise --largest-bar 14", 2, "--largest-bar: 14 is not a bar diameter"},
           {kExample + " --dxf --sbc 200", 2, "--dxf needs a file name"},
           {kExample + " --sbc 200 --sbc 300", 2, "--sbc is given twice"},
           {kExample + " --quiet=yes", 2, "--quiet takes no value"},
           {kExample + " --bogus", 2, "unknown option --bogus"},
           {kExample + " " + kExample, 2, "more than one analysis file"},
           {kExample + " --sbc 200 --dxf " + kExample, 2, "is the analysis file itself"},
           {kExample + " --sbc 200 --dxf " + json + " --json " + json, 2, "each output needs a file of its own"},
           {kExample + " --sbc 200 --svg - --json -", 2, "both go to standard output"},
           {kExample + " --sbc 200 --json " + dir.path() + "/missing/d.json", 3, "d.json\": No such file"},
#ifndef _WIN32
           {kExample + " --sbc 200 >/dev/full", 3, "cannot write standard output: No space left on device"},
#endif
       }) {
    const CliResult r = RunCli(dir, args);
    EXPECT_EQ(r.status, status) << args;
    EXPECT_TRUE(Has(r.out + r.err, message)) << args;
    if (status == 0 || status == 4)
      EXPECT_EQ(r.err, "") << args;  // --quiet keeps the uplift of the 6x5 frame off standard error
    else
      EXPECT_TRUE(r.err.starts_with("footmark-cli: ")) << args << ": " << r.err;
  }
  EXPECT_EQ(ReadFile(kExample), before);
  EXPECT_FALSE(std::filesystem::exists(json));

  // A file that cannot be written stops no other.
  const CliResult r = RunCli(dir, kExample + " --sbc 200 --xlsx " + dir.path() + "/missing/b.xlsx --report " + json);
  EXPECT_EQ(r.status, 3);
  EXPECT_TRUE(Has(r.err, "b.xlsx\": No such file or directory"));
  EXPECT_TRUE(std::filesystem::exists(json)) << "the report was not written";
}

// Analysis files that cannot be opened: tests/odd_input.
TEST(Cli, InputThatEndsTheProgramGivesStatusTwoAndARuntimeFailureThree) {
  ScratchDir dir;
  const std::string noReactions = dir.Write("none.ANL", "    1. STAAD SPACE\r\n    2. FINISH\r\n");
  EXPECT_EQ(RunCli(dir, noReactions + " --json -").out,
            "{\"failure\":\" NO SUPPORT REACTIONS\",\"messages\":[\" NO SUPPORT REACTIONS\"]}\n");
  for (const auto& [args, message] : std::vector<std::pair<std::string, std::string>>{
           {noReactions, "footmark-cli: NO SUPPORT REACTIONS\n"}, {kExample + " --sbc", "Usage:"}}) {
    const CliResult r = RunCli(dir, args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_TRUE(Has(r.err, message)) << args;
  }

  std::string text = ReadFile(kExample);
  // A tie spacing of 0 makes the tie steel per metre a division by zero.
  const std::string tie = "rectangular ties @ 255 mm";
  text.replace(text.find(tie), tie.size(), "rectangular ties @   0 mm");
  const std::string file = dir.Write("zero-tie.ANL", text);
  EXPECT_EQ(RunCli(dir, file).status, 0);  // reading alone is fine
  const CliResult failed = RunCli(dir, file + " --sbc 200 --json -");
  EXPECT_EQ(failed.status, 3);
  EXPECT_TRUE(Has(failed.out, R"j({"failure":"Run-time error: division by zero)j")) << failed.out;
}

}  // namespace
}  // namespace footmark
