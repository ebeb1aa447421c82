#include "records/settingslock.h"

#include <cerrno>
#include <cstdio>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace pellumo {

std::string SettingsLockPath(const std::string& settingsPath) { return settingsPath + ".lock"; }

SettingsLock::SettingsLock(const std::string& settingsPath, std::chrono::milliseconds patience) {
  const std::string path = SettingsLockPath(settingsPath);
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
  // Another account's lock file in a shared folder can still be locked
  // through a read-only descriptor.
  if (fd_ < 0) fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd_ < 0) return;

  const auto deadline = std::chrono::steady_clock::now() + patience;
  for (;;) {
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
      held_ = true;
      return;
    }
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) break;
    if (std::chrono::steady_clock::now() >= deadline) {
      std::fprintf(stderr,
                   "pellumo: another copy of the game has held %s for over %lld ms; "
                   "saving without it\n",
                   path.c_str(), static_cast<long long>(patience.count()));
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  std::fprintf(stderr, "pellumo: cannot lock %s; saving without it\n", path.c_str());
}

SettingsLock::~SettingsLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

}  // namespace pellumo
