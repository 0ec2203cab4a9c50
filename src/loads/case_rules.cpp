#include "loads/case_rules.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>

#include "model/numerics.h"

namespace footmark::loads {

namespace {

std::string Quoted(const LoadCase& c) { return c.title.empty() ? "" : " \"" + c.title + "\""; }

// "1, 2, 3" and, past ten, "... and 25 more".
std::string NumberList(const std::vector<int>& numbers) {
  std::string out;
  for (std::size_t k = 0; k < numbers.size() && k < 10; ++k) out += (k ? ", " : "") + IntText(numbers[k]);
  if (numbers.size() > 10) out += " and " + IntText(static_cast<long long>(numbers.size() - 10)) + " more";
  return out;
}

class Expansion {
 public:
  explicit Expansion(LoadFile& file) : file_(file), state_(file.cases.size(), 0) {}

  void All() {
    for (std::size_t k = 0; k < file_.cases.size(); ++k)
      if (file_.cases[k].kind != CaseKind::Primary) Expand(k);
  }

 private:
  void LeaveOut(LoadCase& lc, const std::string& why) {
    if (!lc.leftOut) file_.warnings.push_back(WhereDefined(lc) + ": " + CaseName(lc) + " " + why + "; it is left out");
    lc.leftOut = true;
  }

  std::size_t IndexOf(const LoadCase* c) const { return static_cast<std::size_t>(c - file_.cases.data()); }

  // Multiplies the pairs out onto primaries; false when the case is left out.
  bool Expand(std::size_t k) {
    LoadCase& lc = file_.cases[k];
    if (state_[k] == 2 || lc.leftOut) return !lc.leftOut;
    state_[k] = 1;
    std::map<int, double> sum;
    for (const CaseFactor& p : lc.pairs) {
      const LoadCase* ref = file_.Find(p.caseNumber);
      if (p.caseNumber == lc.number) {
        LeaveOut(lc, "names itself");
      } else if (!ref) {
        LeaveOut(lc, "names load case " + IntText(p.caseNumber) + ", which the file does not define");
      } else if (ref->kind == CaseKind::Primary) {
        sum[p.caseNumber] += p.factor;
        continue;
      } else if (state_[IndexOf(ref)] == 1) {
        LeaveOut(lc, "uses " + CaseName(*ref) + ", which uses " + CaseName(lc) + " in turn");
      } else if (!Expand(IndexOf(ref))) {
        LeaveOut(lc, "uses " + CaseName(*ref) + ", which is left out");
      } else {
        for (const CaseFactor& f : ref->factors) sum[f.caseNumber] += p.factor * f.factor;
        continue;
      }
      break;
    }
    state_[k] = 2;
    if (lc.leftOut) return false;
    for (const auto& [number, factor] : sum)
      if (factor != 0) lc.factors.push_back({number, factor});
    return true;
  }

