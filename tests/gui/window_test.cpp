// The window: how it ends, the SBC box, the plan of a design, the panels, the menus and what it remembers.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGraphicsScene>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <nlohmann/json.hpp>

#include "app/design_panels.h"
#include "app/sheet_dialogs.h"
#include "plan/drawing_scene.h"
#include "checks/check_result.h"
#include "design/schedules.h"
#include "window_rig.h"

namespace footmark::testing {
namespace {

namespace fs = std::filesystem;

// mark -> verdict of every footing group, as the batch front end judges the file at this SBC.
std::map<std::string, std::string> CliVerdicts(const std::string& file, const char* sbc) {
  QProcess cli;
  cli.start(FOOTMARK_CLI, {QString::fromStdString(file), "--sbc", sbc, "--json", "-"});
  cli.waitForFinished(60000);
  std::map<std::string, std::string> verdicts;
  const nlohmann::json design = nlohmann::json::parse(cli.readAllStandardOutput().toStdString());
  for (const auto& g : design["checks"])
    verdicts[g["mark"]] = g["verdict"];
  return verdicts;
}

std::map<std::string, std::string> WindowVerdicts(const FrmFoot& form) {
  std::map<std::string, std::string> verdicts;
  for (const checks::GroupCheck& g : form.Checks()->groups) verdicts[g.mark] = checks::VerdictText(g.check.verdict);
  return verdicts;
}

QStringList EnabledItems(const QMenuBar& bar) {
  QStringList enabled;
  for (QAction* menu : bar.actions())
    for (QAction* item : menu->menu()->actions())
      if (item->isEnabled() && !item->isSeparator() && !item->menu()) enabled << item->text().remove('&');
  return enabled;
}

TEST(WindowEnd, EachWayOfEndingHasItsStatusAndBoxes) {
  struct Case {
    const char* name;
    std::function<void(WindowRig&)> act;
    int status;
    std::vector<std::string> boxes;
  };
  for (const Case& c : std::vector<Case>{
           {"dialog cancelled", [](WindowRig& r) { r.form.Form_Load(); }, 0, {}},
           {"Quit", [](WindowRig& r) { r.Start(Example()); r.form.ex_t->trigger(); }, 0, {}},
           {"no reactions", [](WindowRig& r) { r.Start("no reactions in here\n"); }, kExitInputEnds,
            {" NO SUPPORT REACTIONS"}}}) {
    WindowRig rig;
    c.act(rig);
    EXPECT_TRUE(rig.form.Ended() && !rig.form.isVisible()) << c.name;
    EXPECT_EQ(rig.form.ExitStatus(), c.status) << c.name;
    EXPECT_EQ(rig.boxes.texts, c.boxes) << c.name;
  }
}

// A value the batch front end refuses is told and changes nothing; the window goes on.
TEST(SbcBox, RefusesWhatTheBatchFrontEndRefusesAndKeepsTheDesign) {
  WindowRig rig;
  rig.Start(Example());
  EXPECT_EQ(rig.form.combSBC->lineEdit()->placeholderText(), "Select");
  EXPECT_EQ(rig.form.combSBC->currentText(), "");
  rig.ChooseSbc("250");
  for (const auto& [typed, told] : std::vector<std::pair<const char*, const char*>>{
           {"abc", "The SBC \"abc\" is not a number"},
           {"99999", "overflow: 99999 does not fit a 16-bit whole number"},
           {"0", "The SBC \"0\" must be greater than 0 kN/m2"}}) {
    rig.ChooseSbc(typed);
    EXPECT_EQ(rig.boxes.texts.back(), told);
    EXPECT_EQ(rig.form.combSBC->currentText(), "250") << typed;
    EXPECT_EQ(rig.form.model().SBC, 250.0f) << typed;
  }
  EXPECT_FALSE(rig.form.Ended());
}

// The 6x5 example: each SBC designs at once, with the batch front end's verdicts, and the offsets stay.
TEST(SbcBox, EachChangeDesignsAtOnceWithTheVerdictsOfTheBatchFrontEnd) {
  WindowRig rig;
  rig.Start(ReadFile(SourcePath("examples/frame-6x5-4storey.ANL")), "six.ANL");
  for (const char* sbc : {"100", "200"}) {
    rig.ChooseSbc(sbc);
    ASSERT_TRUE(rig.form.Checks()) << sbc;
    EXPECT_EQ(WindowVerdicts(rig.form), CliVerdicts(rig.form.AnalysisFile(), sbc)) << sbc;
    EXPECT_EQ(rig.form.SbcLabel->text(), QString("SBC %1 kN/m2").arg(sbc));
    if (sbc[0] == '1') rig.Drag(8, -1, 0);
  }
  EXPECT_EQ(rig.Footing(8).OffsetX, -1) << "the second SBC lost the offset";
  EXPECT_EQ(rig.form.CountsLabel->text(), QString("%1 ok \u00b7 %2 fail \u00b7 %3 not designed")
                                              .arg(rig.form.Checks()->ok).arg(rig.form.Checks()->fails)
                                              .arg(rig.form.Checks()->notDesigned) +
                                              (rig.form.Checks()->clashes.empty() ? "" : QString(" \u00b7 %1 clashing")
                                                                                   .arg(rig.form.Checks()->clashes.size())));
}

// Every footing drawn on the sheet has its item on the plan, over the outline the sheet draws for it.
void ExpectItemsOnTheSheetsFootings(const PlanView& plan) {
  const PlanPicture& picture = plan.Picture();
  std::size_t outlines = 0;
  for (const DrawingEntity& e : picture.sheet.drawing.entities) {
    if (e.layer != "FOOTING" || e.item <= 0 || e.kind != EntityKind::kPolyline) continue;
    const SheetFooting& f = picture.sheet.footings.at(static_cast<std::size_t>(e.item - 1));
    const Vec2 shift = picture.sheets.at(f.sheet).shift;
    QRectF drawn;
    for (const Vertex& v : e.points) drawn |= QRectF(ScenePoint(v.x + shift.x, v.y + shift.y), QSizeF(1e-9, 1e-9));
    const QList<QGraphicsItem*> there = plan.scene()->items(drawn.center());
    const auto item = std::find_if(there.begin(), there.end(), [](QGraphicsItem* i) { return i->type() == FootingItem::Type; });
    ASSERT_NE(item, there.end()) << "no item on the footing of support " << f.support;
    EXPECT_EQ(static_cast<FootingItem*>(*item)->Footing().Support, f.support);
    EXPECT_LT(((*item)->sceneBoundingRect().topLeft() - drawn.topLeft()).manhattanLength(), 1e-3) << f.support;
    ++outlines;
  }
  EXPECT_EQ(outlines, plan.Footings().size());
}

// At SBC 100 on the 6x5 example the plan's items carry the verdicts and the clashes; fit keeps every footing in view.
TEST(Plan, ShowsEachFootingOfTheSheetByItsVerdictAndFitsTheBuilding) {
  WindowRig rig;
  rig.Start(ReadFile(SourcePath("examples/frame-6x5-4storey.ANL")), "six.ANL");
  rig.ChooseSbc("100");
  PlanView& plan = *rig.form.Plan;
  ASSERT_EQ(plan.Footings().size(), 27u);
  ExpectItemsOnTheSheetsFootings(plan);
  std::map<std::string, std::set<PlanVerdict>> byGroup;
  for (FootingItem* f : plan.Footings()) byGroup[f->Footing().Group].insert(f->Footing().Verdict);
  for (const char* group : {"F14", "F15"}) EXPECT_EQ(byGroup[group], std::set{PlanVerdict::NotDesigned}) << group;
  for (const checks::GroupCheck& g : rig.form.Checks()->groups)  // every group the checks fail is failing on the plan
    if (g.check.verdict == checks::Verdict::Fails) {
      EXPECT_EQ(byGroup[g.mark], std::set{PlanVerdict::Fails}) << g.mark;
    }
  EXPECT_EQ(rig.form.Checks()->fails, 13);
  const std::vector<SheetClash>& clashes = plan.Picture().sheet.clashes;
  EXPECT_EQ(clashes.size(), 7u);
  for (const SheetClash& c : clashes)
    for (int s : {c.supportA, c.supportB})
      EXPECT_TRUE(Has(plan.Footing(s)->toolTip().toStdString(), c.tag + ": ")) << c.tag << " on support " << s;
  const QString tip = plan.Footing(1)->toolTip();
  EXPECT_TRUE(tip.contains("Support 1 \u00b7 joint ") && tip.contains(QString::fromStdString(plan.Footing(1)->Footing().Mark)))
      << tip.toStdString();

  auto everyFootingShown = [&] {
    const QRectF shown = plan.mapToScene(plan.viewport()->rect()).boundingRect();
    for (FootingItem* f : plan.Footings())
      if (!shown.contains(f->sceneBoundingRect())) return false;
    return true;
  };
  EXPECT_TRUE(everyFootingShown());
  plan.ZoomBy(4);
  EXPECT_FALSE(everyFootingShown());
  rig.form.resize(500, 350);  // a zoom the user chose stays through a resize; F fits again
  QTest::keyClick(&plan, Qt::Key_F);
  EXPECT_TRUE(plan.Fitted() && everyFootingShown());
  rig.form.resize(1200, 500);
  QApplication::processEvents();
  EXPECT_TRUE(everyFootingShown()) << "no refit on resize";

  // A2 at 1:50 cuts the plan into zones: the plan sheets lie apart in the view as their zones lie, every
  // footing on its own sheet, all of them in view after a fit. A3 at 1:50 has no gap between footings to cut
  // in: the sheet takes A0 at 1:200, and the window says so.
  auto setSheet = [&](const char* paper, const char* scale) {
    rig.form.sheetSettings->trigger();
    auto* dialog = rig.form.findChild<SheetDialog*>();
    ASSERT_TRUE(dialog);
    dialog->PaperBox->setCurrentText(paper);
    dialog->ScaleBox->setCurrentText(scale);
    dialog->accept();
    QApplication::processEvents();  // the closed dialog goes
  };
  setSheet("A3", "1:50");
  EXPECT_EQ(rig.form.statusBar()->currentMessage(), "The plan does not fit the paper and scale set: it is drawn on A0 at 1:200");
  setSheet("A2", "1:50");
  const PlanPicture& cut = plan.Picture();
  ASSERT_GT(cut.sheets.size(), 1u);
  for (std::size_t a = 0; a < cut.sheets.size(); ++a)
    for (std::size_t b = a + 1; b < cut.sheets.size(); ++b) EXPECT_FALSE(Overlap(cut.sheets[a].paper, cut.sheets[b].paper));
  for (FootingItem* f : plan.Footings()) {
    const Extents& paper = cut.sheets.at(cut.sheet.footings.at(static_cast<std::size_t>(f->Footing().Item - 1)).sheet).paper;
    EXPECT_FALSE(f->Footing().Outline.min.x < paper.min.x || f->Footing().Outline.max.y > paper.max.y) << f->Footing().Support;
  }
  ExpectItemsOnTheSheetsFootings(plan);
  QTest::keyClick(&plan, Qt::Key_F);
  EXPECT_TRUE(everyFootingShown());
  setSheet("To fit: the smallest that holds it", "To fit: 1:100, else 1:200");
  EXPECT_EQ(plan.Picture().sheets.size(), 1u);

  // A row of the schedule picks its group's footings, a footing picks its rows.
  QTableWidget& schedule = *rig.form.ScheduleTable;
  schedule.selectRow(13);
  std::set<std::string> groups;
  for (FootingItem* f : plan.Footings())
    if (f->isSelected()) groups.insert(f->Footing().Group);
  EXPECT_EQ(groups, std::set<std::string>{"F14"});
  plan.scene()->clearSelection();
  plan.Footing(1)->setSelected(true);
  const QString group = QString::fromStdString(plan.Footing(1)->Footing().Group);
  for (QTableWidget* table : {rig.form.ScheduleTable, rig.form.ChecksTable})
    EXPECT_EQ(SelectedGroups(*table), QStringList{group});
  // The uplift panel lists each load case left out, and copies as text.
  EXPECT_EQ(rig.form.UpliftTable->rowCount(), static_cast<int>(UpliftRows(rig.form.model()).size()));
  const QString uplift = PanelText(*rig.form.UpliftTable);
  EXPECT_TRUE(uplift.startsWith("Support\tJoint\tLoad case\tFORCE-Y kN\n1\t") && uplift.contains("\t4\t-164.82\n"));
}

TEST(Menus, AnItemIsDisabledOnlyWhileItCannotApply) {
  WindowRig rig;
  rig.Start(Example());
  const QStringList always = {"Open...", "Reload", "Quit", "Zoom In", "Zoom Out"};
  QStringList before = EnabledItems(*rig.form.menuBar());
  for (const QString& item : always) EXPECT_TRUE(before.contains(item)) << item.toStdString();
  for (const char* item : {"Design", "To CAD", "To Excel", "Calculation Report", "Reset Offsets", "Undo", "Redo"})
    EXPECT_FALSE(before.contains(item)) << item;
  rig.ChooseSbc("200");
  const QStringList after = EnabledItems(*rig.form.menuBar());
  for (const char* item : {"Design", "To CAD", "To Excel", "Calculation Report", "Fit the Plan"})
    EXPECT_TRUE(after.contains(item)) << item;
  EXPECT_FALSE(after.contains("Reset Offsets")) << "no column stands off its grid point";
  EXPECT_EQ(rig.form.windowTitle(), "frame.ANL - Footmark");
  QTest::keyClick(&rig.form, Qt::Key_F1);
  const auto* readme = rig.form.findChild<QTextBrowser*>();
  ASSERT_TRUE(readme) << "F1 shows no README";
  EXPECT_TRUE(readme->toPlainText().contains("The project file.")) << "the README is not this one";
}

// "Design" writes the report and opens it only when asked; Excel writes and opens its workbook; a file that
// cannot be written is told, and the window goes on.
TEST(DesignAndExcel, WriteBesideTheAnalysisFileAndOpenOnlyWhatIsAskedFor) {
  WindowRig rig;
  rig.Start(ReadFile(SourcePath("examples/frame-6x5-4storey.ANL")), "six.ANL");
  rig.ChooseSbc("100");
  const std::string report = rig.Beside("six-report.html"), book = rig.Beside("six.xlsx");
  rig.form.dezine->trigger();
  EXPECT_EQ(rig.opened, std::vector<std::string>{});
  rig.boxes.answers = {"Open report"};
  rig.form.dezine->trigger();
  rig.form.sendtoXL->trigger();
  EXPECT_EQ(rig.opened, (std::vector<std::string>{report, book}));
  ASSERT_EQ(rig.boxes.texts.size(), 2u);
  EXPECT_TRUE(Has(rig.boxes.texts[0], "0 ok, 13 fail, 2 not designed") && Has(rig.boxes.texts[0], "Not designed: F14, F15") &&
              Has(rig.boxes.texts[0], "The calculation report is " + report));
  EXPECT_EQ(rig.boxes.icons[0], BoxIcon::Warning);
  EXPECT_TRUE(fs::file_size(report) > 0 && fs::file_size(book) > 0);

  fs::remove(book);
  fs::create_directory(book);  // a folder in the way
  rig.form.sendtoXL->trigger();
  EXPECT_TRUE(Has(rig.boxes.texts.back(), "The workbook was not written: cannot write")) << rig.boxes.texts.back();
  EXPECT_FALSE(rig.form.Ended());
}

// The SBC, the offsets and the reference volume wait beside the analysis file; the recent files and
// the last folder in the settings. The file's name goes beyond ASCII, as a Windows user's folders do.
TEST(ProjectFile, TheWindowLeavesItsWorkAndFindsItAgain) {
  ScratchDir folder, settings;
  const std::string name = "Fundaci\u00f3n-\u0398", file = folder.Write(name + ".ANL", Example());
  const std::string project = folder.path() + "/" + name + ".footmark.json";
  {
    WindowRig first(nullptr, settings.path());
    first.Open(file);
    first.ChooseSbc("150");
    first.form.MaxVolumeBox->setText("12.5");
    QTest::keyClick(first.form.MaxVolumeBox, Qt::Key_Return);
    first.Drag(7, 1, 0);
    first.Drag(10, 0, -1);
  }
  const ProjectSettings saved = ReadProjectFile(project);
  EXPECT_EQ(saved.Sbc, "150");
  EXPECT_EQ(saved.MaxVolume, 12.5f);
  WindowRig second(nullptr, settings.path());
  second.Open(file);
  EXPECT_EQ(second.form.combSBC->currentText(), "150");
  EXPECT_EQ(second.form.MaxVolumeBox->text(), "12.5");
  EXPECT_EQ(second.form.model().MaxVolume, 12.5f);
  EXPECT_EQ((std::pair<int, int>(second.Footing(7).OffsetX, second.Footing(10).OffsetY)), std::pair(1, -1));
  ASSERT_EQ(second.form.RecentMenu->actions().size(), 1);
  EXPECT_TRUE(second.form.RecentMenu->actions()[0]->text().endsWith(QString::fromStdString(file)));

  // A project file that cannot be used is told, left as it is, and the file opens without it.
  const std::string bad = "{\"design\": {\"sbc_kn_m2\": \"two hundred\"}}";
  folder.Write(name + ".footmark.json", bad);
  WindowRig third;
  third.Open(file);
  EXPECT_TRUE(Has(third.boxes.texts.at(0), "design.sbc_kn_m2 must be a number, not \"two hundred\""));
  third.ChooseSbc("200");
  EXPECT_EQ(ReadFile(project), bad);
}

// The 6x5 example at SBC 100 with the revise switch on: the scene's items of CF1's supports say on hover
// what it is (mark, L x B x D, supports, verdict: ok with two warnings, governing check), and the schedule and checks panels
// have its rows, a set not designed its recommendation.
TEST(Plan, CombinedFootingOnHoverAndInThePanels) {
  WindowRig rig;
  rig.Start(ReadFile(SourcePath("examples/frame-6x5-4storey.ANL")), "six.ANL");
  rig.ChooseSbc("100");
  rig.form.reviseGroups->trigger();
  const auto& combined = rig.form.Checks()->combined;
  const auto cf = std::find_if(combined.begin(), combined.end(), [](const auto& f) { return f.mark == "CF1"; });
  ASSERT_NE(cf, combined.end());
  const std::string governing = cf->checks.at(static_cast<std::size_t>(cf->governing)).check.id;
  std::set<int> hovered;
  for (QGraphicsItem* item : rig.form.Plan->scene()->items()) {
    if (item->type() != FootingItem::Type || static_cast<FootingItem*>(item)->Footing().Group != "CF1") continue;
    hovered.insert(static_cast<FootingItem*>(item)->Footing().Support);
    const std::string tip = item->toolTip().toStdString();
    for (const std::string& part : {std::string("CF1 combined footing 5.3 x 3.5 x 0.425 m"), std::string("on supports 2, 3"),
                                     "\nwarning \u00b7 " + governing})
      EXPECT_TRUE(Has(tip, part)) << part << " not in " << tip;
  }
  EXPECT_EQ(hovered, (std::set<int>{2, 3}));
  // Each column's handle stands on its column, 3.0 m apart, not both on the footing's middle.
  std::vector<double> handles;
  for (QGraphicsItem* item : rig.form.Plan->scene()->items())
    if (item->type() == ColumnHandle::Type && static_cast<ColumnHandle*>(item)->Footing().Footing().Group == "CF1")
      handles.push_back(item->sceneBoundingRect().center().x());
  ASSERT_EQ(handles.size(), 2u);
  const QRectF outline = [&] {
    for (QGraphicsItem* item : rig.form.Plan->scene()->items())
      if (item->type() == FootingItem::Type && static_cast<FootingItem*>(item)->Footing().Group == "CF1")
        return item->sceneBoundingRect();
    return QRectF();
  }();
  EXPECT_NEAR(std::fabs(handles[0] - handles[1]) / outline.width(), 3.0 / 5.3, 0.01);
  const QString schedule = PanelText(*rig.form.ScheduleTable), checks = PanelText(*rig.form.ChecksTable);
  EXPECT_TRUE(schedule.contains("\nCF1\t2\t5300 x 3500\t425\t")) << schedule.toStdString();
  EXPECT_TRUE(checks.contains(QString::fromStdString("\nCF1\twarning\t" + governing))) << checks.toStdString();
  EXPECT_TRUE(checks.contains("raft or strap footing recommended")) << checks.toStdString();
}

// The revision's switch, the footing types and the settings design again at once, are kept in the
// project file, and the switch is where a building new to the window starts; a setting refused
// changes nothing. The settings dialog has a field for every setting and limit.
TEST(Revision, TheSwitchTheTypesAndTheSettingsAreKept) {
  ScratchDir folder, settings;
  const std::string file = folder.Write("frame.ANL", Example());
  {
    WindowRig rig(nullptr, settings.path());
    rig.Open(file);
    rig.ChooseSbc("100");
    EXPECT_EQ(rig.form.Checks()->fails, 7);
    rig.form.reviseGroups->trigger();
    EXPECT_EQ(rig.form.Checks()->ok, 7);
    EXPECT_EQ(rig.form.Revision()->Count(revise::Outcome::Revised), 7);
    EXPECT_TRUE(rig.form.CountsLabel->text().endsWith("7 revised")) << rig.form.CountsLabel->text().toStdString();
    rig.form.MaxTypesBox->setValue(3);
    emit rig.form.MaxTypesBox->editingFinished();
    EXPECT_EQ(rig.form.model().FootGroupCount, 3);
    EXPECT_FALSE(rig.form.ApplySettings({{"founding-depth", "2"}, {"psi", "2"}}));
    EXPECT_TRUE(Has(rig.boxes.texts.back(), "--psi: 2 is out of range"));
    EXPECT_TRUE(rig.form.ApplySettings({{"founding-depth", "2"}, {"largest-side", "4.5"}}));
    EXPECT_EQ(rig.form.Checks()->settings.foundingDepth, 2);

    SettingsDialog dialog(rig.form.Project().Checks, rig.form.Project().Revision.limits, &rig.form);
    const std::size_t rows = checks::SettingsInForce({}).size() + revise::LimitsInForce({}).size();
    ASSERT_EQ(dialog.Fields.size(), rows);
    dialog.Fields.back().second->setText("100");
    EXPECT_EQ(dialog.Texts().back(), (std::pair<std::string, std::string>("least-bar-spacing", "100")));
  }
  WindowRig again(nullptr, settings.path());
  again.Open(file);
  EXPECT_TRUE(again.form.reviseGroups->isChecked());
  EXPECT_EQ(again.form.MaxTypesBox->value(), 3);
  EXPECT_EQ(again.form.Project().Checks.foundingDepth, 2);
  EXPECT_EQ(again.form.Project().Revision.limits.largestSide, 4.5);
  again.Open(folder.Write("other.ANL", Example()));
  EXPECT_TRUE(again.form.reviseGroups->isChecked()) << "a new building starts with the switch as last set";
  EXPECT_EQ(again.form.MaxTypesBox->value(), 0);
}

}  // namespace
}  // namespace footmark::testing
