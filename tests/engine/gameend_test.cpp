// The end of a game (result, statistics, the high-score hook and the stored
// numbers it reads), a new game, quitting and the options kept in the menu bar.
#include <gtest/gtest.h>

#include <tuple>

#include "records/storednumbers.h"
#include "support/fakeui.h"

namespace pellumo {
namespace {

using testing::Rig;

struct GameEndTest : ::testing::Test {
  Rig rig{true};
  Game& game = rig.game;
  ProfileMan& profile = rig.profile;
  std::string Stat(const std::string& key) { return profile.ProfileReadString("STATS", key); }
};

// The message of a win, and one message per game, are checked by the high
// score window's tests and the whole-game test.
TEST_F(GameEndTest, ResultsCountAtTheLevelStopAtTheTopAndATieIsALoss) {
  profile.ProfileWriteString("STATS", "NOVICE_PLAY", "32767");
  profile.ProfileWriteString("STATS", "NOVICE_WON", "99999");
  rig.Finish(40, 24);
  EXPECT_EQ(Stat("NOVICE_PLAY"), "32767") << "no wrap to a negative count";
  EXPECT_EQ(Stat("NOVICE_WON"), "32767");

  game.mnuDiff_Click(2);
  game.mnuDiff_Click(7);  // no such item: the level and its stored mark stay
  EXPECT_EQ(profile.ProfileReadString("DIFFICULTY", "LEVEL"), "2");
  rig.Finish(33, 31);
  rig.Finish(32, 32);
  EXPECT_EQ(rig.ui.messages.back().second, "You Lose!!!");
  EXPECT_EQ((std::tuple{Stat("EXPERT_WON"), Stat("EXPERT_PLAY")}), (std::tuple{"1", "2"}));
}

TEST_F(GameEndTest, TheHighScoreWindowOpensOnlyAboveTheThreshold) {
  // No threshold stored: any positive score qualifies, won or lost. A stored
  // one counts by its leading number, rounded half to even.
  int windows = 0;
  for (auto [stored, score, qualifies] :
       {std::tuple{"", 0, false}, {"", 1, true}, {"30 boxes", 30, false}, {"30 boxes", 31, true},
        {"30.5", 31, true}, {"31.5", 32, false}}) {
    SCOPED_TRACE(::testing::Message() << stored << " " << score);
    if (*stored) profile.ProfileWriteString("HIGH_SCORES", "FIFTH_SCORE", stored);
    game.NewHighScore = false;
    rig.Finish(score, 64 - score);
    EXPECT_EQ(game.NewHighScore, qualifies);
    EXPECT_EQ(rig.ui.highScoreWindows, windows += qualifies);
  }
}

// Plain leading numbers ("30 boxes", "17.5", "3 wins", "Text2") are pinned
// where the game reads them; these are the edges of the number syntax.
TEST(StoredNumbers, LeadingNumberOfATextRoundedHalfToEven) {
  EXPECT_EQ(LeadingValue("  -7.5e1x"), -75.0);
  EXPECT_EQ(LeadingValue("."), 0.0);
  EXPECT_EQ(LeadingValue("3e"), 3.0);
  EXPECT_EQ(LeadingValue("1e999"), 0.0) << "an overflowing number is no number";
  EXPECT_EQ(WholeNumber("-99999"), -32768);
}

// After a full board a new game starts without asking, at the same level,
// on a fresh board (the whole-game test plays a thousand in a row); a Yes
// starts it (the window's NewGame test), a No keeps the game.
TEST_F(GameEndTest, NewGameAsksWhileLinesRemainAndExitNeitherAsksNorRecords) {
  game.hline_Click(5);
  rig.ui.answerYes = false;
  game.mnunew_Click();
  EXPECT_FALSE(game.lines.hline[5].Enabled);
  game.mnuexit_Click();
  using Asked = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(rig.ui.questions,
            (Asked{{"Quit Current Game?", "Are you sure you want to quit current game?"}}))
      << "exit does not ask";
  EXPECT_EQ((std::tuple{rig.ui.reloads, rig.ui.quits}), (std::tuple{0, 1}));
  EXPECT_EQ(Stat("NOVICE_PLAY"), "*");
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
}

TEST(Replay, FlashesTheLastMoveAndKeepsItsOwnersColour) {
  Rig rig{true};
  rig.game.hline_Click(1);  // the human's move passes the turn
  // Each replay shows the last move: the computer's answer, then the human's next line.
  for (auto [Compass, n, colour] : {std::tuple{"vert", 12, kComputerLine}, {"horz", 30, kHumanLine}}) {
    const Line line = *LineNamed(Compass, static_cast<std::int16_t>(n));
    testing::Claim(rig.game, line);
    rig.game.mnuReplay_Click();
    EXPECT_EQ(rig.ui.flashes.back(), (std::pair<std::string, std::int16_t>{Compass, n}));
    EXPECT_EQ(rig.game.lines.Control(line)->BackColor, colour);
  }
}

}  // namespace
}  // namespace pellumo
