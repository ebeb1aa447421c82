// The computer's random choices: a safe random side of a box with at most
// one side drawn, tried first at every level, and any free line at random.
#include <cmath>

#include "computer/computer.h"
#include "computer/random.h"

namespace pellumo {

namespace {

// nearest(r * scale + 1) in single precision, halves to even.
int RandomNumber(float r, float scale) {
  const float x = r * scale + 1.0f;
  return static_cast<int>(std::nearbyint(x));
}

// nearest(2 r) Mod 2: 0 horizontal, 1 vertical; so r = 0.25 and r = 0.75
// both give horizontal.
Orientation RandomOrientation(float r) {
  const float x = 2.0f * r;
  return static_cast<int>(std::nearbyint(x)) % 2 == 0 ? Orientation::Horizontal
                                                      : Orientation::Vertical;
}

// Box numbers 1..64 and line numbers 1..72 are drawn as scale r + 1.
constexpr float kBoxScale = static_cast<float>(kBoxes - 1);
constexpr float kLineScale = static_cast<float>(kLinesPerOrientation - 1);

bool PlayIfFree(Game& game, Line line) {
  const LineControl* control = game.lines.Control(line);
  if (control == nullptr || control->BackColor != kFreeLine) return false;
  PlayComputerLine(game, line);
  return true;
}

}  // namespace

void ComputerPlayer::SafeRandomMove(Game& game, std::int16_t Tries) {
  for (int tries = Tries;; ++tries) {
    if (game.CurrentPlayer == 1) return;
    random_.Reseed();
    const int b = RandomNumber(random_.Next(), kBoxScale);
    const Orientation o = RandomOrientation(random_.Next());
    if (tries >= 21) {
      state.RndLine = -1;
      return;
    }
    std::int16_t n = 0;
    if (b >= 1 && b <= kBoxes && game.AllBoxes[b].Status < 2) {
      const box& x = game.AllBoxes[b];
      if (o == Orientation::Horizontal) {
        if (x.NorthStatus < 2) {
          n = x.LineNorth;
        } else if (x.southstatus < 2) {
          n = x.LineSouth;
        }
      } else {
        if (x.WestStatus < 2) {
          n = x.LineWest;
        } else if (x.EastStatus < 2) {
          n = x.LineEast;
        }
      }
    }
    if (n != 0) {
      state.CompMove = Line{o, n};
      if (PlayIfFree(game, *state.CompMove)) {
        state.RndLine = n;
        game.ShowBoxStatus();
        game.RefreshBoxes();
        return;
      }
    }
  }
}

void ComputerPlayer::RandomLine(Game& game) {
  // The draws are unbounded, as a board that is not full always has a free
  // line; a full board must not make the computer spin for ever.
  if (game.BoardFull()) return;
  for (;;) {
    const auto n = static_cast<std::int16_t>(RandomNumber(random_.Next(), kLineScale));
    const Line line{RandomOrientation(random_.Next()), n};
    const LineControl* control = game.lines.Control(line);
    if (control != nullptr && control->Enabled) {
      PlayComputerLine(game, line);
      return;
    }
  }
}

}  // namespace pellumo
