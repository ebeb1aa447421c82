// The computer's random choices with scripted numbers: the exact mapping
// from single-precision numbers to boxes, lines and orientations (halves go
// to the even number), the 21-attempt limit, and the colour test that keeps
// the safe attempt off a line under the pointer highlight.
#include <cmath>

#include "computer/boards.h"

namespace pellumo {
namespace {

using namespace testing;

using RandomMoveTest = ComputerToMove;

TEST(RandomMapping, NumbersPickBoxOrLineAndOrientationInSinglePrecisionHalvesToEven) {
  const float kAlmostOne = std::nextafter(1.0f, 0.0f);  // the largest number drawn
  // Each row pins a number and an orientation at once; r1 = 0 giving box 1
  // is pinned by the failing attempts below and in the turn's test.
  const struct {
    bool safe;  // the safe attempt, else any free line
    float r1, r2;
    Line line;
  } cases[] = {
      {true, 0.5f, 0.75f, H(32)},        // 32.5 -> box 32; 2 x 0.75 = 1.5 -> 2, Mod 2 = 0
      {true, 0.5f, 0.2500001f, V(35)},   // vertical: box 32's west side
      {true, kAlmostOne, 0.5f, V(71)},   // box 64
      // r1 x 63 + 1 is exactly 4.5 in single precision (box 4); in double
      // it would be just above, box 5.
      {true, 0x1.c71c72p-5f, 0.25f, H(4)},
      {true, 0x1.04104p-7f, 0.7499999f, V(2)},  // 1.5 (box 2); just below in double
      {false, kAlmostOne, 0.25f, H(72)},
      {false, 0x1.039b0ap-4f, 0.5f, V(6)},  // 6.5 (line 6); below in double
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "r1 = " << c.r1 << ", r2 = " << c.r2);
    Rig rig{true};
    rig.game.CurrentPlayer = 2;
    Queue(rig.random, {c.r1, c.r2});
    c.safe ? rig.computer.SafeRandomMove(rig.game, 0) : rig.computer.RandomLine(rig.game);
    EXPECT_EQ(rig.random.Drawn(), 2u);
    ASSERT_EQ(rig.game.GameMoves.Count(), 1);
    EXPECT_EQ(LastMove(rig.game), c.line);
  }
}

// Twenty-one failing attempts from the start of a turn: see the turn's test.
TEST(SafeRandomMove, TheTwentyFirstAttemptIsTheLastCountingAnEarlierCallsAttempts) {
  Rig rig{true};
  Position(rig.game, {H(1), V(1)});  // box 1 has two sides: drawing it fails
  rig.game.CurrentPlayer = 2;
  rig.computer.state.RndLine = 7;
  QueueFailingAttempts(rig.random, 2);  // the 20th and the 21st attempt
  Queue(rig.random, {0.5f, 0.25f});     // box 32's north: drawn, but not tried
  rig.computer.SafeRandomMove(rig.game, 19);
  EXPECT_EQ(rig.random.Drawn(), 6u) << "the call that stops draws its two numbers too";
  EXPECT_EQ(rig.computer.state.RndLine, -1);
  EXPECT_EQ(rig.game.GameMoves.Count(), 0);
}

// A neighbour with two sides sending a horizontal line south is part of the
// turn's own test, which also pins when the neighbour copies are taken.
TEST_F(RandomMoveTest, TheSafeAttemptPassesOverHighlightedLinesAndNeighboursWithTwoSides) {
  // Box 28's north (20), south (36) and west (27) neighbours have two sides;
  // its east neighbour (29) has none.
  Position(game, {H(20), V(22), H(44), V(40), H(27), V(30)});
  game.AllBoxes.MyNeighborUpdate();
  game.lines.hline[32].BackColor = game.lines.hline[32].ForeColor = kHighlight;
  const float kBox28 = 27.0f / 63.0f;  // r1 x 63 + 1 = 28
  Queue(rig.random, {0.5f, 0.25f,     // box 32's north: free, but under the highlight
                     kBox28, 0.0f,    // horizontal: neither side of box 28 is safe
                     kBox28, 0.5f});  // vertical: the west is not, so the east side

  computer.SafeRandomMove(game, 0);

  EXPECT_EQ(rig.random.Drawn(), 6u);
  ASSERT_EQ(game.GameMoves.Count(), 1);
  EXPECT_EQ(LastMove(game), V(32));
}

TEST_F(RandomMoveTest, RandomLineDrawsUntilItHitsAFreeLineGivingAwayOrNot) {
  // Only the top row's vertical lines are free: each gives a box away.
  AllTakenExcept(game, {V(1), V(2), V(3), V(4), V(5), V(6), V(7), V(8), V(9)});
  Queue(rig.random, {0.0f, 0.0f,    // horizontal 1: taken
                     0.5f, 0.5f,    // vertical 36: taken
                     0.0f, 0.5f});  // vertical 1

  computer.RandomLine(game);

  EXPECT_EQ(rig.random.Drawn(), 6u);
  EXPECT_EQ(LastMove(game), V(1));
  EXPECT_EQ(game.AllBoxes[1].Status, 3) << "the human is handed box 1";

  // On a full board there is nothing to draw: it must return, not spin.
  AllTakenExcept(game, {});
  computer.RandomLine(game);
  EXPECT_EQ(rig.random.Drawn(), 6u);
}

}  // namespace
}  // namespace pellumo
