// A settings file written by hand, with CR LF line ends and the names the
// game stores under: every value in it reaches the game, and what the game
// does not change it writes back byte for byte.
#include "gui/guirig.h"
#include "records/highscores.h"
#include "records/inifile.h"

#include <fcntl.h>
#include <sys/file.h>

namespace pellumo::testing {
namespace {

const std::string kHandWritten =
    "[Sizes]\r\nWidth=7830\r\nHeight=8775\r\n"
    "[DIFFICULTY]\r\nLEVEL=2\r\n"
    "[STATS]\r\nNOVICE_PLAY=4\r\nNOVICE_WON=1\r\nEXPERT_PLAY=9\r\nEXPERT_WON=3\r\n"
    "[HIGH_SCORES]\r\nFIFTH_SCORE=0\r\n"
    "[HIGH_SCORES_EXPERT]\r\nNAME1=Ann\r\nSCORE1=40\r\nNAME2=Bob\r\nSCORE2=33\r\n"
    "NAME3=Cy\r\nSCORE3=30\r\nNAME4=Di\r\nSCORE4=21\r\nNAME5=Ed\r\nSCORE5=20\r\n";

QString Shown(QWidget* w, const QString& name) {
  return w->findChild<QWidget*>(name)->property("text").toString();
}

TEST(SettingsFile, EveryStoredValueIsReadAndWhatIsUnchangedStaysByteForByte) {
  // The size and the level show in what the start and Save Size write back,
  // the level also in the table and counts shown.
  GuiRig rig(kHandWritten);
  EXPECT_EQ(rig.Settings(), kHandWritten) << "the start stores the level it read";

  rig.window().mnuHighScores->trigger();
  QWidget* scores = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "HighScore") scores = w;
  ASSERT_NE(scores, nullptr);
  const char* names[] = {"Ann", "Bob", "Cy", "Di", "Ed"};
  const char* points[] = {"40", "33", "30", "21", "20"};
  for (int i = 0; i < kHighScoreRows; ++i) {
    EXPECT_EQ(Shown(scores, QString("MyName_%1").arg(i)), names[i]);
    EXPECT_EQ(Shown(scores, QString("Score_%1").arg(i)), points[i]);
  }
  EXPECT_EQ((std::tuple{Shown(scores, "GPlay"), Shown(scores, "GWon"), Shown(scores, "PctWon")}),
            (std::tuple{"9", "3", "33.3%"}));
  QTest::mouseClick(scores->findChild<QPushButton*>("Command1"), Qt::LeftButton);
  EXPECT_EQ(rig.Settings(), kHandWritten) << "OK on a viewed table";

  rig.window().mnuSaveSize->trigger();
  EXPECT_EQ(rig.Settings(), kHandWritten) << "Save Size of the stored size";

  // A lost game that makes no table changes one count and nothing else.
  Finish(rig.game(), 10, 54);
  std::string counted = kHandWritten;
  counted.replace(counted.find("EXPERT_PLAY=9"), 13, "EXPERT_PLAY=10");
  EXPECT_EQ(rig.Settings(), counted);
}

// A change another copy's lock held back is saved once the lock is free:
// by the window's own check while it is idle, and at the latest at exit.
TEST(SettingsFile, AChangeHeldBackByAnotherCopysLockIsSavedWhenIdleAndAtExit) {
  GuiRig rig(kHandWritten);
  rig.host->profile().LockPatience = std::chrono::milliseconds(50);
  const auto level = [&] { return IniLookup(rig.Settings(), "DIFFICULTY", "LEVEL").value_or(""); };
  for (const bool atExit : {false, true}) {
    const int other = ::open(rig.folder.path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    ::testing::internal::CaptureStderr();
    rig.window().mnuDiff[atExit ? 0 : 1]->trigger();
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(level(), atExit ? "1" : "2") << "nothing written without the lock";
    EXPECT_EQ(rig.host->profile().ProfileReadInt("DIFFICULTY", "LEVEL"), atExit ? 0 : 1)
        << "though this copy reads it";
    ::close(other);
    if (atExit) rig.host.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return level() == (atExit ? "0" : "1"); }, 20000));
  }
}

}  // namespace
}  // namespace pellumo::testing
