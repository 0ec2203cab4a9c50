// What the batch front end prints: a readable report on standard output and
// the same content as JSON.
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "checks/design_checks.h"
#include "cli/json.h"
#include "model/messages.h"
#include "model/model.h"
#include "revise/revision.h"

namespace footmark::cli {

// The state of one run as the report shows it.
struct RunRecord {
  std::map<StatusLabel, std::string> captions;
  std::vector<std::string> messages;       // texts shown, in order
  bool designed = false;                   // design run and detailed design done
  std::optional<std::string> drawingFile;  // the DXF drawing written
  // The other files written, in order: what ("Report") and the file.
  std::vector<std::pair<std::string, std::string>> written;
  std::vector<std::string> writeFailures;  // each names its file and the reason
  const checks::DesignChecks* checks = nullptr;  // after a design
  const revise::DesignRevision* revision = nullptr;  // when one was asked for
  std::optional<std::string> failure;
};

void WriteTextReport(std::ostream& out, const Model& model, const RunRecord& run);
std::string JsonReport(const Model& model, const RunRecord& run);

// The two reports in two halves, so that the first, which reads only the
// design, can be made while the files are written: the text up to the files
// written, then those; the JSON up to the files written, then the rest.
void WriteTextReportBody(std::ostream& out, const Model& model, const RunRecord& run);
void WriteFilesWritten(std::ostream& out, const RunRecord& run);
Json JsonReportBody(const Model& model, const RunRecord& run);
std::string JsonReportEnd(Json body, const RunRecord& run);

}  // namespace footmark::cli
