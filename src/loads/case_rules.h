// Private to the loads room: the rules that settle what the echoed input
// and the reaction table say about each case.
#pragma once

#include <string>
#include <string_view>

#include "loads/load_cases.h"

namespace footmark::loads {

// Whether the words (upper case, one blank apart) are a load type the
// analysis program knows, None included.
bool IsLoadType(const std::string& upper);

std::string Upper(std::string_view text);

// "Line 331 (input line 330)" where the case is defined; "Load case 12"
// when the echoed input lacks it.
std::string WhereDefined(const LoadCase& c);

// "load case 3", "combination 5", "repeat case 4".
std::string CaseName(const LoadCase& c);

// Marks the printed cases, classifies the primaries, multiplies the
// combinations out onto primaries, sorts them into service and factored,
// rebuilds the unprinted ones that can be, and decides the fallback; every
// case left out and the fallback get a warning.
void SettleCases(LoadFile& file);

}  // namespace footmark::loads
