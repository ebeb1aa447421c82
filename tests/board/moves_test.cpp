#include "board/moves.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace pellumo {
namespace {

TEST(MoveHistory, RecordsInOrderByPositionAndKey) {
  AllTheMoves moves;
  EXPECT_EQ(moves.Count(), 0);
  moves.Add("horz", 5, 1);
  moves.Add("vert", 12, 2, "last");
  ASSERT_EQ(moves.Count(), 2);
  EXPECT_EQ(moves.Item(1).Compass, "horz");
  EXPECT_EQ(moves.Item(1).LineNum, 5);
  EXPECT_EQ(moves.Item(1).PlayerNum, 1);
  EXPECT_EQ(&moves.Item("last"), &moves.Item(2));
  EXPECT_EQ(moves.Item("last").LineNum, 12);

  EXPECT_THROW(moves.Item(3), std::out_of_range);
  EXPECT_THROW(moves.Item("nothing"), std::out_of_range);
  EXPECT_THROW(moves.Add("horz", 1, 1, "last"), std::invalid_argument);
  EXPECT_EQ(moves.Count(), 2) << "a refused key adds nothing";

  moves.Remove("last");
  EXPECT_EQ(moves.Count(), 1);
  EXPECT_THROW(moves.Item("last"), std::out_of_range);
  moves.Add("vert", 1, 2, "last");  // the key is free again
  EXPECT_EQ(moves.Item(2).Compass, "vert");
}

}  // namespace
}  // namespace pellumo
