// The move log: its exact lines, its replacement of an older log, and a
// failed write that leaves nothing behind and says so once.
#include "records/movelog.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "records/atomicfile.h"
#include "support/fakeui.h"

namespace pellumo {
namespace {

using testing::ReadFile;
using testing::TempFolder;

TEST(MoveLog, OneLinePerMoveWithCarriageReturnLineFeed) {
  TempFolder folder;
  const std::string path = folder.file("myboxmoves.csv");
  AllTheMoves moves;
  ASSERT_TRUE(WriteMoveLog(path, moves));
  EXPECT_EQ(ReadFile(path), "") << "a log before any move is an empty file";

  moves.Add("horz", 12, 1);
  moves.Add("vert", 72, 2);
  moves.Add("vert", 3, 2);
  ASSERT_TRUE(WriteMoveLog(path, moves));
  EXPECT_EQ(ReadFile(path), "Player1,horz,12\r\nPlayer2,vert,72\r\nPlayer2,vert,3\r\n");

  AllTheMoves shorter;
  shorter.Add("horz", 1, 1);
  ASSERT_TRUE(WriteMoveLog(path, shorter));
  EXPECT_EQ(ReadFile(path), "Player1,horz,1\r\n") << "each export replaces the file";
}

TEST(MoveLog, AFailedWriteLeavesTheOldLogAndNoTemporaryFile) {
  TempFolder folder;
  const std::string path = folder.file("myboxmoves.csv");
  AllTheMoves moves;
  moves.Add("horz", 5, 1);
  ASSERT_TRUE(WriteMoveLog(path, moves));
  moves.Add("vert", 9, 2);

  AtomicWriteFailAfterBytes = 4;  // the disk fills up part way
  ::testing::internal::CaptureStderr();
  const bool written = WriteMoveLog(path, moves);
  const std::string said = ::testing::internal::GetCapturedStderr();
  AtomicWriteFailAfterBytes = -1;

  EXPECT_FALSE(written);
  EXPECT_EQ(ReadFile(path), "Player1,horz,5\r\n");
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find(path), std::string::npos);
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) ++files;
  EXPECT_EQ(files, 1);

  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(WriteMoveLog(folder.file("no-such-folder/myboxmoves.csv"), moves));
  EXPECT_FALSE(::testing::internal::GetCapturedStderr().empty());
}

TEST(MoveLog, GoesToTheHomeFolder) {
  const char* saved = std::getenv("HOME");
  const std::string old = saved != nullptr ? saved : "";
  setenv("HOME", "/home/player", 1);
  EXPECT_EQ(MoveLogPath(), "/home/player/myboxmoves.csv");
  setenv("HOME", "/home/player/", 1);
  EXPECT_EQ(MoveLogPath(), "/home/player/myboxmoves.csv");
  unsetenv("HOME");
  EXPECT_FALSE(MoveLogPath().empty());  // the account's home folder
  if (saved != nullptr) setenv("HOME", old.c_str(), 1);
}

}  // namespace
}  // namespace pellumo
