// The whole job as a user runs it: footmark-cli as a process on the capacity
// building, reading the file, designing at SBC 200 and writing the
// drawings. Wall time per run, process start and end included.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/capacity_file.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

const fs::path& ScratchFolder() {
  static const fs::path folder = [] {
    const fs::path f = fs::temp_directory_path() / ("footmark-bench-" + std::to_string(::getpid()));
    fs::create_directories(f);
    std::ofstream(f / "capacity.ANL", std::ios::binary) << footmark::bench::CapacityAnalysisFile();
    return f;
  }();
  return folder;
}

int RunCli(std::vector<std::string> args) {
  args.insert(args.begin(), FOOTMARK_CLI);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
    throw std::runtime_error("cannot start footmark-cli");
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void Process(benchmark::State& state, const std::vector<std::string>& outputs,
             const std::vector<std::string>& switches = {}) {
  const fs::path folder = ScratchFolder();
  std::vector<std::string> args{(folder / "capacity.ANL").string(), "--sbc", "200"};
  args.insert(args.end(), switches.begin(), switches.end());
  for (const std::string& option : outputs) {
    args.push_back(option);
    args.push_back((folder / ("out" + option)).string());
  }
  for (auto _ : state)
    if (const int status = RunCli(args); status != 0 && status != 4)  // 4: a group fails its checks
      state.SkipWithError("footmark-cli failed");
}

// Reading and design only: what the drawing adds is the difference.
void BM_ProcessDesign(benchmark::State& state) { Process(state, {}); }
BENCHMARK(BM_ProcessDesign)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

// What the revision adds to the run above: the failing groups revised, the
// clashing ones combined, and the checks of the design as it leaves; with
// --max-types 5 the groups merged first.
void BM_ProcessRevise(benchmark::State& state) { Process(state, {}, {"--revise"}); }
BENCHMARK(BM_ProcessRevise)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
void BM_ProcessReviseAndMerge(benchmark::State& state) { Process(state, {}, {"--revise", "--max-types", "5"}); }
BENCHMARK(BM_ProcessReviseAndMerge)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

void BM_ProcessExactDrawing(benchmark::State& state) { Process(state, {"--dxf"}); }
BENCHMARK(BM_ProcessExactDrawing)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

// The exact drawing, and the sheet as the portable DXF and the SVG: what the
// sheet adds is the difference to BM_ProcessExactDrawing.
void BM_ProcessThreeDrawings(benchmark::State& state) { Process(state, {"--dxf", "--portable-dxf", "--svg"}); }
BENCHMARK(BM_ProcessThreeDrawings)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

// Every output at once: the exact and the portable DXF, the SVG, the report,
// the workbook and the JSON.
void BM_ProcessSixOutputs(benchmark::State& state) {
  Process(state, {"--dxf", "--portable-dxf", "--svg", "--report", "--xlsx", "--json"});
}
BENCHMARK(BM_ProcessSixOutputs)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

}  // namespace

BENCHMARK_MAIN();
