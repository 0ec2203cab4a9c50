// The plan and the schedule tables: where columns, footings, marks, grid
// labels, dimensions, texts and rules land.
#include <gtest/gtest.h>

#include <memory>

#include "dxf/plan_drawing.h"
#include "dxf/schedule_tables.h"
#include "model/column_offsets.h"
#include "model/failure.h"
#include "support/dxf_reading.h"

namespace footmark {
namespace {

using testing::Entities;
using testing::Entity;
using testing::HasRun;
using testing::Pieces;

std::vector<Entity> Drawn(const DxfDocument& doc) { return Entities(doc.DxfEntities.Lines()); }

std::vector<Entity> OfType(const std::vector<Entity>& all, const std::string& type) {
  std::vector<Entity> out;
  for (const Entity& e : all)
    if (e.type == type) out.push_back(e);
  return out;
}

// "x1 y1 x2 y2" of a LINE; "text@x,y" of a TEXT.
std::string Ends(const Entity& e) {
  return e.Value("10") + " " + e.Value("20") + " " + e.Value("11") + " " + e.Value("21");
}
std::string Placed(const Entity& e) { return e.Value("1") + "@" + e.Value("10") + "," + e.Value("20"); }

void SetGrid(Table<float, kMaxGridLines>& lines, std::initializer_list<float> values) {
  lines[0] = static_cast<float>(values.size());
  int i = 0;
  for (const float v : values) lines[++i] = v;
}

TEST(DxfPlan, OffsetColumnFootingMarkAndOffsetDimensions) {
  auto m = std::make_unique<Model>();
  m->NumSupports = 3;
  SetGrid(m->GridLinesY, {4, 10});
  FootingRecord& f = m->Footings[1];
  f.PosX = 6, f.PosY = 4, f.ColDepth = 450, f.ColWidth = 300, f.OffsetX = 1, f.FootSize = 1.6f;
  f.FootGroupNo = 2, f.ColType = 4;
  m->FootGroups[2].PedType = 1;
  // A 230 mm column keeps its centre, yet an offset set on it still gets its
  // (zero) dimensions.
  FootingRecord& wall = m->Footings[2];
  wall.PosX = 2, wall.PosY = 10, wall.ColDepth = 230, wall.ColWidth = 230, wall.OffsetX = -1, wall.OffsetY = 1;
  wall.FootSize = 1;
  // Plan y runs downwards in the drawing: the low side is drawn higher.
  FootingRecord& low = m->Footings[3];
  low.ColDepth = 300, low.ColWidth = 450, low.OffsetY = -1;

  DxfDocument doc;
  DxfFootingOutlines(doc, *m);
  const auto lines = doc.DxfEntities.Lines();
  EXPECT_TRUE(HasRun(lines, Pieces("VERTEX|5|50|8|0| 10|5.31| 20|5.2| 30|0|  0|VERTEX|5|51|8|0| 10|6.91| 20|5.2")));
  EXPECT_TRUE(HasRun(lines, Pieces("TEXT|8|Layout| 10|6.11| 20|6.55| 30|0| 40|0.15|1|F2/P1/C4")));
  EXPECT_TRUE(HasRun(lines, Pieces(" 10|5.885| 20|5.85| 30|0|  0|VERTEX|5|51|8|0| 10|6.335| 20|5.85| 30|0|  0|"
                                   "VERTEX|5|52|8|0| 10|6.335| 20|6.15| 30|0|  0|VERTEX|5|53|8|0| 10|5.885| 20|6.15")));
  EXPECT_TRUE(HasRun(lines, Pieces("VERTEX|5|50|8|0| 10|1.885| 20|-0.115")));

  DxfDocument dims;
  DxfOffsetDims(dims, *m);
  const auto all = Drawn(dims);
  ASSERT_EQ(all.size(), 4u);
  auto points = [](const Entity& e) {
    return e.Value("13") + "," + e.Value("23") + " " + e.Value("14") + "," + e.Value("24") + " line " +
           e.Value("10") + "," + e.Value("20") + " angle " + e.Value("50");
  };
  EXPECT_EQ(points(all[0]), "6,6 6.11,6 line 6,6.35 angle (none)");
  EXPECT_EQ(points(all[1]), "2,0 2,0 line 2,0.385 angle (none)");
  EXPECT_EQ(points(all[2]), "2,0 2,0 line 2.615,0 angle 90");
  EXPECT_EQ(points(all[3]), "0,10 0,10.11 line 0.65,10 angle 90");
}

TEST(DxfPlan, GridOfThreeLinesEachWayWithBubblesLabelsAndChains) {
  auto m = std::make_unique<Model>();
  SetGrid(m->GridLinesX, {0, 5, 10});
  SetGrid(m->GridLinesY, {0, 5, 10});
  DxfDocument doc;
  DxfGrid(doc, *m);
  DxfGridDims(doc, *m);
  const auto all = Drawn(doc);
  std::vector<std::string> lines, circles, texts, dims;
  for (const Entity& e : all) {
    EXPECT_EQ(e.Value("8"), e.type == "DIMENSION" ? "Layout" : "Grid");
    if (e.type == "LINE") lines.push_back(Ends(e));
    if (e.type == "CIRCLE") circles.push_back(e.Value("10") + "," + e.Value("20") + " r" + e.Value("40"));
    if (e.type == "TEXT") texts.push_back(Placed(e));
    if (e.type == "DIMENSION")
      dims.push_back(e.Value("2") + " " + e.Value("13") + "," + e.Value("23") + " " + e.Value("14") + "," +
                     e.Value("24") + " " + e.Value("50"));
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"-3 10 13 10", "-3 5 13 5", "-3 0 13 0", "0 -3 0 13", "5 -3 5 13",
                                             "10 -3 10 13"}));
  EXPECT_EQ(circles, (std::vector<std::string>{"-3.3,10 r0.3", "-3.3,5 r0.3", "-3.3,0 r0.3", "0,13.3 r0.3",
                                               "5,13.3 r0.3", "10,13.3 r0.3"}));
  EXPECT_EQ(texts, (std::vector<std::string>{"1@-3.3,9.88", "2@-3.3,4.88", "3@-3.3,-0.12", "A@0,13.15",
                                             "B@5,13.15", "C@10,13.15"}));
  EXPECT_EQ(dims, (std::vector<std::string>{"*D0 -2,5 -2,10 90", "*D1 -2,0 -2,5 90", "*D2 0,12 5,12 (none)",
                                            "*D3 5,12 10,12 (none)"}));
}

