// The settings and the move log. First the INI reader and writer on text in
// memory: what counts as a section or a key, which occurrence wins, and
// that a write changes nothing but its line.
// Then the high-score table of each level: what the window shows for stored
// values, and what OK writes back. The window's own tests
// (tests/gui/highscorewindow_test.cpp) drive the entry of a finished game's
// score through the real window: ranking, ties and the level it goes to.
// Then the settings store on real files: where the file is, what a read returns,
// garbled files, and writes that fail without losing anything. Then the
// move log: where it goes, its replacement of an older log, and a failed
// write that leaves nothing behind and says so once. Its lines are pinned by
// the harness session and by the debug strip's Print Moves in the window tests.
// Last, whole games played while the settings cannot be written: the game
// must run to its end, must not lose anything the file held before, and must
// never leave a half-written or temporary file behind.
#include "records/profileman.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <optional>
#include <tuple>

#include <pwd.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "records/atomicfile.h"
#include "records/highscores.h"
#include "records/inifile.h"
#include "records/movelog.h"
#include "records/storednumbers.h"
#include "support/copies.h"

namespace pellumo {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using namespace testing;

TEST(IniLookup, FindsTheFirstMatchingKeyOfTheFirstMatchingSection) {
  const std::string sizes = "  [ Sizes ]  \nWidth = 9600\n\tHEIGHT\t=\t7200\t\n";
  const std::string twice = "[S]\nk=1\nk=2\n[s]\nk=3\nother=4\n";
  const std::string junk = "\x00[S]\n[S\x00]\nk=1\n[S]\nk=\x00"s + "2\n";
  const struct { std::string text, section, key; std::optional<std::string> value; } cases[] = {
      {sizes, "sizes", "WIDTH", "9600"},  // names trimmed, ASCII case ignored
      {sizes, "SIZES", "height", "7200"},
      {sizes, "Size", "Width", std::nullopt},
      {"", "S", "k", std::nullopt},  // an empty file: every read gives its default
      {"[\xC3\xA9]\nk=1\n", "\xC3\xA9", "K", "1"},  // "é" matches itself ...
      {"[\xC3\xA9]\nk=1\n", "\xC3\x89", "k", std::nullopt},  // ... but not "É"
      {twice, "S", "k", "1"},
      {twice, "S", "other", std::nullopt},  // only the first section is read
      {"k=0\n[A]\nx=1\n[B]\nk=2\n", "B", "k", "2"},  // keys before any section ignored
      {"[S]\nk\n; k=comment\n  \nk=5\n", "S", "k", "5"},  // lines without "k=" skipped
      {"[S]\nk= a=b [c] \n", "S", "k", "a=b [c]"},
      {"[S]\r\nk=1\r", "S", "k", "1"},  // a CR that ends the text ends the line too
      {junk, "S", "k", "\x00"s + "2"},  // NUL bytes are just bytes
      {junk, "S\x00"s, "k", "1"},
      {"[S   X]\nk  Y  z=a  b c \n", "S\r\n[X]", "k\n[Y]=z", "a  b c"},  // as written below
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text + " -> [" + c.section + "] " + c.key);
    EXPECT_EQ(IniLookup(c.text, c.section, c.key), c.value);
  }
}

