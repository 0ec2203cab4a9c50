// Speed of the drawings on the building at the tables' capacities: composing
// the method's drawing and the sheet as data, and each writer (exact R12,
// portable R12, SVG) turning one into the text of its file.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/capacity_file.h"
#include "checks/design_checks.h"
#include "drawing/sheet.h"
#include "dxf/drawing_export.h"
#include "dxf/dxf_writer.h"
#include "dxf/portable_dxf.h"
#include "model/column_offsets.h"
#include "svg/svg_writer.h"

namespace {

using namespace footmark;

// Read and designed once, at SBC 200, with every column's offsets set where
// its section allows, so the offset dimensions are drawn too.
const Model& CapacityModel() {
  static const std::unique_ptr<Model> model = [] {
    auto m = bench::DesignCapacityBuilding("200");
    for (int s = 1; s <= m->NumSupports; ++s) SetColumnOffset(*m, s, 1, -1);
    return m;
  }();
  return *model;
}

const Drawing& CapacityDrawing() {
  static const Drawing drawing = ComposeDrawing(CapacityModel());
  return drawing;
}

void BM_ComposeDrawing(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ComposeDrawing(CapacityModel()).entities.size());
}
BENCHMARK(BM_ComposeDrawing)->Unit(benchmark::kMillisecond);

void BM_ExactDxfText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ExactDxfText(CapacityDrawing()).size());
}
BENCHMARK(BM_ExactDxfText)->Unit(benchmark::kMillisecond);

void BM_PortableDxfText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(PortableDxfText(CapacityDrawing()).size());
}
BENCHMARK(BM_PortableDxfText)->Unit(benchmark::kMillisecond);

void BM_SvgText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(SvgText(CapacityDrawing()).size());
}
BENCHMARK(BM_SvgText)->Unit(benchmark::kMillisecond);

// What the three outputs add to a run: one composition, three texts.
void BM_AllThreeOutputs(benchmark::State& state) {
  for (auto _ : state) {
    const Drawing drawing = ComposeDrawing(CapacityModel());
    benchmark::DoNotOptimize(ExactDxfText(drawing).size() + PortableDxfText(drawing).size() +
                             SvgText(drawing).size());
  }
}
BENCHMARK(BM_AllThreeOutputs)->Unit(benchmark::kMillisecond);

const checks::DesignChecks& CapacityChecks() {
  static const checks::DesignChecks checks = checks::CheckDesign(CapacityModel());
  return checks;
}

void BM_ComposeSheet(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ComposeSheet(CapacityModel(), CapacityChecks(), {}).drawing.entities.size());
}
BENCHMARK(BM_ComposeSheet)->Unit(benchmark::kMillisecond);

const Sheet& CapacitySheet() {
  static const Sheet sheet = ComposeSheet(CapacityModel(), CapacityChecks(), {});
  return sheet;
}
void BM_SheetPortable(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(PortableDxfText(CapacitySheet().drawing).size());
}
BENCHMARK(BM_SheetPortable)->Unit(benchmark::kMillisecond);
void BM_SheetSvg(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(SvgText(CapacitySheet().drawing).size());
}
BENCHMARK(BM_SheetSvg)->Unit(benchmark::kMillisecond);

// What the sheet adds to a run: one composition, the portable DXF, the SVG
// and the report's pages of it.
void BM_SheetOutputs(benchmark::State& state) {
  for (auto _ : state) {
    const Sheet sheet = ComposeSheet(CapacityModel(), CapacityChecks(), {});
    std::size_t n = PortableDxfText(sheet.drawing).size() + SvgText(sheet.drawing).size();
    for (const std::string& s : SvgSheets(sheet.drawing)) n += s.size();
    benchmark::DoNotOptimize(n);
  }
}
BENCHMARK(BM_SheetOutputs)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
