// The main window driven as a player drives it: pointer and clicks on the
// board, the menus and the buttons, with the real engine behind them; and
// the start-up, the About window, the help viewer and the capture sound.
#include <algorithm>
#include <filesystem>
#include <map>

#include "gui/guirig.h"
#include "records/storednumbers.h"
#include "startup/aboutwindow.h"
#include "startup/helpviewer.h"
#include "startup/startup.h"
#include "window/capturesound.h"
#include "window/nestedwait.h"

namespace pellumo::testing {
namespace {

// The pointer, whether the board takes clicks, and whether Timer1 runs.
TEST(Flash, RunsBusyEndsIdleAndReplaysOnRequest) {
  GuiRig rig;
  MainWindow& w = rig.window();
  const auto state = [&] {
    return std::tuple(w.cursor().shape(), w.picture1->isEnabled(), w.Timer1.isActive());
  };
  const auto busy = std::tuple(Qt::WaitCursor, false, true);
  decltype(state()) during, replayed;
  rig.DuringFlash(60, [&] { during = state(); });
  rig.ClickLine("vert", 10);
  EXPECT_EQ(during, busy);
  EXPECT_EQ(state(), std::tuple(Qt::ArrowCursor, true, false));
  rig.DuringFlash(60, [&] { replayed = state(); });
  w.mnuReplay->trigger();
  EXPECT_EQ(replayed, busy);
  // Each tick of Timer1 swaps the two flash colours.
  w.FlashColor = kSystemDesktop;  // as a flash starts
  for (int colour : {9, 11, 9}) {
    w.Timer1_Timer();
    EXPECT_EQ(w.FlashColor, QBColor(colour));
  }
}

// Pressing on one line and letting go on another takes nothing; a click
// takes the line (the computer's answer is checked by the stress test).
// Free lines under the pointer light up and name themselves.
TEST(PointerFeedback, AClickTakesItsLineAndFreeLinesLightUpAndNameThemselves) {
  GuiRig rig;
  QWidget* board = rig.window().picture1;
  const LineStore& lines = rig.game().lines;
  const auto readOut = [&] { return rig.window().Text1->text(); };
  QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, rig.LineCentre("horz", 3));
  QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, rig.LineCentre("vert", 40));
  EXPECT_EQ(rig.game().GameMoves.Count(), 0);
  rig.ClickLine("horz", 12);  // taken: the pointer passes it by (below)
  rig.MoveTo(rig.LineCentre("horz", 5));
  EXPECT_EQ((std::tuple{lines.hline[5].BackColor, readOut()}), std::tuple(kHighlight, "H - 5"));
  // Straight on to another line: both stay lit...
  rig.MoveTo(rig.LineCentre("vert", 72));
  EXPECT_EQ((std::tuple{lines.hline[5].BackColor, lines.vline[72].BackColor, readOut()}),
            std::tuple(kHighlight, kHighlight, "V - 72"));
  // ...until an open box, which puts them back and clears the read-out...
  rig.MoveTo(rig.window().picture1->BoxRect(20).center());
  for (int i = 1; i <= kLinesPerOrientation; ++i)  // the last ones too
    for (const LineControl* line : {&lines.hline[i], &lines.vline[i]})
      EXPECT_TRUE(!line->Enabled || line->BackColor == kFreeLine) << i;
  EXPECT_TRUE(readOut().isEmpty());
  // ...or the background, which a taken line counts as; the read-out stays.
  rig.MoveTo(rig.LineCentre("vert", 3));
  rig.MoveTo(rig.LineCentre("horz", 12));
  EXPECT_EQ((std::tuple{lines.vline[3].BackColor, readOut()}), std::tuple(kFreeLine, "V - 3"));
}

