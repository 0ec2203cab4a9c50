#include "checks/check_settings.h"

#include <optional>
#include <stdexcept>

#include "model/failure.h"
#include "model/numerics.h"

namespace footmark::checks {

namespace {

enum class Kind { Number, Basis, Height, Flag };

struct Entry {
  const char* key;
  const char* label;
  const char* unit;
  Kind kind;
  double CheckSettings::*field;  // numbers
  double low, high;              // numbers and the joint height
};

constexpr Entry kEntries[] = {
    {"founding-depth", "founding depth Df", "m", Kind::Number, &CheckSettings::foundingDepth, 0.1, 20},
    {"soil-weight", "unit weight of the soil", "kN/m3", Kind::Number, &CheckSettings::soilWeight, 1, 30},
    {"concrete-weight", "unit weight of the concrete", "kN/m3", Kind::Number, &CheckSettings::concreteWeight, 1, 30},
    {"sbc-basis", "SBC basis (gross or net)", "", Kind::Basis, nullptr, 0, 0},
    {"seismic-increase", "SBC increase under seismic load", "%", Kind::Number, &CheckSettings::seismicIncrease, 0,
     100},
    {"wind-increase", "SBC increase under wind load", "%", Kind::Number, &CheckSettings::windIncrease, 0, 100},
    {"psi", "psi on imposed and lateral load together", "", Kind::Number, &CheckSettings::psi, 0, 1},
    {"friction", "friction coefficient mu", "", Kind::Number, &CheckSettings::friction, 0.05, 1.5},
    {"joint-height", "support joint above the underside h (D: the depth)", "m", Kind::Height, nullptr, 0, 20},
    {"clearance-gap", "clearance warning gap", "mm", Kind::Number, &CheckSettings::clearanceGap, 0, 5000},
    {"tie-beams", "tie beams take the lateral actions", "", Kind::Flag, nullptr, 0, 0},
};

std::string Number(double x) { return DecimalText(x, 3); }

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return out;
}

[[noreturn]] void Refuse(const Entry& e, std::string_view text, const std::string& wanted) {
  throw std::invalid_argument(std::string(e.label) + " must be " + wanted + ", not \"" + std::string(text) + "\"");
}

double InRange(const Entry& e, std::string_view text) {
  std::optional<double> v;
  try {
    v = StrictNumber(text);
  } catch (const RuntimeFailure&) {  // beyond the double range: out of range all the same
  }
  if (!v || !(*v >= e.low && *v <= e.high))
    Refuse(e, text, "a number from " + Number(e.low) + " to " + Number(e.high) + (*e.unit ? " " : "") + e.unit);
  return *v;
}

std::string Get(const Entry& e, const CheckSettings& s) {
  switch (e.kind) {
    case Kind::Number: return Number(s.*e.field);
    case Kind::Basis: return s.sbcBasis == SbcBasis::Gross ? "gross" : "net";
    case Kind::Height: return s.jointHeight ? Number(*s.jointHeight) : "D";
    case Kind::Flag: break;
  }
  return s.tieBeams ? "yes" : "no";
}

void Set(const Entry& e, CheckSettings& s, std::string_view text) {
  const std::string t = Lower(text);
  switch (e.kind) {
    case Kind::Number: s.*e.field = InRange(e, text); return;
    case Kind::Basis:
      if (t != "gross" && t != "net") Refuse(e, text, "gross or net");
      s.sbcBasis = t == "gross" ? SbcBasis::Gross : SbcBasis::Net;
      return;
    case Kind::Height:
      if (t == "d")
        s.jointHeight.reset();
      else
        s.jointHeight = InRange(e, text);
      return;
    case Kind::Flag: break;
  }
  if (t != "yes" && t != "no") Refuse(e, text, "yes or no");
  s.tieBeams = t == "yes";
}

const Entry* FindEntry(std::string_view key) {
  for (const Entry& e : kEntries)
    if (key == e.key) return &e;
  return nullptr;
}

}  // namespace

std::vector<SettingRow> SettingsInForce(const CheckSettings& settings) {
  std::vector<SettingRow> rows;
  for (const Entry& e : kEntries)
    rows.push_back({e.key, e.label, Get(e, settings), e.kind == Kind::Height && !settings.jointHeight ? "" : e.unit});
  return rows;
}

void SetSetting(CheckSettings& settings, std::string_view key, std::string_view value) {
  const Entry* e = FindEntry(key);
  if (!e) throw std::invalid_argument("no setting \"" + std::string(key) + "\"");
  Set(*e, settings, value);
}

bool IsSettingKey(std::string_view key) { return FindEntry(key) != nullptr; }

}  // namespace footmark::checks
