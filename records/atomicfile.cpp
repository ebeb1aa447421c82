#include "records/atomicfile.h"

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pellumo {

thread_local std::int64_t AtomicWriteFailAfterBytes = -1;

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
  // Through a symbolic link, replace the file it points at, not the link.
  std::string target = path;
  if (char* real = ::realpath(path.c_str(), nullptr)) {
    target = real;
    std::free(real);
  }
  const std::size_t slash = target.rfind('/');
  const std::string folder =
      slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);

  mode_t mode = 0644;
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) {
    // A rename could replace a read-only file; honour its protection instead.
    if (::access(target.c_str(), W_OK) != 0) return false;
    mode = old.st_mode & 07777;
  }

  std::string temp = target + ".XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, content) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}

}  // namespace pellumo
