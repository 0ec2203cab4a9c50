// FrmFoot, the one window: the SBC chooser, three information labels, the
// plan and the menu bar. It shows, forwards events and calls the core; the
// plan's work is in src/plan, the design in the core.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "design/design_run.h"
#include "handoff/desktop_open.h"
#include "model/model.h"
#include "model/text_stream.h"
#include "pipeline/pipeline.h"
#include "plan/column_drag.h"
#include "plan/file_open_dialog.h"
#include "plan/message_box.h"
#include "plan/picture_box.h"
#include "plan/plan_view.h"

class QAction;
class QComboBox;
class QLabel;

namespace footmark {

class CadAttacher;

inline constexpr const char* kWindowCaption = "Footmark";

// What the window reaches outside itself; tests replace each part.
struct FormPlatform {
  FileChooser& Files;
  MessageBoxes& Boxes;
  CadAttacher& Cad;
  std::string ProgramFolder;  // where the hand-off writes its temporary drawings
  // Shows a written file in the desktop's program for it, when there is one.
  std::function<bool(const std::string& file, DesktopFile kind)> Open = OpenWithDesktop;
};

class FrmFoot : public QMainWindow, public PlanWindowSteps {
 public:
  explicit FrmFoot(FormPlatform platform);
  ~FrmFoot() override;

  // Start-up: caption, the analysis file (chosen in the dialog unless given),
  // the two readers. A cancelled dialog ends the program.
  void Form_Load(const std::string& analysisFile = {});
  // The SBC choice: the design run and the plan. Possible once per run.
  void combSBC_Click();
  // "Design": the detailed design, its checks and the calculation report
  // beside the analysis file, shown in the browser, with a summary box.
  void dezine_Click();
  // "Send to Excel": the workbook beside the analysis file, shown in the
  // spreadsheet program; the program goes on.
  void sendtoXL_Click();
  void sendtoacad_Click();
  void ex_t_Click();
  void LabCol_MouseDown(int16 Index, int16 Button, int16 Shift, float X, float Y);
  void LabCol_MouseMove(int16 Index, int16 Button, int16 Shift, float X, float Y);

  // The design run's steps on screen.
  void FramePlan(Model& model) override;
  void LoadColLab(Model& model) override;
  void ShowColumnMarkers(Model& model) override;
  void loadGrid(Model& model) override;

  // Whether the program has ended, and its exit status.
  bool Ended() const { return ended_; }
  int ExitStatus() const { return exitStatus_; }
  const Model& model() const { return *model_; }
  const PlanFrame& Frame() const { return frame_; }
  // The reference volume of the first pedestal candidate, m3 (10 unless set).
  void SetMaxVolume(float m3) { model_->MaxVolume = m3; }

  // The controls, as the layout names them.
  QComboBox* combSBC = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* LabNoSrea = nullptr;
  QLabel* LabLoadCases = nullptr;
  QLabel* LabFckFe = nullptr;
  PictureBox* PicFoot = nullptr;
  std::unique_ptr<PlanControls> Plan;  // LabCol, LineGrd, LineGrdY
  CommonDialog CommonDialog1;
  QAction* dezine = nullptr;
  QAction* Grping = nullptr;
  QAction* Coffset = nullptr;
  QAction* sendtoacad = nullptr;
  QAction* sendtoXL = nullptr;
  QAction* ex_t = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  class LabelMessages;
  void BuildControls();
  void BuildMenu();
  // Finishes and checks the design, writes one output beside the analysis
  // file and opens it; says so, or why it could not be written.
  void WriteBeside(OutputFiles files, const std::string& file, DesktopFile kind, const std::string& what);
  // Runs a handler; a failure it raises is told in a box and ends the program.
  void Guarded(const std::function<void()>& handler);
  void End(int status);

  FormPlatform platform_;
  std::unique_ptr<Model> model_;
  std::unique_ptr<LabelMessages> messages_;
  FileSystem files_;
  DragState drag_;
  PlanFrame frame_;
  bool ended_ = false;
  int exitStatus_ = 0;
};

}  // namespace footmark
