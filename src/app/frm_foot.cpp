#include "app/frm_foot.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QUndoCommand>
#include <algorithm>
#include <filesystem>
#include <utility>

#include "app/design_panels.h"
#include "app/remembered.h"
#include "design/design_run.h"
#include "dxf/drawing_export.h"
#include "dxf/portable_dxf.h"
#include "handoff/cad_handoff.h"
#include "handoff/cad_standin.h"
#include "model/failure.h"
#include "model/numerics.h"
#include "model/platform_paths.h"
#include "revise/revision_rows.h"

namespace footmark {

// The readers' captions in the three labels; their messages kept to be shown
// together once the file is read (a design reads it again and says nothing).
class FrmFoot::Captions : public UserMessages {
 public:
  explicit Captions(FrmFoot& form) : form_(form) {}
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void SetCaption(StatusLabel label, const std::string& text) override {
    QLabel* target = label == StatusLabel::LabNoSrea      ? form_.LabNoSrea
                     : label == StatusLabel::LabLoadCases ? form_.LabLoadCases
                                                          : form_.LabFckFe;
    target->setText(ToQt(text));
  }
  std::vector<std::string> messages;

 private:
  FrmFoot& form_;
};

// Columns put to sides: redone and undone as one step.
class SidesCommand : public QUndoCommand {
 public:
  SidesCommand(FrmFoot& form, const QString& text, std::vector<ColumnSide> before, std::vector<ColumnSide> after)
      : QUndoCommand(text), form_(form), before_(std::move(before)), after_(std::move(after)) {}
  void undo() override { form_.SetSides(before_); }
  void redo() override { form_.SetSides(after_); }

