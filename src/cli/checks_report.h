// The checks and quantities of a design as the batch front end prints them:
// a "Checks" section of the text report and the "checks" and "quantities"
// keys of the JSON.
#pragma once

#include <ostream>

#include "checks/design_checks.h"
#include "cli/json.h"

namespace footmark::cli {

// Per group its verdict and governing check, then every failing check and
// every group that is not designed, with the reason; then the quantities.
void WriteChecks(std::ostream& out, const checks::DesignChecks& checks);

void JsonChecks(Json& j, const checks::DesignChecks& checks);

// One check as an object: its figures, status, where it governs, its working.
void JsonCheck(Json& j, const checks::Check& c);

}  // namespace footmark::cli
