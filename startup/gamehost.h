#pragma once
// What outlives a main window: the settings, the random source, the computer
// player and the Game it answers for, the About window and the help viewer,
// and the GameUi through which the engine reaches whichever main window is
// loaded. "New Game" unloads the main window and loads a new one; the Game
// stays and is reset by its load.
// It hands the Game the computer's turn and each main window the debug view.
// Anything that would destroy the window or the Game under a turn ("New
// Game", "Exit", closing the window) is held back until the turn has
// unwound, then run.
//
// It lives in startup/, above the windows it owns; the main window reaches
// it only through WindowHost (window/windowhost.h).
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "engine/game.h"
#include "computer/computer.h"
#include "computer/random.h"
#include "engine/gameui.h"
#include "records/places.h"
#include "records/profileman.h"
#include "window/windowhost.h"

namespace pellumo {

class AboutWindow;
class CaptureSound;
class HelpViewer;
class MainWindow;

class GameHost : public QObject, public GameUi, public WindowHost {
  Q_OBJECT

 public:
  // places: where the settings file, the sound and the help pages are.
  // Without a random source the game seeds one from the clock.
  explicit GameHost(const GamePlaces& places, std::unique_ptr<RandomSource> random = nullptr);
  ~GameHost() override;

  Game& game() override { return *game_; }
  void Advice() override;
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
  void mnuAbout_Click() override;
  // "How to Play": the help pages in our viewer, maximised, with the focus.
  void mnuHowTo_Click() override;
  HelpViewer* Help() const;
  // "HighScores": the table of the current level, for viewing.
  void mnuHighScores_Click() override;

  // --- Holding back what must not run under a turn --------------------------
  bool Busy() const override { return busyDepth_ > 0 || game_->InTurn(); }
  void WhenIdle(std::function<void()> action) override;
  bool HasPendingActions() const { return !pending_.empty(); }
  bool Quitting() const { return quitting_; }

  // --- Knobs for tests -------------------------------------------------------
  // Answers message boxes instead of showing them: gets the text, the title
  // and whether Yes/No was asked; returns true for Yes (or OK).
  std::function<bool(const std::string& text, const std::string& title, bool yesNo)> answerHook;
  // Replaces ending the application (tests run many games in one process).
  std::function<void()> quitHook;

  // --- GameUi ----------------------------------------------------------------
  void FlashLine(Line theline) override;
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
  // From a timer, only while the window is idle: saves the changes another
  // copy's lock held back, and shows a failed save once.
  void MindTheRecords();
  void Unwound() override;
  void RunPending();
  // A new main window, with the debug view handed to it.
  MainWindow* NewMainWindow();
  void UnloadMainWindow();

  QString dataFolder_;
  ProfileMan profile_;
  std::unique_ptr<RandomSource> random_;
  ComputerPlayer computer_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<CaptureSound> sound_;
  QPointer<MainWindow> window_;
  QPointer<AboutWindow> about_;
  QPointer<HelpViewer> help_;
  bool runScheduled_ = false;
  bool quitting_ = false;
  std::vector<std::function<void()>> pending_;
};

}  // namespace pellumo
