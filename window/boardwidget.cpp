#include "window/boardwidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "engine/game.h"

namespace pellumo {

QColor ToQColor(Colour colour, const QPalette& palette) {
  if (IsSystemColour(colour)) return palette.color(QPalette::Active, QPalette::Highlight);
  return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

void ResetHighlights(LineStore& lines) {
  for (int i = 1; i <= kLinesPerOrientation; ++i) {
    if (lines.vline[i].Enabled) lines.vline[i].BackColor = kFreeLine;
    if (lines.hline[i].Enabled) lines.hline[i].BackColor = kFreeLine;
  }
}

BoardWidget::BoardWidget(Game& game, QWidget* parent) : QWidget(parent), game_(game) {
  setObjectName("picture1");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardWidget::SetLayout(const BoardGeometry& geometry, const Twips& twips) {
  geometry_ = geometry;
  // Every rectangle is rounded edge by edge from the same twips, so the
  // lines and boxes meet without gaps and the dots keep their size.
  for (int i = 1; i <= kBoardBoxes; ++i) boxRects_[i] = twips.ToPixels(geometry.gridbx1[i]);
  for (int i = 1; i <= kBoardLines; ++i) {
    hRects_[i] = twips.ToPixels(geometry.hline[i]);
    vRects_[i] = twips.ToPixels(geometry.vline[i]);
  }
  update();
}

BoardWidget::Hit BoardWidget::HitTest(QPoint pos) const {
  for (int i = 1; i <= kBoardLines; ++i) {
    if (hRects_[i].contains(pos)) {
      return game_.lines.hline[i].Enabled ? Hit{Hit::HLine, i} : Hit{};
    }
    if (vRects_[i].contains(pos)) {
      return game_.lines.vline[i].Enabled ? Hit{Hit::VLine, i} : Hit{};
    }
  }
  for (int i = 1; i <= kBoardBoxes; ++i) {
    if (boxRects_[i].contains(pos)) {
      const BoxFill& fill = game_.gridbx1[i];
      return fill.Enabled && fill.Visible ? Hit{Hit::Box, i} : Hit{};
    }
  }
  return Hit{};
}

QRect BoardWidget::LineRect(const std::string& Compass, int n) const {
  if (!LineStore::InRange(n)) return {};
  if (Compass == "horz") return hRects_[n];
  if (Compass == "vert") return vRects_[n];
  return {};
}

QRect BoardWidget::BoxRect(int n) const {
  return n >= 1 && n <= kBoardBoxes ? boxRects_[n] : QRect();
}

void BoardWidget::hline_MouseMove(std::int16_t Index) {
  game_.lines.hline[Index].BackColor = kHighlight;
  game_.Text1 = "H - " + std::to_string(Index);
  emit feedbackChanged();
}

void BoardWidget::vline_MouseMove(std::int16_t Index) {
  game_.lines.vline[Index].BackColor = kHighlight;
  game_.Text1 = "V - " + std::to_string(Index);
  emit feedbackChanged();
}

void BoardWidget::gridbx1_MouseMove(std::int16_t) {
  ResetHighlights(game_.lines);
  game_.Text1.clear();
  emit feedbackChanged();
}

void BoardWidget::picture1_Mousemove() {
  ResetHighlights(game_.lines);
  emit feedbackChanged();
}

void BoardWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  p.fillRect(rect(), ToQColor(kBoardBackground, pal));
  for (int i = 1; i <= kBoardBoxes; ++i) {
    const BoxFill& fill = game_.gridbx1[i];
    if (fill.Visible) p.fillRect(boxRects_[i], ToQColor(fill.BackColor, pal));
  }
  for (int i = 1; i <= kBoardLines; ++i) {
    p.fillRect(hRects_[i], ToQColor(game_.lines.hline[i].BackColor, pal));
    p.fillRect(vRects_[i], ToQColor(game_.lines.vline[i].BackColor, pal));
  }
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  const Hit hit = HitTest(event->position().toPoint());
  switch (hit.kind) {
    case Hit::HLine: hline_MouseMove(static_cast<std::int16_t>(hit.index)); break;
    case Hit::VLine: vline_MouseMove(static_cast<std::int16_t>(hit.index)); break;
    case Hit::Box: gridbx1_MouseMove(static_cast<std::int16_t>(hit.index)); break;
    case Hit::Background: picture1_Mousemove(); break;
  }
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton ? HitTest(event->position().toPoint()) : Hit{};
}

// A click is a press and a release on the same free line, as with a button:
// sliding off the line before letting go takes nothing.
void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const Hit pressed = pressed_;
  pressed_ = Hit{};
  if (pressed.kind != Hit::HLine && pressed.kind != Hit::VLine) return;
  if (!(HitTest(event->position().toPoint()) == pressed)) return;
  emit lineClicked(pressed.kind == Hit::HLine ? QStringLiteral("horz") : QStringLiteral("vert"),
                   pressed.index);
}

}  // namespace pellumo
