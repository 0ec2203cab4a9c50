#include "loads/combinations.h"

#include <cmath>
#include <map>

#include "model/numerics.h"

namespace footmark::loads {

namespace {

using Factors = std::map<int, double>;  // primary number -> factor

bool SameFactors(const Factors& a, const std::vector<CaseFactor>& b) {
  if (a.size() != b.size()) return false;
  auto it = a.begin();
  for (const CaseFactor& f : b) {
    if (it->first != f.caseNumber || std::fabs(it->second - f.factor) > 1e-9) return false;
    ++it;
  }
  return true;
}

// "0.8" before a load, nothing for 1.
std::string Coefficient(double x) { return x == 1 ? "" : DecimalText(x, 3); }

class Former {
 public:
  Former(const LoadFile& file, CombinationSets& sets) : file_(file), sets_(sets) {}

  void Primaries() {
    for (const LoadCase& c : file_.cases) {
      if (c.kind != CaseKind::Primary || c.leftOut || !c.printed) continue;
      const int index = file_.PrintedIndex(c.number);
      if (c.loadClass == LoadClass::Dead) {
        dead_.push_back(c.number);
        sets_.dead.push_back({index, 1});
      }
      if (c.loadClass == LoadClass::Live) {
        live_.push_back(c.number);
        sets_.live.push_back({index, 1});
      }
      if (c.loadClass == LoadClass::Seismic || c.loadClass == LoadClass::Wind)
        sets_.laterals.push_back(
            {c.number, c.loadClass, index, (c.loadClass == LoadClass::Seismic ? "EL" : "WL") + IntText(c.number)});
    }
  }

  void FileCombinations() {
    for (const LoadCase& c : file_.cases) {
      if (c.kind == CaseKind::Primary || c.leftOut) continue;
      if (c.use == CaseUse::Service) sets_.service.push_back(FromFile(c));
      if (c.use == CaseUse::Factored) sets_.factored.push_back(FromFile(c));
    }
  }

  // DL and LL at cD and cL, one lateral case at cX (none when x is null).
  void Add(std::vector<Combination>& set, const std::string& name, double cD, double cL, const LateralCase* x,
           double cX) {
    const Factors f = Sum(cD, cL, x, cX);
    if (const LoadCase* same = FileEqual(f)) {
      // Kept once, under the file's name; the uplift set takes it too.
      if (&set == &sets_.uplift) set.push_back(FromFile(*same));
      return;
    }
    Combination c;
    c.name = name;
    c.lateral = x && cX != 0;
    if (c.lateral) c.lateralClass = x->loadClass;
    c.deadFactor = cD;
    for (const auto& [number, factor] : f) c.terms.push_back({file_.PrintedIndex(number), factor});
    set.push_back(std::move(c));
  }

  bool HasLive() const { return !live_.empty(); }

 private:
  Factors Sum(double cD, double cL, const LateralCase* x, double cX) const {
    Factors f;
    for (const int n : dead_) f[n] += cD;
    for (const int n : live_) f[n] += cL;
    if (x) f[x->number] += cX;
    for (auto it = f.begin(); it != f.end();) it = it->second == 0 ? f.erase(it) : std::next(it);
    return f;
  }

  const LoadCase* FileEqual(const Factors& f) const {
    for (const LoadCase& c : file_.cases)
      if (c.kind != CaseKind::Primary && !c.leftOut && c.use != CaseUse::NotUsed && SameFactors(f, c.factors))
        return &c;
    return nullptr;
  }

  Combination FromFile(const LoadCase& lc) const {
    Combination c;
    c.name = "LC" + IntText(lc.number) + (lc.title.empty() ? "" : " " + lc.title);
    c.number = lc.number;
    c.lateral = lc.lateral;
    double dead = -1;
    for (const CaseFactor& f : lc.factors) {
      const LoadClass k = file_.Find(f.caseNumber)->loadClass;
      if (k == LoadClass::Seismic) c.lateralClass = LoadClass::Seismic;
      if (k == LoadClass::Wind && c.lateralClass != LoadClass::Seismic) c.lateralClass = LoadClass::Wind;
      if (k == LoadClass::Dead && (dead < 0 || f.factor < dead)) dead = f.factor;
    }
    c.deadFactor = std::max(dead, 0.0);
    if (lc.printed)
      c.terms.push_back({file_.PrintedIndex(lc.number), 1});
    else
      for (const CaseFactor& f : lc.factors) c.terms.push_back({file_.PrintedIndex(f.caseNumber), f.factor});
    return c;
  }

  const LoadFile& file_;
  CombinationSets& sets_;
  std::vector<int> dead_, live_;
};

void MethodConvention(const LoadFile& file, CombinationSets& sets) {
  for (std::size_t k = 0; k < file.printed.size(); ++k) {
    const int number = file.printed[k];
    const LoadCase* lc = file.Find(number);
    const std::string name = "LC" + IntText(number) + (lc && !lc->title.empty() ? " " + lc->title : "");
    Combination c;
    c.name = name;
    c.number = number;
    c.deadFactor = 1;
    c.laterCase = k > 0;
    c.terms = {{static_cast<int>(k), 1}};
    sets.service.push_back(c);
    c.name = "1.5 x " + name;
    c.deadFactor = 1.5;
    c.laterCase = false;
    c.terms = {{static_cast<int>(k), 1.5}};
    sets.factored.push_back(std::move(c));
  }
}

}  // namespace

CombinationSets FormCombinations(const LoadFile& file, double psi) {
  CombinationSets sets;
  sets.psi = psi;
  sets.fallback = file.fallback;
  if (file.fallback) {
    MethodConvention(file, sets);
    return sets;
  }
  Former former(file, sets);
  former.Primaries();
  former.FileCombinations();
  const bool live = former.HasLive();
  if (!live) sets.notes.push_back("No imposed load case: dead load stands alone in the combinations");
  const std::string p = Coefficient(psi);
  former.Add(sets.service, "DL", 1, 0, nullptr, 0);
  if (live) former.Add(sets.service, "DL + LL", 1, 1, nullptr, 0);
  former.Add(sets.factored, live ? "1.5(DL + LL)" : "1.5DL", 1.5, live ? 1.5 : 0, nullptr, 0);
  for (const LateralCase& x : sets.laterals) {
    for (const double sign : {1.0, -1.0}) {
      const std::string s = sign > 0 ? " + " : " - ";
      former.Add(sets.service, "DL" + s + x.label, 1, 0, &x, sign);
      if (live) former.Add(sets.service, "DL + " + p + "LL" + s + p + x.label, 1, psi, &x, sign * psi);
      if (live) former.Add(sets.factored, "1.2(DL + LL" + s + x.label + ")", 1.2, 1.2, &x, 1.2 * sign);
      former.Add(sets.factored, "1.5(DL" + s + x.label + ")", 1.5, 0, &x, 1.5 * sign);
      former.Add(sets.factored, "0.9DL" + s + "1.5" + x.label, 0.9, 0, &x, 1.5 * sign);
      former.Add(sets.uplift, "0.9DL" + s + "1.5" + x.label, 0.9, 0, &x, 1.5 * sign);
    }
  }
  return sets;
}

Reaction Evaluate(const LoadFile& file, int support, const std::vector<Term>& terms) {
  Reaction r;
  for (const Term& t : terms) r.Add(file.Row(support, t.index), t.factor);
  return r;
}

}  // namespace footmark::loads
