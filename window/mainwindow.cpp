#include "window/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <charconv>
#include <cstdio>

#include "engine/game.h"
#include "records/movelog.h"
#include "records/profileman.h"
#include "records/storednumbers.h"
#include "window/boardwidget.h"
#include "window/fonts.h"
#include "window/windowhost.h"

namespace pellumo {

namespace {

void SetTextColour(QWidget* w, Colour c) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, ToQColor(c, pal));
  pal.setColor(QPalette::Text, ToQColor(c, pal));
  w->setPalette(pal);
}

void SetBackColour(QWidget* w, Colour c) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, ToQColor(c, pal));
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

void SetTextIfChanged(QLineEdit* edit, const std::string& text) {
  const QString t = QString::fromStdString(text);
  if (edit->text() != t) edit->setText(t);
}

void SetTextIfChanged(QLabel* label, const QString& text) {
  if (label->text() != text) label->setText(text);
}

void SetTextIfChanged(QLabel* label, const std::string& text) {
  SetTextIfChanged(label, QString::fromStdString(text));
}

// A read-out label is read out by its name: the bare number or line would
// not say what it is. One change sends one event, that of the name.
void SetReadOut(QLabel* label, const QString& what, const std::string& text) {
  SetTextIfChanged(label, text);
  const QString name =
      label->text().isEmpty()
          ? what
          : QCoreApplication::translate("pellumo::MainWindow", "%1: %2").arg(what, label->text());
  // Qt sends the event even for the same name.
  if (label->accessibleName() != name) label->setAccessibleName(name);
}

// The advice read-out shows "H - 12" or "V - 3".
std::optional<Line> ShownLine(const std::string& text) {
  if (text.size() < 5 || text.compare(1, 3, " - ") != 0 || (text[0] != 'H' && text[0] != 'V')) {
    return std::nullopt;
  }
  int number = 0;
  const char* end = text.data() + text.size();
  const auto [rest, error] = std::from_chars(text.data() + 4, end, number);
  if (error != std::errc{} || rest != end || !LineStore::InRange(static_cast<std::int16_t>(number))) {
    return std::nullopt;
  }
  return Line{text[0] == 'V' ? Orientation::Vertical : Orientation::Horizontal,
              static_cast<std::int16_t>(number)};
}

void SetUnderline(QLabel* label, bool underline) {
  QFont f = label->font();
  if (f.underline() != underline) {
    f.setUnderline(underline);
    label->setFont(f);
  }
}

QLineEdit* ReadOut(QWidget* parent, const QString& text) {
  auto* edit = new QLineEdit(text, parent);
  // The read-outs show the game's state; typing into them would change
  // nothing, so they take no typing, and Tab passes them by.
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::NoFocus);
  return edit;
}

// The score panels' labels: the players' names and scores, in their colours.
struct ScoreLabel {
  QLabel* MainWindow::*label;
  std::size_t panel;  // in PlyrFrame
  const char* name;
  Rect at;
  Colour text;
  std::optional<Colour> back;
};
constexpr ScoreLabel kScoreLabels[] = {
    {&MainWindow::Label1, 0, "Label1", {72, 144, 504, 240}, RGB(255, 0, 0), {}},
    {&MainWindow::plyr1score, 0, "plyr1score", {576, 144, 480, 264}, RGB(255, 0, 0),
     RGB(255, 192, 192)},
    {&MainWindow::Label2, 1, "Label2", {36, 144, 972, 276}, RGB(0, 0, 255), {}},
    {&MainWindow::plyr2score, 1, "plyr2score", {1080, 144, 480, 264}, RGB(0, 0, 255),
     RGB(192, 192, 255)},
};

}  // namespace

