// One settings file shared by several running copies of the game, the
// installed game's per-player file, and writers killed part way.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <numeric>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <pwd.h>
#include <unistd.h>

#include "records/highscores.h"
#include "records/inifile.h"
#include "records/places.h"
#include "records/profileman.h"
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

// Runs body(0) .. body(count - 1) in child processes that all start at the
// same moment; their exit statuses in that order, -1 for one that did not exit.
std::vector<int> AllAtOnce(int count, const std::function<int(int)>& body) {
  int gun[2];  // its closing starts every child blocked on reading it
  EXPECT_EQ(::pipe(gun), 0);
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
  for (const pid_t pid : copies) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    statuses.push_back(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
  }
  return statuses;
}

TEST(SharedSettings, CopiesPlayingAtOnceCountEveryGame) {
  TempFolder folder;
  constexpr int kCopies = 3, kGames = 100;
  const std::vector<int> wins = AllAtOnce(kCopies, [&](int c) {  // the games each copy won
    testing::Rig copy;
    copy.profile.ProfilePath = folder.file("pellumo.ini");
    copy.random.Seed(1000 + c);
    int won = 0;
    for (int g = 0; g < kGames; ++g) {
      testing::ClaimEveryLine(copy.game);
      won += copy.game.Player1Score > copy.game.Player2Score;
      copy.game.mnunew_Click();
    }
    return won;
  });
  const int won = std::accumulate(wins.begin(), wins.end(), 0);
  ProfileMan profile(folder.path());
  EXPECT_EQ(profile.ProfileReadInt("STATS", "NOVICE_PLAY"), kCopies * kGames);
  EXPECT_EQ(profile.ProfileReadInt("STATS", "NOVICE_WON"), won);
}

// Both OKs come after both reads and keep both names, ranked. A third entry,
// read when it still qualified, no longer does after them and is left out.
TEST(SharedSettings, TwoCopiesEachAddATableEntryAndBothSurvive) {
  TempFolder folder;
  WriteFile(folder.file("pellumo.ini"),
            "[HIGH_SCORES_EXPERT]\nNAME1=Old\nSCORE1=20\nNAME2=P\nSCORE2=12\nNAME3=Q\nSCORE3=10\n");
  ProfileMan profile(folder.path());
  // The table as the window of a copy holds it once its name is typed.
  const auto entered = [&](const char* name, std::int16_t score) {
    HighScoreTable table = ReadHighScoreTable(profile.ProfileRead(), "EXPERT");
    const int row = HighScoreRowFor(table, score);
    EnterHighScore(table, row, score);
    table.MyName[static_cast<std::size_t>(row)] = name;
    return table;
  };
  const HighScoreTable late = entered("Late", 5);

  // Each copy has read the table and taken the name before either presses OK.
  const HighScoreTable tables[] = {entered("First", 30), entered("Second", 25)};
  EXPECT_EQ(AllAtOnce(2, [&](int c) { return SaveHighScoreTable(profile, tables[c]) ? 0 : 1; }),
            (std::vector<int>{0, 0}));
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

  // A free lock is taken silently (the first save makes its file); then
  // another copy is stuck with it: this open file is a holder of its own.
  ::testing::internal::CaptureStderr();
  profile.ProfileWriteString("DIFFICULTY", "LEVEL", "1");
  const int holder = ::open(folder.file("pellumo.ini.lock").c_str(), O_RDWR);
  EXPECT_EQ(::flock(holder, LOCK_EX), 0);
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
    // The padding is the file's last entry: a file cut short loses it.
    ASSERT_TRUE(IniLookup(ReadFile(ini), "Padding", "P") == padding) << "round " << round;
  }
  ProfileMan profile(folder.path());
  ASSERT_EQ(profile.ProfileWriteString("DIFFICULTY", "LEVEL", "0"), 1);
  std::set<std::string> entries;
  for (const auto& e : fs::directory_iterator(folder.path())) entries.insert(e.path().filename());
  EXPECT_EQ(entries, (std::set<std::string>{"pellumo.ini", "pellumo.ini.lock"}));
}

TEST(SharedSettings, ASaveRemovesOnlyTheTemporaryFilesOfItsOwnFile) {
  TempFolder folder;
  // Each name, and whether a save removes it: the leftovers of a killed save
  // of this file go, anything else stays.
  const std::pair<const char*, bool> files[] = {
      {"pellumo.ini.Ab3dE9", true}, {"pellumo.ini.zzzzzz", true}, {"pellumo.ini.keep", false},
      {"pellumo.ini.Ab3dE9x", false}, {"other.ini.Ab3dE9", false}};
  for (const auto& [name, gone] : files) WriteFile(folder.file(name), "x");
  fs::create_directory(folder.file("pellumo.ini.folder"));
  ProfileMan(folder.path()).ProfileWriteString("DIFFICULTY", "LEVEL", "0");
  EXPECT_TRUE(fs::is_directory(folder.file("pellumo.ini.folder")));
  for (const auto& [name, gone] : files) EXPECT_NE(fs::exists(folder.file(name)), gone) << name;
}

TEST(InstalledPlaces, SettingsFolderFollowsTheBaseDirectoryRules) {
  const std::string passwdHome = ::getpwuid(::getuid())->pw_dir;
  const struct { const char *xdg, *home; std::string folder; } cases[] = {
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
