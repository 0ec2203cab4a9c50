// A small JSON writer: objects, arrays, strings, numbers. Floats are written
// as the shortest text that reads back to the same single-precision value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace footmark::cli {

class Json {
 public:
  Json& BeginObject();
  Json& EndObject();
  Json& BeginArray();
  Json& EndArray();
  Json& Key(std::string_view key);
  // Text from the analysis file: single bytes of code page 1252.
  Json& String(std::string_view s);
  // A file name as the system gave it: UTF-8 already.
  Json& FileName(std::string_view s);
  Json& Int(std::int64_t v);
  Json& Float(float v);
  Json& Bool(bool v);
  // A number already written as text (DecimalText); one that is not finite
  // becomes null.
  Json& Number(std::string_view text);

  // Shorthands for a keyed value inside an object.
  Json& Field(std::string_view key, std::string_view s) { return Key(key).String(s); }
  Json& Field(std::string_view key, const char* s) { return Key(key).String(s); }
  Json& Field(std::string_view key, std::int64_t v) { return Key(key).Int(v); }
  Json& Field(std::string_view key, int v) { return Key(key).Int(v); }
  Json& Field(std::string_view key, std::int16_t v) { return Key(key).Int(v); }
  Json& Field(std::string_view key, float v) { return Key(key).Float(v); }

  const std::string& str() const { return out_; }
  // The text written, taken out of the writer.
  std::string Take() && { return std::move(out_); }

 private:
  Json& Text(std::string_view s, bool latin1);
  void Separate();
  std::string out_;
  std::vector<bool> first_;  // per open container: no element written yet
  bool afterKey_ = false;
};

}  // namespace footmark::cli
