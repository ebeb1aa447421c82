// The main window driven as a player drives it: pointer and clicks on the
// board, the menus and the buttons, with the real engine behind them.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "gui/guirig.h"
#include "records/movelog.h"

namespace pellumo::testing {
namespace {

// Runs check() once, part way through the next flash.
void DuringFlash(GuiRig& rig, int afterMs, std::function<void()> check) {
  rig.host->flashMilliseconds = 300;
  QTimer::singleShot(afterMs, rig.host.get(), std::move(check));
}

TEST(BoardClicks, FreeLineIsClaimedAndTheComputerAnswers) {
  GuiRig rig;
  Game& game = rig.game();
  rig.ClickLine("horz", 1);

  EXPECT_EQ(game.lines.hline[1].BackColor, kHumanLine);
  EXPECT_FALSE(game.lines.hline[1].Enabled);
  ASSERT_GE(game.GameMoves.Count(), 2);
  EXPECT_EQ(game.GameMoves.Item(1).PlayerNum, 1);
  EXPECT_EQ(game.GameMoves.Item(2).PlayerNum, 2);
  const Moves& answer = game.GameMoves.Item(game.GameMoves.Count());
  EXPECT_EQ(LineOwner(*game.lines.Line(answer.Compass, answer.LineNum)), 2);
  EXPECT_EQ(game.CurrentPlayer, 1);
  EXPECT_TRUE(rig.window().mnuReplay->isEnabled());
  EXPECT_EQ(rig.window().Text2->text().toStdString(), game.Text2);

  // A taken line takes no second click.
  const auto moves = game.GameMoves.Count();
  rig.ClickLine("horz", 1);
  EXPECT_EQ(game.GameMoves.Count(), moves);
}

TEST(BoardClicks, PressOnOneLineAndReleaseOnAnotherTakesNothing) {
  GuiRig rig;
  QWidget* board = rig.window().picture1;
  QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, rig.LineCentre("horz", 3));
  QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, rig.LineCentre("vert", 40));
  EXPECT_EQ(rig.game().GameMoves.Count(), 0);
}

TEST(Flash, RunsBusyAndEndsIdle) {
  GuiRig rig;
  MainWindow& w = rig.window();
  bool sawBusy = false;
  DuringFlash(rig, 60, [&] {
    sawBusy = w.cursor().shape() == Qt::WaitCursor && !w.picture1->isEnabled() &&
              w.Timer1.isActive();
  });
  rig.ClickLine("vert", 10);
  EXPECT_TRUE(sawBusy);
  EXPECT_FALSE(w.Timer1.isActive());
  EXPECT_TRUE(w.picture1->isEnabled());
  EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
  const Moves& last = rig.game().GameMoves.Item(rig.game().GameMoves.Count());
  EXPECT_EQ(rig.game().lines.Line(last.Compass, last.LineNum)->BackColor, kComputerLine);
}

TEST(Flash, TicksAlternateTheTwoFlashColours) {
  GuiRig rig;
  MainWindow& w = rig.window();
  w.FlashColor = kSystemDesktop;
  w.Timer1_Timer();
  EXPECT_EQ(w.FlashColor, QBColor(9));
  w.Timer1_Timer();
  EXPECT_EQ(w.FlashColor, QBColor(11));
  w.Timer1_Timer();
  EXPECT_EQ(w.FlashColor, QBColor(9));
}

TEST(PointerFeedback, LinesLightUpAndNameThemselves) {
  GuiRig rig;
  Game& game = rig.game();
  rig.MoveTo(rig.LineCentre("horz", 5));
  EXPECT_EQ(game.lines.hline[5].BackColor, kHighlight);
  EXPECT_EQ(rig.window().Text1->text(), "H - 5");

  // Straight on to another line: both stay lit until the background or a box.
  rig.MoveTo(rig.LineCentre("vert", 72));
  EXPECT_EQ(rig.window().Text1->text(), "V - 72");
  EXPECT_EQ(game.lines.hline[5].BackColor, kHighlight);
  EXPECT_EQ(game.lines.vline[72].BackColor, kHighlight);

  // The board background (a dot) puts them back but keeps the read-out.
  const QRect h1 = rig.window().picture1->LineRect("horz", 1);
  rig.MoveTo(QPoint(h1.left() - 1, h1.top()));
  EXPECT_EQ(game.lines.hline[5].BackColor, kFreeLine);
  EXPECT_EQ(game.lines.vline[72].BackColor, kFreeLine);
  EXPECT_EQ(rig.window().Text1->text(), "V - 72");

  // An open box clears the read-out.
  rig.MoveTo(rig.LineCentre("horz", 7));
  rig.MoveTo(rig.BoxCentre(20));
  EXPECT_EQ(game.lines.hline[7].BackColor, kFreeLine);
  EXPECT_TRUE(rig.window().Text1->text().isEmpty());
}

