#pragma once
// The 72 horizontal and 72 vertical line controls of the board, as data.
// A taken line is a disabled one; its owner shows in its back colour.
#include <array>
#include <cstdint>

#include "board/colours.h"
#include "board/dimensions.h"
#include "board/line.h"

namespace pellumo {

struct LineControl {
  bool Enabled = true;
  Colour BackColor = kFreeLine;
  Colour ForeColor = kFreeLine;
};

class LineStore {
 public:
  // Elements 1..72; element 0 exists only so that numbers index directly.
  std::array<LineControl, kLinesPerOrientation + 1> hline{};
  std::array<LineControl, kLinesPerOrientation + 1> vline{};

  static constexpr bool InRange(int n) { return n >= 1 && n <= kLinesPerOrientation; }

  // The control of a line; nullptr for a number off the board.
  LineControl* Control(Line line);
  const LineControl* Control(Line line) const;

  // A line outside 1..72 is never taken: it does not exist.
  bool HTaken(int n) const { return InRange(n) && !hline[n].Enabled; }
  bool VTaken(int n) const { return InRange(n) && !vline[n].Enabled; }
};

}  // namespace pellumo
