// The GUI tests run on Qt's offscreen platform unless told otherwise.
#include <QApplication>
#include <gtest/gtest.h>

#include "app/frm_foot.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef FOOTMARK_TEST_FONT_DIR
  if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) qputenv("QT_QPA_FONTDIR", FOOTMARK_TEST_FONT_DIR);
#endif
  QApplication app(argc, argv);
  QApplication::setApplicationName(footmark::kWindowCaption);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
