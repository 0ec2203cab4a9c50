#include "handoff/desktop_open.h"

#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include "model/platform_paths.h"
#else
#include <cstdio>
#include <fcntl.h>
#include <stdio.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace footmark {

#ifdef _WIN32

bool OpenWithDesktop(const std::string& file, DesktopFile) {
  // The shell knows the program of every registered file type.
  const std::wstring path = PathFromUtf8(file).wstring();
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

#else

namespace {

std::vector<const char*> MimeTypes(DesktopFile kind) {
  switch (kind) {
    case DesktopFile::Drawing: return {"image/vnd.dxf", "image/x-dxf", "application/dxf"};
    case DesktopFile::Page: return {"text/html"};
    case DesktopFile::Workbook: break;
  }
  return {"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"};
}

// True when the desktop names an application for one of the types; xdg-open
// would otherwise fall back to whatever takes any file.
bool HasApplicationFor(DesktopFile kind) {
  for (const char* type : MimeTypes(kind)) {
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

bool OpenWithDesktop(const std::string& file, DesktopFile kind) {
  if (!HasApplicationFor(kind)) return false;
  // Prepared before fork: the child only calls async-signal-safe functions.
  std::string program = "xdg-open";
  std::string path = file;
  char* argv[] = {program.data(), path.data(), nullptr};
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
  return child > 0;
}

#endif

}  // namespace footmark
