#include "revise/revise.h"

#include <algorithm>

#include "design/foot_groups.h"
#include "revise/group_revision.h"

namespace footmark::revise {

const char* StepText(Step step) {
  switch (step) {
    case Step::Design: return "design";
    case Step::Side: return "side";
    case Step::Depth: return "depth";
    case Step::Bars: return "bars";
    case Step::BendUp: return "bend-up";
    case Step::Pedestal: return "pedestal";
  }
  return "";
}

const char* OutcomeText(Outcome outcome) {
  switch (outcome) {
    case Outcome::Revised: return "revised";
    case Outcome::Designed: return "designed";
    case Outcome::CannotBeRevised: return "cannot be revised";
    case Outcome::Combined: return "combined";
  }
  return "";
}

int DesignRevision::Count(Outcome outcome) const {
  return static_cast<int>(std::count_if(groups.begin(), groups.end(),
                                        [&](const GroupRevision& g) { return g.outcome == outcome; }));
}

const GroupRevision* DesignRevision::Find(int group) const {
  for (const GroupRevision& g : groups)
    if (g.group == group) return &g;
  return nullptr;
}

DesignRevision StartRevision(const Model& model, const checks::DesignChecks& method, const RevisionRequest& request) {
  DesignRevision record;
  record.request = request;
  for (int g = 1; g <= model.FootGroupCount; ++g) {
    const checks::GroupCheck& check = method.groups[static_cast<std::size_t>(g - 1)];
    record.method.push_back(model.FootGroups(g));
    record.methodConcrete.push_back(check.quantities.concreteTotal);
    record.methodSteel.push_back(check.quantities.steelTotal);
    record.origins.push_back({{g}});
    record.passing.push_back(check.check.verdict == checks::Verdict::Ok);
  }
  record.concreteMethod = record.concrete = method.concrete;
  record.steelMethod = record.steel = method.steel;
  return record;
}

void ReviseFailingGroups(Model& model, const checks::CheckBasis& basis, DesignRevision& record,
                         const checks::DesignChecks* method) {
  bool changed = false;
  for (int g = 1; g <= model.FootGroupCount; ++g) {
    const std::size_t i = static_cast<std::size_t>(g - 1);
    if (record.passing[i]) continue;
    // A group no merge changed comes with the method's check of it: the
    // groups revised before it change no verdict of its (an overlap is
    // never made, a gap only warns).
    KnownCheck known;
    const std::vector<int>& origin = record.origins[i].methodGroups;
    if (method && origin.size() == 1 && !record.merging)
      known = {&method->groups[static_cast<std::size_t>(origin.front() - 1)], &method->clashes};
    std::optional<GroupRevision> r = ReviseGroup(model, g, basis, record.request.limits, known);
    Outcomes(record).Keep(model, g, basis, record.request.limits, r);
    if (!r) continue;
    changed = changed || r->outcome != Outcome::CannotBeRevised;
    record.groups.push_back(std::move(*r));
  }
  if (changed) RenumberPedestals(model);
}

void CloseRevision(const checks::DesignChecks& now, DesignRevision& record) {
  record.concrete = now.concrete;
  record.steel = now.steel;
}

}  // namespace footmark::revise
