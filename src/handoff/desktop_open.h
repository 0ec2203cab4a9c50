// Opening a file in the desktop's own program for its kind: the DXF viewer,
// the web browser, the spreadsheet program.
#pragma once

#include <string>

namespace footmark {

enum class DesktopFile { Drawing, Page, Workbook };

// Starts the desktop's program for the file's kind, detached, when one is
// installed (xdg-open off Windows, the shell's open verb on Windows); false
// when there is none, and nothing happens.
bool OpenWithDesktop(const std::string& file, DesktopFile kind);

}  // namespace footmark
