// The revision's limits as settings: one row each, as the checks' settings.
#include <algorithm>
#include <array>

#include "model/failure.h"
#include "model/numerics.h"
#include "revise/revision.h"

namespace footmark::revise {

namespace {

struct Entry {
  const char* key;
  const char* label;
  const char* unit;
  double RevisionLimits::*field;  // the bar diameter is a whole number of its own
  SettingRange range;
};

constexpr Entry kEntries[] = {
    {"largest-side", "largest footing side", "m", &RevisionLimits::largestSide,
     {.Low = 0.5, .High = 20, .What = "the largest side is a number of m"}},
    {"largest-depth", "largest footing depth", "m", &RevisionLimits::largestDepth,
     {.Low = 0.2, .High = 5, .What = "the largest depth is a number of m"}},
    {"largest-pedestal", "largest pedestal side", "m", &RevisionLimits::largestPedestal,
     {.Low = 0.2, .High = 5, .What = "the largest pedestal is a number of m"}},
    {"largest-bar", "largest bar diameter", "mm", nullptr, {}},
    {"least-bar-spacing", "least spacing of the bottom bars, centre to centre", "mm", &RevisionLimits::leastSpacing,
     {.Low = 50, .High = 450, .What = "the least spacing is a number of mm"}},
};

constexpr std::array kBarDiameters{8, 10, 12, 16, 20, 25, 32};

const Entry* FindEntry(std::string_view key) {
  for (const Entry& e : kEntries)
    if (key == e.key) return &e;
  return nullptr;
}

}  // namespace

std::vector<checks::SettingRow> LimitsInForce(const RevisionLimits& limits) {
  std::vector<checks::SettingRow> rows;
  for (const Entry& e : kEntries)
    rows.push_back({e.key, e.label, e.field ? DecimalText(limits.*e.field, 3) : IntText(limits.largestBar), e.unit});
  return rows;
}

void SetLimit(RevisionLimits& limits, std::string_view key, std::string_view value) {
  const Entry* e = FindEntry(key);
  if (!e) throw ProgramEnd("no setting \"" + std::string(key) + "\"");
  const std::string option = std::string("--") + e->key;
  if (e->field) {
    limits.*e->field = SettingValue(option, std::string(value), e->range);
    return;
  }
  const double dia = SettingValue(option, std::string(value),
                                  {.Low = 8, .High = 32, .What = "the largest bar is a diameter of mm", .Whole = true});
  if (std::find(kBarDiameters.begin(), kBarDiameters.end(), static_cast<int>(dia)) == kBarDiameters.end())
    throw ProgramEnd(option + ": " + std::string(value) + " is not a bar diameter: 8, 10, 12, 16, 20, 25 or 32");
  limits.largestBar = static_cast<int>(dia);
}

bool IsLimitKey(std::string_view key) { return FindEntry(key) != nullptr; }

}  // namespace footmark::revise
