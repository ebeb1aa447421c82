#pragma once
// The computer player: its turn, its capture of three-sided boxes, its
// random, pairing and best-move strategies, and the Advice button.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "board/line.h"
#include "engine/game.h"

namespace pellumo {

class RandomSource;

// A line as the computer chooses it; empty for no line.
using LineChoice = std::optional<Line>;

struct ScoredChoice {
  LineChoice Choice;
  std::int16_t Cost = 0;  // boxes the line gives away
};

// What the computer keeps while it plays, from one turn to the next.
struct ComputerState {
  LineChoice CompMove;       // the line chosen last
  std::int16_t RndLine = 0;  // the safe random line played; -1 when none was
  std::vector<ScoredChoice> Candidates{ScoredChoice{}};  // the last search; entry 0 is blank
  LineChoice Candidate;      // the line being scored
  std::int16_t Giveaway = 0;  // boxes the last scored line gave away
};

// The computer's side of a game, handed to Game by whoever builds it (see
// TurnHook). It keeps its own working state and draws its random numbers
// from the source it is given.
class ComputerPlayer {
 public:
  explicit ComputerPlayer(RandomSource& random) : random_(random) {}
  ComputerPlayer(const ComputerPlayer&) = delete;
  ComputerPlayer& operator=(const ComputerPlayer&) = delete;

  // What Game calls whenever the computer is to move.
  std::function<void(Game&)> TurnHook() {
    return [this](Game& game) { ComputerTurn(game); };
  }

  // One whole computer turn; the engine calls it whenever CurrentPlayer is 2.
  void ComputerTurn(Game& game);
  // The Advice button: one point per press while the human is to move.
  void Command1_Click(Game& game);

  // Random moves.
  void SafeRandomMove(Game& game, std::int16_t Tries);
  void RandomLine(Game& game);

  // The best-move search.
  LineChoice BestMove(Game& game);
  bool AddCandidate(const LineChoice& choice, std::int16_t cost);

  ComputerState state;

 private:
  RandomSource& random_;
};

// Capture (marks lines without the claim path).
void MarkHLine(Game& game, std::int16_t n);
void MarkVLine(Game& game, std::int16_t n);
void TakeClosableBoxes(Game& game);
// Name of the last open side in the order North, South, East, West; "False"
// when all four are drawn.
std::string OpenSide(const box& b);

// Plays a line the computer has chosen: marked first, then claimed through
// updatetheline like the human's lines.
void PlayComputerLine(Game& game, Line line);

// The pairing move.
bool PairMove(Game& game);
std::string PairSide(const box& b);

// Rebuilds every box's sides and count from the lines.
void RestoreBoxes(Game& game);

}  // namespace pellumo
