// The command line of the batch front end.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "pipeline/pipeline.h"

namespace footmark::cli {

struct Options {
  bool help = false;
  bool version = false;
  std::string analysisFile;
  std::optional<std::string> sbc;       // the SBC text as the list holds it
  float maxVolume = 10;                 // reference volume of the first pedestal candidate, m3
  std::optional<std::string> jsonFile;  // "-" for standard output
  std::vector<ColumnSide> offsets;
  OutputFiles outputs;
};

// Parses the command line; a bad one throws std::invalid_argument with the
// text to print. Checks what can be checked before anything is read: the SBC
// is a number greater than 0, and no output is the analysis file or another
// output.
Options ParseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;
extern const char* const kHelp;

}  // namespace footmark::cli
