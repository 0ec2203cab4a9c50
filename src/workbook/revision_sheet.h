// The revision's sheet of the workbook: each mark, the method's design
// against the design now, then every step with the check that forced it.
#pragma once

#include "checks/design_checks.h"
#include "model/model.h"
#include "revise/revision.h"
#include "workbook/sheet.h"

namespace footmark::workbook {

void AddRevision(Book& book, const Model& model, const checks::DesignChecks& checks,
                 const revise::DesignRevision& record);

}  // namespace footmark::workbook
