// The high-score table of each level: what the window shows for stored
// values, and what OK writes back. The window's own tests
// (tests/gui/highscorewindow_test.cpp) drive the entry of a finished game's
// score through the real window: ranking, ties and the level it goes to.
#include "records/highscores.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "records/profileman.h"
#include "support/fakeui.h"

namespace pellumo {
namespace {

using Rows = std::array<std::string, kHighScoreRows>;
const std::string kSection = HighScoreSection("NOVICE");

// Only a stored threshold below 0 lets such a score ask for the window; the
// load clears the pending entry all the same.
TEST(HighScoreTable, AScoreOfZeroNeverBeatsTheEmptyRowsOfAFreshTable) {
  testing::TempFolder folder;
  ProfileMan profile(folder.path());
  bool pending = true;
  HighScoreTable table;
  EXPECT_EQ(HighScoreFormLoad(profile, "NOVICE", 0, pending, table), HighScoreLoad::NoEntry);
  EXPECT_FALSE(pending);
}

// OK on a table that was only viewed writes the rows as stored now: whatever
// the window holds in them, and whatever it read, never overwrites a row.
TEST(HighScoreTable, ViewingAndOkRewritesAllFiveRowsAsStored) {
  testing::TempFolder folder;
  // Bob's score is absent; a score without its name is not read. "*" is
  // what a read of an absent key gives, yet a name typed so is a name.
  testing::WriteFile(folder.file("pellumo.ini"),
                     "[HIGH_SCORES_NOVICE]\nNAME1=*\nSCORE1=33 boxes\nNAME2=Bob\nSCORE4=12\n");
  ProfileMan profile(folder.path());

  HighScoreTable table = ReadHighScoreTable(profile.ProfileRead(), "NOVICE");
  EXPECT_EQ(table.MyName, (Rows{"*", "Bob", " ", " ", " "}));
  EXPECT_EQ(table.Score, (Rows{"33", "", "", "", ""}));
  EXPECT_EQ((std::tuple{table.GPlay, table.PctWon}), (std::tuple{"0", ""}));

  table.MyName[1] = "Zed";
  profile.ProfileWriteString(kSection, "NAME3", "Cy");  // another copy's OK
  profile.ProfileWriteString(kSection, "SCORE3", "7");
  EXPECT_TRUE(SaveHighScoreTable(profile, table));
  EXPECT_EQ(profile.ProfileReadString(kSection, "SCORE1"), "33");
  // A blank row is stored as an empty name with an empty score, which from
  // then on shows as a row scoring 0.
  const HighScoreTable again = ReadHighScoreTable(profile.ProfileRead(), "NOVICE");
  EXPECT_EQ(again.MyName, (Rows{"*", "Bob", "Cy", "", ""}));
  EXPECT_EQ(again.Score, (Rows{"33", "0", "7", "0", "0"}));
}

TEST(HighScoreTable, StoredValuesThatAreNotNumbersShowTheirLeadingNumber) {
  ProfileText stored(
      "[HIGH_SCORES_NOVICE]\nNAME1=A\nSCORE1=lots\nNAME2=B\nSCORE2=17.5\nNAME3=C\n"
      "SCORE3=16.5 pts\nNAME4=D\nSCORE4=99999\nNAME5=E\nSCORE5=-5x\n"
      "[STATS]\nNOVICE_PLAY=seven\nNOVICE_WON=3 wins\n");
  HighScoreTable table = ReadHighScoreTable(stored, "NOVICE");
  EXPECT_EQ(table.Score, (Rows{"0", "18", "16", "32767", "-5"}));
  EXPECT_EQ((std::tuple{table.GPlay, table.GWon}), (std::tuple{"0", "3"}));
  stored.ProfileWriteString("STATS", "NOVICE_PLAY", "4 games");
  stored.ProfileWriteString("STATS", "NOVICE_WON", "");  // leaves its box empty
  table = ReadHighScoreTable(stored, "NOVICE");
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
