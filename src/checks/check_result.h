// What an independent check of one footing says: a row per check with its
// demand, capacity and utilisation, the footing's verdict, and the numbers a
// calculation sheet prints, so that a report needs none of the formulas.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace footmark::checks {

enum class Status { Pass, Fail, Warning, NotApplicable };

// ok: no check fails; fails: at least one does; not designed: the inputs
// are no design at all (C0), and no other check ran.
enum class Verdict { Ok, Fails, NotDesigned };

// "the design step's own basis: ok, C6 0.887".
struct FootingCheck;
std::string MethodVerdictText(const FootingCheck& check);

// "pass", "fail", "warning", "n/a".
const char* StatusText(Status status);
// "ok", "fails", "not designed".
const char* VerdictText(Verdict verdict);

// One line of a calculation sheet; `decimals` is the number of places to
// print (stresses 3, moments 1, lengths and areas 0).
struct SheetValue {
  std::string name;
  double value = 0;
  std::string unit;
  int decimals = 0;
};

struct Check {
  std::string id;      // "C6"
  std::string name;    // "one-way shear at d from the pedestal face"
  std::string clause;  // "IS 456 34.2.4.1(a), 40.1, Table 19"
  // On the code-strict basis, which the verdict follows: the load cases as
  // the analysis defines them (service combinations with the footing's
  // weight on the soil, factored ones with the net pressure), the upper bar
  // layer's effective depth D - c - 1.5 phi.
  double demand = 0;
  double capacity = 0;  // for a minimum limit: the amount provided
  std::string unit;
  int decimals = 0;  // places to print demand and capacity
  // demand / capacity (limit / provided for minimum limits).
  double utilisation = 0;
  Status status = Status::NotApplicable;
  std::string note;
  // Where the demand governs: the support and the combination; 0 and empty
  // for a check of the footing itself. loadCase is the file's number of the
  // combination (0: one formed from the primaries), reactions the
  // combination's reactions at the support in words.
  int support = 0;
  std::string combination;
  int loadCase = 0;
  std::string reactions;
  // How demand and capacity are found, a line each with the numbers put in:
  // "Mu = B a^2/2 q_n(f + 2a/3) = 2.1 x 0.675^2/2 x 265.12 = 126.8 kN m".
  std::vector<std::string> working;
  // false: nothing to rate (the inputs' sanity, the cover stated, the
  // declared steel compared, a check that does not apply): its utilisation
  // is not printed and it never governs.
  bool rated = true;
  // The same check on the design step's own basis (every load case alike,
  // 1.5 x the gross pressure, d = D - 60 mm, no weight on the soil); NaN
  // where the design step has no such check.
  double methodUtilisation = 0;
  Status methodStatus = Status::NotApplicable;
};

struct FootingCheck {
  Verdict verdict = Verdict::NotDesigned;  // code-strict
  // not designed: why; fails: the failing checks; ok: empty.
  std::string reason;
  std::vector<Check> checks;  // C0 first
  // The rated check with the highest utilisation, bearing (C1) included
  // (a failing one when any fails). Statements and warnings (office rules,
  // details to draw) never govern. -1 when none ran.
  int governing = -1;
  double governingUtilisation = 0;
  int warnings = 0;
  // The design step's own verdict on its own basis, and its governing check
  // as it has always judged it (the slab and detailing: C1 sized the
  // footing).
  Verdict methodVerdict = Verdict::NotDesigned;
  int methodGoverning = -1;
  double methodGoverningUtilisation = 0;
  std::vector<SheetValue> inputs;
  std::vector<SheetValue> derived;  // at the method's effective depth
  // The 90 degree bend up at each bar end that development length needs, mm;
  // 0 for straight bars. barDetail says it in words for the schedule.
  double bendLeg = 0;
  std::string barDetail;

  // The check with this id, null when it did not run.
  const Check* Find(std::string_view id) const;
};

}  // namespace footmark::checks
