#pragma once
// The two waits that keep the window alive while the game's own code waits:
// the flash of a line and the About window's pause at start-up. Each runs
// nested inside its caller and handles window events until its time is up,
// so the game keeps painting and the caller goes on where it stopped.
//
// The clock is handed in: the game uses the steady clock; tests use one that
// moves on at every pass, so a whole wait runs without sleeping.
#include <chrono>
#include <functional>

namespace pellumo {

class WaitClock {
 public:
  virtual ~WaitClock() = default;
  // A monotonic time: a wait lasts its length at midnight too.
  virtual std::chrono::milliseconds Now() = 0;
  // Handles window events, sleeping until one arrives, but no longer than most.
  virtual void HandleEvents(std::chrono::milliseconds most) = 0;
};

class SteadyWaitClock : public WaitClock {
 public:
  std::chrono::milliseconds Now() override;
  void HandleEvents(std::chrono::milliseconds most) override;
};

// Waits for duration on clock, handling window events; eachPass, when given,
// runs before every pass (a flash paints its colour there).
void NestedWait(WaitClock& clock, std::chrono::milliseconds duration,
                const std::function<void()>& eachPass = {});

}  // namespace pellumo
