// The "High Scores" window. It only shows and edits a HighScoreTable; where
// a score goes and what is stored is decided in records/highscores.cpp.
#include "records/highscorewindow.h"

#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <limits>

#include "engine/game.h"
#include "engine/gameui.h"
#include "records/highscores.h"
#include "records/profileman.h"
#include "window/fonts.h"
#include "window/mainwindow.h"
#include "window/twips.h"

namespace pellumo {

namespace {

const QColor kHeadingColour(0, 0, 192);
const QColor kRowColour(0, 0, 255);
const QColor kEntryBackground(255, 255, 255);
// The counters' boxes wear the system's active-border colour; this is its
// usual value on the desktop the game was designed for.
const QColor kActiveBorder(180, 180, 180);

constexpr std::array<float, kHighScoreRows> kRowTops{828, 1440, 2052, 2664, 3276};

// A row's controls in its frame, left to right: the rank, the name and the
// score, each in the rows' font and with this part of its palette in the
// rows' colour.
struct RowControl {
  const char* name;  // "_<row>" follows
  Rect at;
  QPalette::ColorRole coloured;
};
constexpr std::array<RowControl, 3> kRowControls{{
    {"Label2", {252, 48, 288, 420}, QPalette::WindowText},
    {"MyName", {540, 48, 2784, 420}, QPalette::Text},
    {"Score", {3492, 48, 912, 420}, QPalette::WindowText},
}};

QFont DialogFont(int points, bool italic = false) {
  QFont font(kDialogFace, points);
  font.setStyleHint(QFont::SansSerif);
  font.setItalic(italic);
  return font;
}

void SetTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

bool IsEnter(const QKeyEvent* event) {
  return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
         (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

QString ToQt(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
std::string FromQt(const QString& text) { return text.toUtf8().toStdString(); }

class HighScore : public QWidget {
  Q_OBJECT

 public:
  HighScore(const ProfileMan& profile, GameUi& ui) : profile_(profile), ui_(ui) {
    setObjectName("HighScore");
    setWindowTitle(tr("High Scores"));
    // The window belongs to no main window: "New Game" replaces the main
    // window, and a name being entered must survive that. It must not keep
    // the program alive on its own either.
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);

    const Twips twips = Twips::For(this);
    setFixedSize(twips.SizeToPixels(5052, 4668));

    auto* Label1 = twips.Place(new QLabel(tr("The Pellumo Hall of Fame"), this), "Label1",
                               {324, 288, 3432, 336});
    Label1->setFont(DialogFont(12, true));
    SetTextColour(Label1, QPalette::WindowText, kHeadingColour);

    for (int i = 0; i < kHighScoreRows; ++i) {
      const auto n = static_cast<std::size_t>(i);
      auto* frame = twips.Place(new QFrame(this), QString("Frame1_%1").arg(i),
                                {288, kRowTops[n], 4584, 516});
      frame->setFrameShape(QFrame::NoFrame);

      // Made in this order, which is the order of kRowControls.
      const std::array<QWidget*, 3> controls{new QLabel(QString::number(i + 1), frame),
                                             MyName[n] = new QLineEdit(" ", frame),
                                             Score[n] = new QLabel(frame)};
      for (std::size_t c = 0; c < controls.size(); ++c) {
        const RowControl& design = kRowControls[c];
        twips.Place(controls[c], QString("%1_%2").arg(design.name).arg(i), design.at);
        controls[c]->setFont(DialogFont(12));
        SetTextColour(controls[c], design.coloured, kRowColour);
      }
      // A name may be as long as the player likes; the settings file keeps
      // what it can.
      MyName[n]->setMaxLength(std::numeric_limits<int>::max());
      MyName[n]->installEventFilter(this);
      // A screen reader reads the field's text after its name.
      MyName[n]->setAccessibleName(tr("Name %1").arg(i + 1));
    }

    auto* Frame2 = twips.Place(new QFrame(this), "Frame2", {108, 3888, 3468, 696});
    Frame2->setFrameShape(QFrame::NoFrame);
    const std::array<const char*, 2> captions{QT_TR_NOOP("Games played:"), QT_TR_NOOP("Games won:")};
    const std::array<float, 2> tops{36, 360};
    for (std::size_t k = 0; k < 2; ++k) {
      auto* caption = twips.Place(new QLabel(tr(captions[k]), Frame2), QString("Label3_%1").arg(k),
                                  {72, tops[k], 2016, 288});
      caption->setFont(DialogFont(8));
      caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      QLineEdit* box = twips.Place(new QLineEdit(Frame2), k == 0 ? "GPlay" : "GWon",
                                   {2160, tops[k], 552, 288});
      box->setFont(DialogFont(8));
      // The counters are only shown: nothing would store an edit of them.
      box->setReadOnly(true);
      box->setFocusPolicy(Qt::NoFocus);
      QPalette palette = box->palette();
      palette.setColor(QPalette::Base, kActiveBorder);
      box->setPalette(palette);
      box->setAccessibleName(QString(captions[k]).chopped(1));
      (k == 0 ? GPlay : GWon) = box;
    }
    PctWon = twips.Place(new QLabel(Frame2), "PctWon", {2772, 360, 552, 264});
    PctWon->setFont(DialogFont(8));

    Command1 = twips.Place(new QPushButton(tr("OK"), this), "Command1", {4032, 3960, 840, 408});
    Command1->setFont(DialogFont(8));
    QObject::connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  }

  // Shows a table read from the settings file: read-only rows in the
  // window's colour, the entry row (if any) white.
  void Fill(const HighScoreTable& table) {
    table_ = table;
    const QColor background = palette().color(QPalette::Window);
    for (int i = 0; i < kHighScoreRows; ++i) {
      const auto n = static_cast<std::size_t>(i);
      const bool entry = i == table.EntryRow;
      QPalette rowPalette = MyName[n]->palette();
      rowPalette.setColor(QPalette::Base, entry ? kEntryBackground : background);
      MyName[n]->setPalette(rowPalette);
      MyName[n]->setText(ToQt(table.MyName[n]));
      MyName[n]->setCursorPosition(0);
      // Only the entry row edits and takes the focus: Tab never lands on an
      // old entry, and no key can change one.
      MyName[n]->setReadOnly(!entry);
      MyName[n]->setFocusPolicy(entry ? Qt::StrongFocus : Qt::NoFocus);
      // Over an old entry the pointer is the arrow, not a text cursor.
      MyName[n]->setCursor(entry ? Qt::IBeamCursor : Qt::ArrowCursor);
      Score[n]->setText(ToQt(table.Score[n]));
      // A label is read out by its name, which would be the bare number.
      // (Qt sends the event even for the same name.)
      const QString name = tr("Score %1: %2").arg(i + 1).arg(Score[n]->text());
      if (Score[n]->accessibleName() != name) Score[n]->setAccessibleName(name);
    }
    ShowCounters();
  }

  // Shows the table of this window's level as stored now, for viewing.
  void Reread() { Fill(ReadHighScoreTable(profile_.ProfileRead(), table_.Level)); }

  // Re-reads the counters only, keeping the rows and a name being typed.
  void RefreshCounters() {
    ReadHighScoreCounters(profile_.ProfileRead(), table_);
    ShowCounters();
  }

  bool HoldsEntry() const { return table_.EntryRow >= 0; }

  // The name being entered, or OK when the table is only viewed.
  void FocusEntry() {
    if (!HoldsEntry()) {
      Command1->setFocus(Qt::OtherFocusReason);
      return;
    }
    QLineEdit* name = MyName[static_cast<std::size_t>(table_.EntryRow)];
    name->setFocus(Qt::OtherFocusReason);
    // Typing replaces the whole prompt, but never a name being typed: this
    // window comes up again whenever the player looks at the table.
    if (!name->isModified()) name->selectAll();
  }

  // The table with the texts as they stand in the window.
  HighScoreTable Current() const {
    HighScoreTable table = table_;
    for (std::size_t n = 0; n < kHighScoreRows; ++n) {
      table.MyName[n] = FromQt(MyName[n]->text());
      table.Score[n] = FromQt(Score[n]->text());
    }
    return table;
  }

  void Command1_Click() {
    SaveHighScoreTable(profile_, Current());
    // The typed name is lost: the player hears of it now, whatever was
    // said before.
    if (const SaveProblem& failure = profile_.LastFailure(); !failure.empty()) {
      const std::string text = SaveProblemText(failure).toStdString();
      profile_.TakeSaveProblem();
      ui_.MessageBox(text, QT_TRANSLATE_NOOP("pellumo::Game", "High Scores"));
    }
    close();
  }

  // Writes the entry as it stands, exactly as OK would, and leaves the
  // window open; whoever calls this refills it.
  void SaveEntry() {
    SaveHighScoreTable(profile_, Current());
    table_.EntryRow = -1;
  }

  // An old entry cannot be edited by clicking it: the press sends the focus
  // to OK instead. Returns true when the press was taken that way.
  bool MyName_MouseDown(int Index) {
    QLineEdit* name = MyName[static_cast<std::size_t>(Index)];
    if (name->palette().color(QPalette::Base) != palette().color(QPalette::Window)) return false;
    Command1->setFocus(Qt::MouseFocusReason);
    return true;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
      for (int i = 0; i < kHighScoreRows; ++i) {
        if (watched == MyName[static_cast<std::size_t>(i)]) return MyName_MouseDown(i);
      }
    }
    return QWidget::eventFilter(watched, event);
  }

  // Escape is the title bar's close box: nothing is saved. Enter is OK, in
  // the name box (which passes the key on, as it does in a dialog) or on OK.
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
      close();
    } else if (IsEnter(event)) {
      Command1->click();
    } else {
      QWidget::keyPressEvent(event);
    }
  }

