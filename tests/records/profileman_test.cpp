// The settings store on real files: defaults, round trips, numbers, unsafe
// text, and writes that fail without losing anything.
#include "records/profileman.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "records/atomicfile.h"

namespace pellumo {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// A fresh folder per test, standing in for the program folder.
class ProfileFolder : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = testing::TempDir() + "pellumo-ini-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    path_ = folder_ + "/pellumo.ini";
  }
  void TearDown() override {
    AtomicWriteFailAfterBytes = -1;
    ::chmod(folder_.c_str(), 0755);
    fs::remove_all(folder_);
  }

  ProfileMan Store() {
    ProfileMan store(folder_);
    store.ProfilePath = path_;
    return store;
  }
  std::string Text() const {
    std::ifstream in(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void SetText(const std::string& text) const {
    std::ofstream(path_, std::ios::binary) << text;
  }
  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder_)) names.insert(e.path().filename());
    return names;
  }

  std::string folder_;
  std::string path_;
};

using ProfileLocation = ProfileFolder;
using ProfileValues = ProfileFolder;
using ProfileNumbers = ProfileFolder;
using ProfileUnsafeText = ProfileFolder;
using ProfileFailedWrite = ProfileFolder;
using ProfileDamagedFile = ProfileFolder;

// --- Location ---------------------------------------------------------------

TEST_F(ProfileLocation, UnsetPathFallsBackToLowerCaseFileInProgramFolder) {
  for (const std::string unset : {"", "x"}) {
    ProfileMan store(folder_);
    store.ProfilePath = unset;
    EXPECT_EQ(store.ProfileReadString("DIFFICULTY", "LEVEL"), "*");
    EXPECT_EQ(store.ProfilePath, folder_ + "/pellumo.ini");
  }
  ProfileMan writer(folder_);
  EXPECT_EQ(writer.ProfileWriteString("DIFFICULTY", "LEVEL", "1"), 1);
  EXPECT_EQ(Entries(), std::set<std::string>{"pellumo.ini"});

  ProfileMan reader(folder_);
  EXPECT_EQ(reader.ProfileReadInt("DIFFICULTY", "LEVEL"), 1);
}

TEST_F(ProfileLocation, MainWindowPathAndFallbackNameTheSameFile) {
  ProfileMan window(folder_);
  window.ProfilePath = folder_ + "/" + std::string(ProfileMan::FileName);
  window.ProfileWriteString("Sizes", "Width", "9600");
  ProfileMan fallback(folder_);
  fallback.ProfileLocate();
  EXPECT_EQ(fallback.ProfilePath, window.ProfilePath);
  EXPECT_EQ(fallback.ProfileReadString("Sizes", "Width"), "9600");
}

TEST_F(ProfileLocation, SetPathIsKept) {
  ProfileMan store(folder_);
  store.ProfilePath = folder_ + "/other.ini";
  store.ProfileWriteString("S", "K", "v");
  EXPECT_EQ(store.ProfilePath, folder_ + "/other.ini");
  EXPECT_EQ(Entries(), std::set<std::string>{"other.ini"});
}

// --- Values -----------------------------------------------------------------

TEST_F(ProfileValues, NoFileReadsDefaultsAndFirstWriteCreatesJustThatEntry) {
  ProfileMan store = Store();
  EXPECT_EQ(store.ProfileReadString("HIGH_SCORES", "FIFTH_SCORE"), "*");
  EXPECT_EQ(store.ProfileReadInt("STATS", "NOVICE_WON"), 0);
  EXPECT_TRUE(Entries().empty()) << "reads must not create the file";

  EXPECT_EQ(store.ProfileWriteString("DIFFICULTY", "LEVEL", "2"), 1);
  EXPECT_EQ(Text(), "[DIFFICULTY]\nLEVEL=2\n");
}

TEST_F(ProfileValues, AbsentKeyOrSectionReadsDefault) {
  SetText("[STATS]\nNOVICE_WON=3\n");
  ProfileMan store = Store();
  EXPECT_EQ(store.ProfileReadString("STATS", "NOVICE_PLAY"), "*");
  EXPECT_EQ(store.ProfileReadString("Sizes", "NOVICE_WON"), "*");
  EXPECT_EQ(store.ProfileReadInt("Sizes", "NOVICE_WON"), 0);
}

