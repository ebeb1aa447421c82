// One whole computer turn: captures first, the end of the game when the
// board is full, then one line from the safe random attempt or the level's
// strategy; the Advice button; and on their own the capture, the pairing
// move and the random choices with scripted numbers: the exact mapping from
// single-precision numbers to boxes, lines and orientations (halves go to the
// even number), the 21-attempt limit, and the colour test that keeps the safe
// attempt off a line under the pointer highlight.
// The best-move search rebuilds only the boxes a simulation touched. This
// keeps the plain search (rebuild all 64 boxes after every line) as the
// reference and checks that both choose the same line, score every line the
// same, and leave the boxes the same, on many random positions: fresh ones,
// ones where the last claims set sides without a refresh (as a claim that
// closes a box does), and ones whose flags and counts are out of step;
// and, since the reference could share a misreading, pins the counting
// rules on positions worked out by hand.
// Then whole headless games against a human who clicks a uniformly random
// free line, a thousand per level with fixed seeds: whatever happens in
// between, every game must end with a full board, every box scored exactly
// once, no line claimed twice, every move in its player's colour, one
// end-of-game message, and the human to move after every click until then.
#include <algorithm>
#include <cmath>
#include <map>
#include <random>

#include "computer/boards.h"
#include "support/gamecheck.h"

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
  for (auto [free, captured] : {std::pair{std::set<Line>{}, 0}, {{V(2), V(3)}, 3}}) {
    SCOPED_TRACE(captured);
    Rig rig{true};
    AllTakenExcept(rig.game, free);
    rig.game.Player1Score = static_cast<std::int16_t>(64 - captured);
    Turn(rig, "EXPERT");
    EXPECT_EQ(rig.ui.messages, (Messages{{"Game Over", "You Won!!!"}}));
    // The score, no recorded move, no number drawn, the sound only for a capture.
    EXPECT_EQ((std::tuple{rig.game.Player2Score, rig.game.GameMoves.Count(), rig.random.Drawn(),
                          rig.ui.sounds}),
              (std::tuple{captured, 0, 0u, captured > 0 ? 1 : 0}));
  }
}

