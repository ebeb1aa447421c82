// The GUI tests drive the real widgets; they need one QApplication for the
// whole run, and no display: the offscreen platform unless one is chosen.
#include "gui/guirig.h"

#include <gtest/gtest.h>

#include "window/fonts.h"

namespace pellumo::testing {

GuiRig::GuiRig(const std::string& settings, bool startUp) {
  qputenv("HOME", QByteArray::fromStdString(folder.path()));
  if (!settings.empty()) WriteFile(folder.file("pellumo.ini"), settings);
  host = std::make_unique<GameHost>(QString::fromStdString(folder.path()),
                                    std::make_unique<ScriptedRandom>(4242));
  host->flashMilliseconds = 30;
  host->answerHook = [this](const std::string& text, const std::string&, bool yesNo) {
    if (yesNo) questions.push_back(text);
    return !yesNo || answerYes;
  };
  host->quitHook = [this] { ++quits; };
  startUp ? host->Start() : host->ShowMainWindow();
  if (!startUp) { EXPECT_TRUE(QTest::qWaitForWindowExposed(&window())); }
}

GuiRig::~GuiRig() {
  host.reset();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!qobject_cast<MainWindow*>(w)) w->close();
  }
  Settle();
}

}  // namespace pellumo::testing

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  pellumo::InstallFontSubstitutes();
  return RUN_ALL_TESTS();
}
