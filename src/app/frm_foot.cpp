#include "app/frm_foot.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <utility>
#include <vector>

#include "dxf/drawing_export.h"
#include "dxf/portable_dxf.h"
#include "handoff/cad_handoff.h"
#include "handoff/cad_standin.h"
#include "model/failure.h"
#include "model/numerics.h"
#include "pipeline/pipeline.h"

namespace footmark {

// The readers' messages as boxes, their captions in the three labels. While
// collecting, messages are kept to be shown together in one box.
class FrmFoot::LabelMessages : public UserMessages {
 public:
  explicit LabelMessages(FrmFoot& form) : form_(form) {}
  void ShowMessage(const std::string& text) override {
    if (collecting_)
      collected_.push_back(text);
    else
      form_.platform_.Boxes.MsgBox(text);
  }
  void Collect() { collecting_ = true; }
  std::vector<std::string> TakeCollected() {
    collecting_ = false;
    return std::exchange(collected_, {});
  }
  void SetCaption(StatusLabel label, const std::string& text) override {
    QLabel* target = label == StatusLabel::LabNoSrea      ? form_.LabNoSrea
                     : label == StatusLabel::LabLoadCases ? form_.LabLoadCases
                                                          : form_.LabFckFe;
    target->setText(ToQt(text));
  }

