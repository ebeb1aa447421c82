// Whole games played while the settings file or its folder is damaged or
// failing: the game must keep running to the end of the game, must not lose
// anything the file held before, and must never leave a half-written or
// temporary file behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <grp.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

#include "engine/game.h"
#include "records/atomicfile.h"
#include "records/movelog.h"
#include "records/profileman.h"
#include "support/fakeui.h"

namespace pellumo {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::RecordingUi;
using testing::TempFolder;
using testing::WriteFile;

// A game on a settings folder the test has prepared before the window loads.
struct Table {
  explicit Table(const std::string& folder) : profile(folder) {
    ui.game = &game;
    game.Load();
  }
  ProfileMan profile;
  RecordingUi ui;
  ScriptedRandom random{4242};
  Game game{profile, ui, random};

  // Draws free lines in order, the computer answering, until the board is
  // full; true when the game reached its end.
  bool PlayToTheEnd() {
    for (int guard = 0; guard < 200 && !game.BoardFull(); ++guard) {
      bool clicked = false;
      for (const char* compass : {"horz", "vert"}) {
        for (int n = 1; n <= kLinesPerOrientation && !clicked; ++n)
          clicked = testing::Claim(game, compass, n);
        if (clicked) break;
      }
    }
    int ends = 0;
    for (const auto& [title, text] : ui.messages) ends += title == "Game Over";
    return game.BoardFull() && ends == 1 && game.Player1Score + game.Player2Score == kBoxes;
  }
};

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

const std::string kStored =
    "[DIFFICULTY]\nLEVEL=2\n[STATS]\nEXPERT_PLAY=7\nEXPERT_WON=3\n"
    "[HIGH_SCORES_EXPERT]\nFIRST_NAME=Ann\nFIRST_SCORE=40\n";

TEST(SettingsFaults, FileReplacedByADirectory) {
  TempFolder folder;
  const std::string ini = folder.file("pellumo.ini");
  fs::create_directory(ini);
  WriteFile(ini + "/keep", "mine");
  Table t(folder.path());
  EXPECT_EQ(t.game.DifficultyLevel, "NOVICE") << "nothing readable: the first level";
  t.game.mnuDiff_Click(1);
  EXPECT_TRUE(t.PlayToTheEnd());
  EXPECT_TRUE(fs::is_directory(ini));
  EXPECT_EQ(ReadFile(ini + "/keep"), "mine");
  EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"pellumo.ini"});
}

TEST(SettingsFaults, EmptyFileIsFilledInByTheGame) {
  TempFolder folder;
  const std::string ini = folder.file("pellumo.ini");
  WriteFile(ini, "");
  Table t(folder.path());
  EXPECT_EQ(t.game.DifficultyLevel, "NOVICE");
  ASSERT_TRUE(t.PlayToTheEnd());
  EXPECT_EQ(t.profile.ProfileReadInt("STATS", "NOVICE_PLAY"), 1);
  EXPECT_EQ(t.profile.ProfileReadInt("DIFFICULTY", "LEVEL"), 0);
  EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"pellumo.ini"});
}

TEST(SettingsFaults, MegabyteOfBinaryJunkIsKeptAndPlayedAround) {
  TempFolder folder;
  const std::string ini = folder.file("pellumo.ini");
  std::mt19937 bytes(99);
  std::string junk(1 << 20, '\0');
  for (char& c : junk) c = static_cast<char>(bytes());
  WriteFile(ini, junk);
  Table t(folder.path());
  ASSERT_TRUE(t.PlayToTheEnd());
  const std::string after = ReadFile(ini);
  EXPECT_EQ(after.compare(0, junk.size(), junk), 0) << "the junk someone left is not ours to drop";
  const std::int16_t level = t.profile.ProfileReadInt("DIFFICULTY", "LEVEL");
  EXPECT_TRUE(level >= 0 && level <= 2) << level;
  EXPECT_EQ(t.profile.ProfileReadInt("STATS", t.game.DifficultyLevel + "_PLAY"), 1);
  EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"pellumo.ini"});
}

