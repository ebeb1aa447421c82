// Whole headless games against a human who clicks a uniformly random free
// line, a thousand per level with fixed seeds: whatever happens in between,
// every game must end with a full board, every box scored exactly once, no
// line claimed twice, one end-of-game message, and the human to move after
// every click until then.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "computer/boards.h"
#include "computer/computer.h"
#include "support/fakeui.h"

namespace pellumo {
namespace {

using namespace testing;

constexpr int kGamesPerLevel = 1000;

struct WholeGameTest : ::testing::TestWithParam<int> {};

// The game counts every finished game in its settings file, which is
// written durably (synced to disk) each time. Three thousand games are
// meant to test the play, not the disk: the settings go to memory-backed
// storage when the machine has it.
struct Table {
  std::string folder = MakeFolder();
  ProfileMan profile{folder};
  RecordingUi ui;
  ScriptedRandom random;
  Game game{profile, ui, random};

  Table() {
    ui.game = &game;
    game.Load();
  }
  ~Table() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  static std::string MakeFolder() {
    std::error_code ec;
    const bool shm = std::filesystem::is_directory("/dev/shm", ec);
    std::string pattern = (shm ? std::string("/dev/shm/") : ::testing::TempDir()) + "pellumo-games-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern;
  }
};

// Plays one game to its end; returns false (after reporting) when it went wrong.
bool PlayOneGame(Table& rig, std::mt19937& human, int game_number) {
  Game& game = rig.game;
  const std::size_t messages = rig.ui.messages.size();
  std::set<LineRef> claimed;
  std::int32_t recorded = 0;
  std::vector<LineRef> free;

  for (int clicks = 0;; ++clicks) {
    free.clear();
    for (int n = 1; n <= kLinesPerOrientation; ++n) {
      if (game.lines.hline[static_cast<std::size_t>(n)].Enabled) free.push_back(H(n));
      if (game.lines.vline[static_cast<std::size_t>(n)].Enabled) free.push_back(V(n));
    }
    const bool over = rig.ui.messages.size() != messages;
    if (free.empty() || over) {
      EXPECT_TRUE(free.empty()) << "game " << game_number << " ended with free lines";
      EXPECT_TRUE(over) << "game " << game_number << " has a full board but never ended";
      break;
    }
    if (game.CurrentPlayer != 1) {
      ADD_FAILURE() << "game " << game_number << ": after click " << clicks << " player "
                    << game.CurrentPlayer << " is to move with " << free.size() << " lines free";
      return false;
    }
    const LineRef pick = free[std::uniform_int_distribution<std::size_t>(0, free.size() - 1)(human)];
    Claim(game, pick.first, pick.second);

    for (; recorded < game.GameMoves.Count(); ++recorded) {
      const Moves& move = game.GameMoves.Item(recorded + 1);
      if (!claimed.insert({move.Compass, move.LineNum}).second) {
        ADD_FAILURE() << "game " << game_number << ": " << move.Compass << " " << move.LineNum
                      << " claimed twice";
        return false;
      }
    }
  }

  int human_boxes = 0;
  int computer_boxes = 0;
  for (int b = 1; b <= kBoxes; ++b) {
    const BoxFill& fill = game.gridbx1[static_cast<std::size_t>(b)];
    EXPECT_FALSE(fill.Enabled) << "game " << game_number << ": box " << b << " never filled";
    human_boxes += fill.BackColor == kHumanBox;
    computer_boxes += fill.BackColor == kComputerBox;
  }
  EXPECT_EQ(game.CountLines(), 144) << "game " << game_number;
  EXPECT_EQ(game.Player1Score, human_boxes) << "game " << game_number;
  EXPECT_EQ(game.Player2Score, computer_boxes) << "game " << game_number;
  EXPECT_EQ(game.Player1Score + game.Player2Score, 64) << "game " << game_number;
  for (std::int32_t i = 1; i <= game.GameMoves.Count(); ++i) {
    const Moves& move = game.GameMoves.Item(i);
    EXPECT_EQ(LineOwner(*game.lines.Line(move.Compass, move.LineNum)), move.PlayerNum)
        << "game " << game_number << ": " << move.Compass << " " << move.LineNum;
  }
  EXPECT_EQ(rig.ui.messages.size(), messages + 1) << "game " << game_number;
  if (rig.ui.messages.size() > messages) {
    EXPECT_EQ(rig.ui.messages[messages].first, "Game Over") << "game " << game_number;
  }
  return !::testing::Test::HasFailure();
}

TEST_P(WholeGameTest, EveryGameEndsWholeAndFair) {
  const int level = GetParam();
  Table rig;
  rig.game.mnuDiff_Click(static_cast<std::int16_t>(level));
  rig.random.Seed(1000u + static_cast<std::uint32_t>(level));
  std::mt19937 human(2000u + static_cast<std::uint32_t>(level));

  for (int g = 0; g < kGamesPerLevel; ++g) {
    if (g > 0) rig.game.mnunew_Click();  // the board is full: no question asked
    ASSERT_EQ(rig.game.DifficultyLevel, kLevelWords[level]);
    ASSERT_EQ(rig.game.CountLines(), 0);
    ASSERT_EQ(rig.game.CurrentPlayer, 1);
    if (!PlayOneGame(rig, human, g)) break;
  }
  EXPECT_TRUE(rig.ui.questions.empty());
}

INSTANTIATE_TEST_SUITE_P(Levels, WholeGameTest, ::testing::Values(0, 1, 2),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::string(kLevelWords[info.param]);
                         });

}  // namespace
}  // namespace pellumo
