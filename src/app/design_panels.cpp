#include "app/design_panels.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTableWidget>

#include "combined/schedule_cells.h"
#include "design/schedules.h"
#include "drawing/sheet_panels.h"
#include "model/numerics.h"
#include "plan/file_open_dialog.h"
#include "plan/footing_items.h"

namespace footmark {

namespace {

void Fill(QTableWidget& table, const std::vector<QStringList>& rows, const std::vector<QColor>& tints = {}) {
  const QSignalBlocker quiet(&table);
  table.clearSelection();
  table.setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < table.rowCount(); ++r) {
    for (int c = 0; c < table.columnCount() && c < rows[r].size(); ++c) {
      auto* item = new QTableWidgetItem(rows[r][c]);
      if (!tints.empty() && c == 1) item->setBackground(tints[r]);
      table.setItem(r, c, item);
    }
  }
  table.resizeColumnsToContents();
}

PlanVerdict Verdict(const checks::GroupCheck& g) {
  if (g.check.verdict == checks::Verdict::NotDesigned) return PlanVerdict::NotDesigned;
  if (g.check.verdict == checks::Verdict::Fails) return PlanVerdict::Fails;
  return g.check.warnings > 0 ? PlanVerdict::Warning : PlanVerdict::Ok;
}

}  // namespace

QTableWidget* NewPanelTable(const QStringList& headings) {
  auto* table = new QTableWidget(0, static_cast<int>(headings.size()));
  table->setHorizontalHeaderLabels(headings);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table->verticalHeader()->hide();
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->horizontalHeader()->setStretchLastSection(true);
  auto* copy = new QAction(QObject::tr("&Copy"), table);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  QObject::connect(copy, &QAction::triggered, table, [table] { QApplication::clipboard()->setText(PanelText(*table)); });
  table->addAction(copy);
  table->setContextMenuPolicy(Qt::ActionsContextMenu);
  return table;
}

void FillSchedule(QTableWidget& table, const Model& model, const checks::DesignChecks& checks) {
  const sheet::TableText schedule = sheet::FootingScheduleText(model, checks);
  QStringList headings;
  for (const std::string& h : schedule.headers) headings << QString::fromStdString(h);
  table.setColumnCount(static_cast<int>(headings.size()));
  table.setHorizontalHeaderLabels(headings);
  std::vector<QStringList> rows;
  for (const std::vector<std::string>& row : schedule.rows) {
    QStringList cells;
    for (const std::string& cell : row) cells << ToQt(cell);
    rows.push_back(cells);
  }
  Fill(table, rows);
  // Numbers to the right, as on the sheet.
  for (int c = 0; c < table.columnCount() && c < static_cast<int>(schedule.align.size()); ++c)
    if (schedule.align[static_cast<std::size_t>(c)] == TextAlign::kRight)
      for (int r = 0; r < table.rowCount(); ++r) table.item(r, c)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void FillChecks(QTableWidget& table, const checks::DesignChecks& checks) {
  std::vector<QStringList> rows;
  std::vector<QColor> tints;
  for (const checks::GroupCheck& g : checks.groups) {
    const checks::FootingCheck& c = g.check;
    QString governing;
    if (c.governing >= 0) governing = QString::fromStdString(c.checks[static_cast<std::size_t>(c.governing)].id + " " +
                                                             c.checks[static_cast<std::size_t>(c.governing)].name);
    QStringList supports;
    for (int s : g.supports) supports << QString::number(s);
    rows.push_back({QString::fromStdString(g.mark), PlanVerdictText(Verdict(g)), governing,
                    c.governing >= 0 ? QString::fromStdString(DecimalText(c.governingUtilisation * 100, 0) + " %") : "",
                    supports.join(", "), QString::fromStdString(c.reason)});
    QColor tint = VerdictColour(Verdict(g));
    tint.setAlpha(80);
    tints.push_back(tint);
  }
  for (const combined::CombinedFooting& f : checks.combined) {
    const PlanVerdict verdict = f.verdict == checks::Verdict::NotDesigned ? PlanVerdict::NotDesigned
                                : f.verdict == checks::Verdict::Fails     ? PlanVerdict::Fails
                                : f.warnings > 0                          ? PlanVerdict::Warning
                                                                          : PlanVerdict::Ok;
    QString governing;
    if (f.governing >= 0) {
      const checks::Check& g = f.checks[static_cast<std::size_t>(f.governing)].check;
      governing = QString::fromStdString(g.id + " " + g.name);
    }
    rows.push_back({ToQt(combined::MarkText(f)), PlanVerdictText(verdict), governing,
                    f.governing >= 0 ? ToQt(DecimalText(f.governingUtilisation * 100, 0) + " %") : "",
                    ToQt(combined::SupportsText(f)), ToQt(f.reason)});
    QColor tint = VerdictColour(verdict);
    tint.setAlpha(80);
    tints.push_back(tint);
  }
  Fill(table, rows, tints);
}

void FillUplift(QTableWidget& table, const Model& model) {
  std::vector<QStringList> rows;
  for (const UpliftRow& u : UpliftRows(model))
    rows.push_back({QString::number(u.Support), ToQt(u.Joint), ToQt(NumText(u.LoadCase)), ToQt(NumText(u.ForceY))});
  Fill(table, rows);
}

QStringList SelectedGroups(const QTableWidget& table) {
  QStringList groups;
  for (const QModelIndex& row : table.selectionModel()->selectedRows()) groups << table.item(row.row(), 0)->text();
  return groups;
}

void SelectGroups(QTableWidget& table, const QStringList& groups) {
  const QSignalBlocker quiet(&table);
  table.clearSelection();
  QItemSelection selection;
  for (int r = 0; r < table.rowCount(); ++r)
    if (groups.contains(table.item(r, 0)->text()))
      selection.select(table.model()->index(r, 0), table.model()->index(r, table.columnCount() - 1));
  table.selectionModel()->select(selection, QItemSelectionModel::Select);
}

QString PanelText(const QTableWidget& table) {
  QStringList lines, cells;
  for (int c = 0; c < table.columnCount(); ++c) cells << table.horizontalHeaderItem(c)->text().replace('\n', ' ');
  lines << cells.join('\t');
  const QModelIndexList selected = table.selectionModel()->selectedRows();
  for (int r = 0; r < table.rowCount(); ++r) {
    if (!selected.isEmpty() && !table.selectionModel()->isRowSelected(r, {})) continue;
    cells.clear();
    for (int c = 0; c < table.columnCount(); ++c) cells << (table.item(r, c) ? table.item(r, c)->text() : QString());
    lines << cells.join('\t');
  }
  return lines.join('\n') + '\n';
}

}  // namespace footmark
