// The window on the building at the tables' capacities, on Qt's offscreen
// platform: from nothing to the window showing its designed plan (start-up
// with a project file's SBC), and from an SBC change to the repainted plan.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/frm_foot.h"
#include "bench/capacity_file.h"
#include "handoff/cad_standin.h"
#include "project/project_file.h"

namespace {

using namespace footmark;

class NoBoxes : public MessageBoxes {
 public:
  void MsgBox(const std::string&, BoxIcon) override {}
  bool Ask(const std::string&, BoxIcon, const std::string&, const std::string&) override { return false; }
};

class NoFiles : public FileChooser {
 public:
  std::string ChooseFileToOpen(const QString&, const QString&) override { return {}; }
  std::string ChooseFileToSave(const QString&, const QString&) override { return {}; }
};

// The capacity building with a project file that chose SBC 200.
const std::string& CapacityFile() {
  static const std::string file = [] {
    const auto folder = std::filesystem::temp_directory_path() / ("footmark-window-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string anl = (folder / "capacity.ANL").string();
    std::ofstream(anl, std::ios::binary) << bench::CapacityAnalysisFile();
    ProjectSettings project;
    project.Sbc = "200";
    SaveProjectFile(project, ProjectFileFor(anl));
    return anl;
  }();
  return file;
}

struct Window {
  NoBoxes boxes;
  NoFiles files;
  CadStandIn cad{DrawingViewer{}};
  FrmFoot form{{.Files = files, .Boxes = boxes, .Cad = cad, .SettingsFile = {}, .SaveProjects = false}};
};

void BM_WindowStartUp(benchmark::State& state) {
  for (auto _ : state) {
    Window w;
    w.form.Form_Load(CapacityFile());
    w.form.show();
    w.form.repaint();
    QApplication::processEvents();
    benchmark::DoNotOptimize(w.form.Plan->Footings().size());
  }
}
BENCHMARK(BM_WindowStartUp)->Unit(benchmark::kMillisecond);

// The SBC typed and applied: the design, the checks, the plan's items and panels, the plan painted.
void BM_SbcChangeToRepaintedPlan(benchmark::State& state) {
  Window w;
  w.form.Form_Load(CapacityFile());
  w.form.show();
  QApplication::processEvents();
  int i = 0;
  for (auto _ : state) {
    w.form.ApplySbc(++i % 2 ? "250" : "200");
    w.form.Plan->viewport()->repaint();
    benchmark::DoNotOptimize(w.form.Checks()->groups.size());
  }
}
BENCHMARK(BM_SbcChangeToRepaintedPlan)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
