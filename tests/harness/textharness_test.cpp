// The text harness. The answers of a normal session are pinned by
// harness/session.txt; here: refusals that change nothing, stored levels
// and seeded games that repeat.
#include "harness/textharness.h"

#include <gtest/gtest.h>

#include "support/fakeui.h"

namespace pellumo {
namespace {

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
  ASSERT_EQ(harness.Execute("rand 0.999 0"), "ok\n");
  ASSERT_EQ(harness.Execute("click vert 5"), "ok\n");
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
