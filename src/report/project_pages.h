// The calculation report's project pages: the header, the method's
// assumptions, the summary of every footing mark with the totals, the uplift
// warnings, the column schedule and the footing plan.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "checks/design_checks.h"
#include "model/model.h"
#include "model/project_info.h"

namespace footmark::report {

// The first page's head: the project as given, the program, the date
// ("2024-05-31") and the run's figures.
std::string ProjectHeader(const Model& model, const checks::DesignChecks& checks, const ProjectInfo& project,
                          std::string_view date);

std::string MethodAssumptions(const checks::DesignChecks& checks);

// The settings in force, every load case with its class and use, the
// combinations judged under and the warnings of reading them.
std::string LoadBasis(const checks::DesignChecks& checks);

// The pairs of footings that overlap or stand closer than the warning gap.
std::string Clashes(const checks::DesignChecks& checks);

// One row per footing mark, the totals, the steel by bar diameter and the
// marks that fail or are not designed.
std::string Summary(const Model& model, const checks::DesignChecks& checks);

// Every load case that does not press on the soil at a support.
std::string UpliftWarnings(const Model& model);

std::string ColumnSchedule(const Model& model);

// The plan drawing inline, a page for each of its top-level <svg> elements
// (a sheet each): XML prolog and namespace declarations dropped (the HTML
// parser puts <svg> in its namespace), scaled to the page. The text goes to
// `add` in parts, each sheet's body as it stands in planSvg, uncopied.
void FootingPlan(std::string_view planSvg, const std::function<void(std::string_view)>& add);

}  // namespace footmark::report