TEST(PointerFeedback, TakenLinesCountAsBackground) {
  GuiRig rig;
  Game& game = rig.game();
  rig.ClickLine("horz", 12);
  rig.MoveTo(rig.LineCentre("vert", 3));
  rig.MoveTo(rig.LineCentre("horz", 12));
  EXPECT_EQ(game.lines.hline[12].BackColor, kHumanLine);
  EXPECT_EQ(game.lines.vline[3].BackColor, kFreeLine);  // reset as background
  EXPECT_EQ(rig.window().Text1->text(), "V - 3");
}

TEST(NewGame, AsksAndNoChangesNothing) {
  GuiRig rig;
  rig.ClickLine("horz", 30);
  MainWindow* before = rig.host->Window();
  const auto moves = rig.game().GameMoves.Count();
  const auto lines = rig.game().lines.hline;

  rig.answerYes = false;
  before->mnunew->trigger();
  GuiRig::Settle();
  ASSERT_EQ(rig.questions.size(), 1u);
  EXPECT_EQ(rig.questions[0], "Are you sure you want to quit current game?");
  EXPECT_EQ(rig.host->Window(), before);
  EXPECT_EQ(rig.game().GameMoves.Count(), moves);
  EXPECT_EQ(rig.game().lines.hline[30].BackColor, lines[30].BackColor);
  EXPECT_EQ(rig.game().CurrentPlayer, 1);
}

TEST(NewGame, YesReloadsTheWindowWithAFreshBoard) {
  GuiRig rig("[DIFFICULTY]\nLEVEL=1\n");
  rig.ClickLine("horz", 30);
  QPointer<MainWindow> before = rig.host->Window();
  rig.answerYes = true;
  before->mnunew->trigger();
  GuiRig::Settle();
  EXPECT_TRUE(before.isNull());
  MainWindow& w = rig.window();
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(rig.game().GameMoves.Count(), 0);
  EXPECT_TRUE(rig.game().lines.hline[30].Enabled);
  EXPECT_EQ(w.plyr1score->text(), "0");
  EXPECT_EQ(w.plyr2score->text(), "0");
  EXPECT_FALSE(w.mnuReplay->isEnabled());
  EXPECT_TRUE(w.mnuDiff[1]->isChecked());
}

TEST(Options, LevelMenuStoresTheLevelAndTheNextLoadUsesIt) {
  GuiRig rig;
  EXPECT_TRUE(rig.window().mnuDiff[0]->isChecked());  // none stored: Novice
  rig.window().mnuDiff[1]->trigger();
  EXPECT_EQ(rig.game().DifficultyLevel, "INTERMEDIATE");
  EXPECT_FALSE(rig.window().mnuDiff[0]->isChecked());
  EXPECT_TRUE(rig.window().mnuDiff[1]->isChecked());
  EXPECT_FALSE(rig.window().mnuDiff[2]->isChecked());
  EXPECT_NE(rig.Settings().find("LEVEL=1"), std::string::npos);

  GuiRig next(rig.Settings());
  EXPECT_EQ(next.game().DifficultyLevel, "INTERMEDIATE");
  EXPECT_TRUE(next.window().mnuDiff[1]->isChecked());
}

TEST(Options, SaveSizeStoresTheOuterSizeAndTheNextLoadOpensAtIt) {
  GuiRig rig;
  rig.window().resize(500, 520);
  GuiRig::Settle();
  rig.window().mnuSaveSize->trigger();
  const QSizeF outer = rig.window().OuterTwips();
  const std::string settings = rig.Settings();
  EXPECT_NE(settings.find("Width=" + TwipsText(outer.width())), std::string::npos) << settings;
  EXPECT_NE(settings.find("Height=" + TwipsText(outer.height())), std::string::npos) << settings;

  GuiRig next(settings);
  EXPECT_EQ(next.window().OuterTwips(), outer);
}

