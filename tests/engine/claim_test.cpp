// The claim path, played by two scripted players (the computer's turn is
// replaced by a recorder, so each side's lines go through the same clicks).
#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "computer/boards.h"

namespace pellumo {
namespace {

using testing::Claim;
using testing::H;
using testing::Rig;
using testing::V;

using Lines = std::vector<Line>;

// Marks lines as taken without the claim path, then refreshes the boxes as
// a turn change would.
void Take(Game& game, const Lines& taken) {
  for (const Line line : taken) testing::TakeLine(game, line);
  game.RefreshBoxes();
}

struct ClaimTest : ::testing::Test {
  Rig rig{true};
  Game& game = rig.game;
  int computerTurns = 0;
  void SetUp() override {
    game.ComputerTurnHook = [this](Game&) { ++computerTurns; };
  }
};

// The line's colour and owner, the repaint after the flash and the Replay
// item are checked in every game of the whole-game test and in the window's
// tests; here: the read-outs and that the human's lines do not flash.
TEST_F(ClaimTest, ALineClosingNothingPassesTheTurnAndOnlyTheComputersFlashes) {
  const ReadOuts& shown = game.readouts;
  EXPECT_EQ(shown.updatecount, "1") << "the designed text 'Text2' counts as 0";
  game.readouts.Label4 = "H - 3";
  game.ComputerTurnHook = [&](Game& g) {
    ++computerTurns;
    EXPECT_EQ(g.readouts.updatecount, "3") << "a refresh and a status publication before the turn";
  };
  game.hline_Click(1);
  EXPECT_TRUE(game.CurrentPlayer == 2 && shown.Label2Underline && !shown.Label1Underline);
  EXPECT_EQ((std::tuple{computerTurns, shown.Label4, shown.Text2}), (std::tuple{1, "", "1"}));

  game.vline_Click(12);  // the computer's answer
  EXPECT_EQ(rig.ui.flashes, (std::vector<std::pair<std::string, std::int16_t>>{{"vert", 12}}))
      << "only the computer's lines flash";
  EXPECT_TRUE(game.CurrentPlayer == 1 && shown.Label1Underline && !shown.Label2Underline);
}

TEST_F(ClaimTest, ClosingABoxScoresAndKeepsTheTurnWithoutARefresh) {
  Take(game, {H(1), V(1), V(2)});
  game.AllBoxes.Item(2).Status = 0;  // stale counts must stay stale
  const long before = std::stol(game.readouts.updatecount);
  game.hline_Click(9);
  EXPECT_EQ((std::tuple{game.Player1Score, game.readouts.plyr1score, game.CurrentPlayer, computerTurns}),
            (std::tuple{1, "1", 1, 0}));
  EXPECT_EQ(std::stol(game.readouts.updatecount), before + 1) << "only the status publication";
  EXPECT_EQ(game.AllBoxes.Item(1).Status, 3) << "no refresh after a closing claim";
  EXPECT_EQ(game.readouts.mystat[1], "3");
}

// For the computer each closed box starts its next turn at once, so the
// fills seen at each turn show the order: the higher box first.
TEST(TwoBoxClose, TheHigherBoxClosesFirst) {
  for (auto [line, low, high, taken] :
       {std::tuple{V(4), 3, 4, Lines{V(3), H(3), H(11), H(4), H(12), V(5)}},
        {H(9), 1, 9, {H(1), V(1), V(2), H(17), V(10), V(11)}}}) {
    SCOPED_TRACE(::testing::PrintToString(line));
    Rig rig{true};
    Take(rig.game, taken);
    rig.game.CurrentPlayer = 2;
    std::vector<std::set<int>> filledAtEachTurn;
    rig.game.ComputerTurnHook = [&](Game& g) {
      filledAtEachTurn.emplace_back();
      for (int b = 1; b <= 64; ++b)
        if (!g.gridbx1[b].Enabled) filledAtEachTurn.back().insert(b);
    };
    Claim(rig.game, line);
    // One turn from each CloseBox, one more from the click handler.
    const std::set<int> both{low, high};
    EXPECT_EQ(filledAtEachTurn, (std::vector<std::set<int>>{{high}, both, both}));
    EXPECT_EQ(rig.game.Player2Score, 2);
    for (int b : {low, high}) EXPECT_EQ(rig.game.gridbx1[b].BackColor, kComputerBox) << b;
  }
}

// An edge line borders one box. Each case closes that box, so no refresh
// comes to hide a side set on a box across the edge.
TEST(EdgeLines, TouchOnlyTheBoxInsideTheBoard) {
  auto sides = [](const Game& g) {  // set on all boxes, refreshed or not
    int n = 0;
    for (int j = 1; j <= 64; ++j) n += g.AllBoxes.Item(j).StatusCalc();
    return n;
  };
  for (auto [line, inside, others] :
       {std::tuple{V(9), 8, Lines{H(8), H(16), V(8)}},  // right
        {V(10), 9, {H(9), H(17), V(11)}},               // left
        {H(4), 4, {V(4), V(5), H(12)}},                 // top
        {H(70), 62, {V(69), V(70), H(62)}}}) {          // bottom
    SCOPED_TRACE(::testing::PrintToString(line));
    Rig rig{true};
    Take(rig.game, others);
    const int before = sides(rig.game);
    Claim(rig.game, line);
    EXPECT_EQ(sides(rig.game), before + 1);
    EXPECT_FALSE(rig.game.gridbx1[inside].Enabled) << "the box inside closes";
  }
}

// The human's last line ends the game at once, without a computer turn; the
// computer's last line is left to its next turn, which ends the game there.
TEST(LastLine, OnlyTheHumansEndsTheGameInTheClaimPath) {
  using Messages = std::vector<std::pair<std::string, std::string>>;
  for (auto [player, messages, turns] :
       {std::tuple{1, Messages{{"Game Over", "You Won!!!"}}, 0}, {2, Messages{}, 2}}) {
    Rig rig{true};
    int computerTurns = 0;
    rig.game.ComputerTurnHook = [&](Game&) { ++computerTurns; };
    testing::AllTakenExcept(rig.game, {H(72)});  // 63 boxes, the human's
    rig.game.Player1Score = 63;
    rig.game.CurrentPlayer = static_cast<std::int16_t>(player);
    rig.game.hline_Click(72);
    EXPECT_EQ(rig.game.Player1Score + rig.game.Player2Score, 64) << player;
    EXPECT_EQ(rig.ui.messages, messages) << player;
    EXPECT_EQ(computerTurns, turns) << player;
  }
}

}  // namespace
}  // namespace pellumo
