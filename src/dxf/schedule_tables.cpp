#include "dxf/schedule_tables.h"

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
// are on the document's layer. Every row's rule is drawn once per cell, from
// the cell's left edge to the table's right edge; the column rules come with
// the header row and run over the full height.
template <class Row>
void DrawTable(DxfDocument& doc, float x, float y, std::span<const TableColumn> columns,
               const std::vector<Row>& rows) {
  const double total = std::accumulate(columns.begin(), columns.end(), 0.0,
                                       [](double sum, const TableColumn& c) { return sum + c.width; });
  const double bottom = y - static_cast<double>(rows.size()) - 1.0;
  const std::string& layer = doc.DxfLayer;
  DxfAddLine(doc, layer, x, Sng(y - 0.25), 0, Sng(x + total), Sng(y - 0.25), 0);
  DxfAddLine(doc, layer, x, Sng(y - 0.25), 0, x, Sng(bottom - 0.25), 0);
  for (std::size_t r = 0; r <= rows.size(); ++r) {
    const double yr = y - 1.0 - static_cast<double>(r);
    double xc = x;
    for (std::size_t c = 0; c < columns.size(); ++c) {
      const std::string_view cell = r == 0 ? columns[c].header : std::string_view(rows[r - 1][c]);
      DxfAddText(doc, "TblText", Sng(xc + columns[c].width / 2.0), Sng(yr), 0, Sng(0.5), cell);
      DxfAddLine(doc, layer, Sng(xc), Sng(yr - 0.25), 0, Sng(x + total), Sng(yr - 0.25), 0);
      xc += columns[c].width;
      if (r == 0) DxfAddLine(doc, layer, Sng(xc), Sng(y - 0.25), 0, Sng(xc), Sng(bottom - 0.25), 0);
    }
  }
}

constexpr std::array<TableColumn, 6> kFootingColumns{{
    {"Group", 3}, {"Size", 3}, {"Pedast", 3}, {"Depth", 3}, {"Steel", 3}, {"Nos  &  Spacing", 10}}};
constexpr std::array<TableColumn, 5> kColumnColumns{{
    {"Group", 3}, {"Size", 6}, {"Pedast", 4}, {"Steel", 10}, {"Ties", 6}}};

}  // namespace

void DxfFootingSchedule(DxfDocument& doc, const Model& model, float x, float y) {
  DrawTable(doc, x, y, kFootingColumns, FootingScheduleRows(model));
}

void DxfColumnSchedule(DxfDocument& doc, const Model& model, float x, float y) {
  DrawTable(doc, x, y, kColumnColumns, ColumnScheduleRows(model));
}

}  // namespace footmark
