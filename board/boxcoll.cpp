#include "board/boxcoll.h"

#include <stdexcept>

namespace pellumo {

namespace {
void CheckIndex(std::int32_t Index, std::int32_t Count) {
  if (Index < 1 || Index > Count) throw std::out_of_range("boxcoll: no box at this position");
}
}  // namespace

box& boxcoll::Add(const box& mBox) {
  boxes_.push_back(mBox);
  return boxes_.back();
}

void boxcoll::Delete(std::int32_t Index) {
  CheckIndex(Index, Count());
  boxes_.erase(boxes_.begin() + (Index - 1));
}

box& boxcoll::Item(std::int32_t Index) {
  CheckIndex(Index, Count());
  return (*this)[Index];
}

const box& boxcoll::Item(std::int32_t Index) const {
  CheckIndex(Index, Count());
  return (*this)[Index];
}

void boxcoll::MyNeighborUpdate() {
  // Neighbour numbers are plain data; one that points off the collection is
  // treated like a missing neighbour rather than read out of bounds.
  auto status_of = [this](std::int16_t n, std::int16_t& into) {
    if (n > -1 && n >= 1 && n <= Count()) into = (*this)[n].Status;
  };
  for (auto& b : boxes_) {
    status_of(b.BoxNorth, b.NorthStatus);
    status_of(b.BoxSouth, b.southstatus);
    status_of(b.BoxEast, b.EastStatus);
    status_of(b.BoxWest, b.WestStatus);
  }
}

void BuildBoxes(boxcoll& AllBoxes) {
  AllBoxes = boxcoll();
  for (int i = 1; i <= kBoxes; ++i) {
    box b;
    b.Status = 0;
    AllBoxes.Add(b);
  }
  LinkBoxes(AllBoxes);
}

void LinkBoxes(boxcoll& AllBoxes) {
  for (int j = 1; j <= kBoxes; ++j) {
    box& b = AllBoxes.Item(j);
    const int r = (j - 1) / kBoxesPerSide;
    const int q = (j - 1) % kBoxesPerSide;
    b.LineWest = static_cast<std::int16_t>(j + r);
    b.LineEast = static_cast<std::int16_t>(j + r + 1);
    b.BoxWest = static_cast<std::int16_t>(q == 0 ? -1 : j - 1);
    b.BoxEast = static_cast<std::int16_t>(q == kBoxesPerSide - 1 ? -1 : j + 1);
    b.BoxNorth = static_cast<std::int16_t>(r == 0 ? -1 : j - kBoxesPerSide);
    b.BoxSouth = static_cast<std::int16_t>(r == kBoxesPerSide - 1 ? -1 : j + kBoxesPerSide);
    b.LineNorth = static_cast<std::int16_t>(j);
    b.LineSouth = static_cast<std::int16_t>(j + kBoxesPerSide);
  }
}

std::int16_t BoxLineLookup(std::int16_t Number, std::string_view Word) {
  const int k = Number;
  // Whole-number division as the board numbering defines it; Number is
  // always positive where the game calls this.
  int result = 0;
  if (Word == "North") {
    result = k <= kBoxes ? k : -1;
  } else if (Word == "East") {
    result = k + (k - 1) / kBoxesPerSide + 1;
  } else if (Word == "South") {
    result = k + kBoxesPerSide;
  } else if (Word == "West") {
    result = k + (k - 1) / kBoxesPerSide;
  }
  return static_cast<std::int16_t>(result);
}

std::int16_t BoxLineLookup(Line line) {
  const int k = line.number;
  // A row has one vertical line more than it has boxes.
  const int result = line.orientation == Orientation::Vertical ? k - (k - 1) / kDotsPerSide : k;
  return static_cast<std::int16_t>(result);
}

}  // namespace pellumo
