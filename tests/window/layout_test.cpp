#include "window/layout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pellumo {
namespace {

// The board area as the window is usually built: 5964 x 5000 inside, 5060
// high outside.
class StandardBoard : public ::testing::Test {
 protected:
  BoardGeometry g = LayoutBoard(5060.0f, 5964.0f, 5000.0f);
};

TEST_F(StandardBoard, LineThicknessAndBoxSize) {
  EXPECT_EQ(g.VLineWidth, 67);   // 67.47
  EXPECT_EQ(g.HLineHeight, 60);  // 60.3
  EXPECT_EQ(g.BoxWidth, 670.125f);
  EXPECT_EQ(g.BoxHeight, 557.5);
}

TEST_F(StandardBoard, Boxes) {
  EXPECT_EQ(g.gridbx1[1], (Rect{67, 60, 670.125f, 557.5f}));
  EXPECT_EQ(g.gridbx1[2], (Rect{804.125f, 60, 670.125f, 557.5f}));
  EXPECT_EQ(g.gridbx1[9], (Rect{67, 677.5f, 670.125f, 557.5f}));
  EXPECT_EQ(g.gridbx1[64], (Rect{5226.875f, 4382.5f, 670.125f, 557.5f}));
}

TEST_F(StandardBoard, HorizontalLines) {
  EXPECT_EQ(g.hline[1], (Rect{67, 0, 670.125f, 60}));
  EXPECT_EQ(g.hline[9], (Rect{67, 617.5f, 670.125f, 60}));
  EXPECT_EQ(g.hline[72], (Rect{5226.875f, 4940, 670.125f, 60}));
}

TEST_F(StandardBoard, VerticalLines) {
  EXPECT_EQ(g.vline[1], (Rect{0, 60, 67, 557.5f}));
  EXPECT_EQ(g.vline[9], (Rect{5897, 60, 67, 557.5f}));
  EXPECT_EQ(g.vline[10], (Rect{0, 677.5f, 67, 557.5f}));
  EXPECT_EQ(g.vline[72], (Rect{5897, 4382.5f, 67, 557.5f}));
}

TEST(LayoutRounding, HalvesGoToEven) {
  // 5062.5 x 80 / 6000 is 67.5: up to the even 68.
  EXPECT_EQ(LayoutBoard(5062.5f, 6000, 5000).VLineWidth, 68);
  // A line width of 65 gives 58.5: down to the even 58, not 59.
  const BoardGeometry at65 = LayoutBoard(4875.0f, 6000, 5000);
  ASSERT_EQ(at65.VLineWidth, 65);
  EXPECT_EQ(at65.HLineHeight, 58);
  // 75 gives 67.5: up to the even 68.
  const BoardGeometry at75 = LayoutBoard(5625.0f, 6000, 5000);
  ASSERT_EQ(at75.VLineWidth, 75);
  EXPECT_EQ(at75.HLineHeight, 68);
}

TEST(LayoutRounding, BoxHeightIsRoundedBeforeTheDivisionAndWidthIsNot) {
  // 5000.5 - 540 = 4460.5 rounds to the even 4460; 4460 / 8 = 557.5.
  const BoardGeometry g = LayoutBoard(5060.0f, 5964.5f, 5000.5f);
  EXPECT_EQ(g.BoxHeight, 557.5);
  // (5964.5 - 603) / 8 keeps its fraction.
  EXPECT_EQ(g.BoxWidth, 670.1875f);
}

TEST(LayoutRounding, HorizontalPositionsRoundEveryStepToFloat) {
  // An inner width where single-precision steps and one final rounding of a
  // double-precision sum give different Lefts for the eighth column.
  const BoardGeometry g = LayoutBoard(5060.0f, 4683.32958984375f, 5000.0f);
  ASSERT_EQ(g.VLineWidth, 67);
  EXPECT_EQ(g.gridbx1[8].Left, 4106.2880859375f);
  EXPECT_EQ(g.hline[8].Left, 4106.2880859375f);
  EXPECT_NE(g.gridbx1[8].Left,
            static_cast<float>(67.0 + 7.0 * (double{g.BoxWidth} + 67.0)));
}

TEST(LayoutLimits, TooSmallAreaGivesEmptyBoxesButStillPlacesEverything) {
  // 9 x 67 = 603 > 500 and 9 x 60 = 540 > 400: the shares would be negative.
  const BoardGeometry g = LayoutBoard(5060.0f, 500.0f, 400.0f);
  EXPECT_EQ(g.BoxWidth, 0.0f);
  EXPECT_EQ(g.BoxHeight, 0.0);
  for (int i = 1; i <= kBoardBoxes; ++i) {
    EXPECT_EQ(g.gridbx1[i].Width, 0.0f) << "box " << i;
    EXPECT_EQ(g.gridbx1[i].Height, 0.0f) << "box " << i;
  }
  for (int i = 1; i <= kBoardLines; ++i) {
    EXPECT_GE(g.hline[i].Width, 0.0f) << "hline " << i;
    EXPECT_GE(g.vline[i].Height, 0.0f) << "vline " << i;
  }
  // The lines sit side by side, in order, with nothing overlapping.
  EXPECT_EQ(g.vline[9], (Rect{8 * 67, 60, 67, 0}));
  EXPECT_EQ(g.hline[72], (Rect{67 + 7 * 67, 8 * 60, 0, 60}));
  EXPECT_EQ(g.gridbx1[64], (Rect{67 + 7 * 67, 60 + 7 * 60, 0, 0}));
}

TEST(LayoutLimits, ExactlyNineLinesWideGivesZeroBoxes) {
  const BoardGeometry g = LayoutBoard(5060.0f, 603.0f, 540.0f);
  EXPECT_EQ(g.BoxWidth, 0.0f);
  EXPECT_EQ(g.BoxHeight, 0.0);
  EXPECT_FALSE(std::signbit(g.BoxWidth));
}

// Walks the grid across and down and checks that lines and boxes alternate
// without gaps or overlaps and end exactly at the area's inner edges.
void ExpectGridFills(float outer, float width, float height) {
  SCOPED_TRACE(::testing::Message() << "outer " << outer << ", inner " << width
                                    << " x " << height);
  const BoardGeometry g = LayoutBoard(outer, width, height);
  const float v = g.VLineWidth;
  const float h = g.HLineHeight;
  for (int row = 0; row < 8; ++row) {
    for (int col = 0; col < 8; ++col) {
      const Rect& box = g.gridbx1[row * 8 + col + 1];
      const Rect& west = g.vline[row * 9 + col + 1];
      const Rect& east = g.vline[row * 9 + col + 2];
      const Rect& north = g.hline[row * 8 + col + 1];
      const Rect& south = g.hline[row * 8 + col + 9];
      ASSERT_EQ(west.Left + west.Width, box.Left);
      ASSERT_EQ(box.Left + box.Width, east.Left);
      ASSERT_EQ(north.Top + north.Height, box.Top);
      ASSERT_EQ(box.Top + box.Height, south.Top);
      ASSERT_EQ(north.Left, box.Left);
      ASSERT_EQ(west.Top, box.Top);
      ASSERT_EQ(west.Height, box.Height);
      ASSERT_EQ(north.Width, box.Width);
    }
  }
  ASSERT_EQ(g.vline[1].Left, 0.0f);
  ASSERT_EQ(g.hline[1].Top, 0.0f);
  ASSERT_EQ(g.vline[72].Left + v, width);
  ASSERT_EQ(g.hline[72].Top + h, height);
}

TEST(LayoutProperty, GridFillsTheInnerArea) {
  // Whole-twip sizes from a very small board to a very large one, with the
  // outer height a little above the inner one as with a bordered area.
  // Areas too small for their nine lines are left out: they cannot be
  // filled (see LayoutLimits).
  int checked = 0;
  for (int width = 700; width <= 20000; width += 37) {
    for (int height = 600; height <= 16000; height += 271) {
      const auto outer = static_cast<float>(height + 60);
      const BoardGeometry g = LayoutBoard(outer, 0, 0);
      if (width < 9 * g.VLineWidth || height < 9 * g.HLineHeight) continue;
      ExpectGridFills(outer, static_cast<float>(width), static_cast<float>(height));
      if (HasFatalFailure()) return;
      ++checked;
    }
  }
  EXPECT_GT(checked, 20000);
}

TEST(LayoutProperty, GridFillsAnEighthTwipArea) {
  // Sizes in eighths of a twip still come out exact.
  for (int eighths = 0; eighths < 8; ++eighths) {
    const float width = 5964.0f + eighths / 8.0f;
    ExpectGridFills(5060.0f, width, 5000.0f);
    if (HasFatalFailure()) return;
  }
}

// The window part of a resize.

TEST(ResizeWindow, DesignedClientSize) {
  // Outer width: client plus two 60-twip side borders.
  const WindowLayout w = ResizeWindow(kDesignedWindow, 6264, 6360, 6384);
  EXPECT_EQ(w.picture1, (Rect{90, 765, 6024, 5060}));
  EXPECT_EQ(w.myTools, (Rect{108, 5900, 6024, 480}));
  // The board laid out in it: the standard board, bar the inner width.
  const BoardGeometry g = LayoutBoard(w.picture1.Height, w.picture1.Width, w.picture1.Height);
  EXPECT_EQ(g.VLineWidth, 67);
  EXPECT_EQ(g.HLineHeight, 60);
}

TEST(ResizeWindow, ComputerPanelKeepsToTheRightEdge) {
  for (float inner : {6264.0f, 8000.0f, 12345.5f}) {
    const float borders = 120.0f;
    const WindowLayout w = ResizeWindow(kDesignedWindow, inner, 6360, inner + borders);
    const Rect& panel = w.PlyrFrame[1];
    EXPECT_EQ(inner - (panel.Left + panel.Width), 150.0f - borders) << inner;
    EXPECT_EQ(panel.Top, 216.0f);
    EXPECT_EQ(panel.Width, 1632.0f);
    EXPECT_EQ(w.PlyrFrame[0], kDesignedWindow.PlyrFrame[0]);
  }
}

TEST(ResizeWindow, LogoIsCentredInTheGap) {
  // Panel 1 at 8120 - 150 - 1632 = 6338; gap 6338 - 1308 - 2580 = 2450.
  const WindowLayout w = ResizeWindow(kDesignedWindow, 8000, 6360, 8120);
  EXPECT_EQ(w.Logo, (Rect{1308 + 1225, 765 - 552 - 50, 2580, 552}));
  EXPECT_EQ(w.Logo.Left - 1308, w.PlyrFrame[1].Left - (w.Logo.Left + w.Logo.Width));
}

TEST(ResizeWindow, LogoGapRoundsHalfToEven) {
  // gap 2450.5 rounds to 2450, gap 2451.5 to 2452.
  EXPECT_EQ(ResizeWindow(kDesignedWindow, 8000, 6360, 8120.5f).Logo.Left, 2533.0f);
  EXPECT_EQ(ResizeWindow(kDesignedWindow, 8000, 6360, 8121.5f).Logo.Left, 2534.0f);
  // An odd gap puts the logo on a half twip.
  EXPECT_EQ(ResizeWindow(kDesignedWindow, 8000, 6360, 8121.0f).Logo.Left, 2533.5f);
}

TEST(ResizeWindow, NoGapKeepsTheLogoLeftButMovesItsTop) {
  WindowLayout start = kDesignedWindow;
  start.Logo.Left = 1234;
  // Outer widths giving a negative gap, a gap of exactly 0 and a gap of 0.4
  // (which rounds to 0).
  for (float outer : {4000.0f, 5670.0f, 5670.4f}) {
    const WindowLayout w = ResizeWindow(start, 3000, 6360, outer);
    EXPECT_EQ(w.Logo.Left, 1234.0f) << outer;
    EXPECT_EQ(w.Logo.Top, 163.0f) << outer;
  }
  // Half a twip more: 0.9 rounds to 1, and the logo moves.
  EXPECT_EQ(ResizeWindow(start, 3000, 6360, 5670.9f).Logo.Left, 1308.5f);
}

TEST(ResizeWindow, TooSmallWindowKeepsTheBoardSizeInThatDirection) {
  WindowLayout start = kDesignedWindow;
  start.picture1.Width = 4000;
  start.picture1.Height = 3000;

  // Too narrow (240 itself is too narrow), tall enough.
  WindowLayout w = ResizeWindow(start, 240, 6360, 360);
  EXPECT_EQ(w.picture1, (Rect{90, 765, 4000, 5060}));
  EXPECT_EQ(w.myTools.Width, 4000.0f);

  // Wide enough, too short (1300 itself is too short).
  w = ResizeWindow(start, 6264, 1300, 6384);
  EXPECT_EQ(w.picture1, (Rect{90, 765, 6024, 3000}));
  EXPECT_EQ(w.myTools.Top, 3000.0f + 765 + 75);

  // Both.
  w = ResizeWindow(start, 100, 200, 220);
  EXPECT_EQ(w.picture1, start.picture1);

  // Just over the margins.
  w = ResizeWindow(start, 240.5f, 1300.5f, 360.5f);
  EXPECT_EQ(w.picture1, (Rect{90, 765, 0.5f, 0.5f}));
}

TEST(ResizeWindow, OnlyTheFollowingPartsChange) {
  const WindowLayout w = ResizeWindow(kDesignedWindow, 9000, 9000, 9120);
  EXPECT_EQ(w.picture1.Left, 90.0f);
  EXPECT_EQ(w.picture1.Top, 765.0f);
  EXPECT_EQ(w.myTools.Left, 108.0f);
  EXPECT_EQ(w.myTools.Height, 480.0f);
  EXPECT_EQ(w.Logo.Width, 2580.0f);
  EXPECT_EQ(w.Logo.Height, 552.0f);
  EXPECT_EQ(w.PlyrFrame[1].Height, 480.0f);
}

}  // namespace
}  // namespace pellumo
