// A combined footing's inputs from a checked model: the supports in plan,
// their reactions in the combinations the checks judge isolated footings
// under (the same load basis), and the project's settings.
#pragma once

#include <vector>

#include "checks/design_checks.h"
#include "combined/combined_run.h"
#include "model/model.h"

namespace footmark::combined {

// Every isolated footing in plan with its grid point.
std::vector<PlanSupport> PlanOf(const Model& model);

// The engine's settings from the model's grades and SBC and the checks' settings.
Settings SettingsOf(const Model& model, const checks::CheckSettings& settings);

// The pedestal (mm; 0: none) each support's isolated group gives it, by
// support number: taken once, before combining takes supports out of groups.
std::vector<double> GroupPedestals(const Model& model);

// The inputs of a set on its line, with the pedestals its supports had
// before combining. The base moments are taken at the underside: at the
// joint height when it is set, else at the combined footing's own depth
// (the support joints at the footing's top), which the design finds.
CombinedInput InputsOf(const Model& model, const checks::CheckBasis& basis, const SetLine& line,
                       const std::vector<double>& pedestals);

}  // namespace footmark::combined