TEST_F(ProfileValues, EmptyValueReadsEmptyNotDefault) {
  ProfileMan store = Store();
  store.ProfileWriteString("HIGH_SCORES_NOVICE", "SCORE5", "");
  EXPECT_EQ(store.ProfileReadString("HIGH_SCORES_NOVICE", "SCORE5"), "");
  store.ProfileWriteString("HIGH_SCORES_NOVICE", "NAME5", " ");
  EXPECT_EQ(store.ProfileReadString("HIGH_SCORES_NOVICE", "NAME5"), "");
}

TEST_F(ProfileValues, BlanksAroundValueAreTrimmed) {
  SetText("[HIGH_SCORES_EXPERT]\nNAME1 = \t Ann Lee \t\n");
  ProfileMan store = Store();
  EXPECT_EQ(store.ProfileReadString("HIGH_SCORES_EXPERT", "NAME1"), "Ann Lee");
  store.ProfileWriteString("HIGH_SCORES_EXPERT", "NAME2", "   Bob  ");
  EXPECT_EQ(store.ProfileReadString("HIGH_SCORES_EXPERT", "NAME2"), "Bob");
}

TEST_F(ProfileValues, LongValueIsCutTo255Characters) {
  ProfileMan store = Store();
  const std::string name = std::string(250, 'a') + std::string(50, 'b');
  store.ProfileWriteString("HIGH_SCORES_NOVICE", "NAME1", name);
  EXPECT_EQ(store.ProfileReadString("HIGH_SCORES_NOVICE", "NAME1"), name.substr(0, 255));
  EXPECT_NE(Text().find(name), std::string::npos) << "the file keeps the whole value";

  // Blanks brought to the end by the cut are trimmed too.
  store.ProfileWriteString("HIGH_SCORES_NOVICE", "NAME2", std::string(250, 'c') + "      dd");
  EXPECT_EQ(store.ProfileReadString("HIGH_SCORES_NOVICE", "NAME2"), std::string(250, 'c'));
}

TEST_F(ProfileValues, CutNeverSplitsAUtf8Character) {
  ProfileMan store = Store();
  const std::string name = std::string(254, 'a') + "\xC3\xA9";  // 'é' across the limit
  store.ProfileWriteString("HIGH_SCORES_NOVICE", "NAME1", name);
  EXPECT_EQ(store.ProfileReadString("HIGH_SCORES_NOVICE", "NAME1"), std::string(254, 'a'));
}

TEST_F(ProfileValues, WritingTwiceLeavesOneLineWithTheSecondValue) {
  ProfileMan store = Store();
  store.ProfileWriteString("DIFFICULTY", "LEVEL", "0");
  store.ProfileWriteString("DIFFICULTY", "LEVEL", "2");
  EXPECT_EQ(Text(), "[DIFFICULTY]\nLEVEL=2\n");
  EXPECT_EQ(store.ProfileReadInt("DIFFICULTY", "LEVEL"), 2);
}

TEST_F(ProfileValues, NamesMatchWithoutRegardToCase) {
  ProfileMan store = Store();
  store.ProfileWriteString("Sizes", "Width", "9600");
  EXPECT_EQ(store.ProfileReadString("SIZES", "width"), "9600");
  store.ProfileWriteString("sIZES", "WIDTH", "7200");
  EXPECT_EQ(Text(), "[Sizes]\nWidth=7200\n");
}

TEST_F(ProfileValues, OtherSectionsAndKeysStayAsTheyWere) {
  const std::string before =
      "; settings\n[Sizes]\nWidth=9600\nHeight=7200\n\n[STATS]\nNOVICE_WON=1\n";
  SetText(before);
  ProfileMan store = Store();
  store.ProfileWriteString("Sizes", "Height", "6000");
  store.ProfileWriteString("Sizes", "Extra", "x");
  store.ProfileWriteString("DIFFICULTY", "LEVEL", "1");
  EXPECT_EQ(Text(),
            "; settings\n[Sizes]\nWidth=9600\nHeight=6000\nExtra=x\n\n[STATS]\nNOVICE_WON=1\n"
            "[DIFFICULTY]\nLEVEL=1\n");
}

