// The project file: what it keeps, what it refuses and how, and the batch front end repeating the window's work.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "model/failure.h"
#include "project/project_file.h"
#include "support/test_files.h"

namespace footmark {
namespace {

using testing::Has;
using testing::ReadFile;

TEST(ProjectFile, KeepsWhatItDoesNotKnowAndRoundTrips) {
  const ProjectSettings read = ParseProject(R"({"footmark_project": 1, "checks": {"basis": "LB", "psi": 0.7,
    "sbc-basis": "net", "tie-beams": true}, "revision": {"revise": true, "max_types": 5, "largest-side": 4.5},
    "design": {"sbc_kn_m2": 150.5, "reference_volume_m3": 12.5, "later": [1, 2]},
    "column_offsets": [{"support": 7, "x": 1}, {"support": 3, "x": 0, "y": 0}],
    "project": {"name": "Block A", "revision": "P2", "colour": "red"},
    "sheet": {"paper": "A2", "scale": 50, "grid_merge_m": 0.15, "pen": 2}, "send_to_cad": {"drawing": "method"}})");
  EXPECT_EQ(read.Sbc, "150");  // the SBC list's rule: halves to even
  EXPECT_EQ(read.MaxVolume, 12.5f);
  ASSERT_EQ(read.Offsets.size(), 2u);
  EXPECT_EQ((std::vector<int>{read.Offsets[0].Support, read.Offsets[0].X, read.Offsets[0].Y}), (std::vector<int>{7, 1, 0}));
  EXPECT_EQ(read.Project.Project, "Block A");
  EXPECT_EQ(read.Project.Revision, "P2");
  EXPECT_EQ((std::tuple(read.Sheet.paper, read.Sheet.scale, read.Sheet.gridMerge, read.SendMethodDrawing)),
            std::tuple(Paper::kA2, 50, 0.15, true));
  EXPECT_TRUE(read.Checks.psi == 0.7 && read.Checks.sbcBasis == checks::SbcBasis::Net && read.Checks.tieBeams);
  EXPECT_TRUE(read.Revision.revise && read.Revision.maxTypes == 5 && read.Revision.limits.largestSide == 4.5);

  const std::string text = ProjectText(read);
  for (const char* kept : {"\"basis\": \"LB\"", "\"later\": [", "\"colour\": \"red\"", "\"sbc_kn_m2\": 150", "\"pen\": 2",
                           "\"grid_merge_m\": 0.15", "\"drawing\": \"method\""})
    EXPECT_TRUE(Has(text, kept));
  EXPECT_FALSE(Has(text, "\"support\": 3")) << "a column on its grid point needs no entry";
  const ProjectSettings again = ParseProject(text);
  EXPECT_EQ(again.Sbc, read.Sbc);
  EXPECT_EQ(again.MaxVolume, read.MaxVolume);
  EXPECT_EQ(again.Offsets.size(), 1u);
  EXPECT_EQ(again.Checks.psi, 0.7);
  EXPECT_EQ(again.Revision.limits.largestSide, 4.5);
  EXPECT_EQ(ProjectText(again), text);
  EXPECT_TRUE(Has(ProjectText(ProjectSettings{}), "\"paper\": \"auto\",\n    \"scale\": \"auto\""));
}

