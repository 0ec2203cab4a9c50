#include "cli/json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "model/code_page.h"

namespace footmark::cli {

void Json::Separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!first_.empty()) {
    if (!first_.back()) out_ += ',';
    first_.back() = false;
  }
}

Json& Json::BeginObject() {
  Separate();
  out_ += '{';
  first_.push_back(true);
  return *this;
}
Json& Json::EndObject() {
  out_ += '}';
  first_.pop_back();
  return *this;
}
Json& Json::BeginArray() {
  Separate();
  out_ += '[';
  first_.push_back(true);
  return *this;
}
Json& Json::EndArray() {
  out_ += ']';
  first_.pop_back();
  return *this;
}
Json& Json::Key(std::string_view key) {
  String(key);
  out_ += ':';
  afterKey_ = true;
  return *this;
}

Json& Json::String(std::string_view s) { return Text(s, true); }

Json& Json::FileName(std::string_view s) { return Text(s, false); }

Json& Json::Text(std::string_view s, bool latin1) {
  Separate();
  out_ += '"';
  for (unsigned char c : s) {
    switch (c) {
      case '"': out_ += "\\\""; break;
      case '\\': out_ += "\\\\"; break;
      case '\n': out_ += "\\n"; break;
      case '\r': out_ += "\\r"; break;
      case '\t': out_ += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out_ += buf;
        } else if (c >= 0x80 && latin1) {
          AppendUtf8(out_, Cp1252CodePoint(c));  // analysis files are single-byte text, code page 1252
        } else {
          out_ += static_cast<char>(c);
        }
    }
  }
  out_ += '"';
  return *this;
}

Json& Json::Int(std::int64_t v) {
  Separate();
  out_ += std::to_string(v);
  return *this;
}

Json& Json::Bool(bool v) {
  Separate();
  out_ += v ? "true" : "false";
  return *this;
}

Json& Json::Number(std::string_view text) {
  Separate();
  if (text.find_first_not_of("-+.0123456789eE") != std::string_view::npos || text.empty())
    out_ += "null";
  else
    out_ += text;
  return *this;
}

Json& Json::Float(float v) {
  Separate();
  if (!std::isfinite(v)) {
    out_ += "null";
    return *this;
  }
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  out_.append(buf, r.ptr);
  return *this;
}

}  // namespace footmark::cli
