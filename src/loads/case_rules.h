// Private to the loads room: the rules that settle what the echoed input
// and the reaction table say about each case.
#pragma once

#include <string>

#include "loads/load_cases.h"

namespace footmark::loads {

// Whether the words (upper case, one blank apart) are a load type the
// analysis program knows, None included.
bool IsLoadType(const std::string& upper);

// Marks the printed cases, classifies the primaries, multiplies the
// combinations out onto primaries, sorts them into service and factored,
// rebuilds the unprinted ones that can be, and decides the fallback; every
// case left out and the fallback get a warning.
void SettleCases(LoadFile& file);

}  // namespace footmark::loads