// The engine is plain C++ and speaks English: the texts it hands to the
// window are translated here, where they are shown. Any other text (a path
// in a failed save's message) is shown as it comes.
QString GameText(const std::string& english) {
  static const char* const texts[] = {
      QT_TRANSLATE_NOOP("pellumo::Game", "You"),
      QT_TRANSLATE_NOOP("pellumo::Game", "Computer"),
      QT_TRANSLATE_NOOP("pellumo::Game", "You Won!!!"),
      QT_TRANSLATE_NOOP("pellumo::Game", "You Lose!!!"),
      QT_TRANSLATE_NOOP("pellumo::Game", "Game Over"),
      QT_TRANSLATE_NOOP("pellumo::Game", "Are you sure you want to quit current game?"),
      QT_TRANSLATE_NOOP("pellumo::Game", "Quit Current Game?"),
  };
  (void)texts;  // for lupdate only: the lookup goes by the text itself
  return QCoreApplication::translate("pellumo::Game", english.c_str());
}

// The settings store says why a save failed in English, with the path or
// the system's words apart, so the sentence can be translated around them.
QString SaveProblemText(const SaveProblem& problem) {
  static const char* const reasons[] = {
      QT_TRANSLATE_NOOP("pellumo::Game", "it cannot be read as a file"),
      QT_TRANSLATE_NOOP("pellumo::Game",
                        "it is larger than 4 MiB, far more than any real settings file"),
      QT_TRANSLATE_NOOP("pellumo::Game",
                        "it would grow past 4 MiB, far more than any real settings file"),
      QT_TRANSLATE_NOOP("pellumo::Game", "the folder %1 belongs to another user"),
      QT_TRANSLATE_NOOP("pellumo::Game", "it is a link to %1, which belongs to another user"),
      QT_TRANSLATE_NOOP("pellumo::Game", "it belongs to another user"),
  };
  (void)reasons;  // for lupdate only, as above
  QString why = QCoreApplication::translate("pellumo::Game", problem.why.text.c_str());
  if (why.contains("%1")) why = why.arg(QString::fromStdString(problem.why.detail));
  return QCoreApplication::translate("pellumo::Game",
                                     "Your games and high scores cannot be saved to %1: %2.")
      .arg(QString::fromStdString(problem.file), why);
}

std::string TwipsText(float twips) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(twips));
  return buffer;
}

