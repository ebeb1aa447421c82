// The claim path, played by two scripted players (the computer's turn is
// replaced by a recorder, so each side's lines go through the same clicks).
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "support/fakeui.h"

namespace pellumo {
namespace {

using testing::Claim;
using testing::Rig;

using Lines = std::vector<std::pair<const char*, int>>;

// Marks lines as taken without the claim path, then refreshes the boxes as
// a turn change would.
void Take(Game& game, const Lines& taken, Colour colour = kHumanLine) {
  for (auto [Compass, n] : taken) {
    LineControl* line = game.lines.Line(Compass, n);
    line->Enabled = false;
    line->BackColor = line->ForeColor = colour;
  }
  game.RefreshBoxes();
}

// Sides set on all boxes, refreshed or not.
int Sides(const Game& game) {
  int n = 0;
  for (int j = 1; j <= 64; ++j) n += game.AllBoxes.Item(j).StatusCalc();
  return n;
}

struct ClaimTest : ::testing::Test {
  Rig rig{true};
  Game& game = rig.game;
  int computerTurns = 0;
  void SetUp() override {
    game.ComputerTurnHook = [this](Game&) { ++computerTurns; };
  }
};

TEST_F(ClaimTest, ALineClosingNothingPassesTheTurnAndOnlyTheComputersFlashes) {
  EXPECT_EQ(game.CurrentPlayer, 1) << "the human starts";
  EXPECT_EQ(game.updatecount, "1") << "the designed text 'Text2' counts as 0";
  game.Label4 = "H - 3";
  game.ComputerTurnHook = [&](Game& g) {
    ++computerTurns;
    EXPECT_EQ(g.updatecount, "3") << "a refresh and a status publication before the turn";
  };
  game.hline_Click(1);
  const LineControl& line = game.lines.hline[1];
  EXPECT_FALSE(line.Enabled);
  EXPECT_EQ(line.BackColor, kHumanLine);
  EXPECT_EQ(line.ForeColor, kHumanLine);
  EXPECT_EQ(game.CurrentPlayer, 2);
  EXPECT_TRUE(game.Label2Underline && !game.Label1Underline);
  EXPECT_EQ(computerTurns, 1);
  EXPECT_EQ(game.Label4, "");
  EXPECT_EQ(game.Text2, "1");

  game.vline_Click(12);  // the computer's answer
  EXPECT_EQ(rig.ui.flashes, (std::vector<std::pair<std::string, std::int16_t>>{{"vert", 12}}))
      << "only the computer's lines flash";
  EXPECT_EQ(game.lines.vline[12].BackColor, kComputerLine) << "whatever the flash left";
  EXPECT_TRUE(game.mnuReplayEnabled);
  EXPECT_EQ(game.GameMoves.Item(2).PlayerNum, 2);
  EXPECT_TRUE(game.CurrentPlayer == 1 && game.Label1Underline && !game.Label2Underline);
}

TEST_F(ClaimTest, ClosingABoxScoresAndKeepsTheTurnWithoutARefresh) {
  Take(game, {{"horz", 1}, {"vert", 1}, {"vert", 2}});
  game.AllBoxes.Item(2).Status = 0;  // stale counts must stay stale
  const long before = std::stol(game.updatecount);
  game.hline_Click(9);
  EXPECT_EQ(game.Player1Score, 1);
  EXPECT_EQ(game.plyr1score, "1");
  EXPECT_EQ(game.gridbx1[1].BackColor, kHumanBox);
  EXPECT_EQ(game.CurrentPlayer, 1);
  EXPECT_EQ(computerTurns, 0);
  EXPECT_EQ(std::stol(game.updatecount), before + 1) << "only the status publication";
  EXPECT_EQ(game.AllBoxes.Item(1).Status, 3) << "no refresh after a closing claim";
  EXPECT_EQ(game.mystat[1], "3");
}

// For the computer each closed box starts its next turn at once, so the
// fills seen at each turn show the order: the higher box first.
TEST(TwoBoxClose, TheHigherBoxClosesFirst) {
  struct Case {
    const char* Compass;
    int line, low, high;
    Lines taken;
  };
  for (const Case& c : {Case{"vert", 4, 3, 4,
                             {{"vert", 3}, {"horz", 3}, {"horz", 11}, {"horz", 4}, {"horz", 12}, {"vert", 5}}},
                        Case{"horz", 9, 1, 9,
                             {{"horz", 1}, {"vert", 1}, {"vert", 2}, {"horz", 17}, {"vert", 10}, {"vert", 11}}}}) {
    SCOPED_TRACE(c.Compass);
    Rig rig{true};
    Game& g = rig.game;
    Take(g, c.taken);
    g.CurrentPlayer = 2;
    std::vector<std::set<int>> filledAtEachTurn;
    g.ComputerTurnHook = [&](Game& inner) {
      std::set<int> filled;
      for (int b = 1; b <= 64; ++b)
        if (!inner.gridbx1[b].Enabled) filled.insert(b);
      filledAtEachTurn.push_back(filled);
    };
    Claim(g, c.Compass, c.line);
    // One turn from each CloseBox, one more from the click handler.
    const std::set<int> both{c.low, c.high};
    EXPECT_EQ(filledAtEachTurn, (std::vector<std::set<int>>{{c.high}, both, both}));
    EXPECT_EQ(g.Player2Score, 2);
  }
}

// An edge line borders one box. Each case closes that box, so no refresh
// comes to hide a side set on a box across the edge.
TEST(EdgeLines, TouchOnlyTheBoxInsideTheBoard) {
  struct Case {
    const char* Compass;
    int line, inside;
    Lines others;
  };
  for (const Case& c : {Case{"vert", 9, 8, {{"horz", 8}, {"horz", 16}, {"vert", 8}}},      // right
                        Case{"vert", 10, 9, {{"horz", 9}, {"horz", 17}, {"vert", 11}}},    // left
                        Case{"horz", 4, 4, {{"vert", 4}, {"vert", 5}, {"horz", 12}}},      // top
                        Case{"horz", 70, 62, {{"vert", 69}, {"vert", 70}, {"horz", 62}}}}) {  // bottom
    SCOPED_TRACE(c.line);
    Rig rig{true};
    Take(rig.game, c.others);
    const int before = Sides(rig.game);
    Claim(rig.game, c.Compass, c.line);
    EXPECT_EQ(Sides(rig.game), before + 1);
    EXPECT_FALSE(rig.game.gridbx1[c.inside].Enabled) << "the box inside closes";
  }
}

TEST_F(ClaimTest, UpdatethelineOnlyKnowsTwoExactWords) {
  game.updatetheline("HORZ", 3);
  game.updatetheline("diagonal", 3);
  EXPECT_EQ(game.GameMoves.Count(), 0);
  EXPECT_FALSE(game.updatetheline("horz", 3));
  EXPECT_FALSE(game.lines.hline[3].Enabled);
}

TEST_F(ClaimTest, TheLastLineEndsTheGameOnceWithoutAComputerTurn) {
  // Every line but horizontal line 72 is the computer's: 63 boxes.
  for (int n = 1; n <= 72; ++n) {
    Take(game, {{"vert", n}}, kComputerLine);
    if (n < 72) Take(game, {{"horz", n}}, kComputerLine);
  }
  game.Player2Score = 63;
  game.hline_Click(72);
  EXPECT_EQ(game.Player1Score, 1);
  EXPECT_EQ(rig.ui.messages,
            (std::vector<std::pair<std::string, std::string>>{{"Game Over", "You Lose!!!"}}));
  EXPECT_EQ(computerTurns, 0);
}

// Both sides scripted: each takes the first free line; whoever closes a
// box goes again. The board ends full with every box filled once.
TEST(WholeGame, TwoScriptedPlayersFillTheBoard) {
  Rig rig{true};
  Game& game = rig.game;
  int claims = 0;
  while (!game.BoardFull() && claims < 200) {
    // Alternate the scan so the game is not all one orientation first.
    bool played = false;
    for (int n = 1; n <= 72 && !played; ++n) {
      const int k = (claims % 2 == 0) ? n : 73 - n;
      played = Claim(game, "vert", k) || Claim(game, "horz", k);
    }
    ++claims;
  }
  EXPECT_EQ(claims, 144);
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
