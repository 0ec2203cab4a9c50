// FrmFoot's controls, menus and keys, in their start state.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/design_panels.h"
#include "app/frm_foot.h"
#include "app/remembered.h"
#include "app/sheet_dialogs.h"

// The README and its pictures, compiled in (help.qrc).
static void LoadHelpResources() { Q_INIT_RESOURCE(help); }

namespace footmark {

namespace {

QLabel* Caption(const char* text) {
  auto* label = new QLabel(QString::fromLatin1(text));
  label->setTextFormat(Qt::PlainText);
  label->setContentsMargins(10, 0, 4, 0);
  return label;
}

QDockWidget* Panel(QMainWindow& window, const QString& title, const char* name, QWidget* content) {
  auto* dock = new QDockWidget(title, &window);
  dock->setObjectName(name);  // for the remembered layout
  dock->setWidget(content);
  window.addDockWidget(Qt::RightDockWidgetArea, dock);
  return dock;
}

}  // namespace

void FrmFoot::BuildControls() {
  Plan = new PlanView(this);
  setCentralWidget(Plan);

  QToolBar* bar = addToolBar(tr("Design"));
  bar->setObjectName("designBar");
  auto* sbcLabel = new QLabel(tr("S&BC in kN/M2"));
  sbcLabel->setContentsMargins(4, 0, 4, 0);
  bar->addWidget(sbcLabel);
  combSBC = new QComboBox;
  combSBC->setEditable(true);
  combSBC->setInsertPolicy(QComboBox::NoInsert);
  for (const char* sbc : {"100", "150", "200", "250", "300", "350", "400", "450"}) combSBC->addItem(sbc);
  combSBC->setCurrentIndex(-1);
  combSBC->lineEdit()->setPlaceholderText("Select");
  combSBC->setMinimumContentsLength(6);
  sbcLabel->setBuddy(combSBC);
  bar->addWidget(combSBC);
  connect(combSBC, &QComboBox::activated, this, [this] { combSBC_Click(); });
  connect(combSBC->lineEdit(), &QLineEdit::returnPressed, this, [this] { combSBC_Click(); });

  auto* volumeLabel = new QLabel(tr("Reference vo&lume m3"));
  volumeLabel->setContentsMargins(12, 0, 4, 0);
  bar->addWidget(volumeLabel);
  MaxVolumeBox = new QLineEdit("10");
  MaxVolumeBox->setMaximumWidth(MaxVolumeBox->fontMetrics().horizontalAdvance("0000000"));
  MaxVolumeBox->setToolTip(tr("A footing group whose first pedestal candidate is larger is left undesigned"));
  volumeLabel->setBuddy(MaxVolumeBox);
  bar->addWidget(MaxVolumeBox);
  connect(MaxVolumeBox, &QLineEdit::returnPressed, this, [this] { ApplyMaxVolume(MaxVolumeBox->text().toStdString()); });

  reviseGroups = new QAction(tr("Re&vise Failing Groups"), this);
  reviseGroups->setCheckable(true);
  reviseGroups->setToolTip(tr("Change every group that fails a check or is not designed by the smallest steps "
                              "that make every check pass"));
  bar->addAction(reviseGroups);
  connect(reviseGroups, &QAction::triggered, this, [this](bool on) { ApplyRevise(on); });
  auto* typesLabel = new QLabel(tr("Footing &types at most"));
  typesLabel->setContentsMargins(12, 0, 4, 0);
  bar->addWidget(typesLabel);
  MaxTypesBox = new QSpinBox;
  MaxTypesBox->setRange(0, 100);
  MaxTypesBox->setSpecialValueText(tr("any"));
  MaxTypesBox->setToolTip(tr("Groups are merged, the least concrete added first, until at most so many remain"));
  typesLabel->setBuddy(MaxTypesBox);
  bar->addWidget(MaxTypesBox);
  connect(MaxTypesBox, &QSpinBox::editingFinished, this, [this] { ApplyMaxTypes(MaxTypesBox->value()); });

  LabNoSrea = Caption("Footings");
  LabLoadCases = Caption("Load Cases");
  LabFckFe = Caption("Fck/Fe");
  for (QLabel* label : {LabNoSrea, LabLoadCases, LabFckFe}) bar->addWidget(label);

  ScheduleTable = NewPanelTable({"MARK"});  // the sheet's columns come with the first design
  ChecksTable = NewPanelTable({"Group", "Verdict", "Governing check", "Utilisation", "Supports", "Reason"});
  UpliftTable = NewPanelTable({"Support", "Joint", "Load case", "FORCE-Y kN"});
  UpliftTable->setToolTip(tr("These load cases do not press on the soil and are left out of the footing sizes"));
  QDockWidget* schedule = Panel(*this, tr("Footing schedule"), "schedulePanel", ScheduleTable);
  QDockWidget* checks = Panel(*this, tr("Checks"), "checksPanel", ChecksTable);
  QDockWidget* uplift = Panel(*this, tr("Uplift"), "upliftPanel", UpliftTable);
  tabifyDockWidget(schedule, checks);
  splitDockWidget(checks, uplift, Qt::Vertical);
  schedule->raise();

  // A row picks its group's footings on the plan, and the other way round.
  for (QTableWidget* table : {ScheduleTable, ChecksTable})
    connect(table, &QTableWidget::itemSelectionChanged, this, [this, table] {
      Plan->SelectGroups(SelectedGroups(*table));
      Plan->RevealSelection();
    });
  connect(Plan->scene(), &QGraphicsScene::selectionChanged, this, [this] {
    QStringList groups;
    for (QGraphicsItem* item : Plan->scene()->selectedItems())
      if (item->type() == FootingItem::Type) groups << QString::fromStdString(static_cast<FootingItem*>(item)->Footing().Group);
    for (QTableWidget* table : {ScheduleTable, ChecksTable}) SelectGroups(*table, groups);
  });
  connect(Plan, &PlanView::columnDragged, this, [this](int, const QString& readout) { statusBar()->showMessage(readout); });
  connect(Plan, &PlanView::columnDropped, this, [this](int support, int x, int y) {
    statusBar()->clearMessage();
    MoveColumn(support, static_cast<int16>(x), static_cast<int16>(y));
  });

  FileLabel = new QLabel;
  SbcLabel = new QLabel;
  CountsLabel = new QLabel;
  for (QLabel* label : {FileLabel, SbcLabel, CountsLabel}) {
    label->setContentsMargins(10, 0, 2, 0);
    statusBar()->addPermanentWidget(label);
  }

  // A first start fills most of the screen, whatever its scale.
  if (!remembered_->RestoreWindow(*this)) {
    const QRect room = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
    resize(std::min(1400, room.width() * 9 / 10), std::min(900, room.height() * 9 / 10));
    resizeDocks({schedule}, {width() * 3 / 10}, Qt::Horizontal);
  }
}

void FrmFoot::BuildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  openFile = file->addAction(tr("&Open..."), this, [this] {
    const std::string chosen = platform_.Files.ChooseFileToOpen(NameFilters(kAnalysisFilter), remembered_->LastFolder());
    if (!chosen.empty()) OpenFile(chosen);
  });
  openFile->setShortcut(QKeySequence::Open);
  RecentMenu = file->addMenu(tr("Open &Recent"));
  reload = file->addAction(tr("Re&load"), this, [this] { Reload(); });
  reload->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  file->addSeparator();
  projectInfo = file->addAction(tr("&Project..."), this, [this] {
    auto* dialog = new ProjectDialog(this, project_.Project);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { SetProjectInfo(dialog->Info()); });
    dialog->open();
  });
  file->addSeparator();
  ex_t = file->addAction(tr("&Quit"), this, [this] { ex_t_Click(); });
  ex_t->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  undo = undo_.createUndoAction(this, tr("&Undo"));
  undo->setShortcut(QKeySequence::Undo);
  redo = undo_.createRedoAction(this, tr("&Redo"));
  redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence::Redo});
  edit->addActions({undo, redo});

  QMenu* view = menuBar()->addMenu(tr("&View"));
  QAction* zoomIn = view->addAction(tr("Zoom &In"), this, [this] { Plan->ZoomBy(1.25); });
  zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  QAction* zoomOut = view->addAction(tr("Zoom &Out"), this, [this] { Plan->ZoomBy(0.8); });
  zoomOut->setShortcut(QKeySequence::ZoomOut);
  fit = view->addAction(tr("&Fit the Plan"), this, [this] { Plan->Fit(); });
  fit->setShortcut(QKeySequence(Qt::Key_F));
  sheetSettings = view->addAction(tr("&Sheet..."), this, [this] {
    auto* dialog = new SheetDialog(this, project_.Sheet);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { SetSheetSettings(dialog->Settings()); });
    dialog->open();
  });
  view->addSeparator();
  for (QDockWidget* dock : findChildren<QDockWidget*>()) view->addAction(dock->toggleViewAction());

  QMenu* design = menuBar()->addMenu(tr("&Design"));
  QMenu* sbc = design->addMenu(tr("&SBC"));
  for (int i = 0; i < combSBC->count(); ++i)
    sbc->addAction(combSBC->itemText(i) + " kN/m2", this, [this, i] { ApplySbc(combSBC->itemText(i).toStdString()); });
  design->addAction(tr("Other S&BC..."), this, [this] { combSBC->setFocus(); combSBC->lineEdit()->selectAll(); });
  dezine = design->addAction(tr("&Design"), this, [this] { dezine_Click(); });
  dezine->setShortcut(QKeySequence(Qt::Key_F5));
  resetOffsets = design->addAction(tr("&Reset Offsets"), this, [this] { ResetOffsets(); });
  design->addSeparator();
  design->addAction(reviseGroups);
  settings = design->addAction(tr("Se&ttings..."), this, [this] { EditSettings(); });

  QMenu* send = menuBar()->addMenu(tr("&Send"));
  sendtoacad = send->addAction(tr("To &CAD"), this, [this] { sendtoacad_Click(); });
  sendtoXL = send->addAction(tr("To &Excel"), this, [this] { sendtoXL_Click(); });
  sendReport = send->addAction(tr("Calculation &Report"), this, [this] { SendReport(); });
  send->addSeparator();
  send->setToolTipsVisible(true);
  sendMethodDrawing = send->addAction(tr("Send the &Method's Drawing"));
  sendMethodDrawing->setCheckable(true);
  sendMethodDrawing->setToolTip(tr("To CAD sends the method's exact drawing rather than the sheet"));
  connect(sendMethodDrawing, &QAction::toggled, this, [this](bool on) { SetSendMethodDrawing(on); });

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  readme = help->addAction(tr("&README"), this, [this] { ShowReadme(); });
  readme->setShortcut(QKeySequence::HelpContents);
  about = help->addAction(tr("&About Footmark"), this, [this] {
    platform_.Boxes.MsgBox(std::string("Footmark ") + FOOTMARK_VERSION +
                               "\rIsolated footings by IS 456:2000 from the output of a STAAD analysis.",
                           BoxIcon::Information);
  });
  // F10 goes to the menu bar where the desktop does not do it already.
  connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, [this] {
    menuBar()->setFocus();
    menuBar()->setActiveAction(menuBar()->actions().first());
  });
  FillRecentMenu();
}

void FrmFoot::FillRecentMenu() {
  RecentMenu->clear();
  int n = 0;
  for (const QString& file : remembered_->RecentFiles())
    RecentMenu->addAction(QString("&%1 %2").arg(++n).arg(file), this, [this, file] { OpenFile(FileNameFromQt(file)); });
  RecentMenu->setEnabled(n > 0);
}

void FrmFoot::ShowReadme() {
  LoadHelpResources();
  auto* dialog = new QDialog(this);
  dialog->setObjectName("readme");
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(tr("Footmark README"));
  auto* text = new QTextBrowser(dialog);
  text->setOpenExternalLinks(true);
  text->setSearchPaths({":/help"});
  QFile readme(":/help/README.md");
  readme.open(QIODevice::ReadOnly);
  text->setMarkdown(QString::fromUtf8(readme.readAll()));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(text);
  layout->addWidget(buttons);
  dialog->resize(size() * 0.8);
  dialog->show();
}

}  // namespace footmark
