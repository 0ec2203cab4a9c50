#include "workbook/sheet.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "workbook/xlsx_api.h"
#include "model/code_page.h"
#include "model/numerics.h"

namespace footmark::workbook {

namespace {

constexpr lxw_color_t kHeaderGrey = 0xD9D9D9;
constexpr lxw_color_t kGroupBlue = 0xDDEBF7;
constexpr lxw_color_t kFailRed = 0xFFC7CE;
constexpr lxw_color_t kWarnYellow = 0xFFEB9C;
constexpr std::uint8_t kPaperA4 = 9;  // Excel's paper code

// Widths in characters of the default font: a little air around the widest
// cell, and a limit past which a text rather runs into the next empty cell.
constexpr std::size_t kMinWidth = 6;
constexpr std::size_t kMaxWidth = 60;
// A wrapped line holds a little less than the column's width in characters;
// a line is the default row height in points.
constexpr double kWrapSlack = 4;
constexpr double kLineHeight = 15;

lxw_format* Filled(lxw_workbook* book, lxw_color_t color, bool bold) {
  lxw_format* f = Xlsx().workbook_add_format(book);
  Xlsx().format_set_bg_color(f, color);
  if (bold) Xlsx().format_set_bold(f);
  return f;
}

std::size_t Utf8Length(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

Styles::Styles(lxw_workbook* book)
    : header(Filled(book, kHeaderGrey, true)),
      group(Filled(book, kGroupBlue, true)),
      groupFail(Filled(book, kFailRed, true)),
      fail(Filled(book, kFailRed, false)),
      warning(Filled(book, kWarnYellow, false)),
      total(Xlsx().workbook_add_format(book)),
      date(Xlsx().workbook_add_format(book)),
      wrap(Xlsx().workbook_add_format(book)),
      book_(book) {
  Xlsx().format_set_bottom(header, LXW_BORDER_THIN);
  Xlsx().format_set_text_wrap(header);
  Xlsx().format_set_align(header, LXW_ALIGN_CENTER);
  Xlsx().format_set_align(header, LXW_ALIGN_VERTICAL_TOP);
  Xlsx().format_set_bold(total);
  Xlsx().format_set_top(total, LXW_BORDER_THIN);
  Xlsx().format_set_num_format(date, "yyyy-mm-dd hh:mm");
  Xlsx().format_set_align(date, LXW_ALIGN_LEFT);
  Xlsx().format_set_text_wrap(wrap);
  Xlsx().format_set_align(wrap, LXW_ALIGN_LEFT);  // the project page's numbers beside their items
  Xlsx().format_set_align(wrap, LXW_ALIGN_VERTICAL_TOP);
}

lxw_format* Styles::WithDecimals(lxw_format* base, int decimals) {
  lxw_format*& made = numbers_[{base, decimals}];
  if (made) return made;
  made = Xlsx().workbook_add_format(book_);
  // The base's own look: the formats above, made again with a number format.
  if (base == header || base == group || base == groupFail || base == fail || base == warning)
    Xlsx().format_set_bg_color(made, base == header ? kHeaderGrey
                                     : base == group ? kGroupBlue
                                     : base == warning ? kWarnYellow
                                                       : kFailRed);
  if (base == header || base == group || base == groupFail || base == total) Xlsx().format_set_bold(made);
  if (base == total) Xlsx().format_set_top(made, LXW_BORDER_THIN);
  const std::string pattern = decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0";
  Xlsx().format_set_num_format(made, pattern.c_str());
  return made;
}

namespace {

// Text of a print header or footer: "&" starts a code there.
std::string HeaderText(std::string_view text) {
  std::string out;
  for (const char c : text) out += c == '&' ? std::string("&&") : std::string(1, c);
  return out;
}

}  // namespace

Sheet::Sheet(Book& book, const char* name, const std::vector<std::string>& headers)
    : book_(book),
      ws_(Xlsx().workbook_add_worksheet(book.book, name)),
      columns_(static_cast<int>(headers.size())),
      written_(headers.size()),
      chars_(headers.size(), kMinWidth),
      wrapWidth_(headers.size()) {
  if (!ws_) {
    Note(LXW_ERROR_MEMORY_MALLOC_FAILED);
    return;
  }
  Xlsx().worksheet_freeze_panes(ws_, 1, 0);
  // On paper: A4 across, the table one page wide, its header on every page,
  // and the grid, or a text runs into the number before it.
  Xlsx().worksheet_gridlines(ws_, LXW_SHOW_ALL_GRIDLINES);
  Xlsx().worksheet_set_landscape(ws_);
  Xlsx().worksheet_set_paper(ws_, kPaperA4);
  Xlsx().worksheet_fit_to_pages(ws_, 1, 0);
  Note(Xlsx().worksheet_repeat_rows(ws_, 0, 0));
  const std::string head = "&L" + HeaderText(book.project) + "&R" + HeaderText(name);
  const std::string foot = "&L" + HeaderText(book.program) + "&RPage &P of &N";
  Note(Xlsx().worksheet_set_header(ws_, head.c_str()));
  Note(Xlsx().worksheet_set_footer(ws_, foot.c_str()));
  row_ = -1;
  HeaderRow(headers);
}

Sheet::~Sheet() {
  if (!ws_) return;
  FillRow();
  for (int c = 0; c < columns_; ++c) {
    if (wrapWidth_[static_cast<std::size_t>(c)] > 0) continue;
    const std::size_t w = std::min(chars_[static_cast<std::size_t>(c)] + 2, kMaxWidth);
    Note(Xlsx().worksheet_set_column(ws_, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), static_cast<double>(w), nullptr));
  }
  // Only the table: a long note running on to the right would shrink the page.
  Note(Xlsx().worksheet_print_area(ws_, 0, 0, static_cast<lxw_row_t>(row_), static_cast<lxw_col_t>(columns_ - 1)));
}

void Sheet::Note(lxw_error e) {
  if (book_.error == LXW_NO_ERROR) book_.error = e;
}

void Sheet::Fit(int col, std::size_t chars) {
  auto& widest = chars_[static_cast<std::size_t>(col)];
  widest = std::max(widest, chars);
  written_[static_cast<std::size_t>(col)] = true;
}

void Sheet::FillRow() {
  if (!rowFormat_ || row_ < 0) return;
  for (int c = 0; c < columns_; ++c)
    if (!written_[static_cast<std::size_t>(c)])
      Note(Xlsx().worksheet_write_blank(ws_, static_cast<lxw_row_t>(row_), static_cast<lxw_col_t>(c), rowFormat_));
}

void Sheet::NewRow(lxw_format* format) {
  if (!ws_) return;
  FillRow();
  ++row_;
  rowFormat_ = format;
  rowLines_ = 1;
  std::fill(written_.begin(), written_.end(), false);
}

void Sheet::HeaderRow(const std::vector<std::string>& headers) {
  NewRow(book_.styles.header);
  for (std::size_t c = 0; c < headers.size() && c < chars_.size(); ++c) Text(static_cast<int>(c), headers[c]);
}

void Sheet::Text(int col, std::string_view given) {
  if (!ws_) return;
  // The workbook's XML is UTF-8; texts of the analysis file are code page 1252.
  const std::string text = Utf8OrCp1252(given);
  const std::size_t chars = Utf8Length(text);
  Fit(col, chars);
  // Spreadsheet programs do not grow a row for wrapped text on opening.
  if (const double width = wrapWidth_[static_cast<std::size_t>(col)]; width > 0) {
    double lines = 0;
    for (std::size_t start = 0; start <= text.size();) {
      const std::size_t end = std::min(text.find('\n', start), text.size());
      lines += std::max(1.0, std::ceil(static_cast<double>(Utf8Length(text.substr(start, end - start))) /
                                       (width - kWrapSlack)));
      start = end + 1;
    }
    if (lines > rowLines_) {
      rowLines_ = lines;
      Note(Xlsx().worksheet_set_row(ws_, static_cast<lxw_row_t>(row_), lines * kLineHeight, nullptr));
    }
  }
  Note(Xlsx().worksheet_write_string(ws_, static_cast<lxw_row_t>(row_), static_cast<lxw_col_t>(col), text.c_str(),
                              rowFormat_));
}

void Sheet::Number(int col, double value) {
  if (!ws_) return;
  Fit(col, NumText(value).size());
  Note(Xlsx().worksheet_write_number(ws_, static_cast<lxw_row_t>(row_), static_cast<lxw_col_t>(col), value, rowFormat_));
}

void Sheet::Decimal(int col, double value, int decimals) {
  // The shortest text of the rounded value, read back (from_chars: no
  // locale's decimal comma in the way).
  const std::string text = DecimalText(value, decimals);
  if (const auto shown = StrictNumber(text))
    Number(col, *shown);
  else
    Text(col, text);  // no number at all ("inf")
}

void Sheet::Value(int col, double value, int kept, int shown) {
  if (!ws_) return;
  const std::string text = DecimalText(value, kept);
  const auto number = StrictNumber(text);
  if (!number) return Text(col, text);
  Fit(col, DecimalText(*number, shown, true).size());
  Note(Xlsx().worksheet_write_number(ws_, static_cast<lxw_row_t>(row_), static_cast<lxw_col_t>(col), *number,
                                     book_.styles.WithDecimals(rowFormat_, shown)));
}

void Sheet::Cell(int col, std::string_view text, int decimals) {
  if (const auto value = StrictNumber(text))
    Decimal(col, *value, decimals);
  else
    Text(col, text);
}

void Sheet::Date(int col, lxw_datetime when) {
  if (!ws_) return;
  Fit(col, 16);
  Note(Xlsx().worksheet_write_datetime(ws_, static_cast<lxw_row_t>(row_), static_cast<lxw_col_t>(col), &when,
                                book_.styles.date));
}

void Sheet::WrapColumn(int col, double width) {
  if (!ws_) return;
  wrapWidth_[static_cast<std::size_t>(col)] = width;
  Note(Xlsx().worksheet_set_column(ws_, static_cast<lxw_col_t>(col), static_cast<lxw_col_t>(col), width, book_.styles.wrap));
}

void Sheet::Filter() {
  if (!ws_ || row_ < 1) return;
  Note(Xlsx().worksheet_autofilter(ws_, 0, 0, static_cast<lxw_row_t>(row_), static_cast<lxw_col_t>(columns_ - 1)));
}

}  // namespace footmark::workbook
