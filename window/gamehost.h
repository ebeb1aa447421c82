#pragma once
// What outlives a main window: the settings, the random source and the Game,
// the About window and the help viewer, and the GameUi through which the
// engine reaches whichever main window is loaded. "New Game" unloads the
// main window and loads a new one; the Game stays and is reset by its load.
//
// The computer's turn runs nested inside the human's click, and its flash
// processes window events for a second. Anything that would destroy the
// window or the Game under that turn ("New Game", "Exit", closing the
// window) is held back until the turn has unwound, then run.
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "engine/game.h"
#include "computer/random.h"
#include "engine/gameui.h"
#include "records/places.h"
#include "window/nestedwait.h"
#include "records/profileman.h"

namespace pellumo {

class AboutWindow;
class CaptureSound;
class HelpViewer;
class MainWindow;

class GameHost : public QObject, public GameUi {
  Q_OBJECT

 public:
  // places: where the settings file, the sound and the help pages are.
  // Without a random source the game seeds one from the clock.
  explicit GameHost(const GamePlaces& places, std::unique_ptr<RandomSource> random = nullptr);
  ~GameHost() override;

  Game& game() { return *game_; }
  ProfileMan& profile() { return profile_; }

  // The main window, loaded (its load step run) when there is none yet.
  MainWindow* LoadMainWindow();
  MainWindow* Window() const;
  void ShowMainWindow();

  // Start-up: loads the About window, which shows itself, waits and hands
  // over to the main window.
  void Start();
  AboutWindow* About() const;
  // "About": shows the About window until OK, loading it first when the
  // last new game took it away.
  void mnuAbout_Click();
  // "How to Play": the help pages in our viewer, maximised, with the focus.
  void mnuHowTo_Click();
  HelpViewer* Help() const;

  // --- Holding back what must not run under a turn --------------------------
  bool Busy() const { return busyDepth_ > 0 || game_->InTurn(); }
  // Runs the action now when nothing is running, otherwise once the running
  // turn or flash has unwound.
  void WhenIdle(std::function<void()> action);
  // Marks a stretch of engine work; pending actions run after the outermost
  // one ends, from the event loop, never inside the stretch.
  class BusyScope {
   public:
    explicit BusyScope(GameHost& host) : host_(host) { ++host_.busyDepth_; }
    ~BusyScope() { host_.Unwound(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    GameHost& host_;
  };
  bool HasPendingActions() const { return !pending_.empty(); }
  bool Quitting() const { return quitting_; }

  // The clock of the waits: the flash, the About window's pause, the sound.
  WaitClock& Clock() { return *waitClock; }

  // Started with --debug (or PELLUMO_DEBUG=1): the window opens wide with the
  // debug strip, and the "Debug" menu is there for the whole run.
  bool debugView = false;

  // --- Knobs for tests -------------------------------------------------------
  // How long a flash lasts; a second in the game.
  int flashMilliseconds = 1000;
  std::unique_ptr<WaitClock> waitClock = std::make_unique<SteadyWaitClock>();
  // Answers message boxes instead of showing them: gets the text, the title
  // and whether Yes/No was asked; returns true for Yes (or OK).
  std::function<bool(const std::string& text, const std::string& title, bool yesNo)> answerHook;
  // Replaces ending the application (tests run many games in one process).
  std::function<void()> quitHook;

  // --- GameUi ----------------------------------------------------------------
  void FlashLine(const std::string& Compass, std::int16_t theline) override;
  void PlayCaptureSound() override;
  void MessageBox(const std::string& text, const std::string& title) override;
  bool AskYesNo(const std::string& text, const std::string& title) override;
  void ShowHighScore() override;
  void ReloadWindow() override;
  void Quit() override;
  void Changed() override;

 private:
  // The board takes the keys again after a turn or a flash.
  void FocusBoard();
  void Unwound();
  void RunPending();
  void UnloadMainWindow();

  QString dataFolder_;
  ProfileMan profile_;
  std::unique_ptr<RandomSource> random_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<CaptureSound> sound_;
  QPointer<MainWindow> window_;
  QPointer<AboutWindow> about_;
  QPointer<HelpViewer> help_;
  int busyDepth_ = 0;
  bool runScheduled_ = false;
  bool quitting_ = false;
  std::vector<std::function<void()>> pending_;
};

}  // namespace pellumo
