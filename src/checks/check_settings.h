// The project's settings for the checks: the site and the office's choices
// the load basis needs beside the analysis file. Plain fields with their
// defaults here and nowhere else; every output prints them (SettingsInForce)
// and every front end sets them by key (SetSetting).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace footmark::checks {

// "Safe bearing capacity" as IS 6403 has it is the gross value; a soil
// report may give the net one (gross less the soil removed, gamma_s Df).
enum class SbcBasis { Gross, Net };

struct CheckSettings {
  double foundingDepth = 1.5;   // Df, ground to the underside of the footing, m
  double soilWeight = 18;       // gamma_s, kN/m3
  double concreteWeight = 25;   // gamma_c, kN/m3
  SbcBasis sbcBasis = SbcBasis::Gross;
  double seismicIncrease = 25;  // % on the SBC under seismic combinations (IS 1893 6.3.5.2)
  double windIncrease = 25;     // % on the SBC under wind combinations
  double psi = 0.8;             // on imposed and lateral load together in service (IS 456 Table 18)
  double friction = 0.5;        // mu, concrete on soil
  // h, the support joint above the underside of the footing, m; none: the
  // footing's depth D (supports at the top of the footing).
  std::optional<double> jointHeight;
  double clearanceGap = 100;  // mm: footings closer than this are reported
  bool tieBeams = false;      // tie beams take the lateral actions: no overturning or sliding checks
  // Combined footings (with a revision): footings that overlap, or leave a
  // face to face gap under combiningGap, share one footing of at most
  // combinedColumns columns; a column's transverse band reaches bandRule
  // times the effective depth beyond each of its faces.
  double combiningGap = 100;  // mm
  double combinedColumns = 3;
  double bandRule = 0.75;
  bool operator==(const CheckSettings&) const = default;
};

struct SettingRow {
  std::string key;    // "founding-depth": the option and the saved name
  std::string label;  // "founding depth Df"
  std::string value;  // "1.5"
  std::string unit;   // "m"
};

// Every setting with the value in force, in a fixed order.
std::vector<SettingRow> SettingsInForce(const CheckSettings& settings);

// Sets the setting named by its key from text as a user types it ("1.5",
// "net", "D", "yes"); a key or value it cannot take throws ProgramEnd with
// the text to show, named by its option ("--psi: 2 is out of range; psi is
// a number from 0 to 1").
void SetSetting(CheckSettings& settings, std::string_view key, std::string_view value);

// Whether a key names a setting.
bool IsSettingKey(std::string_view key);

}  // namespace footmark::checks