MainWindow::MainWindow(WindowHost& host)
    : host_(host), game_(host.game()), twips_(Twips::For(nullptr)) {
  setObjectName("myboxes");
  setWindowTitle("Pellumo!");
  setAttribute(Qt::WA_DeleteOnClose, false);
  BuildControls();
  BuildMenus();
  Form_Load();
  SetupKeyboard();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
  central_ = new QWidget(this);
  central_->setObjectName("client");
  central_->setFont(QFont(kDialogFace, 8));
  setCentralWidget(central_);
  central_->installEventFilter(this);
  const Twips& t = twips_;

  // The debug strip first: it lies beyond the designed width. It exists only
  // when started for debugging: hidden, it would still be read out by
  // screen readers, and its 64 cells would flood them with changes.
  if (host_.debugView) BuildDebugStrip();

  for (int i = 0; i < 2; ++i) {
    PlyrFrame[i] = new QFrame(central_);
    PlyrFrame[i]->setObjectName(QString("PlyrFrame%1").arg(i));
    PlyrFrame[i]->setFrameShape(QFrame::NoFrame);
  }
  const QFont scoreFont(kScoreFace, 9, QFont::Bold);
  for (const ScoreLabel& s : kScoreLabels) {
    QLabel* label = t.Place(new QLabel(PlyrFrame[s.panel]), s.name, s.at);
    this->*s.label = label;
    label->setFont(scoreFont);
    SetTextColour(label, s.text);
    if (s.back) SetBackColour(label, *s.back);
  }

  Logo = new QLabel("Pellumo!", central_);
  Logo->setObjectName("Logo");
  QFont logoFont(kLogoFace, 20);
  logoFont.setItalic(true);
  Logo->setFont(logoFont);
  Logo->setAlignment(Qt::AlignCenter);
  SetTextColour(Logo, RGB(128, 0, 128));

  myTools = new QFrame(central_);
  myTools->setObjectName("myTools");
  Label5 = new QLabel(tr("Current Line"), myTools);
  Label5->setGeometry(t.ToPixels(0, 36, 1308, 300));
  Text1 = t.Place(ReadOut(myTools, ""), "Text1", {1368, 36, 675, 324});
  Text1->setAccessibleName(tr("Current Line"));
  Command1 = t.Place(new QPushButton(tr("&Advice"), myTools), "Command1", {2745, 45, 975, 384});
  Command1->setToolTip(tr("Each time you ask for advice, it will cost you 1 point"));
  Label3 = new QLabel(tr("Your Best Move is:"), myTools);
  Label3->setGeometry(t.ToPixels(3744, 36, 1440, 312));
  Label4 = t.Place(new QLabel(myTools), "Label4", {5220, 36, 864, 300});
  Label4->setForegroundRole(QPalette::Highlight);  // the selection colour
  Label4->setFont(QFont(kDialogFace, 8, QFont::Bold));

  // The board area is a picture box with the usual sunken border, 30 twips
  // a side; the board is laid out in what the border leaves.
  picture1Border = new QFrame(central_);
  picture1Border->setObjectName("picture1Border");
  picture1Border->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picture1Border->setLineWidth(std::max(1, t.ToPixels(kBoardBorder)));
  picture1 = new BoardWidget(game_, picture1Border);

  Timer1.setInterval(100);
  connect(&Timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
  connect(picture1, &BoardWidget::lineClicked, this, &MainWindow::OnLineClicked);
  connect(picture1, &BoardWidget::feedbackChanged, this, &MainWindow::Refresh);
  connect(Command1, &QPushButton::clicked, this, &MainWindow::Command1_Click);
}

void MainWindow::BuildDebugStrip() {
  const Twips& t = twips_;
  updatecount = t.Place(ReadOut(central_, "Text2"), "updatecount", {6156, 72, 660, 288});
  Text2 = t.Place(ReadOut(central_, "Text2"), "Text2", {6912, 72, 660, 288});
  Picture2 = t.Place(new QFrame(central_), "Picture2", {6192, 2700, 2235, 1815});
  QFont cellFont(kDialogFace, 7);
  for (int i = 1; i <= kBoxes; ++i) {
    mystat[i] = ReadOut(Picture2, "Text2");
    mystat[i]->setObjectName("mystat");
    mystat[i]->setFont(cellFont);
    mystat[i]->setTextMargins(0, 0, 0, 0);
  }
  Combo1 = t.Place(new QComboBox(central_), "Combo1", {6912, 4752, 1275, 288});
  Command2 = t.Place(new QPushButton(tr("Print Moves"), central_), "Command2", {6912, 5148, 1275, 375});
  // Where "Print Moves" wrote the log, or that it could not.
  PrintMovesResult = t.Place(new QLabel(central_), "PrintMovesResult", {6192, 5580, 2520, 600});
  PrintMovesResult->setWordWrap(true);
  PrintMovesResult->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  PrintMovesResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
  connect(Command2, &QPushButton::clicked, this, &MainWindow::Command2_Click);
}

void MainWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setNativeMenuBar(false);

  // Every menu and item has a mnemonic; the letters do not clash within a
  // menu, and none is A, which presses Advice.
  QMenu* file = bar->addMenu(tr("&File"));
  mnunew = file->addAction(tr("&New Game"));
  mnunew->setShortcut(QKeySequence("Ctrl+N"));
  file->addSeparator();
  mnuexit = file->addAction(tr("E&xit"));
  mnuexit->setShortcut(QKeySequence("Ctrl+Q"));

  QMenu* options = bar->addMenu(tr("&Options"));
  mnuDifficulty = options->addMenu(tr("&Difficulty"));
  const char* const levels[3] = {QT_TR_NOOP("&Novice"), QT_TR_NOOP("&Intermediate"),
                                 QT_TR_NOOP("&Expert")};
  for (int i = 0; i < 3; ++i) {
    mnuDiff[i] = mnuDifficulty->addAction(tr(levels[i]));
    mnuDiff[i]->setCheckable(true);
    mnuDiff[i]->setChecked(i == 2);
    connect(mnuDiff[i], &QAction::triggered, this, [this, i] { mnuDiff_Click(i); });
  }
  mnuSaveSize = options->addAction(tr("&Save Size"));
  mnuReplay = options->addAction(tr("&Replay Last Move"));
  mnuReplay->setEnabled(false);
  options->addSeparator();
  mnuHighScores = options->addAction(tr("&HighScores"));

  // A hidden menu is still read out by screen readers: the Debug menu is
  // only built when started for debugging.
  if (host_.debugView) {
    mnuDebug = bar->addMenu(tr("&Debug"));
    DebugMe = mnuDebug->addAction(tr("&View Debug"));
    DebugMe->setCheckable(true);
    DebugMe->setChecked(true);
    // The mark follows the view, not Qt's own toggling.
    connect(DebugMe, &QAction::triggered, this, [this] { DebugMe_Click(); });
  }

  QMenu* help = bar->addMenu(tr("&Help"));
  mnuAbout = help->addAction(tr("&About"));
  mnuHowTo = help->addAction(tr("&How to Play"));
  mnuHowTo->setShortcut(QKeySequence(Qt::Key_F1));

  // Alt alone reaches the menu bar through the style; F10, as in other
  // desktop programs, opens the first menu, which Qt leaves unbound.
  auto* menuKey = new QAction(this);
  menuKey->setShortcut(QKeySequence(Qt::Key_F10));
  addAction(menuKey);
  connect(menuKey, &QAction::triggered, bar, [bar] {
    for (QAction* menu : bar->actions()) {
      if (menu->isVisible() && menu->isEnabled()) {
        bar->setActiveAction(menu);
        return;
      }
    }
  });

  connect(mnunew, &QAction::triggered, this, &MainWindow::mnunew_Click);
  connect(mnuexit, &QAction::triggered, this, &MainWindow::mnuexit_Click);
  connect(mnuSaveSize, &QAction::triggered, this, &MainWindow::mnuSaveSize_Click);
  connect(mnuReplay, &QAction::triggered, this, &MainWindow::mnuReplay_Click);
  connect(mnuHighScores, &QAction::triggered, this, &MainWindow::mnuHighScores_Click);
  WindowHost* host = &host_;
  connect(mnuAbout, &QAction::triggered, this, [host] { host->mnuAbout_Click(); });
  connect(mnuHowTo, &QAction::triggered, this, [host] { host->mnuHowTo_Click(); });
}

