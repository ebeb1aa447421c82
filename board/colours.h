#pragma once
// Colours as the board shows them: 0xRRGGBB for plain colours; values with the
// high bit set name a system colour (the desktop colour starts every flash).
#include <cstdint>

namespace pellumo {

using Colour = std::uint32_t;

// Entry n of the standard 16-colour palette (0 black .. 15 bright white).
constexpr Colour QBColor(int n) {
  constexpr Colour table[16] = {0x000000, 0x000080, 0x008000, 0x008080,
                                0x800000, 0x800080, 0x808000, 0xC0C0C0,
                                0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  return (n >= 0 && n < 16) ? table[n] : 0;
}

constexpr Colour RGB(int r, int g, int b) {
  return (Colour(r & 0xFF) << 16) | (Colour(g & 0xFF) << 8) | Colour(b & 0xFF);
}

constexpr Colour kFreeLine = QBColor(7);
constexpr Colour kComputerLine = QBColor(9);
constexpr Colour kHighlight = QBColor(11);
constexpr Colour kHumanLine = QBColor(12);
constexpr Colour kOpenBox = QBColor(15);
constexpr Colour kHumanBox = RGB(255, 128, 128);
constexpr Colour kComputerBox = RGB(128, 128, 255);
constexpr Colour kBoardBackground = RGB(255, 255, 192);
constexpr Colour kSystemDesktop = 0x80000001;  // system colour 1

constexpr bool IsSystemColour(Colour c) { return (c & 0x80000000u) != 0; }

}  // namespace pellumo
