// The claim path, played by two scripted players (the computer's turn is
// replaced by a recorder, so each side's lines go through the same clicks).
#include <gtest/gtest.h>

#include <set>

#include "support/fakeui.h"

namespace pellumo {
namespace {

using testing::Claim;
using testing::Rig;

struct ClaimTest : ::testing::Test {
  Rig rig{true};
  Game& game = rig.game;
  int computerTurns = 0;
  void SetUp() override {
    game.ComputerTurnHook = [this](Game&) { ++computerTurns; };
  }
  // Draws the given lines for the human without passing the turn: they are
  // set up as taken human lines with fresh boxes, as a refresh leaves them.
  void Prepare(std::initializer_list<std::pair<const char*, int>> taken) {
    for (auto [Compass, n] : taken) {
      LineControl* line = game.lines.Line(Compass, n);
      line->Enabled = false;
      line->BackColor = line->ForeColor = kHumanLine;
    }
    game.RefreshBoxes();
  }
};

TEST_F(ClaimTest, LoadGivesTheFirstMoveToTheHuman) {
  EXPECT_EQ(game.CurrentPlayer, 1);
  EXPECT_TRUE(game.Label1Underline);
  EXPECT_FALSE(game.Label2Underline);
  EXPECT_EQ(game.Label1, "You");
  EXPECT_EQ(game.Label2, "Computer");
  EXPECT_EQ(game.plyr1score, "0");
  EXPECT_EQ(game.Text2, "0");
  EXPECT_EQ(game.updatecount, "1") << "the designed text 'Text2' counts as 0";
  EXPECT_EQ(game.GameMoves.Count(), 0);
  EXPECT_EQ(game.DifficultyLevel, "NOVICE");
}

TEST_F(ClaimTest, AHumanLineThatClosesNothingPassesTheTurn) {
  game.Label4 = "H - 3";
  const std::string before = game.updatecount;
  game.ComputerTurnHook = [&](Game& g) {
    ++computerTurns;
    EXPECT_EQ(std::stol(g.updatecount), std::stol(before) + 2)
        << "a refresh and a status publication before the computer's turn";
  };
  game.hline_Click(1);
  const LineControl& line = game.lines.hline[1];
  EXPECT_FALSE(line.Enabled);
  EXPECT_EQ(line.BackColor, kHumanLine);
  EXPECT_EQ(line.ForeColor, kHumanLine);
  EXPECT_TRUE(game.AllBoxes.Item(1).North);
  EXPECT_EQ(game.CurrentPlayer, 2);
  EXPECT_TRUE(game.Label2Underline);
  EXPECT_FALSE(game.Label1Underline);
  EXPECT_EQ(computerTurns, 1);
  EXPECT_EQ(game.Label4, "");
  EXPECT_EQ(game.Text2, "1");
  ASSERT_EQ(game.GameMoves.Count(), 1);
  EXPECT_EQ(game.GameMoves.Item(1).PlayerNum, 1);
  EXPECT_TRUE(rig.ui.flashes.empty()) << "only the computer's lines flash";
}

TEST_F(ClaimTest, ClosingABoxScoresAndKeepsTheTurnWithoutARefresh) {
  Prepare({{"horz", 1}, {"vert", 1}, {"vert", 2}});
  game.AllBoxes.Item(2).Status = 0;  // stale counts must stay stale
  const long before = std::stol(game.updatecount);
  game.hline_Click(9);
  EXPECT_EQ(game.Player1Score, 1);
  EXPECT_EQ(game.plyr1score, "1");
  EXPECT_EQ(game.gridbx1[1].BackColor, kHumanBox);
  EXPECT_FALSE(game.gridbx1[1].Enabled);
  EXPECT_EQ(game.CurrentPlayer, 1);
  EXPECT_EQ(computerTurns, 0);
  EXPECT_EQ(std::stol(game.updatecount), before + 1) << "only the status publication";
  EXPECT_EQ(game.AllBoxes.Item(1).Status, 3) << "no refresh after a closing claim";
  EXPECT_EQ(game.mystat[1], "3");
}

TEST_F(ClaimTest, AMiddleLineClosesBothBoxesTheHigherFirst) {
  // Boxes 1 and 9 each miss only horizontal line 9 between them.
  Prepare({{"horz", 1}, {"vert", 1}, {"vert", 2}, {"horz", 17}, {"vert", 10}, {"vert", 11}});
  game.hline_Click(9);
  EXPECT_EQ(game.Player1Score, 2);
  EXPECT_EQ(game.CurrentPlayer, 1);

  // For the computer each closed box starts its next turn at once: the order
  // shows in which boxes are filled when that happens.
  Rig other{true};
  Game& g = other.game;
  for (auto [Compass, n] : {std::pair{"vert", 3}, {"horz", 3}, {"horz", 11}, {"horz", 4},
                            {"horz", 12}, {"vert", 5}}) {
    LineControl* line = g.lines.Line(Compass, n);
    line->Enabled = false;
    line->BackColor = kHumanLine;
  }
  g.RefreshBoxes();
  g.CurrentPlayer = 2;
  std::vector<std::set<int>> filledAtEachTurn;
  g.ComputerTurnHook = [&](Game& inner) {
    std::set<int> filled;
    for (int b = 1; b <= 64; ++b) {
      if (!inner.gridbx1[b].Enabled) filled.insert(b);
    }
    filledAtEachTurn.push_back(filled);
  };
  g.vline_Click(4);  // between box 3 (missing its east side) and box 4 (missing its west side)
  // One turn from each CloseBox, and one more from the click handler, as the
  // computer keeps the move after closing.
  ASSERT_EQ(filledAtEachTurn.size(), 3u);
  EXPECT_EQ(filledAtEachTurn[0], (std::set<int>{4}));
  EXPECT_EQ(filledAtEachTurn[1], (std::set<int>{3, 4}));
  EXPECT_EQ(filledAtEachTurn[2], (std::set<int>{3, 4}));
  EXPECT_EQ(g.Player2Score, 2);
}

TEST_F(ClaimTest, EdgeLinesTouchOnlyTheBoxInsideTheBoard) {
  game.CurrentPlayer = 1;
  game.vline_Click(9);  // right edge of the top row
  EXPECT_TRUE(game.AllBoxes.Item(8).East);
  EXPECT_FALSE(game.AllBoxes.Item(9).West);
  game.CurrentPlayer = 1;
  game.hline_Click(70);  // bottom edge
  EXPECT_TRUE(game.AllBoxes.Item(62).South);
  game.CurrentPlayer = 1;
  game.vline_Click(10);  // left edge of the second row
  EXPECT_TRUE(game.AllBoxes.Item(9).West);
  for (int j = 1; j <= 64; ++j) {
    const box& b = game.AllBoxes.Item(j);
    const int sides = b.North + b.South + b.East + b.West;
    EXPECT_EQ(sides, (j == 8 || j == 62 || j == 9) ? 1 : 0) << "box " << j;
  }
}

TEST_F(ClaimTest, TheComputersLineIsRecordedThenFlashedAndEndsInItsColour) {
  game.CurrentPlayer = 2;
  game.vline_Click(12);
  ASSERT_EQ(rig.ui.flashes.size(), 1u);
  EXPECT_EQ(rig.ui.flashes[0], (std::pair<std::string, std::int16_t>{"vert", 12}));
  EXPECT_EQ(game.lines.vline[12].BackColor, kComputerLine);
  EXPECT_TRUE(game.mnuReplayEnabled);
  EXPECT_EQ(game.GameMoves.Item(1).PlayerNum, 2);
  EXPECT_EQ(game.CurrentPlayer, 1);
}

TEST_F(ClaimTest, UpdatethelineOnlyKnowsTwoWords) {
  EXPECT_FALSE(game.updatetheline("HORZ", 3));
  EXPECT_FALSE(game.updatetheline("diagonal", 3));
  EXPECT_EQ(game.GameMoves.Count(), 0);
  EXPECT_TRUE(game.lines.hline[3].Enabled);
  EXPECT_FALSE(game.updatetheline("horz", 3));
  EXPECT_FALSE(game.lines.hline[3].Enabled);
}

TEST_F(ClaimTest, TheLastLineEndsTheGameOnceWithoutAComputerTurn) {
  // Every line but horizontal line 72 is taken: 63 boxes for the computer.
  for (int n = 1; n <= 72; ++n) {
    for (const char* Compass : {"horz", "vert"}) {
      if (std::string(Compass) == "horz" && n == 72) continue;
      LineControl* line = game.lines.Line(Compass, n);
      line->Enabled = false;
      line->BackColor = kComputerLine;
    }
  }
  game.RefreshBoxes();
  game.Player2Score = 63;
  game.hline_Click(72);
  EXPECT_EQ(game.Player1Score, 1);
  ASSERT_EQ(rig.ui.messages.size(), 1u);
  EXPECT_EQ(rig.ui.messages[0].second, "You Lose!!!");
  EXPECT_EQ(computerTurns, 0);
}

// Both sides scripted: each takes the first free line; whoever closes a
// box goes again. The board ends full with every box filled once.
TEST(WholeGame, TwoScriptedPlayersFillTheBoard) {
  Rig rig{true};
  Game& game = rig.game;
  std::set<std::pair<std::string, int>> claimed;
  int claims = 0;
  while (!game.BoardFull()) {
    bool played = false;
    for (int n = 1; n <= 72 && !played; ++n) {
      for (const char* Compass : {"vert", "horz"}) {
        // Alternate the scan so the game is not all one orientation first.
        const int k = (claims % 2 == 0) ? n : 73 - n;
        if (Claim(game, Compass, k)) {
          EXPECT_TRUE(claimed.emplace(Compass, k).second) << "claimed twice";
          played = true;
          break;
        }
      }
    }
    ASSERT_TRUE(played);
    ++claims;
  }
  EXPECT_EQ(claims, 144);
  EXPECT_EQ(game.CountLines(), 144);
  EXPECT_EQ(game.GameMoves.Count(), 144);
  int human = 0, computer = 0;
  for (int b = 1; b <= 64; ++b) {
    EXPECT_FALSE(game.gridbx1[b].Enabled) << "box " << b << " never filled";
    human += game.gridbx1[b].BackColor == kHumanBox;
    computer += game.gridbx1[b].BackColor == kComputerBox;
  }
  EXPECT_EQ(human, game.Player1Score);
  EXPECT_EQ(computer, game.Player2Score);
  EXPECT_EQ(game.Player1Score + game.Player2Score, 64);
  // A human's last line ends the game in the claim path; a computer's last
  // line is left to its next turn, which this script replaces.
  const bool humanLast = game.GameMoves.Item(144).PlayerNum == 1;
  EXPECT_EQ(rig.ui.messages.size(), humanLast ? 1u : 0u);
}

}  // namespace
}  // namespace pellumo
