#include "board/boxcoll.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace pellumo {
namespace {

struct Expected {
  int j, north, south, west, east, boxNorth, boxSouth, boxWest, boxEast;
};

TEST(Board, BuildsSixtyFourLinkedBoxes) {
  boxcoll all;
  BuildBoxes(all);
  ASSERT_EQ(all.Count(), 64);
  for (int j = 1; j <= 64; ++j) {
    const box& b = all.Item(j);
    EXPECT_EQ(b.Status, 0);
    EXPECT_FALSE(b.North || b.South || b.East || b.West);
  }
  for (const Expected& e : {Expected{1, 1, 9, 1, 2, -1, 9, -1, 2},
                            Expected{10, 10, 18, 11, 12, 2, 18, 9, 11},
                            Expected{64, 64, 72, 71, 72, 56, -1, 63, -1},
                            Expected{8, 8, 16, 8, 9, -1, 16, 7, -1},
                            Expected{57, 57, 65, 64, 65, 49, -1, -1, 58}}) {
    const box& b = all.Item(e.j);
    SCOPED_TRACE(e.j);
    EXPECT_EQ(b.LineNorth, e.north);
    EXPECT_EQ(b.LineSouth, e.south);
    EXPECT_EQ(b.LineWest, e.west);
    EXPECT_EQ(b.LineEast, e.east);
    EXPECT_EQ(b.BoxNorth, e.boxNorth);
    EXPECT_EQ(b.BoxSouth, e.boxSouth);
    EXPECT_EQ(b.BoxWest, e.boxWest);
    EXPECT_EQ(b.BoxEast, e.boxEast);
  }
  // Building again starts from scratch.
  all.Item(3).North = true;
  BuildBoxes(all);
  EXPECT_EQ(all.Count(), 64);
  EXPECT_FALSE(all.Item(3).North);
}

TEST(Board, EveryLineBordersTheBoxesItShould) {
  boxcoll all;
  BuildBoxes(all);
  int asNorth[73] = {}, asSouth[73] = {}, asWest[73] = {}, asEast[73] = {};
  for (int j = 1; j <= 64; ++j) {
    ++asNorth[all.Item(j).LineNorth];
    ++asSouth[all.Item(j).LineSouth];
    ++asWest[all.Item(j).LineWest];
    ++asEast[all.Item(j).LineEast];
  }
  for (int k = 1; k <= 72; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(asNorth[k], k <= 64 ? 1 : 0);
    EXPECT_EQ(asSouth[k], k >= 9 ? 1 : 0);
    const int p = (k - 1) % 9;
    EXPECT_EQ(asWest[k], p <= 7 ? 1 : 0);
    EXPECT_EQ(asEast[k], p >= 1 ? 1 : 0);
  }
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

  for (std::int16_t j = 1; j <= 64; ++j) {
    SCOPED_TRACE(j);
    EXPECT_EQ(BoxLineLookup(BoxLineLookup(j, "North"), "horz"), j);
    EXPECT_EQ(BoxLineLookup(BoxLineLookup(j, "West"), "vert"), j);
    EXPECT_EQ(BoxLineLookup(BoxLineLookup(j, "South"), "horz"), j + 8);
    EXPECT_EQ(BoxLineLookup(BoxLineLookup(j, "East"), "vert"), j + 1);
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
  EXPECT_EQ(all.Item(1).NorthStatus, 7);
  EXPECT_EQ(all.Item(1).WestStatus, 7);
  EXPECT_EQ(all.Item(1).EastStatus, 2);
  EXPECT_EQ(all.Item(1).southstatus, 9 % 5);
  EXPECT_EQ(all.Item(10).NorthStatus, 2);
  EXPECT_EQ(all.Item(10).WestStatus, 4);
  EXPECT_EQ(all.Item(10).EastStatus, 1);
  EXPECT_EQ(all.Item(10).southstatus, 3);
  EXPECT_EQ(all.Item(64).southstatus, 0);
  EXPECT_EQ(all.Item(64).EastStatus, 0);
}

TEST(Board, PositionsOutsideTheCollectionAreErrors) {
  boxcoll all;
  BuildBoxes(all);
  EXPECT_THROW(all.Item(0), std::out_of_range);
  EXPECT_THROW(all.Item(65), std::out_of_range);
  EXPECT_THROW(all.Delete(65), std::out_of_range);
  all.Delete(64);
  EXPECT_EQ(all.Count(), 63);
}

}  // namespace
}  // namespace pellumo
