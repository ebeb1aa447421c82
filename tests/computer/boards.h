#pragma once
// Building board positions for the computer player's tests: lines are taken
// straight in the line store (as a game would have left them), the boxes are
// refreshed from it, and boxes that already have four sides are shown filled,
// so that only the position under test is open.
#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <vector>

#include "computer/computer.h"
#include "support/fakeui.h"

namespace pellumo::testing {

// Marks one line taken in the human's colour, without touching the boxes.
inline void TakeLine(Game& game, Line line) {
  LineControl* control = game.lines.Control(line);
  control->Enabled = false;
  control->BackColor = control->ForeColor = kHumanLine;
}

// Takes the lines, then fresh flags and Status from the lines and every
// four-sided box shown as closed by the human, as the claim path would have
// left it.
inline void Position(Game& game, const std::vector<Line>& taken) {
  for (const Line line : taken) TakeLine(game, line);
  game.RefreshBoxes();
  for (int b = 1; b <= kBoxes; ++b) {
    if (game.AllBoxes[b].Status != 4) continue;
    BoxFill& fill = game.gridbx1[static_cast<std::size_t>(b)];
    fill.Enabled = false;
    fill.BackColor = kHumanBox;
  }
}

inline void AllTakenExcept(Game& game, const std::set<Line>& keep) {
  for (int n = 1; n <= kLinesPerOrientation; ++n)
    for (const Line line : {H(n), V(n)})
      if (keep.count(line) == 0) TakeLine(game, line);
  Position(game, {});
}

// The top row with every north and south side and the west edge drawn: box
// 1 has three sides and opens into a chain of seven open at the east edge.
inline void TopRowChain(Game& game) {
  for (int b = 1; b <= 8; ++b) {
    TakeLine(game, H(b));
    TakeLine(game, H(b + 8));
  }
  Position(game, {V(1)});
}

// The recorded moves in order; line 0 for a move that names no line.
inline std::vector<Line> MovesPlayed(const Game& game) {
  std::vector<Line> played;
  for (std::int32_t i = 1; i <= game.GameMoves.Count(); ++i) {
    const Moves& m = game.GameMoves.Item(i);
    played.push_back(LineNamed(m.Compass, m.LineNum).value_or(Line{}));
  }
  return played;
}

inline void Queue(ScriptedRandom& random, std::initializer_list<float> numbers) {
  for (float r : numbers) random.Queue(r);
}

// Queues safe-random attempts that all fail by drawing box 1 (which the test
// has given two or more sides): two numbers per attempt.
inline void QueueFailingAttempts(ScriptedRandom& random, int attempts) {
  for (int i = 0; i < 2 * attempts; ++i) random.Queue(0.0f);
}

struct ComputerTest : ::testing::Test {
  Rig rig{true};
  Game& game = rig.game;
  ComputerPlayer& computer = rig.computer;
};

struct ComputerToMove : ComputerTest {
  ComputerToMove() { game.CurrentPlayer = 2; }
};

}  // namespace pellumo::testing
