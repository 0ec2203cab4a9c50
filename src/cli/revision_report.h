// The record of a revision as the batch front end prints it: a "Revision"
// section of the text report and the "revisions" key of the JSON.
#pragma once

#include <ostream>

#include "checks/design_checks.h"
#include "cli/json.h"
#include "revise/revision.h"

namespace footmark::cli {

void WriteRevision(std::ostream& out, const revise::DesignRevision& record);

void JsonRevision(Json& j, const revise::DesignRevision& record);

}  // namespace footmark::cli
