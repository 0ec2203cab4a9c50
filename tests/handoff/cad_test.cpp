// The CAD hand-off against a recording fake and against the local stand-in, and our DXF reader.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "handoff/cad_handoff.h"
#include "handoff/cad_standin.h"
#include "handoff/dxf_reader.h"
#include "model/failure.h"
#include "support/test_files.h"

namespace footmark {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using Texts = std::vector<std::string>;

// Every call is logged; one whose first word is in `failing` then throws.
struct Recorder {
  Texts log;
  std::set<std::string> failing;
  void Call(const std::string& entry) {
    log.push_back(entry);
    if (failing.count(entry.substr(0, entry.find(' ')))) throw RuntimeFailure(entry + " failed");
  }
};

// The application, its document collection and each document, all logging to one recorder.
class FakeCad : public CadAttacher, public CadApplication, public CadDocuments, public CadDocument {
 public:
  explicit FakeCad(Recorder& r) : r_(r) {}
  std::unique_ptr<CadApplication> Attach(const std::string& progId) override { return Next("Attach " + progId); }
  std::unique_ptr<CadDocument> ActiveDocument() override { return Next("ActiveDocument"); }
  std::unique_ptr<CadDocuments> Documents() override { return Next("Documents"); }
  std::unique_ptr<CadDocument> Open(const std::string& fileName) override { return Next("Open " + fileName); }
  void Visible(bool visible) override { r_.Call(visible ? "Visible True" : "Visible False"); }
  void Close() override { r_.Call("Close"); }
  void saveas(const std::string& fileName) override { r_.Call("saveas " + fileName); }
  void saveas(const std::string& f, int type) override { r_.Call("saveas " + f + " " + std::to_string(type)); }

