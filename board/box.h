#pragma once
// One cell of the board: its four sides, how many are drawn, its lines and
// its neighbours by number, and copies of the neighbours' counts. Plain
// fields are the "write and read" properties: nothing is range-checked.
#include <cstdint>

namespace pellumo {

class LineStore;

class box {
 public:
  bool East = false;
  bool West = false;
  bool South = false;
  bool North = false;
  std::int16_t Status = 0;  // drawn sides as last stored, not live
  bool Full = false;        // kept for the record; nothing uses it
  std::int16_t LineWest = 0;
  std::int16_t LineEast = 0;
  std::int16_t LineNorth = 0;
  std::int16_t LineSouth = 0;
  std::int16_t BoxNorth = 0;
  std::int16_t BoxSouth = 0;
  std::int16_t BoxEast = 0;
  std::int16_t BoxWest = 0;
  std::int16_t EastStatus = 0;
  std::int16_t WestStatus = 0;
  std::int16_t NorthStatus = 0;
  std::int16_t southstatus = 0;

  // Number of side flags that are set; stores nothing.
  std::int16_t StatusCalc() const;
  // Re-reads all four sides from the lines and stores their count.
  void UpdateMyStatus(const LineStore& lines);

  bool operator==(const box&) const = default;
};

}  // namespace pellumo
