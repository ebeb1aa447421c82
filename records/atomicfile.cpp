#include "records/atomicfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pellumo {

thread_local std::int64_t AtomicWriteFailAfterBytes = -1;
thread_local bool AtomicWriteSyncFails = false;

namespace {

bool WriteAll(int fd, std::string_view data) {
  const bool diskFull = AtomicWriteFailAfterBytes >= 0 &&
                        static_cast<std::uint64_t>(AtomicWriteFailAfterBytes) < data.size();
  const std::size_t limit =
      diskFull ? static_cast<std::size_t>(AtomicWriteFailAfterBytes) : data.size();
  std::size_t done = 0;
  while (done < limit) {
    const ssize_t n = ::write(fd, data.data() + done, limit - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  if (diskFull) errno = ENOSPC;
  return !diskFull;
}

// Without this, a power cut soon after the rename can bring the file back
// empty: the new name may reach the disk before the new content.
bool Sync(int fd) {
  if (AtomicWriteSyncFails) {
    errno = EIO;
    return false;
  }
  return ::fsync(fd) == 0;
}

// The file a write of path really replaces: through a symbolic link, the
// file it points at, not the link.
std::string Target(const std::string& path) {
  std::string target = path;
  if (char* real = ::realpath(path.c_str(), nullptr)) {
    target = real;
    std::free(real);
  }
  return target;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

constexpr std::string_view kTempSuffix = ".XXXXXX";

// Makes the rename itself durable; a failure here loses nothing, so it is
// not reported.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool AtomicWriteFile(const std::string& path, std::string_view content) {
  const std::string target = Target(path);
  const std::string folder = FolderOf(target);

  mode_t mode = 0644;
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) {
    // A rename could replace a read-only file; honour its protection instead.
    if (::access(target.c_str(), W_OK) != 0) return false;
    mode = old.st_mode & 07777;
  }

  std::string temp = target + std::string(kTempSuffix);
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, content) && Sync(fd);
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}

void RemoveLeftoverTemporaries(const std::string& path) {
  const std::string target = Target(path);
  const std::string folder = FolderOf(target);
  const std::string prefix = target.substr(target.rfind('/') + 1) + ".";
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  const auto isTempLetter = [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
  };
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.size() != prefix.size() + kTempSuffix.size() - 1 || !name.starts_with(prefix))
      continue;
    const std::string_view letters = name.substr(prefix.size());
    if (!std::all_of(letters.begin(), letters.end(), isTempLetter)) continue;
    struct stat st {};
    // Only regular files: never a folder or a link a player put there.
    if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(st.st_mode)) {
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
  }
  ::closedir(dir);
}

}  // namespace pellumo
