// The settings store on real files: where the file is, what a read returns,
// garbled files, and writes that fail without losing anything.
#include "records/profileman.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "records/atomicfile.h"
#include "support/fakeui.h"

namespace pellumo {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

const std::string kSaved = "[DIFFICULTY]\nLEVEL=1\n[STATS]\nNOVICE_WON=3\n";

// Every entry under a folder, with the bytes of each regular file; the
// empty lock file that running copies share is no change.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
  std::map<std::string, std::string> entries;
  for (const auto& e : fs::recursive_directory_iterator(folder))
    if (e.path().extension() != ".lock")
      entries[e.path()] = e.is_regular_file() ? ReadFile(e.path()) : e.is_directory() ? "dir" : "?";
  return entries;
}

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

// A path of fewer than two characters counts as unset: the file is the
// folder's "pellumo.ini" again.
TEST(ProfileMan, CountsSaturateAtSixteenBitsAndAOneLetterPathIsUnset) {
  TempFolder f;
  WriteFile(f.file("pellumo.ini"), "[S]\na=32768\nb=-32769\n");
  ProfileMan store(f.path());
  store.ProfilePath = "x";
  EXPECT_EQ(store.ProfileReadInt("S", "a"), 32767);
  EXPECT_EQ(store.ProfileReadInt("S", "b"), -32768);
}

TEST(ProfileMan, GarbledFilesReadWhatParsesAndAWriteKeepsEveryOtherByte) {
  const std::string junk = "\x00\xFF\xFE=\x01[\x00]\n\x7F\x80=x\n"s;
  const std::string crlf = junk + "[DIFFICULTY]\r\nLEVEL=";  // binary junk around, CR LF
  const std::string huge(1 << 20, 'q');
  const std::string big = huge + "\n[DIFFICULTY]\nX=" + huge;  // megabyte lines
  const struct { std::string before, levelRead, after; } cases[] = {
      {crlf + "2\r\n" + junk, "2", crlf + "1\r\n" + junk},
      {big + "\nLEVEL=2\n" + huge, "2", big + "\nLEVEL=1\n" + huge},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before.substr(0, 40));
    TempFolder f;
    WriteFile(f.file("pellumo.ini"), c.before);
    ProfileMan store(f.path());
    EXPECT_EQ(store.ProfileReadString("DIFFICULTY", "LEVEL"), c.levelRead);
    EXPECT_EQ(store.ProfileWriteString("DIFFICULTY", "LEVEL", "1"), 1);
    EXPECT_TRUE(ReadFile(store.ProfilePath) == c.after);  // megabytes: no diff printed
  }
}

// Over 4 MiB a settings file is not read (all defaults) nor replaced: 50 MB
// of blank lines took gigabytes and half a minute a game.
const std::string kOverTheCap = kSaved + std::string((4 << 20) - kSaved.size() + 1, '\n');

TEST(ProfileMan, AFailedWriteReturnsZeroAndChangesNothing) {
  const struct {
    const char *what, *file;
    std::function<void(std::string)> prepare;
    bool unread = false;  // reads give the defaults
  } cases[] = {
      {"disk full part way", "pellumo.ini",
       [](auto ini) { WriteFile(ini, kSaved); AtomicWriteFailAfterBytes = 20; }},
      {"the disk cannot make it durable", "pellumo.ini",
       [](auto ini) { WriteFile(ini, kSaved); AtomicWriteSyncFails = true; }},
      {"larger than 4 MiB", "pellumo.ini", [](auto ini) { WriteFile(ini, kOverTheCap); }, true},
      {"a change that would take it past 4 MiB", "pellumo.ini",
       [](auto ini) { WriteFile(ini, kOverTheCap.substr(0, 4 << 20)); }},
      {"a directory in its place", "pellumo.ini",
       [](auto ini) { fs::create_directory(ini); WriteFile(ini + "/keep", "data"); }},
      {"a pipe in its place: no hang", "pellumo.ini",
       [](auto ini) { ::mkfifo(ini.c_str(), 0644); }},
      {"a file where its folder should be", "file/pellumo.ini",
       [](auto ini) { WriteFile(ini.substr(0, ini.rfind('/')), "data"); }},
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
    EXPECT_NE(store.TakeSaveProblem().find(store.ProfilePath), std::string::npos);
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
  EXPECT_TRUE(fs::is_symlink(f.file("link.ini")));
  EXPECT_EQ(ReadFile(f.file("pellumo.ini")), "[DIFFICULTY]\nLEVEL=2\n[STATS]\nNOVICE_WON=3\n");
  struct stat st {};
  ASSERT_EQ(::stat(f.file("pellumo.ini").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(st.st_gid, group);

  const mode_t usual = ::umask(077);
  ProfileMan fresh(f.file("new"));
  EXPECT_EQ(fresh.ProfileWriteString("DIFFICULTY", "LEVEL", "2"), 1);
  ::umask(usual);
  ASSERT_EQ(::stat(fresh.ProfilePath.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
}

}  // namespace
}  // namespace pellumo
