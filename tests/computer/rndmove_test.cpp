// The computer's random choices with scripted numbers: the exact mapping
// from single-precision numbers to boxes, lines and orientations (halves go
// to the even number), the 21-attempt limit, and the colour test that keeps
// the safe attempt off a line under the pointer highlight.
#include <gtest/gtest.h>

#include <cmath>

#include "computer/boards.h"
#include "computer/computer.h"
#include "support/fakeui.h"

namespace pellumo {
namespace {

using namespace testing;

// Just below 1: the largest number the generator can hand out.
const float kAlmostOne = std::nextafter(1.0f, 0.0f);

struct RandomMoveTest : ::testing::Test {
  Rig rig{true};
  Game& game = rig.game;

  // The computer to move, with the neighbour copies of the turn's start.
  void ComputersTurn() {
    game.CurrentPlayer = 2;
    game.AllBoxes.MyNeighborUpdate();
  }
  void Queue(std::initializer_list<float> numbers) {
    for (float r : numbers) rig.random.Queue(r);
  }
  void ExpectComputerPlayed(const LineRef& line) {
    ASSERT_GT(game.GameMoves.Count(), 0);
    EXPECT_EQ(LastMove(game), line);
    EXPECT_EQ(game.GameMoves.Item(game.GameMoves.Count()).PlayerNum, 2);
    EXPECT_EQ(game.lines.Line(line.first, line.second)->BackColor, kComputerLine);
    EXPECT_EQ(game.CurrentPlayer, 1) << "the claim passes the turn back";
  }
};

struct Mapping {
  float r1, r2;
  LineRef line;
};

TEST(SafeRandomMoveMapping, NumbersPickBoxAndOrientationRoundingHalvesToEven) {
  const Mapping cases[] = {
      {0.0f, 0.0f, H(1)},           // box 1, horizontal: its north side
      {0.5f, 0.25f, H(32)},         // 32.5 -> box 32; 2 x 0.25 = 0.5 -> 0
      {0.5f, 0.75f, H(32)},         // 2 x 0.75 = 1.5 -> 2, Mod 2 = 0
      {0.5f, 0.5f, V(35)},          // vertical: box 32's west side
      {0.5f, 0.2500001f, V(35)},    // just past a quarter is vertical
      {0.5f, 0.7499999f, V(35)},
      {kAlmostOne, 0.0f, H(64)},    // box 64
      {kAlmostOne, 0.5f, V(71)},
      // In single precision r1 x 63 + 1 is exactly 4.5 (box 4); in double
      // precision it would be just above, box 5.
      {0x1.c71c72p-5f, 0.0f, H(4)},
      // Exactly 1.5 in single precision (box 2), just below in double (box 1).
      {0x1.04104p-7f, 0.5f, V(2)},
  };
  for (const Mapping& c : cases) {
    SCOPED_TRACE(::testing::Message() << "r1 = " << c.r1 << ", r2 = " << c.r2);
    Rig rig{true};
    Game& game = rig.game;
    game.CurrentPlayer = 2;
    game.AllBoxes.MyNeighborUpdate();
    rig.random.Queue(c.r1);
    rig.random.Queue(c.r2);

    SafeRandomMove(game, 0);

    EXPECT_EQ(rig.random.Drawn(), 2u);
    EXPECT_EQ(game.RndLine, c.line.second);
    EXPECT_EQ(game.CompMove, (LineChoice{c.line.first, static_cast<std::int16_t>(c.line.second)}));
    ASSERT_EQ(game.GameMoves.Count(), 1);
    EXPECT_EQ(LastMove(game), c.line);
    EXPECT_EQ(game.CurrentPlayer, 1);
  }
}

TEST_F(RandomMoveTest, GivesUpAfterTwentyOneAttempts) {
  // Every box has its north and south drawn: no attempt can succeed.
  for (int n = 1; n <= kLinesPerOrientation; ++n) TakeLine(game, H(n));
  Settle(game);
  ComputersTurn();
  game.RndLine = 7;

  SafeRandomMove(game, 0);

  EXPECT_EQ(game.RndLine, -1);
  EXPECT_EQ(rig.random.Drawn(), 44u) << "21 attempts, and the call that stops draws its two numbers too";
  EXPECT_EQ(game.GameMoves.Count(), 0);
  EXPECT_EQ(game.CurrentPlayer, 2);
}

TEST_F(RandomMoveTest, TheTwentyFirstAttemptIsTheLast) {
  Position(game, {H(1), V(1)});  // box 1 has two sides: drawing it fails
  ComputersTurn();
  QueueFailingAttempts(rig.random, 20);
  Queue({0.5f, 0.25f});  // the 21st attempt: box 32's north

  SafeRandomMove(game, 0);

  EXPECT_EQ(rig.random.Drawn(), 42u);
  EXPECT_EQ(game.RndLine, 32);
  ExpectComputerPlayed(H(32));
}

TEST_F(RandomMoveTest, ASuccessAfterTwentyOneFailuresIsNeverPlayed) {
  Position(game, {H(1), V(1)});
  ComputersTurn();
  QueueFailingAttempts(rig.random, 21);
  Queue({0.5f, 0.25f});

  SafeRandomMove(game, 0);

  EXPECT_EQ(rig.random.Drawn(), 44u);
  EXPECT_EQ(game.RndLine, -1);
  EXPECT_EQ(game.GameMoves.Count(), 0);
  EXPECT_FALSE(IsTaken(game, H(32)));
}

TEST_F(RandomMoveTest, ALaterCallCountsItsEarlierAttempts) {
  Position(game, {H(1), V(1)});
  ComputersTurn();
  QueueFailingAttempts(rig.random, 2);
  Queue({0.5f, 0.25f});

  SafeRandomMove(game, 19);  // attempts 19 and 20 fail; the next call stops

  EXPECT_EQ(rig.random.Drawn(), 6u);
  EXPECT_EQ(game.RndLine, -1);
  EXPECT_EQ(game.GameMoves.Count(), 0);
}

TEST_F(RandomMoveTest, APickedSideAlreadyTakenCostsOneAttempt) {
  Position(game, {H(32)});  // box 32 keeps one side; its north is taken
  ComputersTurn();
  Queue({0.5f, 0.25f, 0.0f, 0.0f});

  SafeRandomMove(game, 0);

  EXPECT_EQ(rig.random.Drawn(), 4u);
  EXPECT_EQ(game.RndLine, 1);
  ExpectComputerPlayed(H(1));
  EXPECT_EQ(game.GameMoves.Count(), 1);
}

TEST_F(RandomMoveTest, AFreeLineUnderThePointerHighlightIsNotTaken) {
  ComputersTurn();
  game.lines.hline[32].BackColor = game.lines.hline[32].ForeColor = kHighlight;
  Queue({0.5f, 0.25f, 0.0f, 0.0f});

  SafeRandomMove(game, 0);

  EXPECT_EQ(rig.random.Drawn(), 4u);
  ExpectComputerPlayed(H(1));
  EXPECT_TRUE(game.lines.hline[32].Enabled);
  EXPECT_EQ(game.lines.hline[32].BackColor, kHighlight);
}

TEST_F(RandomMoveTest, ANeighbourWithTwoSidesSendsTheLineToTheOtherSide) {
  // Box 28's north neighbour (20) and west neighbour (27) have two sides;
  // its south (36) and east (29) neighbours have none.
  Position(game, {H(20), V(22),    // box 20: north and west
                  H(27), V(30)});  // box 27: north and west
  ComputersTurn();
  const float box28 = 27.0f / 63.0f;
  Queue({box28, 0.0f});

  SafeRandomMove(game, 0);
  ExpectComputerPlayed(H(36));  // box 28's south side

  game.CurrentPlayer = 2;
  Queue({box28, 0.5f});
  SafeRandomMove(game, 0);
  ExpectComputerPlayed(V(32));  // box 28's east side
}

TEST_F(RandomMoveTest, BothNeighboursWithTwoSidesFailTheAttempt) {
  Position(game, {H(20), V(22),    // box 20: two sides
                  H(44), V(40)});  // box 36: two sides (south and west)
  ComputersTurn();
  Queue({27.0f / 63.0f, 0.0f, 0.0f, 0.0f});

  SafeRandomMove(game, 0);

  EXPECT_EQ(rig.random.Drawn(), 4u);
  ExpectComputerPlayed(H(1));
}

TEST_F(RandomMoveTest, ATopRowBoxAlwaysOffersItsNorthSide) {
  Position(game, {H(19), V(12)});  // box 11, under box 3, has two sides
  ComputersTurn();
  Queue({2.0f / 63.0f, 0.0f});

  SafeRandomMove(game, 0);

  ExpectComputerPlayed(H(3));
}

TEST_F(RandomMoveTest, NothingHappensWhileTheHumanIsToMove) {
  game.RndLine = 7;
  Queue({0.0f, 0.0f});

  SafeRandomMove(game, 0);

  EXPECT_EQ(rig.random.Drawn(), 0u);
  EXPECT_EQ(game.RndLine, 7);
  EXPECT_EQ(game.GameMoves.Count(), 0);
}

TEST(RandomLineMapping, NumbersPickLineAndOrientationRoundingHalvesToEven) {
  const Mapping cases[] = {
      {0.0f, 0.0f, H(1)},
      {0.0f, 0.3f, V(1)},
      {0.5f, 0.75f, H(36)},  // 36.5 -> 36
      {0.5f, 0.5f, V(36)},
      {kAlmostOne, 0.25f, H(72)},
      // Exactly 6.5 in single precision (line 6), below it in double (5).
      {0x1.039b0ap-4f, 0.5f, V(6)},
  };
  for (const Mapping& c : cases) {
    SCOPED_TRACE(::testing::Message() << "r1 = " << c.r1 << ", r2 = " << c.r2);
    Rig rig{true};
    rig.game.CurrentPlayer = 2;
    rig.random.Queue(c.r1);
    rig.random.Queue(c.r2);

    RandomLine(rig.game);

    EXPECT_EQ(rig.random.Drawn(), 2u);
    ASSERT_EQ(rig.game.GameMoves.Count(), 1);
    EXPECT_EQ(LastMove(rig.game), c.line);
    EXPECT_EQ(rig.game.CurrentPlayer, 1);
  }
}

TEST_F(RandomMoveTest, RandomLineDrawsAgainUntilItHitsAFreeLineGivingAwayOrNot) {
  // Only the top row's vertical lines are free: each gives a box away.
  AllTakenExcept(game, {V(1), V(2), V(3), V(4), V(5), V(6), V(7), V(8), V(9)});
  game.CurrentPlayer = 2;
  Queue({0.0f, 0.0f,     // horizontal 1: taken
         0.5f, 0.5f,     // vertical 36: taken
         0.0f, 0.5f});   // vertical 1

  RandomLine(game);

  EXPECT_EQ(rig.random.Drawn(), 6u);
  ExpectComputerPlayed(V(1));
  EXPECT_EQ(game.GameMoves.Count(), 1);
  EXPECT_EQ(game.AllBoxes[1].Status, 3) << "the human is handed box 1";
}

}  // namespace
}  // namespace pellumo
