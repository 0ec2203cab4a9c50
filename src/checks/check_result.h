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
  double demand = 0;
  double capacity = 0;  // for a minimum limit: the amount provided
  std::string unit;
  int decimals = 0;  // places to print demand and capacity
  // demand / capacity (limit / provided for minimum limits) on the method's
  // conventions: effective depth D - 60 mm, the pressure the design used.
  // The verdict follows it.
  double utilisation = 0;
  // The same on the code-strict conventions: the upper layer's effective
  // depth D - c - 1.5 phi, the self weight of footing and pedestal on the
  // soil. Equal to `utilisation` where the conventions do not enter.
  double strictUtilisation = 0;
  Status status = Status::NotApplicable;
  std::string note;
};

struct FootingCheck {
  Verdict verdict = Verdict::NotDesigned;
  // not designed: why; fails: the failing checks; ok: empty.
  std::string reason;
  std::vector<Check> checks;  // C0 first
  // The failing check with the highest utilisation; when none fails, the
  // highest of the slab and detailing checks that pass (C3 to C15): C1 is
  // what sized the footing, C9 states the cover assumed, C13 compares the
  // design's own figures and C15b is the column's own concrete. Warnings
  // (office rules, consistency notes) never govern. -1 when none ran.
  int governing = -1;
  double governingUtilisation = 0;
  int warnings = 0;
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
