#include "app/settings_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "plan/file_open_dialog.h"

namespace footmark {

void SetByKeys(const SettingTexts& texts, checks::CheckSettings& checks, revise::RevisionLimits& limits) {
  checks::CheckSettings c = checks;
  revise::RevisionLimits l = limits;
  for (const auto& [key, text] : texts) {
    if (checks::IsSettingKey(key))
      checks::SetSetting(c, key, text);
    else
      revise::SetLimit(l, key, text);
  }
  checks = c, limits = l;
}

SettingsDialog::SettingsDialog(const checks::CheckSettings& checks, const revise::RevisionLimits& limits,
                               QWidget* parent)
    : QDialog(parent) {
  setObjectName("settings");
  setWindowTitle(tr("Settings"));
  auto* layout = new QVBoxLayout(this);
  const auto section = [&](const QString& title, const std::vector<checks::SettingRow>& rows) {
    auto* box = new QGroupBox(title);
    auto* form = new QFormLayout(box);
    for (const checks::SettingRow& row : rows) {
      auto* field = new QLineEdit(ToQt(row.value));
      field->setObjectName(ToQt(row.key));
      field->setToolTip(ToQt("--" + row.key));
      const QString unit = row.unit.empty() ? QString() : " (" + ToQt(row.unit) + ")";
      form->addRow(ToQt(row.label) + unit, field);
      Fields.emplace_back(row.key, field);
    }
    layout->addWidget(box);
  };
  section(tr("Checks on the file's load cases"), checks::SettingsInForce(checks));
  section(tr("Limits of a revision"), revise::LimitsInForce(limits));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

SettingTexts SettingsDialog::Texts() const {
  SettingTexts texts;
  for (const auto& [key, field] : Fields) texts.emplace_back(key, field->text().trimmed().toStdString());
  return texts;
}

}  // namespace footmark
