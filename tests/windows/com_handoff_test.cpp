// "Send To AutoCad" through COM automation to a server in another process:
// cad_automation_server, registered under AutoCAD's ProgID in the test's own
// Wine prefix, logs the calls it receives and saves what it is asked to.
#include <gtest/gtest.h>
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "dxf/drawing_export.h"
#include "handoff/cad_com_windows.h"
#include "handoff/cad_handoff.h"
#include "pipeline/pipeline.h"
#include "support/test_files.h"

namespace footmark {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using Texts = std::vector<std::string>;

// The running application registered under the ProgID, or null.
IDispatch* RunningCad() {
  CLSID clsid{};
  IUnknown* running = nullptr;
  IDispatch* app = nullptr;
  if (FAILED(CLSIDFromProgID(L"AutoCAD.Application", &clsid)) || FAILED(GetActiveObject(clsid, nullptr, &running)))
    return nullptr;
  running->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&app));
  running->Release();
  return app;
}

// The server as a process of its own, started and ended by the test.
class CadServer {
 public:
  explicit CadServer(const std::string& log) {
    std::string command = "\"" + fs::path(FOOTMARK_CAD_SERVER).make_preferred().string() + "\" \"" + log + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_);
  }
  ~CadServer() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 9);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  CadServer(const CadServer&) = delete;
  CadServer& operator=(const CadServer&) = delete;

  // Whether it came up in the Running Object Table within a minute.
  bool Running() const {
    for (int i = 0; started_ && i < 600; ++i, Sleep(100)) {
      if (IDispatch* app = RunningCad()) return app->Release(), true;
    }
    return false;
  }
  // Application.Quit, then the server's exit status.
  DWORD Quit() {
    IDispatch* app = RunningCad();
    if (app == nullptr) return 100;
    LPOLESTR name = const_cast<LPOLESTR>(L"Quit");
    DISPID id = 0;
    DISPPARAMS none{};
    app->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
    app->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
    app->Release();
    DWORD status = 101;
    if (WaitForSingleObject(process_.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(process_.hProcess, &status);
    return status;
  }

 private:
  BOOL started_ = FALSE;
  PROCESS_INFORMATION process_{};
};

// The example designed as the window designs it, and its hand-off.
struct Job {
  Job() {
    fs::create_directories(temporary);
    fs::create_directories(folder);
    std::ofstream(anl, std::ios::binary) << ReadFile(testing::SourcePath("examples/frame-4x3-2storey.ANL"));
    DesignJob(*model, {.AnalysisFile = anl, .Sbc = "200"}, FileSystem{}, ui);
  }
  HandOffResult Send(CadAttacher& cad) {
    return SendToCad(cad, {.AnlFilePath = anl,
                           .DetailedDesign = [this] { FinishDesign(*model); },
                           .WriteDrawing = [this](const std::string& file) { SaveDrawingDxf(*model, file); },
                           .Messages = ui,
                           .TemporaryRoot = temporary});
  }
  static Texts Files(const std::string& dir) {
    Texts names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  testing::ScratchDir scratch;
  std::string temporary = scratch.path() + "\\temp";
  std::string folder = scratch.path() + "\\job";
  std::string anl = folder + "\\frame.ANL";
  std::unique_ptr<Model> model = std::make_unique<Model>();
  testing::RecordingMessages ui;
};

TEST(ComHandOff, TheRunningServerGetsTheStepsAndSavesBesideTheAnalysisFileTwiceThenTheMessageOnceItEnds) {
  Job job;
  ComCadAttacher com;
  EXPECT_EQ(job.Send(com).Outcome, HandOffOutcome::NoCad) << "before the server runs";

  const std::string log = job.scratch.path() + "\\calls.log";
  CadServer server(log);
  ASSERT_TRUE(server.Running()) << "the server did not register under AutoCAD.Application";
  // Each hand-off's scratch drawings lie in a private folder of its own below the temporary folder, "TMP" below.
  const std::string first = "TMP\\Drawing1.dxf", second = "TMP\\Drawing11.dxf";
  const Texts steps = {"ActiveDocument",       "Close Drawing1.dwg", "Visible False",
                       "Documents",            "Open " + first,      "saveas " + second + " 1",
                       "Close " + second,      "Documents",          "Open " + second,
                       "saveas " + job.folder + "\\frame.DWG",       "Visible True"};
  Texts expected;
  // The second time: the program and its COM apartment go on after a hand-off.
  for (int round = 1; round <= 2; ++round) {
    const HandOffResult sent = job.Send(com);
    EXPECT_EQ(sent.Outcome, HandOffOutcome::Sent);
    EXPECT_EQ(sent.Drawing, job.folder + "\\frame.DWG");
    EXPECT_FALSE(sent.DrawingFailure.has_value());
    for (const HandOffFailure& failure : sent.Failures) ADD_FAILURE() << "round " << round << ": " << failure.Text();
    expected.insert(expected.end(), steps.begin(), steps.end());
  }
  EXPECT_EQ(server.Quit(), 0u);

  Texts calls;
  std::ifstream in(log);
  const std::string below = job.temporary + "\\footmark-cad-";
  for (std::string line; std::getline(in, line);) {
    if (const auto at = line.find(below); at != std::string::npos) line.replace(at, line.find('\\', at + below.size()) - at, "TMP");
    calls.push_back(line);
  }
  expected.push_back("Quit");
  EXPECT_EQ(calls, expected);
  EXPECT_EQ(Job::Files(job.temporary), Texts{}) << "the scratch folders are removed";
  EXPECT_EQ(Job::Files(job.folder), (Texts{"frame.ANL", "frame.DWG"}));
  const std::string drawn = job.scratch.path() + "\\expected.dxf";
  SaveDrawingDxf(*job.model, drawn);
  EXPECT_EQ(ReadFile(job.folder + "\\frame.DWG"), ReadFile(drawn)) << "the drawing as written reached the server";

  EXPECT_EQ(job.Send(com).Outcome, HandOffOutcome::NoCad) << "after the server ended";
  EXPECT_EQ(job.ui.messages, Texts(2, kOpenCadMessage));
}

}  // namespace
}  // namespace footmark
