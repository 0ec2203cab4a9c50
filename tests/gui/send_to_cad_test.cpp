// "Send To AutoCad" from the window, with the local stand-in for the CAD
// application and with none running.
#include <QAction>
#include <filesystem>
#include <gtest/gtest.h>

#include "dxf/drawing_export.h"
#include "window_rig.h"

namespace footmark::testing {
namespace {

namespace fs = std::filesystem;

TEST(SendToCad, LeavesTheDrawingWithTheDraggedColumnBesideTheAnalysisFileAndEnds) {
  std::vector<std::string> shown;
  CadStandIn cad([&](const std::string& drawing) { shown.push_back(drawing); });
  ScratchDir programFolder;
  WindowRig rig(&cad, programFolder.path());
  rig.Start(Example(), "frame.ANL");
  rig.ChooseSbc("200");
  rig.Press(2);
  rig.MoveBy(rig.Marker(2).width() / 2, 0);
  rig.Release();
  ASSERT_EQ(rig.Footing(2).OffsetX, 1);

  rig.form.sendtoacad->trigger();
  EXPECT_TRUE(rig.form.Ended());
  EXPECT_EQ(rig.form.ExitStatus(), 0);
  EXPECT_TRUE(rig.boxes.texts.empty());
  const std::string drawing = (fs::path(rig.scratch.path()) / "frame.dxf").string();
  EXPECT_EQ(shown, std::vector<std::string>{drawing});
  EXPECT_TRUE(fs::is_empty(programFolder.path())) << "Drawing1.dxf / Drawing11.dxf left behind";

  // The drawing is the designed model's, offset column included.
  auto model = std::make_unique<Model>(rig.form.model());
  EXPECT_GT(model->FootGroupCount, 0);
  const std::string asDesigned = rig.scratch.path() + "/as-designed.dxf";
  SaveDrawingDxf(*model, asDesigned);
  EXPECT_EQ(ReadFile(drawing), ReadFile(asDesigned));
  model->Footings[2].OffsetX = 0;
  SaveDrawingDxf(*model, asDesigned);
  EXPECT_NE(ReadFile(drawing), ReadFile(asDesigned));
}

TEST(SendToCad, WithoutARunningCadOnlyTellsTheUser) {
  NoCadRunning none;
  ScratchDir programFolder;
  WindowRig rig(&none, programFolder.path());
  rig.Start(Example(), "frame.ANL");
  rig.ChooseSbc("200");

  rig.form.sendtoacad->trigger();
  EXPECT_FALSE(rig.form.Ended());
  EXPECT_TRUE(rig.form.isVisible());
  EXPECT_EQ(rig.boxes.texts, std::vector<std::string>{"Open Auto Cad and Minimise it"});
  EXPECT_EQ(rig.form.model().FootGroupCount, 0);  // no detailed design ran
  EXPECT_TRUE(fs::is_empty(programFolder.path()));
  EXPECT_FALSE(fs::exists(fs::path(rig.scratch.path()) / "frame.dxf"));
}

}  // namespace
}  // namespace footmark::testing
