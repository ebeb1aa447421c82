// The best-move search: every free line is tried once in a fixed order, the
// simulated captures count what it gives away, the cheapest line wins (the
// earliest on a tie), and the boxes end rebuilt from the lines.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "computer/boards.h"
#include "computer/computer.h"
#include "support/fakeui.h"

namespace pellumo {
namespace {

using namespace testing;

LineChoice Choice(const LineRef& line) {
  return LineChoice{line.first, static_cast<std::int16_t>(line.second)};
}

std::vector<LineChoice> Evaluated(const Game& game) {
  std::vector<LineChoice> lines;
  for (std::size_t j = 1; j < game.Candidates.size(); ++j) lines.push_back(game.Candidates[j].Choice);
  return lines;
}

std::int16_t CostOf(const Game& game, const LineRef& line) {
  for (std::size_t j = 1; j < game.Candidates.size(); ++j) {
    if (game.Candidates[j].Choice == Choice(line)) return game.Candidates[j].Cost;
  }
  ADD_FAILURE() << line.first << " " << line.second << " was not evaluated";
  return -1;
}

// The boxes as a rebuild from the line store leaves them: flags and Status
// from the lines, everything else (the neighbour copies) as it was.
boxcoll Rebuilt(const Game& game) {
  boxcoll boxes = game.AllBoxes;
  for (int i = 1; i <= kBoxes; ++i) boxes[i].UpdateMyStatus(game.lines);
  return boxes;
}

struct BestMoveTest : ::testing::Test {
  Rig rig{true};
  Game& game = rig.game;
};

TEST_F(BestMoveTest, OnAnEmptyBoardEveryLineIsFreeOfCostAndTheFirstWins) {
  EXPECT_EQ(BestMove(game), (LineChoice{"horz", 1}));
  EXPECT_EQ(game.CompMove, (LineChoice{"horz", 1}));
  ASSERT_EQ(game.Candidates.size(), 145u);
  EXPECT_EQ(game.Candidates[0].Choice, LineChoice{}) << "entry 0 stays blank";
  EXPECT_EQ(game.Candidates[0].Cost, 0);
  for (std::size_t j = 1; j < game.Candidates.size(); ++j) EXPECT_EQ(game.Candidates[j].Cost, 0);
  EXPECT_EQ(FreeLines(game).size(), 144u) << "the search draws nothing";
  EXPECT_EQ(game.GameMoves.Count(), 0);
}

TEST_F(BestMoveTest, EachLineIsEvaluatedOnceInTheFixedOrder) {
  BestMove(game);
  std::vector<LineChoice> expected;
  for (int n = 1; n <= 72; ++n) expected.push_back(Choice(H(n)));  // norths, then the bottom edge
  for (int n = 1; n <= 72; ++n) {
    if (n % 9 != 0) expected.push_back(Choice(V(n)));  // west sides
  }
  for (int n = 9; n <= 72; n += 9) expected.push_back(Choice(V(n)));  // the right edge, last
  EXPECT_EQ(Evaluated(game), expected);
}

TEST_F(BestMoveTest, OnATieHorizontalBeatsALowerNumberedVertical) {
  // A loop of boxes 1, 2, 9, 10: each of its four inner lines counts three
  // boxes (the last box of the loop fills up by a neighbour's capture and is
  // not counted), so all four tie.
  AllTakenExcept(game, {H(9), H(10), V(2), V(11)});

  EXPECT_EQ(BestMove(game), Choice(H(9)));

  EXPECT_EQ(Evaluated(game), (std::vector<LineChoice>{Choice(H(9)), Choice(H(10)), Choice(V(2)),
                                                       Choice(V(11))}));
  for (const LineRef& line : {H(9), H(10), V(2), V(11)}) EXPECT_EQ(CostOf(game, line), 3);
}

TEST_F(BestMoveTest, TheCheapestSacrificeWinsOverAnEarlierDearerOne) {
  // The first column, a chain of eight open at the top and bottom edges
  // (horizontal lines 1, 9, ..., 65), and a loop of boxes 55, 56, 63, 64.
  AllTakenExcept(game, {H(1), H(9), H(17), H(25), H(33), H(41), H(49), H(57), H(65),  //
                        H(63), H(64), V(62), V(71)});

  EXPECT_EQ(BestMove(game), Choice(H(63)));

  EXPECT_EQ(CostOf(game, H(1)), 8);
  EXPECT_EQ(CostOf(game, H(65)), 8);
  EXPECT_EQ(CostOf(game, H(63)), 3);
  EXPECT_EQ(CostOf(game, V(71)), 3);
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
  // Box 1 has three sides and opens into the rest of the top row, a chain
  // open at the east edge. A line elsewhere pays for all eight boxes; the
  // lines of the chain pay for the boxes a capture would still have to take.
  for (int b = 1; b <= 8; ++b) {
    TakeLine(game, H(b));
    TakeLine(game, H(b + 8));
  }
  TakeLine(game, V(1));
  Settle(game);

  const LineChoice m = BestMove(game);

  EXPECT_EQ(CostOf(game, H(17)), 8);
  EXPECT_EQ(CostOf(game, V(2)), 7) << "box 1, closed by the line itself, is not counted";
  EXPECT_EQ(CostOf(game, V(9)), 7) << "box 8, filled by the recount of box 7's capture, is not counted";
  EXPECT_EQ(m, Choice(V(2)));
}

TEST_F(BestMoveTest, WithNoFreeLineTheResultIsTheBlankEntry) {
  AllTakenExcept(game, {});
  game.CompMove = LineChoice{"horz", 5};

  EXPECT_EQ(BestMove(game), LineChoice{});

  EXPECT_EQ(game.CompMove, LineChoice{});
  EXPECT_EQ(game.Candidates.size(), 1u);
}

TEST_F(BestMoveTest, TheBoxesEndRebuiltFromTheLinesWhateverTheyHeldBefore) {
  std::mt19937 rng(77);
  Rig rig{true};
  Game& g = rig.game;
  for (int round = 0; round < 300; ++round) {
    g.lines = LineStore{};
    BuildBoxes(g.AllBoxes);
    std::bernoulli_distribution take(0.1 + 0.8 * (round % 10) / 10.0);
    for (int n = 1; n <= kLinesPerOrientation; ++n) {
      if (take(rng)) TakeLine(g, H(n));
      if (take(rng)) TakeLine(g, V(n));
    }
    g.RefreshBoxes();
    g.AllBoxes.MyNeighborUpdate();
    // Flags and counts out of step with the lines, as the claim path and
    // earlier simulations may leave them.
    std::uniform_int_distribution<int> pick(1, kBoxes);
    for (int k = 0; k < 8; ++k) {
      box& b = g.AllBoxes[pick(rng)];
      b.Status = static_cast<std::int16_t>(pick(rng) % 5);
      b.South = !b.South;
    }
    if (FreeLines(g).empty()) continue;
    const boxcoll expected = Rebuilt(g);

    BestMove(g);

    for (int i = 1; i <= kBoxes; ++i) {
      EXPECT_EQ(g.AllBoxes[i], expected[i]) << "round " << round << ", box " << i;
    }
  }
}

}  // namespace
}  // namespace pellumo