// The turn runs to its end in the old window, and only then is the player
// asked; the new game starts in a new window at the level chosen in the menu
// (read back from the settings), every box's Status 0.
TEST(NewGame, YesDuringAFlashWaitsForTheTurnThenStartsAFreshBoard) {
  GuiRig rig;
  rig.window().mnuDiff[1]->trigger();
  EXPECT_FALSE(rig.window().mnuDiff[0]->isChecked());
  rig.answerYes = true;
  QPointer<MainWindow> before = rig.host->Window();
  before->move(123, 77);
  rig.DuringFlash(40, [&] {
    before->mnunew->trigger();
    EXPECT_EQ(rig.host->Window(), before);
    EXPECT_TRUE(rig.questions.empty());
  });
  rig.ClickLine("horz", 40);
  GuiRig::Settle();
  EXPECT_EQ(rig.questions.size(), 1u);
  EXPECT_TRUE(before.isNull());
  MainWindow& w = rig.window();
  EXPECT_EQ((std::tuple{w.isVisible(), w.mnuReplay->isEnabled(), w.pos()}),
            std::tuple(true, false, QPoint(123, 77)));
  EXPECT_EQ((std::array{w.mnuDiff[0]->isChecked(), w.mnuDiff[1]->isChecked(),
                        w.mnuDiff[2]->isChecked()}),
            (std::array{false, true, false}));
  for (int i = 1; i <= kBoxes; ++i) EXPECT_EQ(rig.game().AllBoxes[i].Status, 0) << i;
}

// Whatever the player chooses after quitting (New Game, another Exit)
// asks nothing and opens nothing: the program is on its way out.
TEST(TurnSafety, ExitAndCloseDuringAFlashQuitOnlyAfterTheTurn) {
  for (bool viaMenu : {true, false}) {
    GuiRig rig;
    rig.answerYes = true;
    QPointer<MainWindow> before = rig.host->Window();
    rig.DuringFlash(40, [&] {
      viaMenu ? rig.window().mnuexit->trigger() : void(rig.window().close());
      rig.window().mnunew->trigger();
      rig.window().mnuexit->trigger();
      EXPECT_EQ(rig.quits, 0);
    });
    rig.ClickLine("horz", 40);
    GuiRig::Settle();
    EXPECT_EQ(rig.quits, 1);
    EXPECT_TRUE(rig.questions.empty());
    EXPECT_EQ(rig.host->Window(), before);
  }
}

// "Save Size" stores the outer size and the next start opens at it; a stored
// size that is not a number opens the window at its designed size.
TEST(Options, SaveSizeIsUsedNextTimeUnlessTheStoredSizeIsNotANumber) {
  GuiRig rig;
  rig.window().resize(500, 520);
  GuiRig::Settle();
  rig.window().mnuSaveSize->trigger();
  EXPECT_EQ(GuiRig(rig.Settings()).window().OuterTwips(), rig.window().OuterTwips());
  EXPECT_EQ(StoredTwips(" 8790 "), 8790);
  EXPECT_EQ(StoredTwips("6288.5"), 6288);  // half to even
  EXPECT_EQ(StoredTwips("6289.5"), 6290);
  for (const char* bad : {"*", "12abc", "0", "1e300"}) EXPECT_EQ(StoredTwips(bad), std::nullopt);
  const Twips t = Twips::For(nullptr);
  EXPECT_EQ(GuiRig("[Sizes]\nWidth=wide\nHeight=-5\n").window().centralWidget()->size(),
            QSize(t.ToPixels(kDesignedClientWidth), t.ToPixels(kDesignedClientHeight)));
}

