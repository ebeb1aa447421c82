// The computer's random choices with scripted numbers: the exact mapping
// from single-precision numbers to boxes, lines and orientations (halves go
// to the even number), the 21-attempt limit, and the colour test that keeps
// the safe attempt off a line under the pointer highlight.
#include <cmath>

#include "computer/boards.h"

namespace pellumo {
namespace {

using namespace testing;

const float kBox28 = 27.0f / 63.0f;  // r1 x 63 + 1 = 28

// The computer to move. A test that draws lines takes the neighbour copies
// of the turn's start after them.
struct RandomMoveTest : ComputerTest {
  void SetUp() override { game.CurrentPlayer = 2; }
};

TEST(RandomMapping, NumbersPickBoxOrLineAndOrientationInSinglePrecisionHalvesToEven) {
  const float kAlmostOne = std::nextafter(1.0f, 0.0f);  // the largest number drawn
  const auto safe = [](Game& game) { SafeRandomMove(game, 0); };
  struct Case {
    void (*move)(Game&);
    float r1, r2;
    LineRef line;
  };
  const Case cases[] = {
      {safe, 0.0f, 0.0f, H(1)},           // box 1, horizontal: its north side
      {safe, 0.5f, 0.25f, H(32)},         // 32.5 -> box 32; 2 x 0.25 = 0.5 -> 0
      {safe, 0.5f, 0.75f, H(32)},         // 2 x 0.75 = 1.5 -> 2, Mod 2 = 0
      {safe, 0.5f, 0.5f, V(35)},          // vertical: box 32's west side
      {safe, 0.5f, 0.2500001f, V(35)},    // just past a quarter is vertical
      {safe, 0.5f, 0.7499999f, V(35)},
      {safe, kAlmostOne, 0.5f, V(71)},    // box 64
      // r1 x 63 + 1 is exactly 4.5 in single precision (box 4); in double
      // it would be just above, box 5.
      {safe, 0x1.c71c72p-5f, 0.0f, H(4)},
      {safe, 0x1.04104p-7f, 0.5f, V(2)},  // 1.5 (box 2); just below in double
      {RandomLine, 0.0f, 0.3f, V(1)},
      {RandomLine, 0.5f, 0.75f, H(36)},   // 36.5 -> 36
      {RandomLine, kAlmostOne, 0.25f, H(72)},
      {RandomLine, 0x1.039b0ap-4f, 0.5f, V(6)},  // 6.5 (line 6); below in double
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "r1 = " << c.r1 << ", r2 = " << c.r2);
    Rig rig{true};
    rig.game.CurrentPlayer = 2;
    rig.game.AllBoxes.MyNeighborUpdate();
    rig.random.Queue(c.r1);
    rig.random.Queue(c.r2);

    c.move(rig.game);

    EXPECT_EQ(rig.random.Drawn(), 2u);
    ASSERT_EQ(rig.game.GameMoves.Count(), 1);
    EXPECT_EQ(LastMove(rig.game), c.line);
  }
}

TEST(SafeRandomMove, TheTwentyFirstAttemptIsTheLastCountingAnEarlierCallsAttempts) {
  struct Case {
    std::int16_t tries;  // attempts made by earlier calls
    int failures;        // failing attempts before one that would succeed
    bool plays;
    unsigned drawn;      // the call that stops draws its two numbers too
  };
  for (const Case& c : {Case{0, 20, true, 42}, Case{0, 21, false, 44}, Case{19, 1, true, 4},
                        Case{19, 2, false, 6}}) {
    SCOPED_TRACE(::testing::Message() << c.tries << " earlier, " << c.failures << " failing");
    Rig rig{true};
    Position(rig.game, {H(1), V(1)});  // box 1 has two sides: drawing it fails
    rig.game.CurrentPlayer = 2;
    rig.game.RndLine = 7;
    QueueFailingAttempts(rig.random, c.failures);
    for (float r : {0.5f, 0.25f}) rig.random.Queue(r);  // box 32's north

    SafeRandomMove(rig.game, c.tries);

    EXPECT_EQ(rig.random.Drawn(), c.drawn);
    EXPECT_EQ(rig.game.RndLine, c.plays ? 32 : -1);
    EXPECT_EQ(rig.game.GameMoves.Count(), c.plays ? 1 : 0);
  }
}

TEST_F(RandomMoveTest, AFreeLineUnderThePointerHighlightIsNotTaken) {
  game.lines.hline[32].BackColor = game.lines.hline[32].ForeColor = kHighlight;
  Queue({0.5f, 0.25f, 0.0f, 0.0f});

  SafeRandomMove(game, 0);

  EXPECT_EQ(rig.random.Drawn(), 4u);
  EXPECT_EQ(LastMove(game), H(1));
  EXPECT_TRUE(game.lines.hline[32].Enabled);
}

TEST_F(RandomMoveTest, ANeighbourWithTwoSidesSendsTheLineToTheOtherSide) {
  // Box 28's north neighbour (20) and west neighbour (27) have two sides;
  // its south (36) and east (29) neighbours have none.
  Position(game, {H(20), V(22), H(27), V(30)});
  game.AllBoxes.MyNeighborUpdate();
  Queue({kBox28, 0.0f, kBox28, 0.5f});
  SafeRandomMove(game, 0);
  EXPECT_EQ(LastMove(game), H(36));  // box 28's south side
  game.CurrentPlayer = 2;
  SafeRandomMove(game, 0);
  EXPECT_EQ(LastMove(game), V(32));  // box 28's east side
}

TEST_F(RandomMoveTest, BothNeighboursWithTwoSidesFailTheAttempt) {
  Position(game, {H(20), V(22), H(44), V(40)});  // boxes 20 and 36: two sides each
  game.AllBoxes.MyNeighborUpdate();
  Queue({kBox28, 0.0f, 0.0f, 0.0f});
  SafeRandomMove(game, 0);
  EXPECT_EQ(rig.random.Drawn(), 4u);
  EXPECT_EQ(LastMove(game), H(1));
}

TEST_F(RandomMoveTest, NothingHappensWhileTheHumanIsToMove) {
  game.CurrentPlayer = 1;
  SafeRandomMove(game, 0);
  EXPECT_EQ(rig.random.Drawn(), 0u);
  EXPECT_EQ(game.GameMoves.Count(), 0);
}

TEST_F(RandomMoveTest, RandomLineDrawsUntilItHitsAFreeLineGivingAwayOrNot) {
  // Only the top row's vertical lines are free: each gives a box away.
  AllTakenExcept(game, {V(1), V(2), V(3), V(4), V(5), V(6), V(7), V(8), V(9)});
  Queue({0.0f, 0.0f,     // horizontal 1: taken
         0.5f, 0.5f,     // vertical 36: taken
         0.0f, 0.5f});   // vertical 1

  RandomLine(game);

  EXPECT_EQ(rig.random.Drawn(), 6u);
  EXPECT_EQ(LastMove(game), V(1));
  EXPECT_EQ(game.AllBoxes[1].Status, 3) << "the human is handed box 1";

  // On a full board there is nothing to draw: it must return, not spin.
  AllTakenExcept(game, {});
  RandomLine(game);
  EXPECT_EQ(rig.random.Drawn(), 6u);
}

}  // namespace
}  // namespace pellumo
