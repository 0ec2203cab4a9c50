// The local time of the run, for the dates our reports and workbooks carry.
#pragma once

#include <ctime>

namespace footmark {

std::tm LocalTimeNow();

}  // namespace footmark
