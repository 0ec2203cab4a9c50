// Classes of the primaries: the analysis program's load type first; where it
// says nothing (None, absent or unknown), whole words of the title, and only
// when exactly one class matches.
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string_view>
#include <vector>

#include "loads/case_rules.h"
#include "loads/load_cases.h"
#include "model/numerics.h"

namespace footmark::loads {

namespace {

struct Named {
  std::string_view name;
  LoadClass loadClass;
};

// Load types as the analysis program writes them. Those that are neither
// gravity nor lateral actions the checks combine are known, not combined.
constexpr std::array<Named, 25> kLoadTypes{{
    {"DEAD", LoadClass::Dead},          {"LIVE", LoadClass::Live},          {"ROOF LIVE", LoadClass::Live},
    {"SNOW", LoadClass::Live},          {"SEISMIC", LoadClass::Seismic},    {"SEISMIC-H", LoadClass::Seismic},
    {"WIND", LoadClass::Wind},          {"SEISMIC-V", LoadClass::Other},    {"TEMPERATURE", LoadClass::Other},
    {"ACCIDENTAL", LoadClass::Other},   {"MASS", LoadClass::Other},         {"GRAVITY", LoadClass::Other},
    {"SOIL", LoadClass::Other},         {"FLUIDS", LoadClass::Other},       {"RAIN", LoadClass::Other},
    {"PONDING", LoadClass::Other},      {"DUST", LoadClass::Other},         {"TRAFFIC", LoadClass::Other},
    {"IMPERFECTION", LoadClass::Other}, {"FLOOD", LoadClass::Other},        {"ICE", LoadClass::Other},
    {"WIND ON ICE", LoadClass::Other},  {"CRANE HOOK", LoadClass::Other},   {"PUSH", LoadClass::Other},
    {"NOTIONAL", LoadClass::Other},
}};

// Title words, whole and in any case; "SELF WEIGHT" and "FLOOR FINISH" are
// phrases, so that "FLOOR LIVE LOAD" stays imposed.
constexpr std::array<Named, 30> kTitleWords{{
    {"DEAD", LoadClass::Dead},       {"DL", LoadClass::Dead},          {"SELF WEIGHT", LoadClass::Dead},
    {"SELFWEIGHT", LoadClass::Dead}, {"SW", LoadClass::Dead},          {"FLOOR FINISH", LoadClass::Dead},
    {"FF", LoadClass::Dead},         {"WALL", LoadClass::Dead},        {"WALLS", LoadClass::Dead},
    {"LIVE", LoadClass::Live},       {"LL", LoadClass::Live},          {"IMPOSED", LoadClass::Live},
    {"IL", LoadClass::Live},         {"RLL", LoadClass::Live},         {"SNOW", LoadClass::Live},
    {"EQ", LoadClass::Seismic},      {"EQX", LoadClass::Seismic},      {"EQZ", LoadClass::Seismic},
    {"EL", LoadClass::Seismic},      {"EARTHQUAKE", LoadClass::Seismic}, {"SEISMIC", LoadClass::Seismic},
    {"WIND", LoadClass::Wind},       {"WL", LoadClass::Wind},          {"WLX", LoadClass::Wind},
    {"WX", LoadClass::Wind},         {"WZ", LoadClass::Wind},          {"THERMAL", LoadClass::Other},
    {"TEMP", LoadClass::Other},      {"TEMPERATURE", LoadClass::Other}, {"WLZ", LoadClass::Wind},
}};

// The title as words of letters and digits, each followed by one blank, so
// that " WORD " finds a whole word and " SELF WEIGHT " a phrase.
std::string WordLine(std::string_view title) {
  std::string out = " ";
  for (const char c : Upper(title)) {
    const bool word = std::isalnum(static_cast<unsigned char>(c)) != 0;
    if (word)
      out += c;
    else if (out.back() != ' ')
      out += ' ';
  }
  if (out.back() != ' ') out += ' ';
  return out;
}

}  // namespace

bool IsLoadType(const std::string& upper) {
  return upper == "NONE" ||
         std::any_of(kLoadTypes.begin(), kLoadTypes.end(), [&](const Named& t) { return upper == t.name; });
}

LoadClass ClassifyPrimary(const std::string& loadType, const std::string& title) {
  const std::string type = Upper(loadType);
  for (const Named& t : kLoadTypes)
    if (type == t.name) return t.loadClass;
  const std::string words = WordLine(title);
  LoadClass found = LoadClass::Unclassified;
  int classes = 0;
  for (const Named& w : kTitleWords) {
    if (words.find(" " + std::string(w.name) + " ") == std::string::npos) continue;
    if (classes == 0 || w.loadClass != found) ++classes;
    found = w.loadClass;
  }
  // Words beginning with TEMP (TEMPERATURE, TEMPS) are thermal actions.
  if (words.find(" TEMP") != std::string::npos && found != LoadClass::Other) {
    ++classes;
    found = LoadClass::Other;
  }
  return classes == 1 ? found : LoadClass::Unclassified;
}

const char* ClassText(LoadClass c) {
  switch (c) {
    case LoadClass::Dead: return "dead";
    case LoadClass::Live: return "live";
    case LoadClass::Seismic: return "seismic";
    case LoadClass::Wind: return "wind";
    case LoadClass::Other: return "other";
    case LoadClass::Unclassified: break;
  }
  return "unclassified";
}

const char* KindText(CaseKind k) {
  switch (k) {
    case CaseKind::Primary: return "primary";
    case CaseKind::Combination: return "combination";
    case CaseKind::Repeat: break;
  }
  return "repeat";
}

const char* UseText(CaseUse u) {
  switch (u) {
    case CaseUse::Primary: return "primary";
    case CaseUse::Service: return "service";
    case CaseUse::Factored: return "factored";
    case CaseUse::NotUsed: break;
  }
  return "not used";
}

std::string FactorText(const LoadCase& c) {
  std::string out;
  for (const CaseFactor& f : c.factors) {
    const std::string factor = DecimalText(std::fabs(f.factor), 4);
    out += (out.empty() ? (f.factor < 0 ? "-" : "") : (f.factor < 0 ? " - " : " + ")) + factor + " LC" +
           IntText(f.caseNumber);
  }
  return out;
}

std::string CaseNote(const LoadCase& c) {
  std::vector<std::string> notes;
  if (c.leftOut) notes.push_back("left out (see the warnings)");
  if (c.line == 0) notes.push_back("not in the echoed input");
  if (!c.printed && !c.leftOut && c.rebuilt) notes.push_back("not printed: rebuilt from its primaries");
  if (c.srss) notes.push_back("SRSS or ABS: as printed");
  if (c.lateral) notes.push_back("lateral");
  if (c.kind == CaseKind::Primary && c.loadClass == LoadClass::Other) notes.push_back("not combined");
  std::string out;
  for (const std::string& n : notes) out += (out.empty() ? "" : "; ") + n;
  return out;
}

}  // namespace footmark::loads
