// The calculation sheet of one footing design group: where its numbers come
// from, inputs and derived values, the checks with their clauses, the
// verdict, the bar detail and the quantities.
#pragma once

#include <string>
#include <vector>

#include "checks/design_checks.h"
#include "model/model.h"

namespace footmark::report {

// "ok", "fails", "not designed" in a marked box, for headings and tables.
std::string VerdictBadge(checks::Verdict verdict);

// The governing check as "C6 one-way shear ..." ("–" when none ran).
std::string GoverningCheck(const checks::FootingCheck& check);

// The checks table: a row per check with its clause, demand, capacity,
// utilisation (to four places), status and where it governs; the design
// step's own utilisation where it is a number.
std::string CheckTable(const std::vector<checks::Check>& rows);

// One <section> that starts a printed page.
std::string GroupSheet(const Model& model, const checks::GroupCheck& group);

}  // namespace footmark::report
