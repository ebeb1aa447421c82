#include "board/box.h"

#include <gtest/gtest.h>

#include "board/linestore.h"

namespace pellumo {
namespace {

box BoxWithLines(int north, int south, int west, int east) {
  box b;
  b.LineNorth = static_cast<std::int16_t>(north);
  b.LineSouth = static_cast<std::int16_t>(south);
  b.LineWest = static_cast<std::int16_t>(west);
  b.LineEast = static_cast<std::int16_t>(east);
  return b;
}

TEST(Box, StatusIsStoredOnlyByUpdateMyStatus) {
  box b = BoxWithLines(1, 9, 1, 2);
  EXPECT_EQ(b.StatusCalc(), 0);
  b.North = true;
  EXPECT_EQ(b.StatusCalc(), 1);
  EXPECT_EQ(b.Status, 0) << "setting a side must not store the count";

  LineStore lines;
  lines.hline[1].Enabled = false;
  b.UpdateMyStatus(lines);
  EXPECT_EQ(b.Status, 1);
}

TEST(Box, UpdateMyStatusReadsEverySideFromTheLines) {
  LineStore lines;
  box b = BoxWithLines(10, 18, 11, 12);
  for (int n : {10, 18}) lines.hline[n].Enabled = false;
  for (int n : {11, 12}) lines.vline[n].Enabled = false;
  b.UpdateMyStatus(lines);
  EXPECT_TRUE(b.North && b.South && b.West && b.East);
  EXPECT_EQ(b.Status, 4);

  // A side set by hand is cleared again when its line is free.
  lines.vline[12].Enabled = true;
  b.UpdateMyStatus(lines);
  EXPECT_FALSE(b.East);
  EXPECT_EQ(b.Status, 3);

  // Horizontal and vertical lines of the same number are different lines.
  box c = BoxWithLines(5, 13, 5, 6);
  LineStore only_vertical;
  only_vertical.vline[5].Enabled = false;
  c.UpdateMyStatus(only_vertical);
  EXPECT_TRUE(c.West);
  EXPECT_FALSE(c.North);
}

TEST(Box, ValuesOutOfRangeAreKeptAndNeverReadOutOfBounds) {
  box b;
  b.Status = 9;
  b.BoxNorth = -5;
  b.LineNorth = 300;
  EXPECT_EQ(b.Status, 9);
  EXPECT_EQ(b.BoxNorth, -5);
  LineStore lines;
  b.UpdateMyStatus(lines);  // line 300 does not exist: not taken
  EXPECT_FALSE(b.North);
  EXPECT_EQ(b.Status, 0);
}

}  // namespace
}  // namespace pellumo
