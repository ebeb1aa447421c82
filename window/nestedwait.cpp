#include "window/nestedwait.h"

#include <QCoreApplication>
#include <QTimer>

namespace pellumo {

std::chrono::milliseconds SteadyWaitClock::Now() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

void SteadyWaitClock::HandleEvents(std::chrono::milliseconds most) {
  // Wakes the sleep below when the time is up, should no other event come.
  QTimer end;
  end.setSingleShot(true);
  end.setTimerType(Qt::PreciseTimer);
  end.start(most);
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void NestedWait(WaitClock& clock, std::chrono::milliseconds duration,
                const std::function<void()>& eachPass) {
  const auto start = clock.Now();
  for (auto elapsed = clock.Now() - start; elapsed < duration; elapsed = clock.Now() - start) {
    if (eachPass) eachPass();
    clock.HandleEvents(duration - elapsed);
  }
}

}  // namespace pellumo
