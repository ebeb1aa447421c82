#pragma once
// The board's size, the one place it is written: 8 by 8 boxes between 9 by 9
// dots. Boxes are numbered 1..64 row by row from the top left, and so are the
// lines of each orientation, 1..72: horizontal lines 8 to a row, vertical
// lines 9 to a row.
namespace pellumo {

inline constexpr int kBoxesPerSide = 8;
inline constexpr int kDotsPerSide = kBoxesPerSide + 1;                    // 9
inline constexpr int kBoxes = kBoxesPerSide * kBoxesPerSide;              // 64
inline constexpr int kLinesPerOrientation = kDotsPerSide * kBoxesPerSide;  // 72
inline constexpr int kLines = 2 * kLinesPerOrientation;                   // 144

}  // namespace pellumo
