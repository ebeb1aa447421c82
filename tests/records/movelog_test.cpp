// The move log: where it goes, its replacement of an older log, and a failed
// write that leaves nothing behind and says so once. Its lines are pinned by
// the harness session and by the debug strip's Print Moves in the window tests.
#include "records/movelog.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iterator>

#include "records/atomicfile.h"
#include "support/fakeui.h"

namespace pellumo {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;

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
  EXPECT_EQ(ReadFile(log), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2);
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

}  // namespace
}  // namespace pellumo
