// Marking lines, handing the computer's chosen line to the engine, and
// capturing three-sided boxes at the start of the computer's turn.
#include "computer/computer.h"

namespace pellumo {

namespace {

void MarkLine(Game& game, LineControl& line) {
  if (game.CurrentPlayer == 1) {
    line.BackColor = line.ForeColor = kHumanLine;
  } else if (game.CurrentPlayer == 2) {
    game.CountLines();  // counted before this line is painted
    line.BackColor = line.ForeColor = kComputerLine;
  }
  line.Enabled = false;
}

// Fills box i for the computer and scores it.
void TakeBox(Game& game, int i) {
  BoxFill& fill = game.gridbx1[static_cast<std::size_t>(i)];
  fill.Visible = true;
  fill.BackColor = kComputerBox;
  ++game.Player2Score;
  fill.Enabled = false;
  game.ShowScores();
}

}  // namespace

void MarkHLine(Game& game, std::int16_t n) {
  if (LineStore::InRange(n)) MarkLine(game, game.lines.hline[static_cast<std::size_t>(n)]);
}

void MarkVLine(Game& game, std::int16_t n) {
  if (LineStore::InRange(n)) MarkLine(game, game.lines.vline[static_cast<std::size_t>(n)]);
}

void PlayComputerLine(Game& game, Line line) {
  if (line.orientation == Orientation::Horizontal) {
    MarkHLine(game, line.number);
  } else {
    MarkVLine(game, line.number);
  }
  game.updatetheline(CompassWord(line.orientation), line.number);
}

std::string OpenSide(const box& b) {
  std::string side = "False";
  if (!b.North) side = "North";
  if (!b.South) side = "South";
  if (!b.East) side = "East";
  if (!b.West) side = "West";
  return side;
}

void TakeClosableBoxes(Game& game) {
  for (;;) {
    game.RefreshBoxes();
    bool found = false;
    for (int i = 1; i <= kBoxes; ++i) {
      const box& b = game.AllBoxes[i];
      if (b.Status == 3) {
        const std::string s = OpenSide(b);
        const std::int16_t n = BoxLineLookup(static_cast<std::int16_t>(i), s);
        if (s == "North" || s == "South") {
          MarkHLine(game, n);
        } else if (s == "East" || s == "West") {
          MarkVLine(game, n);
        }
        TakeBox(game, i);
        found = true;
      } else if (b.Status == 4 && game.gridbx1[static_cast<std::size_t>(i)].Enabled) {
        // A box whose last two open sides were both marked in one pass (they
        // were the open sides of two three-sided neighbours) has four sides
        // without ever having had three at the start of a pass. It is the
        // computer's: it drew both lines.
        TakeBox(game, i);
        found = true;
      }
    }
    if (!found) return;
    if (!game.SoundPlayed) game.closesound();
  }
}

}  // namespace pellumo
