// The computer's capture of three-sided boxes at the start of its turn: pass
// after pass on the stored Status of the pass's own refresh, outside the
// claim path, with the capture sound at most once per turn.
#include "computer/boards.h"

namespace pellumo {
namespace {

using namespace testing;

struct CaptureTest : ComputerToMove {
  // Each pass refreshes the boxes once, and nothing else in the capture
  // moves the counter, so its rise is the number of passes.
  long Capture() {
    const long before = LeadingNumber(game.readouts.updatecount);
    TakeClosableBoxes(game);
    return LeadingNumber(game.readouts.updatecount) - before;
  }
  void ExpectComputerBoxes(std::initializer_list<int> boxes) {
    for (int b : boxes) {
      const BoxFill& fill = game.gridbx1[static_cast<std::size_t>(b)];
      EXPECT_TRUE(fill.Visible && !fill.Enabled && fill.BackColor == kComputerBox) << "box " << b;
    }
  }
};

TEST_F(CaptureTest, AChainIsEatenOneBoxPerPassWithOneSound) {
  EXPECT_EQ(Capture(), 1) << "with no three-sided box one pass finds nothing";
  EXPECT_EQ(rig.ui.sounds, 0);
  TopRowChain(game);  // boxes 2..8 have two sides: none is taken before its turn
  EXPECT_EQ(Capture(), 9) << "one box per pass, then one pass that finds nothing";
  EXPECT_EQ(game.Player2Score, 8);
  EXPECT_EQ(game.readouts.plyr2score, "8");
  EXPECT_EQ(rig.ui.sounds, 1);
  ExpectComputerBoxes({1, 2, 3, 4, 5, 6, 7, 8});
  for (int n = 2; n <= 9; ++n) EXPECT_EQ(game.lines.vline[n].BackColor, kComputerLine) << n;
  EXPECT_EQ(game.GameMoves.Count(), 0) << "captured lines are not moves";
  EXPECT_TRUE(rig.ui.flashes.empty()) << "captured lines do not flash";
}

// A box finished by two captures of one pass: see the full board in the turn.
TEST_F(CaptureTest, BoxesSharingAnOpenSideGoInOnePassToTheComputerWhoeverMoves) {
  // Boxes 1 and 2 are both open on vertical 2; box 64 is apart.
  Position(game, {H(1), H(9), V(1), H(2), H(10), V(3), H(64), H(72), V(72)});
  game.CurrentPlayer = 1;
  game.SoundPlayed = true;  // it has already played in this turn

  EXPECT_EQ(Capture(), 2);

  EXPECT_EQ(game.Player2Score, 3);
  EXPECT_EQ(game.Player1Score, 0);
  ExpectComputerBoxes({1, 2, 64});
  EXPECT_EQ(game.lines.vline[2].BackColor, kHumanLine) << "marking paints in the mover's colour";
  EXPECT_EQ(rig.ui.sounds, 0);
}

}  // namespace
}  // namespace pellumo
