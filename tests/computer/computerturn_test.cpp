// One whole computer turn: captures first, the end of the game when the
// board is full, then one line from the safe random attempt or the level's
// strategy; and the Advice button.
#include "computer/boards.h"

namespace pellumo {
namespace {

using namespace testing;

void Turn(Rig& rig, const std::string& level) {
  rig.game.DifficultyLevel = level;
  // Three blank entries: a search (unless two lines are free) leaves another number.
  rig.computer.state.Candidates.assign(3, ScoredChoice{});
  rig.game.CurrentPlayer = 2;
  rig.computer.ComputerTurn(rig.game);
}

TEST(ComputerTurn, AFullBoardAfterTheCapturesEndsTheGameOnceWithNoLine) {
  // Boxes sharing an open side go in one pass: see the capture's test. The
  // second case: the two last lines are box 2's west and east sides, each the
  // open side of a three-sided neighbour; box 2 must be scored too.
  const struct {
    std::set<Line> free;
    std::int16_t captured;
  } cases[] = {{{}, 0}, {{V(2), V(3)}, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.captured);
    Rig rig{true};
    AllTakenExcept(rig.game, c.free);
    rig.game.Player1Score = static_cast<std::int16_t>(64 - c.captured);

    Turn(rig, "EXPERT");

    ASSERT_EQ(rig.ui.messages.size(), 1u);
    EXPECT_EQ(rig.ui.messages[0].first, "Game Over");
    EXPECT_EQ(rig.game.Player2Score, c.captured);
    for (int b = 1; b <= kBoxes; ++b) EXPECT_FALSE(rig.game.gridbx1[static_cast<std::size_t>(b)].Enabled) << b;
    EXPECT_EQ(rig.game.GameMoves.Count(), 0);
    EXPECT_EQ(rig.random.Drawn(), 0u);
    EXPECT_EQ(rig.ui.sounds, c.captured > 0 ? 1 : 0);
  }
}

TEST(ComputerTurn, EachLevelTriesTheSafeRandomLineFirstThenItsOwnStrategy) {
  const struct {
    const char* level;
    bool safe;     // the safe random attempt can succeed
    bool pair;     // boxes 3 and 4 have their north sides: vertical 4 pairs them
    Line line;  // H(32) safe; H(36) random; H(2) the first line of the search
    bool searched;
  } cases[] = {
      {"NOVICE", true, true, H(32), false},       {"INTERMEDIATE", true, true, H(32), false},
      {"EXPERT", true, true, H(32), false},       {"NOVICE", false, true, H(36), false},
      {"INTERMEDIATE", false, true, V(4), false}, {"EXPERT", false, true, V(4), false},
      {"INTERMEDIATE", false, false, H(36), false}, {"EXPERT", false, false, H(2), true},
      // Any other level word plays as Novice, never leaving the turn without a line.
      {"expert", false, true, H(36), false},      {"HARD", false, true, H(36), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.level << (c.safe ? ", safe" : "") << (c.pair ? ", pair" : ""));
    Rig rig{true};
    Game& game = rig.game;
    // Box 1 has two sides, so every scripted failing attempt (box 1) fails.
    if (c.pair) Position(game, {H(1), V(1), H(3), H(4)});
    else Position(game, {H(1), V(1)});
    QueueFailingAttempts(rig.random, c.safe ? 0 : 22);
    Queue(rig.random, {0.5f, c.safe ? 0.0f : 0.75f});  // box 32's north, or horizontal 36

    Turn(rig, c.level);

    ASSERT_EQ(game.GameMoves.Count(), 1);
    EXPECT_EQ(LastMove(game), c.line);
    EXPECT_EQ(rig.computer.state.RndLine, c.safe ? 32 : -1);
    EXPECT_EQ(rig.computer.state.Candidates.size() != 3, c.searched);
    EXPECT_EQ(game.CurrentPlayer, 1);
    EXPECT_EQ(rig.random.Drawn(), c.line == H(36) ? 46u : (c.safe ? 2u : 44u));
  }
}

TEST(ComputerTurn, TheTurnPlaysItsOwnSoundAndJudgesNeighboursAsBeforeItsCaptures) {
  // The attempt draws box 28, horizontal. Its north neighbour, box 20, has
  // two sides when the turn starts; its south neighbour, box 36, has one,
  // and the capture of box 44 (open north) gives it its second. The copies
  // taken at the start of the turn, before the capture, decide: south.
  Rig rig{true};
  Position(rig.game, {H(20), V(22), V(41), H(52), V(49), V(50)});
  rig.game.SoundPlayed = true;  // left over from the previous turn
  Queue(rig.random, {27.0f / 63.0f, 0.0f});

  Turn(rig, "EXPERT");

  EXPECT_EQ(rig.game.Player2Score, 1);
  EXPECT_EQ(rig.ui.sounds, 1);
  EXPECT_EQ(LastMove(rig.game), H(36));
  EXPECT_EQ(rig.game.AllBoxes[36].Status, 3) << "so box 36 is given away";
}

using AdviceTest = ComputerTest;

TEST_F(AdviceTest, EachPressOnTheHumansTurnCostsOnePointDownToTheLowestScore) {
  for (std::int16_t player : {1, 0, 2}) {
    game.CurrentPlayer = player;
    game.readouts.Label4.clear();
    computer.Command1_Click(game);
    EXPECT_EQ(game.readouts.Label4, "H - 1") << "every press shows the same line";
  }
  EXPECT_EQ(game.readouts.plyr1score, "-1");

  game.CurrentPlayer = 1;
  game.Player1Score = -32768;
  computer.Command1_Click(game);
  EXPECT_EQ(game.Player1Score, -32768) << "no wrap to a positive score";
}

TEST_F(AdviceTest, AfterTheHumanClosesABoxTheAdviceJudgesTheBoardAsItIsAndAFullBoardCostsNothing) {
  Position(game, {H(1), H(9), V(1)});
  computer.Command1_Click(game);
  EXPECT_EQ(game.readouts.Label4, "V - 2") << "box 1 waits on vertical 2";
  // Closing a box keeps the human to move without a refresh of the boxes:
  // the stored counts still show box 1 with three sides.
  game.vline_Click(2);
  ASSERT_EQ(game.Player1Score, 0);
  computer.Command1_Click(game);
  EXPECT_EQ(game.readouts.Label4, "H - 2") << "box 2's north gives nothing away";
  computer.Command1_Click(game);
  EXPECT_EQ(game.readouts.Label4, "H - 2") << "the board has not changed";
  EXPECT_EQ(game.Player1Score, -2);

  AllTakenExcept(game, {});
  game.readouts.Label4 = "H - 3";
  computer.Command1_Click(game);
  EXPECT_EQ(game.Player1Score, -2) << "no free line: nothing to advise or charge";
  EXPECT_EQ(game.readouts.Label4, "H - 3");
}

}  // namespace
}  // namespace pellumo