TEST(ProjectFile, ABadFileIsToldWhereAndWhat) {
  for (const auto& [text, told] : std::vector<std::pair<const char*, const char*>>{
           {"{\"design\": {\"sbc_kn_m2\": 200,}}", "it is not JSON: line 1, column 30: syntax error"},
           {"[1, 2]", "it is not a JSON object { ... }"},
           {"{\"design\": 200}", "design must be an object { ... }"},
           {"{\"design\": {\"sbc_kn_m2\": \"200\"}}", "design.sbc_kn_m2 must be a number, not \"200\""},
           {"{\"design\": {\"sbc_kn_m2\": 0}}", "design.sbc_kn_m2: The SBC \"0\" must be greater than 0 kN/m2"},
           {"{\"design\": {\"sbc_kn_m2\": 99999}}", "design.sbc_kn_m2: overflow: 99999 does not fit"},
           {"{\"design\": {\"reference_volume_m3\": -1}}", "design.reference_volume_m3 must be greater than 0, not -1"},
           {"{\"column_offsets\": {}}", "column_offsets must be a list [ ... ]"},
           {"{\"column_offsets\": [{\"x\": 1}]}", "column_offsets[0] must be an object with \"support\""},
           {"{\"column_offsets\": [{\"support\": 2, \"x\": 2}]}", "column_offsets[0].x must be -1, 0 or 1, not 2"},
           {"{\"column_offsets\": [{\"support\": 1.5}]}", "column_offsets[0].support must be a whole number, not 1.5"},
           {"{\"project\": {\"name\": 7}}", "project.name must be a text in quotes, not 7"},
           {"{\"sheet\": {\"paper\": \"B4\"}}", "sheet.paper must be \"auto\", \"A3\", \"A2\", \"A1\" or \"A0\", not \"B4\""},
           {"{\"sheet\": {\"scale\": 75}}", "sheet.scale must be \"auto\", 50, 100 or 200, not 75"},
           {"{\"sheet\": {\"grid_merge_m\": 6}}", "sheet.grid_merge_m must be from 0 to 5 m, not 6"},
           {"{\"send_to_cad\": {\"drawing\": \"both\"}}", "send_to_cad.drawing must be \"sheet\" or \"method\", not \"both\""},
           {"{\"checks\": {\"psi\": 2}}", "checks.psi: 2 is out of range; psi is a number from 0 to 1"},
           {"{\"checks\": {\"sbc-basis\": [1]}}", "checks.sbc-basis must be a number or a text, not [1]"},
           {"{\"revision\": {\"revise\": \"yes\"}}", "revision.revise must be true or false"},
           {"{\"revision\": {\"max_types\": 101}}", "revision.max_types must be 0 (as designed) to 100"},
           {"{\"revision\": {\"largest-bar\": 14}}", "revision.largest-bar: 14 is not a bar diameter"}}) {
    std::string what = "read";
    try {
      ParseProject(text);
    } catch (const ProgramEnd& e) {
      what = e.what();
    }
    EXPECT_TRUE(Has(what, told)) << text;
  }
  testing::ScratchDir dir;
  std::string what;
  try {
    ReadProjectFile(dir.path() + "/none.footmark.json");
  } catch (const ProgramEnd& e) {
    what = e.what();
  }
  EXPECT_EQ(what, "The project file \"" + dir.path() + "/none.footmark.json\" cannot be read");
}

#ifndef _WIN32  // a shell runs the batch front end
// footmark-cli --project gives the drawing the same settings on its command line give; its own options win.
TEST(ProjectFile, TheBatchFrontEndRepeatsTheWorkOfTheWindow) {
  testing::ScratchDir dir;
  const std::string anl = testing::SourcePath("examples/frame-4x3-2storey.ANL");
  const std::string project = dir.Write("frame.footmark.json", R"({"design": {"sbc_kn_m2": 150, "reference_volume_m3": 12},
    "column_offsets": [{"support": 7, "x": 1, "y": 0}, {"support": 10, "x": 0, "y": -1}],
    "project": {"name": "Block A", "date": "2024-05-01"}, "sheet": {"paper": "A2", "scale": 50, "grid_merge_m": 0.5}})");
  auto run = [&](const std::string& args) {
    return std::system((std::string(FOOTMARK_CLI) + " '" + anl + "' " + args + " >/dev/null 2>&1").c_str());
  };
  EXPECT_EQ(run("--project '" + project + "' --dxf '" + dir.path() + "/a.dxf' --portable-dxf '" + dir.path() + "/a.sheet'"), 0);
  EXPECT_EQ(run("--sbc 150 --max-volume 12 --offset 7:1:0 --offset 10:0:-1 --dxf '" + dir.path() + "/b.dxf' --project-name "
                "'Block A' --date 2024-05-01 --paper A2 --scale 50 --grid-merge 0.5 --portable-dxf '" + dir.path() + "/b.sheet'"), 0);
  EXPECT_EQ(run("--project '" + project + "' --sbc 200 --dxf '" + dir.path() + "/c.dxf'"), 0);
  EXPECT_EQ(run("--sbc 200 --max-volume 12 --offset 7:1:0 --offset 10:0:-1 --dxf '" + dir.path() + "/d.dxf'"), 0);
  EXPECT_EQ(ReadFile(dir.path() + "/a.dxf"), ReadFile(dir.path() + "/b.dxf"));
  EXPECT_EQ(ReadFile(dir.path() + "/a.sheet"), ReadFile(dir.path() + "/b.sheet"));
  EXPECT_TRUE(Has(ReadFile(dir.path() + "/a.sheet"), "\r\nBlock A\r\n"));
  EXPECT_EQ(ReadFile(dir.path() + "/c.dxf"), ReadFile(dir.path() + "/d.dxf"));
  EXPECT_NE(ReadFile(dir.path() + "/a.dxf"), ReadFile(dir.path() + "/c.dxf"));
  dir.Write("bad.footmark.json", "{");
  EXPECT_EQ(WEXITSTATUS(run("--project '" + dir.path() + "/bad.footmark.json'")), 2);
}
#endif

}  // namespace
}  // namespace footmark
