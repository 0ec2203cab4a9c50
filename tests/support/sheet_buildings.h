// The buildings the sheet is judged on: both examples, one whose grid
// starts at a negative Z, and the building at the tables' capacities, each
// designed and checked with some columns put to their sides.
#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "bench/capacity_file.h"
#include "pipeline/pipeline.h"
#include "support/test_files.h"

namespace footmark::testing {

struct SheetBuilding {
  std::string name, analysis, sbc;
  std::vector<ColumnSide> offsets;
  bool revise = false;  // with the revision, and combined footings where footings clash
};

// The analysis file with every echoed joint's Z moved by `by` metres.
inline std::string ShiftZ(const std::string& analysis, double by) {
  std::istringstream in(analysis);
  std::string out, line;
  bool joints = false;
  while (std::getline(in, line)) {
    if (line.find("MEMBER INCIDENCES") != std::string::npos) joints = false;
    // "    8. 1 0 0 4;": the last number before the semicolon is Z.
    const std::size_t end = line.find(';'), start = line.rfind(' ', end) + 1;
    if (joints && end != std::string::npos && start > 0 && start < end)
      line.replace(start, end - start, std::to_string(std::stod(line.substr(start, end - start)) + by));
    joints = joints || line.find("JOINT COORDINATES") != std::string::npos;
    out += line + "\n";
  }
  return out;
}

inline std::vector<SheetBuilding> SheetBuildings() {
  const std::string sixByFive = ReadFile(SourcePath("examples/frame-6x5-4storey.ANL"));
  return {
      {"frame-4x3", ReadFile(SourcePath("examples/frame-4x3-2storey.ANL")), "200", {{2, -1, 0}, {8, 0, 1}}},
      {"frame-6x5", sixByFive, "100", {}},
      {"below-zero", ShiftZ(sixByFive, -4.6), "150", {{1, 1, 1}, {8, -1, 0}, {27, 0, 1}}},
      {"capacity", bench::CapacityAnalysisFile(), "200", {{1, 1, 1}, {60, -1, 1}, {200, 1, -1}}},
      {"revised-6x5-100", sixByFive, "100", {}, true},
      {"revised-6x5-150", sixByFive, "150", {}, true},
  };
}

struct DesignedSheet {
  std::unique_ptr<Model> model = std::make_unique<Model>();
  checks::DesignChecks checks;
  Sheet sheet;
};

inline DesignedSheet DesignSheet(const SheetBuilding& b, const SheetSettings& settings = {}) {
  DesignedSheet d;
  MemoryFileSystem fs;
  fs.Add(b.name + ".ANL", b.analysis);
  RecordingMessages ui;
  d.checks = *DesignJob(*d.model, {.AnalysisFile = b.name + ".ANL", .Sbc = b.sbc, .Offsets = b.offsets,
                                          .Revision = {.revise = b.revise}},
                        fs, ui);
  ProjectInfo project;
  project.Project = "Footing test";
  d.sheet = ComposeSheet(*d.model, d.checks, project, settings);
  return d;
}

}  // namespace footmark::testing
