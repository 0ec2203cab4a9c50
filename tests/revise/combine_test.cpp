// Combined footings through the whole run: where isolated footings clash
// after the revision, the sheet draws each combined footing once, nothing
// overlaps any more, and every designed one is in equilibrium.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "bench/capacity_file.h"
#include "drawing/plan_frame.h"
#include "drawing/sheet.h"
#include "model/numerics.h"
#include "pipeline/pipeline.h"
#include "support/test_files.h"

namespace footmark::revise {
namespace {

checks::DesignChecks Revised(Model& model, const std::string& file, int sbc, const FileSystem& fs) {
  testing::RecordingMessages ui;
  return *DesignJob(model, {.AnalysisFile = file, .Sbc = IntText(sbc), .Revision = {.revise = true}}, fs, ui);
}

TEST(CombinedFootings, TheSixByFiveExampleAtSbc100OnTheSheet) {
  auto model = std::make_unique<Model>();
  const checks::DesignChecks checks =
      Revised(*model, testing::SourcePath("examples/frame-6x5-4storey.ANL"), 100, FileSystem());
  for (const checks::Clash& c : checks.clashes) EXPECT_FALSE(c.overlap) << c.supportA << " and " << c.supportB;
  ASSERT_FALSE(checks.combined.empty());
  const Sheet sheet = ComposeSheet(*model, checks, {});
  int designed = 0;
  for (const combined::CombinedFooting& f : checks.combined) {
    if (f.verdict == checks::Verdict::NotDesigned) {
      EXPECT_TRUE(f.reason.ends_with("recommended")) << f.reason;
      continue;
    }
    ++designed;
    EXPECT_EQ(f.verdict, checks::Verdict::Ok) << f.mark << ": " << f.reason;
    const auto drawn = std::count_if(sheet.footings.begin(), sheet.footings.end(),
                                     [&](const SheetFooting& s) { return s.mark == f.mark; });
    EXPECT_EQ(drawn, 1) << f.mark;
    // Its supports are in no isolated group, and the plan draws the pedestals it was designed with.
    for (const int s : f.supports) EXPECT_EQ(model->Footings(s).FootGroupNo, 0) << f.mark << " support " << s;
    for (const PlanFooting& p : BuildPlanFrame(*model, checks, 0.05).footings) {
      const auto at = std::find(f.supports.begin(), f.supports.end(), p.support);
      if (at != f.supports.end()) {
        EXPECT_EQ(p.pedestal * 1000, f.pedestals[static_cast<std::size_t>(at - f.supports.begin())]) << f.mark;
      }
    }
    EXPECT_GT(*std::max_element(f.pedestals.begin(), f.pedestals.end()), 0) << f.mark << " stands on its group's pedestals";
    // Its steel by the schedules' d^2/162 kg a metre (7850 kg/m3 would be d^2/162.2).
    for (const combined::BarSet& b : f.bars) {
      const double metres = b.count * b.length;
      EXPECT_NEAR(b.mass / metres, b.dia * b.dia / 162, 0.0005 + 0.005 / metres) << f.mark << " " << b.name;
    }
  }
  // The totals by diameter take the combined footings' bars in.
  double byDia = 0;
  for (const auto& [dia, kg] : checks.steelByDia) byDia += kg;
  EXPECT_NEAR(byDia, checks.steel, 1e-6);
  EXPECT_GE(designed, 1);
  EXPECT_EQ(checks.notDesigned + checks.fails + checks.ok,
            model->FootGroupCount + static_cast<int>(checks.combined.size()));
}

// V(L) and M(L) vanish on every diagram of every combined footing designed, within 1e-6 of the
// largest shear and moment along it (the loads' scale).
TEST(CombinedFootings, EveryDesignedOneIsInEquilibrium) {
  const FileSystem disk;
  MemoryFileSystem memory;
  memory.Add("capacity.ANL", bench::CapacityAnalysisFile());
  int diagrams = 0;
  for (const std::string& file : {testing::SourcePath("examples/frame-4x3-2storey.ANL"),
                                 testing::SourcePath("examples/frame-6x5-4storey.ANL"),
                                 testing::SourcePath("examples/frame-5x4-wind.ANL"), std::string("capacity.ANL")}) {
    for (int sbc = 100; sbc <= 450; sbc += 50) {
      auto model = std::make_unique<Model>();
      const checks::DesignChecks checks = Revised(*model, file, sbc, file == "capacity.ANL" ? memory : disk);
      for (const combined::CombinedFooting& f : checks.combined)
        for (const combined::BeamDiagram& d : f.diagrams) {
          double V = 0, M = 0;
          for (const combined::DiagramPoint& p : d.samples) V = std::max(V, std::fabs(p.shear)), M = std::max(M, std::fabs(p.moment));
          EXPECT_LE(std::fabs(d.endShear), 1e-6 * V) << file << " at " << sbc << " " << f.mark << " " << d.combination;
          EXPECT_LE(std::fabs(d.endMoment), 1e-6 * M) << file << " at " << sbc << " " << f.mark << " " << d.combination;
          ++diagrams;
        }
    }
  }
  EXPECT_GT(diagrams, 0);
}

}  // namespace
}  // namespace footmark::revise
