#include "model/text_stream.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/failure.h"

namespace footmark {

std::string TextStream::readline() {
  if (AtEndOfStream()) throw ProgramEnd("Input past end of file", LineNumber());
  const std::string& text = *content_;
  std::size_t end = pos_;
  while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
  std::string line(text, pos_, end - pos_);
  pos_ = end + 1;
  if (end < text.size() && text[end] == '\r' && pos_ < text.size() && text[pos_] == '\n') ++pos_;
  ++line_;
  return line;
}

TextStream FileSystem::OpenTextFile(const std::string& path) const {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec))
    throw ProgramEnd("Cannot read \"" + path + "\": it is a folder, not an analysis file");
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    throw ProgramEnd("Cannot open \"" + path + "\": " + std::strerror(errno));
  }
  std::ostringstream buf;
  buf << in.rdbuf();
  if (in.bad()) throw ProgramEnd("Cannot read \"" + path + "\"");
  return TextStream(buf.str());
}

TextStream MemoryFileSystem::OpenTextFile(const std::string& path) const {
  const auto it = files_.find(path);
  if (it == files_.end()) throw ProgramEnd("Cannot open \"" + path + "\": no such file");
  return TextStream(it->second);
}

}  // namespace footmark
