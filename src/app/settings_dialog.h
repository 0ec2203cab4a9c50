// The settings of the checks and the limits of the revision in one form: a
// row for each, taken from their own lists (SettingsInForce, LimitsInForce),
// so a setting added to the core appears here without a change.
#pragma once

#include <QDialog>
#include <string>
#include <utility>
#include <vector>

#include "checks/check_settings.h"
#include "revise/revision.h"

class QLineEdit;

namespace footmark {

// A setting by the key of its option, and its value as typed.
using SettingTexts = std::vector<std::pair<std::string, std::string>>;

// Sets each by its key, a check's setting or a revision limit; ProgramEnd
// names the first that is refused, and then nothing is set.
void SetByKeys(const SettingTexts& texts, checks::CheckSettings& checks, revise::RevisionLimits& limits);

class SettingsDialog : public QDialog {
  Q_OBJECT

 public:
  SettingsDialog(const checks::CheckSettings& checks, const revise::RevisionLimits& limits, QWidget* parent);
  SettingTexts Texts() const;

  std::vector<std::pair<std::string, QLineEdit*>> Fields;  // by key, in the form's order
};

}  // namespace footmark
