// The calculation report's pages of the bar bending schedule.
#pragma once

#include <string>

#include "checks/design_checks.h"

namespace footmark::report {

// A row per bar mark, the summary by diameter and the total, and how the
// lengths are found; a <section> that starts a page.
std::string BarSchedulePages(const checks::DesignChecks& checks);

}  // namespace footmark::report
