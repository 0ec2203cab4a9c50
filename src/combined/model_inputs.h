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

// The inputs of a set on its line. The base moments are taken at the
// underside: the joint height when it is set, else the deepest of the
// members' isolated footings (the support joints at the footing's top).
CombinedInput InputsOf(const Model& model, const checks::CheckBasis& basis, const SetLine& line);

}  // namespace footmark::combined