TEST_F(ProfileValues, NonAsciiTextRoundTrips) {
  ProfileMan store = Store();
  const std::string section = "HIGH_SCORES_\xC3\x89LITE";
  const std::string name = "Zo\xC3\xAB \xF0\x9F\x8E\xB2";
  store.ProfileWriteString(section, "NAME1", name);
  EXPECT_EQ(store.ProfileReadString(section, "name1"), name);
}

// --- Numbers ----------------------------------------------------------------

TEST_F(ProfileNumbers, LeadingDecimalNumberIsRead) {
  SetText("[N]\na=12abc\nb=abc\nc=  -7\nd=+5\ne=\nf=-\ng=\t42 \n");
  ProfileMan store = Store();
  EXPECT_EQ(store.ProfileReadInt("N", "a"), 12);
  EXPECT_EQ(store.ProfileReadInt("N", "b"), 0);
  EXPECT_EQ(store.ProfileReadInt("N", "c"), -7);
  EXPECT_EQ(store.ProfileReadInt("N", "d"), 5);
  EXPECT_EQ(store.ProfileReadInt("N", "e"), 0);
  EXPECT_EQ(store.ProfileReadInt("N", "f"), 0);
  EXPECT_EQ(store.ProfileReadInt("N", "g"), 42);
}

TEST_F(ProfileNumbers, CountsOutsideSixteenBitsSaturate) {
  SetText("[STATS]\na=32767\nb=32768\nc=40000\nd=-32768\ne=-40000\nf=99999999999999999999999\n"
          "g=-99999999999999999999999\nh=4294967296\n");
  ProfileMan store = Store();
  EXPECT_EQ(store.ProfileReadInt("STATS", "a"), 32767);
  EXPECT_EQ(store.ProfileReadInt("STATS", "b"), 32767);
  EXPECT_EQ(store.ProfileReadInt("STATS", "c"), 32767);
  EXPECT_EQ(store.ProfileReadInt("STATS", "d"), -32768);
  EXPECT_EQ(store.ProfileReadInt("STATS", "e"), -32768);
  EXPECT_EQ(store.ProfileReadInt("STATS", "f"), 32767);
  EXPECT_EQ(store.ProfileReadInt("STATS", "g"), -32768);
  EXPECT_EQ(store.ProfileReadInt("STATS", "h"), 32767);
}

// --- Unsafe text ------------------------------------------------------------

TEST_F(ProfileUnsafeText, LineBreaksInValueCannotAddLinesKeysOrSections) {
  ProfileMan store = Store();
  store.ProfileWriteString("HIGH_SCORES_NOVICE", "NAME1", "Eve\r\n[STATS]\nNOVICE_WON=99\r");
  EXPECT_EQ(Text(), "[HIGH_SCORES_NOVICE]\nNAME1=Eve  [STATS] NOVICE_WON=99 \n");
  EXPECT_EQ(store.ProfileReadString("STATS", "NOVICE_WON"), "*");
  EXPECT_EQ(store.ProfileReadString("HIGH_SCORES_NOVICE", "NAME1"), "Eve  [STATS] NOVICE_WON=99");
}

TEST_F(ProfileUnsafeText, OddNamesCannotCorruptTheFile) {
  ProfileMan store = Store();
  store.ProfileWriteString("A]\n[B", "K=\r\nX", "v");
  store.ProfileWriteString("[C]", "=", "w");
  EXPECT_EQ(Text(), "[A   B]\nK   X=v\n[C]\n=w\n");
  EXPECT_EQ(store.ProfileReadString("A]\n[B", "K=\r\nX"), "v")
      << "the same odd names find the entry";
  EXPECT_EQ(store.ProfileReadString("B", "X"), "*");
  EXPECT_EQ(store.ProfileReadString("[C]", "="), "w");
}

// --- Failed writes ----------------------------------------------------------

const char kSaved[] = "[DIFFICULTY]\nLEVEL=1\n[STATS]\nNOVICE_WON=3\n";

