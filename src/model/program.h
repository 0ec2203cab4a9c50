// The program and its version as the outputs name what wrote them.
#pragma once

#include <string>

namespace footmark {

// "Footmark 0.2.0".
std::string ProgramName();

}  // namespace footmark
