#pragma once
// What a game must look like whenever it rests, whatever was clicked: the
// move history, the drawn lines and the filled boxes describe one board, and
// the scores account for the boxes. Shared by the whole-game and stress tests
// and the engine fuzz target, so it uses no test framework.
#include <optional>
#include <set>
#include <string>

#include "engine/game.h"

namespace pellumo::testing {

// What is wrong with the game, or nothing. advicePaid: the points the human
// has paid for Advice since the board was empty.
inline std::string BoardProblem(const Game& game, int advicePaid) {
  std::set<Line> claimed;
  for (std::int32_t i = 1; i <= game.GameMoves.Count(); ++i) {
    const Moves& m = game.GameMoves.Item(i);
    const std::string name = m.Compass + " " + std::to_string(m.LineNum);
    const std::optional<Line> named = LineNamed(m.Compass, m.LineNum);
    const LineControl* line = named ? game.lines.Control(*named) : nullptr;
    if (line == nullptr || line->Enabled) return "the history holds " + name + ", not drawn";
    if (!claimed.insert(*named).second) return name + " claimed twice";
    if (LineOwner(*line) != m.PlayerNum) return name + " is not in its player's colour";
  }
  // The computer's capture draws lines it does not record, so the boxes are
  // judged by the lines, not by the history.
  int human = 0, computer = 0;
  for (std::int16_t b = 1; b <= kBoxes; ++b) {
    const box& x = game.AllBoxes.Item(b);
    const bool drawn = game.lines.HTaken(x.LineNorth) && game.lines.HTaken(x.LineSouth) &&
                       game.lines.VTaken(x.LineEast) && game.lines.VTaken(x.LineWest);
    const BoxFill& fill = game.gridbx1[static_cast<std::size_t>(b)];
    const std::string name = "box " + std::to_string(b);
    if (drawn == fill.Enabled) return name + (drawn ? " is drawn round but not filled" : " is filled with a side free");
    if (fill.Enabled) continue;
    human += fill.BackColor == kHumanBox;
    computer += fill.BackColor == kComputerBox;
    if (fill.BackColor != kHumanBox && fill.BackColor != kComputerBox)
      return name + " is closed without an owner's colour";
    if (!fill.Visible) return name + " is closed but hidden";
  }
  if (game.Player2Score != computer) return "the computer's score is not its boxes";
  if (game.Player1Score + advicePaid != human)
    return "the human's score is not its boxes less the Advice paid";
  return {};
}

}  // namespace pellumo::testing
