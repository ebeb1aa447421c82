// One whole computer turn: captures first, the end of the game when the
// board is full, then one line from the safe random attempt or the level's
// strategy; and the Advice button.
#include <gtest/gtest.h>

#include "computer/boards.h"
#include "computer/computer.h"
#include "support/fakeui.h"

namespace pellumo {
namespace {

using namespace testing;

// Left in Candidates by the test: a strategy that never runs the search
// leaves it as it was.
const std::vector<ScoredChoice> kUntouched{ScoredChoice{}, ScoredChoice{LineChoice{"vert", 99}, 7}};

bool Untouched(const std::vector<ScoredChoice>& candidates) {
  if (candidates.size() != kUntouched.size()) return false;
  for (std::size_t j = 0; j < candidates.size(); ++j) {
    if (!(candidates[j].Choice == kUntouched[j].Choice) || candidates[j].Cost != kUntouched[j].Cost) {
      return false;
    }
  }
  return true;
}

struct ComputerTurnTest : ::testing::Test {
  Rig rig;
  Game& game = rig.game;

  void Turn(const std::string& level) {
    game.DifficultyLevel = level;
    game.Candidates = kUntouched;
    game.CurrentPlayer = 2;
    ComputerTurn(game);
  }
  void Queue(std::initializer_list<float> numbers) {
    for (float r : numbers) rig.random.Queue(r);
  }
  int GameOvers() const {
    int n = 0;
    for (const auto& [title, text] : rig.ui.messages) n += title == "Game Over";
    return n;
  }
};

TEST_F(ComputerTurnTest, AFullBoardEndsTheGameBeforeAnything) {
  AllTakenExcept(game, {});

  Turn("EXPERT");

  EXPECT_EQ(GameOvers(), 1);
  EXPECT_EQ(game.Player2Score, 0);
  EXPECT_EQ(game.GameMoves.Count(), 0);
  EXPECT_EQ(rig.random.Drawn(), 0u);
  EXPECT_EQ(rig.ui.sounds, 0);
}

TEST_F(ComputerTurnTest, CapturesThatFillTheBoardEndTheGameOnceWithNoLine) {
  AllTakenExcept(game, {V(2)});  // boxes 1 and 2 share the last line

  Turn("EXPERT");

  EXPECT_EQ(GameOvers(), 1);
  EXPECT_EQ(game.Player2Score, 2);
  EXPECT_EQ(game.GameMoves.Count(), 0);
  EXPECT_EQ(rig.random.Drawn(), 0u);
  EXPECT_EQ(rig.ui.sounds, 1);
}

TEST_F(ComputerTurnTest, ABoxFinishedByTwoCapturesCountsInTheFinalScore) {
  // The last two lines are box 2's west and east sides, each the open side
  // of a three-sided neighbour: box 2 must not be left open and unscored.
  AllTakenExcept(game, {V(2), V(3)});
  game.Player1Score = 61;

  Turn("NOVICE");

  EXPECT_EQ(game.Player2Score, 3);
  EXPECT_EQ(game.Player1Score + game.Player2Score, 64);
  for (int b = 1; b <= kBoxes; ++b) EXPECT_FALSE(game.gridbx1[static_cast<std::size_t>(b)].Enabled) << b;
  EXPECT_EQ(GameOvers(), 1);
  EXPECT_EQ(game.GameMoves.Count(), 0);
}

TEST_F(ComputerTurnTest, ASafeRandomLineEndsTheTurnAtEveryLevel) {
  for (const char* level : {"NOVICE", "INTERMEDIATE", "EXPERT"}) {
    SCOPED_TRACE(level);
    Rig rig;
    Game& g = rig.game;
    Position(g, {H(3), H(4)});  // a pair the pairing move would draw (vertical 4)
    rig.random.Queue(0.5f);     // box 32's north
    rig.random.Queue(0.0f);
    g.DifficultyLevel = level;
    g.Candidates = kUntouched;
    g.CurrentPlayer = 2;

    ComputerTurn(g);

    ASSERT_EQ(g.GameMoves.Count(), 1);
    EXPECT_EQ(LastMove(g), H(32));
    EXPECT_EQ(g.RndLine, 32);
    EXPECT_EQ(g.CurrentPlayer, 1);
    EXPECT_TRUE(Untouched(g.Candidates));
    EXPECT_EQ(rig.random.Drawn(), 2u);
  }
}

// Box 1 has two sides, so every scripted safe attempt (box 1) fails; boxes 3
// and 4 have their north sides, so the pairing move would draw vertical 4;
// the numbers after the failed attempts make a random line of horizontal 36.
struct LevelTest : ComputerTurnTest {
  void SetUp() override {
    Position(game, {H(1), V(1), H(3), H(4)});
    QueueFailingAttempts(rig.random, 22);
    Queue({0.5f, 0.75f});
  }
};

TEST_F(LevelTest, NoviceNeverPairsOrSearches) {
  Turn("NOVICE");
  EXPECT_EQ(LastMove(game), H(36));
  EXPECT_TRUE(Untouched(game.Candidates));
  EXPECT_EQ(game.CurrentPlayer, 1);
  EXPECT_EQ(game.RndLine, -1);
}

TEST_F(LevelTest, IntermediatePairsFirst) {
  Turn("INTERMEDIATE");
  EXPECT_EQ(LastMove(game), V(4));
  EXPECT_EQ(game.GameMoves.Count(), 1);
  EXPECT_EQ(rig.random.Drawn(), 44u) << "no random line after a pair";
  EXPECT_TRUE(Untouched(game.Candidates));
  EXPECT_EQ(game.CurrentPlayer, 1);
}

TEST_F(LevelTest, ExpertPairsWithoutSearching) {
  Turn("EXPERT");
  EXPECT_EQ(LastMove(game), V(4));
  EXPECT_EQ(game.GameMoves.Count(), 1);
  EXPECT_TRUE(Untouched(game.Candidates));
  EXPECT_EQ(GameOvers(), 0);
  EXPECT_EQ(game.CurrentPlayer, 1);
}

TEST_F(LevelTest, AnUnknownLevelPlaysAsNovice) {
  for (const char* level : {"expert", "", "HARD"}) {
    SCOPED_TRACE(level);
    Rig rig;
    Game& g = rig.game;
    Position(g, {H(1), V(1), H(3), H(4)});
    QueueFailingAttempts(rig.random, 22);
    rig.random.Queue(0.5f);
    rig.random.Queue(0.75f);
    g.DifficultyLevel = level;
    g.Candidates = kUntouched;
    g.CurrentPlayer = 2;

    ComputerTurn(g);

    ASSERT_EQ(g.GameMoves.Count(), 1) << "the computer must not be left without a move";
    EXPECT_EQ(LastMove(g), H(36));
    EXPECT_EQ(g.CurrentPlayer, 1);
    EXPECT_TRUE(Untouched(g.Candidates));
  }
}

// As above but without the pair: box 1 alone has two sides.
struct NoPairTest : ComputerTurnTest {
  void SetUp() override {
    Position(game, {H(1), V(1)});
    QueueFailingAttempts(rig.random, 22);
    Queue({0.5f, 0.75f});
  }
};

TEST_F(NoPairTest, IntermediateFallsBackOnARandomLineNeverTheSearch) {
  Turn("INTERMEDIATE");
  EXPECT_EQ(LastMove(game), H(36));
  EXPECT_TRUE(Untouched(game.Candidates));
  EXPECT_EQ(game.CurrentPlayer, 1);
}

TEST_F(NoPairTest, ExpertFallsBackOnTheSearch) {
  Turn("EXPERT");
  EXPECT_EQ(LastMove(game), H(2)) << "the first line that gives nothing away";
  EXPECT_EQ(game.Candidates.size(), 143u);
  EXPECT_EQ(rig.random.Drawn(), 44u);
  EXPECT_EQ(game.CurrentPlayer, 1);
  EXPECT_EQ(GameOvers(), 0);
}

TEST_F(ComputerTurnTest, TheSafeAttemptJudgesNeighboursAsTheyWereBeforeTheCaptures) {
  // Box 12 has three sides, open towards box 20, which has one side. The
  // capture gives box 20 its second side, but the copies taken at the start
  // of the turn still show one, so box 28's north side passes the test.
  Position(game, {H(12), V(13), V(14), V(22)});
  Queue({27.0f / 63.0f, 0.0f});  // box 28, horizontal

  Turn("EXPERT");

  EXPECT_EQ(game.Player2Score, 1);
  EXPECT_EQ(LastMove(game), H(28));
  EXPECT_EQ(game.AllBoxes[20].Status, 3);
  EXPECT_EQ(game.CurrentPlayer, 1);
}

TEST_F(ComputerTurnTest, EachTurnMayPlayTheCaptureSoundAgain) {
  Position(game, {H(1), H(9), V(1)});
  game.SoundPlayed = true;  // left over from the previous turn
  Queue({0.5f, 0.0f});

  Turn("NOVICE");

  EXPECT_EQ(rig.ui.sounds, 1);
  EXPECT_EQ(game.Player2Score, 1);
}

struct AdviceTest : ::testing::Test {
  Rig rig{true};
  Game& game = rig.game;
};

TEST_F(AdviceTest, EachPressCostsOnePointAndShowsTheSameLine) {
  const boxcoll boxes = game.AllBoxes;
  for (int press = 1; press <= 3; ++press) {
    Command1_Click(game);
    EXPECT_EQ(game.Label4, "H - 1");
    EXPECT_EQ(game.Player1Score, -press);
    EXPECT_EQ(game.plyr1score, std::to_string(-press));
  }
  EXPECT_TRUE(game.AllBoxes == boxes) << "the search leaves the board model as it found it";
  EXPECT_EQ(FreeLines(game).size(), 144u);
  EXPECT_EQ(game.GameMoves.Count(), 0);
  EXPECT_EQ(game.CurrentPlayer, 1) << "advice does not end the human's turn";
}

TEST_F(AdviceTest, TheTextNamesTheOrientationAndTheNumber) {
  Position(game, {H(1), H(9), V(1)});  // box 1 waits on vertical 2
  Command1_Click(game);
  EXPECT_EQ(game.Label4, "V - 2");

  Rig other{true};
  Position(other.game, {H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10), H(11)});
  Command1_Click(other.game);
  EXPECT_EQ(other.game.Label4, "H - 12");
}

TEST_F(AdviceTest, OnlyTheHumansTurnIsCharged) {
  for (std::int16_t player : {0, 2}) {
    game.CurrentPlayer = player;
    game.Label4.clear();
    Command1_Click(game);
    EXPECT_EQ(game.Player1Score, 0);
    EXPECT_EQ(game.Label4, "H - 1") << "a line is still shown";
  }
}

TEST_F(AdviceTest, WithNoFreeLineNothingIsChargedOrShown) {
  AllTakenExcept(game, {});
  game.Player1Score = 5;
  game.ShowScores();
  game.Label4 = "H - 3";

  Command1_Click(game);

  EXPECT_EQ(game.Player1Score, 5);
  EXPECT_EQ(game.plyr1score, "5");
  EXPECT_EQ(game.Label4, "H - 3");
}

TEST_F(AdviceTest, AfterTheHumanClosesABoxTheAdviceStaysTheSame) {
  // Closing a box keeps the human to move without a refresh of the boxes:
  // the stored counts still show box 1 with three sides. The advice must
  // judge the board, not that leftover.
  Position(game, {H(1), H(9), V(1)});
  game.vline_Click(2);
  ASSERT_EQ(game.CurrentPlayer, 1);
  ASSERT_EQ(game.Player1Score, 1);

  Command1_Click(game);
  const std::string first = game.Label4;
  Command1_Click(game);

  EXPECT_EQ(first, "H - 2") << "box 2's north gives nothing away";
  EXPECT_EQ(game.Label4, first) << "the board has not changed";
  EXPECT_EQ(game.Player1Score, -1);
}

}  // namespace
}  // namespace pellumo
