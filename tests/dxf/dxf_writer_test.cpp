// The writer: fixed header and section texts, entity texts, the number
// format, dimension blocks and a file that is replaced only when complete.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>

#include "dxf/dxf_writer.h"
#include "model/failure.h"
#include "support/dxf_reading.h"
#include "support/test_files.h"

namespace footmark {
namespace {

using testing::CrLfLines;
using testing::HasRun;
using testing::Pieces;
using testing::ReadFile;
using testing::ScratchDir;

TEST(DxfWriteFile, EmptyDrawingIsHeaderTablesAndTwoEmptySections) {
  ScratchDir dir;
  const std::string file = dir.path() + "/empty.dxf";
  DxfWriteFile(DxfDocument{}, file);
  const std::string bytes = ReadFile(file);
  EXPECT_TRUE(bytes.starts_with("  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\nAC1009\r\n"));
  const auto lines = CrLfLines(bytes);
  ASSERT_EQ(lines.size(), 376u);  // 363 lines of header and tables
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 376);  // every line ends in CR LF
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 363, lines.end()),
            Pieces("SECTION|  2|BLOCKS|  0|ENDSEC|  0|SECTION|  2|ENTITIES|  0|ENDSEC|  0|EOF"));
  EXPECT_TRUE(bytes.ends_with("\r\nENDSEC\r\n  0\r\nEOF\r\n"));

  EXPECT_TRUE(HasRun(lines, Pieces("$EXTMIN| 10|  0| 20|  0| 30|  0|  9|$EXTMAX| 10|368| 20|326| 30|0.0|  9")));
  EXPECT_TRUE(HasRun(lines, Pieces("*ACTIVE| 70|     0| 10|0.0")));
  EXPECT_TRUE(HasRun(lines, Pieces(" 40|100.0| 41|1.55| 42|50.0")));
  EXPECT_TRUE(HasRun(lines, Pieces("$PSLTSCALE| 70|     1|  0|ENDSEC|  0|SECTION|  2|TABLES|  0|TABLE")));
  EXPECT_TRUE(HasRun(lines, Pieces("CONTINUOUS|  70|     0|  3|Solid Line| 72|    65| 73|     0| 40|0.0| 0|LTYPE")));
  EXPECT_TRUE(HasRun(lines, Pieces("  3| Center ____ _ ____ _ ____ _ ____ _ ____ _ ____ | 72|    65| 73|     4"
                                   "| 40|2.0|49|1.25 |49| -1.25 |49|0.25 |49| -0.25| 0|LTYPE|  2|DASHED")));
  EXPECT_TRUE(HasRun(lines, Pieces("  3| __  ___ | 72|    65| 73|     4| 40|0.75|49|0.5 |49| -1.25 |  0|ENDTAB")));
  EXPECT_TRUE(HasRun(lines, Pieces("  2|Grid| 70|     0| 62|     7| 6|CENTER| 0|LAYER|  2|TblText| 70|     0"
                                   "| 62|     7| 6|CONTINUOUS| 0|ENDTAB|  0|TABLE|  2|VIEW| 70|     0|  0|ENDTAB")));
  EXPECT_TRUE(HasRun(lines, Pieces("STANDARD| 70|     0|  3||  4||  5||  6||  7|| 40|1.0| 41|0.025")));
  EXPECT_TRUE(HasRun(lines, Pieces("147|0.0211| 71|     0")));
  EXPECT_TRUE(HasRun(lines, Pieces("178|     0|  0|ENDTAB|  0|ENDSEC|  0|SECTION|  2|BLOCKS")));
}

