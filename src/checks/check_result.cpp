#include "checks/check_result.h"

#include "model/numerics.h"

namespace footmark::checks {

const char* StatusText(Status status) {
  switch (status) {
    case Status::Pass: return "pass";
    case Status::Fail: return "fail";
    case Status::Warning: return "warning";
    case Status::NotApplicable: break;
  }
  return "n/a";
}

const char* VerdictText(Verdict verdict) {
  switch (verdict) {
    case Verdict::Ok: return "ok";
    case Verdict::Fails: return "fails";
    case Verdict::NotDesigned: break;
  }
  return "not designed";
}

std::string MethodVerdictText(const FootingCheck& check) {
  std::string text = std::string("the design step's own basis: ") + VerdictText(check.methodVerdict);
  if (check.methodGoverning < 0) return text;
  const Check& c = check.checks[static_cast<std::size_t>(check.methodGoverning)];
  return text + ", " + c.id + " " + DecimalText(check.methodGoverningUtilisation, 4, true);
}

const Check* FootingCheck::Find(std::string_view id) const {
  for (const Check& c : checks)
    if (c.id == id) return &c;
  return nullptr;
}

}  // namespace footmark::checks
