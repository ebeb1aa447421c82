#pragma once
// The board area `picture1`: one widget that paints the 64 box fills and the
// 144 lines from the game's line store, and works out which of them the
// pointer is over. A taken line or a closed box is disabled, so the pointer
// over it counts as the board background, as do the dots between the lines.
//
// From the keyboard a line cursor walks the lines (arrows) and claims the one
// under it (Enter or Space). The cursor is only painted: the line store, and
// with it every choice of the computer, never sees it. Assistive tools see
// the board as 144 line objects through Qt's accessibility interface.
#include <QAccessible>
#include <QColor>
#include <QRect>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "board/colours.h"
#include "board/linestore.h"
#include "board/layout.h"
#include "window/twips.h"

namespace pellumo {

class Game;

// How a colour of the line store looks: system colours (the desktop colour
// that starts every flash) take the look of the window's palette.
QColor ToQColor(Colour colour, const QPalette& palette);

// Puts every free line back in the free colour; taken lines keep their
// owner's colour.
void ResetHighlights(LineStore& lines);

enum class Arrow { Left, Right, Up, Down };

// Where an arrow key takes the line cursor: to the nearest line midpoint
// within 45 degrees either side of the arrow's direction. Equally near lines
// go horizontal first, then lower number; with none in that direction the
// cursor stays on `from`.
Line NextLine(const BoardGeometry& geometry, Line from, Arrow arrow);

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
  QRect LineRect(Line line) const;
  QRect BoxRect(int n) const;

  // Pointer feedback.
  void hline_MouseMove(std::int16_t Index);
  void vline_MouseMove(std::int16_t Index);
  void gridbx1_MouseMove(std::int16_t Index);
  void picture1_Mousemove();

  // The keyboard's line cursor. It shows while the board has the focus, once
  // a key has used it: a player who only uses the mouse sees the board as
  // designed.
  Line Cursor() const { return cursor_; }
  bool CursorShown() const;

  // Repaints from the line store and tells assistive tools which lines have
  // changed hands. The lines and boxes that changed are kept for the next
  // turn's message.
  void ShowState();

  // What assistive tools are told: "Horizontal line 12, free" and
  // "You 3, Computer 5". Child i (0..143) of the board is horizontal line
  // i + 1, then vertical line i - 71; child 144 is the notification that
  // speaks the messages.
  static constexpr int kLineObjects = kLines;
  static constexpr int kMessageChild = kLineObjects;
  static Line LineOfChild(int child);
  static int ChildOfLine(Line line);
  static QString LineWords(Line line);  // "Horizontal line 12"
  QString LineName(Line line) const;
  QString ScoreText() const;

  // A screen reader interrupts itself at each new utterance and the
  // computer's lines come a second apart, so a turn is told in one message
  // once the player is to move again: "You: Horizontal line 9. Computer:
  // Vertical line 3, box 12; Horizontal line 4. You 0, Computer 1." Empty
  // when no line has changed hands since the last one; taking it starts the
  // next.
  QString TakeTurnMessage();
  // Speaks a message through the notification child: shown to assistive
  // tools only, never drawn.
  void Announce(const QString& message);
  const QString& Announcement() const { return announcement_; }
  // Claims a free line as a click does; a taken one is refused.
  void ClaimLine(Line line);

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
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void ShowCursorLine();
  void SendAccessible(QAccessible::Event type, int child);
  int OwnerOf(Line line) const;
  int BoxOwner(int box) const;

  Game& game_;
  BoardGeometry geometry_;
  std::array<QRect, kBoxes + 1> boxRects_{};
  std::array<QRect, kLinesPerOrientation + 1> hRects_{};
  std::array<QRect, kLinesPerOrientation + 1> vRects_{};
  Hit pressed_;
  Line cursor_{Orientation::Horizontal, 1};
  bool cursorUsed_ = false;
  // What assistive tools were last told: each line's owner, and each box's.
  std::array<int, kLineObjects> owners_{};
  std::array<int, kBoxes + 1> boxOwners_{};
  // The lines claimed since the last turn's message, each with the boxes it
  // closed, and the last message spoken.
  struct Claim {
    int owner = 0;
    Line line;
    std::vector<int> boxes;
  };
  std::vector<Claim> turn_;
  QString announcement_;
};

}  // namespace pellumo
