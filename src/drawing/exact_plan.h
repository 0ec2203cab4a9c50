// The plan of the footing layout: footings with their marks and columns, the
// grid with its bubbles, the dimension chains and the column offsets.
//
// The drawing's x is the plan X; its y is the plan y flipped about the highest
// grid line Ytop (a plan y v is drawn at Ytop - v).
#pragma once

#include "drawing/drawing.h"
#include "model/model.h"

namespace footmark {

// Per support: the footing square centred on the column, its mark
// "F2/P1/C4" 0.25 below the footing's upper edge, and the column.
void DxfFootingOutlines(Drawing& drawing, const Model& model);

// Grid lines 3 m past the outer lines, bubbles of radius 0.3 with the numbers
// 1, 2, ... on the left and the letters A, B, ... above, on layer "Grid".
void DxfGrid(Drawing& drawing, const Model& model);

// A vertical chain 2 m left of the first grid line and a horizontal chain
// 2 m above the highest one.
void DxfGridDims(Drawing& drawing, const Model& model);

// For every offset axis of a column, its distance from the grid point.
void DxfOffsetDims(Drawing& drawing, const Model& model);

}  // namespace footmark
