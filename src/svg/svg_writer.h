// The drawing as SVG, for a browser or the calculation report: plan, grid
// with bubbles, dimension chains with arrows and texts, both schedules.
//
// One drawing unit (a metre) is one SVG user unit, y flipped for the screen;
// the viewBox holds the drawing's extents with a margin, and the picture is
// sized for printing at 1:100. Self-contained: no fonts, images or styles
// from elsewhere.
#pragma once

#include <string>

#include "drawing/drawing.h"
#include "model/replace_file.h"

namespace footmark {

// One <text> per TEXT entity (marks, grid labels, schedule cells, empty cells
// included) and per dimension, grouped under the entity's layer as a class
// ("Layout", "Grid", "TblText"; dimensions in "Dimension").
std::string SvgText(const Drawing& drawing);
// The same, handed to `write` a piece at a time.
void WriteSvg(const Drawing& drawing, const PieceSink& write);

// Writes SvgText to fileName, replacing an earlier file only once the new
// one is complete (RuntimeFailure naming the file otherwise).
void SaveSvg(const Drawing& drawing, const std::string& fileName);

}  // namespace footmark
