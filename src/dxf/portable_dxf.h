// The portable drawing: a composed drawing (the sheet, or the method's plan)
// as an R12 DXF (AC1009) that CAD programs other than AutoCAD draw alike.
//
// Where it differs from the exact file: dimension variables sized for a
// drawing in metres, the same in the header, the dimension style and the
// blocks; every dimension block holds its geometry (line, extension lines,
// arrows, text, definition points); unique handles on every entity; STYLE
// and APPID tables and a DEFPOINTS layer; consistent line types and table
// counts; real extents with the view centred on them; dimension texts and
// schedule numbers to the millimetre without float noise. A sheet brings its
// layers with their colours and line types, its paper in $PLIMMAX, line-type
// dashes scaled to its scale, and the primitives R12 has for its own:
// polylines with arcs (bulges), solids, and hatches as their lines. The
// entities are written in the drawing's order.
#pragma once

#include <string>

#include "drawing/drawing.h"
#include "model/replace_file.h"

namespace footmark {

// The whole file as CR LF lines, handed to `write` a piece at a time.
void WritePortableDxf(const Drawing& drawing, const PieceSink& write);
// The same, as one text.
std::string PortableDxfText(const Drawing& drawing);

}  // namespace footmark
