// First the board model: a box and its sides, the collection of 64 linked
// boxes with its numbering and lookups, the move history, and where the
// board's lines and boxes and the window's parts lie at a given size. Then
// the claim path, played by two scripted players (the computer's turn is
// replaced by a recorder, so each side's lines go through the same clicks);
// then the end of a game (result, statistics, the high-score hook and the
// stored numbers it reads), a new game, quitting and the options kept in the
// menu bar. Last, the text harness: the answers of a normal session are
// pinned by harness/session.txt; here, refusals that change nothing, stored
// levels and seeded games that repeat.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "board/layout.h"
#include "computer/boards.h"
#include "harness/textharness.h"
#include "records/storednumbers.h"

namespace pellumo {
namespace {

using namespace testing;

using Four = std::array<int, 4>;
using Lines = std::vector<Line>;

// Each side comes from its own line: a free line clears a side that was set,
// the other orientation's line of the same number is a different line, and a
// line that does not exist is not taken.
TEST(Box, UpdateReadsEachSideFromItsOwnLineAndStoresTheCount) {
  box b;
  b.LineNorth = 300, b.LineSouth = 18, b.LineWest = 11, b.LineEast = 12;
  b.North = b.East = true;
  LineStore lines;
  lines.hline[18].Enabled = lines.vline[11].Enabled = lines.hline[12].Enabled = false;
  b.UpdateMyStatus(lines);
  EXPECT_EQ((std::tuple{Four{b.North, b.South, b.West, b.East}, b.Status}), (std::tuple{Four{0, 1, 1, 0}, 2}));
}

struct Board : ::testing::Test {
  boxcoll all;
  Board() { BuildBoxes(all); }
};

// The lines each box is linked to are played through in every game of the
// whole-game test, where a wrong one spoils the board or never ends a game.
TEST_F(Board, BuildsSixtyFourFreshLinkedBoxes) {
  all.Add(box{}).North = true;  // building again starts from scratch
  BuildBoxes(all);
  ASSERT_EQ(all.Count(), 64);
  for (int j = 1; j <= 64; ++j) EXPECT_EQ(all.Item(j).Status + all.Item(j).StatusCalc(), 0) << j;
  // Neighbours north, south, west, east; -1 where there is none.
  for (auto [j, boxes] :
       {std::pair{1, Four{-1, 9, -1, 2}}, {10, {2, 18, 9, 11}}, {64, {56, -1, 63, -1}}}) {
    const box& b = all.Item(j);
    EXPECT_EQ((Four{b.BoxNorth, b.BoxSouth, b.BoxWest, b.BoxEast}), boxes) << j;
  }
  for (int j : {0, 65}) EXPECT_THROW(all.Item(j), std::out_of_range) << j;
  EXPECT_THROW(all.Delete(65), std::out_of_range);
  all.Delete(64);
  EXPECT_EQ(all.Count(), 63);
}

// Line to box: the box south of a horizontal line or east of a vertical one,
// so vertical 9 (a right edge) gives 9 and the caller uses box 8, vertical 72
// gives one past the board, and horizontal 70 (a bottom edge) gives 70 for
// box 62. Box to line: the words are exact, case included.
TEST_F(Board, BoxLineLookupAndItsCallersQuirks) {
  for (auto [line, box] : {std::pair{V(9), 9}, {V(10), 9}, {V(72), 65}, {H(70), 70}, {H(1), 1}})
    EXPECT_EQ(BoxLineLookup(line), box) << ::testing::PrintToString(line);
  for (auto [n, word, want] : {std::tuple{65, "North", -1}, {5, "NORTH", 0}, {5, "horizontal", 0}})
    EXPECT_EQ(BoxLineLookup(static_cast<std::int16_t>(n), word), want) << n << " " << word;
}

// Every box, the last one included: a copy left stale lets the safe random
// move hand a box away.
TEST_F(Board, NeighbourCopiesTakeStoredStatusAndSkipMissingSides) {
  for (int j = 1; j <= 64; ++j) {
    box& b = all.Item(j);
    b.Status = static_cast<std::int16_t>(j % 5);
    b.NorthStatus = b.WestStatus = b.EastStatus = b.southstatus = 7;  // no neighbour: stays 7
  }
  all.MyNeighborUpdate();  // flags are all clear: a copy of them would show 0
  const auto copyOf = [&](int neighbour) { return neighbour < 1 ? 7 : all.Item(neighbour).Status; };
  for (int j = 1; j <= 64; ++j) {
    const box& b = all.Item(j);
    EXPECT_EQ((Four{b.NorthStatus, b.WestStatus, b.EastStatus, b.southstatus}),
              (Four{copyOf(b.BoxNorth), copyOf(b.BoxWest), copyOf(b.BoxEast), copyOf(b.BoxSouth)}))
        << "box " << j;
  }
}

// Moves are read back by position throughout every game (see the whole-game
// test); keys are the collection's own.
TEST(MoveHistory, RecordsInOrderByPositionAndKey) {
  AllTheMoves moves;
  moves.Add("horz", 5, 1);
  moves.Add("vert", 12, 2, "last");
  EXPECT_EQ(&moves.Item("last"), &moves.Item(2));
  EXPECT_THROW(moves.Item(3), std::out_of_range);
  EXPECT_THROW(moves.Item("nothing"), std::out_of_range);
  EXPECT_THROW(moves.Add("horz", 1, 1, "last"), std::invalid_argument);
  EXPECT_EQ(moves.Count(), 2) << "a refused key adds nothing";
  moves.Remove("last");
  moves.Add("vert", 1, 2, "last");  // the key is free again
  EXPECT_EQ((std::tuple{moves.Count(), moves.Item("last").LineNum}), (std::tuple{2, 1}));
}

// The board area as the window is usually built: 5964 x 5000 inside, 5060
// high outside. The places between the corners, and box 64 and vertical 72
// beside the lines around them, follow from these and the sizes
// (GridFillsTheInnerArea). Then an inner width where single-precision steps
// and one final rounding of a double-precision sum (4106.28857...) give
// different Lefts for column 8; and an area too small for its lines: 9 x 67
// = 603 > 500 and 9 x 60 = 540 > 400, so the shares would be negative; the
// boxes are empty and the lines lie side by side.
TEST(LayoutBoard, StandardOddAndTooSmallBoards) {
  const BoardGeometry g = LayoutBoard(5060.0f, 5964.0f, 5000.0f);
  // Line widths 67.47 and 60.3 round to 67 and 60; the box's own size follows.
  EXPECT_EQ(g.gridbx1[1], (Rect{67, 60, 670.125f, 557.5f}));
  EXPECT_EQ(g.hline[72], (Rect{5226.875f, 4940, 670.125f, 60}));
  EXPECT_EQ(g.vline[9], (Rect{5897, 60, 67, 557.5f}));
  const BoardGeometry odd = LayoutBoard(5060.0f, 4683.32958984375f, 5000.0f);
  EXPECT_EQ(odd.gridbx1[8].Left, 4106.2880859375f);
  EXPECT_EQ(odd.hline[8].Left, 4106.2880859375f);
  const BoardGeometry small = LayoutBoard(5060.0f, 500.0f, 400.0f);
  EXPECT_EQ(small.vline[9], (Rect{8 * 67, 60, 67, 0}));
  EXPECT_EQ(small.hline[72], (Rect{67 + 7 * 67, 8 * 60, 0, 60}));
  EXPECT_EQ(small.gridbx1[64], (Rect{67 + 7 * 67, 60 + 7 * 60, 0, 0}));
}

TEST(LayoutBoard, HalvesRoundToEven) {
  // 5062.5 x 80 / 6000 is 67.5: up to the even 68. Line widths of 65 and 75
  // (outer heights 4875 and 5625) give 58.5 and 67.5: 58 and 68.
  EXPECT_EQ(LayoutBoard(5062.5f, 6000, 5000).VLineWidth, 68);
  EXPECT_EQ(LayoutBoard(4875.0f, 6000, 5000).HLineHeight, 58);
  EXPECT_EQ(LayoutBoard(5625.0f, 6000, 5000).HLineHeight, 68);
  // 5000.5 - 540 = 4460.5 rounds to 4460 before the division: 557.5. The
  // width's share (5964.5 - 603) / 8 keeps its fraction.
  const BoardGeometry g = LayoutBoard(5060.0f, 5964.5f, 5000.5f);
  EXPECT_EQ((std::tuple{g.BoxHeight, g.BoxWidth}), (std::tuple{557.5, 670.1875f}));
}

// Lines and boxes alternate without gaps or overlaps and end exactly at the
// area's inner edges, from a very small board to a very large one, in whole
// twips and in eighths of one.
TEST(LayoutBoard, GridFillsTheInnerArea) {
  std::vector<std::tuple<float, float, float>> areas;
  for (int eighths = 0; eighths < 8; ++eighths) areas.emplace_back(5060.0f, 5964.0f + eighths / 8.0f, 5000.0f);
  for (int width = 700; width <= 20000; width += 37)
    for (int height = 600; height <= 16000; height += 271) {
      // Areas too small for their nine lines cannot be filled.
      const auto outer = static_cast<float>(height + 60);
      const BoardGeometry g = LayoutBoard(outer, 0, 0);
      if (width >= 9 * g.VLineWidth && height >= 9 * g.HLineHeight) areas.emplace_back(outer, width, height);
    }
  ASSERT_GT(areas.size(), 20000u);
  for (auto [outer, width, height] : areas) {
    SCOPED_TRACE(::testing::Message() << outer << ", " << width << " x " << height);
    const BoardGeometry g = LayoutBoard(outer, width, height);
    for (int b = 1; b <= 64; ++b) {
      const Rect &box = g.gridbx1[b], &north = g.hline[b], &south = g.hline[b + 8];
      const Rect &west = g.vline[b + (b - 1) / 8], &east = g.vline[b + (b - 1) / 8 + 1];
      ASSERT_EQ(west.Left + west.Width, box.Left) << b;
      ASSERT_EQ(box.Left + box.Width, east.Left) << b;
      ASSERT_EQ(north.Top + north.Height, box.Top) << b;
      ASSERT_EQ(box.Top + box.Height, south.Top) << b;
      ASSERT_EQ(north.Left, box.Left) << b;
      ASSERT_EQ(west.Top, box.Top) << b;
    }
    ASSERT_EQ(g.vline[72].Left + g.VLineWidth, width);
    ASSERT_EQ(g.hline[72].Top + g.HLineHeight, height);
  }
}

// The window part of a resize; outer widths include two 60-twip borders.
// The computer's panel keeps 150 twips from the outer right edge; the logo
// sits in the middle of the gap between the panels. At 8120 the panel is at
// 8120 - 150 - 1632 = 6338, the gap 6338 - 1308 - 2580 = 2450. The gap rounds
// half to even; an odd gap gives a half twip. Without a gap (negative, 0, or
// 0.4 rounding to 0) the logo keeps its Left.
TEST(ResizeWindow, PanelKeepsToTheRightAndTheLogoCentresInTheGap) {
  WindowLayout start = kDesignedWindow;
  start.Logo.Left = 1234;
  for (auto [outer, left] : {std::pair{8120.0f, 2533.0f}, {8120.5f, 2533.0f}, {8121.5f, 2534.0f},
                             {8121.0f, 2533.5f}, {4000.0f, 1234.0f}, {5670.0f, 1234.0f},
                             {5670.4f, 1234.0f}, {5670.9f, 1308.5f}}) {
    SCOPED_TRACE(outer);
    const WindowLayout w = ResizeWindow(start, outer - 120, 6360, outer);
    EXPECT_EQ(w.Logo, (Rect{left, 765 - 552 - 50, 2580, 552}));
    EXPECT_EQ(w.PlyrFrame[1], (Rect{outer - 150 - 1632, 216, 1632, 480}));
    EXPECT_EQ(w.PlyrFrame[0], kDesignedWindow.PlyrFrame[0]);
  }
}

TEST(ResizeWindow, TooSmallWindowKeepsTheBoardSizeInThatDirection) {
  WindowLayout start = kDesignedWindow;
  start.picture1.Width = 4000, start.picture1.Height = 3000;
  // 240 is too narrow, 1300 too short: the margins themselves. In the first
  // two cases the other side is the designed one (client 6264 x 6360).
  for (auto [inner, height, board] : {std::tuple{240.0f, 6360.0f, Rect{90, 765, 4000, 5060}},
                                      {6264.0f, 1300.0f, Rect{90, 765, 6024, 3000}},
                                      {100.0f, 200.0f, Rect{90, 765, 4000, 3000}},
                                      {240.5f, 1300.5f, Rect{90, 765, 0.5f, 0.5f}}}) {
    const WindowLayout w = ResizeWindow(start, inner, height, inner + 120);
    EXPECT_EQ(w.picture1, board) << inner;
    EXPECT_EQ(w.myTools, (Rect{108, board.Height + 765 + 75, board.Width, 480})) << inner;
  }
}

struct ClaimTest : ::testing::Test {
  Rig rig{true};
  Game& game = rig.game;
  ProfileMan& profile = rig.profile;
  int computerTurns = 0;
  std::string Stat(const std::string& key) { return profile.ProfileReadString("STATS", key); }
  void SetUp() override { game.ComputerTurnHook = [this](Game&) { ++computerTurns; }; }
};

// The line's colour and owner, the repaint after the flash and the Replay
// item are checked in every game of the whole-game test and in the window's
// tests; here: the read-outs and that the human's lines do not flash.
TEST_F(ClaimTest, ALineClosingNothingPassesTheTurnAndOnlyTheComputersFlashes) {
  const ReadOuts& shown = game.readouts;
  game.readouts.Label4 = "H - 3";
  game.ComputerTurnHook = [&](Game& g) {
    ++computerTurns;
    // The designed text 'Text2' counted as 0 and the load made it 1.
    EXPECT_EQ(g.readouts.updatecount, "3") << "a refresh and a status publication before the turn";
  };
  game.hline_Click(1);
  EXPECT_TRUE(game.CurrentPlayer == 2 && shown.Label2Underline && !shown.Label1Underline);
  EXPECT_EQ((std::tuple{computerTurns, shown.Label4, shown.Text2}), (std::tuple{1, "", "1"}));

  game.vline_Click(12);  // the computer's answer
  EXPECT_EQ(rig.ui.flashes, (std::vector<std::pair<std::string, std::int16_t>>{{"vert", 12}}))
      << "only the computer's lines flash";
  EXPECT_TRUE(game.CurrentPlayer == 1 && shown.Label1Underline && !shown.Label2Underline);
}

TEST_F(ClaimTest, ClosingABoxScoresAndKeepsTheTurnWithoutARefresh) {
  Position(game, {H(1), V(1), V(2)});
  game.AllBoxes.Item(2).Status = 0;  // stale counts must stay stale
  const long before = std::stol(game.readouts.updatecount);
  game.hline_Click(9);
  EXPECT_EQ((std::tuple{game.Player1Score, game.readouts.plyr1score, game.CurrentPlayer, computerTurns}),
            (std::tuple{1, "1", 1, 0}));
  EXPECT_EQ(std::stol(game.readouts.updatecount), before + 1) << "only the status publication";
  // No refresh after a closing claim: box 1 still counts, and shows, 3.
  EXPECT_EQ((std::tuple{game.AllBoxes.Item(1).Status, game.readouts.mystat[1]}), (std::tuple{3, "3"}));
}

// For the computer each closed box starts its next turn at once, so the
// fills seen at each turn show the order: the higher box first.
TEST(TwoBoxClose, TheHigherBoxClosesFirst) {
  for (auto [line, low, high, taken] :
       {std::tuple{V(4), 3, 4, Lines{V(3), H(3), H(11), H(4), H(12), V(5)}},
        {H(9), 1, 9, {H(1), V(1), V(2), H(17), V(10), V(11)}}}) {
    SCOPED_TRACE(::testing::PrintToString(line));
    Rig rig{true};
    Position(rig.game, taken);
    rig.game.CurrentPlayer = 2;
    std::vector<std::set<int>> filledAtEachTurn;
    rig.game.ComputerTurnHook = [&](Game& g) {
      filledAtEachTurn.emplace_back();
      for (int b = 1; b <= 64; ++b)
        if (!g.gridbx1[b].Enabled) filledAtEachTurn.back().insert(b);
    };
    Claim(rig.game, line);
    // One turn from each CloseBox, one more from the click handler.
    const std::set<int> both{low, high};
    EXPECT_EQ(filledAtEachTurn, (std::vector<std::set<int>>{{high}, both, both}));
    EXPECT_EQ(rig.game.Player2Score, 2);
    for (int b : {low, high}) EXPECT_EQ(rig.game.gridbx1[b].BackColor, kComputerBox) << b;
  }
}

// The human's last line ends the game at once, without a computer turn; the
// computer's last line is left to its next turn, which ends the game there.
TEST(LastLine, OnlyTheHumansEndsTheGameInTheClaimPath) {
  for (auto [player, messages, turns] :
       {std::tuple{1, Messages{{"Game Over", "You Won!!!"}}, 0}, {2, Messages{}, 2}}) {
    Rig rig{true};
    int computerTurns = 0;
    rig.game.ComputerTurnHook = [&](Game&) { ++computerTurns; };
    testing::AllTakenExcept(rig.game, {H(72)});  // 63 boxes, the human's
    rig.game.Player1Score = 63;
    rig.game.CurrentPlayer = static_cast<std::int16_t>(player);
    rig.game.hline_Click(72);
    // Every box scored, the end-of-game messages, the computer's turns.
    EXPECT_EQ((std::tuple{rig.game.Player1Score + rig.game.Player2Score, rig.ui.messages, computerTurns}),
              (std::tuple{64, messages, turns})) << player;
  }
}

using GameEndTest = ClaimTest;

// The message of a win, and one message per game, are checked by the high
// score window's tests and the whole-game test.
TEST_F(GameEndTest, ResultsCountAtTheLevelStopAtTheTopAndATieIsALoss) {
  profile.ProfileWriteString("STATS", "NOVICE_PLAY", "32767");
  profile.ProfileWriteString("STATS", "NOVICE_WON", "99999");
  rig.Finish(40, 24);
  // No wrap to a negative count.
  EXPECT_EQ((std::tuple{Stat("NOVICE_PLAY"), Stat("NOVICE_WON")}), (std::tuple{"32767", "32767"}));

  game.mnuDiff_Click(2);
  game.mnuDiff_Click(7);  // no such item: the level and its stored mark stay
  EXPECT_EQ(profile.ProfileReadString("DIFFICULTY", "LEVEL"), "2");
  rig.Finish(33, 31);
  rig.Finish(32, 32);
  EXPECT_EQ(rig.ui.messages.back().second, "You Lose!!!");
  EXPECT_EQ((std::tuple{Stat("EXPERT_WON"), Stat("EXPERT_PLAY")}), (std::tuple{"1", "2"}));
}

TEST_F(GameEndTest, TheHighScoreWindowOpensOnlyAboveTheThreshold) {
  // No threshold stored: any positive score qualifies, won or lost. A stored
  // one counts by its leading number, rounded half to even.
  int windows = 0;
  for (auto [stored, score, qualifies] :
       {std::tuple{"", 0, false}, {"", 1, true}, {"30 boxes", 30, false}, {"30 boxes", 31, true},
        {"30.5", 31, true}, {"31.5", 32, false}}) {
    SCOPED_TRACE(::testing::Message() << stored << " " << score);
    if (*stored) profile.ProfileWriteString("HIGH_SCORES", "FIFTH_SCORE", stored);
    game.NewHighScore = false;
    rig.Finish(score, 64 - score);
    EXPECT_EQ(game.NewHighScore, qualifies);
    EXPECT_EQ(rig.ui.highScoreWindows, windows += qualifies);
  }
}

// Plain leading numbers ("30 boxes", "17.5", "3 wins", "Text2") are pinned
// where the game reads them; these are the edges of the number syntax.
TEST(StoredNumbers, LeadingNumberOfATextRoundedHalfToEven) {
  // An overflowing number is no number.
  for (auto [text, value] : {std::pair{"  -7.5e1x", -75.0}, {".", 0.0}, {"3e", 3.0}, {"1e999", 0.0}})
    EXPECT_EQ(LeadingValue(text), value) << text;
  EXPECT_EQ(WholeNumber("-99999"), -32768);
}

// After a full board a new game starts without asking, at the same level,
// on a fresh board (the whole-game test plays a thousand in a row); a Yes
// starts it (the window's NewGame test), a No keeps the game.
TEST_F(GameEndTest, NewGameAsksWhileLinesRemainAndExitNeitherAsksNorRecords) {
  game.hline_Click(5);
  rig.ui.answerYes = false;
  game.mnunew_Click();
  EXPECT_FALSE(game.lines.hline[5].Enabled);
  game.mnuexit_Click();
  EXPECT_EQ(rig.ui.questions,
            (Messages{{"Quit Current Game?", "Are you sure you want to quit current game?"}}))
      << "exit does not ask";
  // Nothing reloaded, one quit, no game counted.
  EXPECT_EQ((std::tuple{rig.ui.reloads, rig.ui.quits, Stat("NOVICE_PLAY")}), (std::tuple{0, 1, "*"}));
}

TEST(GameLoad, AStoredLevelIsUsedAndABadOneMeansNovice) {
  for (auto [stored, level, written] :
       {std::tuple{"2", "EXPERT", "2"}, {"", "NOVICE", "0"}, {"7", "NOVICE", "0"},
        {"-1", "NOVICE", "0"}, {"1junk", "INTERMEDIATE", "1"}}) {
    Rig rig{true};
    SCOPED_TRACE(stored);
    rig.profile.ProfileWriteString("DIFFICULTY", "LEVEL", stored);
    rig.game.Load();
    EXPECT_EQ((std::tuple{rig.game.DifficultyLevel, rig.profile.ProfileReadString("DIFFICULTY", "LEVEL")}),
              (std::tuple{level, written}));
  }
}

TEST(Replay, FlashesTheLastMoveAndKeepsItsOwnersColour) {
  Rig rig{true};
  rig.game.hline_Click(1);  // the human's move passes the turn
  // Each replay shows the last move: the computer's answer, then the human's next line.
  for (auto [Compass, n, colour] : {std::tuple{"vert", 12, kComputerLine}, {"horz", 30, kHumanLine}}) {
    const Line line = *LineNamed(Compass, static_cast<std::int16_t>(n));
    testing::Claim(rig.game, line);
    rig.game.mnuReplay_Click();
    EXPECT_EQ(rig.ui.flashes.back(), (std::pair<std::string, std::int16_t>{Compass, n}));
    EXPECT_EQ(rig.game.lines.Control(line)->BackColor, colour);
  }
}

struct HarnessTest : ::testing::Test {
  testing::TempFolder folder;
  TextHarness harness{folder.file("pellumo.ini")};
};

// A taken line is refused in the session file. Orientation words are exact,
// as everywhere a line is named in words.
TEST_F(HarnessTest, RefusalsChangeNothing) {
  const std::string before = harness.Execute("state");
  for (const char* bad : {"click vert 0", "click vert 73", "click diag 3", "click HORZ 3",
                          "click horz 3x", "click horz", "level expert", "rand 1.0",
                          "rand -0.1", "rand 0.5 nan", "seed x", "fly", ""}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(harness.Execute(bad).rfind("error ", 0), 0u);
  }
  EXPECT_EQ(harness.Execute("state"), before);
  for (const char* good : {"rand 0.999 0", "click vert 5"}) ASSERT_EQ(harness.Execute(good), "ok\n") << good;
  EXPECT_EQ(harness.Execute("moves"), "Player1,vert,5\nPlayer2,horz,64\nend\n")
      << "a refused rand queues none of its numbers";
}

TEST_F(HarnessTest, LevelsAreStoredAndSeededGamesRepeat) {
  EXPECT_EQ(harness.Execute("level EXPERT"), "ok\n");
  auto play = [&] {
    std::string transcript = harness.Execute("new") + harness.Execute("seed 42");
    for (int i = 0; i < 144; ++i)  // horizontal and vertical line 1, then 2, ...
      transcript += harness.Execute((i % 2 ? "click vert " : "click horz ") + std::to_string(i / 2 + 1));
    return transcript + harness.Execute("state") + harness.Execute("moves");
  };
  const std::string a = play();
  EXPECT_EQ(a, play());
  EXPECT_NE(a.find("message Game Over: You"), std::string::npos);
  EXPECT_NE(a.find("lines 144"), std::string::npos);
  EXPECT_NE(testing::ReadFile(folder.file("pellumo.ini")).find("LEVEL=2"), std::string::npos);
}

}  // namespace
}  // namespace pellumo
