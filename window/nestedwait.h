#pragma once
// The waits that keep the window alive while the game's own code waits: the
// flash of a line, the About window's pause at start-up and the capture
// sound. Each runs nested inside its caller and handles window events until
// its time is up, so the game keeps painting and the caller goes on where it
// stopped.
//
// The clock is handed in: the game uses the steady clock; tests use one that
// moves on at every pass, so a whole wait runs without sleeping.
#include <chrono>
#include <functional>

namespace pellumo {

// What a pass of a wait does with clicks and keys: handles them as always,
// or leaves them queued until the wait is over.
enum class WaitInput { Handled, Held };

class WaitClock {
 public:
  virtual ~WaitClock() = default;
  // A monotonic time: a wait lasts its length at midnight too.
  virtual std::chrono::milliseconds Now() = 0;
  // Handles window events, sleeping until one arrives, but no longer than most.
  virtual void HandleEvents(std::chrono::milliseconds most, WaitInput input) = 0;
};

class SteadyWaitClock : public WaitClock {
 public:
  std::chrono::milliseconds Now() override;
  void HandleEvents(std::chrono::milliseconds most, WaitInput input) override;
};

// Waits for duration on clock, handling window events; eachPass, when given,
// runs before every pass (a flash paints its colour there).
void NestedWait(WaitClock& clock, std::chrono::milliseconds duration,
                const std::function<void()>& eachPass = {});

// Waits until done() or until most has passed, whichever comes first. Clicks
// and keys stay queued meanwhile: the game waits for the sound as for a
// blocking call. done() is asked at least every kDonePoll, because what it
// watches (an audio back end) may change without a window event.
void NestedWaitUntil(WaitClock& clock, std::chrono::milliseconds most,
                     const std::function<bool()>& done);
inline constexpr std::chrono::milliseconds kDonePoll{10};

}  // namespace pellumo
