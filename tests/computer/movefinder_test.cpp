// The pairing move: the first box (in number order) with one side whose
// first neighbour with one side (north, south, west, east) lies across a
// line still showing the free colour gets that line.
#include <random>

#include "computer/boards.h"

namespace pellumo {
namespace {

using namespace testing;

struct PairMoveTest : ComputerTest {
  void SetUp() override { game.CurrentPlayer = 2; }
};

TEST(PairSide, ReadsOnlyTheNeighbourCountsInTheOrderNorthSouthWestEast) {
  box b;
  b.North = b.South = b.East = b.West = true;  // its own sides do not matter
  b.NorthStatus = b.southstatus = b.WestStatus = b.EastStatus = 1;
  EXPECT_EQ(PairSide(b), "North");
  b.NorthStatus = 2;
  EXPECT_EQ(PairSide(b), "South");
  b.southstatus = 0;
  EXPECT_EQ(PairSide(b), "West");
  b.WestStatus = 3;
  EXPECT_EQ(PairSide(b), "East");
  b.EastStatus = 2;
  EXPECT_EQ(PairSide(b), "");
}

TEST_F(PairMoveTest, TwoTopBoxesWithTheirNorthSidesArePairedByTheLineBetweenThem) {
  EXPECT_FALSE(PairMove(game)) << "an empty board has no pair";
  // The neighbour copies are stale (all 0 from the board's construction):
  // the pairing move must take its own.
  Position(game, {H(1), H(2)});

  EXPECT_TRUE(PairMove(game));

  ASSERT_EQ(game.GameMoves.Count(), 1);
  EXPECT_EQ(LastMove(game), V(2));
  EXPECT_EQ(game.lines.vline[2].BackColor, kComputerLine);
}

TEST_F(PairMoveTest, OnlyTheFirstPairSideOfABoxIsTried) {
  // Boxes 10 and 11 each have one side and share the free vertical line 12,
  // but box 10's first neighbour with one side is box 2 across its drawn
  // north side, and box 11's is box 19 across its drawn south side.
  Position(game, {H(10), H(19)});
  EXPECT_FALSE(PairMove(game));
  EXPECT_EQ(game.CountLines(), 2);
}

TEST_F(PairMoveTest, ALineUnderThePointerHighlightIsNotTaken) {
  Position(game, {H(1), H(2)});
  game.lines.vline[2].BackColor = game.lines.vline[2].ForeColor = kHighlight;
  EXPECT_FALSE(PairMove(game));
  EXPECT_TRUE(game.lines.vline[2].Enabled);
}

TEST_F(PairMoveTest, ThePairedLineNeverGivesABoxAway) {
  std::mt19937 rng(2026);
  int played = 0;
  for (int round = 0; round < 300; ++round) {
    game.lines = LineStore{};
    BuildBoxes(game.AllBoxes);
    std::bernoulli_distribution take(0.05 + 0.3 * (round % 10) / 10.0);
    for (int n = 1; n <= kLinesPerOrientation; ++n) {
      if (take(rng)) TakeLine(game, H(n));
      if (take(rng)) TakeLine(game, V(n));
    }
    Settle(game);
    game.CurrentPlayer = 2;
    if (!PairMove(game)) continue;
    ++played;
    const auto [Compass, n] = LastMove(game);
    const bool horizontal = Compass == "horz";
    const bool edge = horizontal ? (n <= 8 || n > 64) : (n % 9 == 0 || n % 9 == 1);
    ASSERT_FALSE(edge) << Compass << " " << n << ": an edge line pairs nothing";
    const int after = BoxLineLookup(static_cast<std::int16_t>(n), Compass);
    for (int b : {horizontal ? after - 8 : after - 1, after}) {
      EXPECT_EQ(game.AllBoxes[b].Status, 2) << Compass << " " << n << ", box " << b;
    }
  }
  EXPECT_GT(played, 50) << "the positions should offer pairs often";
}

}  // namespace
}  // namespace pellumo