 private:
  FrmFoot& form_;
  bool collecting_ = false;
  std::vector<std::string> collected_;
};

namespace {

// "F2, F14" of the groups with the verdict, "" when none has it.
std::string Marks(const checks::DesignChecks& checks, checks::Verdict verdict) {
  std::string marks;
  for (const checks::GroupCheck& g : checks.groups)
    if (g.check.verdict == verdict) marks += (marks.empty() ? "" : ", ") + g.mark;
  return marks;
}

std::string Summary(const checks::DesignChecks& checks) {
  std::string text = "IS 456 checks of the " + IntText(static_cast<int>(checks.groups.size())) +
                     " footing groups: " + IntText(checks.ok) + " ok, " + IntText(checks.fails) + " fail, " +
                     IntText(checks.notDesigned) + " not designed.";
  if (checks.fails > 0) text += "\rFail: " + Marks(checks, checks::Verdict::Fails);
  if (checks.notDesigned > 0) text += "\rNot designed: " + Marks(checks, checks::Verdict::NotDesigned);
  return text;
}

}  // namespace

FrmFoot::FrmFoot(FormPlatform platform)
    : CommonDialog1(platform.Files),
      platform_(std::move(platform)),
      model_(std::make_unique<Model>()),
      messages_(std::make_unique<LabelMessages>(*this)) {
  BuildControls();
  BuildMenu();
  // Off Windows the drawing left beside the analysis file is the portable
  // one, which the desktop's viewers draw as AutoCAD would.
  if (auto* standIn = dynamic_cast<CadStandIn*>(&platform_.Cad))
    standIn->SaveOwnFormatAs([this] { return PortableDxfText(ComposeDrawing(*model_)); });
}

FrmFoot::~FrmFoot() = default;

void FrmFoot::Form_Load(const std::string& analysisFile) {
  Guarded([&] {
    setWindowTitle(kWindowCaption);
    model_->AnlFilePath = analysisFile;
    if (analysisFile.empty()) {
      CommonDialog1.Filter = "Staad Files(*.ANL)|*.ANL|All Files(*.*)|*.*";
      CommonDialog1.ShowOpen();
      if (CommonDialog1.FileName.empty()) return End(kExitOk);
      model_->AnlFilePath = CommonDialog1.FileName;
    }
    ReadAnalysis(*model_, files_, *messages_);
  });
}

void FrmFoot::combSBC_Click() {
  Guarded([&] {
    const int16 sbc = SbcFromText(combSBC->currentText().toStdString());
    // The chooser goes for good: the plan's controls can be made only once.
    combSBC->hide();
    Label1->hide();
    PicFoot->show();
    for (QAction* item : {dezine, sendtoacad, sendtoXL}) item->setEnabled(true);
    // The uplift cases of every support in one box, not one box each.
    messages_->Collect();
    RunDesign(*model_, sbc, *messages_, this);
    const std::vector<std::string> uplift = messages_->TakeCollected();
    if (!uplift.empty())
      platform_.Boxes.ListBox("These load cases do not press on the soil and are left out of the footing sizes:",
                              uplift);
  });
}

void FrmFoot::WriteBeside(OutputFiles files, const std::string& file, DesktopFile kind, const std::string& what) {
  Guarded([&] {
    const checks::DesignChecks checks = FinishDesign(*model_);
    const WrittenFiles written = WriteOutputs(*model_, checks, files);
    if (!written.Failures.empty()) {
      platform_.Boxes.MsgBox("The " + what + " was not written: " + written.Failures.front());
      return;
    }
    platform_.Open(file, kind);
    platform_.Boxes.MsgBox(Summary(checks) + "\rThe " + what + " is " + file);
  });
}

void FrmFoot::dezine_Click() {
  const std::string report = FileBeside(model_->AnlFilePath, "-report.html");
  WriteBeside({.Report = report}, report, DesktopFile::Page, "calculation report");
}

void FrmFoot::sendtoXL_Click() {
  const std::string workbook = FileBeside(model_->AnlFilePath, ".xlsx");
  WriteBeside({.Workbook = workbook}, workbook, DesktopFile::Workbook, "workbook");
}

void FrmFoot::sendtoacad_Click() {
  Guarded([&] {
    const HandOffContext context{
        .ProgramFolder = platform_.ProgramFolder,
        .AnlFilePath = model_->AnlFilePath,
        .DetailedDesign =
            [this] {
              // The drawing is made as designed; the user hears first which groups need a look.
              const checks::DesignChecks checks = FinishDesign(*model_);
              if (!AllOk(checks)) platform_.Boxes.MsgBox(Summary(checks) + "\rThe drawing shows the design as it is.");
            },
        .WriteDrawing = [this](const std::string& fileName) { SaveDrawingDxf(*model_, fileName); },
        .Messages = *messages_,
    };
    const HandOffResult result = SendToCad(platform_.Cad, context);
    if (!result.ProgramEnds) return;
    if (result.DrawingFailure)
      platform_.Boxes.MsgBox("Run-time error: " + *result.DrawingFailure + "\nNo drawing was made.");
    End(result.DrawingFailure ? kExitRuntimeFailure : kExitOk);
  });
}

void FrmFoot::ex_t_Click() { End(kExitOk); }

void FrmFoot::LabCol_MouseDown(int16 Index, int16 Button, int16, float X, float Y) {
  Guarded([&] {
    const FootingRecord& footing = model_->Footings[Index];
    if (Button == kRightButton) platform_.Boxes.MsgBox(ColumnReadout(footing));
    StartColumnDrag(drag_, footing, Plan->LabCol(Index), X, Y);
  });
}

void FrmFoot::LabCol_MouseMove(int16 Index, int16 Button, int16, float X, float Y) {
  if (Button != kLeftButton) return;
  Guarded([&] {
    const std::string readout = DragColumn(drag_, *model_, Index, Plan->LabCol(Index), *PicFoot, X, Y);
    setWindowTitle(ToQt(readout));
  });
}

void FrmFoot::FramePlan(Model& model) {
  if (!isVisible()) show();
  PicFoot->setGeometry(QRect(QPoint(0, 0), centralWidget()->size()));
  frame_ = footmark::FramePlan(model, *PicFoot);
}

void FrmFoot::LoadColLab(Model& model) { footmark::LoadColLab(model, *Plan); }

void FrmFoot::ShowColumnMarkers(Model& model) {
  for (int i = 1; i <= model.NumSupports; ++i) Plan->LabCol(i).show();
}

void FrmFoot::loadGrid(Model& model) { footmark::loadGrid(model, *Plan); }

void FrmFoot::closeEvent(QCloseEvent* event) {
  End(kExitOk);
  event->accept();
}

void FrmFoot::Guarded(const std::function<void()>& handler) {
  if (ended_) return;
  try {
    handler();
  } catch (const ProgramEnd& e) {
    if (!e.silent()) platform_.Boxes.MsgBox(e.what());
    End(kExitInputEnds);
  } catch (const std::exception& e) {
    platform_.Boxes.MsgBox(std::string("Run-time error: ") + e.what());
    End(kExitRuntimeFailure);
  }
}

void FrmFoot::End(int status) {
  if (ended_) return;
  ended_ = true;
  exitStatus_ = status;
  hide();
  QCoreApplication::exit(status);
}

}  // namespace footmark
