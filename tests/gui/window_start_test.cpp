// The window before the SBC choice, and the ways the program ends.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <gtest/gtest.h>

#include "window_rig.h"

namespace footmark::testing {
namespace {

// Within a pixel of the layout's place in twips at the screen's DPI; a label
// may be wider, to show its caption in the platform's font.
void ExpectAt(const char* name, const QWidget& control, double left, double top, double width, double height) {
  SCOPED_TRACE(name);
  const double dpi = control.logicalDpiX();
  const QRect g = control.geometry();
  EXPECT_NEAR(g.x(), left * dpi / 1440, 1);
  EXPECT_NEAR(g.y(), top * dpi / 1440, 1);
  EXPECT_NEAR(g.height(), height * dpi / 1440, 1);
  if (qobject_cast<const QLabel*>(&control)) {
    EXPECT_GE(g.width(), width * dpi / 1440 - 1);
  } else {
    EXPECT_NEAR(g.width(), width * dpi / 1440, 1);
  }
}

TEST(WindowStart, ShowsTheChooserAndTheReadersCaptionsWithOnlyExitUsable) {
  WindowRig rig;
  rig.Start(Example());
  FrmFoot& form = rig.form;

  EXPECT_EQ(rig.chooser.filters, "Staad Files(*.ANL) (*.ANL);;All Files(*.*) (*)");
  EXPECT_EQ(form.windowTitle(), "Footmark");
  EXPECT_EQ(form.LabNoSrea->text(), "SUPPORT REACTIONS :   12");
  EXPECT_EQ(form.LabLoadCases->text(), "LOAD CASES :   3");
  EXPECT_EQ(form.LabFckFe->text(), "Fck 25     Fe 415 N/mm2");
  EXPECT_TRUE(rig.boxes.texts.empty());

  QStringList captions, enabled;
  for (QAction* item : form.menuBar()->actions()) {
    captions << item->text();
    if (item->isEnabled()) enabled << item->text();
  }
  EXPECT_EQ(captions, QStringList({"Design", "Footings and Columns Grouping", "Set Column Offsets", "Send To AutoCad",
                                   "Send to Excel", "   Exit"}));
  EXPECT_EQ(enabled, QStringList({"   Exit"}));

  EXPECT_TRUE(form.combSBC->isVisible());
  EXPECT_EQ(form.combSBC->currentText(), "Select");
  QStringList items;
  for (int i = 0; i < form.combSBC->count(); ++i) items << form.combSBC->itemText(i);
  EXPECT_EQ(items, QStringList({"100", "150", "200", "250", "300", "350", "400", "450"}));
  EXPECT_TRUE(form.Label1->isVisible());
  EXPECT_EQ(form.Label1->text(), "SBC in kN/M2");

  EXPECT_FALSE(form.PicFoot->isVisible());
  EXPECT_FALSE(form.Plan->LabCol(0).isVisible());
  EXPECT_FALSE(form.Plan->LineGrd(0).Visible());
  EXPECT_FALSE(form.Plan->LineGrdY(0).Visible());

  ExpectAt("combSBC", *form.combSBC, 7320, 1320, 975, 315);
  ExpectAt("Label1", *form.Label1, 6000, 1320, 1095, 255);
  ExpectAt("LabNoSrea", *form.LabNoSrea, 3720, 2640, 2775, 495);
  ExpectAt("LabLoadCases", *form.LabLoadCases, 9720, 2400, 3375, 615);
  ExpectAt("LabFckFe", *form.LabFckFe, 6480, 3960, 2655, 615);
  ExpectAt("PicFoot", *form.PicFoot, 840, 5400, 2895, 1815);
  // The start size shows every control.
  const QRect client = form.centralWidget()->rect();
  for (const QWidget* c : {static_cast<QWidget*>(form.combSBC), static_cast<QWidget*>(form.LabLoadCases),
                           static_cast<QWidget*>(form.LabFckFe), static_cast<QWidget*>(form.PicFoot)})
    EXPECT_TRUE(client.contains(c->geometry()));
}

TEST(WindowEnd, CancellingTheDialogAndExitEndQuietly) {
  WindowRig cancelled;
  cancelled.form.Form_Load();
  EXPECT_TRUE(cancelled.form.Ended());
  EXPECT_EQ(cancelled.form.ExitStatus(), 0);

  WindowRig exited;
  exited.Start(Example());
  exited.form.ex_t->trigger();
  EXPECT_TRUE(exited.form.Ended());
  EXPECT_EQ(exited.form.ExitStatus(), 0);
  EXPECT_FALSE(exited.form.isVisible());
  EXPECT_TRUE(cancelled.boxes.texts.empty() && exited.boxes.texts.empty());
}

TEST(WindowEnd, InputThatEndsTheProgramIsToldInABox) {
  WindowRig rig;
  rig.Start("no reactions in here\n");
  EXPECT_TRUE(rig.form.Ended());
  EXPECT_EQ(rig.form.ExitStatus(), kInputEndsStatus);
  EXPECT_EQ(rig.boxes.texts, std::vector<std::string>{" NO SUPPORT REACTIONS"});
  EXPECT_FALSE(rig.form.isVisible());
}

TEST(WindowEnd, SbcTextThatIsNoNumberEndsSilentlyAndAnOverflowIsARunTimeError) {
  WindowRig quiet;
  quiet.Start(Example());
  quiet.form.combSBC->setEditText("abc");
  quiet.form.combSBC_Click();
  EXPECT_TRUE(quiet.form.Ended());
  EXPECT_TRUE(quiet.boxes.texts.empty());
  EXPECT_FALSE(quiet.form.PicFoot->isVisible());

  WindowRig overflow;
  overflow.Start(Example());
  overflow.form.combSBC->setEditText("99999");
  overflow.form.combSBC_Click();
  EXPECT_EQ(overflow.form.ExitStatus(), kRuntimeFailureStatus);
  ASSERT_EQ(overflow.boxes.texts.size(), 1u);
  EXPECT_EQ(overflow.boxes.texts[0].rfind("Run-time error: ", 0), 0u) << overflow.boxes.texts[0];
}

}  // namespace
}  // namespace footmark::testing