TEST_F(ProfileFailedWrite, DiskFullMidWriteKeepsOldFileAndLeavesNoTemporary) {
  SetText(kSaved);
  ProfileMan store = Store();
  for (const std::int64_t after : {0, 1, 20}) {
    AtomicWriteFailAfterBytes = after;
    EXPECT_EQ(store.ProfileWriteString("STATS", "NOVICE_WON", "4"), 0) << after;
    EXPECT_EQ(Text(), kSaved);
    EXPECT_EQ(Entries(), std::set<std::string>{"pellumo.ini"});
  }
  AtomicWriteFailAfterBytes = -1;
  EXPECT_EQ(store.ProfileReadInt("STATS", "NOVICE_WON"), 3);
  EXPECT_EQ(store.ProfileWriteString("STATS", "NOVICE_WON", "4"), 1);
}

TEST_F(ProfileFailedWrite, DiskFullOnFirstWriteCreatesNothing) {
  AtomicWriteFailAfterBytes = 3;
  EXPECT_EQ(Store().ProfileWriteString("DIFFICULTY", "LEVEL", "1"), 0);
  EXPECT_TRUE(Entries().empty());
}

TEST_F(ProfileFailedWrite, ReadOnlyFolder) {
  SetText(kSaved);
  ASSERT_EQ(::chmod(folder_.c_str(), 0555), 0);
  if (::access(folder_.c_str(), W_OK) == 0)
    GTEST_SKIP() << "running with privileges that ignore a read-only folder (root?)";
  ProfileMan store = Store();
  EXPECT_EQ(store.ProfileWriteString("STATS", "NOVICE_WON", "4"), 0);
  EXPECT_EQ(Text(), kSaved);
  EXPECT_EQ(Entries(), std::set<std::string>{"pellumo.ini"});
}

TEST_F(ProfileFailedWrite, ReadOnlyFileIsNotReplaced) {
  SetText(kSaved);
  ASSERT_EQ(::chmod(path_.c_str(), 0444), 0);
  if (::access(path_.c_str(), W_OK) == 0)
    GTEST_SKIP() << "running with privileges that ignore a read-only file (root?)";
  EXPECT_EQ(Store().ProfileWriteString("STATS", "NOVICE_WON", "4"), 0);
  EXPECT_EQ(Text(), kSaved);
}

TEST_F(ProfileFailedWrite, MissingFolder) {
  ProfileMan store(folder_ + "/gone");
  EXPECT_EQ(store.ProfileReadString("DIFFICULTY", "LEVEL"), "*");
  EXPECT_EQ(store.ProfileWriteString("DIFFICULTY", "LEVEL", "1"), 0);
  EXPECT_TRUE(Entries().empty());
}

TEST_F(ProfileFailedWrite, SettingsPathIsADirectory) {
  fs::create_directory(path_);
  std::ofstream(path_ + "/keep.txt") << "data";
  ProfileMan store = Store();
  EXPECT_EQ(store.ProfileReadString("DIFFICULTY", "LEVEL"), "*");
  EXPECT_EQ(store.ProfileReadInt("DIFFICULTY", "LEVEL"), 0);
  EXPECT_EQ(store.ProfileWriteString("DIFFICULTY", "LEVEL", "1"), 0);
  EXPECT_TRUE(fs::is_directory(path_));
  EXPECT_TRUE(fs::exists(path_ + "/keep.txt"));
  EXPECT_EQ(Entries(), std::set<std::string>{"pellumo.ini"});
}

TEST_F(ProfileFailedWrite, SettingsPathIsAPipe) {
  // Not a regular file and works as root too; must neither hang nor be replaced.
  ASSERT_EQ(::mkfifo(path_.c_str(), 0644), 0);
  ProfileMan store = Store();
  EXPECT_EQ(store.ProfileReadString("DIFFICULTY", "LEVEL"), "*");
  EXPECT_EQ(store.ProfileWriteString("DIFFICULTY", "LEVEL", "1"), 0);
  EXPECT_TRUE(fs::is_fifo(path_));
  EXPECT_EQ(Entries(), std::set<std::string>{"pellumo.ini"});
}

TEST_F(ProfileFailedWrite, UnreadableFile) {
  SetText(kSaved);
  ASSERT_EQ(::chmod(path_.c_str(), 0), 0);
  if (::access(path_.c_str(), R_OK) == 0)
    GTEST_SKIP() << "running with privileges that read any file (root?); the pipe and "
                    "directory cases cover unreadable settings";
  ProfileMan store = Store();
  EXPECT_EQ(store.ProfileReadInt("DIFFICULTY", "LEVEL"), 0);
  EXPECT_EQ(store.ProfileWriteString("DIFFICULTY", "LEVEL", "2"), 0);
  ::chmod(path_.c_str(), 0644);
  EXPECT_EQ(Text(), kSaved);
}

