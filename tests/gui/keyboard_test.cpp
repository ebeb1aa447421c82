// The game played from the keyboard: the line cursor, claims by Enter and
// Space, where the focus goes, the menus' keys, and what assistive tools are
// told about the board.
//
// Qt 6.4 hands events to an update handler only while a screen reader is
// running, which the offscreen platform never reports; the tests hear them
// as a screen reader's bridge does, through a bridge plugin of their own.
#define QT_STATICPLUGIN
#include <QAccessibleBridge>
#include <QAccessibleBridgePlugin>
#include <map>

#include "gui/guirig.h"
#include "records/movelog.h"
#include "startup/helpviewer.h"

namespace pellumo::testing {
namespace {

// What the board told assistive tools: the event, the child and the
// object's name at that moment. Recorded while `heard` points somewhere.
using Heard = std::tuple<int, int, QString>;
std::vector<Heard>* heard = nullptr;

class RecordingBridge : public QAccessibleBridge {
 public:
  void notifyAccessibilityUpdate(QAccessibleEvent* event) override {
    if (heard == nullptr) return;
    // The board's own events, and those of its children (the lines and the
    // message), which have no object of their own.
    QAccessibleInterface* iface = event->accessibleInterface();
    QAccessibleInterface* parent = iface && !iface->object() ? iface->parent() : nullptr;
    const int child = parent ? parent->indexOfChild(iface) : event->child();
    if (qobject_cast<BoardWidget*>(parent ? parent->object() : event->object()) == nullptr) return;
    heard->emplace_back(event->type(), child, iface ? iface->text(QAccessible::Name) : QString());
  }
  void setRootObject(QAccessibleInterface*) override {}
};

class RecordingBridgePlugin : public QAccessibleBridgePlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QAccessibleBridgeFactoryInterface" FILE
                    "accessiblerecorder.json")

 public:
  QAccessibleBridge* create(const QString&) override { return new RecordingBridge; }
};

// A key as the keyboard gives it: to whichever widget has the focus, after
// the window's shortcuts have had their chance.
void Press(const GuiRig& rig, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(rig.window().windowHandle(), key, modifiers);
}

// Walks the cursor to a line, each arrow along the greater of the distances
// left to go. This reaches any line from any other in under 30 presses.
void WalkTo(const GuiRig& rig, Line to) {
  BoardWidget* board = rig.window().picture1;
  for (int presses = 0; presses < 40 && !(board->Cursor() == to); ++presses) {
    const QPoint d = board->LineRect(to).center() - board->LineRect(board->Cursor()).center();
    if (std::abs(d.x()) >= std::abs(d.y())) {
      Press(rig, d.x() < 0 ? Qt::Key_Left : Qt::Key_Right);
    } else {
      Press(rig, d.y() < 0 ? Qt::Key_Up : Qt::Key_Down);
    }
  }
  ASSERT_EQ(board->Cursor(), to);
}

// At the designed size the boxes are wider than tall, so a vertical line
// half a box away lies within 45 degrees of Right but not of Down.
TEST(LineCursor, ArrowsTakeTheNearestLineInTheirConeAndStopAtTheEdge) {
  const BoardGeometry g = LayoutBoard(5088, 6135, 5088);
  const std::tuple<Line, Arrow, Line> cases[] = {
      {H(1), Arrow::Right, V(2)},  {H(1), Arrow::Down, H(9)},   {H(1), Arrow::Left, V(1)},
      {H(1), Arrow::Up, H(1)},     {V(1), Arrow::Left, V(1)},   {V(2), Arrow::Up, V(2)},
      {H(72), Arrow::Down, H(72)}, {V(72), Arrow::Right, V(72)}, {V(10), Arrow::Down, V(19)},
      // H 2 and H 10 are equally near: the lower number.
      {V(2), Arrow::Right, H(2)},  {V(11), Arrow::Left, H(9)}};
  for (const auto& [from, arrow, to] : cases) {
    EXPECT_EQ(NextLine(g, from, arrow), to) << ::testing::PrintToString(from) << " " << int(arrow);
  }
  // A vertical line exactly as near as a horizontal one: the horizontal.
  BoardGeometry tied = g;
  tied.vline[5] = g.hline[9];
  EXPECT_EQ(NextLine(tied, H(1), Arrow::Down), H(9));
}

