// The plan, the schedule tables and the export run: where everything lands, and repeatable files.
#include <gtest/gtest.h>

#include <memory>

#include "dxf/drawing_export.h"
#include "dxf/plan_drawing.h"
#include "dxf/schedule_tables.h"
#include "model/column_offsets.h"
#include "model/failure.h"
#include "support/dxf_reading.h"
#include "support/test_files.h"

namespace footmark {
namespace {

using testing::Entities;
using testing::Entity;
using testing::HasRun;
using testing::Pieces;
using Texts = std::vector<std::string>;

std::vector<Entity> Drawn(const DxfDocument& doc) { return Entities(doc.DxfEntities.Lines()); }
std::string At(const Entity& e, const char* x, const char* y) { return e.Value(x) + "," + e.Value(y); }
std::string Ends(const Entity& e) { return At(e, "10", "20") + " " + At(e, "11", "21"); }
std::string Placed(const Entity& e) { return e.Value("1") + "@" + At(e, "10", "20"); }
std::string Measured(const Entity& e) { return At(e, "13", "23") + " " + At(e, "14", "24"); }  // a dimension's

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
  // A 230 mm column keeps its centre, yet an offset set on it still gets its (zero-length) dimensions.
  FootingRecord& wall = m->Footings[2];
  wall.PosX = 2, wall.PosY = 10, wall.ColDepth = 230, wall.ColWidth = 230, wall.OffsetX = -1, wall.OffsetY = 1;
  wall.FootSize = 1;
  // Plan y runs downwards in the drawing: the low side is drawn higher.
  FootingRecord& low = m->Footings[3];
  low.ColDepth = 300, low.ColWidth = 450, low.OffsetY = -1;

  DxfDocument doc;
  DxfFootingOutlines(doc, *m);
  for (const char* run : {"VERTEX|5|50|8|0| 10|5.31| 20|5.2| 30|0|  0|VERTEX|5|51|8|0| 10|6.91| 20|5.2",
                          "TEXT|8|Layout| 10|6.11| 20|6.55| 30|0| 40|0.15|1|F2/P1/C4",
                          " 10|5.885| 20|5.85| 30|0|  0|VERTEX|5|51|8|0| 10|6.335| 20|5.85| 30|0|  0|VERTEX|5|52|8|0"
                          "| 10|6.335| 20|6.15| 30|0|  0|VERTEX|5|53|8|0| 10|5.885| 20|6.15"})
    EXPECT_TRUE(HasRun(doc.DxfEntities.Lines(), Pieces(run))) << run;

