// One table on one sheet of a workbook: a bold header row frozen above the
// data, rows of text and number cells, each column as wide as its widest
// cell. Numbers are number cells, written as our outputs show them.
#pragma once

#include <xlsxwriter.h>

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace footmark::workbook {

// The cell formats every sheet shares.
struct Styles {
  explicit Styles(lxw_workbook* book);
  lxw_format* header;     // bold, grey, a rule below
  lxw_format* group;      // a footing group's own row among its checks
  lxw_format* groupFail;  // the same for a group that fails or is not designed
  lxw_format* fail;       // a failing check: light red
  lxw_format* warning;    // a check that warns: light yellow
  lxw_format* total;      // bold, a rule above
  lxw_format* date;
  lxw_format* wrap;       // long texts: the method's assumptions

  // `base` (one of the above, or none) showing numbers to `decimals` places;
  // made once for each pair.
  lxw_format* WithDecimals(lxw_format* base, int decimals);

 private:
  lxw_workbook* book_;
  std::map<std::pair<lxw_format*, int>, lxw_format*> numbers_;
};

// The workbook being built, and the first error any write met: libxlsxwriter
// reports by return value, and the file is only worth writing when all went in.
struct Book {
  explicit Book(lxw_workbook* b) : book(b), styles(b) {}
  lxw_workbook* book;
  Styles styles;
  lxw_error error = LXW_NO_ERROR;
  // What every printed page of every sheet says at its head (the project)
  // and its foot (the program, the date), beside the sheet's name and the
  // page number.
  std::string project, program;
};

class Sheet {
 public:
  // A new sheet named `name` with its header row.
  Sheet(Book& book, const char* name, const std::vector<std::string>& headers);
  // Sets the column widths.
  ~Sheet();
  Sheet(const Sheet&) = delete;
  Sheet& operator=(const Sheet&) = delete;

  // Starts the next row. With a format every cell of the row takes it, the
  // empty ones too, so a highlight runs across the whole table.
  void NewRow(lxw_format* format = nullptr);
  // A row of header cells further down the sheet (a second table).
  void HeaderRow(const std::vector<std::string>& headers);

  void Text(int col, std::string_view text);
  // A count or other whole number, as it is.
  void Number(int col, double value);
  // A measured value rounded to `decimals` places as our outputs print it,
  // so that the cell holds 0.45 and not the float 0.449999988.
  void Decimal(int col, double value, int decimals);
  // A value as the JSON keeps it (rounded to `kept` places), shown to
  // `shown` places by the cell's number format.
  void Value(int col, double value, int kept, int shown);
  // A schedule cell: a number rounded as Decimal when the text reads as
  // one ("0.4750001", a float as the drawing prints it, gives 0.475), else
  // the text.
  void Cell(int col, std::string_view text, int decimals);
  void Date(int col, lxw_datetime when);

  // Fixed width and wrapped text for a column of long texts, before its
  // cells: each row grows to the lines of its text.
  void WrapColumn(int col, double width);
  // A drop-down filter on the header over the rows written so far.
  void Filter();

 private:
  void Note(lxw_error e);
  void Fit(int col, std::size_t chars);
  void FillRow();

  Book& book_;
  lxw_worksheet* ws_;
  int columns_;
  int row_ = 0;
  lxw_format* rowFormat_ = nullptr;
  double rowLines_ = 1;            // lines of the current row's tallest wrapped text
  std::vector<bool> written_;      // cells of the current row
  std::vector<std::size_t> chars_; // widest cell of each column
  std::vector<double> wrapWidth_;  // columns of wrapped text: their width; else 0
};

}  // namespace footmark::workbook
