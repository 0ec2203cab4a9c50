// The fuzzer's seeds and every input it found a fault with, through the same
// pipeline as the fuzzer (under ASan and UBSan in the sanitizer build). Each
// ends as listed: the seeds reach the drawing or stop where they are meant
// to, the findings end with the clean failure their fix gives. Any other
// exception (a wrong drawing among them) escapes and fails the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <set>
#include <string>

#include "fuzz/pipeline_input.h"
#include "support/test_files.h"

namespace footmark::fuzz {

void PrintTo(PipelineEnd end, std::ostream* os) {
  *os << (end == PipelineEnd::kNormal       ? "a normal end"
          : end == PipelineEnd::kProgramEnd ? "ProgramEnd"
                                            : "RuntimeFailure");
}

namespace {

struct KeptInput {
  const char* file;  // below tests/fuzz
  PipelineEnd end;
};

using enum PipelineEnd;

const KeptInput kKept[] = {
    {"corpus/frame-4x3-2storey.ANL", kNormal},
    {"corpus/frame-6x5-4storey.ANL", kNormal},
    {"corpus/small-frame.ANL", kNormal},
    {"corpus/two-storey-sections.ANL", kNormal},
    {"corpus/beta-ranges.ANL", kNormal},
    {"corpus/odd-reaction-lines.ANL", kNormal},
    {"corpus/design-without-ties.ANL", kNormal},
    {"corpus/unit-meter-kn.ANL", kNormal},
    {"corpus/no-reactions.ANL", kProgramEnd},
    // A joint at X = 5E385 drew "INF" coordinates.
    {"regressions/joint-beyond-double-range.ANL", kRuntimeFailure},
};

TEST(FuzzRegressions, EachKeptInputEndsAsItShould) {
  for (const KeptInput& kept : kKept) {
    SCOPED_TRACE(kept.file);
    const std::string input = testing::ReadFile(testing::SourcePath(std::string("tests/fuzz/") + kept.file));
    ASSERT_FALSE(input.empty());
    EXPECT_EQ(RunPipeline(input), kept.end);
  }
}

TEST(FuzzRegressions, EveryFindingIsInTheTable) {
  std::set<std::string> listed;
  for (const KeptInput& kept : kKept) listed.insert(kept.file);
  for (const auto& entry : std::filesystem::directory_iterator(testing::SourcePath("tests/fuzz/regressions"))) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name.front() == '.' || listed.count("regressions/" + name)) << name << " is not in kKept";
  }
}

}  // namespace
}  // namespace footmark::fuzz
