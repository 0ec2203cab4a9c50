// "Send To AutoCad" against a recording CAD application: the order of the
// calls, the file names, and that no failure stops the steps after it.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "dxf/cad_handoff.h"
#include "model/failure.h"
#include "support/test_files.h"

namespace footmark {
namespace {

using Log = std::vector<std::string>;

// Every call is logged; a call whose log entry starts with a word in `failing`
// throws after it is logged.
struct Recorder {
  Log log;
  std::set<std::string> failing;
  void Call(const std::string& entry) {
    log.push_back(entry);
    if (failing.count(entry.substr(0, entry.find(' ')))) throw RuntimeFailure(entry + " failed");
  }
};

class FakeDocument : public CadDocument {
 public:
  explicit FakeDocument(Recorder& r) : r_(r) {}
  void Close() override { r_.Call("Close"); }
  void saveas(const std::string& fileName) override { r_.Call("saveas " + fileName); }
  void saveas(const std::string& fileName, int type) override {
    r_.Call("saveas " + fileName + " " + std::to_string(type));
  }

 private:
  Recorder& r_;
};

class FakeCad : public CadApplication, public CadDocuments {
 public:
  explicit FakeCad(Recorder& r) : r_(r) {}
  std::unique_ptr<CadDocument> ActiveDocument() override {
    r_.Call("ActiveDocument");
    return std::make_unique<FakeDocument>(r_);
  }
  void Visible(bool visible) override { r_.Call(visible ? "Visible True" : "Visible False"); }
  std::unique_ptr<CadDocuments> Documents() override {
    r_.Call("Documents");
    return std::make_unique<FakeCad>(r_);
  }
  std::unique_ptr<CadDocument> Open(const std::string& fileName) override {
    r_.Call("Open " + fileName);
    return std::make_unique<FakeDocument>(r_);
  }

 private:
  Recorder& r_;
};

class FakeAttacher : public CadAttacher {
 public:
  explicit FakeAttacher(Recorder& r) : r_(r) {}
  std::unique_ptr<CadApplication> Attach(const std::string& progId) override {
    r_.Call("Attach " + progId);
    return std::make_unique<FakeCad>(r_);
  }

 private:
  Recorder& r_;
};

struct HandOff {
  Recorder rec;
  testing::RecordingMessages ui;
  HandOffResult Run(const std::string& folder, const std::string& anl) {
    FakeAttacher cad(rec);
    HandOffContext context{
        .ProgramFolder = folder,
        .AnlFilePath = anl,
        .DetailedDesign = [this] { rec.Call("design"); },
        .WriteDrawing = [this](const std::string& f) { rec.Call("write " + f); },
        .Messages = ui,
        .RemoveFile = [this](const std::string& f) { rec.Call("delete " + f); },
    };
    return SendToCad(cad, context);
  }
};

const std::string S(1, static_cast<char>(std::filesystem::path::preferred_separator));

TEST(SendToCad, RunsEveryStepInOrderAndEndsTheProgram) {
  HandOff h;
  const HandOffResult r = h.Run("prog", "/data/Frame.ANL");
  const Log expected = {
      "Attach AutoCAD.Application", "ActiveDocument", "Close", "Visible False", "design",
      "write prog" + S + "Drawing1.dxf", "Documents", "Open prog" + S + "Drawing1.dxf",
      "saveas prog" + S + "Drawing11.dxf 1", "Close", "delete prog" + S + "Drawing1.dxf", "Documents",
      "Open prog" + S + "Drawing11.dxf", "saveas /data/Frame.DWG", "delete prog" + S + "Drawing11.dxf",
      "Visible True"};
  EXPECT_EQ(h.rec.log, expected);
  EXPECT_TRUE(r.ProgramEnds);
  EXPECT_TRUE(r.IgnoredFailures.empty());
  EXPECT_TRUE(h.ui.messages.empty());
}

TEST(SendToCad, NamesAreReplacedEverywhereInThePath) {
  HandOff h;
  // ".dxf" in the folder is replaced too; a lower-case ".anl" keeps the
  // analysis file out of reach.
  h.Run("/opt/cad.dxf" + S + "bin", "/data/job.ANL.d/frame.anl");
  const Log& log = h.rec.log;
  EXPECT_EQ(log[8], "saveas /opt/cad1.dxf" + S + "bin" + S + "Drawing11.dxf 1");
  EXPECT_EQ(log[12], "Open /opt/cad1.dxf" + S + "bin" + S + "Drawing11.dxf");
  EXPECT_EQ(log[13], "saveas /data/job.DWG.d/frame.anl");

  EXPECT_EQ(DrawingFileName("/a.ANL/b.ANL"), "/a.DWG/b.DWG");
  EXPECT_EQ(DrawingFileName("/data/frame.anl"), "/data/frame.DWG");
  EXPECT_EQ(DrawingFileName("/data/frame.Anl"), "/data/frame.DWG");
  EXPECT_EQ(DrawingFileName("/data.v2/frame"), "/data.v2/frame.DWG");
  EXPECT_EQ(DrawingFileName("/data/frame.dwg"), "/data/frame.dwg.DWG");
  EXPECT_EQ(DrawingFileName("/data/frame.DWG"), "/data/frame.DWG.DWG");
}

TEST(SendToCad, AFailingStepNeverStopsTheNextOnes) {
  HandOff all;
  all.rec.failing = {"ActiveDocument", "Visible", "design", "write", "Open", "delete"};
  const HandOffResult r = all.Run("p", "f.ANL");
  // Without a document from Open, saveas and Close have nothing to act on.
  const Log expected = {"Attach AutoCAD.Application", "ActiveDocument", "Visible False", "design",
                        "write p" + S + "Drawing1.dxf", "Documents", "Open p" + S + "Drawing1.dxf",
                        "delete p" + S + "Drawing1.dxf", "Documents", "Open p" + S + "Drawing11.dxf",
                        "delete p" + S + "Drawing11.dxf", "Visible True"};
  EXPECT_EQ(all.rec.log, expected);
  EXPECT_TRUE(r.ProgramEnds);
  EXPECT_EQ(r.IgnoredFailures.size(), 12u);
  EXPECT_TRUE(all.ui.messages.empty());

}

TEST(SendToCad, WithoutARunningCadOnlyTheMessageIsShown) {
  HandOff h;
  h.rec.failing = {"Attach"};
  const HandOffResult r = h.Run("p", "f.ANL");
  EXPECT_FALSE(r.ProgramEnds);
  EXPECT_EQ(h.rec.log, Log{"Attach AutoCAD.Application"});  // no design, no file written
  EXPECT_EQ(h.ui.messages, std::vector<std::string>{"Open Auto Cad and Minimise it"});
}

}  // namespace
}  // namespace footmark
