// The best-move search rebuilds only the boxes a simulation touched. This
// keeps the plain search (rebuild all 64 boxes after every line) as the
// reference and checks that both choose the same line, score every line the
// same, and leave the boxes the same, on many random positions: fresh ones,
// and ones where the last claims set sides without a refresh, as a claim
// that closes a box does.
#include <gtest/gtest.h>

#include <random>

#include "computer/computer.h"
#include "support/fakeui.h"

namespace pellumo {
namespace {

// The search exactly as the game describes it, written out longhand.
struct ReferenceSearch {
  boxcoll& boxes;
  const LineStore& lines;
  std::vector<ScoredChoice> candidates{ScoredChoice{}};
  std::int16_t giveaway = 0;

  static void Recount(box& b) { b.Status = b.StatusCalc(); }

  void Count(std::int16_t count) {
    giveaway = count;
    bool found = false;
    for (int i = 1; i <= 64; ++i) {
      box& b = boxes.Item(i);
      if (b.Status != 3) continue;
      const std::string s = OpenSide(b);
      b.Status = 4;
      if (s == "North") {
        b.North = true;
        if (b.BoxNorth > 0) { boxes.Item(b.BoxNorth).South = true; Recount(boxes.Item(b.BoxNorth)); }
      } else if (s == "South") {
        b.South = true;
        if (b.BoxSouth > 0) { boxes.Item(b.BoxSouth).North = true; Recount(boxes.Item(b.BoxSouth)); }
      } else if (s == "West") {
        b.West = true;
        if (b.BoxWest > 0) { boxes.Item(b.BoxWest).East = true; Recount(boxes.Item(b.BoxWest)); }
      } else if (s == "East") {
        b.East = true;
        if (b.BoxEast > 0) { boxes.Item(b.BoxEast).West = true; Recount(boxes.Item(b.BoxEast)); }
      }
      ++count;
      found = true;
    }
    if (found) {
      Count(count);
    } else {
      giveaway = count;
    }
  }

  void Evaluate(const char* Compass, int n) {
    Count(0);
    candidates.push_back(ScoredChoice{LineChoice{Compass, static_cast<std::int16_t>(n)}, giveaway});
    for (int i = 1; i <= 64; ++i) boxes.Item(i).UpdateMyStatus(lines);
  }

  LineChoice Run() {
    for (int i = 1; i <= 64; ++i) {
      box& b = boxes.Item(i);
      if (b.North) continue;
      b.North = true;
      Recount(b);
      if (b.BoxNorth >= 1) { boxes.Item(b.BoxNorth).South = true; Recount(boxes.Item(b.BoxNorth)); }
      Evaluate("horz", i);
    }
    for (int i = 57; i <= 64; ++i) {
      box& b = boxes.Item(i);
      if (b.South) continue;
      b.South = true;
      Recount(b);
      Evaluate("horz", i + 8);
    }
    for (int i = 1; i <= 64; ++i) {
      box& b = boxes.Item(i);
      if (b.West) continue;
      b.West = true;
      Recount(b);
      if (b.BoxWest >= 1) { boxes.Item(b.BoxWest).East = true; Recount(boxes.Item(b.BoxWest)); }
      Evaluate("vert", BoxLineLookup(static_cast<std::int16_t>(i), "West"));
    }
    for (int i = 8; i <= 64; i += 8) {
      box& b = boxes.Item(i);
      if (b.East) continue;
      b.East = true;
      Recount(b);
      Evaluate("vert", BoxLineLookup(static_cast<std::int16_t>(i), "East"));
    }
    int best = 999;
    std::size_t k = 0;
    for (std::size_t j = 1; j < candidates.size(); ++j) {
      if (candidates[j].Cost < best) {
        best = candidates[j].Cost;
        k = j;
      }
    }
    return candidates[k].Choice;
  }
};

// A random position: some lines taken and the boxes refreshed; then, on
// half the positions, a few more lines taken with only their sides set, as
// the claim path leaves them before the next refresh.
void RandomPosition(Game& game, std::mt19937& rng) {
  const int taken = static_cast<int>(rng() % 145);
  for (int k = 0; k < taken; ++k) {
    const int n = static_cast<int>(rng() % 72) + 1;
    LineControl& line = (rng() % 2 != 0) ? game.lines.hline[n] : game.lines.vline[n];
    line.Enabled = false;
    line.BackColor = kHumanLine;
  }
  game.RefreshBoxes();
  if (rng() % 2 == 0) return;
  for (int extra = static_cast<int>(rng() % 4); extra > 0; --extra) {
    const int n = static_cast<int>(rng() % 72) + 1;
    if (rng() % 2 != 0) {
      if (!game.lines.hline[n].Enabled) continue;
      game.lines.hline[n].Enabled = false;
      game.lines.hline[n].BackColor = kHumanLine;
      if (n <= 64) game.AllBoxes.Item(n).North = true;
      if (n >= 9) game.AllBoxes.Item(n - 8).South = true;
    } else {
      if (!game.lines.vline[n].Enabled) continue;
      game.lines.vline[n].Enabled = false;
      game.lines.vline[n].BackColor = kHumanLine;
      const int x = BoxLineLookup(static_cast<std::int16_t>(n), "vert");
      const int p = (n - 1) % 9;
      if (p <= 7) game.AllBoxes.Item(x).West = true;
      if (p >= 1) game.AllBoxes.Item(x - 1).East = true;
    }
  }
}

TEST(BestMoveReference, SameChoiceScoresAndBoxesOnRandomPositions) {
  std::mt19937 rng(20261206);
  testing::Rig rig{true};
  Game& game = rig.game;
  for (int round = 0; round < 3000; ++round) {
    game.lines = LineStore{};
    BuildBoxes(game.AllBoxes);
    RandomPosition(game, rng);

    boxcoll before = game.AllBoxes;
    ReferenceSearch reference{before, game.lines};
    const LineChoice expected = reference.Run();

    const LineChoice chosen = BestMove(game);
    ASSERT_EQ(chosen, expected) << "round " << round;
    ASSERT_EQ(game.CompMove, expected);
    ASSERT_EQ(game.Candidates.size(), reference.candidates.size()) << "round " << round;
    for (std::size_t j = 0; j < game.Candidates.size(); ++j) {
      ASSERT_EQ(game.Candidates[j].Choice, reference.candidates[j].Choice) << "round " << round;
      ASSERT_EQ(game.Candidates[j].Cost, reference.candidates[j].Cost)
          << "round " << round << " entry " << j;
    }
    if (game.Candidates.size() > 1) {
      EXPECT_EQ(game.Candidate, game.Candidates.back().Choice);
      EXPECT_EQ(game.Giveaway, game.Candidates.back().Cost);
    }
    ASSERT_TRUE(game.AllBoxes == before) << "boxes differ after the search, round " << round;
  }
}

}  // namespace
}  // namespace pellumo
