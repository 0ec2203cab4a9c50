// The stand-in CAD application and our DXF reader: the hand-off run against
// real files, and drawings that do not parse.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "design/design_run.h"
#include "dxf/cad_handoff.h"
#include "dxf/cad_standin.h"
#include "dxf/drawing_export.h"
#include "dxf/dxf_reader.h"
#include "model/analysis_reader.h"
#include "model/column_design_reader.h"
#include "model/failure.h"
#include "model/text_stream.h"
#include "support/test_files.h"

namespace footmark {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::ScratchDir;

std::string Lines(const std::vector<std::string>& lines, const char* end = "\r\n") {
  std::string text;
  for (const std::string& l : lines) text += l + end;
  return text;
}

const std::vector<std::string> kDrawing = {
    "  0", "SECTION", "  2", "HEADER", "  9", "$ACADVER", "  1", "AC1009", "  0", "ENDSEC",
    "  0", "SECTION", "  2", "TABLES", "  0", "ENDSEC", "  0", "SECTION", "  2", "BLOCKS", "  0", "ENDSEC",
    "  0", "SECTION", "  2", "ENTITIES", "  0", "LINE", "8", "Layout", " 10", "0", " 20", "0", " 11", "4",
    " 21", "3", "0", "CIRCLE", "8", "Grid", " 10", "1", " 20", "1", " 40", "0.5", " 39", "  0", "0",
    "LINE", "8", "Layout", " 10", "4", " 20", "3", " 11", "0", " 21", "0", "0", "ENDSEC", "  0", "EOF"};

struct StandInRun {
  ScratchDir dir;
  std::vector<std::string> shown;
  testing::RecordingMessages ui;

  HandOffResult Run(const std::string& anlFile, const std::string& drawing) {
    fs::create_directory(fs::path(dir.path()) / "bin");
    CadStandIn cad([this](const std::string& f) { shown.push_back(f); });
    return SendToCad(cad, {.ProgramFolder = Path("bin"),
                           .AnlFilePath = Path(anlFile),
                           .DetailedDesign = [] {},
                           .WriteDrawing = [&](const std::string& f) { std::ofstream(f, std::ios::binary) << drawing; },
                           .Messages = ui});
  }
  std::string Path(const std::string& name) const { return (fs::path(dir.path()) / name).string(); }
};

TEST(CadStandIn, LeavesTheDrawingBesideTheAnalysisFileOnly) {
  StandInRun run;
  run.dir.Write("Frame.ANL", "STAAD SPACE");
  const HandOffResult r = run.Run("Frame.ANL", Lines(kDrawing));
  EXPECT_TRUE(r.ProgramEnds);
  // Nothing is open when the stand-in starts; that is the one failure.
  EXPECT_EQ(r.IgnoredFailures, std::vector<std::string>{"ActiveDocument.Close: no drawing is open"});
  EXPECT_EQ(ReadFile(run.Path("Frame.dxf")), Lines(kDrawing));
  EXPECT_EQ(ReadFile(run.Path("Frame.ANL")), "STAAD SPACE");
  EXPECT_TRUE(fs::is_empty(run.Path("bin"))) << "Drawing1.dxf and Drawing11.dxf are removed";
  EXPECT_EQ(run.shown, std::vector<std::string>{run.Path("Frame.dxf")});

  // An analysis file named like a drawing is not saved over.
  StandInRun odd;
  odd.dir.Write("frame.dxf", "STAAD SPACE");
  const HandOffResult o = odd.Run("frame.dxf", Lines(kDrawing));
  EXPECT_EQ(ReadFile(odd.Path("frame.dxf")), "STAAD SPACE");
  EXPECT_EQ(o.IgnoredFailures.size(), 2u);
  EXPECT_TRUE(odd.shown.empty());
}

TEST(CadStandIn, OpenFailsOnAFileThatDoesNotParse) {
  StandInRun run;
  std::vector<std::string> noEof(kDrawing.begin(), kDrawing.end() - 2);
  const HandOffResult r = run.Run("Frame.ANL", Lines(noEof));
  EXPECT_TRUE(r.ProgramEnds);
  EXPECT_NE(r.IgnoredFailures.at(1).find("Documents.Open: DXF line"), std::string::npos) << r.IgnoredFailures.at(1);
  EXPECT_FALSE(fs::exists(run.Path("Frame.dxf")));
  EXPECT_FALSE(fs::exists(run.Path("bin/Drawing1.dxf")));  // deleted all the same
  EXPECT_TRUE(run.shown.empty());

  CadStandIn cad(nullptr);
  auto docs = cad.Attach(kCadProgId)->Documents();
  EXPECT_THROW(docs->Open(run.Path("missing.dxf")), RuntimeFailure);
  EXPECT_THROW(docs->Open(run.dir.Write("text.dxf", "  0\r\nSECTION\r\n  2\r\nHEADER\r\n")), RuntimeFailure);
}

TEST(DxfReader, ReadsPairsWithEitherLineEndAndNamesTheBadLine) {
  for (const char* end : {"\r\n", "\n"}) {
    const DxfSummary d = ReadDxf(Lines(kDrawing, end));
    EXPECT_EQ(d.AcadVersion, "AC1009");
    EXPECT_EQ(d.Sections, (std::vector<std::string>{"HEADER", "TABLES", "BLOCKS", "ENTITIES"}));
    EXPECT_EQ(d.EntityCounts, (std::map<std::string, int>{{"CIRCLE", 1}, {"LINE", 2}}));
  }
  const auto failure = [](std::vector<std::string> lines) {
    try {
      ReadDxf(Lines(lines));
    } catch (const RuntimeFailure& e) {
      return std::string(e.what());
    }
    return std::string("parsed");
  };
  std::vector<std::string> bad = kDrawing;
  bad[30] = "1O";  // a letter O in the group code " 10" of the first LINE
  EXPECT_EQ(failure(bad), "DXF line 31: a group code is expected, found \"1O\"");
  EXPECT_EQ(failure({kDrawing.begin(), kDrawing.end() - 1}), "DXF line 65: group code 0 has no value line");
  EXPECT_EQ(failure({kDrawing.begin(), kDrawing.end() - 4}), "DXF line 62: the text ends inside section ENTITIES");
  std::vector<std::string> noBlocks(kDrawing.begin(), kDrawing.begin() + 16);
  noBlocks.insert(noBlocks.end(), kDrawing.begin() + 22, kDrawing.end());
  EXPECT_EQ(failure(noBlocks), "DXF line 60: no BLOCKS section");
}

TEST(DxfReader, ReadsWhatOurWriterWritesForTheExample) {
  auto model = std::make_unique<Model>();
  model->AnlFilePath = testing::SourcePath("examples/frame-4x3-2storey.ANL");
  testing::RecordingMessages ui;
  ReadAnalysisFile(*model, FileSystem(), ui);
  ReadColumnDesign(*model, FileSystem(), ui);
  RunDesign(*model, 200, ui);
  RunDetailedDesign(*model);
  ScratchDir dir;
  const std::string file = (fs::path(dir.path()) / "Drawing1.dxf").string();
  SaveDrawingDxf(*model, file);
  const DxfSummary d = ReadDxf(ReadFile(file));
  EXPECT_EQ(d.AcadVersion, "AC1009");
  EXPECT_EQ(d.EntityCounts.at("POLYLINE"), d.EntityCounts.at("SEQEND"));
  EXPECT_EQ(d.EntityCounts.at("VERTEX"), 4 * d.EntityCounts.at("POLYLINE"));
  EXPECT_GT(d.EntityCounts.at("DIMENSION"), 0);
}

}  // namespace
}  // namespace footmark