  LoadFile& file_;
  std::vector<int> state_;  // 0 not yet, 1 being expanded, 2 done
};

// Service up to 1.1 (an office's "+10 % self weight" stays service),
// factored from 1.2 (the smallest factor on a leading variable load in
// IS 456 Table 18); rebuilt when unprinted and linear.
void SortCombination(LoadFile& file, LoadCase& lc) {
  double m = 0;
  bool seismic = false, wind = false, printedParts = true;
  for (const CaseFactor& f : lc.factors) {
    m = std::max(m, std::fabs(f.factor));
    const LoadCase* p = file.Find(f.caseNumber);
    seismic = seismic || p->loadClass == LoadClass::Seismic;
    wind = wind || p->loadClass == LoadClass::Wind;
    printedParts = printedParts && p->printed;
  }
  lc.lateral = seismic || wind;
  if (seismic && wind)
    file.warnings.push_back(WhereDefined(lc) + ": " + CaseName(lc) +
                            " holds seismic and wind load together, whose maxima do not occur together "
                            "(IS 875-5 8.2)");
  const auto leaveOut = [&](const std::string& why) {
    file.warnings.push_back(WhereDefined(lc) + ": " + CaseName(lc) + " " + why + "; it is left out");
    lc.leftOut = true;
  };
  if (!lc.printed) {
    if (lc.srss) return leaveOut("is not in the support reaction table and, SRSS or ABS, cannot be rebuilt");
    if (!printedParts)
      return leaveOut("is not in the support reaction table, nor are all of its primaries to rebuild it from");
    lc.rebuilt = true;
  }
  if (m <= 1.1 + 1e-9) {
    lc.use = CaseUse::Service;
  } else if (m >= 1.2 - 1e-9) {
    lc.use = CaseUse::Factored;
  } else {
    lc.use = CaseUse::NotUsed;
    file.warnings.push_back(WhereDefined(lc) + ": " + CaseName(lc) + " has a largest factor of " + DecimalText(m, 3) +
                            ", neither a service (up to 1.1) nor a factored combination (from 1.2); it is not used");
  }
}

}  // namespace

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::string WhereDefined(const LoadCase& c) {
  if (c.line == 0) return "Load case " + IntText(c.number);
  return "Line " + IntText(c.line) + " (input line " + IntText(c.inputLine) + ")";
}

std::string CaseName(const LoadCase& c) {
  return (c.kind == CaseKind::Primary ? "load case " : c.kind == CaseKind::Repeat ? "repeat case " : "combination ") +
         IntText(c.number);
}

void SettleCases(LoadFile& file) {
  std::vector<int> notEchoed, unclassified;
  for (const int number : file.printed) {
    for (LoadCase& c : file.cases)
      if (c.number == number) c.printed = true;
    if (file.Find(number)) continue;
    LoadCase lc;
    lc.number = number;
    lc.printed = true;
    file.cases.push_back(lc);
    notEchoed.push_back(number);
  }

  bool dead = false;
  for (LoadCase& c : file.cases) {
    if (c.kind != CaseKind::Primary) continue;
    c.use = CaseUse::Primary;
    if (c.line == 0) continue;
    c.loadClass = ClassifyPrimary(c.loadType, c.title);
    if (!c.printed) {
      file.warnings.push_back(WhereDefined(c) + ": " + CaseName(c) + " is not in the support reaction table; it is left out");
      c.leftOut = true;
      continue;
    }
    dead = dead || c.loadClass == LoadClass::Dead;
    if (c.loadClass == LoadClass::Unclassified) unclassified.push_back(c.number);
    if (c.loadClass == LoadClass::Other)
      file.warnings.push_back(WhereDefined(c) + ": " + CaseName(c) + Quoted(c) + " (" +
                              (c.loadType.empty() ? std::string("title") : c.loadType) +
                              ") is neither gravity nor lateral load; the checks do not combine it");
  }

  Expansion(file).All();
  for (LoadCase& c : file.cases)
    if (c.kind != CaseKind::Primary && !c.leftOut) SortCombination(file, c);

  std::vector<std::string> why;
  for (const int n : unclassified) {
    const LoadCase* c = file.Find(n);
    why.push_back("load case " + IntText(n) + Quoted(*c) + " is of no load class or of several");
  }
  if (!notEchoed.empty())
    why.push_back((notEchoed.size() == 1 ? "load case " : "load cases ") + NumberList(notEchoed) +
                  (notEchoed.size() == 1 ? " is" : " are") + " not in the echoed input");
  if (!dead && notEchoed.size() < file.printed.size()) why.push_back("no printed load case is dead load");
  if (why.empty() || file.printed.empty()) return;
  file.fallback = true;
  std::string text = "The load cases cannot all be classified (";
  for (std::size_t k = 0; k < why.size(); ++k) text += (k ? "; " : "") + why[k];
  file.warnings.push_back(text +
                          "): the checks take every printed load case alike, as the design does: service loads "
                          "on SBC for the first case and 1.25 x SBC after, the slab at 1.5 x each case, "
                          "no stability checks");
}

}  // namespace footmark::loads
