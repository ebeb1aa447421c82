// One settings file shared by several running copies of the game, the
// installed game's per-player file, and writers killed part way.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <pwd.h>
#include <unistd.h>

#include "computer/computer.h"
#include "records/highscores.h"
#include "records/inifile.h"
#include "records/places.h"
#include "records/profileman.h"
#include "records/settingslock.h"
#include "support/fakeui.h"

namespace pellumo {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

// Runs body in a child process, which exits with body's result.
pid_t Spawn(const std::function<int()>& body) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  return pid;
}

int ExitStatus(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A pipe whose closing starts every child blocked on it at the same moment.
struct StartingGun {
  int fds[2];
  StartingGun() { EXPECT_EQ(::pipe(fds), 0); }
  void Wait() {  // in a child
    ::close(fds[1]);
    char byte;
    [[maybe_unused]] ssize_t n = ::read(fds[0], &byte, 1);
  }
  void Fire() {
    ::close(fds[0]);
    ::close(fds[1]);
  }
};

TEST(SharedSettings, CopiesPlayingAtOnceCountEveryGame) {
  TempFolder folder;
  constexpr int kCopies = 3, kGames = 100;
  StartingGun gun;
  std::vector<pid_t> copies;
  for (int c = 0; c < kCopies; ++c) {
    copies.push_back(Spawn([&] {  // exits with the number of games won
      ProfileMan profile(folder.path());
      testing::RecordingUi ui;
      ScriptedRandom random(1000 + c);
      ComputerPlayer computer(random);
      Game game(profile, ui, computer.TurnHook());
      ui.game = &game;
      game.Load();
      gun.Wait();
      int won = 0;
      for (int g = 0; g < kGames; ++g) {
        testing::ClaimEveryLine(game);
        won += game.Player1Score > game.Player2Score;
        game.mnunew_Click();
      }
      return won;
    }));
  }
  gun.Fire();
  int won = 0;
  for (const pid_t pid : copies) won += ExitStatus(pid);
  ProfileMan profile(folder.path());
  EXPECT_EQ(profile.ProfileReadInt("STATS", "NOVICE_PLAY"), kCopies * kGames);
  EXPECT_EQ(profile.ProfileReadInt("STATS", "NOVICE_WON"), won);
}

// Both OKs come after both reads and keep both names, ranked. A third entry,
// read when it still qualified, no longer does after them and is left out.
TEST(SharedSettings, TwoCopiesEachAddATableEntryAndBothSurvive) {
  TempFolder folder;
  ProfileMan profile(folder.path());
  const std::string section = HighScoreSection("EXPERT");
  for (const auto& [row, name, score] : {std::tuple{"1", "Old", "20"}, {"2", "P", "12"}, {"3", "Q", "10"}}) {
    profile.ProfileWriteString(section, std::string("NAME") + row, name);
    profile.ProfileWriteString(section, std::string("SCORE") + row, score);
  }
  HighScoreTable late = ReadHighScoreTable(profile.ProfileRead(), "EXPERT");
  EnterHighScore(late, HighScoreRowFor(late, 5), 5);
  late.MyName[3] = "Late";

  // Each copy reads the table and takes the name before either presses OK.
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  StartingGun ok;
  std::vector<pid_t> copies;
  for (const auto& [name, score] : {std::pair{"First", 30}, {"Second", 25}}) {
    copies.push_back(Spawn([&, name = name, score = score] {
      ProfileMan mine(folder.path());
      HighScoreTable table = ReadHighScoreTable(mine.ProfileRead(), "EXPERT");
      const int row = HighScoreRowFor(table, static_cast<std::int16_t>(score));
      EnterHighScore(table, row, static_cast<std::int16_t>(score));
      table.MyName[static_cast<std::size_t>(row)] = name;
      [[maybe_unused]] ssize_t n = ::write(ready[1], "r", 1);
      ok.Wait();
      return SaveHighScoreTable(mine, table) ? 0 : 1;
    }));
  }
  char byte;
  for (int i = 0; i < 2; ++i) ASSERT_EQ(::read(ready[0], &byte, 1), 1);
  ok.Fire();
  for (const pid_t pid : copies) EXPECT_EQ(ExitStatus(pid), 0);
  const HighScoreTable stored = ReadHighScoreTable(profile.ProfileRead(), "EXPERT");
  EXPECT_EQ(stored.MyName, (std::array<std::string, 5>{"First", "Second", "Old", "P", "Q"}));
  EXPECT_EQ(stored.Score, (std::array<std::string, 5>{"30", "25", "20", "12", "10"}));

  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(SaveHighScoreTable(profile, late)) << "5 is below fifth place now";
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_EQ(ReadHighScoreTable(profile.ProfileRead(), "EXPERT").MyName, stored.MyName);
}

TEST(SharedSettings, ALockHeldTooLongIsPassedWithOneLineOnStandardError) {
  TempFolder folder;
  ProfileMan profile(folder.path());
  profile.LockPatience = std::chrono::milliseconds(50);
  profile.ProfileWriteString("DIFFICULTY", "LEVEL", "0");  // makes the lock file

  ::testing::internal::CaptureStderr();
  profile.ProfileWriteString("DIFFICULTY", "LEVEL", "1");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "a free lock is taken silently";

  // Another copy stuck with the lock: this open file is a holder of its own.
  const int holder = ::open(folder.file("pellumo.ini.lock").c_str(), O_RDWR);
  ASSERT_EQ(::flock(holder, LOCK_EX), 0);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(profile.ProfileWriteString("DIFFICULTY", "LEVEL", "2"), 1);
  const std::string said = ::testing::internal::GetCapturedStderr();
  ::close(holder);
  EXPECT_EQ(profile.ProfileReadString("DIFFICULTY", "LEVEL"), "2");
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("pellumo.ini.lock"), std::string::npos) << said;
}