void MainWindow::SetupKeyboard() {
  // Hidden controls drop out of the chain: in normal play Tab goes between
  // the board and Advice only.
  setTabOrder(picture1, Command1);
  if (Combo1 != nullptr) {
    setTabOrder(Command1, Combo1);
    setTabOrder(Combo1, Command2);
  }
  picture1->setFocus(Qt::OtherFocusReason);
}

void MainWindow::Form_Load() {
  ProfileMan& profile = game_.profile();
  profile.ProfileLocate();

  // The stored outer size; what is absent or no number gives the designed
  // size in that direction. The window manager's frame is known only once
  // the window is shown, so the size is applied again then.
  const ProfileText sizes = profile.ProfileRead();
  storedWidth_ = StoredTwips(sizes.ProfileReadString("Sizes", "Width"));
  storedHeight_ = StoredTwips(sizes.ProfileReadString("Sizes", "Height"));
  ApplyStoredSize();
  ShowDebugStrip();

  // The level, the board, the labels, the history and the first turn.
  game_.Load();

  if (Picture2 != nullptr) LayOutDebugGrid();

  SetupBoard();
  Refresh();
}

// The debug grid: a cell per box, in the board's rows, filling Picture2.
void MainWindow::LayOutDebugGrid() {
  const double innerW = twips_.ToTwips(Picture2->contentsRect().width());
  const double innerH = twips_.ToTwips(Picture2->contentsRect().height());
  for (int i = 1; i <= kBoxes; ++i) {
    const int col = (i - 1) % kBoxesPerSide;
    const int row = (i - 1) / kBoxesPerSide;
    QLineEdit* cell = mystat[i];
    cell->setFrame(false);
    SetBackColour(cell, kOpenBox);
    QPalette pal = cell->palette();
    pal.setColor(QPalette::Base, Qt::white);
    cell->setPalette(pal);
    cell->setGeometry(twips_.ToPixels(innerW * col / kBoxesPerSide, innerH * row / kBoxesPerSide,
                                      innerW / kBoxesPerSide, innerH / kBoxesPerSide));
    cell->setVisible(true);
  }
}

