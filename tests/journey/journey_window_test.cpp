// The window's whole journey with real widgets and mouse: the example opened
// through the file dialog, SBC 200 typed in the SBC box, two columns dragged,
// "Send the Method's Drawing" and then "To CAD" chosen from the Send menu with
// their keys (the local CAD stand-in, no viewer), and the drawing it leaves
// beside the analysis file read back by ezdxf (journey_check.py) against the
// batch front end's design.
#include <QApplication>
#include <QMenuBar>
#include <QProcess>
#include <filesystem>
#include <gtest/gtest.h>

#include "gui/window_rig.h"

namespace footmark::testing {
namespace {

TEST(WindowJourney, OpenChooseDragSendAndReadTheDrawingBack) {
  WindowRig rig;
  rig.Start(Example(), "frame-4x3-2storey.ANL");
  ASSERT_FALSE(rig.form.Ended());
  rig.ChooseSbc("200");
  ASSERT_TRUE(rig.form.Checks()) << "the design did not run";

  // Column 7 (400 x 400) to the high side along X, column 10 (300 mm along Y)
  // to the low side along Y.
  rig.Drag(7, 0.5, 0);
  rig.Drag(10, 0, -0.6);

  // Alt+S opens the Send menu, M its "Send the Method's Drawing", C its "To CAD".
  for (const Qt::Key item : {Qt::Key_M, Qt::Key_C}) {
    QTest::keyClick(&rig.form, Qt::Key_S, Qt::AltModifier);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_TRUE(menu) << "no Send menu";
    QTest::keyClick(menu, item);
  }
  EXPECT_TRUE(rig.form.Project().SendMethodDrawing);
  EXPECT_FALSE(rig.form.Ended());
  EXPECT_EQ(rig.boxes.texts, std::vector<std::string>{});

  const std::string drawing = rig.scratch.path() + "/frame-4x3-2storey.dxf";
  ASSERT_TRUE(std::filesystem::exists(drawing));
  QProcess reader;
  reader.setProcessChannelMode(QProcess::MergedChannels);
  reader.start(FOOTMARK_EZDXF_PYTHON,
               {FOOTMARK_JOURNEY_CHECK, "drawing", FOOTMARK_CLI, QString::fromStdString(rig.scratch.path() + "/frame-4x3-2storey.ANL"),
                QString::fromStdString(drawing), "7:1:0", "10:0:-1"});
  ASSERT_TRUE(reader.waitForFinished(60000)) << "ezdxf did not finish";
  EXPECT_EQ(reader.exitCode(), 0) << reader.readAll().toStdString();
}

}  // namespace
}  // namespace footmark::testing