// Copies of the game killed at random moments while they save: the file is
// whole every time, and what a killed copy left is gone after the next save.
TEST(SharedSettings, KilledWritersLeaveAWholeFileAndNoLitter) {
  TempFolder folder;
  const std::string ini = folder.file("pellumo.ini");
  const std::string padding(20000, 'p');  // a longer write, a wider window
  std::mt19937 delays(7);
  for (int round = 0; round < 40; ++round) {
    const pid_t writer = Spawn([&] {
      ProfileMan profile(folder.path());
      for (int n = 0;; ++n) {
        profile.ProfileChange([&](ProfileText& text) {
          text.ProfileWriteString("STATS", "NOVICE_PLAY", std::to_string(n));
          text.ProfileWriteString("Padding", "P", padding);
        });
      }
      return 0;
    });
    ::usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(delays));
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
    if (!fs::exists(ini)) continue;  // killed before its first save
    const std::string text = ReadFile(ini);
    ASSERT_TRUE(IniLookup(text, "Padding", "P") == padding) << "round " << round;
    ASSERT_TRUE(IniLookup(text, "STATS", "NOVICE_PLAY")) << "round " << round;
  }
  ProfileMan profile(folder.path());
  ASSERT_EQ(profile.ProfileWriteString("DIFFICULTY", "LEVEL", "0"), 1);
  std::vector<std::string> entries;
  for (const auto& e : fs::directory_iterator(folder.path())) entries.push_back(e.path().filename());
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (std::vector<std::string>{"pellumo.ini", "pellumo.ini.lock"}));
}

TEST(SharedSettings, ASaveRemovesOnlyTheTemporaryFilesOfItsOwnFile) {
  TempFolder folder;
  for (const char* name : {"pellumo.ini.Ab3dE9", "pellumo.ini.zzzzzz", "pellumo.ini.keep",
                           "pellumo.ini.Ab3dE9x", "other.ini.Ab3dE9"})
    WriteFile(folder.file(name), "x");
  fs::create_directory(folder.file("pellumo.ini.folder"));
  ProfileMan profile(folder.path());
  profile.ProfileWriteString("DIFFICULTY", "LEVEL", "0");
  EXPECT_FALSE(fs::exists(folder.file("pellumo.ini.Ab3dE9")));
  EXPECT_FALSE(fs::exists(folder.file("pellumo.ini.zzzzzz")));
  for (const char* kept : {"pellumo.ini.keep", "pellumo.ini.Ab3dE9x", "other.ini.Ab3dE9",
                           "pellumo.ini.folder"})
    EXPECT_TRUE(fs::exists(folder.file(kept))) << kept;
}

TEST(InstalledPlaces, SettingsFolderFollowsTheBaseDirectoryRules) {
  const std::string passwdHome = ::getpwuid(::getuid())->pw_dir;
  const struct { const char *xdg, *home; std::string folder; } cases[] = {
      {"/x/cfg", "/home/p", "/x/cfg/pellumo"},
      {"/x/cfg//", "/home/p", "/x/cfg/pellumo"},
      {"cfg", "/home/p", "/home/p/.config/pellumo"},  // relative: ignored
      {"", "/home/p/", "/home/p/.config/pellumo"},
      {nullptr, "/", "/.config/pellumo"},
      {nullptr, nullptr, passwdHome + "/.config/pellumo"},
      {nullptr, "", passwdHome + "/.config/pellumo"},
  };
  for (const auto& c : cases) {
    const GamePlaces places = InstalledPlaces("/usr/share/games/pellumo", [&](const char* name) {
      return std::string(name) == "XDG_CONFIG_HOME" ? c.xdg : std::string(name) == "HOME" ? c.home : nullptr;
    });
    EXPECT_EQ(places.settingsFolder, c.folder) << (c.xdg ? c.xdg : "unset") << ", " << (c.home ? c.home : "unset");
    EXPECT_EQ(places.defaultsFile, "/etc/xdg/pellumo/pellumo.ini");
    EXPECT_EQ(places.dataFolder, "/usr/share/games/pellumo");
  }
}

TEST(InstalledPlaces, APlayerStartsFromTheDistributorsDefaultsInAPrivateFolder) {
  TempFolder root;
  const std::string defaults = root.file("defaults.ini");
  const std::string shipped = "[DIFFICULTY]\r\nLEVEL=2\r\n";
  WriteFile(defaults, shipped);
  const std::string folder = root.file("home/.config/pellumo");

  ProfileMan player(folder, defaults);
  EXPECT_EQ(player.ProfileReadInt("DIFFICULTY", "LEVEL"), 2) << "copied before the first read";
  EXPECT_EQ(ReadFile(folder + "/pellumo.ini"), shipped);
  for (const std::string& made : {root.file("home/.config"), folder})
    EXPECT_EQ(fs::status(made).permissions(), fs::perms::owner_all) << made;
  player.ProfileWriteString("DIFFICULTY", "LEVEL", "0");
  EXPECT_EQ(ReadFile(defaults), shipped) << "the defaults are never written";

  // The player's own file wins from then on, in this copy and the next.
  EXPECT_EQ(ProfileMan(folder, defaults).ProfileReadInt("DIFFICULTY", "LEVEL"), 0);
  // Without defaults a read creates nothing.
  ProfileMan fresh(root.file("other/pellumo"), root.file("none.ini"));
  EXPECT_EQ(fresh.ProfileReadString("DIFFICULTY", "LEVEL"), "*");
  EXPECT_FALSE(fs::exists(root.file("other")));
}

}  // namespace
}  // namespace pellumo