TEST(KeyboardPlay, EnterAndSpaceClaimUnderTheCursorWhichStaysAndIsOnlyPainted) {
  GuiRig rig;
  BoardWidget* board = rig.window().picture1;
  Game& game = rig.game();
  const auto shown = [&](Line line) {
    return board->grab().toImage().pixelColor(board->LineRect(line).center());
  };
  const QColor highlight = ToQColor(kHighlight, board->palette());
  EXPECT_NE(shown(H(1)), highlight) << "no cursor before the keyboard is used";

  // Enter on a fresh window claims H 1; the computer answers. Its line
  // flashes in the desktop's highlight (the designed palette's), then blue
  // and cyan by turns; meanwhile the cursor is not painted: its frame around
  // H 1 could cover the computer's line where the two meet.
  const QRect h1 = board->LineRect(H(1));
  const QPoint frameOfH1 = h1.bottomLeft() + QPoint(h1.width() / 2, 1);
  QImage duringFlash;
  Colour phase = 0;
  rig.DuringFlash(40, [&] {
    duringFlash = board->grab().toImage();
    phase = rig.window().FlashColor;
  });
  Press(rig, Qt::Key_Return);
  ASSERT_EQ(game.GameMoves.Count(), 2);
  const Moves& answer = game.GameMoves.Item(2);
  EXPECT_EQ(answer.PlayerNum, 2);
  EXPECT_EQ(shown(H(1)), ToQColor(kHumanLine, board->palette())) << "a taken line keeps its colour";
  ASSERT_FALSE(duringFlash.isNull());
  const std::map<Colour, QColor> flashed = {
      {kSystemDesktop, QColor(48, 140, 198)}, {QBColor(9), Qt::blue}, {QBColor(11), Qt::cyan}};
  const QRect answerRect = board->LineRect(*LineNamed(answer.Compass, answer.LineNum));
  EXPECT_EQ(duringFlash.pixelColor(answerRect.center()), flashed.at(phase));
  EXPECT_NE(duringFlash.pixelColor(frameOfH1), highlight);
  EXPECT_EQ(board->grab().toImage().pixelColor(frameOfH1), highlight) << "framed again after";
  Press(rig, Qt::Key_Space);  // taken: nothing
  EXPECT_EQ(game.GameMoves.Count(), 2);

  // The cursor shows in the highlight and names its line; the line store
  // keeps the free colour (the computer reads a free line in any other colour
  // as taken), and the line left behind shows it again.
  const Line free = game.lines.vline[2].Enabled ? V(2) : V(11);
  WalkTo(rig, free);
  EXPECT_EQ(rig.window().Text1->text(), QString("V - %1").arg(free.number));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(board)->focusChild()->text(QAccessible::Name),
            QString("Vertical line %1, free").arg(free.number)) << "what a screen reader says";
  EXPECT_EQ(shown(free), highlight);
  EXPECT_EQ(game.lines.vline[free.number].BackColor, kFreeLine);
  // Only while the board has the focus.
  Press(rig, Qt::Key_Tab);
  EXPECT_EQ(shown(free), ToQColor(kFreeLine, board->palette()));
  Press(rig, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(shown(free), highlight);
  Press(rig, Qt::Key_Down);
  EXPECT_EQ(shown(free), ToQColor(kFreeLine, board->palette()));

  // Refused while the computer moves (during its flash: see Focus below);
  // afterwards Space claims, and the cursor stays where it was.
  WalkTo(rig, free);
  {
    GameHost::BusyScope busy(*rig.host);
    Press(rig, Qt::Key_Return);
  }
  EXPECT_EQ(game.GameMoves.Count(), 2);
  Press(rig, Qt::Key_Space);
  EXPECT_EQ(game.lines.vline[free.number].BackColor, kHumanLine);
  EXPECT_EQ(game.GameMoves.Count(), 4);
  EXPECT_EQ(board->Cursor(), free);
}

TEST(Focus, BackOnTheBoardAfterAFlashAMessageBoxAndAnotherWindow) {
  GuiRig rig;
  MainWindow& w = rig.window();
  BoardWidget* board = w.picture1;
  const auto focus = [] { return QApplication::focusWidget(); };
  int advice = 0;
  QObject::connect(w.Command1, &QPushButton::clicked, [&] { ++advice; });

  // Keys during a flash reach nothing, Tab included: no claim, no Advice.
  QWidget* during = nullptr;
  rig.DuringFlash(60, [&] {
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return}) Press(rig, key);
    during = focus();
  });
  rig.ClickLine("horz", 30);
  EXPECT_EQ(rig.game().GameMoves.Count(), 2);
  EXPECT_EQ(advice, 0);
  EXPECT_EQ(during, board);
  EXPECT_EQ(focus(), board);

  // Advice pressed with the mouse hands the keys back to the board.
  QTest::mouseClick(w.Command1, Qt::LeftButton);
  EXPECT_EQ(advice, 1);
  EXPECT_EQ(focus(), board);

  // A message box, left with the focus on Advice (Tab goes there: see the
  // next test).
  Press(rig, Qt::Key_Tab);
  rig.host->answerHook = nullptr;
  QTimer::singleShot(0, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->reject();
  });
  w.mnunew->trigger();
  EXPECT_EQ(rig.host->Window(), &w);
  w.activateWindow();  // as the window manager does when the box goes
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  EXPECT_EQ(focus(), board);

  // Another window (F1, "How to Play"), left from Advice, then this one.
  Press(rig, Qt::Key_Tab);
  Press(rig, Qt::Key_F1);
  HelpViewer* help = rig.host->Help();
  ASSERT_NE(help, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(help));
  help->close();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  EXPECT_EQ(focus(), board);
}