 private:
  FrmFoot& form_;
  std::vector<ColumnSide> before_, after_;
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

BoxIcon SummaryIcon(const checks::DesignChecks& checks) {
  return AllOk(checks) ? BoxIcon::Information : BoxIcon::Warning;
}

// The sides of every support that stands off its grid point.
std::vector<ColumnSide> SidesOf(const Model& model) {
  std::vector<ColumnSide> sides;
  for (int s = 1; s <= model.NumSupports; ++s)
    if (model.Footings[s].OffsetX != 0 || model.Footings[s].OffsetY != 0)
      sides.push_back({s, model.Footings[s].OffsetX, model.Footings[s].OffsetY});
  return sides;
}

}  // namespace

FrmFoot::FrmFoot(FormPlatform platform)
    : platform_(std::move(platform)),
      remembered_(std::make_unique<Remembered>(platform_.SettingsFile)),
      captions_(std::make_unique<Captions>(*this)),
      files_(std::make_unique<FileSystem>()),
      model_(std::make_unique<Model>()) {
  setWindowTitle(kWindowCaption);
  BuildControls();
  BuildMenus();
  // Off Windows the drawing left beside the analysis file is the portable
  // one, which the desktop's viewers draw as AutoCAD would.
  if (auto* standIn = dynamic_cast<CadStandIn*>(&platform_.Cad)) standIn->SaveOwnFormatAs([this] { return CadDrawingText(); });
  UpdateActions();
}

FrmFoot::~FrmFoot() = default;

void FrmFoot::Form_Load(const std::string& analysisFile) {
  std::string file = analysisFile;
  if (file.empty()) file = platform_.Files.ChooseFileToOpen(NameFilters(kAnalysisFilter), remembered_->LastFolder());
  if (file.empty()) return End(kExitOk);
  Load(file, true);
}

bool FrmFoot::OpenFile(const std::string& file) { return Load(file, false); }

void FrmFoot::Reload() {
  if (!analysisFile_.empty()) Load(analysisFile_, false);
}

bool FrmFoot::Load(const std::string& file, bool atStart) {
  auto files = std::make_unique<FileSystem>();
  auto model = std::make_unique<Model>();
  captions_->messages.clear();
  try {
    DesignJob(*model, {.AnalysisFile = file}, *files, *captions_);
  } catch (const std::exception& e) {
    // At start-up there is nothing to go back to: the input ends the program.
    const auto* end = dynamic_cast<const ProgramEnd*>(&e);
    const std::string text = end ? e.what() : "Run-time error: " + std::string(e.what());
    if (!atStart || !end || !end->silent()) platform_.Boxes.MsgBox(text, end ? BoxIcon::Warning : BoxIcon::Failure);
    if (atStart) End(end ? kExitInputEnds : kExitRuntimeFailure);
    std::error_code gone;
    if (!std::filesystem::exists(PathFromUtf8(file), gone)) {
      remembered_->RemoveRecent(FileNameToQt(file));
      FillRecentMenu();
    }
    return false;
  }
  if (!captions_->messages.empty()) {
    std::string text;
    for (const std::string& m : captions_->messages) text += (text.empty() ? "" : "\r") + m;
    platform_.Boxes.MsgBox(text, BoxIcon::Warning);
  }
  analysisFile_ = file;
  files_ = std::move(files);
  model_ = std::move(model);
  checks_.reset();
  undo_.clear();
  project_ = {};
  projectWritable_ = true;
  const std::string projectFile = ProjectFileFor(file);
  std::error_code missing;
  if (std::filesystem::exists(PathFromUtf8(projectFile), missing)) {
    try {
      project_ = ReadProjectFile(projectFile);
    } catch (const ProgramEnd& e) {
      projectWritable_ = false;
      platform_.Boxes.MsgBox(std::string(e.what()) + "\rIt is left as it is, and what you set now is not kept.",
                             BoxIcon::Warning);
    }
  } else {
    project_.Revision.revise = remembered_->Revise();  // a building new to the window: as last chosen
  }
  std::erase_if(project_.Offsets, [&](const ColumnSide& o) { return o.Support > model_->NumSupports; });
  MaxVolumeBox->setText(ToQt(DecimalText(project_.MaxVolume.value_or(10), 6)));
  sendMethodDrawing->setChecked(project_.SendMethodDrawing);
  revision_.reset();
  ShowProjectControls();
  remembered_->AddRecent(FileNameToQt(file));
  FillRecentMenu();
  setWindowTitle(QFileInfo(FileNameToQt(file)).fileName() + " - " + kWindowCaption);
  Plan->Clear();
  for (QTableWidget* table : {ScheduleTable, ChecksTable, UpliftTable}) table->setRowCount(0);
  combSBC->setEditText(project_.Sbc ? ToQt(*project_.Sbc) : QString());
  if (project_.Sbc && !Design()) project_.Sbc.reset();
  ShowStatus();
  UpdateActions();
  return true;
}

void FrmFoot::combSBC_Click() { ApplySbc(combSBC->currentText().toStdString()); }

bool FrmFoot::ApplySbc(const std::string& text) {
  const std::optional<std::string> before = project_.Sbc;
  try {
    project_.Sbc = IntText(SbcFromText(text));
  } catch (const std::exception& e) {
    platform_.Boxes.MsgBox(e.what(), BoxIcon::Warning);
    combSBC->setEditText(before ? ToQt(*before) : QString());
    return false;
  }
  combSBC->setEditText(ToQt(*project_.Sbc));
  if (!Design()) {
    project_.Sbc = before;
    combSBC->setEditText(before ? ToQt(*before) : QString());
    return false;
  }
  SaveProject();
  return true;
}

bool FrmFoot::ApplyMaxVolume(const std::string& text) {
  const std::optional<float> before = project_.MaxVolume;
  try {
    project_.MaxVolume = MaxVolumeFromText(text);
  } catch (const ProgramEnd& e) {
    platform_.Boxes.MsgBox(e.what(), BoxIcon::Warning);
    MaxVolumeBox->setText(ToQt(DecimalText(before.value_or(10), 6)));
    return false;
  }
  if (project_.Sbc && !Design()) {
    project_.MaxVolume = before;
    return false;
  }
  SaveProject();
  return true;
}

bool FrmFoot::Design() {
  if (!project_.Sbc || !files_) return false;
  auto model = std::make_unique<Model>();
  QuietMessages quiet;  // the reading's messages were shown when the file was opened
  const JobRequest request{.AnalysisFile = analysisFile_,
                           .Sbc = project_.Sbc,
                           .MaxVolume = project_.MaxVolume.value_or(10),
                           .Offsets = project_.Offsets,
                           .Project = project_.Project,
                           .Settings = project_.Checks,
                           .Revision = project_.Revision};
  try {
    std::optional<revise::DesignRevision> revision;
    std::optional<checks::DesignChecks> checks = DesignJob(*model, request, *files_, quiet, &revision);
    model_ = std::move(model);
    checks_ = std::move(checks);
    revision_ = std::move(revision);
  } catch (const ProgramEnd& e) {
    platform_.Boxes.MsgBox(e.what(), BoxIcon::Warning);
    return false;
  } catch (const std::exception& e) {
    platform_.Boxes.MsgBox(std::string("Run-time error: ") + e.what(), BoxIcon::Failure);
    return false;
  }
  ShowDesign();
  return true;
}

void FrmFoot::ShowDesign() {
  ShowSheet();
  FillSchedule(*ScheduleTable, *model_, *checks_);
  FillChecks(*ChecksTable, *checks_);
  FillUplift(*UpliftTable, *model_);
  ShowStatus();
  UpdateActions();
}

void FrmFoot::ShowStatus() {
  FileLabel->setText(analysisFile_.empty() ? QString() : QFileInfo(FileNameToQt(analysisFile_)).fileName());
  FileLabel->setToolTip(FileNameToQt(analysisFile_));
  SbcLabel->setText(checks_ ? ToQt("SBC " + *project_.Sbc + " kN/m2") : tr("No SBC chosen"));
  if (!checks_) {
    CountsLabel->clear();
    statusBar()->showMessage(analysisFile_.empty() ? QString() : tr("Choose the SBC in kN/m2 to design the footings"));
    return;
  }
  const checks::DesignChecks& c = *checks_;
  QString counts = QString("%1 ok \u00b7 %2 fail \u00b7 %3 not designed").arg(c.ok).arg(c.fails).arg(c.notDesigned);
  if (!c.clashes.empty()) counts += QString(" \u00b7 %1 clashing").arg(c.clashes.size());
  if (revision_)
    counts += QString(" \u00b7 %1 revised").arg(revision_->Count(revise::Outcome::Revised) +
                                              revision_->Count(revise::Outcome::Designed));
  CountsLabel->setText(counts);
  statusBar()->showMessage(ToQt(kDragHint).trimmed());
}

void FrmFoot::UpdateActions() {
  const bool designed = checks_.has_value();
  for (QAction* item : {dezine, sendtoacad, sendtoXL, sendReport}) item->setEnabled(designed);
  resetOffsets->setEnabled(designed && !SidesOf(*model_).empty());
  reload->setEnabled(!analysisFile_.empty());
  combSBC->setEnabled(!analysisFile_.empty());
  MaxVolumeBox->setEnabled(!analysisFile_.empty());
  for (QAction* item : {projectInfo, sheetSettings, sendMethodDrawing}) item->setEnabled(!analysisFile_.empty());
  for (QAction* item : {reviseGroups, settings}) item->setEnabled(!analysisFile_.empty());
  MaxTypesBox->setEnabled(!analysisFile_.empty());
  fit->setEnabled(designed);
}

void FrmFoot::MoveColumn(int support, int16 x, int16 y) {
  if (!checks_ || support < 1 || support > model_->NumSupports) return;
  const FootingRecord& f = model_->Footings[support];
  if (f.OffsetX == x && f.OffsetY == y) return;
  undo_.push(new SidesCommand(*this, tr("Move the column of support %1").arg(support), {{support, f.OffsetX, f.OffsetY}},
                              {{support, x, y}}));
}

void FrmFoot::ResetOffsets() {
  if (!checks_) return;
  std::vector<ColumnSide> before = SidesOf(*model_), after = before;
  if (before.empty()) return;
  for (ColumnSide& s : after) s.X = s.Y = 0;
  undo_.push(new SidesCommand(*this, tr("Reset offsets"), before, after));
}

void FrmFoot::SetSides(const std::vector<ColumnSide>& sides) {
  if (!checks_) return;
  try {
    if (project_.Revision.Any()) {
      // A revision starts again from the method's design where the columns now stand.
      ApplyOffsets(*model_, sides);
      project_.Offsets = SidesOf(*model_);
      if (Design()) SaveProject();
      return;
    }
    checks_ = MoveColumns(*model_, sides, project_.Checks);
  } catch (const std::exception& e) {
    platform_.Boxes.MsgBox(std::string("Run-time error: ") + e.what(), BoxIcon::Failure);
  }
  project_.Offsets = SidesOf(*model_);
  ShowDesign();
  SaveProject();
}

bool FrmFoot::ChangeProject(const std::function<void(ProjectSettings&)>& change) {
  const ProjectSettings before = project_;
  change(project_);
  if (project_.Sbc && !Design()) {
    project_ = before;
    ShowProjectControls();
    return false;
  }
  ShowProjectControls();
  SaveProject();
  return true;
}

void FrmFoot::ShowProjectControls() {
  const QSignalBlocker quiet(MaxTypesBox);
  reviseGroups->setChecked(project_.Revision.revise);
  MaxTypesBox->setValue(project_.Revision.maxTypes);
}

bool FrmFoot::ApplyRevise(bool on) {
  remembered_->SetRevise(on);
  return ChangeProject([on](ProjectSettings& p) { p.Revision.revise = on; });
}

bool FrmFoot::ApplyMaxTypes(int types) {
  if (types == project_.Revision.maxTypes) return true;
  return ChangeProject([types](ProjectSettings& p) { p.Revision.maxTypes = types; });
}

bool FrmFoot::ApplySettings(const SettingTexts& texts) {
  checks::CheckSettings checks = project_.Checks;
  revise::RevisionLimits limits = project_.Revision.limits;
  try {
    SetByKeys(texts, checks, limits);
  } catch (const ProgramEnd& e) {
    platform_.Boxes.MsgBox(e.what(), BoxIcon::Warning);
    return false;
  }
  return ChangeProject([&](ProjectSettings& p) { p.Checks = checks, p.Revision.limits = limits; });
}

void FrmFoot::EditSettings() {
  SettingsDialog dialog(project_.Checks, project_.Revision.limits, this);
  while (dialog.exec() == QDialog::Accepted)
    if (ApplySettings(dialog.Texts())) return;
}

void FrmFoot::SaveProject() {
  if (!projectWritable_ || !platform_.SaveProjects || analysisFile_.empty()) return;
  try {
    SaveProjectFile(project_, ProjectFileFor(analysisFile_));
    project_.Text = ProjectText(project_);
  } catch (const std::exception& e) {
    statusBar()->showMessage(tr("The project file was not saved: %1").arg(QString::fromStdString(e.what())));
  }
}

bool FrmFoot::WriteBeside(const OutputFiles& files, const std::string& what) {
  const WrittenFiles written =
      WriteOutputs(*model_, *checks_, files, project_.Project, project_.Sheet, revision_ ? &*revision_ : nullptr);
  if (!written.Failures.empty()) {
    platform_.Boxes.MsgBox("The " + what + " was not written: " + written.Failures.front(), BoxIcon::Warning);
    return false;
  }
  return true;
}

void FrmFoot::dezine_Click() {
  if (!Design()) return;
  const std::string report = FileBeside(analysisFile_, "-report.html");
  if (!WriteBeside({.Report = report}, "calculation report")) return;
  const std::string revised = revision_ && revision_->request.revise ? "\rRevised: " + revise::RevisionSummary(*revision_) : "";
  if (platform_.Boxes.Ask(Summary(*checks_) + revised + "\rThe calculation report is " + report, SummaryIcon(*checks_),
                          "Open report", "Close"))
    platform_.Open(report, DesktopFile::Page);
}

void FrmFoot::SendReport() {
  const std::string report = FileBeside(analysisFile_, "-report.html");
  if (!WriteBeside({.Report = report}, "calculation report")) return;
  platform_.Open(report, DesktopFile::Page);
  statusBar()->showMessage(FileNameToQt("The calculation report is " + report));
}

void FrmFoot::sendtoXL_Click() {
  const std::string workbook = FileBeside(analysisFile_, ".xlsx");
  if (!WriteBeside({.Workbook = workbook}, "workbook")) return;
  platform_.Open(workbook, DesktopFile::Workbook);
  statusBar()->showMessage(FileNameToQt("The workbook is " + workbook));
}

std::optional<std::string> FrmFoot::HandOffTarget() {
  if (!AllOk(*checks_) && !platform_.Boxes.Ask(Summary(*checks_) + "\rThe drawing shows the design as it is.",
                                               BoxIcon::Warning, "Send anyway", "Cancel"))
    return std::nullopt;
  const std::string target = DrawingFileName(analysisFile_);
  if (FolderTakesFiles(Utf8FromPath(PathFromUtf8(target).parent_path()))) return target;
  // A folder that takes no files (read-only, on a CD): the user says where.
  const std::string saved = platform_.Cad.SavedFileName(target);
  const QString suffix = QFileInfo(FileNameToQt(saved)).suffix();
  const std::string chosen = platform_.Files.ChooseFileToSave(
      tr("Drawings (*.%1)").arg(suffix), FileNameToQt(saved));
  if (chosen.empty()) return std::nullopt;
  return chosen;
}

void FrmFoot::sendtoacad_Click() {
  if (!checks_) return;
  class Boxes : public UserMessages {
   public:
    explicit Boxes(MessageBoxes& boxes) : boxes_(boxes) {}
    void ShowMessage(const std::string& text) override { boxes_.MsgBox(text, BoxIcon::Information); }
    void SetCaption(StatusLabel, const std::string&) override {}

   private:
    MessageBoxes& boxes_;
  } boxes(platform_.Boxes);
  const HandOffResult result =
      SendToCad(platform_.Cad, {.AnlFilePath = analysisFile_,
                                .Target = [this] { return HandOffTarget(); },
                                .DetailedDesign = [] {},  // the design shown is finished and checked
                                .WriteDrawing = [this](const std::string& file) { WriteCadDrawing(file); },
                                .Messages = boxes,
                                .TemporaryRoot = platform_.TemporaryRoot});
  if (result.Outcome == HandOffOutcome::NoCad) return;
  if (result.Outcome == HandOffOutcome::Cancelled) return statusBar()->showMessage(tr("No drawing was sent."));
  const std::string drawing = platform_.Cad.SavedFileName(result.Drawing);
  std::string failures;
  for (const HandOffFailure& f : result.Failures) failures += "\r" + f.Text();
  if (result.DrawingFailure)
    platform_.Boxes.MsgBox("Run-time error: " + *result.DrawingFailure + "\nNo drawing was made." + failures,
                           BoxIcon::Failure);
  else if (!result.Failures.empty())
    platform_.Boxes.MsgBox("The drawing " + drawing + " may not be complete. These steps failed:" + failures,
                           BoxIcon::Warning);
  else
    statusBar()->showMessage(FileNameToQt("The drawing is " + drawing));
}

void FrmFoot::ex_t_Click() { close(); }

void FrmFoot::closeEvent(QCloseEvent* event) {
  remembered_->SaveWindow(*this);
  End(kExitOk);
  event->accept();
}

void FrmFoot::End(int status) {
  if (ended_) return;
  ended_ = true;
  exitStatus_ = status;
  hide();
  QCoreApplication::exit(status);
}

}  // namespace footmark