TEST(SettingsFaults, DiskFullAtTheEndOfAGameLosesNothing) {
  TempFolder folder;
  const std::string ini = folder.file("pellumo.ini");
  WriteFile(ini, kStored);
  Table t(folder.path());
  const std::string before = ReadFile(ini);
  for (const std::int64_t room : {0, 1, 30}) {
    AtomicWriteFailAfterBytes = room;
    t.game.mnuDiff_Click(0);  // the level menu writes too
    EXPECT_EQ(ReadFile(ini), before) << room;
    AtomicWriteFailAfterBytes = -1;
  }
  AtomicWriteFailAfterBytes = 12;
  const bool ended = t.PlayToTheEnd();
  AtomicWriteFailAfterBytes = -1;
  EXPECT_TRUE(ended);
  EXPECT_EQ(ReadFile(ini), before);
  EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"pellumo.ini"});
  // And once there is room again the next game is counted as usual.
  t.ui.messages.clear();
  t.game.mnunew_Click();
  ASSERT_TRUE(t.PlayToTheEnd());
  EXPECT_EQ(t.profile.ProfileReadInt("STATS", "EXPERT_PLAY"), 8);
}

TEST(SettingsFaults, FolderThatDoesNotExist) {
  TempFolder folder;
  const std::string gone = folder.file("gone");
  Table t(gone);
  t.game.mnuDiff_Click(2);
  EXPECT_TRUE(t.PlayToTheEnd());
  EXPECT_FALSE(fs::exists(gone)) << "the game does not make folders";
}

// The read-only settings folder, as an account that honours permissions
// would meet it. "" when all went as it should, else what went wrong.
std::string ReadOnlyFolderScenario() {
  std::string base = fs::temp_directory_path().string() + "/pellumo-ro-XXXXXX";
  if (::mkdtemp(base.data()) == nullptr) return "mkdtemp failed";
  const std::string ini = base + "/pellumo.ini";
  WriteFile(ini, kStored);
  ::chmod(base.c_str(), 0555);
  std::string fault;
  {
    Table t(base);
    if (t.game.DifficultyLevel != "EXPERT") fault += "stored level not read; ";
    t.game.mnuDiff_Click(1);
    if (!t.PlayToTheEnd()) fault += "the game did not run to its end; ";
    if (ReadFile(ini) != kStored) fault += "the stored settings changed; ";
    if (Entries(base) != std::vector<std::string>{"pellumo.ini"}) fault += "files left behind; ";
    AllTheMoves moves;
    moves.Add("horz", 1, 1);
    ::testing::internal::CaptureStderr();
    const bool logged = WriteMoveLog(base + "/myboxmoves.csv", moves);
    const std::string said = ::testing::internal::GetCapturedStderr();
    if (logged || said.find("myboxmoves.csv") == std::string::npos)
      fault += "the move log did not fail with a message; ";
    if (fs::exists(base + "/myboxmoves.csv")) fault += "a move log was created; ";
  }
  ::chmod(base.c_str(), 0755);
  std::error_code ec;
  fs::remove_all(base, ec);
  return fault;
}

TEST(SettingsFaults, ReadOnlyFolder) {
  if (::geteuid() != 0) {
    EXPECT_EQ(ReadOnlyFolderScenario(), "");
    return;
  }
  // Root writes anywhere, so the scenario runs in a child that has given up
  // root for the "nobody" account and reports back through a pipe.
  int pipeFds[2];
  ASSERT_EQ(::pipe(pipeFds), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(pipeFds[0]);
    std::string result = "could not become nobody";
    if (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0)
      result = ::access("/", W_OK) == 0 ? "still privileged" : ReadOnlyFolderScenario();
    result += "\n";
    [[maybe_unused]] ssize_t n = ::write(pipeFds[1], result.data(), result.size());
    ::_exit(0);
  }
  ::close(pipeFds[1]);
  std::string result;
  char buf[512];
  for (ssize_t n; (n = ::read(pipeFds[0], buf, sizeof buf)) > 0;) result.append(buf, n);
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (result == "could not become nobody\n") GTEST_SKIP() << "no way to drop root here";
  EXPECT_EQ(result, "\n");
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(MoveLogFaults, TargetThatCannotBeWritten) {
  TempFolder folder;
  AllTheMoves moves;
  moves.Add("vert", 7, 2);
  const std::string dir = folder.file("myboxmoves.csv");
  fs::create_directory(dir);
  const std::string missing = folder.file("no/such/folder/myboxmoves.csv");
  for (const std::string& path : {dir, missing}) {
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(WriteMoveLog(path, moves)) << path;
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(path), std::string::npos) << said;
  }
  EXPECT_TRUE(fs::is_directory(dir));
  EXPECT_TRUE(fs::is_empty(dir));
  EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"myboxmoves.csv"});
}

}  // namespace
}  // namespace pellumo
