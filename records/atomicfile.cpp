#include "records/atomicfile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pellumo {

thread_local std::int64_t AtomicWriteFailAfterBytes = -1;
thread_local bool AtomicWriteSyncFails = false;
thread_local void (*AtomicWriteBeforeRename)() = nullptr;

namespace {

constexpr std::string_view kMarker = ".pellumo-tmp.";
constexpr std::size_t kRandomLetters = 6;

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
// file it points at, not the link. A link to another user's file is not
// ours to write through (a game run as root with a player's HOME would
// otherwise put its lines into root's files): then why says so.
std::string Target(const std::string& path, WhyNot& why) {
  struct stat link {};
  if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
  char* real = ::realpath(path.c_str(), nullptr);
  if (real == nullptr) return path;  // a dangling link: the link itself is replaced
  std::string target = real;
  std::free(real);
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0 && st.st_uid != ::geteuid())
    why = {"it is a link to %1, which belongs to another user", target};
  return target;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseName(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// Creates a new temporary file beside target with mode (the kernel applies
// the umask), its name in temp.
int MakeTemporary(const std::string& target, mode_t mode, std::string& temp) {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  const std::string prefix =
      FolderOf(target) + "/." + BaseName(target) + std::string(kMarker);
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned char bytes[kRandomLetters];
    if (::getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) return -1;
    temp = prefix;
    for (const unsigned char b : bytes) temp += kLetters[b % (sizeof kLetters - 1)];
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Makes the rename itself durable; a failure here loses nothing, so it is
// not reported.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

WriteOutcome Failure(WhyNot why) { return {false, std::move(why)}; }
WriteOutcome Failure(int error) { return {false, {"%1", std::strerror(error)}}; }

}  // namespace

std::string WhyNot::English() const {
  std::string sentence = text;
  if (const std::size_t at = sentence.find("%1"); at != std::string::npos) sentence.replace(at, 2, detail);
  return sentence;
}

WriteOutcome AtomicWriteFile(const std::string& path, std::string_view content,
                             bool ownFileOnly) {
  WhyNot why;
  const std::string target = Target(path, why);
  if (!why.empty()) return Failure(why);

  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  if (replacing) {
    if (ownFileOnly && old.st_uid != ::geteuid()) return Failure({"it belongs to another user", {}});
    // A rename could replace a read-only file; honour its protection instead.
    if (::access(target.c_str(), W_OK) != 0) return Failure(errno);
  }

  std::string temp;
  const int fd = MakeTemporary(target, replacing ? 0600 : 0666, temp);
  if (fd < 0) return Failure(errno);
  bool ok = true;
  if (replacing) {
    // The group may not be ours to give (the writer is not in it): then the
    // file takes the writer's, as any new file would.
    if (old.st_gid != ::getegid()) (void)!::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  }
  ok = ok && WriteAll(fd, content) && Sync(fd);
  int error = errno;
  ok = ::close(fd) == 0 && ok;
  if (ok && AtomicWriteBeforeRename != nullptr) AtomicWriteBeforeRename();
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return Failure(error);
  }
  SyncFolder(FolderOf(target));
  return {true, {}};
}

void RemoveLeftoverTemporaries(const std::string& path) {
  WhyNot why;
  const std::string target = Target(path, why);
  if (!why.empty()) return;  // beside another user's file nothing is ours
  const std::string prefix = "." + BaseName(target) + std::string(kMarker);
  DIR* dir = ::opendir(FolderOf(target).c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.size() != prefix.size() + kRandomLetters || !name.starts_with(prefix)) continue;
    struct stat st {};
    // Only regular files of ours: never a folder, a link, or another
    // player's write under way in a shared folder.
    if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) {
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
  }
  ::closedir(dir);
}

}  // namespace pellumo