// Wider and narrower: the board takes the room the margins leave and the
// logo keeps to the middle of the gap between the panels; every line and box
// keeps its colour. (The computer's panel keeps to the right edge of the
// frame, which only a real window manager draws: tests/xwm.)
TEST(Resize, TheBoardFollowsTheWindowBothWaysAndKeepsEveryColour) {
  GuiRig rig;
  MainWindow& w = rig.window();
  ASSERT_EQ(Twips::For(&w).PerPixel(), 15.0) << "the literal sizes below are for 96 DPI";
  EXPECT_EQ(w.centralWidget()->width(), 418) << "6264 twips";
  for (int n : {1, 9, 17}) rig.ClickLine("horz", n);
  const LineStore lines = rig.game().lines;
  const auto boxes = rig.game().gridbx1;
  BoardWidget* board = w.picture1;
  for (const QSize inner : {QSize(800, 700), QSize(300, 600)}) {
    w.resize(inner.width(), inner.height() + w.menuBar()->height());
    GuiRig::Settle();
    ASSERT_EQ(w.centralWidget()->size(), inner);
    EXPECT_EQ(w.picture1Border->geometry(), QRect(6, 51, inner.width() - 16, inner.height() - 87));
    EXPECT_EQ(board->geometry(), w.picture1Border->rect().adjusted(2, 2, -2, -2));
    const int gapLeft = w.PlyrFrame[0]->geometry().right() + 1, gapRight = w.PlyrFrame[1]->x();
    if (gapRight - gapLeft > w.Logo->width()) {
      EXPECT_LE(std::abs((w.Logo->x() - gapLeft) - (gapRight - w.Logo->geometry().right() - 1)), 1);
    }
    const QImage shown = board->grab().toImage();
    const auto same = [&](QRect r, Colour c) {
      return shown.pixelColor(r.center()) == ToQColor(c, board->palette());
    };
    for (int i = 1; i <= kLinesPerOrientation; ++i) {
      EXPECT_TRUE(same(board->LineRect("horz", i), lines.hline[i].BackColor)) << "horz " << i;
      EXPECT_TRUE(same(board->LineRect("vert", i), lines.vline[i].BackColor)) << "vert " << i;
    }
    // Each box meets its four lines edge to edge: no gap, no overlap.
    for (int i = 1; i <= kBoxes; ++i) {
      EXPECT_TRUE(same(board->BoxRect(i), boxes[i].BackColor)) << i;
      const QRect box = board->BoxRect(i);
      const int west = i + (i - 1) / kBoxesPerSide;
      const auto line = [&](const char* Compass, int n) { return board->LineRect(Compass, n); };
      EXPECT_EQ((std::tuple{line("vert", west).right(), line("vert", west + 1).left(),
                            line("horz", i).bottom(), line("horz", i + 8).top()}),
                (std::tuple{box.left() - 1, box.right() + 1, box.top() - 1, box.bottom() + 1}))
          << "box " << i;
    }
  }
}

// Started with --debug: the window opens wide with the strip, whose
// selector shows a property of every box and whose "Print Moves" says where
// it wrote; "View Debug" switches the width, and the menu stays for the run.
TEST(DebugStrip, OpensWideShowsEachPropertyAndStaysForTheRun) {
  GuiRig rig("", false, nullptr, /*debug=*/true);
  MainWindow& w = rig.window();
  for (QWidget* strip : QWidgetList{w.updatecount, w.Text2, w.Picture2, w.Combo1, w.Command2}) {
    EXPECT_TRUE(strip->isVisible()) << qPrintable(strip->objectName());
    EXPECT_LT(w.picture1Border->geometry().right(), strip->x()) << qPrintable(strip->objectName());
    EXPECT_FALSE(w.PlyrFrame[1]->geometry().intersects(strip->geometry()));
  }

  // Each entry once a turn has stored the counts: the lines by the board's
  // numbering (box j in row r has north line j, south j + 8, west j + r,
  // east j + r + 1), the neighbours' counts as stored (box 4's southern
  // neighbour has a side, its northern one, none, not), and the box's own
  // count as its sides are now, the computer's line included.
  rig.ClickLine("horz", 12);
  ASSERT_EQ(w.Combo1->count(), 9);
  EXPECT_EQ((std::tuple{rig.game().AllBoxes[4].southstatus, rig.game().AllBoxes[4].NorthStatus}),
            std::tuple(1, 0));
  for (int index = 0; index < 9; ++index) {
    rig.ShowBoxProperty(index);
    for (int j = 1; j <= kBoxes; ++j) {
      const box& b = rig.game().AllBoxes[j];
      const int west = j + (j - 1) / 8;
      const int sides = b.North + b.South + b.East + b.West;
      const int shown[] = {b.WestStatus, b.EastStatus, b.NorthStatus, b.southstatus, west,
                           west + 1,     j,           j + 8,         sides};
      EXPECT_EQ(w.mystat[j]->text(), QString::number(shown[index]))
          << qPrintable(w.Combo1->itemText(index)) << " of box " << j;
    }
  }
  QTest::mouseClick(w.Command2, Qt::LeftButton);
  const std::string path = rig.folder.file("myboxmoves.csv");
  EXPECT_TRUE(ReadFile(path).starts_with("Player1,horz,12\r\nPlayer2,")) << ReadFile(path);
  EXPECT_EQ(w.PrintMovesResult->text(), QString::fromStdString("Moves written to " + path));

  // As opened, then with "View Debug" unmarked and marked again.
  const int height = w.height();
  const Twips t = Twips::For(&w);
  for (bool marked : {true, false, true}) {
    EXPECT_EQ(w.frameGeometry().width(), t.ToPixels(marked ? kDebugOuterWidth : kNormalOuterWidth));
    EXPECT_EQ((std::tuple{w.height(), w.DebugMe->isChecked(), w.Combo1->isVisible()}),
              std::tuple(height, marked, marked));
    w.DebugMe->trigger();
    GuiRig::Settle();
  }
  rig.answerYes = true;
  w.mnunew->trigger();
  GuiRig::Settle();
  EXPECT_NE(rig.window().mnuDebug, nullptr) << "across New Game";
}

