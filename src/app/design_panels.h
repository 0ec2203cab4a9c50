// The panels beside the plan: the footing schedule as the sheet has it,
// the checks of every footing group and the load cases left out for uplift,
// as tables whose rows can be copied. A row of the first two names its
// group in column 0.
#pragma once

#include <QStringList>

#include "checks/design_checks.h"
#include "model/model.h"

class QTableWidget;

namespace footmark {

void FillSchedule(QTableWidget& table, const Model& model, const checks::DesignChecks& checks);
void FillChecks(QTableWidget& table, const checks::DesignChecks& checks);
void FillUplift(QTableWidget& table, const Model& model);

// The groups of the selected rows ("F2"), and the rows of these groups selected.
QStringList SelectedGroups(const QTableWidget& table);
void SelectGroups(QTableWidget& table, const QStringList& groups);

// The selected rows (every row when none is selected) as tab-separated text
// under the headings, for the clipboard.
QString PanelText(const QTableWidget& table);

// A table for a panel: whole rows selected, read only, Ctrl+C copies.
QTableWidget* NewPanelTable(const QStringList& headings);

}  // namespace footmark
