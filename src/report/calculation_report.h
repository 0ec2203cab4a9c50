// The calculation report of a finished design: one self-contained HTML page
// (no network, no files beside it) that a browser prints to clean A4 pages.
#pragma once

#include <string>

#include "checks/design_checks.h"
#include "model/model.h"
#include "model/project_info.h"
#include "revise/revision.h"

namespace footmark {

// The calculation report of the finished design (after RunDetailedDesign and
// checks::CheckDesign) as one self-contained HTML page: no network, no files
// beside it, print CSS for A4. planSvg is the drawing of the footing plan as
// an <svg> element (the drawing's SVG writer gives it), embedded inline.
// Every page's head names the project (from `project`, as the sheet's title
// block does) and the program. With a revision, its pages follow the summary.
std::string CalculationReportHtml(const Model& model, const checks::DesignChecks& checks, const std::string& planSvg,
                                  const ProjectInfo& project = {}, const revise::DesignRevision* revision = nullptr);

// Writes it to fileName, replacing an earlier file only once the new one is
// complete (RuntimeFailure "cannot write \"FILE\": REASON" otherwise).
void SaveCalculationReport(const Model& model, const checks::DesignChecks& checks, const std::string& planSvg,
                           const std::string& fileName, const ProjectInfo& project = {},
                           const revise::DesignRevision* revision = nullptr);

}  // namespace footmark
