#include "drawing/exact_plan.h"

#include <string>

#include "design/schedules.h"
#include "model/column_offsets.h"
#include "model/numerics.h"

namespace footmark {

namespace {

// Every named value (Ytop, the column centre cx, cy, the half side h, the
// grid line's y, the chains' xd and yd, the grid point's yg) is a single,
// rounded once where it is worked out; every coordinate passed is one formula
// of those singles evaluated in double and rounded to single once. Singles
// held in a double below are only widened for those formulas.

int Count(const Table<float, kMaxGridLines>& lines) { return ToInt16(lines[0]); }

float Ytop(const Model& model) { return model.GridLinesY[Count(model.GridLinesY)]; }

struct Centre {
  float cx, cy;
};

// An offset column lines one of its faces up with the 230 mm wall on the
// grid line (model/column_offsets.h).
Centre ColumnCentre(const FootingRecord& f, double ytop) {
  return {Sng(ColumnShift(f.ColDepth, f.OffsetX) + f.PosX), Sng(ytop - (ColumnShift(f.ColWidth, f.OffsetY) + f.PosY))};
}

}  // namespace

void DxfFootingOutlines(Drawing& drawing, const Model& model) {
  const double ytop = Ytop(model);
  for (int i = 1; i <= model.NumSupports; ++i) {
    const FootingRecord& f = model.Footings[i];
    const Centre c = ColumnCentre(f, ytop);
    const double cx = c.cx, cy = c.cy, h = Sng(f.FootSize / 2.0);
    DxfAddRectangle(drawing, drawing.DxfLayer, Sng(cx - h), Sng(cy - h), 0, Sng(cx + h), Sng(cy + h), 0);
    DxfAddText(drawing, drawing.DxfLayer, c.cx, Sng(cy + h - 0.25), 0, Sng(0.15), FootingMark(model, i));
    const double hx = f.ColDepth / 2000.0, hy = f.ColWidth / 2000.0;
    DxfAddRectangle(drawing, drawing.DxfLayer, Sng(cx - hx), Sng(cy - hy), 0, Sng(cx + hx), Sng(cy + hy), 0);
  }
}

void DxfGrid(Drawing& drawing, const Model& model) {
  const Table<float, kMaxGridLines>& gx = model.GridLinesX;
  const Table<float, kMaxGridLines>& gy = model.GridLinesY;
  const int nx = Count(gx), ny = Count(gy);
  const double ytop = Ytop(model);
  for (int i = 1; i <= ny; ++i) {
    const float y = Sng(ytop - gy[i]);
    DxfAddLine(drawing, "Grid", Sng(gx[1] - 3.0), y, 0, Sng(gx[nx] + 3.0), y, 0);
    DxfAddCircle(drawing, "Grid", Sng(gx[1] - 3.3), y, 0, Sng(0.3));
    DxfAddText(drawing, "Grid", Sng(gx[1] - 3.3), Sng(y - 0.12), 0, Sng(0.25), IntText(i));
  }
  // The lettered lines take the plan y unflipped; both agree when the lowest
  // grid line is at 0.
  for (int j = 1; j <= nx; ++j) {
    const float x = gx[j];
    DxfAddLine(drawing, "Grid", x, Sng(gy[1] - 3.0), 0, x, Sng(gy[ny] + 3.0), 0);
    DxfAddCircle(drawing, "Grid", x, Sng(gy[ny] + 3.3), 0, Sng(0.3));
    // One byte per letter: past "Z" come "[", "\", "]", ...
    DxfAddText(drawing, "Grid", x, Sng(gy[ny] + 3.15), 0, Sng(0.25), std::string(1, static_cast<char>(64 + j)));
  }
}

void DxfGridDims(Drawing& drawing, const Model& model) {
  const Table<float, kMaxGridLines>& gx = model.GridLinesX;
  const Table<float, kMaxGridLines>& gy = model.GridLinesY;
  const int nx = Count(gx), ny = Count(gy);
  const double ytop = Ytop(model);
  const float xd = Sng(gx[1] - 2.0);
  for (int i = 2; i <= ny; ++i) {
    const float a = Sng(ytop - gy[i]), b = Sng(ytop - gy[i - 1]);
    DxfAddDimension(drawing, drawing.DxfLayer, xd, a, xd, b, xd, a, xd, b, 90, "None");
  }
  const float yd = Sng(gy[ny] + 2.0);
  for (int j = 2; j <= nx; ++j)
    DxfAddDimension(drawing, drawing.DxfLayer, gx[j - 1], yd, gx[j], yd, gx[j - 1], yd, gx[j], yd, 0, "None");
}

void DxfOffsetDims(Drawing& drawing, const Model& model) {
  const double ytop = Ytop(model);
  for (int i = 1; i <= model.NumSupports; ++i) {
    const FootingRecord& f = model.Footings[i];
    const auto [cx, cy] = ColumnCentre(f, ytop);
    const float yg = Sng(ytop - f.PosY);
    if (f.OffsetX != 0) {
      const float line = Sng(yg - (f.ColWidth / 2000.0 - 0.5));
      DxfAddDimension(drawing, drawing.DxfLayer, f.PosX, yg, cx, yg, f.PosX, line, cx, line, 0, "None");
    }
    if (f.OffsetY != 0) {
      // The dimension line stands 0.5 m beyond the column's half depth.
      const float line = Sng(f.PosX + f.ColDepth / 2000.0 + 0.5);
      DxfAddDimension(drawing, drawing.DxfLayer, f.PosX, yg, f.PosX, cy, line, yg, line, yg, 90, "None");
    }
  }
}

}  // namespace footmark
