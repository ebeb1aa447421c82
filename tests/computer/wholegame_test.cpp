// Whole headless games against a human who clicks a uniformly random free
// line, a thousand per level with fixed seeds: whatever happens in between,
// every game must end with a full board, every box scored exactly once, no
// line claimed twice, every move in its player's colour, one end-of-game
// message, and the human to move after every click until then.
#include <random>

#include "computer/boards.h"
#include "support/gamecheck.h"

namespace pellumo {
namespace {

using namespace testing;

struct WholeGameTest : ::testing::TestWithParam<int> {};

TEST_P(WholeGameTest, EveryGameEndsWholeAndFair) {
  const int level = GetParam();
  Rig rig;
  Game& game = rig.game;
  game.mnuDiff_Click(static_cast<std::int16_t>(level));
  rig.random.Seed(1000u + static_cast<std::uint32_t>(level));
  std::mt19937 human(2000u + static_cast<std::uint32_t>(level));
  std::vector<Line> free;
  for (int g = 0; g < 1000 && !HasFailure(); ++g) {
    SCOPED_TRACE(::testing::Message() << "game " << g);
    if (g > 0) game.mnunew_Click();  // the board is full: no question asked
    ASSERT_EQ(game.DifficultyLevel, kLevelWords[level]);
    ASSERT_EQ(game.CountLines(), 0);
    const std::size_t messages = rig.ui.messages.size();
    for (;;) {
      free.clear();
      for (int n = 1; n <= kLinesPerOrientation; ++n) {
        if (game.lines.hline[static_cast<std::size_t>(n)].Enabled) free.push_back(H(n));
        if (game.lines.vline[static_cast<std::size_t>(n)].Enabled) free.push_back(V(n));
      }
      if (free.empty() || rig.ui.messages.size() != messages) break;
      ASSERT_EQ(game.CurrentPlayer, 1) << "with " << free.size() << " lines free";
      const Line pick = free[std::uniform_int_distribution<std::size_t>(0, free.size() - 1)(human)];
      Claim(game, pick);
    }
    EXPECT_EQ(free.size(), 0u) << "the game ends exactly when the board is full";
    EXPECT_TRUE(rig.ui.messages.size() == messages + 1 && rig.ui.messages.back().first == "Game Over");

    EXPECT_EQ(BoardProblem(game, 0), "");
  }
  EXPECT_TRUE(rig.ui.questions.empty());
}

INSTANTIATE_TEST_SUITE_P(Levels, WholeGameTest, ::testing::Values(0, 1, 2),
                         [](const auto& info) { return std::string(kLevelWords[info.param]); });

}  // namespace
}  // namespace pellumo
