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

// A drawing's sheets in SVG, each sheet's picture made once for the SVG file
// and the report's pages alike. Holds a reference to the drawing.
class SvgSheetSet {
 public:
  explicit SvgSheetSet(const Drawing& drawing);
  // The text of SvgText, a piece at a time.
  void Write(const PieceSink& write) const;
  // The pages of SvgSheets.
  std::vector<std::string> Pages() const;
  // Those pages one after the other, as the calculation report takes them.
  std::string PagesText() const;

 private:
  void AppendPage(std::string& text, std::size_t sheet) const;

  const Drawing& drawing_;
  std::string style_;
  std::vector<std::string> pictures_;  // each sheet's paper and entities, its closing tag included
};

// Writes SvgText to fileName, replacing an earlier file only once the new
// one is complete (RuntimeFailure naming the file otherwise).
void SaveSvg(const Drawing& drawing, const std::string& fileName);
void SaveSvg(const SvgSheetSet& sheets, const std::string& fileName);

}  // namespace footmark
