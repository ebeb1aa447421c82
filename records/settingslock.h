#pragma once
// The lock that every running copy of the game takes around each change of
// the settings file, so that two copies finishing games at the same moment
// both get counted. It is an advisory lock (flock) on a file beside the
// settings file, "pellumo.ini.lock", which stays there empty.
//
// Readers take no lock: every change replaces the file in one rename, so a
// read sees the old file or the new one, never a mix.
#include <chrono>
#include <string>

namespace pellumo {

class SettingsLock {
 public:
  // Waits up to patience for the other copies. A lock held longer than that
  // (a copy stopped in a debugger, say) is not worth a hung game: the change
  // then goes ahead without it, and one line on standard error says so.
  // Without a lock file (a read-only folder) there is nothing to coordinate:
  // the change will fail on its own.
  SettingsLock(const std::string& settingsPath, std::chrono::milliseconds patience);
  ~SettingsLock();
  SettingsLock(const SettingsLock&) = delete;
  SettingsLock& operator=(const SettingsLock&) = delete;

  bool Held() const { return held_; }

 private:
  int fd_ = -1;
  bool held_ = false;
};

// The lock file that goes with a settings file.
std::string SettingsLockPath(const std::string& settingsPath);

}  // namespace pellumo
