// The workbook of the 6x5 example at SBC 200 and at SBC 100 (two groups not designed), read back by
// openpyxl against the design (workbook/workbook_check.py), and a target that cannot be written.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <unistd.h>

#include "checks/design_checks.h"
#include "model/failure.h"
#include "model/numerics.h"
#include "pipeline/pipeline.h"
#include "support/test_files.h"
#include "workbook/workbook.h"

namespace footmark {
namespace {

struct Design {
  std::unique_ptr<Model> model = std::make_unique<Model>();
  checks::DesignChecks checks;
};

Design DesignExample(int16 sbc) {
  Design d;
  testing::RecordingMessages ui;
  d.checks = *DesignJob(*d.model,
                        {.AnalysisFile = testing::SourcePath("examples/frame-6x5-4storey.ANL"), .Sbc = IntText(sbc)},
                        FileSystem(), ui);
  return d;
}

// What the workbook must hold, from the model's groups and the checks' verdicts, as JSON.
std::string Expected(const Design& d) {
  std::string json = "{\"sbc\": " + NumText(d.model->SBC) + ", \"groups\": [";
  for (int g = 1; g <= d.model->FootGroupCount; ++g) {
    const FootGroup& f = d.model->FootGroups[g];
    const checks::GroupCheck& c = d.checks.groups[static_cast<std::size_t>(g - 1)];
    json += std::string(g > 1 ? ", " : "") + "{\"mark\": \"F" + IntText(g) + "\", \"footings\": " +
            IntText(static_cast<int>(c.supports.size())) + ", \"size\": " + NumText(f.Size) +
            ", \"pedestal\": " + NumText(f.Pedestal) + ", \"depth\": " + NumText(f.Depth) +
            ", \"bar_dia\": " + IntText(f.BarDia) + ", \"bar_text\": \"" + f.BarText + "\", \"verdict\": \"" +
            checks::VerdictText(c.check.verdict) + "\"}";
  }
  return json + "]}";
}

TEST(Workbook, ExampleAtTwoSbcsReadsBackAsItsDesign) {
  testing::ScratchDir dir;
  std::vector<std::string> files;
  for (const int16 sbc : {200, 100}) {
    const Design d = DesignExample(sbc);
    if (sbc == 100) {  // the case of groups left undesigned
      ASSERT_GE(d.checks.groups.size(), 15u);
      for (const std::size_t g : {13u, 14u})
        EXPECT_EQ(d.checks.groups[g].check.verdict, checks::Verdict::NotDesigned) << d.checks.groups[g].mark;
    }
    const std::string book = dir.path() + "/sbc" + IntText(sbc) + ".xlsx";
    SaveWorkbook(*d.model, d.checks, book);
    files.push_back(book);
    files.push_back(dir.Write("sbc" + IntText(sbc) + ".json", Expected(d)));
  }
  const testing::ScriptRun check =
      testing::RunScript(FOOTMARK_OPENPYXL_PYTHON, "tests/workbook/workbook_check.py", files);
  EXPECT_EQ(check.status, 0) << check.output;
}

TEST(Workbook, UnwritableTargetNamesFileAndReasonAndLeavesNothing) {
  const Design d = DesignExample(200);
  testing::ScratchDir dir;
  const std::string book = dir.path() + "/missing/book.xlsx";
  try {
    SaveWorkbook(*d.model, d.checks, book);
    ADD_FAILURE() << "a workbook in a folder that does not exist";
  } catch (const RuntimeFailure& e) {
    EXPECT_EQ(std::string(e.what()), "cannot write \"" + book + "\": No such file or directory");
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "left in " << dir.path();
  const std::string scratch = "footmark-" + std::to_string(getpid()) + "-";
  for (const auto& f : std::filesystem::directory_iterator(std::filesystem::temp_directory_path()))
    EXPECT_NE(f.path().filename().string().rfind(scratch, 0), 0u) << "scratch file left: " << f.path();
}

}  // namespace
}  // namespace footmark
