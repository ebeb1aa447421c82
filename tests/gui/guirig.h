#pragma once
// A game as the program runs it, in a temporary program folder of its own,
// with scripted random numbers, a short flash, and message boxes answered by
// the test.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>
#include <QtWidgets>

#include "records/movelog.h"
#include "startup/gamehost.h"
#include "startup/translations.h"
#include "support/fakeui.h"
#include "window/boardwidget.h"
#include "window/mainwindow.h"

namespace pellumo::testing {

// A clock that never sleeps: each pass of a wait moves it on by step, so a
// whole flash or pause runs at once. afterPass runs after every pass.
struct SteppingClock : WaitClock {
  std::chrono::milliseconds now{0};
  std::chrono::milliseconds step{10};
  std::function<void()> afterPass;
  std::vector<WaitInput> inputs;  // what each pass was told to do with input
  std::chrono::milliseconds Now() override { return now; }
  void HandleEvents(std::chrono::milliseconds most, WaitInput input) override {
    inputs.push_back(input);
    QCoreApplication::processEvents(input == WaitInput::Held ? QEventLoop::ExcludeUserInputEvents
                                                             : QEventLoop::AllEvents);
    now += std::min(step, most);
    if (afterPass) afterPass();
  }
};

// The window colour of the desktop's scheme, before the game set its own.
extern QColor desktopWindowColour;
// Set by a test program that starts its own display server before the
// application object exists (tests/wayland); false when it could not.
extern bool (*startDisplay)();

// The game in a language while it lives, with its translations from the
// build tree, where the program finds them beside itself.
struct InLanguage {
  Translations translations;
  explicit InLanguage(const std::string& language)
      : translations(PELLUMO_BINARY_DIR, language) {
    translations.Install();
  }
  ~InLanguage() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

struct GuiRig {
  TempFolder folder;
  std::unique_ptr<GameHost> host;
  std::vector<std::string> questions;  // Yes/No texts asked
  std::vector<std::string> told;       // "title: text" of the other boxes, "busy " first in a turn
  bool answerYes = false;
  int quits = 0;

  // Writes these settings, then loads and shows the main window; with
  // startUp, the program's start runs instead (About window, then hand-over).
  // The rig's folder is the home folder too, where "Print Moves" writes.
  // clock, when given, replaces the steady clock of the waits; debug starts
  // the game as --debug does.
  explicit GuiRig(const std::string& settings = "", bool startUp = false,
                  std::unique_ptr<WaitClock> clock = nullptr, bool debug = false) {
    qputenv("HOME", QByteArray::fromStdString(folder.path()));
    if (!settings.empty()) WriteFile(folder.file("pellumo.ini"), settings);
    host = std::make_unique<GameHost>(PortablePlaces(folder.path()),
                                      std::make_unique<ScriptedRandom>(4242));
    host->flashMilliseconds = 30;
    if (clock) host->waitClock = std::move(clock);
    host->debugView = debug;
    host->answerHook = [this](const std::string& text, const std::string& title, bool yesNo) {
      if (yesNo) questions.push_back(text);
      else told.push_back(std::string(host->Busy() ? "busy " : "") + title + ": " + text);
      return !yesNo || answerYes;
    };
    host->quitHook = [this] { ++quits; };
    startUp ? host->Start() : host->ShowMainWindow();
    if (!startUp) { EXPECT_TRUE(QTest::qWaitForWindowExposed(&window())); }
  }
  ~GuiRig() {  // also closes what the game left open (a high-score window)
    host.reset();
    for (QWidget* w : QApplication::topLevelWidgets())
      if (!qobject_cast<MainWindow*>(w)) w->close();
    Settle();
  }

  MainWindow& window() const { return *host->Window(); }
  Game& game() const { return host->game(); }
  std::string Settings() const { return ReadFile(folder.file("pellumo.ini")); }
  QPoint LineCentre(const std::string& Compass, int n) const {
    return window().picture1->LineRect(Compass, n).center();
  }
  void ClickLine(const std::string& Compass, int n) const {  // a press and a release on it
    QTest::mouseClick(window().picture1, Qt::LeftButton, Qt::NoModifier, LineCentre(Compass, n));
  }
  void MoveTo(QPoint pos) const { QTest::mouseMove(window().picture1, pos); }
  // The next flash lasts 300 ms, and check() runs afterMs into it.
  void DuringFlash(int afterMs, std::function<void()> check) const {
    host->flashMilliseconds = 300;
    QTimer::singleShot(afterMs, host.get(), std::move(check));
  }
  // Chooses entry `index` of the debug selector, as a click in its list does.
  void ShowBoxProperty(int index) const {
    window().Combo1->setCurrentIndex(index);
    emit window().Combo1->activated(index);
  }
  // Waits until the window's frame is known (the window manager's, or on
  // Wayland Qt's own), then lets the queued work run.
  static void Framed(MainWindow& w) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.frameGeometry().size() != w.size(); }, 10000));
    Settle();
  }
  // Enter on a fresh board, pressed through the X server with xdotool after
  // `focus` (xdotool's words for where), claims H 1 and the computer answers.
  void EnterThroughX(const QStringList& focus) const {
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == window().picture1; }));
    QProcess::execute("xdotool", focus + QStringList{"key", "--clearmodifiers", "Return"});
    const AllTheMoves& moves = game().GameMoves;
    ASSERT_TRUE(QTest::qWaitFor([&] { return moves.Count() >= 2 && !host->Busy(); }, 10000));
    EXPECT_TRUE(MoveLogText(moves).starts_with("Player1,horz,1\r\nPlayer2,")) << MoveLogText(moves);
  }
  // Lets the posted work run (queued actions, deferred deletes).
  static void Settle() { for (int i = 0; i < 3; ++i) QTest::qWait(0); }
};

}  // namespace pellumo::testing
