// Our file-system layer: text files read line by line, as the readers expect
// (open, read line, end of stream, close). Lines end in CRLF, LF or a lone CR;
// the line end is not part of the line.
#pragma once

#include <map>
#include <memory>
#include <string>

namespace footmark {

class TextStream {
 public:
  explicit TextStream(std::string content)
      : TextStream(std::make_shared<const std::string>(std::move(content))) {}
  explicit TextStream(std::shared_ptr<const std::string> content) : content_(std::move(content)) {}
  // The next line. Reading past the end is a fault of the caller.
  std::string readline();
  bool AtEndOfStream() const { return pos_ >= content_->size(); }
  // 1-based number of the last line read (0 before the first).
  int LineNumber() const { return line_; }
  void Close() { pos_ = content_->size(); }

 private:
  std::shared_ptr<const std::string> content_;
  std::size_t pos_ = 0;
  int line_ = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens a text file for reading; a file that cannot be read ends the
  // program (ProgramEnd) with a message that names it.
  virtual TextStream OpenTextFile(const std::string& path) const;
};

// Files held in memory, for tests and the fuzzer.
class MemoryFileSystem : public FileSystem {
 public:
  void Add(const std::string& path, std::string content) {
    files_[path] = std::make_shared<const std::string>(std::move(content));
  }
  TextStream OpenTextFile(const std::string& path) const override;

 private:
  std::map<std::string, std::shared_ptr<const std::string>> files_;
};

}  // namespace footmark
