// The revision of one footing group, step by step (revise.cpp runs it over
// the design). Private to the module.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "checks/design_checks.h"
#include "revise/revision.h"

namespace footmark::revise {

// The support numbers of a group.
std::vector<int> SupportsOf(const FootGroup& group);

// Puts a design on group g: the group and the footing side of each of its
// supports.
void ApplyDesign(Model& model, int g, const FootGroup& design);

// The design with the governing gross pressure of its supports under its
// own side, as the design forms its groups (foot_groups.h).
FootGroup AtSide(const Model& model, FootGroup design);

// Numbers the pedestal types afresh from the pedestals the groups now have.
void RenumberPedestals(Model& model);

// Designs a group the method left undesigned from its pressure directly,
// with the design's own steps and no reference volume; a column above
// 750 mm gets a pedestal 75 mm wider each side, to 50 mm. False, with the
// reason, when no footing of the group's side can take the pedestal.
bool DesignDirectly(Model& model, int g, std::string& why);

// The group's check as it stands when it is known already (the method's,
// for a group no merge changed), and the clashes of the plan it was made in.
struct KnownCheck {
  const checks::GroupCheck* group = nullptr;
  const std::vector<checks::Clash>* clashes = nullptr;
};

// Revises group g until every check passes; none when it passes as it is.
// A group that cannot be revised is left as it came, with the reason.
//
// The failing check first in the order of the steps chooses the step; the
// group is checked again after it. Near passing (ratio up to 1.1) that is
// one rung at a time, each lowering the ratio that forced it; far from it
// the length of the run (until another step is needed first, or none) is
// found by doubling and halving, as the checks a step serves fall along its
// ladder. Before a check's first run, the ladder's last rung within the
// limits and the neighbouring footings is tried: a check that fails even
// there makes the group "cannot be revised" at once. At the end, any single
// step that every check passes without is taken back.
std::optional<GroupRevision> ReviseGroup(Model& model, int g, const checks::CheckBasis& basis,
                                         const RevisionLimits& limits, const KnownCheck& known = {});

// ReviseGroup, sparing a group found "cannot be revised" before while
// nothing its revision reads has changed: the group as it stands, its
// supports' columns, the footings in plan near enough to meet it at any side
// it can be tried at (clashes, clearance), its room to grow, and the other
// groups' pedestal sides (the schedule's pedestal types). Such a revision
// leaves the model as it found it (a design made for a group the method
// left undesigned is taken back with it), so it is taken as it was,
// whatever the group's number or the footings far from it.
class KnownOutcomes {
 public:
  std::optional<GroupRevision> Revise(Model& model, int g, const checks::CheckBasis& basis,
                                      const RevisionLimits& limits);
  // Keeps the outcome of a revision of group g made before.
  void Keep(const Model& model, int g, const checks::CheckBasis& basis, const RevisionLimits& limits,
            const std::optional<GroupRevision>& r);

 private:
  void For(const checks::CheckBasis& basis, const RevisionLimits& limits);
  // Keeps a "cannot be revised" outcome; `key`: KeyOf(model, g) if made already.
  void Remember(const Model& model, int g, const std::optional<GroupRevision>& r, std::string key);
  std::string KeyOf(const Model& model, int g) const;

  // What the outcomes were found on; another basis or other limits start afresh.
  std::shared_ptr<const loads::LoadFile> file_;
  checks::CheckSettings settings_;
  RevisionLimits limits_;
  std::map<std::string, GroupRevision> known_;
};

// The record's outcomes kept so far.
KnownOutcomes& Outcomes(DesignRevision& record);

}  // namespace footmark::revise
