// Both examples and the building at the tables' capacities, drawn by all three writers and read back by
// independent readers: ezdxf and LibreCAD for the portable DXF, an XML parser for the SVG
// (dxf/drawing_check.py compares both with the exact file).
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>

#include "bench/capacity_file.h"
#include "dxf/drawing_export.h"
#include "dxf/dxf_writer.h"
#include "model/text_stream.h"
#include "pipeline/pipeline.h"
#include "support/sheet_buildings.h"
#include "support/test_files.h"
#include "svg/svg_writer.h"

namespace footmark {
namespace {

struct Building {
  std::string name, analysis;
  std::vector<ColumnSide> offsets;
};

TEST(DrawingFiles, PortableDxfAndSvgReadBackAsTheExactDrawing) {
  const Building buildings[] = {
      {"frame-4x3", testing::ReadFile(testing::SourcePath("examples/frame-4x3-2storey.ANL")), {{2, -1, 0}, {8, 0, 1}}},
      {"frame-6x5", testing::ReadFile(testing::SourcePath("examples/frame-6x5-4storey.ANL")),
       {{1, 1, 1}, {5, -1, 0}, {7, 0, -1}, {8, -1, 0}, {27, 0, 1}}},
      {"capacity", bench::CapacityAnalysisFile(), {{1, 1, 1}, {60, -1, 1}, {200, 1, -1}}},
  };
  testing::ScratchDir dir;
  std::vector<std::string> files;
  for (const Building& b : buildings) {
    MemoryFileSystem fs;
    fs.Add(b.name + ".ANL", b.analysis);
    auto m = std::make_unique<Model>();
    testing::RecordingMessages ui;
    DesignJob(*m, {.AnalysisFile = b.name + ".ANL", .Sbc = "200", .Offsets = b.offsets}, fs, ui);
    const Drawing drawing = ComposeDrawing(*m);
    const std::string base = dir.path() + "/" + b.name;
    DxfWriteFile(drawing, base + ".dxf");
    SavePortableDxf(drawing, base + "-portable.dxf");
    SaveSvg(drawing, base + ".svg");
    for (const char* end : {".dxf", "-portable.dxf", ".svg"}) files.push_back(base + end);
  }
  const testing::ScriptRun check = testing::RunScript(FOOTMARK_EZDXF_PYTHON, "tests/dxf/drawing_check.py", files);
  EXPECT_EQ(check.status, 0) << check.output;
}

// The sheet of each building as the portable DXF and the SVG, read back by
// ezdxf, LibreCAD and an XML parser (drawing/sheet_check.py).
TEST(DrawingFiles, SheetReadsBackCleanOnItsPaper) {
  testing::ScratchDir dir;
  std::vector<std::string> files;
  for (const testing::SheetBuilding& b : testing::SheetBuildings()) {
    const auto d = testing::DesignSheet(b);
    const std::string base = dir.path() + "/" + b.name;
    SavePortableDxf(d.sheet.drawing, base + "-sheet.dxf");
    SaveSvg(d.sheet.drawing, base + "-sheet.svg");
    files.insert(files.end(), {base + "-sheet.dxf", base + "-sheet.svg"});
  }
  const testing::ScriptRun check = testing::RunScript(FOOTMARK_EZDXF_PYTHON, "tests/drawing/sheet_check.py", files);
  EXPECT_EQ(check.status, 0) << check.output;
}

}  // namespace
}  // namespace footmark
