// Start-up, the About window, the help viewer and the capture sound.
#include <gtest/gtest.h>

#include <QFile>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <map>

#include "gui/guirig.h"
#include "startup/aboutwindow.h"
#include "startup/helpviewer.h"
#include "startup/startup.h"
#include "window/capturesound.h"

namespace pellumo::testing {
namespace {

TEST(Startup, AboutShowsThenHandsOverToTheMainWindow) {
  AboutWindow::pauseMilliseconds = 50;
  GuiRig rig("", /*show=*/false);
  rig.host.reset();
  rig.host = std::make_unique<GameHost>(QString::fromStdString(rig.folder.path()));
  rig.host->quitHook = [] {};
  rig.host->Start();
  AboutWindow* about = rig.host->About();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->windowTitle(), "About Pellumo!");
  EXPECT_EQ(about->lblVersion->text(), "Version: 1.0.4");
  EXPECT_EQ(about->lblDescription->text(), "Can you close more boxes than the computer?");
  EXPECT_FALSE(about->isVisible());
  ASSERT_NE(rig.host->Window(), nullptr);
  EXPECT_TRUE(rig.host->Window()->isVisible());

  // From the Help menu it stays until OK.
  rig.host->Window()->mnuAbout->trigger();
  EXPECT_TRUE(about->isVisible());
  QTest::mouseClick(about->cmdOK, Qt::LeftButton);
  EXPECT_FALSE(about->isVisible());
  AboutWindow::pauseMilliseconds = 1500;
}

TEST(Startup, NoDisplayIsReportedInsteadOfCrashing) {
  auto env = [](std::map<std::string, std::string> vars) {
    return [vars](const char* name) -> const char* {
      auto it = vars.find(name);
      return it == vars.end() ? nullptr : it->second.c_str();
    };
  };
  EXPECT_TRUE(NoDisplayReason(env({})).has_value());
  EXPECT_TRUE(NoDisplayReason(env({{"DISPLAY", ""}})).has_value());
  EXPECT_FALSE(NoDisplayReason(env({{"DISPLAY", ":0"}})).has_value());
  EXPECT_FALSE(NoDisplayReason(env({{"WAYLAND_DISPLAY", "wayland-0"}})).has_value());
  EXPECT_FALSE(NoDisplayReason(env({{"QT_QPA_PLATFORM", "offscreen"}})).has_value());
  EXPECT_TRUE(NoDisplayReason(env({{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "w"}})).has_value());
  EXPECT_TRUE(NoDisplayReason(env({{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ":0"}})).has_value());
}

TEST(Help, OpensThePagesMaximisedOrSaysTheyAreMissing) {
  GuiRig rig;
  rig.host->mnuHowTo_Click();
  HelpViewer* viewer = rig.host->Help();
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(viewer->isMaximized());
  EXPECT_TRUE(viewer->Browser()->toPlainText().contains("could not be found"));

  const QString pages = QString::fromStdString(rig.folder.path()) + "/help";
  QDir().mkpath(pages);
  QFile::copy(PELLUMO_SOURCE_DIR "/help/index.html", pages + "/index.html");
  rig.host->mnuHowTo_Click();
  EXPECT_TRUE(viewer->Browser()->toPlainText().contains("How to Play"));
}

TEST(CaptureSound, LengthComesFromTheWavHeader) {
  QFile file(PELLUMO_SOURCE_DIR "/assets/Robotz Recycle.wav");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray wav = file.readAll();
  const auto ms = WavMilliseconds(wav);
  ASSERT_TRUE(ms.has_value());
  EXPECT_GT(*ms, 100);
  EXPECT_LT(*ms, 3000);
  // A header that promises more data than the file holds counts what is there.
  const auto cut = WavMilliseconds(wav.left(wav.size() / 2));
  ASSERT_TRUE(cut.has_value());
  EXPECT_LT(*cut, *ms);
  EXPECT_FALSE(WavMilliseconds("RIFF....AVI LIST").has_value());
  EXPECT_FALSE(WavMilliseconds(QByteArray()).has_value());
}

// With no audio output here the effect would report "playing" for ever; the
// call must come back (a hang fails the test by its time limit), and a
// missing file must not stop the game either.
TEST(CaptureSound, MissingFileOrNoOutputReturns) {
  for (const QString& path : {QString("/nonexistent/Robotz Recycle.wav"),
                              QString(PELLUMO_SOURCE_DIR "/assets/Robotz Recycle.wav")}) {
    CaptureSound sound(path);
    sound.Play();
    sound.Play();
  }
  SUCCEED();
}

}  // namespace
}  // namespace pellumo::testing
