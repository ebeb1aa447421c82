// The GUI tests drive the real widgets; they need one QApplication for the
// whole run, and no display: the offscreen platform unless one is chosen.
#include <gtest/gtest.h>

#include "gui/guirig.h"
#include "window/fonts.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  pellumo::InstallFontSubstitutes();
  return RUN_ALL_TESTS();
}
