#include "dxf/dxf_lines.h"

#include "model/numerics.h"

namespace footmark {

DxfLines& DxfLines::Fixed(std::string_view text) {
  for (const char c : text) {
    if (c == '|')
      lines_.emplace_back();
    else
      lines_.back() += c;
  }
  return *this;
}

DxfLines& DxfLines::Value(std::string_view text) {
  lines_.back() += text;
  return *this;
}

DxfLines& DxfLines::Number(float value) { return Value(NumText(value)); }

DxfLines& DxfLines::Append(const DxfLines& more) {
  lines_.back() += more.lines_.front();
  lines_.insert(lines_.end(), more.lines_.begin() + 1, more.lines_.end());
  return *this;
}

}  // namespace footmark