TEST_F(ProfileFailedWrite, SuccessfulWriteKeepsPermissionsAndFollowsLinks) {
  SetText(kSaved);
  ::chmod(path_.c_str(), 0640);
  fs::create_symlink(path_, folder_ + "/link.ini");
  ProfileMan store(folder_);
  store.ProfilePath = folder_ + "/link.ini";
  EXPECT_EQ(store.ProfileWriteString("DIFFICULTY", "LEVEL", "2"), 1);
  EXPECT_TRUE(fs::is_symlink(folder_ + "/link.ini"));
  EXPECT_EQ(Text(), "[DIFFICULTY]\nLEVEL=2\n[STATS]\nNOVICE_WON=3\n");
  EXPECT_EQ(fs::status(path_).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Entries(), (std::set<std::string>{"link.ini", "pellumo.ini"}));
}

// --- Damaged files ----------------------------------------------------------

TEST_F(ProfileDamagedFile, BinaryJunkReadsAsAbsentAndIsKeptOnWrite) {
  const std::string junk = "\x00\xFF\xFE=\x01[\x00]\n\x7F\x80=x\n"s;
  SetText(junk + "[STATS]\r\nNOVICE_WON=5\r\n" + junk);
  ProfileMan store = Store();
  EXPECT_EQ(store.ProfileReadInt("STATS", "NOVICE_WON"), 5);
  EXPECT_EQ(store.ProfileReadString("DIFFICULTY", "LEVEL"), "*");
  EXPECT_EQ(store.ProfileWriteString("STATS", "NOVICE_WON", "6"), 1);
  EXPECT_EQ(Text(), junk + "[STATS]\r\nNOVICE_WON=6\r\n" + junk);
}

TEST_F(ProfileDamagedFile, NoSectionsAtAll) {
  const std::string junk = "LEVEL=2\n\x00\x00garbage\nno equals here"s;
  SetText(junk);
  ProfileMan store = Store();
  EXPECT_EQ(store.ProfileReadInt("DIFFICULTY", "LEVEL"), 0);
  EXPECT_EQ(store.ProfileWriteString("DIFFICULTY", "LEVEL", "1"), 1);
  EXPECT_EQ(Text(), junk + "\n[DIFFICULTY]\nLEVEL=1\n");
  EXPECT_EQ(store.ProfileReadInt("DIFFICULTY", "LEVEL"), 1);
}

TEST_F(ProfileDamagedFile, MegabyteLines) {
  const std::string huge(1 << 20, 'q');
  SetText(huge + "\n[HIGH_SCORES_NOVICE]\nNAME1=" + huge + "\n" + huge + "\n");
  ProfileMan store = Store();
  EXPECT_EQ(store.ProfileReadString("HIGH_SCORES_NOVICE", "NAME1"), huge.substr(0, 255));
  EXPECT_EQ(store.ProfileWriteString("HIGH_SCORES_NOVICE", "SCORE1", "40"), 1);
  EXPECT_EQ(Text(), huge + "\n[HIGH_SCORES_NOVICE]\nNAME1=" + huge + "\n" + huge + "\nSCORE1=40\n");
}

TEST_F(ProfileDamagedFile, ByteOrderMarkAndWindowsLineEnds) {
  SetText("\xEF\xBB\xBF[DIFFICULTY]\r\nLEVEL=2\r\n");
  ProfileMan store = Store();
  EXPECT_EQ(store.ProfileReadInt("difficulty", "level"), 2);
  store.ProfileWriteString("DIFFICULTY", "LEVEL", "0");
  store.ProfileWriteString("STATS", "EXPERT_PLAY", "1");
  EXPECT_EQ(Text(), "\xEF\xBB\xBF[DIFFICULTY]\r\nLEVEL=0\r\n[STATS]\r\nEXPERT_PLAY=1\r\n");
}

}  // namespace
}  // namespace pellumo