 private:
  void ShowCounters() {
    GPlay->setText(ToQt(table_.GPlay));
    GWon->setText(ToQt(table_.GWon));
    PctWon->setText(ToQt(table_.PctWon));
    const QString name = tr("Won: %1").arg(PctWon->text());
    if (PctWon->accessibleName() != name) {
      PctWon->setAccessibleName(name);
    }
  }

  // A copy: the window may outlive the main window that opened it.
  ProfileMan profile_;
  GameUi& ui_;  // the program's, which outlives every window
  HighScoreTable table_;
  std::array<QLineEdit*, kHighScoreRows> MyName{};
  std::array<QLabel*, kHighScoreRows> Score{};
  QLineEdit* GPlay = nullptr;
  QLineEdit* GWon = nullptr;
  QLabel* PctWon = nullptr;
  QPushButton* Command1 = nullptr;
};

// At most one window exists; every opening finds it here.
QPointer<HighScore> theWindow;

HighScore* Create(Game& game, QWidget* owner) {
  theWindow = new HighScore(game.profile(), game.ui());
  if (owner != nullptr) {
    const QRect area = owner->window()->frameGeometry();
    theWindow->move(area.center() - theWindow->rect().center());
  }
  return theWindow;
}

void Present(HighScore* window) {
  window->show();
  window->raise();
  window->activateWindow();
  window->FocusEntry();
}

}  // namespace

