// The high-score table of each level: where a finished game's score goes,
// what the window shows for stored values, and what OK writes back.
#include "records/highscores.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "support/fakeui.h"

namespace pellumo {
namespace {

using testing::Rig;

using Rows = std::array<std::string, kHighScoreRows>;
const std::string kEntry = "Enter Your Name Here";

struct HighScoresTest : ::testing::Test {
  Rig rig{true};
  Game& game = rig.game;
  ProfileMan& profile = rig.profile;

  void Store(const std::string& level, const Rows& names, const Rows& scores) {
    for (std::size_t i = 0; i < kHighScoreRows; ++i) {
      profile.ProfileWriteString(HighScoreSection(level), "NAME" + std::to_string(i + 1), names[i]);
      profile.ProfileWriteString(HighScoreSection(level), "SCORE" + std::to_string(i + 1), scores[i]);
    }
  }
  void Stats(const char* played, const char* won) {
    profile.ProfileWriteString("STATS", "NOVICE_PLAY", played);
    profile.ProfileWriteString("STATS", "NOVICE_WON", won);
  }
  // Runs the window's load the way the end of a game does.
  HighScoreTable Load(HighScoreLoad expected) {
    HighScoreTable table;
    EXPECT_EQ(HighScoreFormLoad(profile, game.DifficultyLevel, game.Player1Score,
                                game.NewHighScore, table),
              expected);
    EXPECT_FALSE(game.NewHighScore) << "the load must always clear the pending entry";
    return table;
  }
};

TEST_F(HighScoresTest, FirstWinAtALevelTakesTheTopRowOfAnEmptyTable) {
  rig.Finish(40, 24);
  const HighScoreTable table = Load(HighScoreLoad::Entry);
  EXPECT_EQ((std::tuple{table.EntryRow, table.GPlay, table.GWon, table.PctWon}),
            (std::tuple{0, "1", "1", "100.0%"}));
  EXPECT_EQ(table.MyName, (Rows{kEntry, " ", " ", " ", " "}));
  EXPECT_EQ(table.Score, (Rows{"40", "", "", "", ""}));
  EXPECT_EQ(profile.ProfileReadString("HIGH_SCORES_NOVICE", "NAME1"), "*") << "nothing stored before OK";
}

// No threshold is stored, so every positive score asks for the window; the
// table decides. A lost game enters as well; a tie keeps the older entry.
TEST_F(HighScoresTest, AScoreEntersAboveTheFirstRowItBeatsAndPushesTheRestDown) {
  const Rows abcde{"A", "B", "C", "D", "E"};
  for (auto [stored, score, row, names, scores] :
       {std::tuple{Rows{"30", "25", "20", "15", "10"}, 12, 4, Rows{"A", "B", "C", "D", kEntry},
                   Rows{"30", "25", "20", "15", "12"}},
        {{"50", "40", "30", "20", "10"}, 35, 2, {"A", "B", kEntry, "C", "D"}, {"50", "40", "35", "30", "20"}},
        {{"20", "20", "20", "20", "20"}, 20, -1, abcde, {"20", "20", "20", "20", "20"}}}) {
    SCOPED_TRACE(score);
    Store("NOVICE", abcde, stored);
    rig.Finish(score, 64 - score);
    const HighScoreTable table = Load(row < 0 ? HighScoreLoad::NoEntry : HighScoreLoad::Entry);
    EXPECT_EQ(table.EntryRow, row);
    EXPECT_EQ(table.MyName, names);
    EXPECT_EQ(table.Score, scores);
  }
  // A score of 0 never beats the empty rows of a fresh table either.
  EXPECT_EQ(HighScoreRowFor(ReadHighScoreTable(profile.ProfileRead(), "EXPERT"), 0), -1);
}

// OK on a table that was only viewed writes the rows as stored now: whatever
// the window holds in them, and whatever it read, never overwrites a row.
TEST_F(HighScoresTest, ViewingAndOkRewritesAllFiveRowsAsStored) {
  const std::string section = HighScoreSection("NOVICE");
  profile.ProfileWriteString(section, "NAME1", "Ann");
  profile.ProfileWriteString(section, "SCORE1", "33 boxes");
  profile.ProfileWriteString(section, "NAME2", "Bob");  // score absent
  profile.ProfileWriteString(section, "SCORE4", "12");  // name absent: not read

  HighScoreTable table = Load(HighScoreLoad::Viewing);
  EXPECT_EQ(table.MyName, (Rows{"Ann", "Bob", " ", " ", " "}));
  EXPECT_EQ(table.Score, (Rows{"33", "", "", "", ""}));
  EXPECT_EQ((std::tuple{table.GPlay, table.PctWon}), (std::tuple{"0", ""}));

  table.MyName[1] = "Zed";
  profile.ProfileWriteString(section, "NAME3", "Cy");  // another copy's OK
  profile.ProfileWriteString(section, "SCORE3", "7");
  EXPECT_TRUE(SaveHighScoreTable(profile, table));
  EXPECT_EQ(profile.ProfileReadString(section, "SCORE1"), "33");
  // A blank row is stored as an empty name with an empty score, which from
  // then on shows as a row scoring 0.
  const HighScoreTable again = ReadHighScoreTable(profile.ProfileRead(), "NOVICE");
  EXPECT_EQ(again.MyName, (Rows{"Ann", "Bob", "Cy", "", ""}));
  EXPECT_EQ(again.Score, (Rows{"33", "0", "7", "0", "0"}));
}

TEST_F(HighScoresTest, EachLevelHasItsOwnTableAndCounters) {
  Store("NOVICE", {"Nina", "", "", "", ""}, {"20", "", "", "", ""});
  Store("EXPERT", {"Xavier", "", "", "", ""}, {"45", "", "", "", ""});
  profile.ProfileWriteString("STATS", "NOVICE_PLAY", "3");
  profile.ProfileWriteString("STATS", "EXPERT_PLAY", "8");
  profile.ProfileWriteString("STATS", "EXPERT_WON", "1");
  EXPECT_EQ(Load(HighScoreLoad::Viewing).MyName[0], "Nina");

  game.mnuDiff_Click(2);
  HighScoreTable table = Load(HighScoreLoad::Viewing);
  EXPECT_EQ((std::tuple{table.MyName[0], table.PctWon}), (std::tuple{"Xavier", "12.5%"}));

  // A game at the new level counts there and is entered there.
  rig.Finish(30, 34);
  table = Load(HighScoreLoad::Entry);
  EXPECT_EQ((std::tuple{table.EntryRow, table.GPlay}), (std::tuple{1, "9"}));

  // The window stays usable beside the game: a level changed before OK must
  // not move this table into the other level's section.
  game.mnuDiff_Click(0);
  SaveHighScoreTable(profile, table);
  EXPECT_EQ(profile.ProfileReadString("HIGH_SCORES_EXPERT", "NAME2"), kEntry);
  EXPECT_EQ(profile.ProfileReadString("HIGH_SCORES_NOVICE", "SCORE2"), "");
}

TEST_F(HighScoresTest, StoredValuesThatAreNotNumbersShowTheirLeadingNumber) {
  Store("NOVICE", {"A", "B", "C", "D", "E"}, {"lots", "17.5", "16.5 pts", "99999", " -5x"});
  Stats("seven", "3 wins");
  HighScoreTable table = Load(HighScoreLoad::Viewing);
  EXPECT_EQ(table.Score, (Rows{"0", "18", "16", "32767", "-5"}));
  EXPECT_EQ((std::tuple{table.GPlay, table.GWon}), (std::tuple{"0", "3"}));
  Stats("4 games", "");  // an empty stored counter leaves its box empty
  table = Load(HighScoreLoad::Viewing);
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

}  // namespace
}  // namespace pellumo
