#include "app/sheet_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <iterator>

namespace footmark {

namespace {

// OK and Cancel under the form, the dialog deleted once closed.
void Finish(QDialog& dialog, QFormLayout& form, const QString& title) {
  dialog.setWindowTitle(title);
  dialog.setAttribute(Qt::WA_DeleteOnClose);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form.addRow(buttons);
}

QLineEdit* Field(QFormLayout& form, const QString& label, const std::string& text, const QString& hint = {}) {
  auto* field = new QLineEdit(QString::fromStdString(text));
  field->setPlaceholderText(hint);
  field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QString(36, 'M')) / 2);
  form.addRow(label, field);
  return field;
}

constexpr Paper kPapers[] = {Paper::kAuto, Paper::kA3, Paper::kA2, Paper::kA1, Paper::kA0};
constexpr int kScales[] = {0, 50, 100, 200};

}  // namespace

ProjectDialog::ProjectDialog(QWidget* parent, const ProjectInfo& info) : QDialog(parent) {
  setObjectName("projectDialog");
  auto* form = new QFormLayout(this);
  auto* about = new QLabel(tr("The title block of every sheet prints these, in the drawings and in the report."));
  about->setWordWrap(true);
  form->addRow(about);
  Name = Field(*form, tr("&Project"), info.Project);
  JobNumber = Field(*form, tr("&Job number"), info.JobNumber);
  Revision = Field(*form, tr("&Revision"), info.Revision, tr("P1, A, ..."));
  DesignedBy = Field(*form, tr("&Designed by"), info.DesignedBy);
  CheckedBy = Field(*form, tr("&Checked by"), info.CheckedBy);
  Date = Field(*form, tr("D&ate"), info.Date, tr("the day the drawing is made"));
  Finish(*this, *form, tr("Project"));
}

ProjectInfo ProjectDialog::Info() const {
  const auto text = [](const QLineEdit* field) { return field->text().trimmed().toStdString(); };
  return {text(Name), text(JobNumber), text(Revision), text(DesignedBy), text(CheckedBy), text(Date)};
}

SheetDialog::SheetDialog(QWidget* parent, const SheetSettings& settings) : QDialog(parent) {
  setObjectName("sheetDialog");
  auto* form = new QFormLayout(this);
  PaperBox = new QComboBox;
  for (const Paper p : kPapers)
    PaperBox->addItem(p == Paper::kAuto ? tr("To fit: the smallest that holds it") : PaperName(p));
  PaperBox->setCurrentIndex(static_cast<int>(std::find(std::begin(kPapers), std::end(kPapers), settings.paper) - kPapers));
  form->addRow(tr("&Paper"), PaperBox);
  ScaleBox = new QComboBox;
  for (const int s : kScales) ScaleBox->addItem(s == 0 ? tr("To fit: 1:100, else 1:200") : QString("1:%1").arg(s));
  const int* scale = std::find(std::begin(kScales), std::end(kScales), settings.scale);
  ScaleBox->setCurrentIndex(scale == std::end(kScales) ? 0 : static_cast<int>(scale - kScales));
  form->addRow(tr("&Scale"), ScaleBox);
  GridMergeBox = new QDoubleSpinBox;
  GridMergeBox->setRange(0, 5);
  GridMergeBox->setDecimals(3);
  GridMergeBox->setSingleStep(0.05);
  GridMergeBox->setSuffix(" m");
  GridMergeBox->setValue(settings.gridMerge);
  GridMergeBox->setToolTip(tr("Columns whose coordinates differ by less than this stand on one grid line, "
                           "dimensioned from it"));
  form->addRow(tr("One &grid line within"), GridMergeBox);
  auto* about = new QLabel(tr("A plan too large for the paper at the scale is cut into zones, a sheet each."));
  about->setWordWrap(true);
  form->addRow(about);
  Finish(*this, *form, tr("Sheet"));
}

SheetSettings SheetDialog::Settings() const {
  SheetSettings s;
  s.paper = kPapers[std::max(0, PaperBox->currentIndex())];
  s.scale = kScales[std::max(0, ScaleBox->currentIndex())];
  s.gridMerge = GridMergeBox->value();
  return s;
}

}  // namespace footmark
