#include "model/replace_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#define footmark_getpid _getpid
#else
#include <unistd.h>
#define footmark_getpid ::getpid
#endif

#include "model/failure.h"

namespace footmark {

namespace {

[[noreturn]] void Fail(const std::string& fileName, const std::string& reason) {
  throw RuntimeFailure("cannot write \"" + fileName + "\": " + reason);
}

// Flushes the stream and asks the system to put the data on the disk, so a
// rename never publishes a file whose content is still in flight.
bool FlushToDisk(std::FILE* f) {
  if (std::fflush(f) != 0) return false;
#ifdef _WIN32
  return _commit(_fileno(f)) == 0;
#else
  return ::fsync(fileno(f)) == 0;
#endif
}

}  // namespace

void ReplaceFile(const std::string& fileName, std::string_view content) {
  static std::atomic<unsigned> counter{0};
  // Same folder, so the rename cannot cross file systems.
  const std::string temp =
      fileName + ".part-" + std::to_string(footmark_getpid()) + "-" + std::to_string(counter++);
  std::FILE* f = std::fopen(temp.c_str(), "wbx");
  if (!f) Fail(fileName, std::strerror(errno));

  bool ok = std::fwrite(content.data(), 1, content.size(), f) == content.size() && FlushToDisk(f);
  int error = ok ? 0 : errno;
  if (std::fclose(f) != 0 && ok) {
    ok = false;
    error = errno;
  }
  std::error_code ec;
  if (ok) std::filesystem::rename(temp, fileName, ec);  // replaces an earlier file
  if (!ok || ec) {
    const std::string reason = ok ? ec.message() : std::strerror(error != 0 ? error : EIO);
    std::filesystem::remove(temp, ec);
    Fail(fileName, reason);
  }
}

}  // namespace footmark