 private:
  std::unique_ptr<FakeCad> Next(const std::string& entry) {
    r_.Call(entry);
    return std::make_unique<FakeCad>(r_);
  }
  Recorder& r_;
};

struct HandOff {
  Recorder rec;
  testing::RecordingMessages ui;
  HandOffResult Run(const std::string& folder, const std::string& anl) {
    FakeCad cad(rec);
    return SendToCad(cad, {.ProgramFolder = folder,
                           .AnlFilePath = anl,
                           .DetailedDesign = [this] { rec.Call("design"); },
                           .WriteDrawing = [this](const std::string& f) { rec.Call("write " + f); },
                           .Messages = ui,
                           .RemoveFile = [this](const std::string& f) { rec.Call("delete " + f); }});
  }
};

const std::string S(1, static_cast<char>(fs::path::preferred_separator));

// The steps as a working CAD program takes them, and what they leave: CadStandIn below. Here the names:
// ".dxf" in the program folder is replaced too; a lower-case ".anl" keeps the analysis file out of reach.
TEST(SendToCad, NamesTheDrawingsInTheProgramFolderAndBesideTheAnalysisFile) {
  HandOff odd;
  odd.Run("/opt/cad.dxf" + S + "bin", "/data/job.ANL.d/frame.anl");
  ASSERT_EQ(odd.rec.log.size(), 16u) << "one call for each step";
  EXPECT_EQ(odd.rec.log[8], "saveas /opt/cad1.dxf" + S + "bin" + S + "Drawing11.dxf 1");
  EXPECT_EQ(odd.rec.log[12], "Open /opt/cad1.dxf" + S + "bin" + S + "Drawing11.dxf");
  EXPECT_EQ(odd.rec.log[13], "saveas /data/job.DWG.d/frame.anl");
  for (const auto& [anl, dwg] : std::vector<std::pair<std::string, std::string>>{
           {"/a.ANL/b.ANL", "/a.DWG/b.DWG"}, {"/data/frame.anl", "/data/frame.DWG"},
           {"/data/frame.Anl", "/data/frame.DWG"}, {"/data.v2/frame", "/data.v2/frame.DWG"},
           {"/data/frame.dwg", "/data/frame.dwg.DWG"}, {"/data/frame.DWG", "/data/frame.DWG.DWG"}})
    EXPECT_EQ(DrawingFileName(anl), dwg) << anl;
}

// Without a running CAD nothing runs: tests/gui (SendToCad.WithoutARunningCadOnlyTellsTheUser).
TEST(SendToCad, AFailingStepNeverStopsTheNextOnes) {
  HandOff h;
  h.rec.failing = {"ActiveDocument", "Visible", "design", "write", "Open", "delete"};
  const HandOffResult r = h.Run("p", "f.ANL");
  // A failed design writes no drawing; without a document from Open, saveas
  // and Close have nothing to act on.
  EXPECT_EQ(h.rec.log, (Texts{"Attach AutoCAD.Application", "ActiveDocument", "Visible False", "design",
                              "Documents", "Open p" + S + "Drawing1.dxf",
                              "delete p" + S + "Drawing1.dxf", "Documents", "Open p" + S + "Drawing11.dxf",
                              "delete p" + S + "Drawing11.dxf", "Visible True"}));
  EXPECT_TRUE(r.ProgramEnds) << "the program goes on after the hand-off";
  EXPECT_EQ(r.IgnoredFailures.size(), 11u);
  EXPECT_EQ(r.DrawingFailure, "design failed");
  EXPECT_EQ(h.ui.messages, Texts{});

  // A drawing of an earlier run never stands in for one that was not made.
  testing::ScratchDir dir;
  const std::string stale = dir.Write("Drawing1.dxf", "earlier drawing");
  HandOff writeFails;
  writeFails.rec.failing = {"write"};
  EXPECT_EQ(writeFails.Run(dir.path(), "f.ANL").DrawingFailure, "write " + stale + " failed");
  EXPECT_FALSE(fs::exists(stale)) << "the earlier drawing was handed over";
}

std::string Lines(const Texts& lines, const char* end = "\r\n") {
  std::string text;
  for (const std::string& l : lines) text += l + end;
  return text;
}

const Texts kDrawing = {
    "  0", "SECTION", "  2", "HEADER", "  9", "$ACADVER", "  1", "AC1009", "  0", "ENDSEC",
    "  0", "SECTION", "  2", "TABLES", "  0", "ENDSEC", "  0", "SECTION", "  2", "BLOCKS", "  0", "ENDSEC",
    "  0", "SECTION", "  2", "ENTITIES", "  0", "LINE", "8", "Layout", " 10", "0", " 20", "0", " 11", "4",
    " 21", "3", "0", "CIRCLE", "8", "Grid", " 10", "1", " 20", "1", " 40", "0.5", " 39", "  0", "0",
    "LINE", "8", "Layout", " 10", "4", " 20", "3", " 11", "0", " 21", "0", "0", "ENDSEC", "  0", "EOF"};

// The hand-off through the stand-in, program folder "bin" and the analysis file in one scratch folder.
struct StandInRun {
  testing::ScratchDir dir;
  Texts shown;
  testing::RecordingMessages ui;
  HandOffResult Run(const std::string& anlFile, const std::string& drawing) {
    fs::create_directory(Path("bin"));
    CadStandIn cad([this](const std::string& f) { shown.push_back(f); });
    return SendToCad(cad, {.ProgramFolder = Path("bin"),
                           .AnlFilePath = Path(anlFile),
                           .DetailedDesign = [] {},
                           .WriteDrawing = [&](const std::string& f) { std::ofstream(f, std::ios::binary) << drawing; },
                           .Messages = ui});
  }
  std::string Path(const std::string& name) const { return (fs::path(dir.path()) / name).string(); }
};

TEST(CadStandIn, LeavesTheDrawingBesideTheAnalysisFileOnlyAndOpenFailsOnWhatDoesNotParse) {
  StandInRun run;
  run.dir.Write("Frame.ANL", "STAAD SPACE");
  const HandOffResult r = run.Run("Frame.ANL", Lines(kDrawing));
  // Nothing is open when the stand-in starts; that is the one failure.
  EXPECT_EQ(r.IgnoredFailures, Texts{"ActiveDocument.Close: no drawing is open"});
  EXPECT_EQ(ReadFile(run.Path("Frame.dxf")), Lines(kDrawing));
  EXPECT_EQ(ReadFile(run.Path("Frame.ANL")), "STAAD SPACE");
  EXPECT_TRUE(fs::is_empty(run.Path("bin"))) << "Drawing1.dxf and Drawing11.dxf are removed";
  EXPECT_EQ(run.shown, Texts{run.Path("Frame.dxf")});

  // An analysis file named like a drawing is not saved over.
  StandInRun odd;
  odd.dir.Write("frame.dxf", "STAAD SPACE");
  EXPECT_EQ(odd.Run("frame.dxf", Lines(kDrawing)).IgnoredFailures.size(), 2u);
  EXPECT_EQ(ReadFile(odd.Path("frame.dxf")), "STAAD SPACE");
  EXPECT_EQ(odd.shown, Texts{});

  // Open fails on a file that does not parse; Drawing1.dxf is deleted all the same.
  StandInRun bad;
  const HandOffResult b = bad.Run("Frame.ANL", Lines({kDrawing.begin(), kDrawing.end() - 2}));
  EXPECT_NE(b.IgnoredFailures.at(1).find("Documents.Open: DXF line"), std::string::npos) << b.IgnoredFailures.at(1);
  EXPECT_FALSE(fs::exists(bad.Path("Frame.dxf")) || fs::exists(bad.Path("bin/Drawing1.dxf"))) << "a drawing was left";
  EXPECT_EQ(bad.shown, Texts{});
}

TEST(DxfReader, ReadsPairsWithEitherLineEndAndNamesTheBadLine) {
  const DxfSummary d = ReadDxf(Lines(kDrawing));
  EXPECT_EQ(d.AcadVersion, "AC1009");
  EXPECT_EQ(d.Sections, (Texts{"HEADER", "TABLES", "BLOCKS", "ENTITIES"}));
  EXPECT_EQ(d.EntityCounts, (std::map<std::string, int>{{"CIRCLE", 1}, {"LINE", 2}}));
  EXPECT_EQ(ReadDxf(Lines(kDrawing, "\n")).EntityCounts, d.EntityCounts);  // LF alone ends a line too
  Texts badCode = kDrawing, noBlocks(kDrawing.begin(), kDrawing.begin() + 16);
  badCode[30] = "1O";  // a letter O in the group code " 10" of the first LINE
  noBlocks.insert(noBlocks.end(), kDrawing.begin() + 22, kDrawing.end());
  for (const auto& [lines, message] : std::vector<std::pair<Texts, std::string>>{
           {badCode, "DXF line 31: a group code is expected, found \"1O\""},
           {{kDrawing.begin(), kDrawing.end() - 1}, "DXF line 65: group code 0 has no value line"},
           {{kDrawing.begin(), kDrawing.end() - 4}, "DXF line 62: the text ends inside section ENTITIES"},
           {noBlocks, "DXF line 60: no BLOCKS section"}}) {
    std::string what = "parsed";
    try { ReadDxf(Lines(lines)); } catch (const RuntimeFailure& e) { what = e.what(); }
    EXPECT_EQ(what, message);
  }
}

}  // namespace
}  // namespace footmark
