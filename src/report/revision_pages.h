// The revision's pages of the calculation report: the method's design
// against the revised one, mark by mark, with every step and its reason.
#pragma once

#include <string>

#include "checks/design_checks.h"
#include "model/model.h"
#include "revise/revision.h"

namespace footmark::report {

std::string RevisionPages(const Model& model, const checks::DesignChecks& checks,
                          const revise::DesignRevision& record);

}  // namespace footmark::report
