#include "window/boardwidget.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <cmath>
#include <limits>
#include <optional>

#include "engine/game.h"

namespace pellumo {

namespace {

struct Point {
  double x = 0;
  double y = 0;
};

Point Midpoint(const Rect& r) {
  return {r.Left + r.Width / 2.0, r.Top + r.Height / 2.0};
}

// The layout's positions are whole twips give or take float rounding, so
// distances closer than this are the same distance.
constexpr double kSameDistance = 0.5;

// What every child of the board shares: it has no children of its own and
// lives only as long as the board.
class BoardChildAccessible : public QAccessibleInterface {
 public:
  explicit BoardChildAccessible(BoardWidget* board) : board_(board) {}
  bool isValid() const override { return !board_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    return board_ ? board_->window()->windowHandle() : nullptr;
  }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(board_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}

 protected:
  QPointer<BoardWidget> board_;
};

// One line of the board as assistive tools see it: a button named by its
// number and owner, focused while the cursor is on it; pressing it claims
// the line as Enter does.
class LineAccessible : public BoardChildAccessible, public QAccessibleActionInterface {
 public:
  LineAccessible(BoardWidget* board, int child) : BoardChildAccessible(board), child_(child) {}

  int Child() const { return child_; }
  QString text(QAccessible::Text t) const override {
    return board_ && t == QAccessible::Name ? board_->LineName(Line()) : QString();
  }
  QRect rect() const override {
    if (!board_) return {};
    const QRect r = board_->LineRect(Line());
    return QRect(board_->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override { return QAccessible::Button; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.focusable = true;
    s.focused = board_ && board_->hasFocus() && board_->Cursor() == Line();
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (board_ && name == pressAction()) board_->ClaimLine(Line());
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  pellumo::Line Line() const { return BoardWidget::LineOfChild(child_); }

  int child_;
};

// The board's messages to a screen reader, a notification that is never
// drawn: Qt 6.4 sends the object and not the new text when a name changes,
// which Orca cannot read, but it speaks a notification being shown.
class MessageAccessible : public BoardChildAccessible {
 public:
  using BoardChildAccessible::BoardChildAccessible;

  QString text(QAccessible::Text t) const override {
    return board_ && t == QAccessible::Name ? board_->Announcement() : QString();
  }
  QRect rect() const override { return {}; }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override { return {}; }
};

// The board: its 144 lines and the message as children, the scores as its
// description.
// Qt's cache owns every interface; the children's go with the board's.
class BoardAccessible : public QAccessibleWidget {
 public:
  explicit BoardAccessible(BoardWidget* board) : QAccessibleWidget(board, QAccessible::Client) {}
  ~BoardAccessible() override {
    for (QAccessible::Id id : ids_) {
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
  }

  int childCount() const override { return BoardWidget::kMessageChild + 1; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index > BoardWidget::kMessageChild) return nullptr;
    QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
    if (id == 0) {
      id = QAccessible::registerAccessibleInterface(
          index == BoardWidget::kMessageChild
              ? static_cast<QAccessibleInterface*>(new MessageAccessible(Board()))
              : new LineAccessible(Board(), index));
    }
    return QAccessible::accessibleInterface(id);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr || child->parent() != this) return -1;
    if (const auto* line = dynamic_cast<const LineAccessible*>(child)) return line->Child();
    return dynamic_cast<const MessageAccessible*>(child) != nullptr ? BoardWidget::kMessageChild
                                                                    : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint pos = Board()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < BoardWidget::kLineObjects; ++i) {
      const Line line = BoardWidget::LineOfChild(i);
      if (Board()->LineRect(line).contains(pos)) return child(i);
    }
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    return Board()->hasFocus() ? child(BoardWidget::ChildOfLine(Board()->Cursor())) : nullptr;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return BoardWidget::tr("Board");
    if (t == QAccessible::Description) return Board()->ScoreText();
    return QAccessibleWidget::text(t);
  }

 private:
  BoardWidget* Board() const { return static_cast<BoardWidget*>(widget()); }

  mutable std::array<QAccessible::Id, BoardWidget::kMessageChild + 1> ids_{};
};

QAccessibleInterface* BoardAccessibleFactory(const QString&, QObject* object) {
  if (auto* board = qobject_cast<BoardWidget*>(object)) return new BoardAccessible(board);
  return nullptr;
}

}  // namespace

Line NextLine(const BoardGeometry& geometry, Line from, Arrow arrow) {
  if (!LineStore::InRange(from.number)) return from;
  const auto midpoint = [&geometry](Line line) {
    return Midpoint(line.orientation == Orientation::Vertical ? geometry.vline[line.number]
                                                              : geometry.hline[line.number]);
  };
  const Point start = midpoint(from);
  // The arrow's direction, y growing downwards as on the screen.
  const double dx = arrow == Arrow::Left ? -1 : arrow == Arrow::Right ? 1 : 0;
  const double dy = arrow == Arrow::Up ? -1 : arrow == Arrow::Down ? 1 : 0;
  Line best = from;
  double bestDistance = std::numeric_limits<double>::infinity();
  // Horizontal lines first and in order, and only a clearly nearer line
  // replaces the best so far: equally near lines go to the first seen.
  for (const Orientation o : {Orientation::Horizontal, Orientation::Vertical}) {
    for (std::int16_t n = 1; n <= kLinesPerOrientation; ++n) {
      const Point m = midpoint({o, n});
      const double x = m.x - start.x;
      const double y = m.y - start.y;
      const double along = x * dx + y * dy;
      const double across = std::abs(x * dy - y * dx);
      if (along < kSameDistance || across > along + kSameDistance) continue;
      const double distance = std::hypot(x, y);
      if (distance < bestDistance - kSameDistance) {
        best = {o, n};
        bestDistance = distance;
      }
    }
  }
  return best;
}

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
  setFocusPolicy(Qt::StrongFocus);
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(BoardAccessibleFactory);
    return true;
  }();
  (void)factoryInstalled;
  for (int i = 0; i < kLineObjects; ++i) {
    owners_[static_cast<std::size_t>(i)] = OwnerOf(LineOfChild(i));
  }
  for (int b = 1; b <= kBoxes; ++b) boxOwners_[static_cast<std::size_t>(b)] = BoxOwner(b);
}