// The About window at start-up and from the Help menu, on a clock that only
// moves while the game waits: what is shown at every pass of the pause.
TEST(Startup, AboutShowsThenHandsOverToTheMainWindow) {
  auto owned = std::make_unique<SteppingClock>();
  SteppingClock& clock = *owned;
  std::vector<std::string> seen;  // "A" About shown, "M" main window shown, in every pass
  clock.afterPass = [&] {
    std::string state;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && (qobject_cast<AboutWindow*>(w) || qobject_cast<MainWindow*>(w)))
        state += qobject_cast<AboutWindow*>(w) ? "A" : "M";
    std::sort(state.begin(), state.end());
    if (seen.empty() || seen.back() != state) seen.push_back(state);
  };
  GuiRig rig("", /*startUp=*/true, std::move(owned));
  const auto handedOver = clock.now;
  EXPECT_TRUE(handedOver.count() >= 1000 && handedOver.count() <= 2000) << handedOver.count();
  EXPECT_EQ(seen, (std::vector<std::string>{"A"})) << "the About window alone until the pause ends";
  AboutWindow* about = rig.host->About();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->lblVersion->text(), "Version: 1.0.4");
  EXPECT_EQ((std::pair{about->minimumSize(), about->maximumSize()}),
            std::pair(QSize(382, 205), QSize(382, 205))) << "fixed at 5736 x 3072 twips";
  EXPECT_EQ((std::tuple{about->isVisible(), rig.window().isVisible()}), std::tuple(false, true));

  // From the Help menu it stays until OK, with no pause.
  rig.window().mnuAbout->trigger();
  EXPECT_TRUE(about->isVisible());
  EXPECT_EQ(clock.now, handedOver);
  QTest::mouseClick(about->cmdOK, Qt::LeftButton);
  EXPECT_FALSE(about->isVisible());

  // A new game takes the About window away with the old main window, so the
  // next "About" first shows it through the pause, hides it, then shows it
  // to stay.
  rig.answerYes = true;
  rig.ClickLine("horz", 1);
  rig.window().mnunew->trigger();
  GuiRig::Settle();
  EXPECT_EQ(rig.host->About(), nullptr);
  struct ShowHide : QObject {
    std::string events;
    bool eventFilter(QObject* o, QEvent* e) override {
      if (qobject_cast<AboutWindow*>(o) && (e->type() == QEvent::Show || e->type() == QEvent::Hide))
        events += e->type() == QEvent::Show ? "show " : "hide ";
      return false;
    }
  } order;
  qApp->installEventFilter(&order);
  const auto before = clock.now;
  rig.window().mnuAbout->trigger();
  qApp->removeEventFilter(&order);
  EXPECT_GE((clock.now - before).count(), 1000);
  EXPECT_EQ(order.events, "show hide show ");
  EXPECT_TRUE(rig.host->About() != nullptr && rig.host->About()->isVisible());
}