TEST(DxfPlan, GridLettersAreSingleBytesFromCode65EachOnOneLine) {
  auto m = std::make_unique<Model>();
  m->GridLinesX[0] = 100;  // letters up to 64 + 100
  SetGrid(m->GridLinesY, {0});
  DxfDocument doc;
  DxfGrid(doc, *m);
  const auto texts = OfType(Drawn(doc), "TEXT");
  ASSERT_EQ(texts.size(), 101u);
  EXPECT_EQ(texts[1].Value("1"), "A");
  EXPECT_EQ(texts[27].Value("1"), "[");
  EXPECT_EQ(texts[60].Value("1"), "|");
  EXPECT_EQ(texts[61].Value("1"), "}");
  EXPECT_EQ(texts[100].Value("1"), "\xA4");
}

TEST(DxfSchedules, RulesAndTextsOfTheFootingSchedule) {
  auto m = std::make_unique<Model>();
  m->FootGroupCount = 1;
  FootGroup& g = m->FootGroups[1];
  g.Size = 1.6f, g.Pedestal = 0.45f, g.Depth = 0.45f, g.BarDia = 12, g.BarText = "10   ( 160 mm )";
  DxfDocument doc;
  DxfFootingSchedule(doc, *m, 30, 15);
  const auto all = Drawn(doc);
  std::vector<std::string> rules, texts;
  for (const Entity& e : all) {
    if (e.type == "LINE") rules.push_back(Ends(e));
    if (e.type == "TEXT") texts.push_back(Placed(e));
    EXPECT_EQ(e.Value("8"), e.type == "TEXT" ? "TblText" : "Layout");
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"Group@31.5,14", "Size@34.5,14", "Pedast@37.5,14", "Depth@40.5,14",
                                             "Steel@43.5,14", "Nos  &  Spacing@50,14", "F1@31.5,13",
                                             "1.6@34.5,13", "0.45@37.5,13", "0.45@40.5,13", "12@43.5,13",
                                             "10   ( 160 mm )@50,13"}));
  EXPECT_EQ(rules, (std::vector<std::string>{
                       "30 14.75 55 14.75", "30 14.75 30 12.75",  // top and left
                       "30 13.75 55 13.75", "33 14.75 33 12.75", "33 13.75 55 13.75", "36 14.75 36 12.75",
                       "36 13.75 55 13.75", "39 14.75 39 12.75", "39 13.75 55 13.75", "42 14.75 42 12.75",
                       "42 13.75 55 13.75", "45 14.75 45 12.75", "45 13.75 55 13.75", "55 14.75 55 12.75",
                       "30 12.75 55 12.75", "33 12.75 55 12.75", "36 12.75 55 12.75", "39 12.75 55 12.75",
                       "42 12.75 55 12.75", "45 12.75 55 12.75"}));
  for (const Entity& e : OfType(all, "TEXT")) EXPECT_EQ(e.Value("40"), "0.5");

  // Without column types only the header of the column schedule is drawn.
  DxfDocument columns;
  DxfColumnSchedule(columns, *m, 30, 9);
  const auto header = Drawn(columns);
  std::vector<std::string> headerTexts;
  for (const Entity& e : OfType(header, "TEXT")) headerTexts.push_back(Placed(e));
  EXPECT_EQ(headerTexts, (std::vector<std::string>{"Group@31.5,8", "Size@36,8", "Pedast@41,8", "Steel@48,8",
                                                   "Ties@56,8"}));
  EXPECT_EQ(OfType(header, "LINE").size(), 12u);
  EXPECT_EQ(Ends(header.back()), "59 8.75 59 7.75");
}

TEST(SetColumnOffset, OnlyAnAxisLargerThanTheWallMoves) {
  auto m = std::make_unique<Model>();
  FootingRecord& f = m->Footings[3];
  f.ColDepth = 450, f.ColWidth = 230;
  SetColumnOffset(*m, 3, -1, 1);
  EXPECT_EQ(f.OffsetX, -1);
  EXPECT_EQ(f.OffsetY, 0);
  f.ColWidth = 231;
  SetColumnOffset(*m, 3, 0, 1);
  EXPECT_EQ(f.OffsetX, 0);
  EXPECT_EQ(f.OffsetY, 1);
  EXPECT_THROW(SetColumnOffset(*m, 3, 2, 0), RuntimeFailure);
}

}  // namespace
}  // namespace footmark
