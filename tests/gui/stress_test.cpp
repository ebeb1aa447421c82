// A thousand random clicks, pointer moves, resizes and menu and button
// choices delivered to the real main window, many while a flash or the
// computer's turn processes events or from inside a message box, "New Game"
// and "Exit" among them. Nothing may crash or touch freed memory (the
// sanitizer build runs this too), no click may reach the claim path while a
// turn or a flash runs, no line may be taken twice, and a finished game must
// account for all 64 boxes.
#include <random>

#include "gui/guirig.h"
#include "support/gamecheck.h"

namespace pellumo::testing {
namespace {

const QSize kExtremes[] = {{1, 1}, {60, 40}, {3000, 120}, {2400, 700}};

// Straight to the widget, as the window system would: a disabled board
// never sees it.
void Send(QWidget* w, QEvent::Type type, QPoint pos) {
  const auto button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent e(type, pos, w->mapToGlobal(pos), button,
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}
void Click(QWidget* w, QPoint pos) {
  for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) Send(w, type, pos);
}

struct Stress {
  std::mt19937 rng{20261206};
  std::optional<GuiRig> rig;
  QTimer timer;
  bool quit = false;
  int events = 0, busyEvents = 0, guardChecks = 0, finished = 0, quits = 0, hookDepth = 0;
  int newGamesMidTurn = 0, exitsMidTurn = 0, paid = 0;  // paid: for advice, in paidFor's game
  QPointer<MainWindow> paidFor, fullChecked;

  Stress() { timer.callOnTimeout([this] { OnTimer(); }); }
  int Pick(std::size_t n) { return std::uniform_int_distribution<int>(0, int(n) - 1)(rng); }
  MainWindow* Window() const { return rig ? rig->host->Window() : nullptr; }
  Game& game() const { return rig->game(); }
  bool Seen() const {  // what the run is about has happened
    return finished >= 2 && quits >= 2 && newGamesMidTurn >= 1 && exitsMidTurn >= 1;
  }

  void Fresh() {  // after "Exit", a new program from the settings the last one left
    timer.stop();
    // Every other program is started for debugging: the strip exists only then.
    rig.emplace(rig ? rig->Settings() : "", false, nullptr, /*debug=*/quits % 2 == 1);
    quit = false;
    rig->host->flashMilliseconds = 8;
    rig->host->quitHook = [this] { quit = true, ++quits; };
    rig->host->answerHook = [this](const std::string&, const std::string&, bool yesNo) {
      ++hookDepth;  // events from inside the box, not from boxes within boxes
      for (int i = hookDepth < 3 ? Pick(3) : 0; i > 0; --i) Deliver();
      --hookDepth;
      return !yesNo || Pick(2) == 0;
    };
    timer.start(3);
  }

  std::optional<Line> FreeLine() {  // a free line at random, if any is left
    std::vector<Line> free;
    for (int n = 1; n <= kLinesPerOrientation; ++n)
      for (const Line line : {H(n), V(n)})
        if (game().lines.Control(line)->Enabled) free.push_back(line);
    return free.empty() ? std::nullopt : std::optional(free[Pick(free.size())]);
  }

  // The main loop delivers while the game is idle; the timer while it is not.
  // Then a click on a free line, from the pointer or slipped through from an
  // event queue as the board's signal, must not claim it.
  void OnTimer() {
    MainWindow* w = Window();
    if (w == nullptr || quit || (!rig->host->Busy() && w->picture1->isEnabled())) return;
    if (const auto line = FreeLine()) {
      const int before = game().GameMoves.Count();
      Click(w->picture1, w->picture1->LineRect(*line).center());
      emit w->picture1->lineClicked(QString(CompassWord(line->orientation).data()), line->number);
      ++guardChecks;
      EXPECT_EQ(game().GameMoves.Count(), before) << ::testing::PrintToString(*line) << " claimed";
    }
    if (Pick(3) == 0) ++busyEvents, Deliver();
  }

