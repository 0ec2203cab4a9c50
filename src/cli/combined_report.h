// Combined footings as the batch front end prints them: a "Combined
// footings" section of the text report and the "combined_footings" key of
// the JSON.
#pragma once

#include <ostream>

#include "checks/design_checks.h"
#include "cli/json.h"

namespace footmark::cli {

// The schedule, each footing's verdict and failing or warning checks.
void WriteCombined(std::ostream& out, const checks::DesignChecks& checks);

void JsonCombined(Json& j, const checks::DesignChecks& checks);

}  // namespace footmark::cli
