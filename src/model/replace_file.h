// Replacing a file only once its new content is complete.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace footmark {

// The failure of a file that cannot be written (RuntimeFailure):
// "cannot write \"FILE\": REASON".
[[noreturn]] void FailToWrite(const std::string& fileName, const std::string& reason);

// "PID-N", different for every call in every process: temporary files of
// one writer never meet those of another.
std::string UniqueSuffix();

// The name that means standard output to every writer, as on GNU command
// lines.
inline constexpr const char* kStandardOutput = "-";

// Writes content to a new file in fileName's folder and renames it over
// fileName when every byte has reached the system; the file replaced keeps
// its permissions (and its owner where the process may set it). On any
// failure (folder missing or not writable, disk full, file too large) the
// new file is removed, an earlier fileName is left untouched, and
// RuntimeFailure names fileName and the cause.
//
// The output goes where the name points: a symbolic link is followed and
// its target replaced; a device, a pipe or a console is written into as it
// stands; a file the user may not write (its mode, a read-only attribute) or
// a folder is refused before anything is written; "-" is standard output.
// An interrupt removes the new file (scratch_files.h).
void ReplaceFile(const std::string& fileName, std::string_view content);

// The same for content made piece by piece: `produce` hands every piece, in
// order, to the function it is given. A large file then needs no copy of
// itself in memory.
using PieceSink = std::function<void(std::string_view piece)>;
void ReplaceFileWith(const std::string& fileName, const std::function<void(const PieceSink&)>& produce);

// Standard output takes the content ("-" for ReplaceFile does the same). A
// write that fails (a full disk, a closed pipe) is RuntimeFailure
// "cannot write standard output: REASON".
void WriteStandardOutput(std::string_view text);

// Whether a failure is standard output's reader gone (a pipe closed, as by
// "head"): the run still ends with status 3, but quietly, as a writer into a
// pipe is expected to.
bool IsClosedPipe(std::string_view failure);

// Everything `produce` hands on, in one text.
std::string TextOf(const std::function<void(const PieceSink&)>& produce);

// The text a writer builds, handed on in pieces of 64 kB with one buffer
// used again: a file of megabytes needs no copy of itself in memory.
class PieceBuffer {
 public:
  static constexpr std::size_t kPieceBytes = std::size_t{1} << 16;

  // headroom: what one step may add beyond a full piece (a header, an entity).
  PieceBuffer(const PieceSink& write, std::size_t headroom) : write_(write) { text_.reserve(kPieceBytes + headroom); }
  std::string& text() { return text_; }

  // After each step: a full piece goes on.
  void HandOnWhenFull() {
    if (text_.size() >= kPieceBytes) Finish();
  }
  // At the end: whatever is left goes on.
  void Finish() {
    write_(text_);
    text_.clear();
  }

 private:
  const PieceSink& write_;
  std::string text_;
};

}  // namespace footmark
