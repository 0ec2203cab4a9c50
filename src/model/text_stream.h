// Our file-system layer: text files read line by line, as the readers expect
// (open, read line, end of stream, close). Lines end in CRLF, LF or a lone CR;
// the line end is not part of the line.
//
// A file is read into memory once and its lines are found once; every pass
// over it then serves the lines as views into that one copy.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace footmark {

// The text of a file and its lines, shared by every stream opened on it.
class TextContent {
 public:
  explicit TextContent(std::string text);
  const std::vector<std::string_view>& Lines() const { return lines_; }

 private:
  std::string text_;
  std::vector<std::string_view> lines_;  // views into text_
};

class TextStream {
 public:
  explicit TextStream(std::string text) : TextStream(std::make_shared<const TextContent>(std::move(text))) {}
  explicit TextStream(std::shared_ptr<const TextContent> content) : content_(std::move(content)) {}
  // The next line, valid while the stream (or another one on the same file)
  // lives. Reading past the end is a fault of the caller.
  std::string_view readline();
  bool AtEndOfStream() const { return next_ >= content_->Lines().size(); }
  // 1-based number of the last line read (0 before the first).
  int LineNumber() const { return static_cast<int>(next_); }
  void Close() { next_ = content_->Lines().size(); }

 private:
  std::shared_ptr<const TextContent> content_;
  std::size_t next_ = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens a text file for reading; a file that cannot be read ends the
  // program (ProgramEnd) with a message that names it. The file is read from
  // the disk at its first opening only.
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
