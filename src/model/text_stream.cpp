#include "model/text_stream.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "model/failure.h"

namespace footmark {

TextContent::TextContent(std::string text) : text_(std::move(text)) {
  const char* const begin = text_.data();
  const char* const end = begin + text_.size();
  lines_.reserve(text_.size() / 40 + 1);
  for (const char* p = begin; p < end;) {
    // The next LF, then the first CR before it: a lone CR ends a line too.
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    if (lf == nullptr) lf = end;
    const char* stop = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(lf - p)));
    if (stop == nullptr) stop = lf;
    lines_.emplace_back(p, static_cast<std::size_t>(stop - p));
    // CR LF is one line end.
    p = stop + (stop + 1 < end && stop[0] == '\r' && stop[1] == '\n' ? 2 : 1);
  }
}

std::string_view TextStream::readline() {
  if (AtEndOfStream()) throw ProgramEnd("Input past end of file", LineNumber());
  return content_->Lines()[next_++];
}

namespace {

// The whole file in one read.
std::string ReadWhole(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec))
    throw ProgramEnd("Cannot read \"" + path + "\": it is a folder, not an analysis file");
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) throw ProgramEnd("Cannot open \"" + path + "\": " + std::strerror(errno));
  // Read straight into the string: one more byte than the size tells a file
  // that grew, and the string doubles for it.
  const auto size = std::filesystem::file_size(path, ec);
  std::string text(ec ? std::size_t{1} << 16 : static_cast<std::size_t>(size) + 1, '\0');
  std::size_t used = 0;
  bool failed = false;
  for (;;) {
    used += std::fread(text.data() + used, 1, text.size() - used, f);
    if (used < text.size()) {
      failed = std::ferror(f) != 0;
      break;
    }
    text.resize(text.size() * 2);
  }
  text.resize(used);
  std::fclose(f);
  if (failed) throw ProgramEnd("Cannot read \"" + path + "\"");
  return text;
}

}  // namespace

TextStream FileSystem::OpenTextFile(const std::string& path) const {
  auto& content = read_[path];
  if (!content) content = std::make_shared<const TextContent>(ReadWhole(path));
  return TextStream(content);
}

TextStream MemoryFileSystem::OpenTextFile(const std::string& path) const {
  const auto it = files_.find(path);
  if (it == files_.end()) throw ProgramEnd("Cannot open \"" + path + "\": no such file");
  return TextStream(it->second);
}

}  // namespace footmark
