// Speed of the whole pipeline on a building at the tables' capacities, and of
// the joint grid beside the literal every-joint-with-every-point fill.
#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <string>

#include "bench/capacity_file.h"
#include "grouping/joint_grid.h"

namespace {

using namespace footmark;

std::unique_ptr<Model> ReadCapacityModel() { return bench::DesignCapacityBuilding(std::nullopt); }

// Reading, design run and detailed design, as one SBC choice and export do.
void BM_WholePipeline(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(bench::DesignCapacityBuilding("200")->FootGroupCount);
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
