#include "checks/check_settings.h"


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
  SettingRange range;            // numbers and the joint height
};

constexpr Entry kEntries[] = {
    {"founding-depth", "founding depth Df", "m", Kind::Number, &CheckSettings::foundingDepth,
     {.Low = 0.1, .High = 20, .What = "the founding depth is a number of m"}},
    {"soil-weight", "unit weight of the soil", "kN/m3", Kind::Number, &CheckSettings::soilWeight,
     {.Low = 1, .High = 30, .What = "the soil's unit weight is a number of kN/m3"}},
    {"concrete-weight", "unit weight of the concrete", "kN/m3", Kind::Number, &CheckSettings::concreteWeight,
     {.Low = 1, .High = 30, .What = "the concrete's unit weight is a number of kN/m3"}},
    {"sbc-basis", "SBC basis (gross or net)", "", Kind::Basis, nullptr, {}},
    {"seismic-increase", "SBC increase under seismic load", "%", Kind::Number, &CheckSettings::seismicIncrease,
     {.Low = 0, .High = 100, .What = "the increase is a number of %"}},
    {"wind-increase", "SBC increase under wind load", "%", Kind::Number, &CheckSettings::windIncrease,
     {.Low = 0, .High = 100, .What = "the increase is a number of %"}},
    {"psi", "psi on imposed and lateral load together", "", Kind::Number, &CheckSettings::psi,
     {.Low = 0, .High = 1, .What = "psi is a number"}},
    {"friction", "friction coefficient mu", "", Kind::Number, &CheckSettings::friction,
     {.Low = 0.05, .High = 1.5, .What = "the friction coefficient is a number"}},
    {"joint-height", "support joint above the underside h (D: the depth)", "m", Kind::Height, nullptr,
     {.Low = 0, .High = 20, .What = "the joint height is D or a number of m"}},
    {"clearance-gap", "clearance warning gap", "mm", Kind::Number, &CheckSettings::clearanceGap,
     {.Low = 0, .High = 5000, .What = "the gap is a number of mm"}},
    {"combining-gap", "footings closer than this face to face are combined", "mm", Kind::Number,
     &CheckSettings::combiningGap, {.Low = 0, .High = 5000, .What = "the gap is a number of mm"}},
    {"combined-columns", "most columns on one combined footing", "", Kind::Number, &CheckSettings::combinedColumns,
     {.Low = 2, .High = 3, .What = "the count is 2 or 3"}},
    {"band-width", "column band of a combined footing: the column and this many d each side", "d", Kind::Number,
     &CheckSettings::bandRule, {.Low = 0.5, .High = 2, .What = "the band rule is a number of effective depths"}},
    {"tie-beams", "tie beams take the lateral actions", "", Kind::Flag, nullptr, {}},
};

std::string Number(double x) { return DecimalText(x, 3); }

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return out;
}

std::string Option(const Entry& e) { return std::string("--") + e.key; }

[[noreturn]] void Refuse(const Entry& e, std::string_view text, const char* wanted) {
  throw ProgramEnd(Option(e) + ": \"" + std::string(text) + "\" is not " + wanted);
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
    case Kind::Number: s.*e.field = SettingValue(Option(e), std::string(text), e.range); return;
    case Kind::Basis:
      if (t != "gross" && t != "net") Refuse(e, text, "gross or net");
      s.sbcBasis = t == "gross" ? SbcBasis::Gross : SbcBasis::Net;
      return;
    case Kind::Height:
      if (t == "d")
        s.jointHeight.reset();
      else
        s.jointHeight = SettingValue(Option(e), std::string(text), e.range);
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
  if (!e) throw ProgramEnd("no setting \"" + std::string(key) + "\"");
  Set(*e, settings, value);
}

bool IsSettingKey(std::string_view key) { return FindEntry(key) != nullptr; }

}  // namespace footmark::checks