void MainWindow::ApplyStoredSize() {
  const double frameW = twips_.ToTwips(FrameExtra().width());
  const double frameH = twips_.ToTwips(FrameExtra().height());
  std::optional<double> outerWidth = storedWidth_;
  if (host_.debugView) outerWidth = debugViewMarked_ ? kDebugOuterWidth : kNormalOuterWidth;
  ResizeTwips(outerWidth ? *outerWidth - frameW : kDesignedClientWidth,
              storedHeight_ ? *storedHeight_ - frameH
                            : kDesignedClientHeight + twips_.ToTwips(menuBar()->sizeHint().height()));
}

void MainWindow::ResizeTwips(double width, double height) {
  // A stored size may be anything, up to 2^31 twips. Neither the X server
  // nor a Wayland compositor holds a window to the screen for us, and a
  // window larger than the screen cannot be moved or resized by the player,
  // so the outer size is held to the screen's available area here.
  const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  const QSize room = shown != nullptr ? shown->availableGeometry().size() - FrameExtra()
                                      : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  const auto held = [this](double twips, int most) {
    return twips_.ToPixels(twips) > most ? twips_.ToTwips(std::max(1, most)) : twips;
  };
  width = held(width, room.width());
  height = held(height, room.height());
  sizedPx_ = QSize(std::max(1, twips_.ToPixels(width)), std::max(1, twips_.ToPixels(height)));
  sizedTwips_ = QSizeF(width, height);
  resize(sizedPx_);
}

QSizeF MainWindow::SizeTwips() const {
  // A size given in twips is kept exactly while the window has the pixels
  // it was given for it: 6264 twips are 417.6 pixels, shown as 418, and the
  // board must still be laid out for 6264.
  return QSizeF(width() == sizedPx_.width() ? sizedTwips_.width() : twips_.ToTwips(width()),
                height() == sizedPx_.height() ? sizedTwips_.height() : twips_.ToTwips(height()));
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  FrameMaybeChanged();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FrameMaybeChanged();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // On Wayland Qt draws the frame itself and knows its margins only after
  // show() has returned; no move or resize follows to announce them. So the
  // frame is looked at once more, from the event loop.
  if (!frameCheckQueued_) {
    frameCheckQueued_ = true;
    QTimer::singleShot(0, this, &MainWindow::FrameMaybeChanged);
  }
}

void MainWindow::FrameMaybeChanged() {
  const QSize frame = FrameExtra();
  if (frame == knownFrame_) return;
  // A window manager announces its frame only after the window is mapped.
  // The stored size is the outer size, so it is applied again then, unless
  // the player has resized the window meanwhile. Until a frame is announced
  // the frame counts as none.
  if (knownFrame_.isNull() && size() == sizedPx_) {
    knownFrame_ = frame;
    ApplyStoredSize();
  }
  knownFrame_ = frame;
  // The computer's panel keeps its distance from the outer edge.
  Form_Resize();
}

void MainWindow::SetupBoard() {
  // Game::Load has put every box and line back in its starting colour; the
  // first layout is that of the designed board area.
  ApplyLayout();
}

QSize MainWindow::FrameExtra() const {
  if (!isWindow() || !testAttribute(Qt::WA_WState_Created)) return QSize(0, 0);
  const QSize frame = frameGeometry().size();
  return QSize(std::max(0, frame.width() - width()), std::max(0, frame.height() - height()));
}

