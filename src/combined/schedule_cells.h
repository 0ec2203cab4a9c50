// A combined footing in the schedule's words, the one source of the cells
// the text output, the report, the workbook and the sheet show.
#pragma once

#include <string>
#include <vector>

#include "combined/combined_footing.h"

namespace footmark::combined {

std::string SupportsText(const CombinedFooting& f);  // "9, 14"
std::string AxisText(const CombinedFooting& f);      // "along X"
std::string SizeText(const CombinedFooting& f);      // "5 x 2.7 x 0.75" (m)
std::string BarText(const BarSet& bars);             // "13 T16 @ 215", "T12 @ 120"
// "ok", "fails: C6.L2 ...", "not designed: continuous strip footing recommended".
std::string StateText(const CombinedFooting& f);
// "CF1", or "(supports 3, 8, 9)" for a set that is not designed.
std::string MarkText(const CombinedFooting& f);

// The schedule row: mark, supports, direction, L, B, D (m), overhangs from
// the end columns (m), top, bottom, bands, distribution, top distribution,
// concrete (m3), steel (kg).
std::vector<std::string> ScheduleHeader();
std::vector<std::string> ScheduleCells(const CombinedFooting& f);

}  // namespace footmark::combined