  void Deliver() {
    MainWindow* w = Window();
    if (w == nullptr || quit) return;
    ++events;
    BoardWidget* board = w->picture1;
    const auto anywhere = [&] {  // on the board or a little beside it
      return QPoint(Pick(board->width() + 40) - 20, Pick(board->height() + 40) - 20);
    };
    // "New Game" and "Exit" come mostly under a turn, where they must wait.
    static std::discrete_distribution<int> idle{55, 8, 6, 12, 5, .2, .1, 1, 4, 3, 1, 2, 3, 2, 1};
    static std::discrete_distribution<int> turn{55, 8, 6, 12, 5, 2, 1, 1, 4, 3, 1, 2, 3, 2, 1};
    const bool midTurn = rig->host->Busy();
    switch (midTurn ? turn(rng) : idle(rng)) {
      case 0: if (auto line = FreeLine()) Click(board, board->LineRect(*line).center()); break;
      case 1: Click(board, anywhere()); break;
      case 2: {  // any line, taken or free; a box; the dot left of a line
        const int n = 1 + Pick(kLinesPerOrientation);
        const QRect h = board->LineRect("horz", n);
        const QPoint spots[] = {board->LineRect(Pick(2) ? "horz" : "vert", n).center(),
                                board->BoxRect(1 + Pick(kBoxes)).center(),
                                QPoint(h.left() - 1, h.center().y())};
        Click(board, spots[Pick(3)]);
        break;
      }
      case 3: Send(board, QEvent::MouseMove, anywhere()); break;
      case 4:  // a pixel, a sliver, very wide, or anything between
        w->resize(Pick(2) ? kExtremes[Pick(4)] : QSize(100 + Pick(1200), 80 + Pick(900)));
        break;
      case 5: newGamesMidTurn += midTurn, w->mnunew->trigger(); break;  // Yes/No at random
      case 6: exitsMidTurn += midTurn, Pick(2) ? w->mnuexit->trigger() : void(w->close()); break;
      case 7: w->mnuSaveSize->trigger(); break;
      case 8: w->mnuReplay->trigger(); break;
      case 9: w->mnuDiff[Pick(3)]->trigger(); break;
      case 10: w->mnuHighScores->trigger(); break;
      case 11: if (w->DebugMe) w->DebugMe->trigger(); break;
      case 12: Advice(*w); break;
      case 13: if (w->Combo1) rig->ShowBoxProperty(Pick(9)); break;
      case 14: if (w->Command2) w->Command2->click(); break;
    }
  }

  // "Advice" runs once the game is idle: watched from actions queued on
  // either side of it, it costs exactly one point while lines are free.
  void Advice(MainWindow& w) {
    auto before = std::make_shared<std::pair<int, bool>>();
    rig->host->WhenIdle([this, before] { *before = {game().Player1Score, game().BoardFull()}; });
    w.Command1->click();
    rig->host->WhenIdle([this, before] {
      EXPECT_EQ(before->first - game().Player1Score, before->second ? 0 : 1);
      Paid() += before->first - game().Player1Score;
    });
  }
  int& Paid() {  // a new game starts in a new window, and from nothing
    if (paidFor != Window()) paidFor = Window(), paid = 0;
    return paid;
  }

  // Every move once and by its owner, the boxes as the lines say, the scores
  // as the boxes say; and a count of the games finished.
  void CheckIdle() {
    EXPECT_EQ(BoardProblem(game(), Paid()), "");
    if (game().BoardFull() && fullChecked != Window()) fullChecked = Window(), ++finished;
  }
};

TEST(Stress, AThousandRandomEventsDuringFlashesAndTurns) {
  Stress s;
  s.Fresh();
  // A thousand events, and more until the run has seen what it is about.
  while (s.events < 1000 || (!s.Seen() && s.events < 3000)) {
    if (s.quit || s.Window() == nullptr) s.Fresh();
    s.Deliver();
    QTest::qWait(s.Pick(3));  // timers, queued actions and deletions run
    if (!s.quit && s.Window() && !s.rig->host->Busy()) s.CheckIdle();
  }
  GuiRig::Settle();
  EXPECT_TRUE(s.quit || !s.rig->host->HasPendingActions());  // nothing held back for ever
  EXPECT_TRUE(s.Seen()) << s.finished << " games finished, " << s.quits << " exits";
  EXPECT_GT(s.busyEvents, 100);
  EXPECT_GT(s.guardChecks, 100);
}

}  // namespace
}  // namespace pellumo::testing
