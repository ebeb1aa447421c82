#pragma once
// The computer player: its turn, its capture of three-sided boxes, its
// random, pairing and best-move strategies, and the Advice button.
#include <cstdint>
#include <string>

#include "engine/game.h"

namespace pellumo {

// One whole computer turn; the engine calls it whenever CurrentPlayer is 2.
void ComputerTurn(Game& game);
// The Advice button: one point per press while the human is to move.
void Command1_Click(Game& game);

// Capture (marks lines without the claim path).
void MarkHLine(Game& game, std::int16_t n);
void MarkVLine(Game& game, std::int16_t n);
void TakeClosableBoxes(Game& game);
// Name of the last open side in the order North, South, East, West; "False"
// when all four are drawn.
std::string OpenSide(const box& b);

// Random moves.
void SafeRandomMove(Game& game, std::int16_t Tries);
void RandomLine(Game& game);

// The pairing move.
bool PairMove(Game& game);
std::string PairSide(const box& b);

// The best-move search.
LineChoice BestMove(Game& game);
void CountGiveaway(Game& game, std::int16_t count);
bool AddCandidate(Game& game, const LineChoice& choice, std::int16_t cost);
void RestoreBoxes(Game& game);

}  // namespace pellumo