TEST(Options, UnusableStoredSizeOpensAtTheDesignedSize) {
  GuiRig rig("[Sizes]\nWidth=wide\nHeight=-5\n");
  const Twips t = Twips::For(nullptr);
  EXPECT_EQ(rig.window().centralWidget()->width(), t.ToPixels(kDesignedClientWidth));
  EXPECT_EQ(rig.window().centralWidget()->height(), t.ToPixels(kDesignedClientHeight));
}

TEST(Options, StoredSizeText) {
  EXPECT_EQ(TwipsText(8790.0f), "8790");
  EXPECT_EQ(TwipsText(6288.5f), "6288.5");
  EXPECT_EQ(TwipsText(1234.5678f), "1234.568");
  EXPECT_EQ(StoredTwips(" 8790 "), 8790);
  EXPECT_EQ(StoredTwips("6288.5"), 6288);  // half to even
  EXPECT_EQ(StoredTwips("6289.5"), 6290);
  EXPECT_EQ(StoredTwips("*"), std::nullopt);
  EXPECT_EQ(StoredTwips("12abc"), std::nullopt);
  EXPECT_EQ(StoredTwips("0"), std::nullopt);
  EXPECT_EQ(StoredTwips("1e300"), std::nullopt);
}

TEST(Options, PrintMovesWritesTheLogInTheHomeFolder) {
  GuiRig rig;
  const std::string oldHome = getenv("HOME") ? getenv("HOME") : "";
  setenv("HOME", rig.folder.path().c_str(), 1);
  rig.ClickLine("horz", 12);
  QTest::mouseClick(rig.window().Command2, Qt::LeftButton);
  const std::string log = ReadFile(rig.folder.file("myboxmoves.csv"));
  setenv("HOME", oldHome.c_str(), 1);

  ASSERT_EQ(log, MoveLogText(rig.game().GameMoves));
  EXPECT_EQ(log.rfind("Player1,horz,12\r\nPlayer2,", 0), 0u) << log;
}

TEST(Options, ReplayFlashesTheLastMoveAndKeepsItsOwner) {
  GuiRig rig;
  rig.ClickLine("vert", 1);
  Game& game = rig.game();
  const Moves last = game.GameMoves.Item(game.GameMoves.Count());
  bool flashed = false;
  DuringFlash(rig, 40, [&] { flashed = !rig.window().picture1->isEnabled(); });
  rig.window().mnuReplay->trigger();
  EXPECT_TRUE(flashed);
  EXPECT_EQ(LineOwner(*game.lines.Line(last.Compass, last.LineNum)), last.PlayerNum);
}

TEST(Resize, KeepsEveryColourAndMovesTheBoard) {
  GuiRig rig;
  for (int n : {1, 9, 17}) rig.ClickLine("horz", n);
  Game& game = rig.game();
  const LineStore lines = game.lines;
  const auto boxes = game.gridbx1;
  const QRect before = rig.window().picture1->LineRect("horz", 9);

  rig.window().resize(300, 600);
  GuiRig::Settle();
  for (int i = 1; i <= 72; ++i) {
    EXPECT_EQ(game.lines.hline[i].BackColor, lines.hline[i].BackColor) << i;
    EXPECT_EQ(game.lines.hline[i].Enabled, lines.hline[i].Enabled) << i;
    EXPECT_EQ(game.lines.vline[i].BackColor, lines.vline[i].BackColor) << i;
    EXPECT_EQ(game.lines.vline[i].Enabled, lines.vline[i].Enabled) << i;
  }
  for (int i = 1; i <= 64; ++i) EXPECT_EQ(game.gridbx1[i].BackColor, boxes[i].BackColor) << i;
  EXPECT_NE(rig.window().picture1->LineRect("horz", 9), before);
}

TEST(Resize, BoardAndDebugStripNeverOverlapInAWideWindow) {
  GuiRig rig;
  rig.window().resize(1000, 500);
  GuiRig::Settle();
  MainWindow& w = rig.window();
  const int boardRight = w.picture1->geometry().right();
  const int panelRight = w.PlyrFrame[1]->geometry().right();
  for (QWidget* strip : {static_cast<QWidget*>(w.updatecount), static_cast<QWidget*>(w.Text2),
                         static_cast<QWidget*>(w.Picture2), static_cast<QWidget*>(w.Combo1),
                         static_cast<QWidget*>(w.Command2)}) {
    EXPECT_LT(boardRight, strip->geometry().left()) << strip->objectName().toStdString();
    EXPECT_FALSE(w.PlyrFrame[1]->geometry().intersects(strip->geometry()))
        << strip->objectName().toStdString() << " " << panelRight;
  }
}

