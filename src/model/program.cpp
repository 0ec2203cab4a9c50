#include "model/program.h"

#ifndef FOOTMARK_VERSION
#define FOOTMARK_VERSION "unknown"
#endif

namespace footmark {

std::string ProgramName() { return std::string("Footmark ") + FOOTMARK_VERSION; }

}  // namespace footmark
