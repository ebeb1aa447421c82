// The text harness: the protocol answers, refusals that change nothing, and
// scripted random numbers steering the computer's safe random attempt.
#include "harness/textharness.h"

#include <gtest/gtest.h>

#include "support/fakeui.h"

namespace pellumo {
namespace {

std::string Zeros(int n) { return std::string(static_cast<std::size_t>(n), '0'); }

std::string StatusZeros() {
  std::string s = "status";
  for (int i = 0; i < 64; ++i) s += " 0";
  return s;
}

struct HarnessTest : ::testing::Test {
  testing::TempFolder folder;
  TextHarness harness{folder.file("pellumo.ini")};
};

TEST_F(HarnessTest, AScriptedSession) {
  EXPECT_EQ(harness.Execute("state"), "player 1 score 0 0 lines 0\nh " + Zeros(72) + "\nv " +
                                          Zeros(72) + "\nb " + Zeros(64) + "\n" + StatusZeros() +
                                          "\nend\n");
  // 0.999 picks box 64 (nearest of 63.937), 0 the horizontal side: its
  // north line 64 is safe, so the computer draws it.
  EXPECT_EQ(harness.Execute("rand 0.999 0"), "ok\n");
  EXPECT_EQ(harness.Execute("click horz 1"), "ok\n");
  const std::string state = harness.Execute("state");
  EXPECT_EQ(state.substr(0, state.find('\n')), "player 1 score 0 0 lines 2");
  const std::string h = "h 1" + Zeros(62) + "2" + Zeros(8);
  EXPECT_NE(state.find("\n" + h + "\n"), std::string::npos) << state;
  EXPECT_NE(state.find("\nstatus 1 0"), std::string::npos) << state;

  EXPECT_EQ(harness.Execute("moves"), "Player1,horz,1\nPlayer2,horz,64\nend\n");
  EXPECT_EQ(harness.Execute("advice"), "advice H - 2\n");
  EXPECT_EQ(harness.Execute("state").substr(0, 27), "player 1 score -1 0 lines 2");

  EXPECT_EQ(harness.Execute("new"), "ok\n");
  EXPECT_EQ(harness.Execute("moves"), "end\n");
  EXPECT_EQ(harness.Execute("state").substr(0, 26), "player 1 score 0 0 lines 0");
}

TEST_F(HarnessTest, RefusalsChangeNothing) {
  ASSERT_EQ(harness.Execute("rand 0.999 0"), "ok\n");
  ASSERT_EQ(harness.Execute("click vert 5"), "ok\n");
  const std::string before = harness.Execute("state");
  for (const char* bad : {"click vert 5", "click vert 0", "click vert 73", "click diag 3",
                          "click horz 3x", "click horz", "level expert", "rand 1.0",
                          "rand -0.1", "rand 0.5 nan", "seed x", "fly", ""}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(harness.Execute(bad).rfind("error ", 0), 0u);
  }
  EXPECT_EQ(harness.Execute("state"), before);
  EXPECT_EQ(harness.Execute("moves"), "Player1,vert,5\nPlayer2,horz,64\nend\n")
      << "a refused rand queues none of its numbers";
}

TEST_F(HarnessTest, LevelsAreStoredAndSeededGamesRepeat) {
  EXPECT_EQ(harness.Execute("level EXPERT"), "ok\n");
  testing::TempFolder other;
  TextHarness second(other.file("pellumo.ini"));
  auto play = [](TextHarness& h) {
    h.Execute("seed 42");
    std::string transcript;
    for (int n = 1; n <= 72; ++n) {
      for (const char* o : {"horz", "vert"}) {
        transcript += h.Execute(std::string("click ") + o + " " + std::to_string(n));
      }
    }
    return transcript + h.Execute("state") + h.Execute("moves");
  };
  second.Execute("level EXPERT");
  const std::string a = play(harness);
  const std::string b = play(second);
  EXPECT_EQ(a, b);
  EXPECT_NE(a.find("message Game Over: You"), std::string::npos);
  EXPECT_NE(a.find("lines 144"), std::string::npos);
  EXPECT_EQ(testing::ReadFile(folder.file("pellumo.ini")).find("LEVEL=2") != std::string::npos, true);
}

}  // namespace
}  // namespace pellumo
