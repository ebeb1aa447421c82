// The pairing move: the first box (in number order) with one side whose
// first neighbour with one side (north, south, west, east) lies across a
// line still showing the free colour gets that line.
#include "computer/boards.h"

namespace pellumo {
namespace {

using namespace testing;

using PairMoveTest = ComputerToMove;

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

TEST_F(PairMoveTest, OnlyTheFirstPairSideOfEachBoxIsTriedAndOnlyAcrossAFreeLine) {
  // Boxes 1 and 2 have their north sides, but the line between them is under
  // the pointer highlight. Boxes 26 and 27 share a free line too, but box
  // 26's first neighbour with one side is box 18 across its drawn north side,
  // and box 27's is box 35 across its drawn south side. Boxes 57 and 58 have
  // their south sides. The neighbour copies are stale (all 0 from the board's
  // construction): the pairing move must take its own.
  Position(game, {H(1), H(2), H(26), H(35), H(65), H(66)});
  game.lines.vline[2].BackColor = game.lines.vline[2].ForeColor = kHighlight;

  EXPECT_TRUE(PairMove(game));

  ASSERT_EQ(game.GameMoves.Count(), 1);
  EXPECT_EQ(LastMove(game), V(65));
}

}  // namespace
}  // namespace pellumo