// Tab goes from the board to Advice, through the debug strip when it is
// shown, and back; the read-outs are passed by. Coming back to the board
// either way shows the cursor.
TEST(Focus, TabGoesFromTheBoardToAdviceAndThroughTheDebugStrip) {
  for (bool debug : {false, true}) {
    GuiRig rig("", false, nullptr, debug);
    MainWindow& w = rig.window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    std::vector<QWidget*> ring{w.picture1, w.Command1};
    if (debug) ring.insert(ring.end(), {w.Combo1, w.Command2});
    ring.push_back(w.picture1);
    if (debug) std::reverse(ring.begin(), ring.end());  // and Shift+Tab goes back the same way
    std::vector<QWidget*> stops{QApplication::focusWidget()};
    while (stops.size() < ring.size()) {
      Press(rig, debug ? Qt::Key_Backtab : Qt::Key_Tab, debug ? Qt::ShiftModifier : Qt::NoModifier);
      stops.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(stops, ring) << debug;
    EXPECT_TRUE(w.picture1->CursorShown()) << "tabbing in is using the keyboard";
  }
}

// Every key of the window's menus and buttons, each pressed on an idle
// window: what it opened, asked or did. Ctrl+Q is "Exit", held back like the
// menu item while the computer moves.
TEST(MenuKeys, EachKeyDoesItsOwnThingAndExitWaitsForTheTurn) {
  GuiRig rig;
  QMenuBar* bar = rig.window().menuBar();
  const auto what = [&] {
    std::string s;
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      s += "menu " + menu->title().toStdString();
    } else if (bar->activeAction() != nullptr) {
      s += "bar " + bar->activeAction()->text().toStdString();
    }
    if (!rig.questions.empty()) s += "asked " + rig.questions.back();
    if (rig.host->Help() != nullptr && rig.host->Help()->isVisible()) s += "help";
    if (rig.game().Player1Score != 0) s += "advice " + rig.window().Label4->text().toStdString();
    if (rig.quits != 0) s += "quit";
    return s;
  };
  const std::tuple<Qt::Key, Qt::KeyboardModifiers, std::string> keys[] = {
      {Qt::Key_A, Qt::AltModifier, "advice H - 1"},
      {Qt::Key_Alt, Qt::AltModifier, "bar &File"},
      {Qt::Key_F10, Qt::NoModifier, "menu &File"},
      {Qt::Key_F, Qt::AltModifier, "menu &File"},
      {Qt::Key_O, Qt::AltModifier, "menu &Options"},
      {Qt::Key_H, Qt::AltModifier, "menu &Help"},
      {Qt::Key_N, Qt::ControlModifier, "asked Are you sure you want to quit current game?"},
      {Qt::Key_F1, Qt::NoModifier, "help"},
  };
  for (const auto& [key, modifiers, expected] : keys) {
    Press(rig, key, modifiers);
    (void)QTest::qWaitFor([&] { return what() == expected; });  // a button's key clicks it a moment later
    EXPECT_EQ(what(), expected) << QKeySequence(key | modifiers).toString().toStdString();
    // Back to an idle window with the focus on the board.
    while (QWidget* popup = QApplication::activePopupWidget()) QTest::keyClick(popup, Qt::Key_Escape);
    QTest::keyClick(bar, Qt::Key_Escape);
    if (rig.host->Help() != nullptr) rig.host->Help()->close();
    rig.questions.clear();
    rig.game().Player1Score = 0;
    rig.window().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&rig.window()));
    rig.window().picture1->setFocus();
  }
  rig.DuringFlash(40, [&] {
    Press(rig, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(rig.quits, 0);
  });
  rig.ClickLine("horz", 40);
  GuiRig::Settle();
  EXPECT_EQ(rig.quits, 1);
}

