#include "board/layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pellumo {

namespace {

// Whole numbers of the layout round half to even; std::nearbyint does that in
// the default rounding mode, which the program never changes.
std::int16_t RoundToInt16(double x) {
  const double r = std::nearbyint(x);
  // A board area tens of metres high is no board, but must not overflow.
  return static_cast<std::int16_t>(
      std::clamp(r, double{std::numeric_limits<std::int16_t>::min()},
                 double{std::numeric_limits<std::int16_t>::max()}));
}

std::int32_t RoundToInt32(double x) {
  const double r = std::nearbyint(x);
  return static_cast<std::int32_t>(
      std::clamp(r, double{std::numeric_limits<std::int32_t>::min()},
                 double{std::numeric_limits<std::int32_t>::max()}));
}

}  // namespace

BoardGeometry LayoutBoard(float outerHeight, float innerWidth, float innerHeight) {
  BoardGeometry g;

  // Both factors are formed first, in double precision: multiplying by 80 and
  // then dividing by 6000 would round differently at the halves.
  constexpr double kLineFactor = 80.0 / 6000.0;
  constexpr double kHeightFactor = 72.0 / 80.0;
  g.VLineWidth = RoundToInt16(static_cast<double>(outerHeight) * kLineFactor);
  g.HLineHeight = RoundToInt16(g.VLineWidth * kHeightFactor);

  const float v = g.VLineWidth;
  const double h = g.HLineHeight;

  // The width is divided as it stands; the height is rounded to whole twips
  // first. A negative share (an area narrower or shorter than its nine lines)
  // cannot be applied to a control, so it becomes zero. The counts of dots
  // and boxes convert exactly, to float for the width, double for the height.
  const float boxWidth = (innerWidth - kDotsPerSide * v) / kBoxesPerSide;
  const double boxHeight =
      std::nearbyint(static_cast<double>(innerHeight) - kDotsPerSide * h) / kBoxesPerSide;
  g.BoxWidth = std::max(boxWidth, 0.0f);
  g.BoxHeight = std::max(boxHeight, 0.0);

  // Horizontal steps in single precision (each sum and product rounded to
  // float, as the width is a float), vertical steps in double precision.
  const float stepX = g.BoxWidth + v;
  const double stepY = g.BoxHeight + h;
  const float boxW = g.BoxWidth;
  const auto boxH = static_cast<float>(g.BoxHeight);
  const auto lineH = static_cast<float>(h);

  for (int i = 1; i <= kBoxes; ++i) {
    const int col = (i - 1) % kBoxesPerSide;
    const int row = (i - 1) / kBoxesPerSide;
    const float colOffset = static_cast<float>(col) * stepX;
    g.gridbx1[i] = Rect{v + colOffset, static_cast<float>(h + row * stepY), boxW, boxH};
  }
  for (int i = 1; i <= kLinesPerOrientation; ++i) {
    const int col = (i - 1) % kBoxesPerSide;
    const int row = (i - 1) / kBoxesPerSide;
    const float colOffset = static_cast<float>(col) * stepX;
    g.hline[i] = Rect{v + colOffset, static_cast<float>(row * stepY), boxW, lineH};
  }
  for (int i = 1; i <= kLinesPerOrientation; ++i) {
    const int col = (i - 1) % kDotsPerSide;
    const int row = (i - 1) / kDotsPerSide;
    g.vline[i] = Rect{static_cast<float>(col) * stepX,
                      static_cast<float>(h + row * stepY), v, boxH};
  }
  return g;
}

WindowLayout ResizeWindow(const WindowLayout& current, float innerWidth,
                          float innerHeight, float outerWidth) {
  WindowLayout w = current;

  // The board area takes what the margins leave; a window too small for the
  // margins keeps the board's size in that direction (it is then cut off).
  // Its Left and Top never change.
  if (innerWidth > 240.0f) w.picture1.Width = innerWidth - 240.0f;
  if (innerHeight > 1300.0f) w.picture1.Height = innerHeight - 1300.0f;

  w.myTools.Width = w.picture1.Width;
  w.myTools.Top = w.picture1.Height + w.picture1.Top + 75.0f;

  // The computer's panel keeps to the right edge. The outer width includes
  // the window's borders, so the panel's distance from the client area's edge
  // is 150 twips less those borders.
  w.PlyrFrame[1].Left = outerWidth - 150.0f - w.PlyrFrame[1].Width;

  // The logo sits in the middle of the room between the panels; when there
  // is no room it stays where it was rather than overlap a panel further.
  const float leftEdge = w.PlyrFrame[0].Left + w.PlyrFrame[0].Width;
  const std::int32_t gap = RoundToInt32(w.PlyrFrame[1].Left - leftEdge - w.Logo.Width);
  if (gap > 0) {
    w.Logo.Left = static_cast<float>(leftEdge + gap * 0.5);
  }
  w.Logo.Top = w.picture1.Top - w.Logo.Height - 50.0f;
  return w;
}

}  // namespace pellumo
