// The writer: fixed header and tables, entity texts, number format, dimension blocks, safe replace.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
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

std::uint64_t Fnv1a(const std::string& bytes) {
  std::uint64_t h = 14695981039346656037u;
  for (const unsigned char c : bytes) h = (h ^ c) * 1099511628211u;
  return h;
}

TEST(DxfWriteFile, EmptyDrawingIsTheFixedHeaderAndTablesThenTwoEmptySections) {
  ScratchDir dir;
  DxfWriteFile(DxfDocument{}, dir.path() + "/empty.dxf");
  const std::string bytes = ReadFile(dir.path() + "/empty.dxf");
  const auto lines = CrLfLines(bytes);
  ASSERT_EQ(lines.size(), 376u);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 376);  // every line ends in CR LF
  // The whole file in one number: any changed byte of the 363 header and table lines shows here.
  EXPECT_EQ(Fnv1a(bytes), 3597321230215020329u) << bytes;
  // A few pieces, readable on failure.
  for (const char* run : {"  0|SECTION|  2|HEADER|  9|$ACADVER|  1|AC1009|  9|$INSBASE",
                          "$EXTMIN| 10|  0| 20|  0| 30|  0|  9|$EXTMAX| 10|368| 20|326| 30|0.0|  9",
                          "  0|ENDSEC|  0|SECTION|  2|BLOCKS|  0|ENDSEC|  0|SECTION|  2|ENTITIES|  0|ENDSEC|  0|EOF"})
    EXPECT_TRUE(HasRun(lines, Pieces(run))) << run;
}

TEST(DxfPrimitives, EntityTextsNumberFormatAndDimensionBlocks) {
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
  EXPECT_EQ(doc.DxfBlocks.Lines(), std::vector<std::string>{""});

  // Dimensions number their blocks and write the angle and the text only when given.
  doc = DxfDocument{};
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

// The earlier file outgrows a 16-bit line count; a file size limit makes the new write fail.
TEST(DxfWriteFile, AFailedWriteLeavesTheEarlierFileAndNoPartialFile) {
  ScratchDir dir;
  const std::string earlier = dir.path() + "/plan.dxf";
  DxfDocument big;
  for (int i = 0; i < 2100; ++i) DxfAddLine(big, "Layout", 0, 0, 0, 1, 1, 0);
  DxfWriteFile(big, earlier);
  const std::string before = ReadFile(earlier);
  ASSERT_EQ(CrLfLines(before).size(), 376u + 2100 * 16);

  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  const rlimit small{65536, old.rlim_max};
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  DxfAddCircle(big, "Grid", 0, 0, 0, 1);
  EXPECT_THROW(DxfWriteFile(big, earlier), RuntimeFailure);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(ReadFile(earlier), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace footmark
