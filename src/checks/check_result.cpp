#include "checks/check_result.h"

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

const Check* FootingCheck::Find(std::string_view id) const {
  for (const Check& c : checks)
    if (c.id == id) return &c;
  return nullptr;
}

}  // namespace footmark::checks
