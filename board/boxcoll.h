#pragma once
// The board's 64 boxes, 1-based: box j is at position j. Also the board's
// construction and the conversion between lines and box sides.
#include <cstdint>
#include <string_view>
#include <vector>

#include "board/box.h"
#include "board/dimensions.h"
#include "board/line.h"

namespace pellumo {

class boxcoll {
 public:
  // Appends a copy of mBox and returns the stored box.
  box& Add(const box& mBox);
  std::int32_t Count() const { return static_cast<std::int32_t>(boxes_.size()); }
  // "delete" is a keyword in C++; this is the collection's delete. Unused by
  // the game. Throws std::out_of_range outside 1..Count.
  void Delete(std::int32_t Index);
  // Throws std::out_of_range outside 1..Count.
  box& Item(std::int32_t Index);
  const box& Item(std::int32_t Index) const;
  // Copies each existing neighbour's stored Status into the box.
  void MyNeighborUpdate();

  // Unchecked access for the hot loops of the computer player (1..Count).
  box& operator[](int Index) { return boxes_[static_cast<std::size_t>(Index - 1)]; }
  const box& operator[](int Index) const { return boxes_[static_cast<std::size_t>(Index - 1)]; }

  bool operator==(const boxcoll&) const = default;

 private:
  std::vector<box> boxes_;
};

// Makes AllBoxes a fresh collection of 64 boxes and links them.
void BuildBoxes(boxcoll& AllBoxes);
// Writes the line and neighbour numbers of boxes 1..64.
void LinkBoxes(boxcoll& AllBoxes);

// Box sides to lines: the line on side "North", "South", "East" or "West"
// (compared exactly) of box Number; 0 for any other word.
std::int16_t BoxLineLookup(std::int16_t Number, std::string_view Word);
// Lines to boxes: the box south of a horizontal line or east of a vertical
// one, which for the bottom and right edges is one past the board: callers
// subtract 1 or 8.
std::int16_t BoxLineLookup(Line line);

}  // namespace pellumo
