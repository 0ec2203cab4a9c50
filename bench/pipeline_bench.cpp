// Speed of the whole pipeline on a building at the tables' capacities, and of
// the joint grid beside the literal every-joint-with-every-point fill.
#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <string>

#include "bench/capacity_file.h"
#include "grouping/joint_grid.h"
#include "model/text_stream.h"
#include "pipeline/pipeline.h"

namespace {

using namespace footmark;

class Quiet : public UserMessages {
 public:
  void ShowMessage(const std::string&) override {}
  void SetCaption(StatusLabel, const std::string&) override {}
};

const MemoryFileSystem& CapacityFiles() {
  static const MemoryFileSystem fs = [] {
    MemoryFileSystem f;
    f.Add("capacity.ANL", bench::CapacityAnalysisFile());
    return f;
  }();
  return fs;
}

std::unique_ptr<Model> DesignCapacityModel(std::optional<std::string> sbc) {
  auto model = std::make_unique<Model>();
  Quiet ui;
  DesignJob(*model, {.AnalysisFile = "capacity.ANL", .Sbc = std::move(sbc)}, CapacityFiles(), ui);
  return model;
}

std::unique_ptr<Model> ReadCapacityModel() { return DesignCapacityModel(std::nullopt); }

// Reading, design run and detailed design, as one SBC choice and export do.
void BM_WholePipeline(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(DesignCapacityModel("200")->FootGroupCount);
}
BENCHMARK(BM_WholePipeline)->Unit(benchmark::kMillisecond);

void BM_Reading(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ReadCapacityModel()->NumJoints);
}
BENCHMARK(BM_Reading)->Unit(benchmark::kMillisecond);

void BM_JointGrid(benchmark::State& state) {
  auto model = ReadCapacityModel();
  for (auto _ : state) {
    BuildJointGrid(*model);
    benchmark::DoNotOptimize(model->GridJoint(1, 1, 1));
  }
}
BENCHMARK(BM_JointGrid)->Unit(benchmark::kMillisecond);

// The literal fill: every joint against every grid point. Seconds per run.
void BM_JointGridNaive(benchmark::State& state) {
  auto model = ReadCapacityModel();
  for (auto _ : state) {
    BuildJointGridNaive(*model);
    benchmark::DoNotOptimize(model->GridJoint(1, 1, 1));
  }
}
BENCHMARK(BM_JointGridNaive)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