bool BoardWidget::CursorShown() const { return cursorUsed_ && hasFocus() && isEnabled(); }

Line BoardWidget::LineOfChild(int child) {
  return child < kLinesPerOrientation
             ? Line{Orientation::Horizontal, static_cast<std::int16_t>(child + 1)}
             : Line{Orientation::Vertical, static_cast<std::int16_t>(child - kLinesPerOrientation + 1)};
}

int BoardWidget::ChildOfLine(Line line) {
  return line.orientation == Orientation::Vertical ? kLinesPerOrientation + line.number - 1
                                                   : line.number - 1;
}

// Who claimed the line, from its fore colour: a replay repaints a human's
// line in the computer's back colour, but it is still the human's.
int BoardWidget::OwnerOf(Line line) const {
  const LineControl* control = game_.lines.Control(line);
  if (control == nullptr || control->ForeColor == kFreeLine) return 0;
  return control->ForeColor == kHumanLine ? 1 : 2;
}

int BoardWidget::BoxOwner(int box) const {
  const BoxFill& fill = game_.gridbx1[static_cast<std::size_t>(box)];
  if (!fill.Visible) return 0;
  return fill.BackColor == kHumanBox ? 1 : fill.BackColor == kComputerBox ? 2 : 0;
}

QString BoardWidget::LineWords(Line line) {
  return (line.orientation == Orientation::Vertical ? tr("Vertical line %1") : tr("Horizontal line %1"))
      .arg(line.number);
}

QString BoardWidget::LineName(Line line) const {
  static const char* const owners[] = {QT_TR_NOOP("free"), QT_TR_NOOP("yours"),
                                       QT_TR_NOOP("the computer's")};
  return tr("%1, %2").arg(LineWords(line), tr(owners[OwnerOf(line)]));
}

QString BoardWidget::ScoreText() const {
  return tr("You %1, Computer %2").arg(game_.Player1Score).arg(game_.Player2Score);
}