// Orca itself hears the cursor, a turn and the advice (tests/screenreader).
// Here: the owners in the lines' names, a press from the tool, the boxes in
// a turn's message, the message before a box that would come first, and
// nothing hidden in the tree.
TEST(Accessibility, LinesNameTheirOwnersAndATurnIsToldOnceBeforeAnyBox) {
  std::vector<Heard> events;
  heard = &events;
  const auto stopListening = qScopeGuard([] { heard = nullptr; });
  GuiRig rig("", /*startUp=*/true, std::make_unique<SteppingClock>());
  BoardWidget* board = rig.window().picture1;
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(board);
  ASSERT_EQ(iface->childCount(), 145);
  EXPECT_EQ(iface->child(72 + 4)->text(QAccessible::Name), "Vertical line 5, free");
  EXPECT_EQ(iface->indexOfChild(iface->child(144)), 144);
  EXPECT_EQ(iface->child(144)->role(), QAccessible::Notification);

  // Only what is shown: no hidden window (About has closed), menu or
  // control, and nothing of the debug strip, anywhere in the tree. A closed
  // menu's items are there, as in every program. Every text and read-out
  // says what it is: a bare "0" does not.
  GuiRig::Settle();
  QStringList hidden;
  std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
    if (node->role() == QAccessible::PopupMenu) return;
    const QString name = node->text(QAccessible::Name);
    const bool text = node->role() == QAccessible::StaticText ||
                      node->role() == QAccessible::EditableText;
    if (node->state().invisible || name == "&Debug" ||
        (text && !name.contains(QRegularExpression("[A-Za-z]")))) {
      hidden << name + " " + QString::number(node->role());
    }
    for (int i = 0; i < node->childCount(); ++i) {
      if (QAccessibleInterface* child = node->child(i)) walk(child);
    }
  };
  walk(QAccessible::queryAccessibleInterface(qApp));
  EXPECT_EQ(hidden, QStringList{});

  // Claimed by a press from the tool: one event for each line that changed
  // hands, then the turn told once. (Beside them, the board is disabled for
  // the flash and takes the keys again after it.)
  events.clear();
  iface->child(72 + 8)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  std::erase_if(events, [](const Heard& h) {
    return std::get<0>(h) == QAccessible::StateChanged || std::get<0>(h) == QAccessible::Focus;
  });
  const Moves& answer = rig.game().GameMoves.Item(2);
  const Line answerLine = *LineNamed(answer.Compass, answer.LineNum);
  const QString answerName = BoardWidget::LineWords(answerLine);
  EXPECT_EQ(events, (std::vector<Heard>{
                        {QAccessible::NameChanged, 72 + 8, "Vertical line 9, yours"},
                        {QAccessible::NameChanged,  // the children as numbered above
                         (answerLine.orientation == Orientation::Vertical ? 72 : 0) + answerLine.number - 1,
                         answerName + ", the computer's"},
                        {QAccessible::ObjectShow, 144,
                         "You: Vertical line 9. Computer: " + answerName +
                             ". You 0, Computer 0."}}));

  // A turn's boxes go with the line that closed them, and the turn is told
  // before a message box (Game Over) rather than after it.
  Game& game = rig.game();
  const auto claim = [&](Line line, Colour colour, std::vector<int> boxes, Colour boxColour) {
    game.lines.Control(line)->ForeColor = colour;
    board->ShowState();
    for (int b : boxes) game.gridbx1[b].Visible = true, game.gridbx1[b].BackColor = boxColour;
    board->ShowState();
  };
  claim({Orientation::Horizontal, 1}, kHumanLine, {1}, kHumanBox);
  claim({Orientation::Vertical, 20}, kComputerLine, {}, 0);
  claim({Orientation::Horizontal, 30}, kComputerLine, {5, 6}, kComputerBox);
  game.Player1Score = 1, game.Player2Score = 2;
  QString spokenFirst;
  rig.host->answerHook = [&](const std::string&, const std::string&, bool) {
    spokenFirst = board->Announcement();
    return true;
  };
  rig.host->MessageBox("You Lose!!!", "Game Over");
  EXPECT_EQ(spokenFirst,
            "You: Horizontal line 1, box 1. Computer: Vertical line 20; Horizontal line 30, "
            "boxes 5 and 6. You 1, Computer 2.");
  EXPECT_EQ(board->TakeTurnMessage(), "") << "told once";

  // Advice speaks the line its read-out shows, and nothing for no line.
  for (const auto& [shown, spoken] : std::vector<std::pair<std::string, QString>>{
           {"V - 12", "Advice: Vertical line 12. You 1, Computer 2."},
           {"H - 72", "Advice: Horizontal line 72. You 1, Computer 2."},
           {"H - 73", "Advice: Horizontal line 72. You 1, Computer 2."},
           {"", "Advice: Horizontal line 72. You 1, Computer 2."}}) {
    game.readouts.Label4 = shown;
    rig.window().AnnounceAdvice();
    EXPECT_EQ(board->Announcement(), spoken) << shown;
  }
}

}  // namespace
}  // namespace pellumo::testing

#include "keyboard_test.moc"
Q_IMPORT_PLUGIN(RecordingBridgePlugin)
