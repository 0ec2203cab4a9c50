// "To CAD" from the window: the drawing is written or the failure told, and the window stays.
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QProcess>
#include <QStatusBar>
#include <filesystem>
#include <gtest/gtest.h>

#include "app/sheet_dialogs.h"
#include "drawing/exact_drawing.h"
#include "dxf/portable_dxf.h"
#include "window_rig.h"

namespace footmark::testing {
namespace {

namespace fs = std::filesystem;

void Permit(const std::string& folder, fs::perms perms) {
  fs::permissions(folder, perms, fs::perm_options::replace);
}

// An installed copy: the user may write neither the program's folder nor, in the second case, the analysis
// file's. The drawing lands beside the analysis file, or where the Save As dialog says, or the user hears why not.
TEST(SendToCad, AnOrdinaryUserGetsTheDrawingOrAClearWordWhateverTheFoldersAllow) {
#ifdef _WIN32
  GTEST_SKIP() << "a folder's read-only attribute does not stop new files on Windows; only its ACL could";
#endif
  struct Case {
    const char* name;
    fs::perms analysisFolder;
    const char* saveAs;  // the Save As dialog's answer, null when none should be asked
    const char* drawing;  // where the drawing is left, null for nowhere
    const char* status;
  };
  const fs::perms open = fs::perms::all, readOnly = fs::perms::owner_read | fs::perms::owner_exec |
                                                     fs::perms::group_read | fs::perms::group_exec |
                                                     fs::perms::others_read | fs::perms::others_exec;
  for (const Case& c : {Case{"read-only program folder", open, nullptr, "frame.dxf", "The drawing is "},
                        Case{"read-only analysis folder", readOnly, "elsewhere/plan.dxf", "elsewhere/plan.dxf",
                             "The drawing is "},
                        Case{"Save As cancelled", readOnly, "", nullptr, "No drawing was sent."}}) {
    WindowRig rig;
    rig.Start(Example());
    rig.ChooseSbc("200");
    const std::string elsewhere = rig.Beside("elsewhere");
    fs::create_directory(elsewhere);
    for (const std::string& folder : {elsewhere, rig.temporary.path()}) Permit(folder, open);
    Permit(rig.scratch.path(), c.analysisFolder);
    if (c.saveAs) rig.chooser.saveAnswer = *c.saveAs ? rig.Beside(c.saveAs) : "";
    {
      AsOrdinaryUser user;
      rig.form.sendtoacad->trigger();
    }
    Permit(rig.scratch.path(), open);
    EXPECT_TRUE(!rig.form.Ended() && rig.form.isVisible()) << c.name << ": the window went away";
    EXPECT_EQ(rig.boxes.texts, std::vector<std::string>{}) << c.name;
    EXPECT_TRUE(rig.form.statusBar()->currentMessage().startsWith(c.status))
        << c.name << ": " << rig.form.statusBar()->currentMessage().toStdString();
    EXPECT_EQ(rig.chooser.saveAsked, c.saveAs ? rig.Beside("frame.dxf") : "") << c.name;
    if (c.drawing) {
      EXPECT_TRUE(Has(ReadFile(rig.Beside(c.drawing)), "$HANDSEED")) << c.name;
    }
    EXPECT_FALSE(fs::exists(rig.Beside("frame.dxf")) && !c.drawing) << c.name << ": a drawing was left";
    EXPECT_TRUE(fs::is_empty(rig.temporary.path())) << c.name << ": the scratch folder stays";
  }
}

// Groups that fail: Cancel sends nothing, "Send anyway" sends the drawing as designed; without a running CAD
// program the user only hears so.
TEST(SendToCad, AskedAboutFailingGroupsAndToldWithoutACadProgram) {
  WindowRig rig;
  rig.Start(ReadFile(SourcePath("examples/frame-6x5-4storey.ANL")), "six.ANL");
  rig.ChooseSbc("100");
  rig.form.sendtoacad->trigger();
  ASSERT_EQ(rig.boxes.texts.size(), 1u);
  EXPECT_TRUE(Has(rig.boxes.texts[0], "Fail: F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12, F13") && Has(rig.boxes.texts[0], "Not designed: F14, F15"));
  EXPECT_EQ(rig.boxes.icons[0], BoxIcon::Warning);
  EXPECT_FALSE(fs::exists(rig.Beside("six.dxf")));
  rig.boxes.answers = {"Send anyway"};
  rig.form.sendtoacad->trigger();
  EXPECT_TRUE(Has(ReadFile(rig.Beside("six.dxf")), "$HANDSEED"));
  EXPECT_FALSE(rig.form.Ended());

  NoCadRunning none;
  WindowRig alone(&none);
  alone.Start(Example());
  alone.ChooseSbc("200");
  alone.form.sendtoacad->trigger();
  EXPECT_EQ(alone.boxes.texts, std::vector<std::string>{"Open Auto Cad and Minimise it"});
  EXPECT_FALSE(fs::exists(alone.Beside("frame.dxf"))) << "a drawing was left";
}

// A CAD program that saves the drawing it opened, as AutoCAD does on Windows: it keeps what the window wrote.
class SavesWhatItOpens : public CadAttacher {
 public:
  std::unique_ptr<CadApplication> Attach(const std::string& id) override { return standIn.Attach(id); }
  std::string SavedFileName(const std::string& file) const override { return standIn.SavedFileName(file); }
  CadStandIn standIn{DrawingViewer{}};
};

// The title data and the grid merge set in their dialogs and two columns dragged: the plan is the batch front
// end's sheet with the same options, and "To CAD" sends it; with "Send the Method's Drawing" it sends the exact
// drawing (off Windows left beside the analysis file as a portable drawing). A second window finds it all again.
TEST(SendToCad, TheSheetOfThePlanUnlessTheMethodsDrawingIsAskedFor) {
  for (const bool onWindows : {false, true}) {
    SavesWhatItOpens autocad;
    WindowRig rig(onWindows ? &autocad : nullptr);
    rig.Start(ReadFile(SourcePath("examples/frame-6x5-4storey.ANL")), "six.ANL");
    rig.ChooseSbc("200");
    rig.form.projectInfo->trigger();
    auto* project = rig.form.findChild<ProjectDialog*>();
    ASSERT_TRUE(project);
    project->Name->setText("Block A");
    project->Revision->setText(" P2 ");
    project->Date->setText("2024-05-01");
    project->accept();
    rig.form.sheetSettings->trigger();
    auto* sheet = rig.form.findChild<SheetDialog*>();
    ASSERT_TRUE(sheet);
    sheet->GridMergeBox->setValue(0.5);
    sheet->accept();
    rig.Drag(8, -1, 0);
    rig.Drag(27, 0, 1);
    ASSERT_EQ((std::pair<int, int>(rig.Footing(8).OffsetX, rig.Footing(27).OffsetY)), std::pair(-1, 1));

    QProcess cli;
    const std::string exact = rig.Beside("cli.dxf"), portable = rig.Beside("cli-sheet.dxf");
    cli.start(FOOTMARK_CLI, {QString::fromStdString(rig.form.AnalysisFile()), "--sbc", "200", "--offset", "8:-1:0", "--offset",
                             "27:0:1", "--project-name", "Block A", "--revision", "P2", "--date", "2024-05-01",
                             "--grid-merge", "0.5", "--dxf", QString::fromStdString(exact), "--portable-dxf",
                             QString::fromStdString(portable)});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(PortableDxfText(rig.form.Plan->Picture().sheet.drawing), ReadFile(portable));
    for (const bool method : {false, true}) {
      if (method) rig.form.sendMethodDrawing->trigger();
      rig.boxes.answers = {"Send anyway"};  // two groups fail at SBC 200
      rig.form.sendtoacad->trigger();
      const std::string sent = ReadFile(rig.Beside("six.dxf"));
      const std::string expected = !method ? ReadFile(portable) : onWindows ? ReadFile(exact)
                                                                            : PortableDxfText(ComposeDrawing(rig.form.model()));
      EXPECT_TRUE(sent == expected) << (onWindows ? "AutoCAD" : "stand-in") << (method ? ", method's drawing" : ", sheet");
    }
    WindowRig second;
    second.Open(rig.form.AnalysisFile());
    EXPECT_TRUE(second.form.sendMethodDrawing->isChecked());
    EXPECT_EQ(PortableDxfText(second.form.Plan->Picture().sheet.drawing), ReadFile(portable)) << "the project file lost some";
    second.form.projectInfo->trigger();
    EXPECT_EQ(second.form.findChild<ProjectDialog*>()->Revision->text(), "P2");
  }
}

}  // namespace
}  // namespace footmark::testing