TEST(Startup, NoDisplayIsReportedInsteadOfCrashing) {
  const std::pair<std::map<std::string, std::string>, bool> cases[] = {
      {{}, true}, {{{"DISPLAY", ""}}, true}, {{{"DISPLAY", ":0"}}, false},
      {{{"WAYLAND_DISPLAY", "wayland-0"}}, false}, {{{"QT_QPA_PLATFORM", "offscreen"}}, false},
      {{{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "w"}}, true},
      {{{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ":0"}}, true}};
  for (const auto& [env, reported] : cases) {
    const auto get = [&env](const char* n) { return env.count(n) ? env.at(n).c_str() : nullptr; };
    EXPECT_EQ(NoDisplayReason(get).has_value(), reported) << env.size();
  }
}

TEST(Startup, SwitchesTurnOnTheDebugViewOrAnswerAndLeaveQtItsOwn) {
  const auto flags = [](std::vector<const char*> args, const char* debugEnv) {
    args.insert(args.begin(), "pellumo");
    const auto env = [&](std::string_view n) { return n == "PELLUMO_DEBUG" ? debugEnv : nullptr; };
    const StartOptions o = ParseStartOptions(static_cast<int>(args.size()), args.data(), env);
    return std::tuple{o.debug, o.help, o.version};
  };
  EXPECT_EQ(flags({"-platform", "xcb", "--debug"}, nullptr), std::tuple(true, false, false));
  EXPECT_EQ(flags({}, "1"), std::tuple(true, false, false));
  EXPECT_EQ(flags({}, "0"), std::tuple(false, false, false));
}

TEST(Help, OpensThePagesMaximisedOrSaysTheyAreMissing) {
  GuiRig rig;
  rig.host->mnuHowTo_Click();
  HelpViewer* viewer = rig.host->Help();
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(viewer->isMaximized());
  // The page shown, and whether Back and Forward have a page to go to.
  const auto state = [viewer](const char* text) {
    return std::tuple{viewer->Browser()->toPlainText().contains(text),
                      viewer->Back()->isEnabled(), viewer->Forward()->isEnabled()};
  };
  EXPECT_EQ(state("could not be found"), std::tuple(true, false, false));
  EXPECT_TRUE(viewer->Browser()->toPlainText().contains(
      QString::fromStdString(rig.folder.file("help/index.html"))));
  EXPECT_TRUE(viewer->Browser()->toPlainText().contains("help folder beside the program"));
  std::filesystem::create_directory(rig.folder.file("help"));
  WriteFile(rig.folder.file("help/index.html"), ReadFile(PELLUMO_SOURCE_DIR "/help/index.html"));
  WriteFile(rig.folder.file("help/other.html"),
            "<html><head><link rel='stylesheet' type='text/css' href='other.css'></head>"
            "<body><p class='x'>Another page</p></body></html>");
  WriteFile(rig.folder.file("help/other.css"), "p.x { color: #ff0000 }");
  rig.host->mnuHowTo_Click();
  EXPECT_EQ(state("How to Play"), std::tuple(true, false, false)) << "the message is no page";
  // Back and Forward (Alt+Left and Alt+Right, as in a web browser) walk the
  // pages visited; Escape closes the viewer.
  viewer->Browser()->setSource(QUrl("other.html"));  // as a click on a link does
  EXPECT_EQ(state("Another page"), std::tuple(true, true, false));
  QTest::keyClick(viewer->windowHandle(), Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(state("How to Play"), std::tuple(true, false, true));
  QTest::keyClick(viewer->windowHandle(), Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(state("Another page"), std::tuple(true, true, false));
  QTest::keyClick(viewer->windowHandle(), Qt::Key_Escape);
  EXPECT_FALSE(viewer->isVisible());
  // In another language its own contents, and any page not translated yet
  // in English.
  std::filesystem::create_directory(rig.folder.file("help/de"));
  WriteFile(rig.folder.file("help/de/index.html"), "<p>Inhalt</p><a href='other.html'>x</a>");
  {
    const InLanguage german("de");
    rig.host->mnuHowTo_Click();
    EXPECT_EQ(state("Inhalt"), std::tuple(true, true, false));
    // The link followed from the keyboard.
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Return}) QTest::keyClick(viewer->Browser(), key);
    EXPECT_EQ(state("Another page"), std::tuple(true, true, false));
    EXPECT_TRUE(viewer->Browser()->toHtml().contains("#ff0000")) << "its style sheet too";
  }
  // The message about a missing page leads back to no page.
  std::filesystem::remove(rig.folder.file("help/index.html"));
  rig.host->mnuHowTo_Click();
  EXPECT_EQ(state("could not be found"), std::tuple(true, false, false));
}

