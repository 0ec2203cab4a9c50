// The two example analysis files read end to end (one CRLF, one LF).
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/analysis_reader.h"
#include "model/column_design_reader.h"
#include "support/test_files.h"

namespace footmark {
namespace {

struct Expected {
  std::string file;
  int supports, loadCases, joints, members, columnBlocks;
  float smallestForceY;
  std::vector<std::string> betaFirst, betaLast;
  int betaCount;
  int primaryLoads;
  std::set<std::pair<int, int>> uplift;  // (combination, joint) with FORCE-Y < 0
};

// The incidence "m a b" stands in the echoed input as printed.
bool EchoedAsStored(const std::string& text, int32 m, int32 a, int32 b) {
  const std::string group = " " + std::to_string(m) + " " + std::to_string(a) + " " + std::to_string(b);
  for (auto p = text.find(group); p != std::string::npos; p = text.find(group, p + 1)) {
    const char next = p + group.size() < text.size() ? text[p + group.size()] : '\n';
    if (next == ';' || next == '\r' || next == '\n') return true;
  }
  return false;
}

TEST(ExampleFiles, CountsOfBothFrames) {
  const std::vector<Expected> frames = {
      {"frame-4x3-2storey.ANL", 12, 3, 36, 58, 24, 22.74f, {"5", "6", "7", "8"}, {"18", "19", "20"}, 8, 2, {}},
      {"frame-6x5-4storey.ANL", 27, 11, 162, 350, 135, -165.10f, {"1", "5", "6", "11", "12", "16"},
       {"130", "131", "135"}, 50, 4, {{10, 5}, {11, 23}}},
  };
  for (const Expected& e : frames) {
    SCOPED_TRACE(e.file);
    Model m;
    testing::RecordingMessages ui;
    FileSystem fs;
    m.AnlFilePath = testing::SourcePath("examples/" + e.file);
    ReadAnalysisFile(m, fs, ui);
    ReadColumnDesign(m, fs, ui);
    EXPECT_TRUE(ui.messages.empty());

    ASSERT_EQ(m.NumSupports, e.supports);
    ASSERT_EQ(m.NumLoadCases, e.loadCases);
    float smallest = m.SupportReactions(1, 1, 2);
    std::set<std::pair<int, int>> uplift;
    for (int s = 1; s <= m.NumSupports; ++s) {
      for (int c = 1; c <= m.NumLoadCases; ++c) {
        EXPECT_EQ(m.SupportReactions(s, c, 1), static_cast<float>(c));
        smallest = std::min(smallest, m.SupportReactions(s, c, 2));
        if (c > e.primaryLoads && m.SupportReactions(s, c, 2) < 0)
          uplift.emplace(c, static_cast<int>(m.SupportReactions(s, 1, 0)));
      }
    }
    EXPECT_EQ(smallest, e.smallestForceY);
    EXPECT_EQ(uplift, e.uplift);
    EXPECT_EQ(ui.captions.at(StatusLabel::LabNoSrea), "SUPPORT REACTIONS :   " + std::to_string(e.supports));
    EXPECT_EQ(ui.captions.at(StatusLabel::LabLoadCases), "LOAD CASES :   " + std::to_string(e.loadCases));

    EXPECT_EQ(m.NumJoints, e.joints);
    ASSERT_EQ(m.NumMembers, e.members);
    const std::string text = testing::ReadFile(m.AnlFilePath);
    for (int r = 1; r <= m.NumMembers; ++r)
      EXPECT_TRUE(EchoedAsStored(text, m.MemberIncidences(r, 0), m.MemberIncidences(r, 1), m.MemberIncidences(r, 2)))
          << "member " << m.MemberIncidences(r, 0) << " was turned";

    ASSERT_EQ(m.BetaMembers(0), std::to_string(e.betaCount));
    for (std::size_t i = 0; i < e.betaFirst.size(); ++i) EXPECT_EQ(m.BetaMembers(i + 1), e.betaFirst[i]);
    for (std::size_t i = 0; i < e.betaLast.size(); ++i)
      EXPECT_EQ(m.BetaMembers(e.betaCount - e.betaLast.size() + 1 + i), e.betaLast[i]);

    EXPECT_EQ(m.NumColumnDesigns, e.columnBlocks);
    EXPECT_EQ(m.Fck, 25);
    EXPECT_EQ(m.Fe, 415);
    EXPECT_EQ(ui.captions.at(StatusLabel::LabFckFe), "Fck 25     Fe 415 N/mm2");
  }
}

}  // namespace
}  // namespace footmark
