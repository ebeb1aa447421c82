#include "window/debugview.h"

namespace pellumo {

std::optional<std::int16_t> BoxProperty(const box& b, int index) {
  switch (index) {
    case 0: return b.WestStatus;
    case 1: return b.EastStatus;
    case 2: return b.NorthStatus;
    case 3: return b.southstatus;
    case 4: return b.LineWest;
    case 5: return b.LineEast;
    case 6: return b.LineNorth;
    case 7: return b.LineSouth;
    case 8: return b.Status;
    default: return std::nullopt;
  }
}

}  // namespace pellumo
