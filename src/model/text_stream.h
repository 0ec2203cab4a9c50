// Our file-system layer: text files read line by line, as the readers expect
// (open, read line, end of stream, close). Lines end in CRLF, LF or a lone CR;
// the line end is not part of the line.
//
// A file is read into memory once; every pass over it serves its lines as
// views into that one copy.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "model/big_memory.h"

namespace footmark {

// The text of a file, shared by every stream opened on it.
class TextContent {
 public:
  explicit TextContent(std::string text) : text_(std::move(text)), view_(text_) {}
  // The first `size` bytes of a block a file was read into.
  TextContent(ZeroedBlock block, std::size_t size)
      : block_(std::move(block)), view_(static_cast<const char*>(block_.Data()), size) {}
  std::string_view Text() const { return view_; }

 private:
  std::string text_;
  ZeroedBlock block_;
  std::string_view view_;
};

class TextStream {
 public:
  explicit TextStream(std::string text) : TextStream(std::make_shared<const TextContent>(std::move(text))) {}
  explicit TextStream(std::shared_ptr<const TextContent> content) : content_(std::move(content)) {}
  // The next line, valid while the stream (or another one on the same file)
  // lives. Reading past the end is a fault of the caller.
  std::string_view readline();
  bool AtEndOfStream() const { return pos_ >= content_->Text().size(); }
  // 1-based number of the last line read (0 before the first).
  int LineNumber() const { return line_; }
  void Close() { pos_ = content_->Text().size(); }

 private:
  std::shared_ptr<const TextContent> content_;
  std::size_t pos_ = 0;
  int line_ = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens a text file for reading; a file that cannot be read ends the
  // program (ProgramEnd) with a message that names it. The file is read from
  // the disk at its first opening only; "-" is standard input.
  virtual TextStream OpenTextFile(const std::string& path) const;

 private:
  mutable std::map<std::string, std::shared_ptr<const TextContent>> read_;
};

// Files held in memory, for tests and the fuzzer.
class MemoryFileSystem : public FileSystem {
 public:
  void Add(const std::string& path, std::string content) {
    files_[path] = std::make_shared<const TextContent>(std::move(content));
  }
  TextStream OpenTextFile(const std::string& path) const override;

 private:
  std::map<std::string, std::shared_ptr<const TextContent>> files_;
};

}  // namespace footmark
