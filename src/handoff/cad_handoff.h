// "Send To AutoCad": re-run the detailed design, write the drawing, have the
// running CAD application turn it into a drawing file beside the analysis file,
// show the application and end the program.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "handoff/cad_application.h"
#include "model/messages.h"

namespace footmark {

inline constexpr const char* kCadProgId = "AutoCAD.Application";
inline constexpr const char* kOpenCadMessage = "Open Auto Cad and Minimise it";

// Deletes a file; a file that is not there is a failure, as for any delete.
void RemoveFileOrFail(const std::string& path);

struct HandOffContext {
  std::string ProgramFolder;  // folder of the executable, no trailing separator
  std::string AnlFilePath;    // full path of the analysis file
  std::function<void()> DetailedDesign;                        // dezine_Click
  std::function<void(const std::string& fileName)> WriteDrawing;  // SaveDrawingDxf
  UserMessages& Messages;
  std::function<void(const std::string& path)> RemoveFile = RemoveFileOrFail;
};

struct HandOffResult {
  // False only when no CAD application runs: the message was shown and
  // nothing else happened. True means the window ends the program now.
  bool ProgramEnds = false;
  // The failures ignored on the way, "step: reason", in order.
  std::vector<std::string> IgnoredFailures;
  // Set when the detailed design or the drawing failed: no drawing reached
  // the CAD application, and the window tells the user so.
  std::optional<std::string> DrawingFailure;
};

// sendtoacad_Click. Once attached, every step runs whatever failed before it,
// with one exception: a drawing is written only from a design that succeeded,
// and an earlier Drawing1.dxf is removed first, so a failed design can never
// reach the CAD application as a stale or half-designed drawing.
HandOffResult SendToCad(CadAttacher& attacher, const HandOffContext& context);

// The name of the drawing file: every ".ANL" replaced by ".DWG" (case
// matters). A path without ".ANL" has its extension, whatever its case,
// replaced by ".DWG" (appended when it has none or is already .dwg), so the
// analysis file is never saved over.
std::string DrawingFileName(const std::string& anlFilePath);

// Every occurrence of from replaced by to, left to right, case-sensitive.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);

}  // namespace footmark
