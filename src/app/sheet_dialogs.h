// The two small dialogs of the sheet: the title data its title block
// prints ("Project"), and the paper, scale and grid of the sheet ("Sheet"). Each shows what it is given and hands back what the
// user set; the window applies it and keeps it in the project file.
#pragma once

#include <QDialog>

#include "drawing/sheet.h"
#include "model/project_info.h"

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;

namespace footmark {

class ProjectDialog : public QDialog {
  Q_OBJECT

 public:
  ProjectDialog(QWidget* parent, const ProjectInfo& info);
  ProjectInfo Info() const;

  QLineEdit *Name, *JobNumber, *Revision, *DesignedBy, *CheckedBy, *Date;
};

class SheetDialog : public QDialog {
  Q_OBJECT

 public:
  SheetDialog(QWidget* parent, const SheetSettings& settings);
  SheetSettings Settings() const;

  QComboBox *PaperBox, *ScaleBox;
  QDoubleSpinBox* GridMergeBox;
};

}  // namespace footmark
