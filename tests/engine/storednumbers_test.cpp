#include "engine/storednumbers.h"

#include <gtest/gtest.h>

namespace pellumo {
namespace {

TEST(StoredNumbers, LeadingNumberOfATextRoundedHalfToEven) {
  EXPECT_EQ(LeadingValue("12abc"), 12.0);
  EXPECT_EQ(LeadingValue("  -7.5e1x"), -75.0);
  EXPECT_EQ(LeadingValue("*"), 0.0);
  EXPECT_EQ(LeadingValue("."), 0.0);
  EXPECT_EQ(LeadingValue("3e"), 3.0);
  EXPECT_EQ(LeadingValue("1e999"), 0.0) << "an overflowing number is no number";
  EXPECT_EQ(WholeNumber("16.5 pts"), 16);
  EXPECT_EQ(WholeNumber("17.5"), 18);
  EXPECT_EQ(WholeNumber("99999"), 32767);
  EXPECT_EQ(WholeNumber("-99999"), -32768);
  EXPECT_EQ(LeadingNumber("41 and more"), 41);
  EXPECT_EQ(LeadingNumber("Text2"), 0);
}

}  // namespace
}  // namespace pellumo
