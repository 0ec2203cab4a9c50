// FrmFoot, the one window: the plan of the design in the middle, the SBC and
// the reference volume in a tool bar, the schedule, the checks and the
// uplift in panels beside it, the file, the SBC and the verdicts in the
// status bar. It shows, forwards events and calls the core: every design is
// the pipeline's job (pipeline/pipeline.h), the plan's drawing and items are
// src/plan's, the hand-off is src/handoff's.
#pragma once

#include <QMainWindow>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/settings_dialog.h"
#include "checks/design_checks.h"
#include "handoff/desktop_open.h"
#include "model/model.h"
#include "model/text_stream.h"
#include "pipeline/pipeline.h"
#include "plan/file_open_dialog.h"
#include "plan/message_box.h"
#include "plan/plan_view.h"
#include "project/project_file.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSpinBox;
class QTableWidget;

namespace footmark {

class CadAttacher;
class Remembered;

inline constexpr const char* kWindowCaption = "Footmark";

// What the window reaches outside itself; tests replace each part.
struct FormPlatform {
  FileChooser& Files;
  MessageBoxes& Boxes;
  CadAttacher& Cad;
  QString SettingsFile;  // what is remembered (INI); empty: nothing
  // Shows a written file in the desktop's program for it, when there is one.
  std::function<bool(const std::string& file, DesktopFile kind)> Open = OpenWithDesktop;
  std::string TemporaryRoot = {};  // the hand-off's scratch folders go below it ("" the system's)
  bool SaveProjects = true;        // false: no project file is written (an unattended run)
};

class FrmFoot : public QMainWindow {
  Q_OBJECT

 public:
  explicit FrmFoot(FormPlatform platform);
  ~FrmFoot() override;

  // Start-up: the analysis file (chosen in the dialog unless given), its
  // project file, and the design at the project's SBC. A cancelled dialog or
  // a file that cannot be read ends the program.
  void Form_Load(const std::string& analysisFile = {});
  // Another analysis file; one that cannot be read is told, and the window
  // keeps the file it had.
  bool OpenFile(const std::string& file);
  void Reload();
  // The SBC typed or picked, checked as the batch front end checks it; the
  // design runs at once and keeps the offsets. A value refused is told and
  // the SBC stays as it was.
  bool ApplySbc(const std::string& text);
  void combSBC_Click();
  bool ApplyMaxVolume(const std::string& text);
  // "Revise failing groups", "footing types at most" (0: as designed), and
  // the checks' settings and the revision's limits by their keys as the
  // settings dialog gives them: each kept in the project file and, with an
  // SBC chosen, the design again at once. One refused is told and nothing
  // changes.
  bool ApplyRevise(bool on);
  bool ApplyMaxTypes(int types);
  bool ApplySettings(const SettingTexts& texts);
  void EditSettings();
  // "Design": the design again, the calculation report beside the analysis
  // file and a summary that opens it when asked.
  void dezine_Click();
  void sendtoXL_Click();
  void SendReport();
  void sendtoacad_Click();
  void ResetOffsets();
  // The title data, the sheet's settings and which drawing goes to CAD, as
  // the dialogs and the Send menu set them: the plan shows them at once and
  // the project file keeps them.
  void SetProjectInfo(const ProjectInfo& info);
  void SetSheetSettings(const SheetSettings& settings);
  void SetSendMethodDrawing(bool method);
  // The column of a support put to sides, one step to undo.
  void MoveColumn(int support, int16 x, int16 y);
  void ex_t_Click();

  bool Ended() const { return ended_; }
  int ExitStatus() const { return exitStatus_; }
  const Model& model() const { return *model_; }
  const std::optional<checks::DesignChecks>& Checks() const { return checks_; }
  const std::optional<revise::DesignRevision>& Revision() const { return revision_; }
  const ProjectSettings& Project() const { return project_; }
  const std::string& AnalysisFile() const { return analysisFile_; }
  QUndoStack& UndoStack() { return undo_; }

  // The controls, as the layout names them.
  QComboBox* combSBC = nullptr;
  QLineEdit* MaxVolumeBox = nullptr;
  QSpinBox* MaxTypesBox = nullptr;
  QLabel* LabNoSrea = nullptr;
  QLabel* LabLoadCases = nullptr;
  QLabel* LabFckFe = nullptr;
  PlanView* Plan = nullptr;
  QTableWidget* ScheduleTable = nullptr;
  QTableWidget* ChecksTable = nullptr;
  QTableWidget* UpliftTable = nullptr;
  QLabel* FileLabel = nullptr;
  QLabel* SbcLabel = nullptr;
  QLabel* CountsLabel = nullptr;
  QMenu* RecentMenu = nullptr;
  QAction* openFile = nullptr;
  QAction* reload = nullptr;
  QAction* ex_t = nullptr;
  QAction* dezine = nullptr;
  QAction* resetOffsets = nullptr;
  QAction* reviseGroups = nullptr;
  QAction* settings = nullptr;
  QAction* sendtoacad = nullptr;
  QAction* sendtoXL = nullptr;
  QAction* sendReport = nullptr;
  QAction* sendMethodDrawing = nullptr;  // checked: "To CAD" sends the method's exact drawing
  QAction* projectInfo = nullptr;
  QAction* sheetSettings = nullptr;
  QAction* undo = nullptr;
  QAction* redo = nullptr;
  QAction* fit = nullptr;
  QAction* readme = nullptr;
  QAction* about = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  class Captions;
  friend class SidesCommand;
  void BuildControls();
  void BuildMenus();
  void FillRecentMenu();
  void ShowReadme();
  bool Load(const std::string& file, bool atStart);
  bool Design();
  void ShowDesign();
  void ShowSheet();
  void UpdateActions();
  void ShowStatus();
  void SetSides(const std::vector<ColumnSide>& sides);
  void SaveProject();
  // The project changed as `change` says, and the design again; undone when
  // the design cannot be made.
  bool ChangeProject(const std::function<void(ProjectSettings&)>& change);
  void ShowProjectControls();
  // Writes outputs beside the analysis file; a failure is told in a box.
  bool WriteBeside(const OutputFiles& files, const std::string& what);
  std::optional<std::string> HandOffTarget();
  // What "To CAD" sends: the file the CAD program opens, and off Windows the
  // drawing left beside the analysis file.
  void WriteCadDrawing(const std::string& file) const;
  std::string CadDrawingText() const;
  void End(int status);

  FormPlatform platform_;
  std::unique_ptr<Remembered> remembered_;
  std::unique_ptr<Captions> captions_;
  std::string analysisFile_;
  std::unique_ptr<FileSystem> files_;
  std::unique_ptr<Model> model_;
  std::optional<checks::DesignChecks> checks_;
  std::optional<revise::DesignRevision> revision_;
  ProjectSettings project_;
  bool projectWritable_ = true;
  QUndoStack undo_;
  bool ended_ = false;
  int exitStatus_ = 0;
};

}  // namespace footmark