QSizeF MainWindow::OuterTwips() const {
  const QSize frame = frameGeometry().size();
  return QSizeF(twips_.ToTwips(frame.width()), twips_.ToTwips(frame.height()));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == central_ && event->type() == QEvent::Resize) Form_Resize();
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::Form_Resize() {
  const QSizeF size = SizeTwips();
  const auto innerW = static_cast<float>(size.width());
  const auto innerH = static_cast<float>(size.height() - twips_.ToTwips(height() - central_->height()));
  const auto frameW = static_cast<float>(twips_.ToTwips(frameGeometry().width() - width()));
  if (StripShown() && innerW > kDesignedClientWidth) {
    // Room beyond the designed width belongs to the debug strip: the game's
    // part is laid out as in a borderless window of the designed width, so
    // the board and the computer's panel never slide under the strip.
    layout_ = ResizeWindow(layout_, kDesignedClientWidth, innerH, kDesignedClientWidth);
  } else {
    layout_ = ResizeWindow(layout_, innerW, innerH, innerW + frameW);
  }
  ApplyLayout();
}

bool MainWindow::StripShown() const { return host_.debugView && debugViewMarked_; }

void MainWindow::ShowDebugStrip() {
  if (!host_.debugView) return;
  const bool shown = StripShown();
  for (QWidget* w : std::initializer_list<QWidget*>{updatecount, Text2, Picture2, Combo1, Command2,
                                                    PrintMovesResult})
    w->setVisible(shown);
  DebugMe->setChecked(debugViewMarked_);
}

void MainWindow::ApplyLayout() {
  picture1->hide();
  picture1Border->setGeometry(twips_.ToPixels(layout_.picture1));
  picture1->setGeometry(picture1Border->contentsRect());
  PlyrFrame[0]->setGeometry(twips_.ToPixels(layout_.PlyrFrame[0]));
  PlyrFrame[1]->setGeometry(twips_.ToPixels(layout_.PlyrFrame[1]));
  Logo->setGeometry(twips_.ToPixels(layout_.Logo));
  myTools->setGeometry(twips_.ToPixels(layout_.myTools));
  // The line thickness follows the area's outer height; the boxes share
  // what the lines leave of its inner size.
  const Rect& area = layout_.picture1;
  const auto border = static_cast<float>(twips_.ToTwips(picture1Border->frameWidth()));
  picture1->SetLayout(LayoutBoard(area.Height, area.Width - 2 * border, area.Height - 2 * border),
                      twips_);
  picture1->show();
}

void MainWindow::Refresh() {
  const ReadOuts& shown = game_.readouts;
  SetTextIfChanged(Label1, GameText(shown.Label1));
  SetTextIfChanged(Label2, GameText(shown.Label2));
  SetUnderline(Label1, shown.Label1Underline);
  SetUnderline(Label2, shown.Label2Underline);
  SetReadOut(plyr1score, tr("Your score"), shown.plyr1score);
  SetReadOut(plyr2score, tr("Computer's score"), shown.plyr2score);
  SetTextIfChanged(Text1, shown.Text1);
  SetReadOut(Label4, tr("Your Best Move"), shown.Label4);
  if (host_.debugView) {
    SetTextIfChanged(updatecount, shown.updatecount);
    SetTextIfChanged(Text2, shown.Text2);
    for (int i = 1; i <= kBoxes; ++i) SetTextIfChanged(mystat[i], shown.mystat[i]);
  }
  for (int i = 0; i < 3; ++i) mnuDiff[i]->setChecked(shown.mnuDiffChecked[i]);
  mnuReplay->setEnabled(shown.mnuReplayEnabled);
  picture1->ShowState();
}

void MainWindow::OnLineClicked(const QString& Compass, int Index) {
  // The board takes no clicks while the computer moves; a click that slips
  // through (from a queue of events) must not claim a line in its name.
  if (host_.Busy() || game_.CurrentPlayer != 1) return;
  WindowHost::BusyScope busy(host_);
  if (Compass == "horz") {
    game_.hline_Click(static_cast<std::int16_t>(Index));
  } else {
    game_.vline_Click(static_cast<std::int16_t>(Index));
  }
  AnnounceTurn();
}