  DxfDocument dims;
  DxfOffsetDims(dims, *m);
  Texts points;
  for (const Entity& e : Drawn(dims))
    points.push_back(Measured(e) + " line " + At(e, "10", "20") + " " + e.Value("50"));
  EXPECT_EQ(points, (Texts{"6,6 6.11,6 line 6,6.35 (none)", "2,0 2,0 line 2,0.385 (none)",
                           "2,0 2,0 line 2.615,0 90", "0,10 0,10.11 line 0.65,10 90"}));
}

TEST(DxfPlan, GridLinesBubblesLabelsAndChains) {
  auto m = std::make_unique<Model>();
  SetGrid(m->GridLinesX, {0, 5, 10});
  SetGrid(m->GridLinesY, {0, 5, 10});
  DxfDocument doc;
  DxfGrid(doc, *m);
  DxfGridDims(doc, *m);
  Texts lines, circles, texts, dims;
  for (const Entity& e : Drawn(doc)) {
    EXPECT_EQ(e.Value("8"), e.type == "DIMENSION" ? "Layout" : "Grid");
    if (e.type == "LINE") lines.push_back(Ends(e));
    if (e.type == "CIRCLE") circles.push_back(At(e, "10", "20") + " r" + e.Value("40"));
    if (e.type == "TEXT") texts.push_back(Placed(e));
    if (e.type == "DIMENSION") dims.push_back(e.Value("2") + " " + Measured(e) + " " + e.Value("50"));
  }
  EXPECT_EQ(lines, (Texts{"-3,10 13,10", "-3,5 13,5", "-3,0 13,0", "0,-3 0,13", "5,-3 5,13", "10,-3 10,13"}));
  EXPECT_EQ(circles, (Texts{"-3.3,10 r0.3", "-3.3,5 r0.3", "-3.3,0 r0.3", "0,13.3 r0.3", "5,13.3 r0.3",
                            "10,13.3 r0.3"}));
  EXPECT_EQ(texts, (Texts{"1@-3.3,9.88", "2@-3.3,4.88", "3@-3.3,-0.12", "A@0,13.15", "B@5,13.15", "C@10,13.15"}));
  EXPECT_EQ(dims, (Texts{"*D0 -2,5 -2,10 90", "*D1 -2,0 -2,5 90", "*D2 0,12 5,12 (none)", "*D3 5,12 10,12 (none)"}));

  // Letters are single bytes from code 65 on, each on one line, "|" included.
  m->GridLinesX[0] = 100;
  SetGrid(m->GridLinesY, {0});
  DxfDocument many;
  DxfGrid(many, *m);
  texts.clear();
  for (const Entity& e : Drawn(many))
    if (e.type == "TEXT") texts.push_back(e.Value("1"));
  EXPECT_EQ(texts.size() == 101 ? texts[1] + texts[27] + texts[60] + texts[61] + texts[100] : "", "A[|}\xA4");
}

TEST(DxfSchedules, RulesAndTextsOfTheTables) {
  auto m = std::make_unique<Model>();
  m->FootGroupCount = 1;
  FootGroup& g = m->FootGroups[1];
  g.Size = 1.6f, g.Pedestal = 0.45f, g.Depth = 0.45f, g.BarDia = 12, g.BarText = "10   ( 160 mm )";
  DxfDocument doc;
  DxfFootingSchedule(doc, *m, 30, 15);
  Texts rules, texts;
  for (const Entity& e : Drawn(doc)) {
    if (e.type == "LINE") rules.push_back(Ends(e));
    if (e.type == "TEXT") texts.push_back(Placed(e) + " h" + e.Value("40"));
    EXPECT_EQ(e.Value("8"), e.type == "TEXT" ? "TblText" : "Layout");
  }
  EXPECT_EQ(texts, (Texts{"Group@31.5,14 h0.5", "Size@34.5,14 h0.5", "Pedast@37.5,14 h0.5", "Depth@40.5,14 h0.5",
                          "Steel@43.5,14 h0.5", "Nos  &  Spacing@50,14 h0.5", "F1@31.5,13 h0.5", "1.6@34.5,13 h0.5",
                          "0.45@37.5,13 h0.5", "0.45@40.5,13 h0.5", "12@43.5,13 h0.5",
                          "10   ( 160 mm )@50,13 h0.5"}));
  EXPECT_EQ(rules, (Texts{"30,14.75 55,14.75", "30,14.75 30,12.75",  // top and left
                          "30,13.75 55,13.75", "33,14.75 33,12.75", "33,13.75 55,13.75", "36,14.75 36,12.75",
                          "36,13.75 55,13.75", "39,14.75 39,12.75", "39,13.75 55,13.75", "42,14.75 42,12.75",
                          "42,13.75 55,13.75", "45,14.75 45,12.75", "45,13.75 55,13.75", "55,14.75 55,12.75",
                          "30,12.75 55,12.75", "33,12.75 55,12.75", "36,12.75 55,12.75", "39,12.75 55,12.75",
                          "42,12.75 55,12.75", "45,12.75 55,12.75"}));

  // Without column types only the header of the column schedule is drawn.
  DxfDocument columns;
  DxfColumnSchedule(columns, *m, 30, 9);
  texts.clear();
  for (const Entity& e : Drawn(columns))
    if (e.type == "TEXT") texts.push_back(Placed(e));
  EXPECT_EQ(texts, (Texts{"Group@31.5,8", "Size@36,8", "Pedast@41,8", "Steel@48,8", "Ties@56,8"}));
}

TEST(SaveDrawingDxf, TablesBesideTheRightmostJointAndIdenticalRepeatedExports) {
  auto m = std::make_unique<Model>();
  m->NumSupports = 1;
  FootingRecord& f = m->Footings[1];
  f.ColDepth = 450, f.ColWidth = 300, f.FootSize = 1.2f, f.FootGroupNo = 1, f.ColType = 1;
  SetGrid(m->GridLinesX, {0, 12.5f});
  SetGrid(m->GridLinesY, {0, 5});
  m->GridX[0] = 3, m->GridX[2] = 12.5f, m->GridX[3] = 20;  // a joint beyond the last column line
  m->ClassCount = 3;
  m->FootGroupCount = 1;
  m->FootGroups[1].Size = 1.2f;

  testing::ScratchDir dir;
  SaveDrawingDxf(*m, dir.path() + "/first.dxf");
  SaveDrawingDxf(*m, dir.path() + "/second.dxf");
  const std::string bytes = testing::ReadFile(dir.path() + "/first.dxf");
  EXPECT_EQ(testing::ReadFile(dir.path() + "/second.dxf"), bytes);  // block numbers restart at *D0

  const auto lines = testing::CrLfLines(bytes);
  const auto entities = std::find(lines.begin(), lines.end(), "ENTITIES") + 2;
  Texts dims, groupTexts;
  for (const auto& e : Entities(lines, static_cast<std::size_t>(entities - lines.begin()))) {
    if (e.type == "DIMENSION") dims.push_back(e.Value("2"));
    if (e.type == "TEXT" && e.Value("1") == "Group") groupTexts.push_back(At(e, "10", "20"));
  }
  EXPECT_EQ(dims, (Texts{"*D0", "*D1"}));
  // Footing schedule at y 15, column schedule at 12 - 3 size classes.
  EXPECT_EQ(groupTexts, (Texts{"31.5,14", "31.5,8"}));
}

TEST(SetColumnOffset, OnlyAnAxisLargerThanTheWallMoves) {
  auto m = std::make_unique<Model>();
  FootingRecord& f = m->Footings[3];
  f.ColDepth = 450, f.ColWidth = 230;
  SetColumnOffset(*m, 3, -1, 1);
  EXPECT_EQ(std::pair(f.OffsetX, f.OffsetY), (std::pair<int16, int16>(-1, 0)));
  f.ColWidth = 231;
  SetColumnOffset(*m, 3, 0, 1);
  EXPECT_EQ(std::pair(f.OffsetX, f.OffsetY), (std::pair<int16, int16>(0, 1)));
  EXPECT_THROW(SetColumnOffset(*m, 3, 2, 0), RuntimeFailure);
}

}  // namespace
}  // namespace footmark