void BoardWidget::ShowState() {
  update();
  // The game shows every claim before it closes boxes with it, so the boxes
  // that change belong to the last line that did.
  for (int i = 0; i < kLineObjects; ++i) {
    const int owner = OwnerOf(LineOfChild(i));
    if (owner != owners_[static_cast<std::size_t>(i)]) {
      owners_[static_cast<std::size_t>(i)] = owner;
      SendAccessible(QAccessible::NameChanged, i);
      if (owner != 0) turn_.push_back({owner, LineOfChild(i), {}});
    }
  }
  for (int b = 1; b <= kBoxes; ++b) {
    const int owner = BoxOwner(b);
    if (owner != boxOwners_[static_cast<std::size_t>(b)]) {
      boxOwners_[static_cast<std::size_t>(b)] = owner;
      if (owner != 0 && !turn_.empty()) turn_.back().boxes.push_back(b);
    }
  }
}

QString BoardWidget::TakeTurnMessage() {
  if (turn_.empty()) return {};
  QStringList players;
  QStringList claims;
  int owner = 0;
  const auto endRun = [&] {
    if (!claims.isEmpty()) players << (owner == 1 ? tr("You: %1") : tr("Computer: %1")).arg(claims.join(tr("; ")));
    claims.clear();
  };
  for (const Claim& claim : turn_) {
    if (claim.owner != owner) {
      endRun();
      owner = claim.owner;
    }
    QString words = LineWords(claim.line);
    if (!claim.boxes.empty()) {
      QStringList boxes;
      for (int b : claim.boxes) boxes << QString::number(b);
      words = (claim.boxes.size() == 1 ? tr("%1, box %2") : tr("%1, boxes %2"))
                  .arg(words, boxes.join(tr(" and ")));
    }
    claims << words;
  }
  endRun();
  turn_.clear();
  players << ScoreText();
  return tr("%1.").arg(players.join(tr(". ")));
}

void BoardWidget::Announce(const QString& message) {
  if (message.isEmpty()) return;
  announcement_ = message;
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(this);
  if (board == nullptr) return;
  QAccessibleEvent event(board->child(kMessageChild), QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&event);
}

void BoardWidget::SendAccessible(QAccessible::Event type, int child) {
  QAccessibleEvent event(this, type);
  if (child >= 0) event.setChild(child);
  QAccessible::updateAccessibility(&event);
}

void BoardWidget::ClaimLine(Line line) {
  const LineControl* control = game_.lines.Control(line);
  if (!isEnabled() || control == nullptr || !control->Enabled) return;
  emit lineClicked(QString::fromUtf8(CompassWord(line.orientation).data()), line.number);
}

void BoardWidget::ShowCursorLine() {
  cursorUsed_ = true;
  game_.readouts.Text1 =
      (cursor_.orientation == Orientation::Vertical ? "V - " : "H - ") + std::to_string(cursor_.number);
  update();
  emit feedbackChanged();
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
  std::optional<Arrow> arrow;
  switch (event->key()) {
    case Qt::Key_Left: arrow = Arrow::Left; break;
    case Qt::Key_Right: arrow = Arrow::Right; break;
    case Qt::Key_Up: arrow = Arrow::Up; break;
    case Qt::Key_Down: arrow = Arrow::Down; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      ShowCursorLine();
      ClaimLine(cursor_);  // the cursor stays where it is
      return;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  const Line next = NextLine(geometry_, cursor_, *arrow);
  const bool moved = !(next == cursor_);
  cursor_ = next;
  ShowCursorLine();
  if (moved) SendAccessible(QAccessible::Focus, ChildOfLine(cursor_));
}

bool BoardWidget::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      // The board keeps the focus through a flash (see focusNextPrevChild)
      // and the keys pressed meanwhile go nowhere: passed on to the window,
      // a Tab would move to Advice and the next Space press it.
      if (!isEnabled()) {
        event->accept();
        return true;
      }
      break;
    case QEvent::WindowActivate:
      // Back from a dialog or a message box, the keys are the board's again.
      if (isEnabled()) setFocus(Qt::ActiveWindowFocusReason);
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

// Qt hands the focus on when the widget holding it is disabled or hidden.
// The board is disabled only while a line flashes and hidden only while it
// is laid out, so it keeps the focus: handed on, it would reach Advice.
bool BoardWidget::focusNextPrevChild(bool next) {
  if (!isEnabled() || !isVisible()) return true;
  return QWidget::focusNextPrevChild(next);
}

void BoardWidget::focusInEvent(QFocusEvent* event) {
  // Tabbing in is using the keyboard: the cursor shows at once.
  if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
    ShowCursorLine();
  }
  update();
  SendAccessible(QAccessible::Focus, ChildOfLine(cursor_));
  QWidget::focusInEvent(event);
}

