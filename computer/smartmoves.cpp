// The best-move search: every free line is drawn in the box model, a
// simulated player takes every box that then has three sides, and the line
// that gives the fewest boxes away wins (the earliest on a tie).
#include "computer/computer.h"

namespace pellumo {

namespace {

void SetSide(box& b, bool box::*side) {
  b.*side = true;
  b.Status = b.StatusCalc();
}

void Evaluate(Game& game, const char* Compass, int n) {
  CountGiveaway(game, 0);
  game.Candidate = LineChoice{Compass, static_cast<std::int16_t>(n)};
  AddCandidate(game, game.Candidate, game.Giveaway);
  RestoreBoxes(game);
}

}  // namespace

bool AddCandidate(Game& game, const LineChoice& choice, std::int16_t cost) {
  game.Candidates.push_back(ScoredChoice{choice, cost});
  return true;
}

void RestoreBoxes(Game& game) {
  for (int i = 1; i <= kBoxes; ++i) game.AllBoxes[i].UpdateMyStatus(game.lines);
}

void CountGiveaway(Game& game, std::int16_t count) {
  boxcoll& boxes = game.AllBoxes;
  for (;;) {
    game.Giveaway = count;
    bool found = false;
    for (int i = 1; i <= kBoxes; ++i) {
      box& b = boxes[i];
      if (b.Status != 3) continue;
      const std::string s = OpenSide(b);
      b.Status = 4;
      if (s == "North") {
        b.North = true;
        if (b.BoxNorth > 0) SetSide(boxes[b.BoxNorth], &box::South);
      } else if (s == "South") {
        b.South = true;
        if (b.BoxSouth > 0) SetSide(boxes[b.BoxSouth], &box::North);
      } else if (s == "West") {
        b.West = true;
        if (b.BoxWest > 0) SetSide(boxes[b.BoxWest], &box::East);
      } else if (s == "East") {
        b.East = true;
        if (b.BoxEast > 0) SetSide(boxes[b.BoxEast], &box::West);
      }
      ++count;
      found = true;
    }
    if (!found) {
      game.Giveaway = count;
      return;
    }
  }
}

LineChoice BestMove(Game& game) {
  boxcoll& boxes = game.AllBoxes;
  game.Candidates.resize(1);

  for (int i = 1; i <= kBoxes; ++i) {  // north sides
    if (boxes[i].North) continue;
    SetSide(boxes[i], &box::North);
    if (boxes[i].BoxNorth >= 1) SetSide(boxes[boxes[i].BoxNorth], &box::South);
    Evaluate(game, "horz", i);
  }
  for (int i = 57; i <= kBoxes; ++i) {  // the bottom edge
    if (boxes[i].South) continue;
    SetSide(boxes[i], &box::South);
    Evaluate(game, "horz", i + 8);
  }
  for (int i = 1; i <= kBoxes; ++i) {  // west sides
    if (boxes[i].West) continue;
    SetSide(boxes[i], &box::West);
    if (boxes[i].BoxWest >= 1) SetSide(boxes[boxes[i].BoxWest], &box::East);
    Evaluate(game, "vert", BoxLineLookup(static_cast<std::int16_t>(i), "West"));
  }
  for (int i = 8; i <= kBoxes; i += 8) {  // the right edge
    if (boxes[i].East) continue;
    SetSide(boxes[i], &box::East);
    Evaluate(game, "vert", BoxLineLookup(static_cast<std::int16_t>(i), "East"));
  }

  int best = 999;
  std::size_t k = 0;
  for (std::size_t j = 1; j < game.Candidates.size(); ++j) {
    if (game.Candidates[j].Cost < best) {
      best = game.Candidates[j].Cost;
      k = j;
    }
  }
  game.CompMove = game.Candidates[k].Choice;
  return game.CompMove;
}

}  // namespace pellumo