void LoadHighScoreWindow(Game& game, QWidget* owner) {
  HighScore* window = theWindow;
  // A window closed a moment ago only waits for its deletion: it is gone.
  if (window != nullptr && !window->isVisible()) window = nullptr;

  // A game that qualifies while an entry is open: that entry is written
  // first, as typed, exactly as its OK would write it, so that no name is
  // ever lost to a newer one. The new score is then ranked against the table
  // as stored with it.
  bool saved = false;
  if (window != nullptr && window->HoldsEntry() &&
      PendingScoreQualifies(game.profile(), game.DifficultyLevel, game.Player1Score,
                            game.NewHighScore)) {
    window->SaveEntry();
    saved = true;
  }

  HighScoreTable table;
  const HighScoreLoad load = HighScoreFormLoad(game.profile(), game.DifficultyLevel,
                                              game.Player1Score, game.NewHighScore, table);

  if (load == HighScoreLoad::Entry) {
    // A qualifying game is always offered, in the one window there is.
    if (window == nullptr) window = Create(game, owner);
    window->Fill(table);
    Present(window);
    return;
  }

  if (saved) {
    // The entry just written took the last place the new score had. The
    // window stays up, showing the table now stored, the saved name in it,
    // read-only: closing it instead would make a half-typed name vanish
    // without a word. OK then closes it.
    window->Reread();
    Present(window);
    return;
  }

  if (window != nullptr && (window->HoldsEntry() || load == HighScoreLoad::NoEntry)) {
    // A game that does not qualify, or a look at the menu item while a name
    // is typed: the rows and the name stay as they are. Only the counters
    // follow, because the game was counted and nothing in them is typed.
    window->RefreshCounters();
    if (load == HighScoreLoad::Viewing) Present(window);
    return;
  }

  // Nothing to enter: no window is made for it.
  if (load == HighScoreLoad::NoEntry) return;

  if (window == nullptr) window = Create(game, owner);
  window->Fill(table);
  Present(window);
}

void UnloadHighScoreWindow() {
  if (theWindow != nullptr) theWindow->close();
}

void mnuHighScores_Click(Game& game, QWidget* owner) {
  game.NewHighScore = false;
  LoadHighScoreWindow(game, owner);
}

}  // namespace pellumo

#include "highscorewindow.moc"