TEST(CaptureSound, LengthComesFromTheWavHeader) {
  const QByteArray wav =
      QByteArray::fromStdString(ReadFile(PELLUMO_SOURCE_DIR "/assets/Robotz Recycle.wav"));
  const int ms = WavMilliseconds(wav).value_or(0);
  EXPECT_EQ(ms, 480) << "21168 bytes of data at 44100 bytes a second";
  // A chunk of odd size before the data is padded to an even one.
  EXPECT_EQ(WavMilliseconds(wav.left(36) + QByteArray("LIST\3\0\0\0abc\0", 12) + wav.mid(36)), ms);
  // A header that promises more data than the file holds counts what is there.
  EXPECT_LT(WavMilliseconds(wav.left(wav.size() / 2)).value_or(ms), ms);
  EXPECT_FALSE(WavMilliseconds("RIFF....AVI LIST").has_value());
}

// The sound's wait ends as soon as the sound has, or at its bound. Whether
// it has is asked at least every kDonePoll, however long the clock would
// sleep; clicks and keys are held until the wait is over.
TEST(CaptureSound, WaitEndsWhenDoneOrAtItsBoundHoldingInput) {
  using std::chrono::milliseconds;
  SteppingClock clock;
  clock.step = std::chrono::hours(1);
  int asked = 0;
  NestedWaitUntil(clock, milliseconds(500), [&] {
    ++asked;
    return clock.now >= milliseconds(35);
  });
  EXPECT_EQ(clock.now, 4 * kDonePoll);
  EXPECT_EQ(asked, 5);
  EXPECT_EQ(clock.inputs, std::vector<WaitInput>(4, WaitInput::Held));

  for (bool over : {false, true}) {  // a sound already over is not waited for
    clock.now = milliseconds(0);
    NestedWaitUntil(clock, milliseconds(25), [over] { return over; });
    EXPECT_EQ(clock.now, milliseconds(over ? 0 : 25));
  }

  // The flash and the pause handle input as always, and a pass may sleep
  // for the rest of the wait.
  clock.now = milliseconds(0);
  clock.inputs.clear();
  NestedWait(clock, milliseconds(25));
  EXPECT_EQ(clock.now, milliseconds(25));
  EXPECT_EQ(clock.inputs, std::vector<WaitInput>{WaitInput::Handled});

  // On the game's own clock a wait ends at its time though no event comes,
  // and sleeps between its passes rather than spinning.
  SteadyWaitClock steady;
  QTimer watchdog;
  watchdog.setSingleShot(true);
  watchdog.start(10000);
  asked = 0;
  NestedWaitUntil(steady, milliseconds(50), [&] { return ++asked < 0; });
  EXPECT_TRUE(watchdog.isActive()) << "only the watchdog's event ended it";
  EXPECT_LT(asked, 50) << "a pass every " << kDonePoll.count() << " ms, not a busy loop";
}

}  // namespace
}  // namespace pellumo::testing
