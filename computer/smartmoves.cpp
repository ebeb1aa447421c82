// The best-move search: every free line is drawn in the box model, a
// simulated player takes every box that then has three sides, and the line
// that gives the fewest boxes away wins (the earliest on a tie).
//
// BestMove is the hot path of the expert level and of Advice. It makes the
// same choices and leaves the boxes exactly as drawing, counting and then
// rebuilding all 64 boxes from the lines after every line would, but it
// rebuilds only the boxes a simulation touched. That is the same thing once
// the first rebuild has brought every box in line with the lines. Until
// then a box may still hold its count from before the last claim (a claim
// that closes a box refreshes nothing), and the first line is judged on
// that, exactly as the full rebuild after every line would judge it.
#include <array>

#include "computer/computer.h"

namespace pellumo {

namespace {

enum class Side { North, South, East, West, None };

// The last open side in the order North, South, East, West.
Side LastOpenSide(const box& b) {
  Side s = Side::None;
  if (!b.North) s = Side::North;
  if (!b.South) s = Side::South;
  if (!b.East) s = Side::East;
  if (!b.West) s = Side::West;
  return s;
}

void SetSide(box& b, bool box::*side) {
  b.*side = true;
  b.Status = b.StatusCalc();
}

// The box model during a search, with the boxes each simulation wrote.
class Simulation {
 public:
  Simulation(Game& game, ComputerPlayer& player)
      : game_(game), player_(player), boxes_(game.AllBoxes) {}

  // Draws side `side` of box i and the matching side of neighbour m (when
  // m is a box), recounting both.
  void Draw(int i, bool box::*side, int m, bool box::*opposite) {
    Touch(i);
    SetSide(boxes_[i], side);
    if (m >= 1) {
      Touch(m);
      SetSide(boxes_[m], opposite);
    }
  }

  // Takes every three-sided box, pass after pass; boxes that already had
  // three sides count too. Returns the number taken.
  std::int16_t CountGiveaway() {
    std::int16_t count = 0;
    bool found = true;
    while (found) {
      found = false;
      for (int i = 1; i <= kBoxes; ++i) {
        box& b = boxes_[i];
        if (b.Status != 3) continue;
        Touch(i);
        const Side s = LastOpenSide(b);
        b.Status = 4;
        switch (s) {
          case Side::North: Close(b, &box::North, b.BoxNorth, &box::South); break;
          case Side::South: Close(b, &box::South, b.BoxSouth, &box::North); break;
          case Side::West: Close(b, &box::West, b.BoxWest, &box::East); break;
          case Side::East: Close(b, &box::East, b.BoxEast, &box::West); break;
          case Side::None: break;
        }
        ++count;
        found = true;
      }
    }
    return count;
  }

  // Scores the line just drawn and rebuilds the boxes from the lines.
  void Evaluate(Line line) {
    ComputerState& state = player_.state;
    state.Giveaway = CountGiveaway();
    state.Candidate = line;
    player_.AddCandidate(state.Candidate, state.Giveaway);
    Restore();
  }

 private:
  void Touch(int i) {
    if (!touched_[static_cast<std::size_t>(i)]) {
      touched_[static_cast<std::size_t>(i)] = true;
      order_[static_cast<std::size_t>(count_++)] = static_cast<std::int16_t>(i);
    }
  }

  void Close(box& b, bool box::*side, std::int16_t m, bool box::*opposite) {
    b.*side = true;
    if (m > 0) {
      Touch(m);
      SetSide(boxes_[m], opposite);
    }
  }

  void Restore() {
    if (!synced_) {
      RestoreBoxes(game_);
      synced_ = true;
    } else {
      for (int k = 0; k < count_; ++k) boxes_[order_[static_cast<std::size_t>(k)]].UpdateMyStatus(game_.lines);
    }
    for (int k = 0; k < count_; ++k) touched_[static_cast<std::size_t>(order_[static_cast<std::size_t>(k)])] = false;
    count_ = 0;
  }

  Game& game_;
  ComputerPlayer& player_;
  boxcoll& boxes_;
  bool synced_ = false;  // every box agrees with the lines
  std::array<bool, kBoxes + 1> touched_{};
  std::array<std::int16_t, kBoxes> order_{};
  int count_ = 0;
};

}  // namespace

bool ComputerPlayer::AddCandidate(const LineChoice& choice, std::int16_t cost) {
  state.Candidates.push_back(ScoredChoice{choice, cost});
  return true;
}

void RestoreBoxes(Game& game) {
  for (int i = 1; i <= kBoxes; ++i) game.AllBoxes[i].UpdateMyStatus(game.lines);
}

LineChoice ComputerPlayer::BestMove(Game& game) {
  boxcoll& boxes = game.AllBoxes;
  std::vector<ScoredChoice>& Candidates = state.Candidates;
  Candidates.resize(1);
  Candidates.reserve(2 * kLinesPerOrientation + 1);
  Simulation sim(game, *this);
  const auto horizontal = [](int n) { return Line{Orientation::Horizontal, static_cast<std::int16_t>(n)}; };
  const auto vertical = [](int n) { return Line{Orientation::Vertical, static_cast<std::int16_t>(n)}; };

  for (int i = 1; i <= kBoxes; ++i) {  // north sides
    if (boxes[i].North) continue;
    sim.Draw(i, &box::North, boxes[i].BoxNorth, &box::South);
    sim.Evaluate(horizontal(i));
  }
  for (int i = kBoxes - kBoxesPerSide + 1; i <= kBoxes; ++i) {  // the bottom edge
    if (boxes[i].South) continue;
    sim.Draw(i, &box::South, -1, nullptr);
    sim.Evaluate(horizontal(i + kBoxesPerSide));
  }
  for (int i = 1; i <= kBoxes; ++i) {  // west sides
    if (boxes[i].West) continue;
    sim.Draw(i, &box::West, boxes[i].BoxWest, &box::East);
    sim.Evaluate(vertical(BoxLineLookup(static_cast<std::int16_t>(i), "West")));
  }
  for (int i = kBoxesPerSide; i <= kBoxes; i += kBoxesPerSide) {  // the right edge
    if (boxes[i].East) continue;
    sim.Draw(i, &box::East, -1, nullptr);
    sim.Evaluate(vertical(BoxLineLookup(static_cast<std::int16_t>(i), "East")));
  }

  int best = 999;
  std::size_t k = 0;
  for (std::size_t j = 1; j < Candidates.size(); ++j) {
    if (Candidates[j].Cost < best) {
      best = Candidates[j].Cost;
      k = j;
    }
  }
  state.CompMove = Candidates[k].Choice;
  return state.CompMove;
}

}  // namespace pellumo
