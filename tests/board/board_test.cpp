// The board model: a box and its sides, the collection of 64 linked boxes
// with its numbering and lookups, and the move history.
#include <gtest/gtest.h>

#include <stdexcept>

#include "board/box.h"
#include "board/boxcoll.h"
#include "board/linestore.h"
#include "board/moves.h"

namespace pellumo {
namespace {

TEST(Box, StatusIsStoredOnlyWhenEverySideIsReadFromTheLines) {
  box b;
  b.LineNorth = 10, b.LineSouth = 18, b.LineWest = 11, b.LineEast = 12;
  b.North = true;
  EXPECT_EQ(b.Status, 0) << "setting a side must not store the count";

  LineStore lines;
  for (int n : {10, 18}) lines.hline[n].Enabled = false;
  for (int n : {11, 12}) lines.vline[n].Enabled = false;
  b.UpdateMyStatus(lines);
  EXPECT_TRUE(b.North && b.South && b.West && b.East);
  EXPECT_EQ(b.Status, 4);

  // A free line clears its side; the other orientation's line of the same
  // number is a different line; a line that does not exist is not taken.
  lines.vline[12].Enabled = true;
  lines.hline[12].Enabled = false;
  b.LineNorth = 300;
  b.UpdateMyStatus(lines);
  EXPECT_FALSE(b.East);
  EXPECT_FALSE(b.North);
  EXPECT_EQ(b.Status, 2);
}

struct Expected {
  int j, north, south, west, east, boxNorth, boxSouth, boxWest, boxEast;
};

TEST(Board, BuildsSixtyFourFreshLinkedBoxes) {
  boxcoll all;
  all.Add(box{}).North = true;  // building again starts from scratch
  BuildBoxes(all);
  ASSERT_EQ(all.Count(), 64);
  for (int j = 1; j <= 64; ++j) {
    const box& b = all.Item(j);
    EXPECT_FALSE(b.Status || b.North || b.South || b.East || b.West) << j;
  }
  for (const Expected& e : {Expected{1, 1, 9, 1, 2, -1, 9, -1, 2},
                            Expected{10, 10, 18, 11, 12, 2, 18, 9, 11},
                            Expected{64, 64, 72, 71, 72, 56, -1, 63, -1}}) {
    const box& b = all.Item(e.j);
    SCOPED_TRACE(e.j);
    EXPECT_EQ((std::array<int, 8>{b.LineNorth, b.LineSouth, b.LineWest, b.LineEast, b.BoxNorth,
                                  b.BoxSouth, b.BoxWest, b.BoxEast}),
              (std::array<int, 8>{e.north, e.south, e.west, e.east, e.boxNorth, e.boxSouth,
                                  e.boxWest, e.boxEast}));
  }
  EXPECT_THROW(all.Item(0), std::out_of_range);
  EXPECT_THROW(all.Item(65), std::out_of_range);
  EXPECT_THROW(all.Delete(65), std::out_of_range);
  all.Delete(64);
  EXPECT_EQ(all.Count(), 63);
}

TEST(Board, BoxLineLookupAndItsCallersQuirks) {
  EXPECT_EQ(BoxLineLookup(9, "vert"), 9);    // right edge: the caller uses box 8
  EXPECT_EQ(BoxLineLookup(10, "vert"), 9);
  EXPECT_EQ(BoxLineLookup(72, "vert"), 65);  // one past the board
  EXPECT_EQ(BoxLineLookup(70, "horz"), 70);  // bottom edge: the caller uses box 62
  EXPECT_EQ(BoxLineLookup(8, "East"), 9);
  EXPECT_EQ(BoxLineLookup(9, "West"), 10);
  EXPECT_EQ(BoxLineLookup(64, "South"), 72);
  EXPECT_EQ(BoxLineLookup(65, "North"), -1);
  EXPECT_EQ(BoxLineLookup(5, "NORTH"), 0);   // words are exact, case included
  EXPECT_EQ(BoxLineLookup(5, "horizontal"), 0);

  // Every box's lines, as linked and as looked up, lead back to the box.
  boxcoll all;
  BuildBoxes(all);
  for (std::int16_t j = 1; j <= 64; ++j) {
    SCOPED_TRACE(j);
    const box& b = all.Item(j);
    EXPECT_EQ(BoxLineLookup(j, "North"), b.LineNorth);
    EXPECT_EQ(BoxLineLookup(j, "South"), b.LineSouth);
    EXPECT_EQ(BoxLineLookup(j, "West"), b.LineWest);
    EXPECT_EQ(BoxLineLookup(j, "East"), b.LineEast);
    EXPECT_EQ(BoxLineLookup(b.LineNorth, "horz"), j);
    EXPECT_EQ(BoxLineLookup(b.LineSouth, "horz"), j + 8);
    EXPECT_EQ(BoxLineLookup(b.LineWest, "vert"), j);
    EXPECT_EQ(BoxLineLookup(b.LineEast, "vert"), j + 1);
  }
}

TEST(Board, NeighbourCopiesTakeStoredStatusAndSkipMissingSides) {
  boxcoll all;
  BuildBoxes(all);
  for (int j = 1; j <= 64; ++j) all.Item(j).Status = static_cast<std::int16_t>(j % 5);
  all.Item(1).NorthStatus = 7;  // no neighbour there: must stay as it is
  all.Item(1).WestStatus = 7;
  all.Item(2).North = true;     // flags are not what is copied
  all.MyNeighborUpdate();
  const box& one = all.Item(1);
  EXPECT_EQ((std::array<int, 4>{one.NorthStatus, one.WestStatus, one.EastStatus, one.southstatus}),
            (std::array<int, 4>{7, 7, 2, 4}));
  const box& ten = all.Item(10);
  EXPECT_EQ((std::array<int, 4>{ten.NorthStatus, ten.WestStatus, ten.EastStatus, ten.southstatus}),
            (std::array<int, 4>{2, 4, 1, 3}));
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
