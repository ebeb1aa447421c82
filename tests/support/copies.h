#pragma once
// Several copies of the game as real processes (started at one moment, or
// as another account), and what they leave in a folder.
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/fakeui.h"

namespace pellumo::testing {

// Runs body in a child process, which exits with body's result.
inline pid_t Spawn(const std::function<int()>& body) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  return pid;
}

// Waits for the child's end: its exit status, -1 when it did not exit.
inline int ExitOf(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs body(0) .. body(count - 1) in child processes that all start at the
// same moment; their exit statuses in that order.
inline std::vector<int> AllAtOnce(int count, const std::function<int(int)>& body) {
  int gun[2];  // its closing starts every child blocked on reading it
  if (::pipe(gun) != 0) return {};
  std::vector<pid_t> copies;
  for (int c = 0; c < count; ++c) {
    copies.push_back(Spawn([&] {
      ::close(gun[1]);
      char byte;
      [[maybe_unused]] ssize_t n = ::read(gun[0], &byte, 1);
      return body(c);
    }));
  }
  ::close(gun[0]);
  ::close(gun[1]);
  std::vector<int> statuses;
  for (const pid_t pid : copies) statuses.push_back(ExitOf(pid));
  return statuses;
}

// Gives up root for the "nobody" account (65534 on Debian); false when that
// cannot be done, or when it could and root's powers remain.
inline bool BecomeNobody() {
  return ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0 &&
         ::access("/", W_OK) != 0;
}

// How often word occurs in text.
inline std::size_t Occurrences(const std::string& text, const std::string& word) {
  std::size_t n = 0;
  for (std::size_t at = 0; (at = text.find(word, at)) != std::string::npos; ++at) ++n;
  return n;
}

// Every entry under a folder, with the bytes of each regular file; the
// empty lock files that running copies share count only when asked for.
inline std::map<std::string, std::string> Snapshot(const std::string& folder, bool locks = false) {
  std::map<std::string, std::string> entries;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
    if (locks || e.path().extension() != ".lock")
      entries[e.path()] = e.is_symlink() ? "link" : e.is_directory() ? "dir"
                          : e.is_regular_file() ? ReadFile(e.path()) : "?";
  return entries;
}

}  // namespace pellumo::testing
