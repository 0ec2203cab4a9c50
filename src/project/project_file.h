// NAME.footmark.json beside the analysis file: what the engineer chose for
// that building (the SBC, the reference volume, the columns put off their grid
// points, the title data, the sheet's paper, scale and grid, which drawing
// goes to CAD, the checks' settings, the revision), so that the window opens
// it as it was left and the batch front end repeats it (--project FILE).
//
// The file is JSON with one object per section; a section or key this
// version does not know is ignored on reading and written back unchanged,
// so settings of a later version survive a save by this one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/project_info.h"
#include "pipeline/pipeline.h"

namespace footmark {

struct ProjectSettings {
  std::optional<std::string> Sbc;   // kN/m2 as the SBC list holds it ("200"); none before a choice
  std::optional<float> MaxVolume;   // reference volume of the first pedestal candidate, m3
  std::vector<ColumnSide> Offsets;  // columns standing off their grid points, by support
  ProjectInfo Project;
  SheetSettings Sheet;
  bool SendMethodDrawing = false;  // "To CAD" sends the method's exact drawing rather than the sheet
  checks::CheckSettings Checks;      // the checks' settings, by the keys of their options
  revise::RevisionRequest Revision;  // revise failing groups, at most so many types, the limits
  std::string Text;  // the file as read ("" for a new one): what a save keeps
};

// "frame.footmark.json" for "frame.ANL", in the same folder.
std::string ProjectFileFor(const std::string& analysisFile);

// The settings in a project file's text. Text that is no JSON object, or a
// known key of the wrong kind or range, ends with a ProgramEnd that says
// where and what.
ProjectSettings ParseProject(std::string_view text);

// The file read and parsed; a failure names the file (ProgramEnd).
ProjectSettings ReadProjectFile(const std::string& file);

// The JSON text of the settings, with every section of settings.Text kept.
std::string ProjectText(const ProjectSettings& settings);

// Writes the text, replacing an earlier file only once it is complete.
void SaveProjectFile(const ProjectSettings& settings, const std::string& file);

// The request set as the project says: SBC, reference volume, offsets,
// title data, sheet settings, the checks' settings and the revision; what
// the project leaves out stays as the request had it.
void ApplyProject(const ProjectSettings& settings, JobRequest& request);

}  // namespace footmark
