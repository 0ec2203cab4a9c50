#include "drawing/exact_schedules.h"

#include <array>
#include <numeric>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "design/schedules.h"
#include "model/numerics.h"

namespace footmark {

namespace {

struct TableColumn {
  const char* header;
  int width;  // drawing units
};

// Texts (layer "TblText", height 0.5) are centred in their columns; rules
// are on the drawing's layer. Every row's rule is drawn once per cell, from
// the cell's left edge to the table's right edge; the column rules come with
// the header row and run over the full height.
//
// The positions (the bottom, each row's text line yr, each column's left
// edge xc) are singles like the corner (x, y); xc adds up the widths in
// single, one column at a time.
template <class Row>
void DrawTable(Drawing& drawing, float x, float y, std::span<const TableColumn> columns,
               const std::vector<Row>& rows) {
  const int total = std::accumulate(columns.begin(), columns.end(), 0,
                                    [](int sum, const TableColumn& c) { return sum + c.width; });
  const double top = y;
  const double bottom = Sng(top - static_cast<double>(rows.size()) - 1.0);
  const std::string& layer = drawing.DxfLayer;
  DxfAddLine(drawing, layer, x, Sng(top - 0.25), 0, Sng(x + static_cast<double>(total)), Sng(top - 0.25), 0);
  DxfAddLine(drawing, layer, x, Sng(top - 0.25), 0, x, Sng(bottom - 0.25), 0);
  for (std::size_t r = 0; r <= rows.size(); ++r) {
    const double yr = Sng(top - 1.0 - static_cast<double>(r));
    double xc = x;
    for (std::size_t c = 0; c < columns.size(); ++c) {
      const std::string_view cell = r == 0 ? columns[c].header : std::string_view(rows[r - 1][c]);
      DxfAddText(drawing, "TblText", Sng(xc + columns[c].width / 2.0), Sng(yr), 0, Sng(0.5), cell);
      DxfAddLine(drawing, layer, Sng(xc), Sng(yr - 0.25), 0, Sng(x + static_cast<double>(total)),
                 Sng(yr - 0.25), 0);
      xc = Sng(xc + columns[c].width);
      if (r == 0) DxfAddLine(drawing, layer, Sng(xc), Sng(top - 0.25), 0, Sng(xc), Sng(bottom - 0.25), 0);
    }
  }
}

constexpr std::array<TableColumn, 6> kFootingColumns{{
    {"Group", 3}, {"Size", 3}, {"Pedast", 3}, {"Depth", 3}, {"Steel", 3}, {"Nos  &  Spacing", 10}}};
constexpr std::array<TableColumn, 5> kColumnColumns{{
    {"Group", 3}, {"Size", 6}, {"Pedast", 4}, {"Steel", 10}, {"Ties", 6}}};

}  // namespace

void DxfFootingSchedule(Drawing& drawing, const Model& model, float x, float y) {
  DrawTable(drawing, x, y, kFootingColumns, FootingScheduleRows(model));
}

void DxfColumnSchedule(Drawing& drawing, const Model& model, float x, float y) {
  DrawTable(drawing, x, y, kColumnColumns, ColumnScheduleRows(model));
}

}  // namespace footmark
