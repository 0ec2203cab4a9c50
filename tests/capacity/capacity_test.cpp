// A building at every capacity of the tables at once is read, designed and
// drawn; one more of anything ends the run before a table's end is touched:
// the readers name the line, the design steps fail at run time.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dxf/drawing_export.h"
#include "grouping/bar_sets.h"
#include "model/failure.h"
#include "model/numerics.h"
#include "support/analysis_text.h"
#include "support/test_files.h"

namespace footmark {
namespace {

using testing::AnalysisText;
using testing::Frame;
using testing::ReadAndDesign;

// Required steel just below each distinct bar set area, lightest first: each
// takes a bar set of its own, so the members of a group form separate runs.
std::vector<int> SteelSteps() {
  auto m = std::make_unique<Model>();
  BuildBarSets(*m);
  std::vector<int> steps;
  for (int k = 1; k <= m->BarSetCount; ++k) {
    const int below = static_cast<int>(m->BarSets(k).SetArea) - 1;
    if (steps.empty() || below > steps.back()) steps.push_back(below);
  }
  return steps;
}

// Column sections: `sections` of them, the first with `runsA` steel runs, the
// second with `runsB`, the others with one each, so 30 + 15 + 8 = 53 column
// types; trial footing sides in `classes` size classes.
struct Plan {
  int sections = 10, runsA = 30, runsB = 15, classes = 30;
};

// 200 supports with 35 load cases, 2420 joints on 99 X, 99 level and 99
// plan-Y values, 2680 members, 1000 BETA entries and 3000 design blocks.
Frame Building(const Plan& p) {
  static const std::vector<int> steel = SteelSteps();
  static const int sides[][2] = {{230, 300}, {230, 450}, {300, 300}, {300, 450}, {230, 600}, {300, 600},
                                 {400, 400}, {450, 450}, {500, 500}, {600, 600}, {350, 350}};
  Frame f{.columns = {}, .loadCases = 35, .levels = 11, .joints = 2420, .roofHeights = 88, .members = 2680,
          .betaLast = 1000, .designBlocks = 3000};
  for (int k = 0; k < 200; ++k) {
    const bool a = k < p.runsA, b = !a && k < p.runsA + p.runsB;
    const int section = a ? 0 : b ? 1 : 2 + (k - p.runsA - p.runsB) % (p.sections - 2);
    // Side 1.05 + 0.1 c under load case 1 at SBC 200 falls in class 1.1 + 0.1 c.
    const double side = 1.05 + 0.1 * (k % p.classes);
    f.columns.push_back(
        {side * side * 200 / 1.1, sides[section][0], sides[section][1], steel[a ? k : b ? k - p.runsA : 0]});
  }
  return f;
}

std::string LineAt(const std::string& text, int n) {
  std::size_t start = 0;
  for (int i = 1; i < n; ++i) start = text.find('\n', start) + 1;
  return text.substr(start, text.find('\n', start) - start);
}

// Footing groups (100) cannot be reached: size classes stop at 30 first; nor
// can pedestal sizes (10): a pedestal is one of 7 standard sides, or none.
TEST(Capacity, ABuildingAtEveryCapacityIsDesignedAndDrawn) {
  testing::RecordingMessages ui;
  const auto m = ReadAndDesign(AnalysisText(Building({})), ui);
  EXPECT_EQ(ui.messages, std::vector<std::string>{});
  EXPECT_EQ((std::vector<int>{m->NumSupports, m->NumLoadCases, m->NumJoints, m->NumMembers,
                              std::stoi(m->BetaMembers(0)), m->NumColumnDesigns, ToInt16(m->GridX[0]),
                              ToInt16(m->GridLevels[0]), ToInt16(m->GridY[0]), m->ColGroupCount,
                              m->ColGroups(1).RunBarSet(0), m->ClassCount, m->FootGroupCount, m->TypeBarSet(0)}),
            (std::vector<int>{200, 35, 2420, 2680, 1000, 3000, 99, 99, 99, 10, 30, 30, 30, 53}));
  testing::ScratchDir dir;
  SaveDrawingDxf(*m, dir.path() + "/building.dxf");
  const std::string dxf = testing::ReadFile(dir.path() + "/building.dxf");
  for (const char* mark : {"\r\nF30/P", "\r\nC53\r\n"}) EXPECT_NE(dxf.find(mark), std::string::npos) << mark;

  // 222 columns of one section cannot be reached (supports stop at 200): 200 work.
  Frame one;
  one.columns.assign(200, testing::ColumnLine{});
  const auto same = ReadAndDesign(AnalysisText(one), ui);
  EXPECT_EQ((std::vector<int>{same->ColGroupCount, same->ColGroups(1).MemberCount}), (std::vector<int>{1, 200}));
  SaveDrawingDxf(*same, dir.path() + "/one-section.dxf");
}

struct Overflow {
  const char* capacity;
  Plan plan;
  void (*change)(Frame&);
  std::string message;      // after "Line N: " for the readers
  std::string atLine = "";  // what the named line holds; none for a run-time failure
};

TEST(Capacity, OneMoreOfAnythingEndsTheRunCleanly) {
  const Overflow cases[] = {
      {"supports", {}, [](Frame& f) { f.columns.push_back(f.columns.back()); },
       "more than 200 supports in the support reaction table", "    201    1 "},
      {"load cases", {}, [](Frame& f) { f.loadCases = 36; },
       "more than 35 load cases for one support in the support reaction table", "          36 "},
      {"joints", {}, [](Frame& f) { f.joints = 2421; }, "more than 2420 joints in the joint coordinates", " 2421 "},
      {"members", {}, [](Frame& f) { f.members = 2681; }, "more than 2680 members in the member incidences",
       " 2681 "},
      {"BETA entries", {}, [](Frame& f) { f.betaLast = 1001; }, "more than 1000 members in the BETA list",
       " TO 1001"},
      {"design blocks", {}, [](Frame& f) { f.designBlocks = 3001; }, "more than 3000 column design blocks",
       "N O.  3001 "},
      {"X values", {}, [](Frame& f) { f.xLines = 100; }, "subscript out of range: index 100 of GridJoint (0..99)"},
      {"levels", {}, [](Frame& f) { f.roofHeights = 89; },
       "subscript out of range: index 100 of GridJoint (0..99)"},
      {"plan-Y values", {}, [](Frame& f) { f.zLines = 100; },
       "subscript out of range: index 100 of GridJoint (0..99)"},
      {"column groups", {.sections = 11}, nullptr, "subscript out of range: index 11 of ColGroups (0..10)"},
      {"steel runs", {.runsA = 31}, nullptr, "subscript out of range: index 31 of run bar sets (0..30)"},
      {"size classes", {.classes = 31}, nullptr, "subscript out of range: index 31 of class counts (0..30)"},
      {"column types", {.runsB = 16}, nullptr, "subscript out of range: index 54 of TypeBarSet (0..53)"},
  };
  for (const Overflow& c : cases) {
    SCOPED_TRACE(c.capacity);
    Frame f = Building(c.plan);
    if (c.change) c.change(f);
    const std::string text = AnalysisText(f);
    testing::RecordingMessages ui;
    try {
      ReadAndDesign(text, ui);
      ADD_FAILURE() << "the run went on";
    } catch (const ProgramEnd& e) {
      EXPECT_EQ(e.what(), "Line " + IntText(e.line()) + ": " + c.message);
      EXPECT_FALSE(c.atLine.empty()) << "the readers were to read on: " << e.what();
      EXPECT_NE(LineAt(text, e.line()).find(c.atLine), std::string::npos) << LineAt(text, e.line());
    } catch (const RuntimeFailure& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
      EXPECT_TRUE(c.atLine.empty()) << "a reader was to end the run: " << e.what();
    }
  }
}

}  // namespace
}  // namespace footmark
