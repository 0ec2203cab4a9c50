// The one job of the tool, from the analysis file to the files it writes, as
// steps that every front end calls: the batch front end runs them in one go
// (RunJob), the window in the order of its events. Neither knows the order
// of the design steps themselves.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "checks/design_checks.h"
#include "drawing/sheet.h"
#include "model/messages.h"
#include "model/model.h"
#include "model/project_info.h"
#include "model/text_stream.h"
#include "pipeline/exit_status.h"
#include "revise/revision.h"

namespace footmark {

// The side of its grid point a support's column is put on, as a drag would.
struct ColumnSide {
  int Support = 0;
  int16 X = 0;  // -1, 0, +1
  int16 Y = 0;
};

// The files a run writes after the design; each is optional.
struct OutputFiles {
  std::optional<std::string> Dxf = {};          // the method's exact R12 drawing, as AutoCAD takes it
  std::optional<std::string> PortableDxf = {};  // the sheet as an R12 drawing every CAD program draws alike
  std::optional<std::string> Svg = {};          // the sheet for a browser
  std::optional<std::string> Report = {};       // the calculation report, HTML
  std::optional<std::string> Workbook = {};     // schedules, checks and quantities, xlsx
  bool Any() const { return Dxf || PortableDxf || Svg || Report || Workbook; }
  // Whether an output shows the drawing, so that column sides matter.
  bool AnyDrawing() const { return Dxf || PortableDxf || Svg || Report; }
};

// A file beside the analysis file: its name without the extension, then
// `ending` ("-report.html", ".xlsx"); never the analysis file itself.
std::string FileBeside(const std::string& analysisFile, const std::string& ending);

struct JobRequest {
  std::string AnalysisFile;
  std::optional<std::string> Sbc = {};  // the SBC as the list holds it; none: read the file only
  float MaxVolume = 10;                 // the reference volume of the first pedestal candidate, m3
  std::vector<ColumnSide> Offsets = {};
  OutputFiles Outputs = {};
  ProjectInfo Project = {};  // title block and report headers
  SheetSettings Sheet = {};  // paper, scale and grid of the sheet
  checks::CheckSettings Settings = {};  // the site and the office's choices for the checks
  revise::RevisionRequest Revision = {};  // revise what fails, fewer footing types; none: the method's design
};

// Reads the analysis file: reactions, joints, members and the BETA list,
// then the column design report, then the load definitions with every
// reaction component for the checks (model.Loads). The file is read from
// the disk once.
void ReadAnalysis(Model& model, const FileSystem& fs, UserMessages& ui);

// Puts columns to one side of their grid points as drags do; a support the
// file does not have ends the program (ProgramEnd).
void ApplyOffsets(Model& model, const std::vector<ColumnSide>& sides);

struct WrittenFile {
  std::string What;  // "Drawing", "Report", ...
  std::string File;
};

struct WrittenFiles {
  std::vector<WrittenFile> Written;   // in the order of OutputFiles
  std::vector<std::string> Failures;  // each names its file and the reason
};

// Writes every file asked for from the finished and checked design: the
// exact drawing from the method's composition, the portable DXF, the SVG and
// the report's plan from the sheet. Each file replaces an earlier one only
// once it is complete; one that cannot be written does not stop the others.
// With a revision the report and the workbook add its record.
// `alongside`, when given, is the caller's own work on the finished design
// (a report of its own), done while the files are written.
using AlongsideWork = std::function<void(const checks::DesignChecks&, const revise::DesignRevision*)>;
WrittenFiles WriteOutputs(const Model& model, const checks::DesignChecks& checks, const OutputFiles& files,
                          const ProjectInfo& project = {}, const SheetSettings& sheet = {},
                          const revise::DesignRevision* revision = nullptr, const AlongsideWork& alongside = {});

// The checks of the design as it stands; when a revision is asked for, the
// method's design is checked, merged to fewer types and revised first, and
// `record` (when given) gets every step.
checks::DesignChecks CheckedDesign(Model& model, const checks::CheckSettings& settings,
                                   const revise::RevisionRequest& revision = {},
                                   std::optional<revise::DesignRevision>* record = nullptr);

// The detailed design and its independent check of the footings as placed,
// revised when asked, as both front ends finish a design before any output.
checks::DesignChecks FinishDesign(Model& model, const checks::CheckSettings& settings = {},
                                  const revise::RevisionRequest& revision = {},
                                  std::optional<revise::DesignRevision>* record = nullptr);

// The design half of the job: read the file, and with an SBC the design run,
// the detailed design, the columns put to their sides and the checks (none
// without an SBC). Failures are thrown (ProgramEnd, RuntimeFailure).
std::optional<checks::DesignChecks> DesignJob(Model& model, const JobRequest& request, const FileSystem& fs,
                                              UserMessages& ui,
                                              std::optional<revise::DesignRevision>* record = nullptr);

// Columns of a designed model put to other sides: the design stays, the
// checks run again (the clearance between footings follows the columns).
checks::DesignChecks MoveColumns(Model& model, const std::vector<ColumnSide>& sides,
                                 const checks::CheckSettings& settings = {});

// Whether every footing group of a checked design is ok (code-strict).
inline bool AllOk(const checks::DesignChecks& checks) { return checks.fails == 0 && checks.notDesigned == 0; }

struct JobOutcome {
  std::optional<checks::DesignChecks> Checks;  // after a design
  std::optional<revise::DesignRevision> Revision;  // when one was asked for
  WrittenFiles Files;
  // The message that ended the run early; Status says how.
  std::optional<std::string> Failure;
  int Status = kExitOk;
};

// The batch job: read, design for the SBC, put the columns to their sides,
// the detailed design and its checks, then the files. A failure that ends
// the program is caught here and told in the outcome; a design with a group
// that fails its checks or is not designed ends with kExitChecksFail.
// `alongside` runs on the design while the files are written (only when
// there is a design).
JobOutcome RunJob(Model& model, const JobRequest& request, const FileSystem& fs, UserMessages& ui,
                  const AlongsideWork& alongside = {});

}  // namespace footmark
