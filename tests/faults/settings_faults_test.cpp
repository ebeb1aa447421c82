// Whole games played while the settings cannot be written: the game must run
// to its end, must not lose anything the file held before, and must never
// leave a half-written or temporary file behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <grp.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "engine/game.h"
#include "records/atomicfile.h"
#include "records/movelog.h"
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
  // game ended exactly once (its one message box) with every box scored.
  bool PlayToTheEnd() {
    ui.messages.clear();
    testing::ClaimEveryLine(game);
    return game.BoardFull() && ui.messages.size() == 1 &&
           game.Player1Score + game.Player2Score == kBoxes;
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
  // root for the "nobody" account. It prints its faults and exits 1, or
  // exits 2 when it cannot give up root; a child that dies early tells by
  // its status too.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
    const std::string fault =
        ::access("/", W_OK) == 0 ? "still privileged" : ProtectedSettingsScenario();
    if (!fault.empty()) std::fprintf(stderr, "%s\n", fault.c_str());
    ::_exit(fault.empty() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (WIFEXITED(status) && WEXITSTATUS(status) == 2) GTEST_SKIP() << "no way to drop root here";
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child's faults are above";
}

// Run as root with a player's HOME (sudo -E), the game meets the player's
// files (here the "nobody" account's). It writes nothing in the player's
// own settings folder, nor through a link into another account's file, and
// removes nothing beside that file; the move log likewise. A folder shared
// by several players, as the portable build's, stays writable.
TEST(SettingsFaults, AnotherAccountsFilesAreNeverWrittenThroughOrRemoved) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to make files of another account";
  testing::TempFolder home;
  const auto make = [&](const std::string& name, const char* content) {
    const std::string path = home.file(name);
    fs::create_directories(fs::path(path).parent_path());
    if (content != nullptr) testing::WriteFile(path, content);
    return path;
  };
  const auto theirs = [&](const std::string& name) {
    for (fs::path p = home.file(name); p.string().size() > home.path().size(); p = p.parent_path())
      EXPECT_EQ(::chown(p.c_str(), 65534, 65534), 0) << p;
  };
  for (const char* name : {".config/pellumo/pellumo.ini", "dotfiles/thesis",
                           "dotfiles/thesis.backup", "dotfiles/.thesis.pellumo-tmp.Ab3dE9",
                           "own.csv"})
    theirs(make(name, kStored.c_str()).substr(home.path().size() + 1));
  make("fresh/", nullptr);
  theirs("fresh");
  make("mine/pellumo.ini.lock", "");  // root's own folder: its lock is no harm
  fs::create_symlink(home.file("dotfiles/thesis"), home.file("mine/pellumo.ini"));
  fs::create_symlink(home.file("dotfiles/thesis"), home.file("myboxmoves.csv"));
  const auto everything = [&] {
    std::map<std::string, std::string> entries;
    for (const auto& e : fs::recursive_directory_iterator(home.path()))
      entries[e.path()] = e.is_symlink() ? "link" : e.is_directory() ? "dir" : ReadFile(e.path());
    return entries;
  };
  const auto before = everything();

  const auto save = [&](const char* folder, bool perPlayer) {
    return ProfileMan(home.file(folder), "", perPlayer).ProfileWriteString("S", "K", "v");
  };
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(save(".config/pellumo", true), 0);
  EXPECT_EQ(save("fresh/pellumo", true), 0);
  EXPECT_EQ(save("mine", false), 0);
  EXPECT_FALSE(WriteMoveLog(home.file("myboxmoves.csv"), AllTheMoves()));
  EXPECT_FALSE(WriteMoveLog(home.file("own.csv"), AllTheMoves()));
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(everything(), before);
  std::size_t told = 0;
  for (std::size_t at = 0; (at = said.find("another user", at)) != std::string::npos; ++at) ++told;
  EXPECT_EQ(told, 5u) << said;

  make("shared/", nullptr);
  theirs("shared");
  EXPECT_EQ(save("shared", false), 1);
}

}  // namespace
}  // namespace pellumo
