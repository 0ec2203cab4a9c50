// The CAD hand-off against a recording fake and against the local stand-in, and our DXF reader.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
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
using testing::Has;
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

// The hand-off with its scratch folders below `root`.
struct HandOff {
  Recorder rec;
  testing::RecordingMessages ui;
  testing::ScratchDir root;
  std::optional<std::string> target = "/data/frame.DWG";
  HandOffResult Run(const std::string& anl) {
    FakeCad cad(rec);
    return SendToCad(cad, {.AnlFilePath = anl,
                           .Target = [this] { return target; },
                           .DetailedDesign = [this] { rec.Call("design"); },
                           .WriteDrawing = [this](const std::string& f) { rec.Call("write " + f); },
                           .Messages = ui,
                           .RemoveFile = [this](const std::string& f) { rec.Call("delete " + f); },
                           .TemporaryRoot = root.path()});
  }
  // The log with this run's scratch folder written as "TMP".
  Texts Log() const {
    Texts log = rec.log;
    for (std::string& entry : log)
      if (const auto at = entry.find(root.path()); at != std::string::npos) {
        const auto end = entry.find_first_of("/\\", at + root.path().size() + 1);
        entry.replace(at, end - at, "TMP");
      }
    return log;
  }
};

const std::string S(1, static_cast<char>(fs::path::preferred_separator));

// The steps as a working CAD program takes them, the temporary drawings in a folder of their own;
// what they leave: CadStandIn below. A target the window names is where the drawing is saved.
TEST(SendToCad, TakesEveryStepInOrderWithTheTemporaryDrawingsInAFolderOfTheirOwn) {
  HandOff h;
  const HandOffResult r = h.Run("/data/frame.ANL");
  EXPECT_EQ(h.Log(), (Texts{"Attach AutoCAD.Application", "ActiveDocument", "Close", "Visible False", "design",
                            "write TMP" + S + "Drawing1.dxf", "Documents", "Open TMP" + S + "Drawing1.dxf",
                            "saveas TMP" + S + "Drawing11.dxf 1", "Close", "delete TMP" + S + "Drawing1.dxf",
                            "Documents", "Open TMP" + S + "Drawing11.dxf", "saveas /data/frame.DWG",
                            "delete TMP" + S + "Drawing11.dxf", "Visible True"}));
  EXPECT_EQ(r.Outcome, HandOffOutcome::Sent);
  EXPECT_TRUE(r.Failures.empty() && fs::is_empty(h.root.path())) << "the scratch folder stays";

  HandOff cancelled;
  cancelled.target.reset();
  EXPECT_EQ(cancelled.Run("/data/frame.ANL").Outcome, HandOffOutcome::Cancelled);
  EXPECT_EQ(cancelled.rec.log, Texts{"Attach AutoCAD.Application"}) << "a cancel changed the CAD program";

  for (const auto& [anl, dwg] : std::vector<std::pair<std::string, std::string>>{
           {"/a.ANL/b.ANL", "/a.DWG/b.DWG"}, {"/data/frame.anl", "/data/frame.DWG"},
           {"/data/frame.Anl", "/data/frame.DWG"}, {"/data.v2/frame", "/data.v2/frame.DWG"},
           {"/data/frame.dwg", "/data/frame.dwg.DWG"}, {"/data/frame.DWG", "/data/frame.DWG.DWG"}})
    EXPECT_EQ(DrawingFileName(anl), dwg) << anl;
}

