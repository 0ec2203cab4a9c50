#pragma once

#include <optional>
#include <string>
#include <vector>

namespace footmark::cli {

struct OffsetOption {
  int support = 0;
  int x = 0;  // -1, 0, +1
  int y = 0;
};

struct Options {
  std::string analysisFile;
  std::optional<std::string> sbc;      // the SBC text as the list holds it
  std::optional<std::string> jsonFile;  // "-" for standard output
  std::optional<std::string> dxfFile;
  std::vector<OffsetOption> offsets;
};

// Parses the command line; a bad one throws std::invalid_argument with the
// text to print.
Options ParseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace footmark::cli