void MainWindow::AnnounceTurn() { picture1->Announce(picture1->TakeTurnMessage()); }

void MainWindow::FlashLine(Line theline) {
  WindowHost::BusyScope busy(host_);
  setCursor(Qt::WaitCursor);
  picture1->setEnabled(false);
  FlashColor = kSystemDesktop;
  LineControl* line = game_.lines.Control(theline);

  Timer1.setInterval(100);
  Colour shown = FlashColor + 1;
  NestedWait(host_.Clock(), std::chrono::milliseconds(host_.flashMilliseconds), [&] {
    if (!Timer1.isActive()) Timer1.start();
    if (line != nullptr && shown != FlashColor) {
      line->BackColor = shown = FlashColor;
      picture1->update();
    }
  });
  Timer1.stop();
  picture1->setEnabled(true);
  unsetCursor();
}

void MainWindow::Timer1_Timer() {
  FlashColor = FlashColor == QBColor(9) ? QBColor(11) : QBColor(9);
}

void MainWindow::mnunew_Click() {
  WindowHost* host = &host_;
  host_.WhenIdle([host] { host->game().mnunew_Click(); });
}

void MainWindow::mnuexit_Click() {
  WindowHost* host = &host_;
  host_.WhenIdle([host] { host->game().mnuexit_Click(); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (closingForQuit_) {
    event->accept();
    return;
  }
  // Closing the window ends the program, but not under a running turn.
  event->ignore();
  WindowHost* host = &host_;
  host_.WhenIdle([host] { host->Quit(); });
}

void MainWindow::mnuDiff_Click(int Index) {
  game_.mnuDiff_Click(static_cast<std::int16_t>(Index));  // which refreshes the window
}

void MainWindow::mnuSaveSize_Click() {
  const QSizeF outer = OuterTwips();
  game_.profile().ProfileChange([outer](ProfileText& sizes) {
    sizes.ProfileWriteString("Sizes", "Width", TwipsText(static_cast<float>(outer.width())));
    sizes.ProfileWriteString("Sizes", "Height", TwipsText(static_cast<float>(outer.height())));
  });
}

void MainWindow::mnuReplay_Click() {
  WindowHost* host = &host_;
  host_.WhenIdle([host] {
    WindowHost::BusyScope busy(*host);
    host->game().mnuReplay_Click();
  });
}

void MainWindow::mnuHighScores_Click() { host_.mnuHighScores_Click(); }

void MainWindow::DebugMe_Click() {
  // The mark follows the view, whatever Qt's own toggling of the item did.
  debugViewMarked_ = !debugViewMarked_;
  ShowDebugStrip();
  const float outerWidth = debugViewMarked_ ? kDebugOuterWidth : kNormalOuterWidth;
  ResizeTwips(outerWidth - twips_.ToTwips(FrameExtra().width()), SizeTwips().height());
  Form_Resize();
}

void MainWindow::Command1_Click() {
  WindowHost* host = &host_;
  QPointer<MainWindow> self(this);
  host_.WhenIdle([host, self] {
    WindowHost::BusyScope busy(*host);
    host->Advice();
    if (self) self->AnnounceAdvice();
  });
}

void MainWindow::AnnounceAdvice() {
  const std::optional<Line> advised = ShownLine(game_.readouts.Label4);
  if (!advised) return;  // a full board: nothing advised, nothing charged
  picture1->Announce(tr("Advice: %1. %2.")
                         .arg(BoardWidget::LineWords(*advised), picture1->ScoreText()));
}

void MainWindow::Command2_Click() {
  const std::string path = MoveLogPath();
  const QString where = QString::fromStdString(path);
  PrintMovesResult->setText(WriteMoveLog(path, game_.GameMoves) ? tr("Moves written to %1").arg(where)
                                                                 : tr("Could not write %1").arg(where));
}

}  // namespace pellumo
