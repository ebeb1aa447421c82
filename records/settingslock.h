#pragma once
// The lock that every running copy of the game takes around each change of
// the settings file, so that two copies finishing games at the same moment
// both get counted. It is an advisory lock (flock) on the settings folder
// and on a file beside the settings file, "pellumo.ini.lock", which stays
// there empty. Older copies of the game lock only the file; the folder's
// lock keeps copies apart when the file cannot be used (a link in its
// place, another account's private file).
//
// Readers take no lock: every change replaces the file in one rename, so a
// read sees the old file or the new one, never a mix.
#include <chrono>
#include <string>

namespace pellumo {

class SettingsLock {
 public:
  enum class State {
    Held,
    Busy,         // another copy held it for longer than the patience allowed
    Unavailable,  // nothing could be locked (the folder cannot be opened)
  };

  // Waits up to patience for the other copies, never longer: a copy stopped
  // in a debugger must not hang this one. A lock file that exists but
  // cannot be used is said once per run on standard error.
  SettingsLock(const std::string& settingsPath, std::chrono::milliseconds patience);
  ~SettingsLock();
  SettingsLock(const SettingsLock&) = delete;
  SettingsLock& operator=(const SettingsLock&) = delete;

  State Got() const { return state_; }
  bool Held() const { return state_ == State::Held; }
  // Why nothing could be locked, when Unavailable (an errno value).
  int Error() const { return error_; }

 private:
  int folderFd_ = -1;
  int fileFd_ = -1;
  State state_ = State::Unavailable;
  int error_ = 0;
};

// The lock file that goes with a settings file.
std::string SettingsLockPath(const std::string& settingsPath);

}  // namespace pellumo
