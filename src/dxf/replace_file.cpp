#include "dxf/replace_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "model/failure.h"

namespace footmark {

namespace {

[[noreturn]] void Fail(const std::string& fileName, int error) {
  throw RuntimeFailure("cannot write \"" + fileName + "\": " + std::strerror(error));
}

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t n = ::write(fd, content.data(), content.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

void ReplaceFile(const std::string& fileName, std::string_view content) {
  static std::atomic<unsigned> counter{0};
  // Same folder, so the rename cannot cross file systems.
  const std::string temp =
      fileName + ".part-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) Fail(fileName, errno);

  bool ok = WriteAll(fd, content) && ::fsync(fd) == 0;
  int error = ok ? 0 : errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && std::rename(temp.c_str(), fileName.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    Fail(fileName, error);
  }
}

}  // namespace footmark
