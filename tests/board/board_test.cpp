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

TEST(Box, StatusIsStoredOnlyWhenEverySideIsReadFromTheLines) {
  box b;
  b.LineNorth = 10, b.LineSouth = 18, b.LineWest = 11, b.LineEast = 12;
  b.North = true;
  EXPECT_EQ(b.Status, 0) << "setting a side must not store the count";
  LineStore lines;
  lines.hline[10].Enabled = lines.hline[18].Enabled = false;
  lines.vline[11].Enabled = lines.vline[12].Enabled = false;
  b.UpdateMyStatus(lines);
  EXPECT_TRUE(b.North && b.South && b.West && b.East);
  EXPECT_EQ(b.Status, 4);
  // A free line clears its side; the other orientation's line of the same
  // number is a different line; a line that does not exist is not taken.
  lines.vline[12].Enabled = true;
  lines.hline[12].Enabled = false;
  b.LineNorth = 300;
  b.UpdateMyStatus(lines);
  EXPECT_FALSE(b.East || b.North);
  EXPECT_EQ(b.Status, 2);
}

TEST(Board, BuildsSixtyFourFreshLinkedBoxes) {
  boxcoll all;
  all.Add(box{}).North = true;  // building again starts from scratch
  BuildBoxes(all);
  ASSERT_EQ(all.Count(), 64);
  for (int j = 1; j <= 64; ++j) {
    const box& b = all.Item(j);
    EXPECT_FALSE(b.Status || b.North || b.South || b.East || b.West) << j;
  }
  // Lines north, south, west, east, then the neighbours the same way round.
  for (auto [j, lines, boxes] : {std::tuple{1, Four{1, 9, 1, 2}, Four{-1, 9, -1, 2}},
                                 {10, {10, 18, 11, 12}, {2, 18, 9, 11}},
                                 {64, {64, 72, 71, 72}, {56, -1, 63, -1}}}) {
    const box& b = all.Item(j);
    EXPECT_EQ((Four{b.LineNorth, b.LineSouth, b.LineWest, b.LineEast}), lines) << j;
    EXPECT_EQ((Four{b.BoxNorth, b.BoxSouth, b.BoxWest, b.BoxEast}), boxes) << j;
  }
  EXPECT_THROW(all.Item(0), std::out_of_range);
  EXPECT_THROW(all.Item(65), std::out_of_range);
  EXPECT_THROW(all.Delete(65), std::out_of_range);
  all.Delete(64);
  EXPECT_EQ(all.Count(), 63);
}

TEST(Board, BoxLineLookupAndItsCallersQuirks) {
  // Vertical 9 is a right edge (the caller uses box 8), vertical 72 gives one
  // past the board, horizontal 70 a bottom edge (the caller uses box 62).
  // Words are exact, case included.
  const auto vertical = [](std::int16_t n) { return Line{Orientation::Vertical, n}; };
  const auto horizontal = [](std::int16_t n) { return Line{Orientation::Horizontal, n}; };
  EXPECT_EQ(BoxLineLookup(vertical(9)), 9);
  EXPECT_EQ(BoxLineLookup(vertical(72)), 65);
  EXPECT_EQ(BoxLineLookup(horizontal(70)), 70);
  for (auto [n, word, want] : {std::tuple{65, "North", -1}, {5, "NORTH", 0}, {5, "horizontal", 0}}) {
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
    EXPECT_EQ((Four{BoxLineLookup(horizontal(b.LineNorth)), BoxLineLookup(horizontal(b.LineSouth)) - 8,
                    BoxLineLookup(vertical(b.LineWest)), BoxLineLookup(vertical(b.LineEast)) - 1}),
              (Four{j, j, j, j})) << j;
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
  all.Item(2).North = true;  // flags are not what is copied
  all.MyNeighborUpdate();
  const auto copyOf = [&](int neighbour) { return neighbour < 1 ? 7 : all.Item(neighbour).Status; };
  for (int j = 1; j <= 64; ++j) {
    const box& b = all.Item(j);
    EXPECT_EQ((Four{b.NorthStatus, b.WestStatus, b.EastStatus, b.southstatus}),
              (Four{copyOf(b.BoxNorth), copyOf(b.BoxWest), copyOf(b.BoxEast), copyOf(b.BoxSouth)}))
        << "box " << j;
  }
}

TEST(MoveHistory, RecordsInOrderByPositionAndKey) {
  AllTheMoves moves;
  moves.Add("horz", 5, 1);
  moves.Add("vert", 12, 2, "last");
  ASSERT_EQ(moves.Count(), 2);
  const Moves& first = moves.Item(1);
  EXPECT_EQ((std::tuple{first.Compass, first.LineNum, first.PlayerNum}), (std::tuple{"horz", 5, 1}));
  EXPECT_EQ(&moves.Item("last"), &moves.Item(2));
  EXPECT_THROW(moves.Item(3), std::out_of_range);
  EXPECT_THROW(moves.Item("nothing"), std::out_of_range);
  EXPECT_THROW(moves.Add("horz", 1, 1, "last"), std::invalid_argument);
  EXPECT_EQ(moves.Count(), 2) << "a refused key adds nothing";
  moves.Remove("last");
  EXPECT_EQ(moves.Count(), 1);
  moves.Add("vert", 1, 2, "last");  // the key is free again
  EXPECT_EQ(moves.Item("last").Compass, "vert");
}

}  // namespace
}  // namespace pellumo
