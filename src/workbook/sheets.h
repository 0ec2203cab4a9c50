// The sheets of the workbook, one function each, in the order they appear.
#pragma once

#include "checks/design_checks.h"
#include "model/model.h"
#include "model/project_info.h"
#include "workbook/sheet.h"

namespace footmark::workbook {

// Every support: position, column, trial and class side, mark, the load
// case and pressure that govern it (schedules.h).
void AddSupports(Book& book, const Model& model);
// A row per footing group, the schedule's cells with its bars split into
// numbers, the count of footings and the bend-up detail the checks ask for.
void AddFootingSchedule(Book& book, const Model& model, const checks::DesignChecks& checks);
// A row per combined footing (CF1, ...) and per set not designed, with its
// recommendation; no sheet when there are none.
void AddCombinedSchedule(Book& book, const checks::DesignChecks& checks);
// A row per column type, the schedule's cells with its ties split into numbers.
void AddColumnSchedule(Book& book, const Model& model);
// Per group its verdict and governing check, then one row per check; the
// combined footings after the groups, the same way.
void AddChecks(Book& book, const checks::DesignChecks& checks);
// Concrete and steel per mark (the combined footings' marks after the
// groups'), the totals, and steel by bar diameter.
void AddQuantities(Book& book, const checks::DesignChecks& checks);
// A row per bar mark of the bar bending schedule, by diameter, the total.
void AddBarSchedule(Book& book, const checks::DesignChecks& checks);
// The load cases with their classes and uses, the combinations judged
// under, and the warnings of reading them.
void AddLoadCases(Book& book, const checks::DesignChecks& checks);
// The load cases that lift a support, left out of its design.
void AddUplift(Book& book, const Model& model);
// What the design was made from, when, its counts and the method's assumptions.
void AddProject(Book& book, const Model& model, const checks::DesignChecks& checks, const ProjectInfo& project);

// "Project P, job J, revision R, designed by D, checked by C, date": the
// fields given, for a page's head.
std::string ProjectLine(const ProjectInfo& project);

}  // namespace footmark::workbook
