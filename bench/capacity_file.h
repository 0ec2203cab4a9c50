// An analysis file of a building at the tables' capacities, for the
// benchmarks: 200 supports with 35 load cases each, 12 levels of joints on 99
// distinct X and 99 distinct plan-Y lines, and 3000 design blocks.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "model/model.h"

namespace footmark::bench {

std::string CapacityAnalysisFile();

// The building read, and designed at the SBC given (read only without one).
std::unique_ptr<Model> DesignCapacityBuilding(std::optional<std::string> sbc);

}  // namespace footmark::bench
