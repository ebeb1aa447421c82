#include "board/layout.h"

#include <gtest/gtest.h>

namespace pellumo {
namespace {

// The board area as the window is usually built: 5964 x 5000 inside, 5060
// high outside. The places between the corners, and box 64 and vertical 72
// beside the lines around them, follow from these and the sizes
// (GridFillsTheInnerArea).
TEST(LayoutBoard, StandardBoard) {
  const BoardGeometry g = LayoutBoard(5060.0f, 5964.0f, 5000.0f);
  EXPECT_EQ(g.VLineWidth, 67);   // 67.47
  EXPECT_EQ(g.HLineHeight, 60);  // 60.3
  EXPECT_EQ(g.BoxWidth, 670.125f);
  EXPECT_EQ(g.BoxHeight, 557.5);
  EXPECT_EQ(g.gridbx1[1], (Rect{67, 60, 670.125f, 557.5f}));
  EXPECT_EQ(g.hline[72], (Rect{5226.875f, 4940, 670.125f, 60}));
  EXPECT_EQ(g.vline[9], (Rect{5897, 60, 67, 557.5f}));
}

TEST(LayoutBoard, HalvesRoundToEven) {
  // 5062.5 x 80 / 6000 is 67.5: up to the even 68. Line widths of 65 and 75
  // (outer heights 4875 and 5625) give 58.5 and 67.5: 58 and 68.
  EXPECT_EQ(LayoutBoard(5062.5f, 6000, 5000).VLineWidth, 68);
  EXPECT_EQ(LayoutBoard(4875.0f, 6000, 5000).HLineHeight, 58);
  EXPECT_EQ(LayoutBoard(5625.0f, 6000, 5000).HLineHeight, 68);
  // 5000.5 - 540 = 4460.5 rounds to 4460 before the division: 557.5. The
  // width's share (5964.5 - 603) / 8 keeps its fraction.
  const BoardGeometry g = LayoutBoard(5060.0f, 5964.5f, 5000.5f);
  EXPECT_EQ(g.BoxHeight, 557.5);
  EXPECT_EQ(g.BoxWidth, 670.1875f);
}

TEST(LayoutBoard, HorizontalPositionsRoundEveryStepToFloat) {
  // An inner width where single-precision steps and one final rounding of a
  // double-precision sum (4106.28857...) give different Lefts for column 8.
  const BoardGeometry g = LayoutBoard(5060.0f, 4683.32958984375f, 5000.0f);
  EXPECT_EQ(g.gridbx1[8].Left, 4106.2880859375f);
  EXPECT_EQ(g.hline[8].Left, 4106.2880859375f);
}

TEST(LayoutBoard, TooSmallAreaGivesEmptyBoxesAndPlacesLinesSideBySide) {
  // 9 x 67 = 603 > 500 and 9 x 60 = 540 > 400: the shares would be negative.
  const BoardGeometry g = LayoutBoard(5060.0f, 500.0f, 400.0f);
  EXPECT_EQ(g.vline[9], (Rect{8 * 67, 60, 67, 0}));
  EXPECT_EQ(g.hline[72], (Rect{67 + 7 * 67, 8 * 60, 0, 60}));
  EXPECT_EQ(g.gridbx1[64], (Rect{67 + 7 * 67, 60 + 7 * 60, 0, 0}));
}

// Lines and boxes alternate without gaps or overlaps and end exactly at the
// area's inner edges, from a very small board to a very large one, in whole
// twips and in eighths of one.
TEST(LayoutBoard, GridFillsTheInnerArea) {
  std::vector<std::tuple<float, float, float>> areas;
  for (int eighths = 0; eighths < 8; ++eighths) areas.emplace_back(5060.0f, 5964.0f + eighths / 8.0f, 5000.0f);
  for (int width = 700; width <= 20000; width += 37)
    for (int height = 600; height <= 16000; height += 271) {
      // Areas too small for their nine lines cannot be filled.
      const auto outer = static_cast<float>(height + 60);
      const BoardGeometry g = LayoutBoard(outer, 0, 0);
      if (width >= 9 * g.VLineWidth && height >= 9 * g.HLineHeight) areas.emplace_back(outer, width, height);
    }
  ASSERT_GT(areas.size(), 20000u);
  for (auto [outer, width, height] : areas) {
    SCOPED_TRACE(::testing::Message() << outer << ", " << width << " x " << height);
    const BoardGeometry g = LayoutBoard(outer, width, height);
    for (int b = 1; b <= 64; ++b) {
      const Rect &box = g.gridbx1[b], &north = g.hline[b], &south = g.hline[b + 8];
      const Rect &west = g.vline[b + (b - 1) / 8], &east = g.vline[b + (b - 1) / 8 + 1];
      ASSERT_EQ(west.Left + west.Width, box.Left) << b;
      ASSERT_EQ(box.Left + box.Width, east.Left) << b;
      ASSERT_EQ(north.Top + north.Height, box.Top) << b;
      ASSERT_EQ(box.Top + box.Height, south.Top) << b;
      ASSERT_EQ(north.Left, box.Left) << b;
      ASSERT_EQ(west.Top, box.Top) << b;
    }
    ASSERT_EQ(g.vline[72].Left + g.VLineWidth, width);
    ASSERT_EQ(g.hline[72].Top + g.HLineHeight, height);
  }
}

// The window part of a resize; outer widths include two 60-twip borders.
// The computer's panel keeps 150 twips from the outer right edge; the logo
// sits in the middle of the gap between the panels. At 8120 the panel is at
// 8120 - 150 - 1632 = 6338, the gap 6338 - 1308 - 2580 = 2450. The gap rounds
// half to even; an odd gap gives a half twip. Without a gap (negative, 0, or
// 0.4 rounding to 0) the logo keeps its Left.
TEST(ResizeWindow, PanelKeepsToTheRightAndTheLogoCentresInTheGap) {
  WindowLayout start = kDesignedWindow;
  start.Logo.Left = 1234;
  for (auto [outer, left] : {std::pair{8120.0f, 2533.0f}, {8120.5f, 2533.0f}, {8121.5f, 2534.0f},
                             {8121.0f, 2533.5f}, {4000.0f, 1234.0f}, {5670.0f, 1234.0f},
                             {5670.4f, 1234.0f}, {5670.9f, 1308.5f}}) {
    SCOPED_TRACE(outer);
    const WindowLayout w = ResizeWindow(start, outer - 120, 6360, outer);
    EXPECT_EQ(w.Logo, (Rect{left, 765 - 552 - 50, 2580, 552}));
    EXPECT_EQ(w.PlyrFrame[1], (Rect{outer - 150 - 1632, 216, 1632, 480}));
    EXPECT_EQ(w.PlyrFrame[0], kDesignedWindow.PlyrFrame[0]);
  }
}

TEST(ResizeWindow, TooSmallWindowKeepsTheBoardSizeInThatDirection) {
  WindowLayout start = kDesignedWindow;
  start.picture1.Width = 4000;
  start.picture1.Height = 3000;
  // 240 is too narrow, 1300 too short: the margins themselves. In the first
  // two cases the other side is the designed one (client 6264 x 6360).
  for (auto [inner, height, board] : {std::tuple{240.0f, 6360.0f, Rect{90, 765, 4000, 5060}},
                                      {6264.0f, 1300.0f, Rect{90, 765, 6024, 3000}},
                                      {100.0f, 200.0f, Rect{90, 765, 4000, 3000}},
                                      {240.5f, 1300.5f, Rect{90, 765, 0.5f, 0.5f}}}) {
    const WindowLayout w = ResizeWindow(start, inner, height, inner + 120);
    EXPECT_EQ(w.picture1, board) << inner;
    EXPECT_EQ(w.myTools, (Rect{108, board.Height + 765 + 75, board.Width, 480})) << inner;
  }
}

}  // namespace
}  // namespace pellumo
