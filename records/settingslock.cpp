#include "records/settingslock.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pellumo {

namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// Opens the lock file, creating it when missing. Another account's lock file
// in a shared folder can still be locked through a read-only descriptor.
int OpenLockFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
  if (fd < 0) fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd >= 0) return fd;
  const int error = errno;
  struct stat st {};
  // Missing in a read-only folder is no fault: the change fails on its own.
  static std::atomic<bool> said{false};
  if (::lstat(path.c_str(), &st) == 0 && !said.exchange(true)) {
    std::fprintf(stderr, "pellumo: cannot use the lock file %s (%s); locking its folder only\n",
                 path.c_str(), std::strerror(error));
  }
  return -1;
}

enum class Try { Locked, Busy, Unsupported };

// Tries to lock fd until deadline. Unsupported: this descriptor cannot be
// locked at all (NFS emulates flock with record locks, which a folder or a
// read-only file cannot take); errno says why.
Try LockBy(int fd, std::chrono::steady_clock::time_point deadline) {
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return Try::Locked;
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return Try::Unsupported;
    if (std::chrono::steady_clock::now() >= deadline) return Try::Busy;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace

std::string SettingsLockPath(const std::string& settingsPath) { return settingsPath + ".lock"; }

SettingsLock::SettingsLock(const std::string& settingsPath, std::chrono::milliseconds patience) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  // Always the folder first, then the file: two copies never wait on each
  // other crosswise.
  folderFd_ = ::open(FolderOf(settingsPath).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  error_ = folderFd_ < 0 ? errno : 0;
  fileFd_ = OpenLockFile(SettingsLockPath(settingsPath));
  // What cannot be locked at all is left out; every copy on that file
  // system leaves it out alike, so the copies still share what remains.
  bool held = false;
  for (int* fd : {&folderFd_, &fileFd_}) {
    if (*fd < 0) continue;
    switch (LockBy(*fd, deadline)) {
      case Try::Locked:
        held = true;
        break;
      case Try::Busy:
        state_ = State::Busy;
        return;
      case Try::Unsupported:
        error_ = errno;
        ::close(*fd);
        *fd = -1;
        break;
    }
  }
  state_ = held ? State::Held : State::Unavailable;
}

SettingsLock::~SettingsLock() {  // closing releases the locks
  if (fileFd_ >= 0) ::close(fileFd_);
  if (folderFd_ >= 0) ::close(folderFd_);
}

}  // namespace pellumo
