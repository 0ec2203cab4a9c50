// Showing the stand-in's drawing in the desktop's own DXF viewer.
#include "handoff/cad_standin.h"

#include <string>

#ifndef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <stdio.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace footmark {

#ifdef _WIN32

// On Windows the drawing goes to the real AutoCAD; the stand-in shows nothing.
void OpenInDesktopViewer(const std::string&) {}

#else

namespace {

// True when the desktop names an application for DXF files; xdg-open would
// otherwise fall back to a text editor or a browser.
bool HasDxfViewer() {
  for (const char* type : {"image/vnd.dxf", "image/x-dxf", "application/dxf"}) {
    const std::string query = std::string("xdg-mime query default ") + type + " 2>/dev/null";
    FILE* pipe = ::popen(query.c_str(), "r");
    if (pipe == nullptr) return false;
    std::string answer;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) answer += buffer;
    ::pclose(pipe);
    if (answer.find_first_not_of(" \t\r\n") != std::string::npos) return true;
  }
  return false;
}

}  // namespace

void OpenInDesktopViewer(const std::string& drawingFile) {
  if (!HasDxfViewer()) return;
  // Prepared before fork: the child only calls async-signal-safe functions.
  std::string program = "xdg-open";
  std::string file = drawingFile;
  char* argv[] = {program.data(), file.data(), nullptr};
  const pid_t child = ::fork();
  if (child == 0) {
    // The grandchild, detached by setsid, outlives us; the child ends at once
    // and is reaped below, so nothing is left behind when the program ends.
    ::setsid();
    if (::fork() == 0) {
      const int null = ::open("/dev/null", O_RDWR);
      if (null >= 0) {
        ::dup2(null, 0);
        ::dup2(null, 1);
        ::dup2(null, 2);
      }
      ::execvp(argv[0], argv);
      ::_exit(127);
    }
    ::_exit(0);
  }
  if (child > 0) ::waitpid(child, nullptr, 0);
}

#endif

}  // namespace footmark
