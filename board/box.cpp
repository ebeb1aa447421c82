#include "board/box.h"

#include "board/linestore.h"

namespace pellumo {

std::int16_t box::StatusCalc() const {
  return static_cast<std::int16_t>(North + South + West + East);
}

void box::UpdateMyStatus(const LineStore& lines) {
  North = lines.HTaken(LineNorth);
  South = lines.HTaken(LineSouth);
  East = lines.VTaken(LineEast);
  West = lines.VTaken(LineWest);
  Status = StatusCalc();
}

}  // namespace pellumo
