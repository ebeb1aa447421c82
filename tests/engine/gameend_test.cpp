// The end of a game (result, statistics, the high-score hook), a new game,
// quitting and the options kept in the menu bar.
#include <gtest/gtest.h>

#include "support/fakeui.h"

namespace pellumo {
namespace {

using testing::Rig;

struct GameEndTest : ::testing::Test {
  Rig rig{true};
  Game& game = rig.game;
  ProfileMan& profile = rig.profile;

  void Finish(int human, int computer) {
    game.Player1Score = static_cast<std::int16_t>(human);
    game.Player2Score = static_cast<std::int16_t>(computer);
    game.GameOver();
  }
};

TEST_F(GameEndTest, AWinCountsWonAndPlayedAtTheLevel) {
  game.mnuDiff_Click(2);
  Finish(33, 31);
  ASSERT_EQ(rig.ui.messages.size(), 1u);
  EXPECT_EQ(rig.ui.messages[0], (std::pair<std::string, std::string>{"Game Over", "You Won!!!"}));
  EXPECT_EQ(profile.ProfileReadString("STATS", "EXPERT_WON"), "1");
  EXPECT_EQ(profile.ProfileReadString("STATS", "EXPERT_PLAY"), "1");
  EXPECT_EQ(profile.ProfileReadString("STATS", "NOVICE_PLAY"), "*");
  Finish(40, 24);
  EXPECT_EQ(profile.ProfileReadInt("STATS", "EXPERT_WON"), 2);
}

TEST_F(GameEndTest, ATieIsALoss) {
  Finish(32, 32);
  EXPECT_EQ(rig.ui.messages.back().second, "You Lose!!!");
  EXPECT_EQ(profile.ProfileReadString("STATS", "NOVICE_WON"), "*");
  EXPECT_EQ(profile.ProfileReadInt("STATS", "NOVICE_PLAY"), 1);
}

TEST_F(GameEndTest, CountersStopAtTheTopInsteadOfWrapping) {
  profile.ProfileWriteString("STATS", "NOVICE_PLAY", "32767");
  profile.ProfileWriteString("STATS", "NOVICE_WON", "99999");
  Finish(40, 24);
  EXPECT_EQ(profile.ProfileReadString("STATS", "NOVICE_PLAY"), "32767");
  EXPECT_EQ(profile.ProfileReadString("STATS", "NOVICE_WON"), "32767");
}

TEST_F(GameEndTest, TheHighScoreWindowOpensOnlyAboveTheThreshold) {
  // No threshold stored: any positive score qualifies, won or lost.
  Finish(0, 64);
  EXPECT_FALSE(game.NewHighScore);
  EXPECT_EQ(rig.ui.highScoreWindows, 0);
  Finish(1, 63);
  EXPECT_TRUE(game.NewHighScore);
  EXPECT_EQ(rig.ui.highScoreWindows, 1);

  game.NewHighScore = false;
  profile.ProfileWriteString("HIGH_SCORES", "FIFTH_SCORE", "30 boxes");
  Finish(30, 34);
  EXPECT_FALSE(game.NewHighScore) << "equal to the threshold does not qualify";
  Finish(31, 33);
  EXPECT_TRUE(game.NewHighScore);

  // The leading number is rounded half to even: 30.5 gives 30.
  game.NewHighScore = false;
  profile.ProfileWriteString("HIGH_SCORES", "FIFTH_SCORE", "30.5");
  Finish(31, 33);
  EXPECT_TRUE(game.NewHighScore);
  game.NewHighScore = false;
  profile.ProfileWriteString("HIGH_SCORES", "FIFTH_SCORE", "31.5");
  Finish(32, 32);
  EXPECT_FALSE(game.NewHighScore);
}

TEST_F(GameEndTest, NewGameAsksWhileLinesRemainAndNoChangesNothing) {
  game.hline_Click(5);
  game.CurrentPlayer = 1;
  game.Player1Score = 3;
  rig.ui.answerYes = false;
  game.mnunew_Click();
  ASSERT_EQ(rig.ui.questions.size(), 1u);
  EXPECT_EQ(rig.ui.questions[0], "Are you sure you want to quit current game?");
  EXPECT_EQ(rig.ui.reloads, 0);
  EXPECT_FALSE(game.lines.hline[5].Enabled);
  EXPECT_EQ(game.Player1Score, 3);
  EXPECT_EQ(game.GameMoves.Count(), 1);

  rig.ui.answerYes = true;
  game.mnuDiff_Click(1);
  game.mnunew_Click();
  EXPECT_EQ(rig.ui.reloads, 1);
  EXPECT_TRUE(game.lines.hline[5].Enabled);
  EXPECT_EQ(game.lines.hline[5].BackColor, kFreeLine);
  EXPECT_EQ(game.Player1Score, 0);
  EXPECT_EQ(game.plyr1score, "0");
  EXPECT_EQ(game.plyr2score, "0");
  EXPECT_EQ(game.GameMoves.Count(), 0);
  EXPECT_EQ(game.CurrentPlayer, 1);
  EXPECT_FALSE(game.mnuReplayEnabled);
  EXPECT_EQ(game.DifficultyLevel, "INTERMEDIATE") << "the level survives a new game";
}

TEST_F(GameEndTest, NewGameAfterTheEndDoesNotAsk) {
  for (int n = 1; n <= 72; ++n) {
    game.lines.hline[n].Enabled = game.lines.vline[n].Enabled = false;
    game.lines.hline[n].BackColor = game.lines.vline[n].BackColor = kComputerLine;
  }
  game.mnunew_Click();
  EXPECT_TRUE(rig.ui.questions.empty());
  EXPECT_EQ(rig.ui.reloads, 1);
  EXPECT_EQ(game.CountLines(), 0);
}

TEST_F(GameEndTest, ExitQuitsWithoutAskingOrRecording) {
  game.hline_Click(1);
  game.mnuexit_Click();
  EXPECT_EQ(rig.ui.quits, 1);
  EXPECT_TRUE(rig.ui.questions.empty());
  EXPECT_EQ(profile.ProfileReadString("STATS", "NOVICE_PLAY"), "*");
}

TEST_F(GameEndTest, TheLevelMenuStoresTheMarkedItem) {
  game.mnuDiff_Click(1);
  EXPECT_EQ(game.DifficultyLevel, "INTERMEDIATE");
  EXPECT_EQ(game.mnuDiffChecked, (std::array<bool, 3>{false, true, false}));
  EXPECT_EQ(profile.ProfileReadString("DIFFICULTY", "LEVEL"), "1");
  game.mnuDiff_Click(7);  // not an item: nothing changes, the mark is stored
  EXPECT_EQ(game.DifficultyLevel, "INTERMEDIATE");
  EXPECT_EQ(profile.ProfileReadString("DIFFICULTY", "LEVEL"), "1");
}

TEST(GameLoad, AStoredLevelIsUsedAndABadOneMeansNovice) {
  for (auto [stored, level, written] :
       {std::tuple{"2", "EXPERT", "2"}, {"", "NOVICE", "0"}, {"7", "NOVICE", "0"},
        {"-1", "NOVICE", "0"}, {"1junk", "INTERMEDIATE", "1"}}) {
    Rig rig{true};
    SCOPED_TRACE(stored);
    rig.profile.ProfileWriteString("DIFFICULTY", "LEVEL", stored);
    rig.game.Load();
    EXPECT_EQ(rig.game.DifficultyLevel, level);
    EXPECT_EQ(rig.profile.ProfileReadString("DIFFICULTY", "LEVEL"), written);
  }
  Rig fresh{true};
  EXPECT_EQ(fresh.profile.ProfileReadString("DIFFICULTY", "LEVEL"), "0")
      << "the level is stored at every start";
}

TEST(Replay, FlashesTheLastMoveAndKeepsItsOwnersColour) {
  Rig rig{true};
  Game& game = rig.game;
  game.hline_Click(1);  // human, the turn passes
  game.vline_Click(12); // computer
  game.mnuReplay_Click();
  EXPECT_EQ(rig.ui.flashes.back(), (std::pair<std::string, std::int16_t>{"vert", 12}));
  EXPECT_EQ(game.lines.vline[12].BackColor, kComputerLine);

  game.hline_Click(30);  // the human's move is the last one now
  game.mnuReplay_Click();
  EXPECT_EQ(rig.ui.flashes.back(), (std::pair<std::string, std::int16_t>{"horz", 30}));
  EXPECT_EQ(game.lines.hline[30].BackColor, kHumanLine);
}

}  // namespace
}  // namespace pellumo
