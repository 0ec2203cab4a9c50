#include "dxf/plan_drawing.h"

#include <string>

#include "design/schedules.h"
#include "model/numerics.h"

namespace footmark {

namespace {

// Coordinates are worked out in double from the model's singles and rounded
// to single once, as they are passed to a primitive.

int Count(const Table<float, kMaxGridLines>& lines) { return ToInt16(lines[0]); }

double Ytop(const Model& model) { return model.GridLinesY[Count(model.GridLinesY)]; }

struct Centre {
  double cx, cy;
};

// An offset column moves by half the difference between its side and the
// 0.23 m wall, which brings one of its faces in line with a face of the wall
// centred on the grid line.
Centre ColumnCentre(const FootingRecord& f, double ytop) {
  return {(f.ColDepth / 1000.0 - 0.23) / 2 * f.OffsetX + f.PosX,
          ytop - ((f.ColWidth / 1000.0 - 0.23) / 2 * f.OffsetY + f.PosY)};
}

}  // namespace

void DxfFootingOutlines(DxfDocument& doc, const Model& model) {
  const double ytop = Ytop(model);
  for (int i = 1; i <= model.NumSupports; ++i) {
    const FootingRecord& f = model.Footings[i];
    const auto [cx, cy] = ColumnCentre(f, ytop);
    const double h = f.FootSize / 2.0;
    DxfAddRectangle(doc, doc.DxfLayer, Sng(cx - h), Sng(cy - h), 0, Sng(cx + h), Sng(cy + h), 0);
    DxfAddText(doc, doc.DxfLayer, Sng(cx), Sng(cy + h - 0.25), 0, Sng(0.15), FootingMark(model, i));
    const double hx = f.ColDepth / 2000.0, hy = f.ColWidth / 2000.0;
    DxfAddRectangle(doc, doc.DxfLayer, Sng(cx - hx), Sng(cy - hy), 0, Sng(cx + hx), Sng(cy + hy), 0);
  }
}

void DxfGrid(DxfDocument& doc, const Model& model) {
  const Table<float, kMaxGridLines>& gx = model.GridLinesX;
  const Table<float, kMaxGridLines>& gy = model.GridLinesY;
  const int nx = Count(gx), ny = Count(gy);
  const double ytop = Ytop(model);
  for (int i = 1; i <= ny; ++i) {
    const double y = ytop - gy[i];
    DxfAddLine(doc, "Grid", Sng(gx[1] - 3.0), Sng(y), 0, Sng(gx[nx] + 3.0), Sng(y), 0);
    DxfAddCircle(doc, "Grid", Sng(gx[1] - 3.3), Sng(y), 0, Sng(0.3));
    DxfAddText(doc, "Grid", Sng(gx[1] - 3.3), Sng(y - 0.12), 0, Sng(0.25), IntText(i));
  }
  // The lettered lines take the plan y unflipped; both agree when the lowest
  // grid line is at 0.
  for (int j = 1; j <= nx; ++j) {
    const float x = gx[j];
    DxfAddLine(doc, "Grid", x, Sng(gy[1] - 3.0), 0, x, Sng(gy[ny] + 3.0), 0);
    DxfAddCircle(doc, "Grid", x, Sng(gy[ny] + 3.3), 0, Sng(0.3));
    // One byte per letter: past "Z" come "[", "\", "]", ...
    DxfAddText(doc, "Grid", x, Sng(gy[ny] + 3.15), 0, Sng(0.25), std::string(1, static_cast<char>(64 + j)));
  }
}

void DxfGridDims(DxfDocument& doc, const Model& model) {
  const Table<float, kMaxGridLines>& gx = model.GridLinesX;
  const Table<float, kMaxGridLines>& gy = model.GridLinesY;
  const int nx = Count(gx), ny = Count(gy);
  const double ytop = Ytop(model);
  const float xd = Sng(gx[1] - 2.0);
  for (int i = 2; i <= ny; ++i) {
    const float a = Sng(ytop - gy[i]), b = Sng(ytop - gy[i - 1]);
    DxfAddDimension(doc, doc.DxfLayer, xd, a, xd, b, xd, a, xd, b, 90, "None");
  }
  const float yd = Sng(gy[ny] + 2.0);
  for (int j = 2; j <= nx; ++j)
    DxfAddDimension(doc, doc.DxfLayer, gx[j - 1], yd, gx[j], yd, gx[j - 1], yd, gx[j], yd, 0, "None");
}

void DxfOffsetDims(DxfDocument& doc, const Model& model) {
  const double ytop = Ytop(model);
  for (int i = 1; i <= model.NumSupports; ++i) {
    const FootingRecord& f = model.Footings[i];
    const auto [cx, cy] = ColumnCentre(f, ytop);
    const double yg = ytop - f.PosY;
    if (f.OffsetX != 0) {
      const float line = Sng(yg - (f.ColWidth / 2000.0 - 0.5));
      DxfAddDimension(doc, doc.DxfLayer, f.PosX, Sng(yg), Sng(cx), Sng(yg), f.PosX, line, Sng(cx), line, 0, "None");
    }
    if (f.OffsetY != 0) {
      // The dimension line stands 0.5 m beyond the column's half depth.
      const float line = Sng(f.PosX + f.ColDepth / 2000.0 + 0.5);
      DxfAddDimension(doc, doc.DxfLayer, f.PosX, Sng(yg), f.PosX, Sng(cy), line, Sng(yg), line, Sng(yg), 90,
                      "None");
    }
  }
}

}  // namespace footmark