TEST(DebugStrip, SelectorShowsTheChosenPropertyOfEveryBox) {
  GuiRig rig;
  MainWindow& w = rig.window();
  ASSERT_EQ(w.Combo1->count(), 9);
  EXPECT_EQ(w.Combo1->itemText(3), "SouthStatus");
  EXPECT_EQ(w.Combo1->itemText(8), "Status");

  w.Combo1->setCurrentIndex(6);
  emit w.Combo1->activated(6);
  for (int c = 0; c < 8; ++c) {
    EXPECT_EQ(w.mystat[1 + c]->text(), QString::number(1 + c));
    EXPECT_EQ(w.mystat[57 + c]->text(), QString::number(57 + c));
  }
  w.Combo1->setCurrentIndex(7);
  emit w.Combo1->activated(7);
  EXPECT_EQ(w.mystat[1]->text(), "9");
  EXPECT_EQ(w.mystat[64]->text(), "72");
}

TEST(DebugStrip, StatusIsZeroEverywhereAfterANewGame) {
  GuiRig rig;
  rig.ClickLine("horz", 1);
  rig.ClickLine("vert", 1);
  rig.answerYes = true;
  rig.window().mnunew->trigger();
  GuiRig::Settle();
  MainWindow& w = rig.window();
  w.Combo1->setCurrentIndex(8);
  emit w.Combo1->activated(8);
  for (int i = 1; i <= 64; ++i) EXPECT_EQ(w.mystat[i]->text(), "0") << i;
}

TEST(DebugStrip, ViewDebugSwitchesTheWidthAndTheMenu) {
  GuiRig rig;
  MainWindow& w = rig.window();
  const int height = w.height();
  EXPECT_FALSE(w.mnuDebug->menuAction()->isVisible());
  EXPECT_TRUE(w.DebugMe->isChecked());

  w.DebugMe->trigger();
  GuiRig::Settle();
  const Twips t = Twips::For(nullptr);
  EXPECT_EQ(w.frameGeometry().width(), t.ToPixels(kNormalOuterWidth));
  EXPECT_EQ(w.height(), height);
  EXPECT_FALSE(w.DebugMe->isChecked());
  EXPECT_FALSE(w.mnuDebug->menuAction()->isVisible());

  w.DebugMe->trigger();
  GuiRig::Settle();
  EXPECT_EQ(w.frameGeometry().width(), t.ToPixels(kDebugOuterWidth));
  EXPECT_TRUE(w.DebugMe->isChecked());
  EXPECT_TRUE(w.mnuDebug->menuAction()->isVisible());
}

TEST(TurnSafety, NewGameDuringAFlashRunsAfterTheTurn) {
  GuiRig rig;
  rig.answerYes = true;
  QPointer<MainWindow> before = rig.host->Window();
  bool stillThere = false;
  DuringFlash(rig, 40, [&] {
    before->mnunew->trigger();
    stillThere = rig.host->Window() == before && rig.questions.empty();
  });
  rig.ClickLine("horz", 40);
  EXPECT_TRUE(stillThere);
  // The turn ran to its end in the old window, then the new game started.
  EXPECT_EQ(rig.game().CurrentPlayer, 1);
  GuiRig::Settle();
  EXPECT_EQ(rig.questions.size(), 1u);
  EXPECT_TRUE(before.isNull());
  EXPECT_EQ(rig.game().GameMoves.Count(), 0);
}

TEST(TurnSafety, ExitAndCloseDuringAFlashQuitOnlyAfterTheTurn) {
  for (bool viaMenu : {true, false}) {
    GuiRig rig;
    QPointer<MainWindow> w = rig.host->Window();
    int quitsDuring = -1;
    DuringFlash(rig, 40, [&] {
      if (viaMenu) {
        w->mnuexit->trigger();
      } else {
        w->close();
      }
      quitsDuring = rig.quits;
    });
    rig.ClickLine("horz", 40);
    EXPECT_EQ(quitsDuring, 0);
    EXPECT_EQ(rig.game().CurrentPlayer, 1);
    GuiRig::Settle();
    EXPECT_EQ(rig.quits, 1);
    EXPECT_TRUE(w.isNull());
  }
}

}  // namespace
}  // namespace pellumo::testing
