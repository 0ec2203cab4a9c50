// The sheet judged from its own data on both examples, a grid below zero and
// the capacity building: bubbles, texts and outlines where a draughtsman
// wants them, and the design's state drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>

#include "drawing/plan_frame.h"
#include "drawing/sheet.h"
#include "support/sheet_buildings.h"

namespace footmark {
namespace {

using testing::DesignSheet;
using testing::SheetBuildings;

struct Text {
  Extents box;
  const DrawingEntity* e;
};

std::string Where(const Text& t) {
  return "\"" + t.e->text + "\" (" + t.e->layer + ", item " + std::to_string(t.e->item) + ") at " +
         std::to_string(t.box.min.x) + "," + std::to_string(t.box.min.y);
}

TEST(Sheet, BubblesOutsideTheFootingsNoTextOnAnotherAndGridLabelsLettered) {
  const std::regex label("[A-HJ-NP-Z]{1,2}|[1-9][0-9]*");
  for (const auto& building : SheetBuildings()) {
    const auto d = DesignSheet(building);
    const Sheet& sheet = d.sheet;
    const Drawing& drawing = sheet.drawing;
    std::vector<Text> texts;
    int bubbles = 0;
    for (std::size_t s = 0; s < drawing.sheets.size(); ++s) {
      Extents footings{{INFINITY, INFINITY}, {-INFINITY, -INFINITY}};
      for (const SheetFooting& f : sheet.footings)
        if (f.sheet == s)
          footings = {{std::min(footings.min.x, f.outline.min.x), std::min(footings.min.y, f.outline.min.y)},
                      {std::max(footings.max.x, f.outline.max.x), std::max(footings.max.y, f.outline.max.y)}};
      for (std::size_t i = drawing.sheets[s].first; i < drawing.sheets[s].end; ++i) {
        const DrawingEntity& e = drawing.entities[i];
        if (e.kind == EntityKind::kCircle && e.layer == "GRID") {
          ++bubbles;
          EXPECT_FALSE(Overlap(BoxAt({e.a.x, e.a.y}, 2 * e.size, 2 * e.size), footings))
              << building.name << ": a bubble at " << e.a.x << "," << e.a.y << " inside the footings of sheet " << s + 1;
        }
        if (e.kind != EntityKind::kText) continue;
        texts.push_back({TextExtents(e), &e});
        if (e.layer == "GRID") {
          EXPECT_TRUE(std::regex_match(e.text, label)) << building.name << ": grid label " << e.text;
        } else if (e.layer == "MARKS") {
          EXPECT_GE(e.size, 2.5 * sheet.scale / 1000 - 1e-6) << building.name << ": " << e.text;
        }
      }
    }
    EXPECT_GT(bubbles, 0) << building.name;

    // No two texts share any of their boxes (a sweep along x).
    std::sort(texts.begin(), texts.end(), [](const Text& a, const Text& b) { return a.box.min.x < b.box.min.x; });
    int overlaps = 0;
    for (std::size_t i = 0; i < texts.size(); ++i)
      for (std::size_t j = i + 1; j < texts.size() && texts[j].box.min.x < texts[i].box.max.x; ++j)
        if (Overlap(texts[i].box, texts[j].box) && ++overlaps <= 5)
          ADD_FAILURE() << building.name << ": " << Where(texts[i]) << " overlaps " << Where(texts[j]);
    EXPECT_EQ(overlaps, 0) << building.name;

    // No text on a footing it does not label.
    for (std::size_t k = 0; k < sheet.footings.size(); ++k)
      for (const Text& t : texts)
        if (t.e->item != static_cast<int>(k) + 1 && Overlap(t.box, sheet.footings[k].outline))
          ADD_FAILURE() << building.name << ": " << Where(t) << " on the footing of support " << sheet.footings[k].support;
  }
}

TEST(Sheet, NotDesignedHatchedFailingCloudedAndEveryOverlappingPairCloudedAtSbc100) {
  const auto d = DesignSheet(SheetBuildings()[1]);
  const Sheet& sheet = d.sheet;
  const auto drawn = [&](int item, EntityKind kind, std::string_view layer, std::string_view text = {}) {
    return std::any_of(sheet.drawing.entities.begin(), sheet.drawing.entities.end(), [&](const DrawingEntity& e) {
      return e.item == item && e.kind == kind && e.layer == layer && (text.empty() || e.text == text);
    });
  };
  int notDesigned = 0, failing = 0;
  for (std::size_t k = 0; k < sheet.footings.size(); ++k) {
    const SheetFooting& f = sheet.footings[k];
    const int item = static_cast<int>(k) + 1;
    const bool undesigned = f.group == 14 || f.group == 15;
    EXPECT_EQ(f.verdict == checks::Verdict::NotDesigned, undesigned) << f.mark;
    EXPECT_EQ(drawn(item, EntityKind::kHatch, "HATCH"), undesigned) << f.mark;
    EXPECT_EQ(drawn(item, EntityKind::kText, "MARKS", "NOT DESIGNED"), undesigned) << f.mark;
    const bool fails = f.verdict == checks::Verdict::Fails;
    EXPECT_EQ(drawn(item, EntityKind::kPolyline, "CLOUD"), fails) << f.mark;
    notDesigned += undesigned;
    failing += fails;
  }
  EXPECT_EQ(notDesigned, 4);  // F14 at three supports, F15 at one
  EXPECT_GT(failing, 0);

  int overlapping = 0;
  for (const checks::Clash& c : d.checks.clashes) {
    const auto at = std::find_if(sheet.clashes.begin(), sheet.clashes.end(),
                                 [&](const SheetClash& s) { return s.supportA == c.supportA && s.supportB == c.supportB; });
    ASSERT_NE(at, sheet.clashes.end()) << c.supportA << "+" << c.supportB;
    const int item = -static_cast<int>(at - sheet.clashes.begin()) - 1;
    EXPECT_TRUE(drawn(item, EntityKind::kPolyline, "CLOUD")) << at->tag;
    EXPECT_TRUE(drawn(item, EntityKind::kText, "CLOUD", at->tag)) << at->tag;
    for (const int s : {c.supportA, c.supportB}) {
      const Extents& o = sheet.footings[static_cast<std::size_t>(s - 1)].outline;
      EXPECT_TRUE(o.min.x > at->cloud.min.x && o.min.y > at->cloud.min.y && o.max.x < at->cloud.max.x &&
                  o.max.y < at->cloud.max.y)
          << at->tag << " does not enclose support " << s;
    }
    overlapping += c.overlap;
  }
  EXPECT_EQ(overlapping, 6);
}

TEST(Sheet, PaperAndScaleChosenToFitOrAsSet) {
  struct Case {
    std::size_t building;
    SheetSettings settings;
    const char* paper;
    int scale;
    std::size_t planSheets;
  };
  const Case cases[] = {
      {1, {}, "A1", 100, 1},
      {1, {.scale = 50}, "A0", 50, 1},
      {1, {.paper = Paper::kA3, .scale = 100}, "A3", 100, 3},
      {3, {}, "A0", 200, 4},
  };
  const auto buildings = SheetBuildings();
  for (const Case& c : cases) {
    const auto d = DesignSheet(buildings[c.building], c.settings);
    EXPECT_EQ(d.sheet.paper, c.paper) << buildings[c.building].name << " 1:" << c.settings.scale;
    EXPECT_EQ(d.sheet.scale, c.scale) << buildings[c.building].name;
    EXPECT_EQ(d.sheet.planSheets, c.planSheets) << buildings[c.building].name;
    // Sheets side by side, each its paper at the scale.
    for (std::size_t s = 0; s < d.sheet.drawing.sheets.size(); ++s)
      EXPECT_FLOAT_EQ(d.sheet.drawing.sheets[s].x, static_cast<float>(s * d.sheet.drawing.sheets[s].Width()));
  }
}

TEST(PlanFrame, GridLinesMergeOnTheCommonCoordinateAndLetterPastZ) {
  const std::pair<std::vector<double>, std::vector<double>> merges[] = {
      {{0, 3.6, 3.715, 3.6, 7.2}, {0, 3.6, 7.2}},     // a column 115 mm off its line
      {{0, 0.29, 0.58}, {0}},                         // a chain of small steps is one line
      {{0, 0.3, 0.6}, {0, 0.3, 0.6}},                 // 0.3 apart: lines of their own
      {{5, 5.2, 5.2, 1}, {1, 5.2}},                   // the most columns decide
  };
  for (const auto& [coordinates, lines] : merges) EXPECT_EQ(MergedLines(coordinates, 0.3), lines);
  const std::pair<int, const char*> letters[] = {{0, "A"}, {7, "H"}, {8, "J"}, {12, "N"}, {13, "P"},
                                                 {23, "Z"}, {24, "AA"}, {31, "AH"}, {32, "AJ"}, {47, "AZ"},
                                                 {48, "BA"}, {99, "DD"}};
  for (const auto& [index, text] : letters) EXPECT_EQ(GridLetters(index), text) << index;
}

}  // namespace
}  // namespace footmark