TEST(ComputerTurn, EachLevelTriesTheSafeRandomLineFirstThenItsOwnStrategy) {
  // The level; whether the safe random attempt can succeed; whether boxes 3
  // and 4 have their north sides, so that vertical 4 pairs them; the line
  // played (H(32) safe, H(36) random, H(2) the first line of the search);
  // whether the search ran.
  for (auto [level, safe, pair, line, searched] : {
           std::tuple{"NOVICE", true, true, H(32), false}, {"INTERMEDIATE", true, true, H(32), false},
           {"EXPERT", true, true, H(32), false},          {"NOVICE", false, true, H(36), false},
           {"INTERMEDIATE", false, true, V(4), false},    {"EXPERT", false, true, V(4), false},
           {"INTERMEDIATE", false, false, H(36), false},  {"EXPERT", false, false, H(2), true},
           // Any other level word plays as Novice, never leaving the turn without a line.
           {"expert", false, true, H(36), false},         {"HARD", false, true, H(36), false}}) {
    SCOPED_TRACE(::testing::Message() << level << (safe ? ", safe" : "") << (pair ? ", pair" : ""));
    Rig rig{true};
    // Box 1 has two sides, so every scripted failing attempt (box 1) fails.
    Position(rig.game, pair ? std::vector{H(1), V(1), H(3), H(4)} : std::vector{H(1), V(1)});
    QueueFailingAttempts(rig.random, safe ? 0 : 22);
    Queue(rig.random, {0.5f, safe ? 0.0f : 0.75f});  // box 32's north, or horizontal 36

    Turn(rig, level);

    EXPECT_EQ(MovesPlayed(rig.game), std::vector{line});
    EXPECT_EQ(rig.computer.state.RndLine, safe ? 32 : -1);
    EXPECT_EQ(rig.computer.state.Candidates.size() != 3, searched);
    EXPECT_EQ(rig.random.Drawn(), line == H(36) ? 46u : (safe ? 2u : 44u));
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

  // Box 44 captured with its sound, then horizontal 36: box 36 is given away.
  EXPECT_EQ((std::tuple{rig.game.Player2Score, rig.ui.sounds, MovesPlayed(rig.game),
                        rig.game.AllBoxes[36].Status}),
            (std::tuple{1, 1, std::vector{H(36)}, 3}));
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
  game.vline_Click(2);  // scores box 1: the last press below leaves -2
  computer.Command1_Click(game);
  EXPECT_EQ(game.readouts.Label4, "H - 2") << "box 2's north gives nothing away";
  computer.Command1_Click(game);
  EXPECT_EQ(game.readouts.Label4, "H - 2") << "the board has not changed";
  EXPECT_EQ(game.Player1Score, -2);

  AllTakenExcept(game, {});
  game.readouts.Label4 = "H - 3";
  computer.Command1_Click(game);
  // No free line: nothing to advise or charge.
  EXPECT_EQ((std::tuple{game.Player1Score, game.readouts.Label4}), (std::tuple{-2, "H - 3"}));
}

// The computer's capture of three-sided boxes at the start of its turn: pass
// after pass on the stored Status of the pass's own refresh, outside the
// claim path, with the capture sound at most once per turn.
struct CaptureTest : ComputerToMove {
  // Each pass refreshes the boxes once, and nothing else in the capture
  // moves the counter, so its rise is the number of passes.
  long Capture() {
    const long before = LeadingNumber(game.readouts.updatecount);
    TakeClosableBoxes(game);
    return LeadingNumber(game.readouts.updatecount) - before;
  }
};

TEST_F(CaptureTest, AChainIsEatenOneBoxPerPassWithOneSound) {
  // With no three-sided box one pass finds nothing, silently.
  EXPECT_EQ((std::tuple{Capture(), rig.ui.sounds}), (std::tuple{1, 0}));
  TopRowChain(game);  // boxes 2..8 have two sides: none is taken before its turn
  EXPECT_EQ(Capture(), 9) << "one box per pass, then one pass that finds nothing";
  // One sound; captured lines are neither recorded as moves nor flashed.
  EXPECT_EQ((std::tuple{game.Player2Score, game.readouts.plyr2score, rig.ui.sounds, game.GameMoves.Count(),
                        rig.ui.flashes.size()}),
            (std::tuple{8, "8", 1, 0, 0u}));
  EXPECT_EQ(BoardProblem(game, 0), "") << "every box drawn round is filled, the computer's";
  for (int n = 2; n <= 9; ++n) EXPECT_EQ(game.lines.vline[n].BackColor, kComputerLine) << n;
}

// A box finished by two captures of one pass: see the full board in the turn.
TEST_F(CaptureTest, BoxesSharingAnOpenSideGoInOnePassToTheComputerWhoeverMoves) {
  // Boxes 1 and 2 are both open on vertical 2; box 64 is apart.
  Position(game, {H(1), H(9), V(1), H(2), H(10), V(3), H(64), H(72), V(72)});
  game.CurrentPlayer = 1;
  game.SoundPlayed = true;  // it has already played in this turn

  EXPECT_EQ(Capture(), 2);

  EXPECT_EQ((std::tuple{game.Player1Score, game.Player2Score}), (std::tuple{0, 3}));
  EXPECT_EQ(BoardProblem(game, 0), "") << "every box drawn round is filled, the computer's";
  EXPECT_EQ(game.lines.vline[2].BackColor, kHumanLine) << "marking paints in the mover's colour";
  EXPECT_EQ(rig.ui.sounds, 0);
}

// The pairing move: the first box (in number order) with one side whose
// first neighbour with one side (north, south, west, east) lies across a
// line still showing the free colour gets that line.

TEST(PairSide, ReadsOnlyTheNeighbourCountsInTheOrderNorthSouthWestEast) {
  box b;
  b.North = b.South = b.East = b.West = true;  // its own sides do not matter
  // The neighbours' counts north, south, west, east, and the side chosen.
  for (auto [n, s, w, e, side] : {std::tuple{1, 1, 1, 1, "North"}, {2, 1, 1, 1, "South"},
                                  {2, 0, 1, 1, "West"}, {2, 0, 3, 1, "East"}, {2, 0, 3, 2, ""}}) {
    b.NorthStatus = n, b.southstatus = s, b.WestStatus = w, b.EastStatus = e;
    EXPECT_EQ(PairSide(b), side) << n << s << w << e;
  }
}

TEST_F(ComputerToMove, OnlyTheFirstPairSideOfEachBoxIsTriedAndOnlyAcrossAFreeLine) {
  // Boxes 1 and 2 have their north sides, but the line between them is under
  // the pointer highlight. Boxes 26 and 27 share a free line too, but box
  // 26's first neighbour with one side is box 18 across its drawn north side,
  // and box 27's is box 35 across its drawn south side. Boxes 57 and 58 have
  // their south sides. The neighbour copies are stale (all 0 from the board's
  // construction): the pairing move must take its own.
  Position(game, {H(1), H(2), H(26), H(35), H(65), H(66)});
  game.lines.vline[2].BackColor = game.lines.vline[2].ForeColor = kHighlight;

  EXPECT_TRUE(PairMove(game));

  EXPECT_EQ(MovesPlayed(game), std::vector{V(65)});
}


TEST(RandomMapping, NumbersPickBoxOrLineAndOrientationInSinglePrecisionHalvesToEven) {
  const float kAlmostOne = std::nextafter(1.0f, 0.0f);  // the largest number drawn
  // Each row pins a number and an orientation at once; r1 = 0 giving box 1
  // is pinned by the failing attempts below and in the turn's test. The
  // columns: the safe attempt (else any free line), the two numbers, the line.
  for (auto [safe, r1, r2, line] : {
           std::tuple{true, 0.5f, 0.75f, H(32)},  // 32.5 -> box 32; 2 x 0.75 = 1.5 -> 2, Mod 2 = 0
           {true, 0.5f, 0.2500001f, V(35)},       // vertical: box 32's west side
           {true, kAlmostOne, 0.5f, V(71)},       // box 64
           // r1 x 63 + 1 is exactly 4.5 in single precision (box 4); in double
           // it would be just above, box 5.
           {true, 0x1.c71c72p-5f, 0.25f, H(4)},
           {true, 0x1.04104p-7f, 0.7499999f, V(2)},  // 1.5 (box 2); just below in double
           {false, kAlmostOne, 0.25f, H(72)},
           {false, 0x1.039b0ap-4f, 0.5f, V(6)}}) {  // 6.5 (line 6); below in double
    SCOPED_TRACE(::testing::Message() << "r1 = " << r1 << ", r2 = " << r2);
    Rig rig{true};
    rig.game.CurrentPlayer = 2;
    Queue(rig.random, {r1, r2});
    safe ? rig.computer.SafeRandomMove(rig.game, 0) : rig.computer.RandomLine(rig.game);
    EXPECT_EQ(rig.random.Drawn(), 2u);
    EXPECT_EQ(MovesPlayed(rig.game), std::vector{line});
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
  // The call that stops draws its two numbers too; no line is played.
  EXPECT_EQ((std::tuple{rig.random.Drawn(), rig.computer.state.RndLine, rig.game.GameMoves.Count()}),
            (std::tuple{6u, -1, 0}));
}

// A neighbour with two sides sending a horizontal line south is part of the
// turn's own test, which also pins when the neighbour copies are taken.
TEST_F(ComputerToMove, TheSafeAttemptPassesOverHighlightedLinesAndNeighboursWithTwoSides) {
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

  EXPECT_EQ(MovesPlayed(game), std::vector{V(32)});
}

TEST_F(ComputerToMove, RandomLineOnAFullBoardReturnsWithoutDrawing) {
  // Nothing to draw: it must return, not spin. Drawing until a free line
  // comes up is played in every game of the whole-game test.
  AllTakenExcept(game, {});
  computer.RandomLine(game);
  EXPECT_EQ(rig.random.Drawn(), 0u);
}

// The search exactly as the game describes it, written out longhand.
struct ReferenceSearch {
  boxcoll& boxes;
  const LineStore& lines;
  std::vector<ScoredChoice> candidates{ScoredChoice{}};

  // Draws a side of box i and stores its count; nothing when there is no box.
  void Set(int i, bool box::*side) {
    if (i < 1) return;
    box& b = boxes.Item(i);
    b.*side = true;
    b.Status = b.StatusCalc();
  }
  // One capture pass, then the next while a pass finds a three-sided box.
  std::int16_t Count(std::int16_t count) {
    const std::int16_t before = count;
    for (int i = 1; i <= 64; ++i) {
      box& b = boxes.Item(i);
      if (b.Status != 3) continue;
      const std::string s = OpenSide(b);
      b.Status = 4;  // its own side is drawn without a recount
      if (s == "North") { b.North = true; Set(b.BoxNorth, &box::South); }
      if (s == "South") { b.South = true; Set(b.BoxSouth, &box::North); }
      if (s == "West") { b.West = true; Set(b.BoxWest, &box::East); }
      if (s == "East") { b.East = true; Set(b.BoxEast, &box::West); }
      ++count;
    }
    return count > before ? Count(count) : count;
  }

  // Draws the side of box i (and the opposite side of neighbour m when that
  // is a box) unless it is drawn, scores the line and rebuilds every box.
  void Try(int i, bool box::*side, int m, bool box::*opposite, Line line) {
    if (boxes.Item(i).*side) return;
    Set(i, side);
    Set(m, opposite);
    candidates.push_back(ScoredChoice{line, Count(0)});
    for (int j = 1; j <= 64; ++j) boxes.Item(j).UpdateMyStatus(lines);
  }

  LineChoice Run() {
    for (int i = 1; i <= 64; ++i) Try(i, &box::North, boxes.Item(i).BoxNorth, &box::South, H(i));
    for (int i = 57; i <= 64; ++i) Try(i, &box::South, 0, nullptr, H(i + 8));
    for (int i = 1; i <= 64; ++i) Try(i, &box::West, boxes.Item(i).BoxWest, &box::East, V(i + (i - 1) / 8));
    for (int i = 8; i <= 64; i += 8) Try(i, &box::East, 0, nullptr, V(i + (i - 1) / 8 + 1));
    // The first of the cheapest; the blank entry 0 when nothing was free.
    const auto cheaper = [](const ScoredChoice& a, const ScoredChoice& b) { return a.Cost < b.Cost; };
    const auto k = std::min_element(candidates.begin() + 1, candidates.end(), cheaper);
    return k == candidates.end() ? candidates[0].Choice : k->Choice;
  }
};

// A random position: some lines taken and the boxes refreshed; then, on
// half the positions, a few more lines taken with only their sides set, as
// the claim path leaves them before the next refresh, and on a quarter some
// flags and counts scrambled.
void RandomPosition(Game& game, std::mt19937& rng) {
  const auto takeSome = [&](unsigned most) {  // repeats allowed
    for (int k = static_cast<int>(rng() % most); k > 0; --k) {
      const int n = static_cast<int>(rng() % 72) + 1;
      TakeLine(game, rng() % 2 != 0 ? H(n) : V(n));
    }
  };
  game.lines = LineStore{};
  BuildBoxes(game.AllBoxes);
  takeSome(145);
  game.RefreshBoxes();
  if (rng() % 2 == 0) return;
  takeSome(4);
  for (int b = 1; b <= kBoxes; ++b) {  // the sides follow the lines, the counts do not
    box& x = game.AllBoxes.Item(b);
    const std::int16_t count = x.Status;
    x.UpdateMyStatus(game.lines);
    x.Status = count;
  }
  if (rng() % 2 == 0) return;
  for (int k = 0; k < 6; ++k) {
    box& b = game.AllBoxes.Item(static_cast<int>(rng() % 64) + 1);
    b.Status = static_cast<std::int16_t>(rng() % 5);
    b.South = !b.South;
  }
}

TEST(BestMoveReference, SameChoiceScoresAndBoxesOnRandomPositions) {
  std::mt19937 rng(20261206);
  Rig rig{true};
  Game& game = rig.game;
  const ComputerState& state = rig.computer.state;
  for (int round = 0; round < 3000; ++round) {
    SCOPED_TRACE(::testing::Message() << "round " << round);
    RandomPosition(game, rng);
    if (round == 0) AllTakenExcept(game, {});  // once a full board: nothing to choose

    boxcoll after = game.AllBoxes;
    ReferenceSearch reference{after, game.lines};
    const LineChoice expected = reference.Run();

    ASSERT_EQ(rig.computer.BestMove(game), expected);
    ASSERT_EQ(state.Candidates.size(), reference.candidates.size());
    for (std::size_t j = 0; j < state.Candidates.size(); ++j) {
      ASSERT_EQ(state.Candidates[j].Choice, reference.candidates[j].Choice) << "entry " << j;
      ASSERT_EQ(state.Candidates[j].Cost, reference.candidates[j].Cost) << "entry " << j;
    }
    ASSERT_TRUE(game.AllBoxes == after) << "boxes differ after the search";
  }
}

// A loop of boxes 1, 2, 9, 10: each of its four inner lines counts three
// boxes (the last box of the loop fills up by a neighbour's capture and is
// not counted), so all four tie and a horizontal line beats a lower-numbered
// vertical. Along the top-row chain box 1, closed by the line itself, and box
// 8, filled by the recount of box 7's capture, are not counted.
TEST(BestMoveReference, CostsOnPositionsWorkedOutByHand) {
  using Costs = std::map<Line, int>;
  for (const auto& [loop, best, costs] :
       {std::tuple{true, H(9), Costs{{H(9), 3}, {H(10), 3}, {V(2), 3}, {V(11), 3}}},
        {false, V(2), Costs{{H(17), 8}, {V(2), 7}, {V(9), 7}}}}) {
    Rig rig{true};
    loop ? AllTakenExcept(rig.game, {H(9), H(10), V(2), V(11)}) : TopRowChain(rig.game);
    EXPECT_EQ(rig.computer.BestMove(rig.game), best);
    Costs found;
    for (const ScoredChoice& c : rig.computer.state.Candidates)
      if (c.Choice && costs.count(*c.Choice) != 0) found[*c.Choice] = c.Cost;
    EXPECT_EQ(found, costs);
  }
}

struct WholeGameTest : ::testing::TestWithParam<int> {};

TEST_P(WholeGameTest, EveryGameEndsWholeAndFair) {
  const int level = GetParam();
  Rig rig;
  Game& game = rig.game;
  game.mnuDiff_Click(static_cast<std::int16_t>(level));
  rig.random.Seed(1000u + static_cast<std::uint32_t>(level));
  std::mt19937 human(2000u + static_cast<std::uint32_t>(level));
  std::vector<Line> free;
  for (int g = 0; g < 1000 && !HasFailure(); ++g) {
    SCOPED_TRACE(::testing::Message() << "game " << g);
    if (g > 0) game.mnunew_Click();  // the board is full: no question asked
    ASSERT_EQ(game.DifficultyLevel, kLevelWords[level]);
    ASSERT_EQ(game.CountLines(), 0);
    const std::size_t messages = rig.ui.messages.size();
    for (;;) {
      free.clear();
      for (int n = 1; n <= kLinesPerOrientation; ++n) {
        if (game.lines.hline[static_cast<std::size_t>(n)].Enabled) free.push_back(H(n));
        if (game.lines.vline[static_cast<std::size_t>(n)].Enabled) free.push_back(V(n));
      }
      if (free.empty() || rig.ui.messages.size() != messages) break;
      ASSERT_EQ(game.CurrentPlayer, 1) << "with " << free.size() << " lines free";
      const Line pick = free[std::uniform_int_distribution<std::size_t>(0, free.size() - 1)(human)];
      Claim(game, pick);
    }
    EXPECT_EQ(free.size(), 0u) << "the game ends exactly when the board is full";
    EXPECT_TRUE(rig.ui.messages.size() == messages + 1 && rig.ui.messages.back().first == "Game Over");

    EXPECT_EQ(BoardProblem(game, 0), "");
  }
  EXPECT_TRUE(rig.ui.questions.empty());
}

INSTANTIATE_TEST_SUITE_P(Levels, WholeGameTest, ::testing::Values(0, 1, 2),
                         [](const auto& info) { return std::string(kLevelWords[info.param]); });

}  // namespace
}  // namespace pellumo
