// The workbook read back by openpyxl against the JSON and the report of the same run
// (workbook/workbook_check.py), and a target that cannot be written.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

#include "bench/capacity_file.h"
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

// The JSON, the workbook and the report of one run of footmark-cli agree on every value they share
// (workbook/workbook_check.py): the 4x3 example, the 6x5 one at SBC 100 (two groups not designed) and
// the capacity building; the 6x5 one revised at SBC 100, its combined footing with its bar marks and the sets not designed.
TEST(Workbook, JsonWorkbookAndReportAgree) {
  testing::ScratchDir dir;
  const std::string capacity = dir.Write("capacity.ANL", bench::CapacityAnalysisFile());
  const struct { const char* name; std::string analysis, sbc; } runs[] = {
      {"frame4x3", testing::SourcePath("examples/frame-4x3-2storey.ANL"), "200"},
      {"frame6x5", testing::SourcePath("examples/frame-6x5-4storey.ANL"), "100"},
      {"revised6x5", testing::SourcePath("examples/frame-6x5-4storey.ANL"), "100 --revise"},
      {"capacity", capacity, "200"}};
  std::vector<std::string> files;
  for (const auto& run : runs) {
    const std::string base = dir.path() + "/" + run.name;
    const std::string command = std::string(FOOTMARK_CLI) + " --quiet --sbc " + run.sbc + " --json " + base +
                                ".json --xlsx " + base + ".xlsx --report " + base + ".html --project-name \"Tower & Annex\" " +
                                run.analysis + " >/dev/null 2>&1";
    const int raw = std::system(command.c_str());  // 4: groups fail or are not designed
    EXPECT_TRUE(WIFEXITED(raw) && (WEXITSTATUS(raw) == 0 || WEXITSTATUS(raw) == 4)) << command;
    for (const char* ending : {".xlsx", ".json", ".html"}) files.push_back(base + ending);
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
