// The bar bending schedule as the batch front end prints it: a section of
// the text report and the "bar_bending_schedule" key of the JSON.
#pragma once

#include <ostream>

#include "bbs/bar_schedule.h"
#include "cli/json.h"

namespace footmark::cli {

void WriteBarSchedule(std::ostream& out, const bbs::BarSchedule& schedule);

void JsonBarSchedule(Json& j, const bbs::BarSchedule& schedule);

}  // namespace footmark::cli