// Without a running CAD nothing runs: tests/gui (SendToCad.AskedAboutFailingGroupsAndToldWithoutACadProgram).
TEST(SendToCad, AFailingStepNeverStopsTheNextOnesAndEachIsToldWithItsFile) {
  HandOff h;
  h.rec.failing = {"ActiveDocument", "Visible", "design", "write", "Open", "delete"};
  const HandOffResult r = h.Run("f.ANL");
  // A failed design writes no drawing; without a document from Open, saveas
  // and Close have nothing to act on.
  EXPECT_EQ(h.Log(), (Texts{"Attach AutoCAD.Application", "ActiveDocument", "Visible False", "design", "Documents",
                            "Open TMP" + S + "Drawing1.dxf", "delete TMP" + S + "Drawing1.dxf", "Documents",
                            "Open TMP" + S + "Drawing11.dxf", "delete TMP" + S + "Drawing11.dxf", "Visible True"}));
  ASSERT_EQ(r.Failures.size(), 11u);
  EXPECT_EQ(r.Failures[2].Text().substr(0, 9), "drawing, ");
  EXPECT_TRUE(Has(r.Failures[4].Text(), "saveas R12 DXF, " + h.root.path()) &&
              Has(r.Failures[4].Text(), "Drawing11.dxf: no document"))
      << r.Failures[4].Text();
  EXPECT_EQ(r.DrawingFailure, "design failed");
  EXPECT_EQ(h.ui.messages, Texts{});

  // No scratch folder, no drawing: nothing else can stand in for it.
  HandOff noFolder;
  noFolder.root.Write("file", "");
  const std::string notAFolder = noFolder.root.path() + S + "file";
  FakeCad cad(noFolder.rec);
  const HandOffResult n = SendToCad(cad, {.AnlFilePath = "f.ANL", .DetailedDesign = [] {},
                                          .WriteDrawing = [](const std::string&) {}, .Messages = noFolder.ui,
                                          .TemporaryRoot = notAFolder});
  EXPECT_TRUE(Has(*n.DrawingFailure, "cannot make a folder in " + notAFolder)) << *n.DrawingFailure;
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

// The hand-off through the stand-in, the analysis file in a scratch folder.
struct StandInRun {
  testing::ScratchDir dir, temporary;
  Texts shown;
  testing::RecordingMessages ui;
  HandOffResult Run(const std::string& anlFile, const std::string& drawing) {
    CadStandIn cad([this](const std::string& f) { shown.push_back(f); });
    return SendToCad(cad, {.AnlFilePath = Path(anlFile),
                           .DetailedDesign = [] {},
                           .WriteDrawing = [&](const std::string& f) { std::ofstream(f, std::ios::binary) << drawing; },
                           .Messages = ui,
                           .TemporaryRoot = temporary.path()});
  }
  std::string Path(const std::string& name) const { return (fs::path(dir.path()) / name).string(); }
};

TEST(CadStandIn, LeavesTheDrawingBesideTheAnalysisFileOnlyAndOpenFailsOnWhatDoesNotParse) {
  StandInRun run;
  run.dir.Write("Frame.ANL", "STAAD SPACE");
  const HandOffResult r = run.Run("Frame.ANL", Lines(kDrawing));
  EXPECT_TRUE(r.Failures.empty()) << r.Failures[0].Text();
  EXPECT_EQ(ReadFile(run.Path("Frame.dxf")), Lines(kDrawing));
  EXPECT_EQ(ReadFile(run.Path("Frame.ANL")), "STAAD SPACE");
  EXPECT_TRUE(fs::is_empty(run.temporary.path())) << "Drawing1.dxf and Drawing11.dxf are left";
  EXPECT_EQ(run.shown, Texts{run.Path("Frame.dxf")});

  // An analysis file named like a drawing is not saved over.
  StandInRun odd;
  odd.dir.Write("frame.dxf", "STAAD SPACE");
  const HandOffResult o = odd.Run("frame.dxf", Lines(kDrawing));
  ASSERT_EQ(o.Failures.size(), 1u);
  EXPECT_EQ(o.Failures[0].Text(), "saveas, " + odd.Path("frame.DWG") + ": will not replace " + odd.Path("frame.dxf") +
                                      ": it is not a DXF drawing");
  EXPECT_EQ(ReadFile(odd.Path("frame.dxf")), "STAAD SPACE");
  EXPECT_EQ(odd.shown, Texts{});

  // Open fails on a file that does not parse; Drawing1.dxf is deleted all the same.
  StandInRun bad;
  const HandOffResult b = bad.Run("Frame.ANL", Lines({kDrawing.begin(), kDrawing.end() - 2}));
  EXPECT_TRUE(Has(b.Failures.at(0).Text(), "Documents.Open, ") && Has(b.Failures.at(0).Text(), "Drawing1.dxf: DXF line"));
  EXPECT_FALSE(fs::exists(bad.Path("Frame.dxf"))) << "a drawing was left";
  EXPECT_TRUE(fs::is_empty(bad.temporary.path()));
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
