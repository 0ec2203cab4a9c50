// The drawing as SVG, for a browser or the calculation report.
//
// One drawing unit (a metre) is one SVG user unit, y flipped for the screen.
// A composed sheet: its sheets one below the other, each an <svg> of its
// paper size (mm) showing its rectangle of the drawing, so that a browser
// prints them at scale; every layer styled with its pen and plot colour.
// The method's drawing: one picture of its extents with a margin, sized for
// printing at 1:100. Self-contained: no fonts, images or styles from
// elsewhere.
#pragma once

#include <string>
#include <vector>

#include "drawing/drawing.h"
#include "model/replace_file.h"

namespace footmark {

// One <text> per TEXT entity (marks, grid labels, schedule cells, empty cells
// included) and per dimension, grouped under the entity's layer as a class
// ("Layout", "Grid", "TblText"; dimensions in "Dimension").
std::string SvgText(const Drawing& drawing);
// The same, handed to `write` a piece at a time.
void WriteSvg(const Drawing& drawing, const PieceSink& write);

// Each sheet as a standalone <svg> element without the XML prolog, for a
// page each in the calculation report (the method's drawing: one).
std::vector<std::string> SvgSheets(const Drawing& drawing);

// Writes SvgText to fileName, replacing an earlier file only once the new
// one is complete (RuntimeFailure naming the file otherwise).
void SaveSvg(const Drawing& drawing, const std::string& fileName);

}  // namespace footmark
