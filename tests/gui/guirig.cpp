// The GUI tests drive the real widgets; they need one QApplication for the
// whole run, and no display: the offscreen platform unless one is chosen.
#include <gtest/gtest.h>

#include "gui/guirig.h"
#include "startup/startup.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Each rig points HOME at a folder it removes; the sound system's client
  // would make its configuration folder there again after the rig is gone.
  // It gets one of its own, removed after everything else.
  pellumo::testing::TempFolder soundConfig;
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(soundConfig.path()));
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  pellumo::SetUpApplication();
  return RUN_ALL_TESTS();
}
