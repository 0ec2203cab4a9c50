// The export run: what goes where in the file, and a repeatable result.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "dxf/drawing_export.h"
#include "support/dxf_reading.h"
#include "support/test_files.h"

namespace footmark {
namespace {

using testing::CrLfLines;
using testing::Entities;
using testing::ReadFile;
using testing::ScratchDir;

TEST(SaveDrawingDxf, TablesBesideTheRightmostJointAndIdenticalRepeatedExports) {
  auto m = std::make_unique<Model>();
  m->NumSupports = 1;
  FootingRecord& f = m->Footings[1];
  f.ColDepth = 450, f.ColWidth = 300, f.FootSize = 1.2f, f.FootGroupNo = 1, f.ColType = 1;
  m->GridLinesX[0] = 2, m->GridLinesX[2] = 12.5f;
  m->GridLinesY[0] = 2, m->GridLinesY[2] = 5;
  m->GridX[0] = 3, m->GridX[2] = 12.5f, m->GridX[3] = 20;  // a joint beyond the last column line
  m->ClassCount = 3;
  m->FootGroupCount = 1;
  m->FootGroups[1].Size = 1.2f;

  ScratchDir dir;
  const std::string first = dir.path() + "/first.dxf", second = dir.path() + "/second.dxf";
  SaveDrawingDxf(*m, first);
  SaveDrawingDxf(*m, second);
  const std::string bytes = ReadFile(first);
  EXPECT_EQ(ReadFile(second), bytes);

  const auto lines = CrLfLines(bytes);
  const auto entities = std::find(lines.begin(), lines.end(), "ENTITIES") + 2;
  std::vector<std::string> blocks, dims, groupTexts;
  for (const auto& e : Entities(lines, static_cast<std::size_t>(entities - lines.begin()))) {
    if (e.type == "DIMENSION") dims.push_back(e.Value("2"));
    if (e.type == "TEXT" && e.Value("1") == "Group") groupTexts.push_back(e.Value("10") + "," + e.Value("20"));
  }
  for (std::size_t i = 0; i + 2 < lines.size() && lines[i] != "ENTITIES"; ++i)
    if (lines[i] == "BLOCK") blocks.push_back(lines[i + 4]);
  EXPECT_EQ(dims, (std::vector<std::string>{"*D0", "*D1"}));
  EXPECT_EQ(blocks, dims);
  // Footing schedule at y 15, column schedule at 12 - 3 size classes.
  EXPECT_EQ(groupTexts, (std::vector<std::string>{"31.5,14", "31.5,8"}));
}

}  // namespace
}  // namespace footmark
