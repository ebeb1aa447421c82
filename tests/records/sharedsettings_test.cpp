// One settings file shared by several running copies of the game, the
// installed game's per-player file, and writers killed part way.
#include <gtest/gtest.h>

#include <csignal>
#include <numeric>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <pwd.h>

#include "records/atomicfile.h"
#include "records/highscores.h"
#include "records/inifile.h"
#include "records/places.h"
#include "support/copies.h"

namespace pellumo {
namespace {

namespace fs = std::filesystem;
using namespace testing;

TEST(SharedSettings, CopiesPlayingAtOnceCountEveryGame) {
  TempFolder folder;
  constexpr int kCopies = 3, kGames = 100;
  const std::vector<int> wins = AllAtOnce(kCopies, [&](int c) {  // the games each copy won
    Rig copy;
    copy.profile.ProfilePath = folder.file("pellumo.ini");
    copy.random.Seed(1000 + c);
    int won = 0;
    for (int g = 0; g < kGames; ++g) {
      ClaimEveryLine(copy.game);
      won += copy.game.Player1Score > copy.game.Player2Score;
      copy.game.mnunew_Click();
    }
    return won;
  });
  ProfileMan profile(folder.path());
  EXPECT_EQ(profile.ProfileReadInt("STATS", "NOVICE_PLAY"), kCopies * kGames);
  EXPECT_EQ(profile.ProfileReadInt("STATS", "NOVICE_WON"), std::accumulate(wins.begin(), wins.end(), 0));
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

// Copy A stops itself in its save (Ctrl+Z, a debugger, a suspended laptop)
// just before its rename, holding the lock; copy B finishes a game
// meanwhile, then stops; A goes on, then B. Both games must be counted: a
// copy that wrote without the lock, or renamed an old snapshot, loses one.
// Each copy's standard error goes to a file of its own. "" when all went
// well, else the faults.
std::string StoppedWriterScenario(const TempFolder& folder, bool asNobody, bool lockFileUsable) {
  TempFolder logs;
  ::chmod(logs.path().c_str(), 0777);
  const auto copy = [&](const char* name, int human, void (*stop)()) {
    return Spawn([&, name, human, stop] {
      ::dup2(::open(logs.file(name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666), 2);
      if (asNobody && !BecomeNobody()) return 3;
      Rig rig;
      rig.profile.ProfilePath = folder.file("pellumo.ini");
      rig.profile.LockPatience = std::chrono::milliseconds(50);
      AtomicWriteBeforeRename = stop;
      Finish(rig.game, human, kBoxes - human);  // counts the game
      AtomicWriteBeforeRename = nullptr;
      ::raise(SIGSTOP);  // played: the test lets the other copy on
      rig.profile.SaveBeforeExit();
      return 0;
    });
  };
  const auto stoppedThere = [](pid_t pid) {
    int status = 0;
    return ::waitpid(pid, &status, WUNTRACED) == pid && WIFSTOPPED(status);
  };
  const auto finished = [](pid_t pid) { return ::kill(pid, SIGCONT) == 0 ? ExitOf(pid) : -1; };
  std::string fault;
  const pid_t a = copy("a", 40, [] { ::raise(SIGSTOP); });
  if (!stoppedThere(a)) fault += "copy A did not stop in its save; ";
  const pid_t b = copy("b", 10, nullptr);
  if (!stoppedThere(b)) fault += "copy B did not finish its game; ";
  ::kill(a, SIGCONT);
  if (!stoppedThere(a)) fault += "copy A did not end its save; ";
  if (const int ended = finished(a) + finished(b); ended != 0) fault += "a copy failed; ";

  ProfileMan profile(folder.path());
  if (profile.ProfileReadInt("STATS", "NOVICE_PLAY") != 2) fault += "a game was lost; ";
  if (profile.ProfileReadInt("STATS", "NOVICE_WON") != 1) fault += "a win was lost; ";
  for (const char* name : {"a", "b"})
    if (Occurrences(ReadFile(logs.file(name)), "lock file") != (lockFileUsable ? 0u : 1u))
      fault += std::string("copy ") + name + " did not say once that the lock file is unusable; ";
  return fault;
}

// With the lock file as older copies left it, and with a symbolic link in
// its place (opening it gives ELOOP): the folder's lock still keeps the
// copies apart, and the link's target is not touched.
TEST(SharedSettings, ACopyStoppedInItsSaveNeverUndoesAnothersGame) {
  for (const bool link : {false, true}) {
    SCOPED_TRACE(link ? "the lock file a link" : "the lock file");
    TempFolder folder, elsewhere;
    const std::string target = elsewhere.file("precious");
    WriteFile(target, "keep");
    if (link) fs::create_symlink(target, folder.file("pellumo.ini.lock"));
    EXPECT_EQ(StoppedWriterScenario(folder, false, !link), "");
    EXPECT_EQ(ReadFile(target), "keep");
  }
}

// Another account's private lock file can be neither opened nor locked.
// Root can open anything, so the copies run as "nobody" in nobody's folder.
TEST(SharedSettings, AnotherAccountsPrivateLockFileStillKeepsCopiesApart) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to make the lock file another account's";
  TempFolder folder;
  WriteFile(folder.file("pellumo.ini.lock"), "");
  ::chmod(folder.file("pellumo.ini.lock").c_str(), 0600);
  ASSERT_EQ(::chown(folder.path().c_str(), 65534, 65534), 0);
  EXPECT_EQ(StoppedWriterScenario(folder, true, false), "");
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
  // A player's own files beside it stay, whatever their names.
  WriteFile(ini + ".backup", "b");
  WriteFile(ini + ".zzzzzz", "z");
  ProfileMan profile(folder.path());
  ASSERT_EQ(profile.ProfileWriteString("DIFFICULTY", "LEVEL", "0"), 1);
  EXPECT_EQ(Snapshot(folder.path(), true),
            (std::map<std::string, std::string>{{ini, ReadFile(ini)}, {ini + ".lock", ""},
                                                {ini + ".backup", "b"}, {ini + ".zzzzzz", "z"}}));
}

// A save clears up after killed saves of its own file, and nothing else:
// through a linked settings file, not the other files beside the link's
// target nor those beside the link, nor another account's save under way.
TEST(SharedSettings, ASaveRemovesOnlyTheTemporaryFilesItLeft) {
  TempFolder folder, dotfiles;
  WriteFile(dotfiles.file("thesis"), "");
  fs::create_symlink(dotfiles.file("thesis"), folder.file("pellumo.ini"));
  // Each name, and whether a save removes it.
  const std::pair<std::string, bool> files[] = {
      {dotfiles.file(".thesis.pellumo-tmp.Ab3dE9"), true},
      {dotfiles.file("thesis.backup"), false},
      {dotfiles.file("thesis.draft1"), false},
      {dotfiles.file("thesis.Ab3dE9"), false},
      {dotfiles.file(".thesis.pellumo-tmp.Ab3dE9x"), false},
      {dotfiles.file(".other.pellumo-tmp.Ab3dE9"), false},
      {folder.file(".pellumo.ini.pellumo-tmp.Ab3dE9"), false},  // not the file saved
      {dotfiles.file(".thesis.pellumo-tmp.nobody"), ::geteuid() != 0},
  };
  for (const auto& [name, gone] : files) WriteFile(name, "x");
  // As root, one is another account's: in a shared folder, its save may be under way.
  [[maybe_unused]] const int owned = ::chown(dotfiles.file(".thesis.pellumo-tmp.nobody").c_str(), 65534, 65534);
  fs::create_directory(dotfiles.file(".thesis.pellumo-tmp.folder"));
  ASSERT_EQ(ProfileMan(folder.path()).ProfileWriteString("DIFFICULTY", "LEVEL", "0"), 1);
  EXPECT_TRUE(fs::is_directory(dotfiles.file(".thesis.pellumo-tmp.folder")));
  for (const auto& [name, gone] : files) EXPECT_NE(fs::exists(name), gone) << name;
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
    const GamePlaces places = InstalledPlaces("/usr/share/games/pellumo", [&](std::string name) {
      return name == "XDG_CONFIG_HOME" ? c.xdg : name == "HOME" ? c.home : nullptr; });
    EXPECT_EQ(places.settingsFolder, c.folder) << (c.xdg ? c.xdg : "unset") << ", " << (c.home ? c.home : "unset");
    EXPECT_EQ(places.defaultsFile, "/etc/xdg/pellumo/pellumo.ini");
    EXPECT_EQ(places.dataFolder, "/usr/share/games/pellumo");
    EXPECT_TRUE(places.perPlayer) << "another user's run writes nothing there";
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
  player.ProfileWriteString("DIFFICULTY", "LEVEL", "0");
  EXPECT_EQ(ReadFile(defaults), shipped) << "the defaults are never written";

  // The player's own file wins from then on, in this copy and the next.
  EXPECT_EQ(ProfileMan(folder, defaults).ProfileReadInt("DIFFICULTY", "LEVEL"), 0);
  // Without defaults a read creates nothing; the first write does, privately.
  ProfileMan fresh(root.file("other/pellumo"), root.file("none.ini"));
  EXPECT_EQ(fresh.ProfileReadString("DIFFICULTY", "LEVEL"), "*");
  EXPECT_FALSE(fs::exists(root.file("other")));
  EXPECT_EQ(fresh.ProfileWriteString("DIFFICULTY", "LEVEL", "1"), 1);
  // Every folder made is the player's alone, with defaults or without.
  for (const std::string& made : {root.file("home/.config"), folder, root.file("other"), root.file("other/pellumo")})
    EXPECT_EQ(fs::status(made).permissions(), fs::perms::owner_all) << made;
}

}  // namespace
}  // namespace pellumo