TEST(IniUpdate, ChangesOnlyTheLineItWrites) {
  const struct { std::string text, section, key, value, after; } cases[] = {
      // The first match's value only; its spelling, other duplicates, comments stay.
      {"; top\n[S]\n odd line\n K = 1 ; old\nk=2\n\n[s]\nk=3\n", "s", "k", "9",
       "; top\n[S]\n odd line\n K =9\nk=2\n\n[s]\nk=3\n"},
      // A new key follows the section's last filled line.
      {"[A]\nx=1\n; note\n\n\n[B]\ny=2\n", "A", "z", "3", "[A]\nx=1\n; note\nz=3\n\n\n[B]\ny=2\n"},
      {"[A]\n\n[B]\n", "A", "z", "3", "[A]\nz=3\n\n[B]\n"},
      {"", "S", "k", "v", "[S]\nk=v\n"},
      {"[A]\nx=1", "A", "y", "2", "[A]\nx=1\ny=2\n"},
      // A last line ending in a bare CR gets only its LF, so its value stays "1";
      // what is added takes the file's line ends.
      {"[A]\nx=1\r", "A", "y", "2", "[A]\nx=1\r\ny=2\n"},
      {"[A]\r\nx=1\r", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
      {"[A]\r\nx=1\r", "B", "y", "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      {"[A]\nx=1", "A", "x", "2", "[A]\nx=2"},
      // A replaced line keeps its own line end.
      {"[A]\nx=1\r\ny=1\n", "A", "x", "2", "[A]\nx=2\r\ny=1\n"},
      {"\xEF\xBB\xBF[A]\nx=1\n", "a", "x", "2", "\xEF\xBB\xBF[A]\nx=2\n"},
      // Line breaks, "[", "]" and "=" cannot start a line, section or key.
      {"", "S\r\n[X]", "k\n[Y]=z", "a\r\nb\rc\n", "[S   X]\nk  Y  z=a  b c \n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text + " <- [" + c.section + "] " + c.key + "=" + c.value);
    EXPECT_EQ(IniUpdate(c.text, c.section, c.key, c.value), c.after);
  }
}

using Rows = std::array<std::string, kHighScoreRows>;

// OK on a table that was only viewed writes the rows as stored now: whatever
// the window holds in them, and whatever it read, never overwrites a row.
// First, with no file yet: only a stored threshold below 0 lets a score of 0
// ask for the window, and it never beats the empty rows of a fresh table;
// the load clears the pending entry all the same.
TEST(HighScoreTable, ViewingAndOkRewritesAllFiveRowsAsStored) {
  testing::TempFolder folder;
  ProfileMan profile(folder.path());
  bool pending = true;
  HighScoreTable table;
  EXPECT_EQ(HighScoreFormLoad(profile, "NOVICE", 0, pending, table), HighScoreLoad::NoEntry);
  EXPECT_FALSE(pending);
  // Bob's score is absent; a score without its name is not read. "*" is
  // what a read of an absent key gives, yet a name typed so is a name.
  testing::WriteFile(folder.file("pellumo.ini"),
                     "[HIGH_SCORES_NOVICE]\nNAME1=*\nSCORE1=33 boxes\nNAME2=Bob\nSCORE4=12\n");
  table = ReadHighScoreTable(profile.ProfileRead(), "NOVICE");
  EXPECT_EQ(table.MyName, (Rows{"*", "Bob", " ", " ", " "}));
  EXPECT_EQ(table.Score, (Rows{"33", "", "", "", ""}));
  EXPECT_EQ((std::tuple{table.GPlay, table.PctWon}), (std::tuple{"0", ""}));

  table.MyName[1] = "Zed";
  profile.ProfileWriteString("HIGH_SCORES_NOVICE", "NAME3", "Cy");  // another copy's OK
  profile.ProfileWriteString("HIGH_SCORES_NOVICE", "SCORE3", "7");
  EXPECT_TRUE(SaveHighScoreTable(profile, table));
  EXPECT_EQ(profile.ProfileReadString("HIGH_SCORES_NOVICE", "SCORE1"), "33");
  // A blank row is stored as an empty name with an empty score, which from
  // then on shows as a row scoring 0.
  const HighScoreTable again = ReadHighScoreTable(profile.ProfileRead(), "NOVICE");
  EXPECT_EQ(again.MyName, (Rows{"*", "Bob", "Cy", "", ""}));
  EXPECT_EQ(again.Score, (Rows{"33", "0", "7", "0", "0"}));
}

TEST(HighScoreTable, StoredValuesThatAreNotNumbersShowTheirLeadingNumber) {
  ProfileText stored(
      "[HIGH_SCORES_NOVICE]\nNAME1=A\nSCORE1=lots\nNAME2=B\nSCORE2=17.5\nNAME3=C\n"
      "SCORE3=16.5 pts\nNAME4=D\nSCORE4=99999\nNAME5=E\nSCORE5=-5x\n"
      "[STATS]\nNOVICE_PLAY=4 games\nNOVICE_WON=\n");  // an empty count leaves its box empty
  const HighScoreTable table = ReadHighScoreTable(stored, "NOVICE");
  EXPECT_EQ(table.Score, (Rows{"0", "18", "16", "32767", "-5"}));
  EXPECT_EQ((std::tuple{table.GPlay, table.GWon}), (std::tuple{"4", ""}));
}

TEST(PercentWon, OneDecimalRoundedHalfAwayFromZero) {
  for (auto [played, won, shown] :
       {std::tuple{"3", "1", "33.3%"}, {"3", "2", "66.7%"}, {"16", "1", "6.3%"}, {"2000", "1", "0.1%"},
        {"2001", "1", "0.0%"}, {"2", "3", "150.0%"}, {"16", "-1", "-6.3%"}, {"0", "0", ""},
        {"", "1", ""}, {"1", "", ""}}) {
    EXPECT_EQ(PercentWon(played, won), shown) << won << " of " << played;
  }
}

const std::string kSaved = "[DIFFICULTY]\nLEVEL=1\n[STATS]\nNOVICE_WON=3\n";

TEST(ProfileMan, ReadsAreCutAt255BytesNeverInsideACharacter) {
  TempFolder f;
  ProfileMan store(f.path());
  const std::string longName = std::string(250, 'a') + std::string(50, 'b');
  store.ProfileWriteString("N", "long", longName);
  store.ProfileWriteString("N", "utf8", std::string(254, 'a') + "\xC3\xA9");  // 'é' at the cut
  store.ProfileWriteString("N", "blanks", std::string(250, 'c') + "      dd");
  EXPECT_EQ(store.ProfileReadString("N", "long"), longName.substr(0, 255));
  EXPECT_EQ(store.ProfileReadString("N", "utf8"), std::string(254, 'a'));
  EXPECT_EQ(store.ProfileReadString("N", "blanks"), std::string(250, 'c')) << "trimmed after";
  EXPECT_NE(ReadFile(store.ProfilePath).find(longName), std::string::npos) << "the file has all";
}

// A stored count is its leading decimal number, saturated to 16 bits (a
// 32-bit overflow must not wrap on the way). A path of fewer than two
// characters counts as unset: the file is the folder's "pellumo.ini" again.
TEST(ProfileMan, CountsSaturateAtSixteenBitsAndAOneLetterPathIsUnset) {
  TempFolder f;
  WriteFile(f.file("pellumo.ini"), "[S]\na=12abc\nb=abc\nc=-7\nd=+8 9\ne=- 7\nf=32768\ng=-32769\n"
                                   "h=2147483648\ni=-99999999999999999999999999\n");
  ProfileMan store(f.path());
  store.ProfilePath = "x";
  for (const auto& [key, count] : {std::pair{"a", 12}, {"b", 0}, {"c", -7}, {"d", 8}, {"e", 0},
                                   {"f", 32767}, {"g", -32768}, {"h", 32767}, {"i", -32768}})
    EXPECT_EQ(store.ProfileReadInt("S", key), count) << key;
}

TEST(ProfileMan, GarbledFilesReadWhatParsesAndAWriteKeepsEveryOtherByte) {
  const std::string junk = "\x00\xFF\xFE=\x01[\x00]\n\x7F\x80=x\n"s;
  const std::string crlf = junk + "[DIFFICULTY]\r\nLEVEL=";  // binary junk around, CR LF
  const std::string huge(1 << 20, 'q');
  const std::string big = huge + "\n[DIFFICULTY]\nX=" + huge;  // megabyte lines
  // A new entry goes after the junk; a last line without its end gets one.
  const struct { std::string before, levelRead, after; } cases[] = {
      {crlf + "2\r\n" + junk, "2", crlf + "1\r\n" + junk + "[STATS]\nNOVICE_WON=4\n"},
      {big + "\nLEVEL=2\n" + huge, "2", big + "\nLEVEL=1\n" + huge + "\n[STATS]\nNOVICE_WON=4\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before.substr(0, 40));
    TempFolder f;
    WriteFile(f.file("pellumo.ini"), c.before);
    ProfileMan store(f.path());
    EXPECT_EQ(store.ProfileReadString("DIFFICULTY", "LEVEL"), c.levelRead);
    EXPECT_EQ(store.ProfileWriteString("DIFFICULTY", "LEVEL", "1"), 1);
    EXPECT_EQ(store.ProfileWriteString("STATS", "NOVICE_WON", "4"), 1);
    EXPECT_TRUE(ReadFile(store.ProfilePath) == c.after);  // megabytes: no diff printed
  }
}

// Over 4 MiB a settings file is not read (all defaults) nor replaced: 50 MB
// of blank lines took gigabytes and half a minute a game.
const std::string kOverTheCap = kSaved + std::string((4 << 20) - kSaved.size() + 1, '\n');

TEST(ProfileMan, AFailedWriteReturnsZeroAndChangesNothing) {
  const struct {
    const char* what;
    std::function<void(std::string)> prepare;
    bool unread = false;  // reads give the defaults
    const char* file = "pellumo.ini";
  } cases[] = {
      {"disk full part way", [](auto ini) { WriteFile(ini, kSaved); AtomicWriteFailAfterBytes = 20; }},
      {"the disk cannot make it durable", [](auto ini) { WriteFile(ini, kSaved); AtomicWriteSyncFails = true; }},
      {"larger than 4 MiB", [](auto ini) { WriteFile(ini, kOverTheCap); }, true},
      {"a change that would take it past 4 MiB", [](auto ini) { WriteFile(ini, kOverTheCap.substr(0, 4 << 20)); }},
      {"a directory in its place",
       [](auto ini) { fs::create_directory(ini); WriteFile(ini + "/keep", "data"); }, true},
      {"a pipe in its place: no hang", [](auto ini) { ::mkfifo(ini.c_str(), 0644); }, true},
      {"a file where its folder should be", [](auto ini) { WriteFile(ini.substr(0, ini.rfind('/')), "data"); }, true,
       "file/pellumo.ini"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder f;
    ProfileMan store(f.path());
    store.ProfilePath = f.file(c.file);
    c.prepare(store.ProfilePath);
    const auto before = Snapshot(f.path());
    if (c.unread) { EXPECT_EQ(store.ProfileReadString("STATS", "NOVICE_WON"), "*"); }
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(store.ProfileWriteString("DIFFICULTY", "LEVEL", "22"), 0);
    EXPECT_EQ(store.ProfileWriteString("STATS", "NOVICE_WON", "40"), 0);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << "once, naming the file: " << said;
    EXPECT_NE(said.find(store.ProfilePath), std::string::npos) << said;
    const std::string told = store.TakeSaveProblem().English();
    EXPECT_EQ(told.rfind("Your games and high scores cannot be saved to " + store.ProfilePath + ": ", 0), 0u)
        << told;
    AtomicWriteFailAfterBytes = -1;
    AtomicWriteSyncFails = false;
    // Megabytes: no diff printed.
    EXPECT_TRUE(Snapshot(f.path()) == before) << "nothing replaced, no temporary file left";
  }
}

// A rewritten file keeps its mode and, where the writer may set it, its
// group; a new one gets what the umask leaves of 0666, as any program's.
TEST(ProfileMan, AWriteKeepsModeAndGroupFollowsALinkAndANewFileObeysTheUmask) {
  TempFolder f;
  WriteFile(f.file("pellumo.ini"), kSaved);
  ::chmod(f.file("pellumo.ini").c_str(), 0640);
  // Root may give the file any group; others keep their own.
  const gid_t group = ::geteuid() == 0 ? 65534 : ::getegid();
  ASSERT_EQ(::chown(f.file("pellumo.ini").c_str(), static_cast<uid_t>(-1), group), 0);
  fs::create_symlink(f.file("pellumo.ini"), f.file("link.ini"));
  ProfileMan store(f.path());
  store.ProfilePath = f.file("link.ini");
  EXPECT_EQ(store.ProfileWriteString("DIFFICULTY", "LEVEL", "2"), 1);
  EXPECT_EQ(ReadFile(f.file("pellumo.ini")), "[DIFFICULTY]\nLEVEL=2\n[STATS]\nNOVICE_WON=3\n");
  struct stat st {};
  ASSERT_EQ(::stat(f.file("pellumo.ini").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(st.st_gid, group);

  const mode_t usual = ::umask(077);
  ProfileMan fresh(f.file("new"));
  EXPECT_EQ(fresh.ProfileWriteString("DIFFICULTY", "LEVEL", "2"), 1);
  ::umask(usual);
  EXPECT_EQ(fs::status(fresh.ProfilePath).permissions(), fs::perms(0600));
}

TEST(MoveLog, AFailedWriteLeavesTheOldLogAndNoTemporaryFileAndSaysSoOnce) {
  testing::TempFolder folder;
  const std::string log = folder.file("myboxmoves.csv"), dir = folder.file("dir.csv");
  testing::WriteFile(log, "old");
  fs::create_directory(dir);
  AllTheMoves moves;
  moves.Add("vert", 9, 2);
  for (const std::string& path : {log, dir, folder.file("gone/myboxmoves.csv")}) {
    SCOPED_TRACE(path);
    AtomicWriteFailAfterBytes = path == log ? 4 : -1;  // the disk fills up part way
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(WriteMoveLog(path, moves));
    const std::string said = ::testing::internal::GetCapturedStderr();
    AtomicWriteFailAfterBytes = -1;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find(path), std::string::npos) << said;
  }
  EXPECT_EQ(Snapshot(folder.path()), (std::map<std::string, std::string>{{log, "old"}, {dir, "dir"}}));
  ASSERT_TRUE(WriteMoveLog(log, AllTheMoves()));
  EXPECT_EQ(ReadFile(log), "") << "no moves: an empty file in place of the old log";
}

TEST(MoveLog, GoesToTheHomeFolder) {
  const char* saved = std::getenv("HOME");
  const std::string old = saved != nullptr ? saved : "";
  const std::string account = std::string(getpwuid(getuid())->pw_dir) + "/myboxmoves.csv";
  const std::pair<const char*, std::string> cases[] = {
      {"/home/player/", "/home/player/myboxmoves.csv"}, {"", account}, {nullptr, account}};
  for (const auto& [home, path] : cases) {
    home != nullptr ? setenv("HOME", home, 1) : unsetenv("HOME");  // "" and unset: no HOME
    EXPECT_EQ(MoveLogPath(), path) << (home != nullptr ? home : "unset");
  }
  if (saved != nullptr) setenv("HOME", old.c_str(), 1);
}

const std::string kStored = "[DIFFICULTY]\nLEVEL=2\n[STATS]\nEXPERT_PLAY=7\nEXPERT_WON=3\n";

// A rig whose window loads after the test stored kStored.
struct StoredRig : Rig {
  std::string ini = folder.file("pellumo.ini");
  StoredRig() { WriteFile(ini, kStored); game.Load(); }
  // Claims every free line in turn, the computer answering; true when the
  // game ended exactly once (its one message box) with every box scored.
  bool PlayToTheEnd() {
    ui.messages.clear();
    testing::ClaimEveryLine(game);
    return game.BoardFull() && ui.messages.size() == 1 &&
           game.Player1Score + game.Player2Score == kBoxes;
  }
  // No temporary or other file beside the settings file and its lock.
  bool IniAlone() const { return Snapshot(folder.path()).size() == 1; }
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

// A directory in the settings file's place: a whole game on the defaults,
// and the directory left as it was.
TEST(SettingsFaults, ADirectoryInTheFilesPlaceIsPlayedAroundAndKept) {
  StoredRig r;
  fs::remove(r.ini);
  fs::create_directory(r.ini);
  WriteFile(r.ini + "/keep", kStored);
  r.game.Load();
  EXPECT_EQ(r.game.DifficultyLevel, "NOVICE");
  EXPECT_TRUE(r.PlayToTheEnd());
  EXPECT_EQ(Snapshot(r.folder.path()),
            (std::map<std::string, std::string>{{r.ini, "dir"}, {r.ini + "/keep", kStored}}));
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
  // Each failure names the file and why; the first is kept for the window.
  const std::string cannot = "Your games and high scores cannot be saved to " + r.ini + ": ";
  if (r.profile.TakeSaveProblem().English() != cannot + "Permission denied.") fault += "not told; ";
  ::chmod(r.folder.path().c_str(), 0755);
  // A file we cannot read must not be rewritten blind.
  const std::pair<mode_t, std::string> files[] = {{0444, "Permission denied."},
                                                  {0200, "it cannot be read as a file."}};
  for (const auto& [mode, why] : files) {
    ::chmod(r.ini.c_str(), mode);
    if (r.profile.ProfileWriteString("STATS", "EXPERT_WON", "9") != 0)
      fault += "wrote to a protected file; ";
    if (r.profile.LastFailure().English() != cannot + why) fault += "wrong reason given; ";
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
  // root for the "nobody" account. It prints its faults and exits 1 (so
  // when it became nobody yet stayed privileged), or exits 2 when it cannot
  // give up root; a child that dies early tells by its status too.
  const int status = ExitOf(Spawn([] {
    if (!BecomeNobody()) return ::getuid() == 65534 ? 1 : 2;
    const std::string fault = ProtectedSettingsScenario();
    if (!fault.empty()) std::fprintf(stderr, "%s\n", fault.c_str());
    return fault.empty() ? 0 : 1;
  }));
  if (status == 2) GTEST_SKIP() << "no way to drop root here";
  EXPECT_EQ(status, 0) << "the child's faults are above";
}

// Run as root with a player's HOME (sudo -E), the game meets the player's
// files (here the "nobody" account's). It writes nothing in the player's
// own settings folder, nor through a link into another account's file, and
// removes nothing beside that file; the move log likewise. A folder shared
// by several players, as the portable build's, stays writable.
TEST(SettingsFaults, AnotherAccountsFilesAreNeverWrittenThroughOrRemoved) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to make files of another account";
  TempFolder home;
  // Makes a file (or, ending in "/", a folder), with its folders; theirs: all
  // of them the "nobody" account's.
  const auto make = [&](const std::string& name, const char* content, bool theirs = true) {
    fs::create_directories(fs::path(home.file(name)).parent_path());
    if (content != nullptr) WriteFile(home.file(name), content);
    for (fs::path p = home.file(name); theirs && p.string().size() > home.path().size(); p = p.parent_path())
      EXPECT_EQ(::chown(p.c_str(), 65534, 65534), 0) << p;
  };
  for (const char* name : {".config/pellumo/pellumo.ini", "dotfiles/thesis",
                           "dotfiles/thesis.backup", "dotfiles/.thesis.pellumo-tmp.Ab3dE9",
                           "own.csv"})
    make(name, kStored.c_str());
  make("fresh/", nullptr);
  make("mine/pellumo.ini.lock", "", false);  // root's own folder: its lock is no harm
  fs::create_symlink(home.file("dotfiles/thesis"), home.file("mine/pellumo.ini"));
  fs::create_symlink(home.file("dotfiles/thesis"), home.file("myboxmoves.csv"));
  const auto before = Snapshot(home.path(), true);

  ::testing::internal::CaptureStderr();
  for (const auto& [folder, perPlayer] :
       {std::pair{".config/pellumo", true}, {"fresh/pellumo", true}, {"mine", false}})
    EXPECT_EQ(ProfileMan(home.file(folder), "", perPlayer).ProfileWriteString("S", "K", "v"), 0) << folder;
  EXPECT_FALSE(WriteMoveLog(home.file("myboxmoves.csv"), AllTheMoves()));
  EXPECT_FALSE(WriteMoveLog(home.file("own.csv"), AllTheMoves()));
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(Snapshot(home.path(), true), before);
  EXPECT_EQ(Occurrences(said, "another user"), 5u) << said;

  make("shared/", nullptr);
  EXPECT_EQ(ProfileMan(home.file("shared"), "", false).ProfileWriteString("S", "K", "v"), 1);
}

}  // namespace
}  // namespace pellumo
