// The plan, the schedule tables and the export run: where everything lands, in singles, and repeatable files.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "dxf/drawing_export.h"
#include "dxf/dxf_writer.h"
#include "drawing/exact_plan.h"
#include "drawing/exact_schedules.h"
#include "model/column_offsets.h"
#include "model/numerics.h"
#include "support/dxf_reading.h"

namespace footmark {
namespace {

using Texts = std::vector<std::string>;

// Points as the exact file writes them.
std::string At(const DrawingPoint& p) { return NumText(p.x) + "," + NumText(p.y); }
std::string Ends(const DrawingEntity& e) { return At(e.a) + " " + At(e.b); }

void SetGrid(Table<float, kMaxGridLines>& lines, std::initializer_list<float> values) {
  lines[0] = static_cast<float>(values.size());
  int i = 0;
  for (const float v : values) lines[++i] = v;
}

// One support, its column offset along X or Y, drawn under the highest grid line 10.
struct ColumnCase {
  const char* what;
  float posX, posY, colWidth, colDepth;
  int16 offsetX, offsetY;
  Texts outlines;  // footing, mark text, column
  Texts dims;      // measured points, line point, angle
};

TEST(DxfPlan, ColumnCentresFootingsMarksAndOffsetDimensions) {
  const ColumnCase cases[] = {
      {"450 x 300 offset along X", 6, 4, 300, 450, 1, 0,
       {"5.31,5.2 6.91,6.8", "F2/P1/C4@6.11,6.55", "5.885,5.85 6.335,6.15"}, {"6,6 6.11,6 line 6,6.35 0"}},
      // cx = 8.61 rounded to single is 8.6099997: the file writes the
      // column's left edge as 8.384999 and the footing's as 7.809999, where a
      // centre kept in double gives 8.385 and 7.81.
      {"rounded centre", 8.5f, 4, 300, 450, 1, 0,
       {"7.809999,5.2 9.41,6.8", "F2/P1/C4@8.61,6.55", "8.384999,5.85 8.835,6.15"},
       {"8.5,6 8.61,6 line 8.5,6.35 0"}},
      // A 230 mm column keeps its centre, yet an offset set on it still gets its (zero-length) dimensions.
      {"230 wall", 2, 10, 230, 230, -1, 1, {"1.2,-0.8 2.8,0.8", "F2/P1/C4@2,0.55", "1.885,-0.115 2.115,0.115"},
       {"2,0 2,0 line 2,0.385 0", "2,0 2,0 line 2.615,0 90"}},
      // Plan y runs downwards in the drawing: the low side is drawn higher.
      // cy = 10.11 in single is 10.1099997, so its lower edges end in 9.
      {"offset along Y", 0, 0, 450, 300, 0, -1,
       {"-0.8,9.309999 0.8,10.91", "F2/P1/C4@0,10.66", "-0.15,9.884999 0.15,10.335"},
       {"0,10 0,10.11 line 0.65,10 90"}},
  };
  for (const ColumnCase& c : cases) {
    auto m = std::make_unique<Model>();
    m->NumSupports = 1;
    SetGrid(m->GridLinesY, {4, 10});
    FootingRecord& f = m->Footings[1];
    f.PosX = c.posX, f.PosY = c.posY, f.ColWidth = c.colWidth, f.ColDepth = c.colDepth;
    f.OffsetX = c.offsetX, f.OffsetY = c.offsetY, f.FootSize = 1.6f, f.FootGroupNo = 2, f.ColType = 4;
    m->FootGroups[2].PedType = 1;
    Drawing d;
    DxfFootingOutlines(d, *m);
    DxfOffsetDims(d, *m);
    Texts outlines, dims;
    for (const DrawingEntity& e : d.entities) {
      if (e.kind == EntityKind::kRectangle) outlines.push_back(Ends(e));
      if (e.kind == EntityKind::kText) outlines.push_back(e.text + "@" + At(e.a));
      if (e.kind == EntityKind::kDimension)
        dims.push_back(Ends(e) + " line " + At(e.line) + " " + NumText(e.angle));
    }
    EXPECT_EQ(outlines, c.outlines) << c.what;
    EXPECT_EQ(dims, c.dims) << c.what;
  }
}

TEST(DxfPlan, GridLinesBubblesLabelsAndChains) {
  auto m = std::make_unique<Model>();
  SetGrid(m->GridLinesX, {0, 5, 10});
  SetGrid(m->GridLinesY, {0, 5, 10});
  Drawing d;
  DxfGrid(d, *m);
  DxfGridDims(d, *m);
  Texts lines, circles, texts, dims;
  for (const DrawingEntity& e : d.entities) {
    EXPECT_EQ(e.layer, e.kind == EntityKind::kDimension ? "Layout" : "Grid");
    if (e.kind == EntityKind::kLine) lines.push_back(Ends(e));
    if (e.kind == EntityKind::kCircle) circles.push_back(At(e.a) + " r" + NumText(e.size));
    if (e.kind == EntityKind::kText) texts.push_back(e.text + "@" + At(e.a));
    if (e.kind == EntityKind::kDimension) dims.push_back(Ends(e) + " " + NumText(e.angle));
  }
  EXPECT_EQ(lines, (Texts{"-3,10 13,10", "-3,5 13,5", "-3,0 13,0", "0,-3 0,13", "5,-3 5,13", "10,-3 10,13"}));
  EXPECT_EQ(circles, (Texts{"-3.3,10 r0.3", "-3.3,5 r0.3", "-3.3,0 r0.3", "0,13.3 r0.3", "5,13.3 r0.3",
                            "10,13.3 r0.3"}));
  EXPECT_EQ(texts, (Texts{"1@-3.3,9.88", "2@-3.3,4.88", "3@-3.3,-0.12", "A@0,13.15", "B@5,13.15", "C@10,13.15"}));
  EXPECT_EQ(dims, (Texts{"-2,5 -2,10 90", "-2,0 -2,5 90", "0,12 5,12 0", "5,12 10,12 0"}));

  // Letters are single bytes from code 65 on, each one line of the file, "|" included.
  m->GridLinesX[0] = 100;
  SetGrid(m->GridLinesY, {0});
  Drawing many;
  DxfGrid(many, *m);
  texts.clear();
  for (const DrawingEntity& e : many.entities)
    if (e.kind == EntityKind::kText) texts.push_back(e.text);
  EXPECT_EQ(texts.size() == 101 ? texts[1] + texts[27] + texts[60] + texts[61] + texts[100] : "", "A[|}\xA4");
  EXPECT_TRUE(testing::HasRun(testing::CrLfLines(ExactDxfText(many)), {"|", " 50"})) << "\"|\" split a line";
}

TEST(DxfSchedules, RulesAndTextsOfTheTables) {
  auto m = std::make_unique<Model>();
  m->FootGroupCount = 1;
  FootGroup& g = m->FootGroups[1];
  g.Size = 1.6f, g.Pedestal = 0.45f, g.Depth = 0.45f, g.BarDia = 12, g.BarText = "10   ( 160 mm )";
  Drawing d;
  DxfFootingSchedule(d, *m, 30, 15);
  Texts texts;
  std::set<std::string> rows, rightEnds, columns, columnSpans;
  for (const DrawingEntity& e : d.entities) {
    EXPECT_EQ(e.layer, e.kind == EntityKind::kText ? "TblText" : "Layout");
    if (e.kind == EntityKind::kText) texts.push_back(e.text + "@" + At(e.a) + " h" + NumText(e.size));
    if (e.kind != EntityKind::kLine) continue;
    if (e.a.y == e.b.y) rows.insert(NumText(e.a.y)), rightEnds.insert(NumText(e.b.x));
    if (e.a.x == e.b.x) columns.insert(NumText(e.a.x)), columnSpans.insert(NumText(e.a.y) + ".." + NumText(e.b.y));
  }
  EXPECT_EQ(texts, (Texts{"Group@31.5,14 h0.5", "Size@34.5,14 h0.5", "Pedast@37.5,14 h0.5", "Depth@40.5,14 h0.5",
                          "Steel@43.5,14 h0.5", "Nos  &  Spacing@50,14 h0.5", "F1@31.5,13 h0.5", "1.6@34.5,13 h0.5",
                          "0.45@37.5,13 h0.5", "0.45@40.5,13 h0.5", "12@43.5,13 h0.5",
                          "10   ( 160 mm )@50,13 h0.5"}));
  // Rows 1.0 high from 0.25 above the header's text line; every rule ends at the right edge.
  EXPECT_EQ(rows, (std::set<std::string>{"14.75", "13.75", "12.75"})) << "row rules";
  EXPECT_EQ(rightEnds, std::set<std::string>{"55"}) << "rows end at the table's right edge";
  EXPECT_EQ(columns, (std::set<std::string>{"30", "33", "36", "39", "42", "45", "55"})) << "column rules";
  EXPECT_EQ(columnSpans, std::set<std::string>{"14.75..12.75"}) << "column rules run the full height";
  EXPECT_EQ(d.entities.size(), 12u + 2 + 6 * 2 + 6) << "texts, top and left rules, a rule per cell, column rules";

  // Without column types only the header of the column schedule is drawn.
  Drawing columnsOnly;
  DxfColumnSchedule(columnsOnly, *m, 30, 9);
  texts.clear();
  for (const DrawingEntity& e : columnsOnly.entities)
    if (e.kind == EntityKind::kText) texts.push_back(e.text + "@" + At(e.a));
  EXPECT_EQ(texts, (Texts{"Group@31.5,8", "Size@36,8", "Pedast@41,8", "Steel@48,8", "Ties@56,8"}));
}

TEST(ComposeDrawing, TablesBesideTheRightmostJointAndIdenticalRepeatedExports) {
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

  const Drawing drawing = ComposeDrawing(*m);
  const std::string first = ExactDxfText(drawing);
  EXPECT_EQ(ExactDxfText(ComposeDrawing(*m)), first) << "a second export of the same model";
  Texts groupTexts;
  for (const DrawingEntity& e : drawing.entities)
    if (e.kind == EntityKind::kText && e.text == "Group") groupTexts.push_back(At(e.a));
  // Footing schedule at y 15, column schedule at 12 - 3 size classes.
  EXPECT_EQ(groupTexts, (Texts{"31.5,14", "31.5,8"}));
  EXPECT_TRUE(testing::HasRun(testing::CrLfLines(first), {"*D1", " 10"})) << "two grid dimensions, blocks *D0 and *D1";
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
}

}  // namespace
}  // namespace footmark
