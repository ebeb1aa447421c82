// The high-score table of each level: where a finished game's score goes,
// what the window shows for stored values, and what OK writes back.
#include "records/highscores.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/fakeui.h"

namespace pellumo {
namespace {

using testing::Rig;

using Names = std::array<std::string, kHighScoreRows>;
using Scores = std::array<std::string, kHighScoreRows>;

struct HighScoresTest : ::testing::Test {
  Rig rig{true};
  Game& game = rig.game;
  ProfileMan& profile = rig.profile;

  void Finish(int human, int computer) {
    game.Player1Score = static_cast<std::int16_t>(human);
    game.Player2Score = static_cast<std::int16_t>(computer);
    game.GameOver();
  }

  void Store(const std::string& level, const Names& names, const Scores& scores) {
    for (int i = 0; i < kHighScoreRows; ++i) {
      const std::string n = std::to_string(i + 1);
      profile.ProfileWriteString(HighScoreSection(level), "NAME" + n, names[static_cast<std::size_t>(i)]);
      profile.ProfileWriteString(HighScoreSection(level), "SCORE" + n, scores[static_cast<std::size_t>(i)]);
    }
  }

  // Runs the window's load the way the end of a game does.
  HighScoreTable Load(HighScoreLoad expected) {
    HighScoreTable table;
    EXPECT_EQ(HighScoreFormLoad(game, table), expected);
    EXPECT_FALSE(game.NewHighScore) << "the load must always clear the pending entry";
    return table;
  }
};

TEST_F(HighScoresTest, FirstWinAtALevelTakesTheTopRowOfAnEmptyTable) {
  Finish(40, 24);
  ASSERT_TRUE(game.NewHighScore);
  EXPECT_EQ(rig.ui.highScoreWindows, 1);

  const HighScoreTable table = Load(HighScoreLoad::Entry);
  EXPECT_EQ(table.Level, "NOVICE");
  EXPECT_EQ(table.EntryRow, 0);
  EXPECT_EQ(table.MyName, (Names{"Enter Your Name Here", " ", " ", " ", " "}));
  EXPECT_EQ(table.Score, (Scores{"40", "", "", "", ""}));
  EXPECT_EQ(table.GPlay, "1");
  EXPECT_EQ(table.GWon, "1");
  EXPECT_EQ(table.PctWon, "100.0%");
  // Nothing is stored until OK.
  EXPECT_EQ(profile.ProfileReadString("HIGH_SCORES_NOVICE", "NAME1"), "*");
}

TEST_F(HighScoresTest, ALostGameEntersWhenItBeatsARow) {
  Store("NOVICE", {"A", "B", "C", "D", "E"}, {"30", "25", "20", "15", "10"});
  Finish(12, 52);
  const HighScoreTable table = Load(HighScoreLoad::Entry);
  EXPECT_EQ(table.EntryRow, 4);
  EXPECT_EQ(table.MyName, (Names{"A", "B", "C", "D", "Enter Your Name Here"}));
  EXPECT_EQ(table.Score, (Scores{"30", "25", "20", "15", "12"}));
  EXPECT_EQ(table.GPlay, "1");
  EXPECT_EQ(table.GWon, "0");
  EXPECT_EQ(table.PctWon, "0.0%");
}

TEST_F(HighScoresTest, AScoreEqualToEveryRowDoesNotEnter) {
  Store("NOVICE", {"A", "B", "C", "D", "E"}, {"20", "20", "20", "20", "20"});
  Finish(20, 44);
  ASSERT_TRUE(game.NewHighScore) << "no threshold stored: the window is asked for";
  const HighScoreTable table = Load(HighScoreLoad::NoEntry);
  EXPECT_EQ(table.EntryRow, -1);
  EXPECT_EQ(table.MyName, (Names{"A", "B", "C", "D", "E"}));

  // A score of 0 never beats the empty rows of a fresh table either.
  game.NewHighScore = true;
  game.Player1Score = 0;
  game.mnuDiff_Click(1);
  Load(HighScoreLoad::NoEntry);
}

TEST_F(HighScoresTest, ANewScoreShiftsTheRowsBelowAndDropsTheLast) {
  Store("NOVICE", {"A", "B", "C", "D", "E"}, {"50", "40", "30", "20", "10"});
  HighScoreTable table = ReadHighScoreTable(profile, "NOVICE");
  EXPECT_EQ(HighScoreRowFor(table, 35), 2);
  EXPECT_EQ(HighScoreRowFor(table, 40), 2) << "a tie keeps the older entry above";
  EXPECT_EQ(HighScoreRowFor(table, 51), 0);
  EXPECT_EQ(HighScoreRowFor(table, 10), -1);

  game.NewHighScore = true;
  game.Player1Score = 35;
  table = Load(HighScoreLoad::Entry);
  EXPECT_EQ(table.EntryRow, 2);
  EXPECT_EQ(table.MyName, (Names{"A", "B", "Enter Your Name Here", "C", "D"}));
  EXPECT_EQ(table.Score, (Scores{"50", "40", "35", "30", "20"}));

  table.MyName[2] = "Zed";
  SaveHighScoreTable(profile, table);
  const HighScoreTable again = ReadHighScoreTable(profile, "NOVICE");
  EXPECT_EQ(again.MyName, (Names{"A", "B", "Zed", "C", "D"}));
  EXPECT_EQ(again.Score, (Scores{"50", "40", "35", "30", "20"}));
}

TEST_F(HighScoresTest, ViewingAndOkRewritesAllFiveRowsAsShown) {
  const std::string section = HighScoreSection("NOVICE");
  profile.ProfileWriteString(section, "NAME1", "Ann");
  profile.ProfileWriteString(section, "SCORE1", "33 boxes");
  profile.ProfileWriteString(section, "NAME2", "Bob");  // score absent
  profile.ProfileWriteString(section, "SCORE4", "12");  // name absent: not read

  const HighScoreTable table = Load(HighScoreLoad::Viewing);
  EXPECT_EQ(table.EntryRow, -1);
  EXPECT_EQ(table.MyName, (Names{"Ann", "Bob", " ", " ", " "}));
  EXPECT_EQ(table.Score, (Scores{"33", "", "", "", ""}));
  EXPECT_EQ(table.GPlay, "0");
  EXPECT_EQ(table.GWon, "0");
  EXPECT_EQ(table.PctWon, "");

  SaveHighScoreTable(profile, table);
  for (int i = 1; i <= kHighScoreRows; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NE(profile.ProfileReadString(section, "NAME" + std::to_string(i)), "*");
    EXPECT_NE(profile.ProfileReadString(section, "SCORE" + std::to_string(i)), "*");
  }
  EXPECT_EQ(profile.ProfileReadString(section, "SCORE1"), "33");
  EXPECT_EQ(profile.ProfileReadString(section, "SCORE4"), "");
  // A blank row is stored as an empty name with an empty score, which from
  // then on shows as a row scoring 0.
  const HighScoreTable again = ReadHighScoreTable(profile, "NOVICE");
  EXPECT_EQ(again.MyName, (Names{"Ann", "Bob", "", "", ""}));
  EXPECT_EQ(again.Score, (Scores{"33", "0", "0", "0", "0"}));
}

TEST_F(HighScoresTest, EachLevelHasItsOwnTableAndCounters) {
  Store("NOVICE", {"Nina", "", "", "", ""}, {"20", "", "", "", ""});
  Store("EXPERT", {"Xavier", "", "", "", ""}, {"45", "", "", "", ""});
  profile.ProfileWriteString("STATS", "NOVICE_PLAY", "3");
  profile.ProfileWriteString("STATS", "NOVICE_WON", "1");
  profile.ProfileWriteString("STATS", "EXPERT_PLAY", "8");
  profile.ProfileWriteString("STATS", "EXPERT_WON", "1");

  HighScoreTable table = Load(HighScoreLoad::Viewing);
  EXPECT_EQ(table.MyName[0], "Nina");
  EXPECT_EQ(table.PctWon, "33.3%");

  game.mnuDiff_Click(2);
  table = Load(HighScoreLoad::Viewing);
  EXPECT_EQ(table.Level, "EXPERT");
  EXPECT_EQ(table.MyName[0], "Xavier");
  EXPECT_EQ(table.Score[0], "45");
  EXPECT_EQ(table.GPlay, "8");
  EXPECT_EQ(table.PctWon, "12.5%");

  // A game at the new level counts there and is entered there.
  Finish(30, 34);
  table = Load(HighScoreLoad::Entry);
  EXPECT_EQ(table.EntryRow, 1);
  EXPECT_EQ(table.GPlay, "9");
  EXPECT_EQ(profile.ProfileReadString("STATS", "NOVICE_PLAY"), "3");

  // The window stays usable beside the game: a level changed before OK must
  // not move this table into the other level's section.
  game.mnuDiff_Click(0);
  SaveHighScoreTable(profile, table);
  EXPECT_EQ(profile.ProfileReadString("HIGH_SCORES_EXPERT", "NAME2"), "Enter Your Name Here");
  EXPECT_EQ(profile.ProfileReadString("HIGH_SCORES_NOVICE", "NAME1"), "Nina");
  EXPECT_EQ(profile.ProfileReadString("HIGH_SCORES_NOVICE", "SCORE2"), "");
}

TEST_F(HighScoresTest, StoredValuesThatAreNotNumbersShowTheirLeadingNumber) {
  Store("NOVICE", {"A", "B", "C", "D", "E"}, {"lots", "17.5", "16.5 pts", "99999", " -5x"});
  profile.ProfileWriteString("STATS", "NOVICE_PLAY", "seven");
  profile.ProfileWriteString("STATS", "NOVICE_WON", "3 wins");
  HighScoreTable table = Load(HighScoreLoad::Viewing);
  EXPECT_EQ(table.Score, (Scores{"0", "18", "16", "32767", "-5"}));
  EXPECT_EQ(table.GPlay, "0");
  EXPECT_EQ(table.GWon, "3");
  EXPECT_EQ(table.PctWon, "") << "no share of zero games";

  profile.ProfileWriteString("STATS", "NOVICE_PLAY", "4 games");
  profile.ProfileWriteString("STATS", "NOVICE_WON", "");
  table = Load(HighScoreLoad::Viewing);
  EXPECT_EQ(table.GPlay, "4");
  EXPECT_EQ(table.GWon, "") << "an empty stored counter leaves its box empty";
  EXPECT_EQ(table.PctWon, "");

  // The order of the table is read from the shown numbers too.
  EXPECT_EQ(HighScoreRowFor(ReadHighScoreTable(profile, "NOVICE"), 1), 0);
}

TEST(PercentWonTest, OneDecimalRoundedHalfAwayFromZero) {
  EXPECT_EQ(PercentWon("3", "1"), "33.3%");
  EXPECT_EQ(PercentWon("3", "2"), "66.7%");
  EXPECT_EQ(PercentWon("2", "2"), "100.0%");
  EXPECT_EQ(PercentWon("8", "1"), "12.5%");
  EXPECT_EQ(PercentWon("16", "1"), "6.3%");
  EXPECT_EQ(PercentWon("2000", "1"), "0.1%");
  EXPECT_EQ(PercentWon("2001", "1"), "0.0%");
  EXPECT_EQ(PercentWon("5", "0"), "0.0%");
  EXPECT_EQ(PercentWon("2", "3"), "150.0%");
  EXPECT_EQ(PercentWon("32767", "32766"), "100.0%");
  EXPECT_EQ(PercentWon("16", "-1"), "-6.3%");
  EXPECT_EQ(PercentWon("0", "0"), "");
  EXPECT_EQ(PercentWon("", "1"), "");
  EXPECT_EQ(PercentWon("1", ""), "");
}

TEST_F(HighScoresTest, TypedNamesNeverBreakTheSettingsFile) {
  profile.ProfileWriteString("STATS", "NOVICE_PLAY", "2");
  HighScoreTable table = ReadHighScoreTable(profile, "NOVICE");
  table.MyName[0] = "Ann\r\n[STATS]\nNOVICE_PLAY=999\r";
  table.Score[0] = "40";
  SaveHighScoreTable(profile, table);

  EXPECT_EQ(profile.ProfileReadString("STATS", "NOVICE_PLAY"), "2");
  const HighScoreTable again = ReadHighScoreTable(profile, "NOVICE");
  EXPECT_EQ(again.MyName[0], "Ann  [STATS] NOVICE_PLAY=999");
  EXPECT_EQ(again.Score[0], "40");
  EXPECT_EQ(again.Score[1], "0");
}

TEST_F(HighScoresTest, LongAndNonAsciiNamesRoundTrip) {
  HighScoreTable table = ReadHighScoreTable(profile, "NOVICE");
  const std::string greek = "Ζωή Öztürk 李雷 🎲";
  std::string accents;
  for (int i = 0; i < 150; ++i) accents += "é";  // 300 bytes
  std::string plain(1000, 'x');
  table.MyName = {greek, accents, plain, "", " "};
  SaveHighScoreTable(profile, table);

  const HighScoreTable again = ReadHighScoreTable(profile, "NOVICE");
  EXPECT_EQ(again.MyName[0], greek);
  // At most 255 bytes come back, and the cut never splits a character:
  // 127 two-byte characters rather than 127 and a half.
  std::string cut;
  for (int i = 0; i < 127; ++i) cut += "é";
  EXPECT_EQ(again.MyName[1], cut);
  EXPECT_EQ(again.MyName[2], std::string(255, 'x'));
}

}  // namespace
}  // namespace pellumo
