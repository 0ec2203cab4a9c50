// What the batch front end prints: a readable report on standard output and
// the same content as JSON.
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "model/messages.h"
#include "model/model.h"

namespace footmark::cli {

// The state of one run as the report shows it.
struct RunRecord {
  std::map<StatusLabel, std::string> captions;
  std::vector<std::string> messages;       // texts shown, in order
  bool designed = false;                   // design run and detailed design done
  std::optional<std::string> drawingFile;  // the DXF drawing written
  std::vector<std::string> written;        // every file written, in order
  std::optional<std::string> failure;
};

void WriteTextReport(std::ostream& out, const Model& model, const RunRecord& run);
std::string JsonReport(const Model& model, const RunRecord& run);

}  // namespace footmark::cli
