#include "dxf/dxf_writer.h"

#include "dxf/dxf_sections.h"
#include "model/replace_file.h"
#include "model/numerics.h"

namespace footmark {

void DxfAddLine(DxfDocument& doc, std::string_view layer, float x1, float y1, float z1, float x2, float y2,
                float z2) {
  DxfLines& e = doc.DxfEntities;
  e.Fixed("LINE|8|").Value(layer);
  e.Fixed("| 10|").Number(x1).Fixed("| 20|").Number(y1).Fixed("| 30|").Number(z1);
  e.Fixed("| 11|").Number(x2).Fixed("| 21|").Number(y2).Fixed("| 31|").Number(z2);
  e.Fixed("|0|");
}

void DxfAddCircle(DxfDocument& doc, std::string_view layer, float cx, float cy, float cz, float radius) {
  DxfLines& e = doc.DxfEntities;
  e.Fixed("CIRCLE|8|").Value(layer);
  e.Fixed("| 10|").Number(cx).Fixed("| 20|").Number(cy).Fixed("| 30|").Number(cz);
  e.Fixed("| 40|").Number(radius).Fixed("| 39|  0|0|");
}

void DxfAddText(DxfDocument& doc, std::string_view layer, float x, float y, float z, float height,
                std::string_view text) {
  DxfLines& e = doc.DxfEntities;
  e.Fixed("TEXT|8|").Value(layer);
  e.Fixed("| 10|").Number(x).Fixed("| 20|").Number(y).Fixed("| 30|").Number(z);
  e.Fixed("| 40|").Number(height).Fixed("|1|").Value(text);
  // Centred (72 = 1): readers place the text by its alignment point, the
  // same point again.
  e.Fixed("| 50|  0| 71| 1| 72|  1| 11|").Number(x).Fixed("| 21|").Number(y);
  e.Fixed("| 31|0.0 | 0|");
}

void DxfAddDimension(DxfDocument& doc, std::string_view layer, float x1, float y1, float x2, float y2, float dx,
                     float dy, float tx, float ty, float angle, std::string_view text) {
  DxfLines& e = doc.DxfEntities;
  e.Fixed("DIMENSION|  8|").Value(layer).Fixed("|  6|CONTINUOUS|  2|*D").Value(IntText(doc.DxfDimCount));
  e.Fixed("| 10|").Number(dx).Fixed("| 20|").Number(dy).Fixed("| 30|0.0");
  e.Fixed("| 11|").Number(tx).Fixed("| 21|").Number(ty).Fixed("| 31|0.0");
  // Without group 1 the reader writes the measured distance.
  e.Fixed("| 70|     0");
  if (text != "None") e.Fixed("|  1|").Value(text);
  e.Fixed("| 13|").Number(x1).Fixed("| 23|").Number(y1).Fixed("| 33|0.0");
  e.Fixed("| 14|").Number(x2).Fixed("| 24|").Number(y2).Fixed("| 34|0.0");
  if (angle != 0) e.Fixed("| 50|").Number(angle);
  // Dimension-style overrides as extended data of the application "ACAD":
  // DIMFIT (287) 3, DIMSCALE (40) 8, DIMDEC (271) and DIMTDEC (272) 3,
  // DIMTMOVE (279) 0.
  e.Fixed("|1001|ACAD|1000|DSTYLE|1002|{|1070|   287|1070|     3|1070|    40|1040|8.0|1070|   271|1070|     3"
          "|1070|   272|1070|     3|1070|   279|1070|     0|1002|}|  0|");
  DxfAddDimBlock(doc);
}

void DxfAddRectangle(DxfDocument& doc, std::string_view layer, float x1, float y1, float z1, float x2, float y2,
                     float z2) {
  DxfLines& e = doc.DxfEntities;
  // The handles repeat from rectangle to rectangle: R12 readers ignore
  // handles unless the header switches them on, and this header does not.
  e.Fixed("POLYLINE|  5|48|  8|").Value(layer).Fixed("|66|1| 10|0| 20|0| 30|0| 70|1|0|");
  e.Fixed("VERTEX|5|50|8|0| 10|").Number(x1).Fixed("| 20|").Number(y1).Fixed("| 30|").Number(z1).Fixed("|  0|");
  e.Fixed("VERTEX|5|51|8|0| 10|").Number(x2).Fixed("| 20|").Number(y1).Fixed("| 30|").Number(z2).Fixed("|  0|");
  e.Fixed("VERTEX|5|52|8|0| 10|").Number(x2).Fixed("| 20|").Number(y2).Fixed("| 30|").Number(z2).Fixed("|  0|");
  e.Fixed("VERTEX|5|53|8|0| 10|").Number(x1).Fixed("| 20|").Number(y2).Fixed("| 30|").Number(z1).Fixed("|  0|");
  e.Fixed("SEQEND|0|");
}

void DxfAddDimBlock(DxfDocument& doc) {
  const std::string name = "*D" + IntText(doc.DxfDimCount);
  doc.DxfBlocks.Fixed("BLOCK|  8|0|  2|").Value(name).Fixed("|70|     1| 10|0.0| 20|0.0| 30|0.0|  3|").Value(name);
  doc.DxfBlocks.Fixed("|  1||0|ENDBLK|  8|0|0|");
  doc.DxfDimCount = ToInt16(doc.DxfDimCount + 1.0);
}

std::vector<std::string> DxfFileLines(const DxfDocument& doc) {
  DxfLines file;
  file.Fixed(DxfHeaderText());
  file.Fixed(DxfBlocksHead()).Append(doc.DxfBlocks).Fixed(DxfSectionEnd());
  file.Fixed(DxfEntitiesHead()).Append(doc.DxfEntities).Fixed(DxfSectionEnd());
  file.Fixed(DxfEof());
  return file.Lines();
}

void DxfWriteFile(const DxfDocument& doc, const std::string& fileName) {
  std::string text;
  for (const std::string& line : DxfFileLines(doc)) {
    text += line;
    text += "\r\n";
  }
  ReplaceFile(fileName, text);
}

}  // namespace footmark
