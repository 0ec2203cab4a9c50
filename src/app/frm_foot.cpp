#include "app/frm_foot.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

#include "handoff/cad_handoff.h"
#include "dxf/drawing_export.h"
#include "model/failure.h"
#include "pipeline/pipeline.h"

namespace footmark {

// The readers' messages as boxes, their captions in the three labels.
class FrmFoot::LabelMessages : public UserMessages {
 public:
  explicit LabelMessages(FrmFoot& form) : form_(form) {}
  void ShowMessage(const std::string& text) override { form_.platform_.Boxes.MsgBox(text); }
  void SetCaption(StatusLabel label, const std::string& text) override {
    QLabel* target = label == StatusLabel::LabNoSrea      ? form_.LabNoSrea
                     : label == StatusLabel::LabLoadCases ? form_.LabLoadCases
                                                          : form_.LabFckFe;
    target->setText(ToQt(text));
  }

 private:
  FrmFoot& form_;
};

FrmFoot::FrmFoot(FormPlatform platform)
    : CommonDialog1(platform.Files),
      platform_(std::move(platform)),
      model_(std::make_unique<Model>()),
      messages_(std::make_unique<LabelMessages>(*this)) {
  BuildControls();
  BuildMenu();
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
    sendtoacad->setEnabled(true);
    RunDesign(*model_, sbc, *messages_, this);
  });
}

void FrmFoot::sendtoacad_Click() {
  Guarded([&] {
    const HandOffContext context{
        .ProgramFolder = platform_.ProgramFolder,
        .AnlFilePath = model_->AnlFilePath,
        .DetailedDesign = [this] { RunDetailedDesign(*model_); },
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
