// The revision's entry points, in the order a run calls them (the pipeline
// holds that order): the method's design recorded, its groups merged to at
// most so many footing types, the failing ones revised, the totals taken
// from the checks of the design as it leaves.
#pragma once

#include "checks/design_checks.h"
#include "combined/combined_footing.h"
#include "revise/revision.h"

namespace footmark::revise {

// Records the method's groups and their quantities from their checks, before
// anything changes them.
DesignRevision StartRevision(const Model& model, const checks::DesignChecks& method, const RevisionRequest& request);

// Merges footing groups until at most request.maxTypes remain, each time the
// two whose merge adds the least concrete: the larger footing's design
// (larger side, then volume) serves both, deepened and its pedestal widened
// where the other's are larger, so that no footing gets smaller. A merge
// that grows a footing into another is taken only when no other is left,
// and the pair it makes meet is on record (a combined footing required). A
// group the method left undesigned has no design to serve another; it may
// join a designed one. The groups that remain keep their order and are
// numbered F1, F2, ... again without gaps.
void MergeFootingTypes(Model& model, DesignRevision& record);

// Revises every group that fails a check or is not designed, F1 first, each
// among the footings as the groups before it left them (ReviseGroup).
// `method`, the checks StartRevision was given, spares checking again a
// group that no merge changed.
void ReviseFailingGroups(Model& model, const checks::CheckBasis& basis, DesignRevision& record,
                         const checks::DesignChecks* method = nullptr);

// Supports whose isolated footings overlap, stand closer face to face than
// the combining gap, or could pass only by growing into each other become
// combined footings CF1, CF2, ... (the sets that cannot be one rectangle on
// a grid line stay not designed, with the footing recommended). Their
// supports leave their groups (model.CombinedAreas holds them); a group
// that loses supports is judged again and revised where it fails, and the
// record says where its supports went. A design whose combined footings
// were formed before keeps them, and none is returned, unless a new clash
// or a group blocked by its neighbour asks for more.
std::vector<combined::CombinedFooting> CombineClashingFootings(Model& model, const checks::CheckBasis& basis,
                                                               DesignRevision& record);

// The quantities of the design as it leaves, from its checks.
void CloseRevision(const checks::DesignChecks& now, DesignRevision& record);

}  // namespace footmark::revise
