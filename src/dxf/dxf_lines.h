// DXF text held as the lines of the file.
//
// The format's fixed text is written as one string whose "|" separates lines
// ("LINE|8|"): Fixed() splits it there. A value from the caller (a layer, a
// text, a number) goes into the current line as it stands, so a "|" or any
// other byte inside it never starts a new line. Without a "|" in the values,
// the lines are exactly those of the joined string split at every "|".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace footmark {

class DxfLines {
 public:
  DxfLines& Fixed(std::string_view text);
  DxfLines& Value(std::string_view text);
  // A single-precision value in the drawing's number format (0.3, 368, -1.5,
  // 1.234568E+07).
  DxfLines& Number(float value);
  // Joins more's text after this one's: more's first line continues the
  // current line.
  DxfLines& Append(const DxfLines& more);

  // Every line; the last one is still open (empty after a closing "|").
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_{std::string()};
};

}  // namespace footmark
