#pragma once
// The debug view: the debug strip's property selector `Combo1`, its entries
// in order, the box property each of them shows, and its handler, which puts
// that property of every box into the grid `mystat`. The main window builds
// the strip; the host hands each new main window this view.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "board/box.h"

namespace pellumo {

class MainWindow;
class WindowHost;

constexpr std::array<std::string_view, 9> kCombo1Entries = {
    "WestStatus", "EastStatus", "NorthStatus", "SouthStatus", "LineWest",
    "LineEast",   "LineNorth",  "LineSouth",   "Status"};

// The property of entry `index` of the selector; nothing when no entry is
// chosen (or the index is out of range).
std::optional<std::int16_t> BoxProperty(const box& b, int index);

// Fills the selector of a freshly loaded main window, none chosen, and
// connects it to Combo1_Click.
void LoadDebugView(MainWindow& window, WindowHost& host);

// An entry chosen: every box's sides are counted again and the grid shows
// the chosen property of each (not under a running turn).
void Combo1_Click(MainWindow& window, WindowHost& host);

}  // namespace pellumo
