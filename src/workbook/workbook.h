// The finished design as a spreadsheet workbook for estimators and site
// engineers: supports, footing and column schedules, checks, quantities,
// uplift and the project page.
#pragma once

#include <string>

#include "checks/design_checks.h"
#include "model/model.h"
#include "model/project_info.h"
#include "revise/revision.h"

namespace footmark {

// Writes the workbook of the finished design (after RunDetailedDesign and
// checks::CheckDesign) to fileName; an earlier file is replaced only once the
// new one is complete, and a failure leaves no partial file (RuntimeFailure
// "cannot write \"FILE\": REASON").
// Loads the spreadsheet library ahead of the first workbook, so that a run
// can do it beside the design; a failure is left for SaveWorkbook to report.
void PrepareWorkbook();

// Every sheet prints with the project at its head and page numbers at its
// foot. With a revision, its sheet follows the quantities.
void SaveWorkbook(const Model& model, const checks::DesignChecks& checks, const std::string& fileName,
                  const ProjectInfo& project = {}, const revise::DesignRevision* revision = nullptr);

}  // namespace footmark
