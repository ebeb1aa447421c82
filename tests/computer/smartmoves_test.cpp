// The best-move search: every free line is tried once, the simulated
// captures count what it gives away, and the cheapest line wins (the
// earliest on a tie). The order of the lines and the boxes the search leaves
// are compared with a longhand search on random positions elsewhere; these
// pin the counting rules on positions worked out by hand.
#include "computer/boards.h"

namespace pellumo {
namespace {

using namespace testing;

std::int16_t CostOf(const ComputerPlayer& computer, Line line) {
  const std::vector<ScoredChoice>& Candidates = computer.state.Candidates;
  for (std::size_t j = 1; j < Candidates.size(); ++j) {
    if (Candidates[j].Choice == line) return Candidates[j].Cost;
  }
  ADD_FAILURE() << ::testing::PrintToString(line) << " was not evaluated";
  return -1;
}

using BestMoveTest = ComputerTest;

TEST_F(BestMoveTest, OnATieHorizontalBeatsALowerNumberedVertical) {
  // A loop of boxes 1, 2, 9, 10: each of its four inner lines counts three
  // boxes (the last box of the loop fills up by a neighbour's capture and is
  // not counted), so all four tie.
  AllTakenExcept(game, {H(9), H(10), V(2), V(11)});
  EXPECT_EQ(computer.BestMove(game), H(9));
  for (const Line line : {H(9), H(10), V(2), V(11)}) EXPECT_EQ(CostOf(computer, line), 3);
}

TEST_F(BestMoveTest, AChainBehindAThreeSidedBoxIsChargedToEveryOtherLine) {
  TopRowChain(game);
  EXPECT_EQ(computer.BestMove(game), V(2));
  EXPECT_EQ(CostOf(computer, H(17)), 8);
  EXPECT_EQ(CostOf(computer, V(2)), 7) << "box 1, closed by the line itself, is not counted";
  EXPECT_EQ(CostOf(computer, V(9)), 7) << "box 8, filled by the recount of box 7's capture, is not counted";
}

}  // namespace
}  // namespace pellumo
