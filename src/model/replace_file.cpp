#include "model/replace_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

#include "model/failure.h"
#include "model/platform_paths.h"

namespace footmark {

void FailToWrite(const std::string& fileName, const std::string& reason) {
  throw RuntimeFailure("cannot write \"" + fileName + "\": " + reason);
}

std::string UniqueSuffix() {
  static std::atomic<unsigned> counter{0};
#ifdef _WIN32
  const int process = _getpid();
#else
  const int process = static_cast<int>(::getpid());
#endif
  return std::to_string(process) + "-" + std::to_string(counter++);
}

namespace {

// A new file only, so two writers never share a temporary file. Microsoft's
// C library ignores fopen's "x".
std::FILE* CreateNew(const std::string& name) {
#ifdef _WIN32
  const int fd = _wopen(PathFromUtf8(name).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (fd < 0) return nullptr;
  std::FILE* f = _fdopen(fd, "wb");
  if (!f) _close(fd);
  return f;
#else
  return std::fopen(name.c_str(), "wbx");
#endif
}

// Every byte handed to the system before the rename publishes the file, so a
// failed write (a full disk, a file size limit) never replaces the earlier
// one. Forcing the bytes onto the disk as well (fsync) would cost more than
// the whole design; against a power failure the file system orders a
// rename over an earlier file after its data.
bool Flush(std::FILE* f) { return std::fflush(f) == 0; }

// Hands every piece to f, then the rest of its buffer to the system: 0, or
// the errno of the first failure (after it nothing more is written).
int WritePieces(std::FILE* f, const std::function<void(const PieceSink&)>& produce) {
  int error = 0;
  produce([&](std::string_view piece) {
    if (error == 0 && std::fwrite(piece.data(), 1, piece.size(), f) != piece.size()) error = errno != 0 ? errno : EIO;
  });
  if (error == 0 && !Flush(f)) error = errno != 0 ? errno : EIO;
  return error;
}

}  // namespace

std::string TextOf(const std::function<void(const PieceSink&)>& produce) {
  std::string text;
  produce([&](std::string_view piece) { text += piece; });
  return text;
}

void WriteStandardOutput(std::string_view text) {
  ReplaceFileWith(kStandardOutput, [text](const PieceSink& write) { write(text); });
}

void ReplaceFile(const std::string& fileName, std::string_view content) {
  ReplaceFileWith(fileName, [content](const PieceSink& write) { write(content); });
}

void ReplaceFileWith(const std::string& fileName, const std::function<void(const PieceSink&)>& produce) {
  if (fileName == kStandardOutput) {
    if (const int error = WritePieces(stdout, produce))
      throw RuntimeFailure(std::string("cannot write standard output: ") + std::strerror(error));
    return;
  }
  // Same folder, so the rename cannot cross file systems.
  const std::string temp = fileName + ".part-" + UniqueSuffix();
  std::FILE* f = CreateNew(temp);
  if (!f) FailToWrite(fileName, std::strerror(errno));

  int error = 0;
  try {
    error = WritePieces(f, produce);
  } catch (...) {
    std::fclose(f);
    std::error_code ec;
    std::filesystem::remove(PathFromUtf8(temp), ec);
    throw;
  }
  if (std::fclose(f) != 0 && error == 0) error = errno;
  if (error == 0) error = RenameReplacingUtf8(temp, fileName);  // replaces an earlier file
  if (error != 0) {
    std::error_code ec;
    std::filesystem::remove(PathFromUtf8(temp), ec);
    FailToWrite(fileName, std::strerror(error));
  }
}

}  // namespace footmark