void BoardWidget::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
}

void BoardWidget::SetLayout(const BoardGeometry& geometry, const Twips& twips) {
  geometry_ = geometry;
  // Every rectangle is rounded edge by edge from the same twips, so the
  // lines and boxes meet without gaps and the dots keep their size.
  for (int i = 1; i <= kBoxes; ++i) boxRects_[i] = twips.ToPixels(geometry.gridbx1[i]);
  for (int i = 1; i <= kLinesPerOrientation; ++i) {
    hRects_[i] = twips.ToPixels(geometry.hline[i]);
    vRects_[i] = twips.ToPixels(geometry.vline[i]);
  }
  update();
}

BoardWidget::Hit BoardWidget::HitTest(QPoint pos) const {
  for (int i = 1; i <= kLinesPerOrientation; ++i) {
    if (hRects_[i].contains(pos)) {
      return game_.lines.hline[i].Enabled ? Hit{Hit::HLine, i} : Hit{};
    }
    if (vRects_[i].contains(pos)) {
      return game_.lines.vline[i].Enabled ? Hit{Hit::VLine, i} : Hit{};
    }
  }
  for (int i = 1; i <= kBoxes; ++i) {
    if (boxRects_[i].contains(pos)) {
      const BoxFill& fill = game_.gridbx1[i];
      return fill.Enabled && fill.Visible ? Hit{Hit::Box, i} : Hit{};
    }
  }
  return Hit{};
}

QRect BoardWidget::LineRect(const std::string& Compass, int n) const {
  const auto line = LineNamed(Compass, static_cast<std::int16_t>(n));
  return line && n == line->number ? LineRect(*line) : QRect();
}

QRect BoardWidget::LineRect(Line line) const {
  if (!LineStore::InRange(line.number)) return {};
  return line.orientation == Orientation::Vertical ? vRects_[line.number] : hRects_[line.number];
}

QRect BoardWidget::BoxRect(int n) const {
  return n >= 1 && n <= kBoxes ? boxRects_[n] : QRect();
}

void BoardWidget::hline_MouseMove(std::int16_t Index) {
  game_.lines.hline[Index].BackColor = kHighlight;
  game_.readouts.Text1 = "H - " + std::to_string(Index);
  emit feedbackChanged();
}

void BoardWidget::vline_MouseMove(std::int16_t Index) {
  game_.lines.vline[Index].BackColor = kHighlight;
  game_.readouts.Text1 = "V - " + std::to_string(Index);
  emit feedbackChanged();
}

void BoardWidget::gridbx1_MouseMove(std::int16_t) {
  ResetHighlights(game_.lines);
  game_.readouts.Text1.clear();
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
  for (int i = 1; i <= kBoxes; ++i) {
    const BoxFill& fill = game_.gridbx1[i];
    if (fill.Visible) p.fillRect(boxRects_[i], ToQColor(fill.BackColor, pal));
  }
  for (int i = 1; i <= kLinesPerOrientation; ++i) {
    p.fillRect(hRects_[i], ToQColor(game_.lines.hline[i].BackColor, pal));
    p.fillRect(vRects_[i], ToQColor(game_.lines.vline[i].BackColor, pal));
  }
  if (CursorShown()) {
    const QRect r = LineRect(cursor_);
    const LineControl& line = *game_.lines.Control(cursor_);
    const QColor highlight = ToQColor(kHighlight, pal);
    if (line.Enabled) {
      p.fillRect(r, highlight);
    } else {
      // A taken line keeps its owner's colour, framed in the highlight.
      p.fillRect(r.adjusted(-2, -2, 2, 2), highlight);
      p.fillRect(r, ToQColor(line.BackColor, pal));
    }
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
