#include "model/text_stream.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "model/failure.h"
#include "model/platform_paths.h"

namespace footmark {

std::string_view TextStream::readline() {
  if (AtEndOfStream()) throw ProgramEnd("Input past end of file", LineNumber());
  const std::string_view text = content_->Text();
  const char* const p = text.data() + pos_;
  const char* const end = text.data() + text.size();
  // The next LF, then the first CR before it: a lone CR ends a line too.
  const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
  if (lf == nullptr) lf = end;
  const char* stop = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(lf - p)));
  if (stop == nullptr) stop = lf;
  // CR LF is one line end.
  pos_ = static_cast<std::size_t>(stop - text.data()) + (stop + 1 < end && stop[0] == '\r' && stop[1] == '\n' ? 2 : 1);
  ++line_;
  return {p, static_cast<std::size_t>(stop - p)};
}

namespace {

// Standard input ("-") to its end.
std::shared_ptr<const TextContent> ReadStandardInput() {
  std::string text;
  char buf[1 << 16];
  while (const std::size_t n = std::fread(buf, 1, sizeof buf, stdin)) text.append(buf, n);
  if (std::ferror(stdin)) throw ProgramEnd(std::string("Cannot read standard input: ") + std::strerror(errno));
  return std::make_shared<const TextContent>(std::move(text));
}

// The whole file in one read, into a block with a byte to spare: a file
// that grows meanwhile fills it, and the block doubles.
std::shared_ptr<const TextContent> ReadWhole(const std::string& path) {
  if (path == "-") return ReadStandardInput();
  std::error_code ec;
  if (std::filesystem::is_directory(PathFromUtf8(path), ec))
    throw ProgramEnd("Cannot read \"" + path + "\": it is a folder, not an analysis file");
  std::FILE* f = OpenFileUtf8(path, "rb");
  if (f == nullptr) throw ProgramEnd("Cannot open \"" + path + "\": " + std::strerror(errno));
  const auto size = std::filesystem::file_size(PathFromUtf8(path), ec);
  ZeroedBlock block(ec ? std::size_t{1} << 16 : static_cast<std::size_t>(size) + 1);
  std::size_t used = 0;
  bool failed = false;
  for (;;) {
    used += std::fread(static_cast<char*>(block.Data()) + used, 1, block.Bytes() - used, f);
    if (used < block.Bytes()) {
      failed = std::ferror(f) != 0;
      break;
    }
    ZeroedBlock larger(block.Bytes() * 2);
    std::memcpy(larger.Data(), block.Data(), used);
    block = std::move(larger);
  }
  std::fclose(f);
  if (failed) throw ProgramEnd("Cannot read \"" + path + "\"");
  return std::make_shared<const TextContent>(std::move(block), used);
}

}  // namespace

TextStream FileSystem::OpenTextFile(const std::string& path) const {
  auto& content = read_[path];
  if (!content) content = ReadWhole(path);
  return TextStream(content);
}

TextStream MemoryFileSystem::OpenTextFile(const std::string& path) const {
  const auto it = files_.find(path);
  if (it == files_.end()) throw ProgramEnd("Cannot open \"" + path + "\": no such file");
  return TextStream(it->second);
}

}  // namespace footmark
