// The pairing move: the line between two boxes that each have exactly one
// side drawn leaves both with two, giving the human nothing.
#include "computer/computer.h"

namespace pellumo {

std::string PairSide(const box& b) {
  if (b.NorthStatus == 1) return "North";
  if (b.southstatus == 1) return "South";
  if (b.WestStatus == 1) return "West";
  if (b.EastStatus == 1) return "East";
  return "";
}

bool PairMove(Game& game) {
  game.AllBoxes.MyNeighborUpdate();
  for (int i = 1; i <= kBoxes; ++i) {
    const box& b = game.AllBoxes[i];
    if (b.Status != 1) continue;
    const std::string s = PairSide(b);
    if (s.empty()) continue;
    const bool horizontal = s == "North" || s == "South";
    const Line line{horizontal ? Orientation::Horizontal : Orientation::Vertical,
                    BoxLineLookup(static_cast<std::int16_t>(i), s)};
    const LineControl* control = game.lines.Control(line);
    if (control == nullptr || control->BackColor != kFreeLine) continue;  // one side per box

    PlayComputerLine(game, line);
    game.RefreshBoxes();
    game.ShowBoxStatus();
    return true;
  }
  return false;
}

}  // namespace pellumo
