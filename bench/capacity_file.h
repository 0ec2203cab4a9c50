// An analysis file of a building at the tables' capacities, for the
// benchmarks: 200 supports with 35 load cases each, 12 levels of joints on 99
// distinct X and 99 distinct plan-Y lines, and 3000 design blocks.
#pragma once

#include <string>

namespace footmark::bench {

std::string CapacityAnalysisFile();

}  // namespace footmark::bench
