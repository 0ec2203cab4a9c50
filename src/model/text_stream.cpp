#include "model/text_stream.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/failure.h"

namespace footmark {

TextStream::TextStream(const std::string& content) {
  std::string line;
  for (std::size_t i = 0; i < content.size(); ++i) {
    const char c = content[i];
    if (c == '\r' || c == '\n') {
      lines_.push_back(std::move(line));
      line.clear();
      if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines_.push_back(std::move(line));
}

std::string TextStream::readline() {
  if (AtEndOfStream()) throw ProgramEnd("Input past end of file", LineNumber());
  return lines_[next_++];
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
