#include "window/nestedwait.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>

namespace pellumo {

namespace {

// Passes until duration is up or pass() says the wait is over; no pass
// sleeps longer than longestPass.
void Wait(WaitClock& clock, std::chrono::milliseconds duration,
          std::chrono::milliseconds longestPass, WaitInput input,
          const std::function<bool()>& pass) {
  const auto start = clock.Now();
  for (auto elapsed = clock.Now() - start; elapsed < duration; elapsed = clock.Now() - start) {
    if (pass()) return;
    clock.HandleEvents(std::min(duration - elapsed, longestPass), input);
  }
}

}  // namespace

std::chrono::milliseconds SteadyWaitClock::Now() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

void SteadyWaitClock::HandleEvents(std::chrono::milliseconds most, WaitInput input) {
  // Wakes the sleep below when the time is up, should no other event come.
  QTimer end;
  end.setSingleShot(true);
  end.setTimerType(Qt::PreciseTimer);
  end.start(most);
  QEventLoop::ProcessEventsFlags flags = QEventLoop::WaitForMoreEvents;
  if (input == WaitInput::Held) flags |= QEventLoop::ExcludeUserInputEvents;
  QCoreApplication::processEvents(flags);
}

void NestedWait(WaitClock& clock, std::chrono::milliseconds duration,
                const std::function<void()>& eachPass) {
  Wait(clock, duration, duration, WaitInput::Handled, [&] {
    if (eachPass) eachPass();
    return false;
  });
}

void NestedWaitUntil(WaitClock& clock, std::chrono::milliseconds most,
                     const std::function<bool()>& done) {
  Wait(clock, most, kDonePoll, WaitInput::Held, done);
}

}  // namespace pellumo
