// The GUI tests drive the real widgets; they need one QApplication for the
// whole run, and no display: the offscreen platform unless one is chosen.
#include <gtest/gtest.h>

#include "gui/guirig.h"
#include "startup/startup.h"

namespace pellumo::testing {
QColor desktopWindowColour;
bool (*startDisplay)() = nullptr;
}

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Each rig points HOME at a folder it removes; the sound system's client
  // would make its configuration folder there again after the rig is gone.
  // It gets one of its own, removed after everything else.
  pellumo::testing::TempFolder soundConfig;
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(soundConfig.path()));
  // A desktop's settings, as a player makes them with qt6ct, in that folder.
  const QByteArray desktop = qgetenv("PELLUMO_TEST_COLOUR_SCHEME");
  if (!desktop.isEmpty()) {
    std::filesystem::copy(desktop.toStdString(), soundConfig.path(), std::filesystem::copy_options::recursive);
    qputenv("QT_QPA_PLATFORMTHEME", "qt6ct");
  }
  ::testing::InitGoogleTest(&argc, argv);
  if (pellumo::testing::startDisplay != nullptr && !pellumo::testing::startDisplay()) return 1;
  QApplication app(argc, argv);
  pellumo::testing::desktopWindowColour = QApplication::palette().color(QPalette::Window);
  pellumo::SetUpApplication();
  return RUN_ALL_TESTS();
}
