#pragma once
// The board area `picture1`: one widget that paints the 64 box fills and the
// 144 lines from the game's line store, and works out which of them the
// pointer is over. A taken line or a closed box is disabled, so the pointer
// over it counts as the board background, as do the dots between the lines.
#include <QColor>
#include <QRect>
#include <QWidget>
#include <array>
#include <cstdint>

#include "board/colours.h"
#include "board/linestore.h"
#include "window/layout.h"
#include "window/twips.h"

namespace pellumo {

class Game;

// How a colour of the line store looks: system colours (the desktop colour
// that starts every flash) take the look of the window's palette.
QColor ToQColor(Colour colour, const QPalette& palette);

// Puts every free line back in the free colour; taken lines keep their
// owner's colour.
void ResetHighlights(LineStore& lines);

class BoardWidget : public QWidget {
  Q_OBJECT

 public:
  struct Hit {
    enum Kind { Background, HLine, VLine, Box } kind = Background;
    int index = 0;
    bool operator==(const Hit&) const = default;
  };

  BoardWidget(Game& game, QWidget* parent);

  // Lays the board out for a board area of this size in twips.
  void SetLayout(const BoardGeometry& geometry, const Twips& twips);
  const BoardGeometry& Geometry() const { return geometry_; }

  // What the pointer at this point (widget pixels) is over.
  Hit HitTest(QPoint pos) const;
  // Where line n of an orientation ("horz"/"vert") or box n is painted.
  QRect LineRect(const std::string& Compass, int n) const;
  QRect BoxRect(int n) const;

  // Pointer feedback.
  void hline_MouseMove(std::int16_t Index);
  void vline_MouseMove(std::int16_t Index);
  void gridbx1_MouseMove(std::int16_t Index);
  void picture1_Mousemove();

 signals:
  // A free line was clicked: "horz" or "vert" and its number.
  void lineClicked(const QString& Compass, int Index);
  // The pointer feedback changed the line store or the read-out.
  void feedbackChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Game& game_;
  BoardGeometry geometry_;
  std::array<QRect, kBoardBoxes + 1> boxRects_{};
  std::array<QRect, kBoardLines + 1> hRects_{};
  std::array<QRect, kBoardLines + 1> vRects_{};
  Hit pressed_;
};

}  // namespace pellumo
