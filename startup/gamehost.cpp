#include "startup/gamehost.h"

#include <QApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QTimer>

#include "computer/computer.h"
#include "computer/random.h"
#include "records/highscorewindow.h"
#include "startup/aboutwindow.h"
#include "startup/debugview.h"
#include "startup/helpviewer.h"
#include "window/boardwidget.h"
#include "window/capturesound.h"
#include "window/mainwindow.h"
#include "window/twips.h"

namespace pellumo {

GameHost::GameHost(const GamePlaces& places, std::unique_ptr<RandomSource> random)
    : dataFolder_(QString::fromStdString(places.dataFolder)),
      profile_(places.settingsFolder, places.defaultsFile, places.perPlayer),
      random_(random ? std::move(random) : std::make_unique<ClockRandom>()),
      computer_(*random_),
      game_(std::make_unique<Game>(profile_, *this, computer_.TurnHook())),
      sound_(std::make_unique<CaptureSound>(dataFolder_ + "/Robotz Recycle.wav")) {
  auto* records = new QTimer(this);
  connect(records, &QTimer::timeout, this, &GameHost::MindTheRecords);
  records->start(500);
}

void GameHost::Advice() { computer_.Command1_Click(*game_); }

GameHost::~GameHost() {
  delete window_.data();
  delete about_.data();
  delete help_.data();
  profile_.SaveBeforeExit();
}

void GameHost::MindTheRecords() {
  // Never inside loading, a turn or another box: the timer also fires in
  // their nested waits.
  if (Busy() || quitting_ || !window_ || !window_->isVisible() ||
      QApplication::activeModalWidget() != nullptr)
    return;
  // A short try: the lock may still be held, and the window must not stall.
  profile_.SavePending(std::chrono::milliseconds(100));
  const SaveProblem problem = profile_.TakeSaveProblem();
  if (problem.empty()) return;
  const QString text = SaveProblemText(problem);
  if (answerHook) {
    answerHook(text.toStdString(), "Pellumo!", false);
    return;
  }
  auto* box = new QMessageBox(QMessageBox::Warning, "Pellumo!", text, QMessageBox::Ok, window_);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();  // the game's loop goes on; the box goes when OK is pressed
}

MainWindow* GameHost::Window() const { return window_; }
AboutWindow* GameHost::About() const { return about_; }
HelpViewer* GameHost::Help() const { return help_; }

MainWindow* GameHost::NewMainWindow() {
  auto* window = new MainWindow(*this);
  LoadDebugView(*window, *this);
  return window;
}

MainWindow* GameHost::LoadMainWindow() {
  if (!window_) window_ = NewMainWindow();
  return window_;
}

void GameHost::ShowMainWindow() { LoadMainWindow()->show(); }

void GameHost::Start() {
  if (!about_) {
    about_ = new AboutWindow(*this);
    about_->Form_Load();
  }
  LoadMainWindow();
}

void GameHost::mnuAbout_Click() {
  if (!about_) {
    about_ = new AboutWindow(*this);
    about_->Form_Load();
  }
  if (about_) {
    about_->show();
    about_->raise();
    about_->activateWindow();
  }
}

void GameHost::mnuHowTo_Click() {
  if (!help_) help_ = new HelpViewer();
  // The contents in the player's language when there is one. The loaded
  // translation names its help folder, as Qt's own names its layout
  // direction; English has none, so "en" falls back to the English pages.
  const QString help = dataFolder_ + "/help/";
  const QString translated =
      help + tr("en", "the folder of the help pages in this language, under help/") + "/index.html";
  help_->Open(QFileInfo::exists(translated) ? translated : help + "index.html");
}

void GameHost::WhenIdle(std::function<void()> action) {
  if (Busy()) {
    pending_.push_back(std::move(action));
  } else {
    action();
  }
}

void GameHost::FocusBoard() {
  if (window_) window_->picture1->setFocus(Qt::OtherFocusReason);
}

void GameHost::Unwound() {
  --busyDepth_;
  // A key pressed next is for the board, wherever a click put the focus.
  if (!Busy()) FocusBoard();
  if (!Busy() && !pending_.empty() && !runScheduled_) {
    // From the event loop, so that the handler that ended the turn has
    // returned before a new game destroys its window.
    runScheduled_ = true;
    QTimer::singleShot(0, this, &GameHost::RunPending);
  }
}

void GameHost::RunPending() {
  runScheduled_ = false;
  std::vector<std::function<void()>> actions;
  actions.swap(pending_);
  for (auto& action : actions) {
    if (quitting_) return;
    WhenIdle(std::move(action));
  }
}

void GameHost::FlashLine(Line theline) {
  if (window_) window_->FlashLine(theline);
}

void GameHost::PlayCaptureSound() { sound_->Play(Clock()); }

void GameHost::MessageBox(const std::string& text, const std::string& title) {
  // The end of a game comes inside its last claim: the last turn is told
  // before the box.
  if (window_) window_->AnnounceTurn();
  if (answerHook) {
    answerHook(text, title, false);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, GameText(title), GameText(text), QMessageBox::Ok, window_);
  // Sized to "You Won!!!" alone, the box cuts its own title short: hold it
  // at 3000 twips (200 px at 96 DPI) or wider. The box fixes its size from
  // its layout's minimum, so the room is a spacer in that layout.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(new QSpacerItem(Twips::For(window_).ToPixels(3000), 0, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  box.exec();
}

bool GameHost::AskYesNo(const std::string& text, const std::string& title) {
  if (window_) window_->AnnounceTurn();
  if (answerHook) return answerHook(text, title, true);
  QMessageBox box(QMessageBox::NoIcon, GameText(title), GameText(text),
                  QMessageBox::Yes | QMessageBox::No, window_);
  return box.exec() == QMessageBox::Yes;
}

void GameHost::ShowHighScore() { LoadHighScoreWindow(*game_, window_); }

void GameHost::mnuHighScores_Click() { pellumo::mnuHighScores_Click(*game_, window_); }

void GameHost::UnloadMainWindow() {
  if (window_) {
    window_->closingForQuit_ = true;
    window_->hide();
    window_->deleteLater();
    window_ = nullptr;
  }
  // The About window goes with the main window. The high-score window does
  // not: it belongs to no main window, and an entry in it stays pending
  // through a new game.
  if (about_) {
    about_->hide();
    about_->deleteLater();
    about_ = nullptr;
  }
}

void GameHost::ReloadWindow() {
  const QPoint position = window_ ? window_->pos() : QPoint();
  const bool placed = window_ != nullptr;
  UnloadMainWindow();
  window_ = NewMainWindow();
  if (placed) window_->move(position);
  window_->show();
}

void GameHost::Quit() {
  if (quitting_) return;
  quitting_ = true;
  pending_.clear();
  UnloadMainWindow();
  // A name not confirmed with OK goes with the program, as closing its own
  // window would lose it; closed here, whatever ends the application next.
  UnloadHighScoreWindow();
  if (help_) {
    help_->hide();
    help_->deleteLater();
  }
  if (quitHook) {
    quitHook();
  } else {
    QApplication::closeAllWindows();
    QCoreApplication::quit();
  }
}

void GameHost::Changed() {
  if (window_) window_->Refresh();
}

}  // namespace pellumo
