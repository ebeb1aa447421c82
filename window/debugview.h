#pragma once
// The debug strip's property selector `Combo1`: its entries in order, and the
// box property each of them shows.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "board/box.h"

namespace pellumo {

constexpr std::array<std::string_view, 9> kCombo1Entries = {
    "WestStatus", "EastStatus", "NorthStatus", "SouthStatus", "LineWest",
    "LineEast",   "LineNorth",  "LineSouth",   "Status"};

// The property of entry `index` of the selector; nothing when no entry is
// chosen (or the index is out of range).
std::optional<std::int16_t> BoxProperty(const box& b, int index);

}  // namespace pellumo
