// The window: start state, the ways it ends, the SBC choice, the plan's framing and the CAD hand-off.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

#include "window_rig.h"

namespace footmark::testing {
namespace {

namespace fs = std::filesystem;

QStringList EnabledMenus(const FrmFoot& form) {
  QStringList enabled;
  for (QAction* item : form.menuBar()->actions())
    if (item->isEnabled()) enabled << item->text();
  return enabled;
}

TEST(WindowEnd, EachWayOfEndingHasItsStatusAndBoxes) {
  auto chooseSbc = [](const char* sbc) {
    return [=](WindowRig& r) { r.Start(Example()); r.form.combSBC->setEditText(sbc); r.form.combSBC_Click(); };
  };
  struct Case {
    const char* name;
    std::function<void(WindowRig&)> act;
    int status;
    std::vector<std::string> boxes;
  };
  for (const Case& c : std::vector<Case>{
           {"dialog cancelled", [](WindowRig& r) { r.form.Form_Load(); }, 0, {}},
           {"Exit", [](WindowRig& r) { r.Start(Example()); r.form.ex_t->trigger(); }, 0, {}},
           {"no reactions", [](WindowRig& r) { r.Start("no reactions in here\n"); }, kExitInputEnds,
            {" NO SUPPORT REACTIONS"}},
           {"SBC not a number", chooseSbc("abc"), kExitInputEnds, {}},
           {"SBC overflow", chooseSbc("99999"), kExitRuntimeFailure,
            {"Run-time error: overflow: 99999 does not fit a 16-bit whole number"}}}) {
    WindowRig rig;
    c.act(rig);
    EXPECT_TRUE(rig.form.Ended() && !rig.form.isVisible()) << c.name;
    EXPECT_EQ(rig.form.ExitStatus(), c.status) << c.name;
    EXPECT_EQ(rig.boxes.texts, c.boxes) << c.name;
  }
}

// At the start: the chooser, the readers' captions and only Exit usable. The SBC choice then hides the
// chooser and shows the grid and a marker sized by the column on every support.
TEST(WindowStart, ShowsTheChooserThenTheSbcChoiceShowsThePlan) {
  WindowRig rig;
  rig.Start(Example());
  FrmFoot& form = rig.form;
  EXPECT_EQ(rig.chooser.filters, "Staad Files(*.ANL) (*.ANL);;All Files(*.*) (*)");
  EXPECT_EQ(QStringList({form.LabNoSrea->text(), form.LabLoadCases->text(), form.LabFckFe->text()}),
            QStringList({"SUPPORT REACTIONS :   12", "LOAD CASES :   3", "Fck 25     Fe 415 N/mm2"}));
  EXPECT_EQ(rig.boxes.texts, std::vector<std::string>{});
  EXPECT_EQ(EnabledMenus(form), QStringList({"   Exit"}));
  EXPECT_TRUE(form.combSBC->isVisible() && form.Label1->isVisible() && !form.PicFoot->isVisible())
      << "the SBC chooser, not the plan";
  const QRect client = form.centralWidget()->rect();
  EXPECT_TRUE(client.contains(form.combSBC->geometry()) && client.contains(form.LabLoadCases->geometry()) &&
              client.contains(form.LabFckFe->geometry()) && client.contains(form.PicFoot->geometry()))
      << "the start size does not show every control";

  rig.ChooseSbc("250");
  ASSERT_FALSE(form.Ended()) << (rig.boxes.texts.empty() ? "" : rig.boxes.texts[0]);
  EXPECT_EQ(form.model().SBC, 250.0f);
  EXPECT_TRUE(!form.combSBC->isVisible() && !form.Label1->isVisible() && form.PicFoot->isVisible())
      << "the plan, not the SBC chooser";
  EXPECT_EQ(form.PicFoot->geometry(), form.centralWidget()->rect());
  EXPECT_EQ(EnabledMenus(form), QStringList({"Design", "Send To AutoCad", "Send to Excel", "   Exit"}));

  // 300 x 450 columns lie along X, the BETA-turned 5 and 8 along Y, 6 and 7 are square.
  ASSERT_EQ(form.Plan->LabCol.UBound(), 12);
  for (int s = 1; s <= 12; ++s) {
    const ArrayLabel& marker = rig.Marker(s);
    const bool square = s == 6 || s == 7, alongY = s == 5 || s == 8;
    const float w = square ? 1.0f : alongY ? 0.8f : 1.2f, h = square ? 1.0f : alongY ? 1.2f : 0.8f;
    EXPECT_EQ(std::pair(marker.Width(), marker.Height()), std::pair(w, h)) << "support " << s;
    EXPECT_NEAR(marker.Left() + w / 2.0, rig.Footing(s).PosX, 1e-6) << "support " << s;
    EXPECT_NEAR(marker.Top() + h / 2.0, rig.Footing(s).PosY, 1e-6) << "support " << s;
    EXPECT_TRUE(marker.isVisible()) << "support " << s;
  }

  // Each grid line runs from the first to the last grid line across.
  const PlanControls& plan = *form.Plan;
  std::vector<std::vector<float>> drawn;  // x1, y1, x2, y2 of each visible line, LineGrd then LineGrdY
  for (const auto* lines : {&plan.LineGrd, &plan.LineGrdY})
    for (int i = 1; i <= lines->UBound(); ++i)
      if (const LineControl& l = (*lines)(i); l.Visible()) drawn.push_back({l.X1(), l.Y1(), l.X2(), l.Y2()});
  EXPECT_EQ(drawn, (std::vector<std::vector<float>>{{0, 0, 12.5f, 0}, {0, 5, 12.5f, 5}, {0, 9.5f, 12.5f, 9.5f},
                                                    {0, 0, 0, 9.5f}, {4, 0, 4, 9.5f}, {8.5f, 0, 8.5f, 9.5f},
                                                    {12.5f, 0, 12.5f, 9.5f}}));
  // The templates (element 0 of each control array) are never shown.
  EXPECT_FALSE(plan.LabCol(0).isVisible() || plan.LineGrd(0).Visible() || plan.LineGrdY(0).Visible())
      << "a template control is shown";
}

// Grid lines at 0 and `across` along plan X, 0 and `down` along plan Y, in an 800 x 400 client area.
TEST(PlanFrame, EqualScaleInXAndYWithTheSlackCentredAndTheHintOnTop) {
  struct Case {
    float across, down;
    std::vector<float> scale;  // left, top, width, height
  };
  for (const Case& c : {Case{20, 4, {-2, -4, 24, 12}}, Case{4, 20, {-22, -2, 48, 24}}}) {
    WindowRig rig;
    rig.form.resize(800, 400 + rig.form.menuBar()->sizeHint().height());
    auto model = std::make_unique<Model>();
    model->GridLinesX[0] = model->GridLinesY[0] = 2;
    model->GridLinesX[2] = c.across, model->GridLinesY[2] = c.down;
    rig.form.FramePlan(*model);
    const PictureBox& box = *rig.form.PicFoot;
    ASSERT_EQ(box.size(), QSize(800, 400));
    EXPECT_EQ((std::vector{box.ScaleLeft(), box.ScaleTop(), box.ScaleWidth(), box.ScaleHeight()}), c.scale);
    // Plan Y grows downwards: the lower-right corner is at the bottom right pixel.
    EXPECT_EQ(box.ToPixels(c.scale[0] + c.scale[2], c.scale[1] + c.scale[3]), QPointF(800, 400));
    // The hint, centred on the plan one text line below its upper margin line.
    ASSERT_EQ(box.Printed().size(), 1u);
    const PictureBox::PrintedText& hint = box.Printed()[0];
    EXPECT_EQ(hint.Text, " You can move the column positions with Mouse to create offcet . "
                         "( Assumes wall theickness is 230 mm ) ");
    EXPECT_NEAR(hint.X + box.TextWidth(hint.Text) / 2, c.across / 2, 1e-5);
    EXPECT_NEAR(hint.Y, -2 + box.TextHeight("H"), 1e-6);
    EXPECT_GT(box.TextHeight("H"), 0.2);  // a line of text is many pixels high
  }
}

// The 6x5 example at SBC 100: uplift at 22 supports, groups that fail their
// checks and two the 10 m3 reference volume leaves undesigned.
struct SixByFiveRig : WindowRig {
  SixByFiveRig() {
    Start(ReadFile(SourcePath("examples/frame-6x5-4storey.ANL")), "six.ANL");
    ChooseSbc("100");
  }
  std::string Beside(const std::string& name) const { return scratch.path() + "/" + name; }
};

// The design run shows the uplift of every support in one box. "Design" and
// "Send to Excel" leave their file beside the analysis file, open it, say how
// the checks went, and the program goes on; a file that cannot be written is
// told in a box.
TEST(DesignAndExcel, WriteBesideTheAnalysisFileOpenItAndGoOn) {
  SixByFiveRig rig;
  ASSERT_EQ(rig.boxes.lists.size(), 1u);
  EXPECT_EQ(rig.boxes.lists[0].size(), 22u);
  EXPECT_EQ(rig.boxes.lists[0][4], "Check JOINT : 5\r LOAD : 4    FORCE-Y = -164.82\r LOAD : 10    FORCE-Y = -13.01");
  rig.boxes.texts.clear();
  rig.form.dezine->trigger();
  rig.form.sendtoXL->trigger();
  const std::string report = rig.Beside("six-report.html"), book = rig.Beside("six.xlsx");
  EXPECT_EQ(rig.opened, (std::vector<std::string>{report, book}));
  EXPECT_TRUE(fs::file_size(report) > 0 && fs::file_size(book) > 0);
  ASSERT_EQ(rig.boxes.texts.size(), 2u);
  for (const std::string& box : rig.boxes.texts)
    EXPECT_TRUE(Has(box, "0 ok, 13 fail, 2 not designed") && Has(box, "Not designed: F14, F15")) << box;
  EXPECT_TRUE(Has(rig.boxes.texts[1], "The workbook is " + book)) << rig.boxes.texts[1];

  fs::remove(book);
  fs::create_directory(book);  // a folder in the way
  rig.form.sendtoXL->trigger();
  EXPECT_TRUE(Has(rig.boxes.texts.back(), "The workbook was not written: cannot write")) << rig.boxes.texts.back();
  EXPECT_FALSE(rig.form.Ended());
}

// The hand-off says which groups need a look, then leaves the portable
// drawing beside the analysis file and ends.
TEST(SendToCad, NamesTheGroupsThatFailAndLeavesThePortableDrawing) {
  SixByFiveRig rig;
  rig.boxes.texts.clear();
  rig.form.sendtoacad->trigger();
  EXPECT_EQ(rig.form.ExitStatus(), 0);
  ASSERT_EQ(rig.boxes.texts.size(), 1u);
  EXPECT_TRUE(Has(rig.boxes.texts[0], "Fail: F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12, F13"))
      << rig.boxes.texts[0];
  EXPECT_TRUE(Has(ReadFile(rig.Beside("six.dxf")), "$HANDSEED"));
}

// The drawing left beside the analysis file, a dragged column included: tests/journey.
TEST(SendToCad, AFailedDesignHandsOverNoDrawingAndSaysSo) {
  std::string text = Example();
  text.replace(text.find("START CONCRETE DESIGN"), 5, "BEGIN");  // no grades: fck 0
  ScratchDir programFolder;
  WindowRig rig(nullptr, programFolder.path());
  rig.Start(text);
  rig.ChooseSbc("200");
  rig.form.sendtoacad->trigger();
  EXPECT_EQ(rig.form.ExitStatus(), 3);
  EXPECT_EQ(rig.boxes.texts, (std::vector<std::string>{"NO START CONCRETE DESIGN",
                                                       "Run-time error: division by zero: concrete grade fck is 0"
                                                       "\nNo drawing was made."}));
  EXPECT_FALSE(fs::exists(fs::path(rig.scratch.path()) / "frame.dxf")) << "a drawing was left";
}

TEST(SendToCad, WithoutARunningCadOnlyTellsTheUser) {
  NoCadRunning none;
  ScratchDir programFolder;
  WindowRig rig(&none, programFolder.path());
  rig.Start(Example());
  rig.ChooseSbc("200");
  rig.form.sendtoacad->trigger();
  EXPECT_TRUE(!rig.form.Ended() && rig.form.isVisible()) << "the window went away";
  EXPECT_EQ(rig.boxes.texts, std::vector<std::string>{"Open Auto Cad and Minimise it"});
  EXPECT_EQ(rig.form.model().FootGroupCount, 0);  // no detailed design ran
  EXPECT_TRUE(fs::is_empty(programFolder.path())) << "a drawing was written for the CAD program";
  EXPECT_FALSE(fs::exists(fs::path(rig.scratch.path()) / "frame.dxf")) << "a drawing was left";
}

}  // namespace
}  // namespace footmark::testing
