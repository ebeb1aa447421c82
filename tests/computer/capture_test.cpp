// The computer's capture of three-sided boxes at the start of its turn: pass
// after pass on the stored Status of the pass's own refresh, outside the
// claim path, with the capture sound at most once per turn.
#include <gtest/gtest.h>

#include "computer/boards.h"
#include "computer/computer.h"
#include "support/fakeui.h"

namespace pellumo {
namespace {

using namespace testing;

struct CaptureTest : ::testing::Test {
  Rig rig{true};
  Game& game = rig.game;

  // Each pass refreshes the boxes once, and nothing else in the capture
  // moves the counter, so its rise is the number of passes.
  long passes_since(long before) const { return LeadingNumber(game.updatecount) - before; }
  long counter() const { return LeadingNumber(game.updatecount); }

  void ExpectComputerBox(int b) {
    const BoxFill& fill = game.gridbx1[static_cast<std::size_t>(b)];
    EXPECT_TRUE(fill.Visible) << "box " << b;
    EXPECT_FALSE(fill.Enabled) << "box " << b;
    EXPECT_EQ(fill.BackColor, kComputerBox) << "box " << b;
  }
  void ExpectComputerLine(const LineRef& line) {
    const LineControl* control = game.lines.Line(line.first, line.second);
    EXPECT_FALSE(control->Enabled) << line.first << " " << line.second;
    EXPECT_EQ(control->BackColor, kComputerLine) << line.first << " " << line.second;
  }
};

TEST(OpenSide, NamesTheLastOpenSideInTheOrderNorthSouthEastWest) {
  box b;
  EXPECT_EQ(OpenSide(b), "West");
  b.West = true;
  b.South = true;
  EXPECT_EQ(OpenSide(b), "East") << "north and east open";
  b.East = true;
  EXPECT_EQ(OpenSide(b), "North");
  b.North = true;
  EXPECT_EQ(OpenSide(b), "False");
  b.North = false;
  b.South = false;
  EXPECT_EQ(OpenSide(b), "South") << "north and south open";
}

TEST_F(CaptureTest, WithoutAThreeSidedBoxOnePassChangesNothing) {
  Position(game, {H(1), V(1), H(20), H(28), V(30)});  // boxes with 2 sides at most
  game.CurrentPlayer = 2;
  const long before = counter();
  const LineStore lines = game.lines;

  TakeClosableBoxes(game);

  EXPECT_EQ(passes_since(before), 1);
  EXPECT_EQ(game.Player2Score, 0);
  EXPECT_EQ(rig.ui.sounds, 0);
  EXPECT_FALSE(game.SoundPlayed);
  EXPECT_EQ(FreeLines(game).size(), 139u);
  for (int n = 1; n <= kLinesPerOrientation; ++n) {
    EXPECT_EQ(game.lines.hline[n].BackColor, lines.hline[n].BackColor);
    EXPECT_EQ(game.lines.vline[n].BackColor, lines.vline[n].BackColor);
  }
}

TEST_F(CaptureTest, AChainIsEatenOneBoxPerPassWithOneSound) {
  // The top row: every north and south side drawn and the west edge, so box
  // 1 has three sides and boxes 2..8 two, open towards the next box and, for
  // box 8, towards the east edge.
  for (int b = 1; b <= 8; ++b) {
    TakeLine(game, H(b));
    TakeLine(game, H(b + 8));
  }
  TakeLine(game, V(1));
  Settle(game);
  game.CurrentPlayer = 2;
  const long before = counter();
  const std::int32_t moves = game.GameMoves.Count();

  TakeClosableBoxes(game);

  EXPECT_EQ(game.Player2Score, 8);
  EXPECT_EQ(game.plyr2score, "8");
  EXPECT_EQ(passes_since(before), 9) << "one box per pass, then one pass that finds nothing";
  EXPECT_EQ(rig.ui.sounds, 1);
  EXPECT_TRUE(game.SoundPlayed);
  for (int b = 1; b <= 8; ++b) ExpectComputerBox(b);
  for (int n = 2; n <= 9; ++n) ExpectComputerLine(V(n));
  EXPECT_EQ(game.GameMoves.Count(), moves) << "captured lines are not moves";
  EXPECT_TRUE(rig.ui.flashes.empty()) << "captured lines do not flash";
  EXPECT_EQ(game.Text2, "25");
  EXPECT_EQ(game.SumStatus(), 8 * 4 + 8 * 1) << "the last pass left the stored Status fresh";
}

TEST_F(CaptureTest, TwoBoxesWithTheSameOpenSideAreTakenInOnePass) {
  Position(game, {H(1), H(9), V(1), H(2), H(10), V(3)});  // boxes 1 and 2, open on vert 2
  game.CurrentPlayer = 2;
  const long before = counter();

  TakeClosableBoxes(game);

  EXPECT_EQ(game.Player2Score, 2);
  EXPECT_EQ(passes_since(before), 2);
  ExpectComputerBox(1);
  ExpectComputerBox(2);
  ExpectComputerLine(V(2));
  EXPECT_EQ(rig.ui.sounds, 1);
}

TEST_F(CaptureTest, ABoxFinishedByTwoCapturesOfOnePassGoesToTheComputer) {
  // Box 2 has its north and south drawn; its west and east sides are the
  // open sides of the three-sided boxes 1 and 3, so one pass draws both and
  // box 2 never has three sides at the start of a pass.
  Position(game, {H(1), H(9), V(1), H(2), H(10), H(3), H(11), V(4)});
  game.CurrentPlayer = 2;

  TakeClosableBoxes(game);

  EXPECT_EQ(game.Player2Score, 3);
  for (int b = 1; b <= 3; ++b) ExpectComputerBox(b);
  EXPECT_EQ(game.AllBoxes[2].Status, 4);
  EXPECT_EQ(rig.ui.sounds, 1);
}

TEST_F(CaptureTest, ABoxSurroundedByFourCapturesInOnePassGoesToTheComputer) {
  // Box 10 has no side at all; its four neighbours each have three sides with
  // the open one towards it.
  Position(game, {H(2), V(2), V(3),       // box 2, open south
                  H(9), H(17), V(10),     // box 9, open east
                  H(11), H(19), V(13),    // box 11, open west
                  H(26), V(20), V(21)});  // box 18, open north
  game.CurrentPlayer = 2;

  TakeClosableBoxes(game);

  EXPECT_EQ(game.Player2Score, 5);
  for (int b : {2, 9, 10, 11, 18}) ExpectComputerBox(b);
  for (int b = 1; b <= kBoxes; ++b) {
    if (game.AllBoxes[b].Status == 4) {
      EXPECT_FALSE(game.gridbx1[static_cast<std::size_t>(b)].Enabled) << "box " << b;
    }
  }
}

TEST_F(CaptureTest, TheSoundPlaysAtMostOncePerTurn) {
  Position(game, {H(1), H(9), V(1), H(64), H(72), V(72)});  // boxes 1 and 64, apart
  game.CurrentPlayer = 2;
  game.SoundPlayed = true;  // it has already played in this turn

  TakeClosableBoxes(game);

  EXPECT_EQ(game.Player2Score, 2);
  EXPECT_EQ(rig.ui.sounds, 0);
}

TEST_F(CaptureTest, CapturedBoxesAreTheComputersWhoeverIsToMove) {
  Position(game, {H(1), H(9), V(1)});
  game.CurrentPlayer = 1;

  TakeClosableBoxes(game);

  EXPECT_EQ(game.Player2Score, 1);
  EXPECT_EQ(game.Player1Score, 0);
  ExpectComputerBox(1);
  EXPECT_EQ(game.lines.vline[2].BackColor, kHumanLine) << "marking paints in the mover's colour";
  EXPECT_FALSE(game.lines.vline[2].Enabled);
}

}  // namespace
}  // namespace pellumo
