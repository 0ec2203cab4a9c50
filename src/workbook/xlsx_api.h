// libxlsxwriter, reached through one table of the functions we use.
//
// On Linux the library is loaded when the first workbook is written, not
// when the program starts: it brings OpenSSL's libcrypto along, whose loading
// costs every run of the batch front end more than writing its drawing.
// Elsewhere (the Windows build links it statically) the table holds the
// functions themselves.
#pragma once

#include <xlsxwriter.h>

namespace footmark::workbook {

#define FOOTMARK_XLSX_FUNCTIONS(X)                                                                            \
  X(workbook_new_opt) X(workbook_add_worksheet) X(workbook_add_format) X(workbook_set_properties)              \
  X(workbook_close) X(worksheet_write_string) X(worksheet_write_number) X(worksheet_write_datetime)           \
  X(worksheet_write_blank) X(worksheet_set_column) X(worksheet_set_row) X(worksheet_set_paper)                \
  X(worksheet_set_landscape) X(worksheet_repeat_rows) X(worksheet_print_area) X(worksheet_gridlines)          \
  X(worksheet_freeze_panes) X(worksheet_fit_to_pages) X(worksheet_autofilter) X(format_set_align)             \
  X(format_set_text_wrap) X(format_set_bold) X(format_set_top) X(format_set_bottom) X(format_set_bg_color)    \
  X(format_set_num_format) X(lxw_strerror) X(lxw_workbook_free) X(worksheet_set_header) X(worksheet_set_footer)

struct XlsxApi {
#define FOOTMARK_XLSX_POINTER(name) decltype(&::name) name = nullptr;
  FOOTMARK_XLSX_FUNCTIONS(FOOTMARK_XLSX_POINTER)
#undef FOOTMARK_XLSX_POINTER
};

// The functions; RuntimeFailure when the library cannot be loaded.
const XlsxApi& Xlsx();

}  // namespace footmark::workbook
