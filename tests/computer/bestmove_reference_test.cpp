// The best-move search rebuilds only the boxes a simulation touched. This
// keeps the plain search (rebuild all 64 boxes after every line) as the
// reference and checks that both choose the same line, score every line the
// same, and leave the boxes the same, on many random positions: fresh ones,
// ones where the last claims set sides without a refresh (as a claim that
// closes a box does), and ones whose flags and counts are out of step.
#include <algorithm>
#include <random>

#include "computer/boards.h"

namespace pellumo {
namespace {

using namespace testing;

// The search exactly as the game describes it, written out longhand.
struct ReferenceSearch {
  boxcoll& boxes;
  const LineStore& lines;
  std::vector<ScoredChoice> candidates{ScoredChoice{}};

  void Set(int i, bool box::*side) {
    box& b = boxes.Item(i);
    b.*side = true;
    b.Status = b.StatusCalc();
  }
  void Close(box& b, bool box::*side, int m, bool box::*opposite) {
    b.*side = true;
    if (m > 0) Set(m, opposite);
  }

  // One capture pass, then the next while a pass finds a three-sided box.
  std::int16_t Count(std::int16_t count) {
    bool found = false;
    for (int i = 1; i <= 64; ++i) {
      box& b = boxes.Item(i);
      if (b.Status != 3) continue;
      const std::string s = OpenSide(b);
      b.Status = 4;
      if (s == "North") Close(b, &box::North, b.BoxNorth, &box::South);
      if (s == "South") Close(b, &box::South, b.BoxSouth, &box::North);
      if (s == "West") Close(b, &box::West, b.BoxWest, &box::East);
      if (s == "East") Close(b, &box::East, b.BoxEast, &box::West);
      ++count;
      found = true;
    }
    return found ? Count(count) : count;
  }

  // Draws the side of box i (and the opposite side of neighbour m when that
  // is a box) unless it is drawn, scores the line and rebuilds every box.
  void Try(int i, bool box::*side, int m, bool box::*opposite, Line line) {
    if (boxes.Item(i).*side) return;
    Set(i, side);
    if (m >= 1) Set(m, opposite);
    candidates.push_back(ScoredChoice{line, Count(0)});
    for (int j = 1; j <= 64; ++j) boxes.Item(j).UpdateMyStatus(lines);
  }

  LineChoice Run() {
    for (int i = 1; i <= 64; ++i) Try(i, &box::North, boxes.Item(i).BoxNorth, &box::South, H(i));
    for (int i = 57; i <= 64; ++i) Try(i, &box::South, 0, nullptr, H(i + 8));
    for (int i = 1; i <= 64; ++i) {
      Try(i, &box::West, boxes.Item(i).BoxWest, &box::East, V(i + (i - 1) / 8));
    }
    for (int i = 8; i <= 64; i += 8) Try(i, &box::East, 0, nullptr, V(i + (i - 1) / 8 + 1));
    // The first of the cheapest; the blank entry 0 when nothing was free.
    const auto cheaper = [](const ScoredChoice& a, const ScoredChoice& b) { return a.Cost < b.Cost; };
    const auto k = std::min_element(candidates.begin() + 1, candidates.end(), cheaper);
    return k == candidates.end() ? candidates[0].Choice : k->Choice;
  }
};

// A random position: some lines taken and the boxes refreshed; then, on
// half the positions, a few more lines taken with only their sides set, as
// the claim path leaves them before the next refresh, and on a quarter some
// flags and counts scrambled.
void RandomPosition(Game& game, std::mt19937& rng) {
  const auto takeSome = [&](unsigned most) {  // repeats allowed
    for (int k = static_cast<int>(rng() % most); k > 0; --k) {
      const int n = static_cast<int>(rng() % 72) + 1;
      TakeLine(game, rng() % 2 != 0 ? H(n) : V(n));
    }
  };
  game.lines = LineStore{};
  BuildBoxes(game.AllBoxes);
  takeSome(145);
  game.RefreshBoxes();
  if (rng() % 2 == 0) return;
  takeSome(4);
  for (int b = 1; b <= kBoxes; ++b) {  // the sides follow the lines, the counts do not
    box& x = game.AllBoxes.Item(b);
    const std::int16_t count = x.Status;
    x.UpdateMyStatus(game.lines);
    x.Status = count;
  }
  if (rng() % 2 == 0) return;
  for (int k = 0; k < 6; ++k) {
    box& b = game.AllBoxes.Item(static_cast<int>(rng() % 64) + 1);
    b.Status = static_cast<std::int16_t>(rng() % 5);
    b.South = !b.South;
  }
}

TEST(BestMoveReference, SameChoiceScoresAndBoxesOnRandomPositions) {
  std::mt19937 rng(20261206);
  Rig rig{true};
  Game& game = rig.game;
  const ComputerState& state = rig.computer.state;
  for (int round = 0; round < 3000; ++round) {
    SCOPED_TRACE(::testing::Message() << "round " << round);
    RandomPosition(game, rng);
    if (round == 0) AllTakenExcept(game, {});  // once a full board: nothing to choose

    boxcoll after = game.AllBoxes;
    ReferenceSearch reference{after, game.lines};
    const LineChoice expected = reference.Run();

    ASSERT_EQ(rig.computer.BestMove(game), expected);
    ASSERT_EQ(state.Candidates.size(), reference.candidates.size());
    for (std::size_t j = 0; j < state.Candidates.size(); ++j) {
      ASSERT_EQ(state.Candidates[j].Choice, reference.candidates[j].Choice) << "entry " << j;
      ASSERT_EQ(state.Candidates[j].Cost, reference.candidates[j].Cost) << "entry " << j;
    }
    ASSERT_TRUE(game.AllBoxes == after) << "boxes differ after the search";
  }
}

}  // namespace
}  // namespace pellumo
