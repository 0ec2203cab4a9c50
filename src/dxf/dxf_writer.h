// The DXF R12 writer: one document's buffers, the entity primitives that add
// to them, and the file.
//
// Coordinates are drawing units (metres). Every float is written in the
// drawing's number format; layers and texts are written as given, one line
// each, whatever bytes they hold.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dxf/dxf_lines.h"
#include "model/model.h"

namespace footmark {

struct DxfDocument {
  DxfLines DxfEntities;   // body of the ENTITIES section, in the order added
  DxfLines DxfBlocks;     // one empty anonymous block per dimension
  int16 DxfDimCount = 0;  // number of the next block "*D0", "*D1", ...
  // Layer of outlines, dimensions and table rules.
  std::string DxfLayer = "Layout";
};

void DxfAddLine(DxfDocument& doc, std::string_view layer, float x1, float y1, float z1, float x2, float y2,
                float z2);
void DxfAddCircle(DxfDocument& doc, std::string_view layer, float cx, float cy, float cz, float radius);
// A TEXT centred horizontally on (x, y).
void DxfAddText(DxfDocument& doc, std::string_view layer, float x, float y, float z, float height,
                std::string_view text);
// A linear DIMENSION from the extension-line origins (x1, y1) and (x2, y2),
// its line through (dx, dy), its text at (tx, ty), rotated by angle degrees;
// the text "None" lets the reader show the measured distance. Adds the
// dimension's anonymous block.
void DxfAddDimension(DxfDocument& doc, std::string_view layer, float x1, float y1, float x2, float y2, float dx,
                     float dy, float tx, float ty, float angle, std::string_view text);
// A closed four-vertex POLYLINE with corners (x1, y1) and (x2, y2).
void DxfAddRectangle(DxfDocument& doc, std::string_view layer, float x1, float y1, float z1, float x2, float y2,
                     float z2);
// Appends the empty block "*D" + DxfDimCount and counts it.
void DxfAddDimBlock(DxfDocument& doc);

// Every line of the file: header and tables, blocks, entities, "EOF".
std::vector<std::string> DxfFileLines(const DxfDocument& doc);

// Writes the file, each line ended by CR LF, single-byte text. The file is
// replaced only once it is complete: on a failure (RuntimeFailure naming the
// file) an earlier file of that name is left as it was.
void DxfWriteFile(const DxfDocument& doc, const std::string& fileName);

}  // namespace footmark
