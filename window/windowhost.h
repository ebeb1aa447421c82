#pragma once
// What the main window needs of the object that keeps it and outlives it
// (GameHost, in startup/): the Game, the holding back of what must not run
// under a turn, the flash's clock, and the menu items whose windows are
// above this layer (About and How to Play in startup/, the HighScore window
// in records/). The main window sees only this, never those headers.
#include <functional>
#include <memory>

#include "window/nestedwait.h"

namespace pellumo {

class Game;

class WindowHost {
 public:
  virtual ~WindowHost() = default;

  virtual Game& game() = 0;
  // The Advice button: the computer's suggestion, for one point.
  virtual void Advice() = 0;

  // --- Holding back what must not run under a turn --------------------------
  // The computer's turn runs nested inside the human's click, and its flash
  // processes window events for a second. Anything that would destroy the
  // window or the Game under that turn waits until the turn has unwound.
  virtual bool Busy() const = 0;
  // Runs the action now when nothing is running, otherwise once the running
  // turn or flash has unwound.
  virtual void WhenIdle(std::function<void()> action) = 0;
  // Marks a stretch of engine work; pending actions run after the outermost
  // one ends, from the event loop, never inside the stretch.
  class BusyScope {
   public:
    explicit BusyScope(WindowHost& host) : host_(host) { ++host_.busyDepth_; }
    ~BusyScope() { host_.Unwound(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    WindowHost& host_;
  };

  // --- Menu items that open windows above this layer -------------------------
  virtual void mnuAbout_Click() = 0;
  virtual void mnuHowTo_Click() = 0;
  virtual void mnuHighScores_Click() = 0;

  // Ends the program ("Exit", closing the window).
  virtual void Quit() = 0;
  // Shows the Game's read-outs again.
  virtual void Changed() = 0;

  // The clock of the flash and the About window's pause.
  WaitClock& Clock() { return *waitClock; }

  // Started with --debug (or PELLUMO_DEBUG=1): the window opens wide with the
  // debug strip, and the "Debug" menu is there for the whole run.
  bool debugView = false;

  // --- Knobs for tests -------------------------------------------------------
  // How long a flash lasts; a second in the game.
  int flashMilliseconds = 1000;
  std::unique_ptr<WaitClock> waitClock = std::make_unique<SteadyWaitClock>();

 protected:
  // Called as each BusyScope ends, the outermost one included.
  virtual void Unwound() = 0;
  int busyDepth_ = 0;
};

}  // namespace pellumo
