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

// 0 (horizontal) or 1 (vertical): nearest(2 r) Mod 2, so r = 0.25 and
// r = 0.75 both give 0.
int RandomOrientation(float r) {
  const float x = 2.0f * r;
  return static_cast<int>(std::nearbyint(x)) % 2;
}

bool PlayIfFree(Game& game, const std::string& Compass, std::int16_t n) {
  const LineControl* line = game.lines.Line(Compass, n);
  if (line == nullptr || line->BackColor != kFreeLine) return false;
  if (Compass == "horz") {
    MarkHLine(game, n);
  } else {
    MarkVLine(game, n);
  }
  game.updatetheline(Compass, n);
  return true;
}

}  // namespace

void SafeRandomMove(Game& game, std::int16_t Tries) {
  for (int tries = Tries;; ++tries) {
    if (game.CurrentPlayer == 1) return;
    game.random().Reseed();
    const int b = RandomNumber(game.random().Next(), 63.0f);
    const int o = RandomOrientation(game.random().Next());
    if (tries >= 21) {
      game.RndLine = -1;
      return;
    }
    std::int16_t n = 0;
    if (b >= 1 && b <= kBoxes && game.AllBoxes[b].Status < 2) {
      const box& x = game.AllBoxes[b];
      if (o == 0) {
        game.CompMove.Compass = "horz";
        if (x.NorthStatus < 2) {
          n = x.LineNorth;
        } else if (x.southstatus < 2) {
          n = x.LineSouth;
        }
      } else {
        game.CompMove.Compass = "vert";
        if (x.WestStatus < 2) {
          n = x.LineWest;
        } else if (x.EastStatus < 2) {
          n = x.LineEast;
        }
      }
    }
    if (n != 0) {
      game.CompMove.LineNum = n;
      if (PlayIfFree(game, game.CompMove.Compass, n)) {
        game.RndLine = n;
        game.ShowBoxStatus();
        game.RefreshBoxes();
        return;
      }
    }
  }
}

void RandomLine(Game& game) {
  // The draws are unbounded, as a board that is not full always has a free
  // line; a full board must not make the computer spin for ever.
  if (game.BoardFull()) return;
  for (;;) {
    const auto n = static_cast<std::int16_t>(RandomNumber(game.random().Next(), 71.0f));
    const int o = RandomOrientation(game.random().Next());
    const char* Compass = o == 0 ? "horz" : "vert";
    const LineControl* line = game.lines.Line(Compass, n);
    if (line != nullptr && line->Enabled) {
      if (o == 0) {
        MarkHLine(game, n);
      } else {
        MarkVLine(game, n);
      }
      game.updatetheline(Compass, n);
      return;
    }
  }
}

}  // namespace pellumo
