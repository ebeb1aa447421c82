#pragma once
// The arithmetic that places the board and the window's panels for any window
// size, in twips. Pure functions with no toolkit behind them: the window
// applies the rectangles, and converts twips to pixels only when it paints.
//
// The numbers are exact, not approximate: horizontal positions are worked in
// single precision and vertical ones in double precision, and every rounding
// to a whole number goes half to even, so the same size always gives the
// same board to the last bit, on every machine.
#include <array>
#include <cstdint>

#include "board/dimensions.h"

namespace pellumo {

// A control's rectangle within its container, in twips.
struct Rect {
  float Left = 0;
  float Top = 0;
  float Width = 0;
  float Height = 0;

  friend bool operator==(const Rect&, const Rect&) = default;
};

// The board for one size of the board area. Element j of gridbx1, hline and
// vline is box j and line j (1-based, element 0 is unused), numbered row by
// row from the top left: boxes and horizontal lines 8 to a row, vertical
// lines 9 to a row.
struct BoardGeometry {
  std::int16_t VLineWidth = 0;   // width of every vertical line
  std::int16_t HLineHeight = 0;  // height of every horizontal line
  float BoxWidth = 0;            // width of a box and of a horizontal line
  double BoxHeight = 0;          // height of a box and of a vertical line
  std::array<Rect, kBoxes + 1> gridbx1{};
  std::array<Rect, kLinesPerOrientation + 1> hline{};
  std::array<Rect, kLinesPerOrientation + 1> vline{};
};

// Lays the board out in a board area of the given outer height and inner
// (scale) size. The line thickness follows the outer height; the boxes share
// what the lines leave of the inner size. An area too small for its nine
// lines gives boxes of size zero rather than negative sizes: the lines then
// sit side by side and whatever does not fit is cut off by the area's edge.
BoardGeometry LayoutBoard(float outerHeight, float innerWidth, float innerHeight);

// The window's controls that follow its size: the board area, the tool strip
// below it, the two score panels above it and the logo between them.
struct WindowLayout {
  Rect picture1;                 // the board area
  std::array<Rect, 2> PlyrFrame; // 0 the human's panel, 1 the computer's
  Rect Logo;
  Rect myTools;                  // the tool strip

  friend bool operator==(const WindowLayout&, const WindowLayout&) = default;
};

// The controls as the window is designed (client area 6264 x 6360).
constexpr WindowLayout kDesignedWindow{
    .picture1 = {90, 765, 6135, 5088},
    .PlyrFrame = {Rect{180, 216, 1128, 480}, Rect{4464, 216, 1632, 480}},
    .Logo = {1800, 108, 2580, 552},
    .myTools = {108, 5832, 6024, 480},
};

// Fits the window's panels to a new size: innerWidth and innerHeight are the
// client area's size, outerWidth the window's width with its borders. Starts
// from the controls as they stand, because a window too small in one
// direction leaves the board area's size in that direction as it was, and a
// window too narrow to centre the logo leaves the logo's Left as it was.
// The board inside picture1 is laid out separately, by LayoutBoard.
WindowLayout ResizeWindow(const WindowLayout& current, float innerWidth,
                          float innerHeight, float outerWidth);

}  // namespace pellumo
