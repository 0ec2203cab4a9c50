// What the name of an output reaches on the system, found before anything
// is written, so that a file goes where the user points it: through a
// symbolic link, into a device or a pipe, never over a file the user may not
// write. Names compare as the system compares them (on Windows without
// regard to case, after the full path is resolved).
#pragma once

#include <cstddef>
#include <string>

namespace footmark {

struct OutputTarget {
  enum class Kind {
    Missing,  // nothing there yet (or a folder on the way is missing: the write says which)
    Regular,  // a file, replaced whole
    Folder,
    Stream,   // a device, a pipe, a console: written into as it stands
  };
  Kind What = Kind::Missing;
  std::string Path;       // where symbolic links lead; the name itself when it is none
  // The system's reason (an errno) that nothing may be written there: EACCES
  // for a file the user may not write (mode bits, read-only attribute),
  // ELOOP for a loop of links. 0: go ahead.
  int Refused = 0;
  // POSIX, of a regular file: kept by its replacement where the process may set them.
  unsigned Mode = 0, Owner = 0, Group = 0;
};

OutputTarget InspectOutput(const std::string& name);

// Whether two names reach one file: the same file when both exist, else the
// same full path (on Windows without regard to case). Two names of one
// device (the null device) are no clash.
bool SameOutputFile(const std::string& a, const std::string& b);

// The longest name, in bytes, that a file in `folder` may have.
std::size_t FileNameLimit(const std::string& folder);

}  // namespace footmark
