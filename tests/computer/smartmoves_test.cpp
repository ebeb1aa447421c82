// The best-move search: every free line is tried once in a fixed order, the
// simulated captures count what it gives away, the cheapest line wins (the
// earliest on a tie), and the boxes end rebuilt from the lines.
#include <vector>

#include "computer/boards.h"

namespace pellumo {
namespace {

using namespace testing;

LineChoice Choice(const LineRef& line) { return LineChoice{line.first, static_cast<std::int16_t>(line.second)}; }

std::int16_t CostOf(const Game& game, const LineRef& line) {
  for (std::size_t j = 1; j < game.Candidates.size(); ++j) {
    if (game.Candidates[j].Choice == Choice(line)) return game.Candidates[j].Cost;
  }
  ADD_FAILURE() << line.first << " " << line.second << " was not evaluated";
  return -1;
}

using BestMoveTest = ComputerTest;

TEST_F(BestMoveTest, OnAnEmptyBoardEveryLineIsFreeOfCostAndTheFirstWinsInTheFixedOrder) {
  EXPECT_EQ(BestMove(game), (LineChoice{"horz", 1}));
  EXPECT_EQ(game.CompMove, (LineChoice{"horz", 1}));

  EXPECT_EQ(game.Candidates[0].Choice, LineChoice{}) << "entry 0 stays blank";
  std::vector<LineChoice> order;
  for (int n = 1; n <= 72; ++n) order.push_back(Choice(H(n)));  // norths, then the bottom edge
  for (int n = 1; n <= 72; ++n) {
    if (n % 9 != 0) order.push_back(Choice(V(n)));  // west sides
  }
  for (int n = 9; n <= 72; n += 9) order.push_back(Choice(V(n)));  // the right edge, last
  ASSERT_EQ(game.Candidates.size(), order.size() + 1);
  for (std::size_t j = 0; j < order.size(); ++j) EXPECT_EQ(game.Candidates[j + 1].Choice, order[j]) << j;
  for (const ScoredChoice& c : game.Candidates) EXPECT_EQ(c.Cost, 0);
  EXPECT_EQ(game.CountLines(), 0) << "the search draws nothing";
}

TEST_F(BestMoveTest, OnATieHorizontalBeatsALowerNumberedVertical) {
  // A loop of boxes 1, 2, 9, 10: each of its four inner lines counts three
  // boxes (the last box of the loop fills up by a neighbour's capture and is
  // not counted), so all four tie.
  AllTakenExcept(game, {H(9), H(10), V(2), V(11)});
  EXPECT_EQ(BestMove(game), Choice(H(9)));
  for (const LineRef& line : {H(9), H(10), V(2), V(11)}) EXPECT_EQ(CostOf(game, line), 3);
}

TEST_F(BestMoveTest, AThreeSidedBoxCostsEveryLineButTheOneThatClosesIt) {
  Position(game, {H(1), H(9), V(1)});  // box 1 open on vertical 2

  EXPECT_EQ(BestMove(game), Choice(V(2)));

  ASSERT_EQ(game.Candidates.size(), 142u);
  for (std::size_t j = 1; j < game.Candidates.size(); ++j) {
    const ScoredChoice& c = game.Candidates[j];
    EXPECT_EQ(c.Cost, c.Choice == Choice(V(2)) ? 0 : 1) << c.Choice.Compass << " " << c.Choice.LineNum;
  }
}

TEST_F(BestMoveTest, AChainBehindAThreeSidedBoxIsChargedToEveryOtherLine) {
  TopRowChain(game);
  EXPECT_EQ(BestMove(game), Choice(V(2)));
  EXPECT_EQ(CostOf(game, H(17)), 8);
  EXPECT_EQ(CostOf(game, V(2)), 7) << "box 1, closed by the line itself, is not counted";
  EXPECT_EQ(CostOf(game, V(9)), 7) << "box 8, filled by the recount of box 7's capture, is not counted";
}

TEST_F(BestMoveTest, TheBoxesEndRebuiltFromTheLinesEvenOnesNoSimulationTouched) {
  // Box 1 is closed, so no line of it is tried and no capture reaches it;
  // box 20 claims a third side it lacks. Both flags were left out of step
  // with the lines, as the claim path may leave them.
  AllTakenExcept(game, {H(2), V(3), H(20), H(28)});
  game.AllBoxes.MyNeighborUpdate();
  boxcoll expected = game.AllBoxes;
  game.AllBoxes[1].South = false;
  game.AllBoxes[20].North = true;
  game.AllBoxes[20].Status = 3;

  BestMove(game);

  EXPECT_TRUE(game.AllBoxes == expected);
}

}  // namespace
}  // namespace pellumo