TEST(DxfPrimitives, EntityTextsAndTheNumberFormat) {
  DxfDocument doc;
  DxfAddLine(doc, "Layout", 0.3f, 368, -1.5f, 12345678, 0, -0.0f);
  DxfAddCircle(doc, "Grid", -3.3f, 10, 0, 0.3f);
  DxfAddText(doc, "TblText", 31.5f, 14, 0, 0.5f, "Nos  &  Spacing");
  DxfAddRectangle(doc, "Layout", 5.885f, 5.85f, 0, 6.335f, 6.15f, 1);
  EXPECT_EQ(doc.DxfEntities.Lines(),
            Pieces("LINE|8|Layout| 10|0.3| 20|368| 30|-1.5| 11|1.234568E+07| 21|0| 31|0|0|"
                   "CIRCLE|8|Grid| 10|-3.3| 20|10| 30|0| 40|0.3| 39|  0|0|"
                   "TEXT|8|TblText| 10|31.5| 20|14| 30|0| 40|0.5|1|Nos  &  Spacing| 50|  0| 71| 1| 72|  1"
                   "| 11|31.5| 21|14| 31|0.0 | 0|"
                   "POLYLINE|  5|48|  8|Layout|66|1| 10|0| 20|0| 30|0| 70|1|0|"
                   "VERTEX|5|50|8|0| 10|5.885| 20|5.85| 30|0|  0|VERTEX|5|51|8|0| 10|6.335| 20|5.85| 30|1|  0|"
                   "VERTEX|5|52|8|0| 10|6.335| 20|6.15| 30|1|  0|VERTEX|5|53|8|0| 10|5.885| 20|6.15| 30|0|  0|"
                   "SEQEND|0|"));
  EXPECT_TRUE(doc.DxfBlocks.Lines() == std::vector<std::string>{""});
}

TEST(DxfPrimitives, DimensionsNumberTheirBlocksAndWriteAngleAndTextOnlyWhenGiven) {
  DxfDocument doc;
  DxfAddDimension(doc, "Layout", 0, 12, 5, 12, 0, 12, 5, 12, 0, "None");
  DxfAddDimension(doc, "Layout", -2, 5, -2, 10, -2, 5.5f, -2, 10, 90, "none");
  const std::string xdata =
      "1001|ACAD|1000|DSTYLE|1002|{|1070|   287|1070|     3|1070|    40|1040|8.0|1070|   271|1070|     3"
      "|1070|   272|1070|     3|1070|   279|1070|     0|1002|}|  0|";
  EXPECT_EQ(doc.DxfEntities.Lines(),
            Pieces("DIMENSION|  8|Layout|  6|CONTINUOUS|  2|*D0| 10|0| 20|12| 30|0.0| 11|5| 21|12| 31|0.0"
                   "| 70|     0| 13|0| 23|12| 33|0.0| 14|5| 24|12| 34|0.0|" + xdata +
                   "DIMENSION|  8|Layout|  6|CONTINUOUS|  2|*D1| 10|-2| 20|5.5| 30|0.0| 11|-2| 21|10| 31|0.0"
                   "| 70|     0|  1|none| 13|-2| 23|5| 33|0.0| 14|-2| 24|10| 34|0.0| 50|90|" + xdata));
  EXPECT_EQ(doc.DxfBlocks.Lines(),
            Pieces("BLOCK|  8|0|  2|*D0|70|     1| 10|0.0| 20|0.0| 30|0.0|  3|*D0|  1||0|ENDBLK|  8|0|0|"
                   "BLOCK|  8|0|  2|*D1|70|     1| 10|0.0| 20|0.0| 30|0.0|  3|*D1|  1||0|ENDBLK|  8|0|0|"));
  EXPECT_EQ(doc.DxfDimCount, 2);
}

TEST(DxfWriteFile, AFailedWriteLeavesTheEarlierFileAndNoPartialFile) {
  ScratchDir dir;
  EXPECT_THROW(
      {
        try {
          DxfWriteFile(DxfDocument{}, dir.path() + "/no-such-folder/plan.dxf");
        } catch (const RuntimeFailure& e) {
          EXPECT_NE(std::string(e.what()).find("no-such-folder/plan.dxf"), std::string::npos) << e.what();
          throw;
        }
      },
      RuntimeFailure);

  // The earlier drawing is longer than a 16-bit line count could reach.
  const std::string earlier = dir.path() + "/plan.dxf";
  DxfDocument big;
  for (int i = 0; i < 2100; ++i) DxfAddLine(big, "Layout", 0, 0, 0, 1, 1, 0);
  DxfWriteFile(big, earlier);
  const std::string before = ReadFile(earlier);
  ASSERT_EQ(CrLfLines(before).size(), 376u + 2100 * 16);

  // A file size limit below the new drawing's size makes the write itself fail.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 65536;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  DxfAddCircle(big, "Grid", 0, 0, 0, 1);
  EXPECT_THROW(DxfWriteFile(big, earlier), RuntimeFailure);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(ReadFile(earlier), before);
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 1);
}

}  // namespace
}  // namespace footmark
