#pragma once
// Building board positions for the computer player's tests: lines are taken
// straight in the line store (as a game would have left them), the boxes are
// refreshed from it, and boxes that already have four sides are shown filled,
// so that only the position under test is open.
#include <cstdint>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "computer/random.h"
#include "engine/game.h"

namespace pellumo::testing {

using LineRef = std::pair<std::string, int>;  // ("horz" | "vert", 1..72)

inline LineRef H(int n) { return {"horz", n}; }
inline LineRef V(int n) { return {"vert", n}; }

// Marks one line taken in the owner's colour, without touching the boxes.
inline void TakeLine(Game& game, const LineRef& line, int owner = 1) {
  LineControl* control = game.lines.Line(line.first, line.second);
  control->Enabled = false;
  control->BackColor = control->ForeColor = owner == 1 ? kHumanLine : kComputerLine;
}

inline bool IsTaken(const Game& game, const LineRef& line) {
  return !game.lines.Line(line.first, line.second)->Enabled;
}

// The four lines of box b.
inline std::vector<LineRef> LinesOf(int b) {
  return {H(b), H(b + 8), V(b + (b - 1) / 8), V(b + (b - 1) / 8 + 1)};
}

// Fresh flags and Status from the lines, and every four-sided box shown as
// closed by the human, as the claim path would have left it.
inline void Settle(Game& game) {
  game.RefreshBoxes();
  for (int b = 1; b <= kBoxes; ++b) {
    if (game.AllBoxes[b].Status == 4) {
      BoxFill& fill = game.gridbx1[static_cast<std::size_t>(b)];
      fill.Enabled = false;
      fill.BackColor = kHumanBox;
    }
  }
}

// Takes the given lines (as the human's) and settles the boxes.
inline void Position(Game& game, std::initializer_list<LineRef> taken) {
  for (const LineRef& line : taken) TakeLine(game, line);
  Settle(game);
}

// Takes every line except the given ones and settles the boxes.
inline void AllTakenExcept(Game& game, std::initializer_list<LineRef> free) {
  const std::set<LineRef> keep(free);
  for (int n = 1; n <= kLinesPerOrientation; ++n) {
    for (const LineRef& line : {H(n), V(n)}) {
      if (keep.count(line) == 0) TakeLine(game, line);
    }
  }
  Settle(game);
}

inline std::vector<LineRef> FreeLines(const Game& game) {
  std::vector<LineRef> free;
  for (int n = 1; n <= kLinesPerOrientation; ++n) {
    if (!IsTaken(game, H(n))) free.push_back(H(n));
    if (!IsTaken(game, V(n))) free.push_back(V(n));
  }
  return free;
}

// The last move recorded in the history, as a line.
inline LineRef LastMove(const Game& game) {
  const Moves last = game.GameMoves.Item(game.GameMoves.Count());
  return {last.Compass, last.LineNum};
}

// Queues safe-random attempts that all fail by drawing box 1 (which the test
// has given two or more sides): two numbers per attempt.
inline void QueueFailingAttempts(ScriptedRandom& random, int attempts) {
  for (int i = 0; i < attempts; ++i) {
    random.Queue(0.0f);
    random.Queue(0.0f);
  }
}

}  // namespace pellumo::testing
