#include "model/replace_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "model/failure.h"
#include "model/output_target.h"
#include "model/platform_paths.h"
#include "model/scratch_files.h"

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

namespace {

// The scratch file beside `path`: its name and a unique suffix, the name
// shortened where the folder's name limit asks for it (a 240-byte name is legal).
std::string ScratchName(const std::string& path) {
#ifdef _WIN32
  const std::size_t slash = path.find_last_of("\\/:");
#else
  const std::size_t slash = path.rfind('/');
#endif
  const std::string folder = path.substr(0, slash == std::string::npos ? 0 : slash + 1);
  std::string base = path.substr(folder.size());
  const std::string suffix = ".part-" + UniqueSuffix();
  const std::size_t limit = FileNameLimit(folder);
  if (base.size() + suffix.size() > limit) {
    base.resize(limit > suffix.size() ? limit - suffix.size() : 0);
    while (!base.empty() && (static_cast<unsigned char>(base.back()) & 0xC0) == 0x80) base.pop_back();
    if (!base.empty() && (static_cast<unsigned char>(base.back()) & 0x80)) base.pop_back();  // a cut lead byte
  }
  return folder + base + suffix;
}

// A device or a pipe takes the bytes as they come; false when the name is a
// regular file after all (it was replaced in the meantime), to be replaced whole.
bool WriteInto(const OutputTarget& target, const std::string& fileName,
               const std::function<void(const PieceSink&)>& produce) {
#ifdef _WIN32
  std::FILE* f = OpenFileUtf8(target.Path, "wb");
  if (!f) FailToWrite(fileName, std::strerror(errno));
#else
  const int fd = ::open(target.Path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) FailToWrite(fileName, std::strerror(errno));
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  std::FILE* f = ::fdopen(fd, "wb");
  if (!f) {
    ::close(fd);
    FailToWrite(fileName, std::strerror(errno));
  }
#endif
  int error = 0;
  try {
    error = WritePieces(f, produce);
  } catch (...) {
    std::fclose(f);
    throw;
  }
  if (std::fclose(f) != 0 && error == 0) error = errno;
  if (error != 0) FailToWrite(fileName, std::strerror(error));
  return true;
}

// The owner (where the process may set it) and the permissions of the file
// replaced; the group alone when the owner cannot be kept.
void KeepOwnerAndMode([[maybe_unused]] std::FILE* f, [[maybe_unused]] const OutputTarget& target) {
#ifndef _WIN32
  const int fd = ::fileno(f);
  if (::fchown(fd, target.Owner, target.Group) != 0 && ::fchown(fd, static_cast<uid_t>(-1), target.Group) != 0) {
  }
  if (::fchmod(fd, static_cast<mode_t>(target.Mode)) != 0) {
  }
#endif
}

// A new file beside the target, renamed over it once complete.
void ReplaceWhole(const OutputTarget& target, const std::string& fileName,
                  const std::function<void(const PieceSink&)>& produce) {
  const std::string temp = ScratchName(target.Path);
  const ScratchGuard guard(temp);
  std::FILE* f = CreateNewFileUtf8(temp);
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
  if (error == 0 && target.What == OutputTarget::Kind::Regular) KeepOwnerAndMode(f, target);
  if (std::fclose(f) != 0 && error == 0) error = errno;
  if (error == 0) error = RenameReplacingUtf8(temp, target.Path);  // replaces an earlier file
  if (error != 0) {
    std::error_code ec;
    std::filesystem::remove(PathFromUtf8(temp), ec);
    FailToWrite(fileName, std::strerror(error));
  }
}

std::string StandardOutputFailure(int error) {
  return std::string("cannot write standard output: ") + std::strerror(error);
}

}  // namespace

bool IsClosedPipe(std::string_view failure) { return failure == StandardOutputFailure(EPIPE); }

void ReplaceFileWith(const std::string& fileName, const std::function<void(const PieceSink&)>& produce) {
  if (fileName == kStandardOutput) {
    if (const int error = WritePieces(stdout, produce)) throw RuntimeFailure(StandardOutputFailure(error));
    return;
  }
  const OutputTarget target = InspectOutput(fileName);
  if (target.Refused != 0) FailToWrite(fileName, std::strerror(target.Refused));
  if (target.What == OutputTarget::Kind::Folder) FailToWrite(fileName, std::strerror(EISDIR));
  if (target.What == OutputTarget::Kind::Stream && WriteInto(target, fileName, produce)) return;
  ReplaceWhole(target, fileName, produce);
}

}  // namespace footmark
