// Speed of the whole pipeline on a building at the tables' capacities, and of
// the joint grid beside the literal every-joint-with-every-point fill.
#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <string>

#include "bench/capacity_file.h"
#include "checks/design_checks.h"
#include "grouping/joint_grid.h"
#include "loads/load_cases.h"
#include "pipeline/pipeline.h"
#include "revise/revise.h"

namespace {

using namespace footmark;

std::unique_ptr<Model> ReadCapacityModel() { return bench::DesignCapacityBuilding(std::nullopt); }

// Reading, design run and detailed design, as one SBC choice and export do.
void BM_WholePipeline(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(bench::DesignCapacityBuilding("200")->FootGroupCount);
}
BENCHMARK(BM_WholePipeline)->Unit(benchmark::kMillisecond);

// The checks of every footing group on the load basis, as each output runs
// them after the design: the combinations formed, 200 supports under each.
void BM_ChecksOnTheLoadBasis(benchmark::State& state) {
  auto model = bench::DesignCapacityBuilding("200");
  for (auto _ : state) benchmark::DoNotOptimize(checks::CheckDesign(*model).fails);
}
BENCHMARK(BM_ChecksOnTheLoadBasis)->Unit(benchmark::kMillisecond);

// What --revise and --max-types add to the checks above: the method's design
// checked, merged to 5 types and revised, then checked again. Each run starts
// from the method's design (a copy, outside the timing).
void Revision(benchmark::State& state, revise::RevisionRequest request) {
  const auto method = bench::DesignCapacityBuilding(state.range(0) ? std::to_string(state.range(0)) : "200");
  auto model = std::make_unique<Model>();
  for (auto _ : state) {
    state.PauseTiming();
    *model = *method;
    state.ResumeTiming();
    benchmark::DoNotOptimize(CheckedDesign(*model, {}, request).fails);
  }
}
void BM_Revise(benchmark::State& state) { Revision(state, {.revise = true}); }
void BM_ReviseAndMerge(benchmark::State& state) { Revision(state, {.revise = true, .maxTypes = 5}); }
// Wall time, with the processor time of every thread beside it: the
// combined footings of a round are sized on two threads.
BENCHMARK(BM_Revise)->Unit(benchmark::kMillisecond)->DenseRange(100, 450, 50)->MeasureProcessCPUTime()->UseRealTime();

// What the combined footings add to --revise: the clashing supports combined,
// their footings designed, and the groups that lost supports revised again.
// The method's checks and the isolated revision before it are outside the
// timing, made anew for each run so that nothing is known from the run before.
void BM_CombinedFootingsAdd(benchmark::State& state) {
  const auto method = bench::DesignCapacityBuilding(std::to_string(state.range(0)));
  auto model = std::make_unique<Model>();
  const revise::RevisionRequest request{.revise = true};
  for (auto _ : state) {
    state.PauseTiming();
    *model = *method;
    const checks::CheckBasis basis = checks::MakeCheckBasis(*model, {}, true);
    const checks::DesignChecks before = checks::CheckDesign(*model, basis, false);
    revise::DesignRevision record = revise::StartRevision(*model, before, request);
    revise::ReviseFailingGroups(*model, basis, record, &before);
    state.ResumeTiming();
    benchmark::DoNotOptimize(revise::CombineClashingFootings(*model, basis, record).size());
  }
}
BENCHMARK(BM_CombinedFootingsAdd)->Unit(benchmark::kMillisecond)->DenseRange(100, 250, 50)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_ReviseAndMerge)->Unit(benchmark::kMillisecond)->Arg(200)->MeasureProcessCPUTime()->UseRealTime();

// The load definitions and every reaction component read from the text.
void BM_ReadingTheLoadCases(benchmark::State& state) {
  const std::string text = bench::CapacityAnalysisFile();
  for (auto _ : state) {
    TextStream in(text);
    benchmark::DoNotOptimize(loads::ReadLoads(in).rows.size());
  }
}
BENCHMARK(BM_ReadingTheLoadCases)->Unit(benchmark::kMillisecond);

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
