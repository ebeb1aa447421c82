// Whole games played while the settings cannot be written: the game must run
// to its end, must not lose anything the file held before, and must never
// leave a half-written or temporary file behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <grp.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "engine/game.h"
#include "records/atomicfile.h"
#include "support/fakeui.h"

namespace pellumo {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;

const std::string kStored = "[DIFFICULTY]\nLEVEL=2\n[STATS]\nEXPERT_PLAY=7\nEXPERT_WON=3\n";

// A rig whose window loads after the test stored kStored.
struct StoredRig : testing::Rig {
  std::string ini = folder.file("pellumo.ini");
  StoredRig() { testing::WriteFile(ini, kStored); game.Load(); }
  // Claims every free line in turn, the computer answering; true when the
  // game ended exactly once with every box scored.
  bool PlayToTheEnd() {
    ui.messages.clear();
    testing::ClaimEveryLine(game);
    int ends = 0;
    for (const auto& [title, text] : ui.messages) ends += title == "Game Over";
    return game.BoardFull() && ends == 1 && game.Player1Score + game.Player2Score == kBoxes;
  }
  // No temporary or other file beside the settings file and its lock.
  bool IniAlone() const {
    for (const auto& e : fs::directory_iterator(folder.path()))
      if (e.path() != ini && e.path() != ini + ".lock") return false;
    return true;
  }
};

TEST(SettingsFaults, DiskFullThroughAWholeGameLosesNothing) {
  StoredRig r;
  AtomicWriteFailAfterBytes = 12;  // every write runs out of room part way
  r.game.mnuDiff_Click(0);
  EXPECT_TRUE(r.PlayToTheEnd());
  AtomicWriteFailAfterBytes = -1;
  EXPECT_EQ(ReadFile(r.ini), kStored);
  EXPECT_TRUE(r.IniAlone());
  // With room again the next game, at the stored level, is counted as usual.
  r.game.mnunew_Click();
  ASSERT_TRUE(r.PlayToTheEnd());
  EXPECT_EQ(r.profile.ProfileReadInt("STATS", "EXPERT_PLAY"), 8);
}

// Protected settings as an account that honours permissions meets them: a
// read-only folder through a whole game, then in a writable folder a
// read-only and an unreadable file. "" when all went well, else the faults.
std::string ProtectedSettingsScenario() {
  StoredRig r;
  std::string fault;
  ::chmod(r.folder.path().c_str(), 0555);
  if (!r.PlayToTheEnd()) fault += "the game did not run to its end; ";
  if (!r.IniAlone()) fault += "files left behind; ";
  ::chmod(r.folder.path().c_str(), 0755);
  for (const mode_t mode : {0444, 0200}) {  // a file we cannot read must not be rewritten blind
    ::chmod(r.ini.c_str(), mode);
    if (r.profile.ProfileWriteString("STATS", "EXPERT_WON", "9") != 0)
      fault += "wrote to a protected file; ";
    ::chmod(r.ini.c_str(), 0644);
  }
  if (ReadFile(r.ini) != kStored) fault += "the stored settings changed; ";
  return fault;
}

TEST(SettingsFaults, ProtectedFolderOrFileIsNeverWritten) {
  if (::geteuid() != 0) {
    EXPECT_EQ(ProtectedSettingsScenario(), "");
    return;
  }
  // Root writes anywhere, so the scenario runs in a child that has given up
  // root for the "nobody" account and reports back through a pipe.
  // A child that dies early says nothing, and its exit status tells.
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::string result = "could not become nobody";
    if (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0)
      result = ::access("/", W_OK) == 0 ? "still privileged" : ProtectedSettingsScenario();
    [[maybe_unused]] ssize_t n = ::write(fds[1], result.data(), result.size());
    ::_exit(0);
  }
  ::close(fds[1]);
  std::string result;
  char buf[512];
  for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) result.append(buf, n);
  ::close(fds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (result == "could not become nobody") GTEST_SKIP() << "no way to drop root here";
  EXPECT_EQ(result, "");
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace pellumo
