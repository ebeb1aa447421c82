// The board model: a box and its sides, the collection of 64 linked boxes
// with its numbering and lookups, and the move history.
#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <tuple>

#include "board/box.h"
#include "board/boxcoll.h"
#include "board/linestore.h"
#include "board/moves.h"

namespace pellumo {
namespace {

using Four = std::array<int, 4>;

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
  EXPECT_EQ((Four{b.North, b.South, b.West, b.East}), (Four{0, 1, 1, 0}));
  EXPECT_EQ(b.Status, 2);
}

// The lines each box is linked to are checked against the lookups below.
TEST(Board, BuildsSixtyFourFreshLinkedBoxes) {
  boxcoll all;
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
  EXPECT_THROW(all.Item(0), std::out_of_range);
  EXPECT_THROW(all.Item(65), std::out_of_range);
  EXPECT_THROW(all.Delete(65), std::out_of_range);
  all.Delete(64);
  EXPECT_EQ(all.Count(), 63);
}

// Line to box: the box south of a horizontal line or east of a vertical one,
// so vertical 9 (a right edge) gives 9 and the caller uses box 8, vertical 72
// gives one past the board, and horizontal 70 (a bottom edge) gives 70 for
// box 62. Box to line: the words are exact, case included.
TEST(Board, BoxLineLookupAndItsCallersQuirks) {
  const auto h = [](std::int16_t n) { return BoxLineLookup({Orientation::Horizontal, n}); };
  const auto v = [](std::int16_t n) { return BoxLineLookup({Orientation::Vertical, n}); };
  for (auto [n, word, want] :
       {std::tuple{65, "North", -1}, {5, "NORTH", 0}, {5, "horizontal", 0}}) {
    EXPECT_EQ(BoxLineLookup(static_cast<std::int16_t>(n), word), want) << n << " " << word;
  }
  // Every box's lines, as linked and as looked up, lead back to the box.
  boxcoll all;
  BuildBoxes(all);
  for (std::int16_t j = 1; j <= 64; ++j) {
    const box& b = all.Item(j);
    EXPECT_EQ((Four{BoxLineLookup(j, "North"), BoxLineLookup(j, "South"), BoxLineLookup(j, "West"),
                    BoxLineLookup(j, "East")}),
              (Four{b.LineNorth, b.LineSouth, b.LineWest, b.LineEast})) << j;
    EXPECT_EQ((Four{h(b.LineNorth), h(b.LineSouth), v(b.LineWest), v(b.LineEast)}),
              (Four{j, j + 8, j, j + 1})) << j;
  }
}

// Every box, the last one included: a copy left stale lets the safe random
// move hand a box away.
TEST(Board, NeighbourCopiesTakeStoredStatusAndSkipMissingSides) {
  boxcoll all;
  BuildBoxes(all);
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
  EXPECT_EQ(moves.Count(), 2);
  EXPECT_EQ(moves.Item("last").LineNum, 1);
}

}  // namespace
}  // namespace pellumo
