// "Send To AutoCad": re-run the detailed design, write the drawing, have the
// running CAD application turn it into a drawing file beside the analysis
// file and show the application. The window stays open.
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
  std::string AnlFilePath;  // full path of the analysis file
  // Asked once the CAD application is attached and before any step: the
  // drawing file to save, or none to stop with nothing changed. Without it,
  // DrawingFileName(AnlFilePath).
  std::function<std::optional<std::string>()> Target = {};
  std::function<void()> DetailedDesign;                           // dezine_Click
  std::function<void(const std::string& fileName)> WriteDrawing;  // SaveDrawingDxf
  UserMessages& Messages;
  std::function<void(const std::string& path)> RemoveFile = RemoveFileOrFail;
  // Where the private scratch folder of the temporary drawings is made; the
  // system's temporary folder when empty.
  std::string TemporaryRoot = {};
};

// A step that failed, the file it worked on ("" for none) and why.
struct HandOffFailure {
  std::string Step;
  std::string File;
  std::string Reason;
  std::string Text() const;  // "saveas R12 DXF, FILE: REASON"
};

enum class HandOffOutcome {
  NoCad,      // no CAD application runs: the message was shown, nothing else happened
  Cancelled,  // Target gave none: nothing happened
  Sent,       // every step ran; Failures says which failed
};

struct HandOffResult {
  HandOffOutcome Outcome = HandOffOutcome::NoCad;
  std::string Drawing;  // the drawing file asked for
  std::vector<HandOffFailure> Failures;  // in order
  // Set when the detailed design or the drawing failed: no drawing reached
  // the CAD application.
  std::optional<std::string> DrawingFailure;
};

// sendtoacad_Click. Once attached, every step runs whatever failed before it,
// with one exception: a drawing is written only from a design that
// succeeded, so a failed design can never reach the CAD application. The
// temporary drawings (Drawing1.dxf, Drawing11.dxf) live in a folder of this
// run's own below the temporary folder, removed at the end.
HandOffResult SendToCad(CadAttacher& attacher, const HandOffContext& context);

// The name of the drawing file: every ".ANL" replaced by ".DWG" (case
// matters). A path without ".ANL" has its extension, whatever its case,
// replaced by ".DWG" (appended when it has none or is already .dwg), so the
// analysis file is never saved over.
std::string DrawingFileName(const std::string& anlFilePath);

// Every occurrence of from replaced by to, left to right, case-sensitive.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);

// Whether a new file can be made in the folder (tried, not guessed from
// permission bits, which a network share or an ACL may not tell).
bool FolderTakesFiles(const std::string& folder);

// A new folder only this user can enter, below root (the system's temporary
// folder when empty); a failure is a RuntimeFailure naming it.
std::string MakePrivateFolder(const std::string& root);

}  // namespace footmark
