// The "High Scores" window driven as a player would: a game ends with a
// high score, the name is typed, OK stores it, the next opening shows it.
#include "records/highscorewindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "computer/random.h"
#include "engine/game.h"
#include "engine/gameui.h"
#include "records/profileman.h"

namespace pellumo {
namespace {

// Stands in for the main window: the end of a game opens the high-score
// window the way the real window does, everything else answers at once.
class EndOfGameUi : public GameUi {
 public:
  Game* game = nullptr;
  void FlashLine(const std::string&, std::int16_t) override {}
  void PlayCaptureSound() override {}
  void MessageBox(const std::string&, const std::string&) override {}
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
  void ShowHighScore() override { LoadHighScoreWindow(*game, nullptr); }
  void ReloadWindow() override {}
  void Quit() override {}
};

struct HighScoreWindowTest : ::testing::Test {
  QTemporaryDir folder;
  ProfileMan profile{folder.path().toStdString()};
  EndOfGameUi ui;
  ScriptedRandom random;
  Game game{profile, ui, random};

  HighScoreWindowTest() {
    ui.game = &game;
    game.ComputerTurnHook = nullptr;
    game.Load();
  }
  ~HighScoreWindowTest() override {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == "HighScore") delete w;
    }
  }

  void Finish(int human, int computer) {
    game.Player1Score = static_cast<std::int16_t>(human);
    game.Player2Score = static_cast<std::int16_t>(computer);
    game.GameOver();
  }

  // The one high-score window, or nullptr when none exists.
  static QWidget* Window() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QWidget* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == "HighScore") {
        EXPECT_EQ(found, nullptr) << "more than one high-score window";
        found = w;
      }
    }
    return found;
  }
  static QLineEdit* Name(QWidget* w, int i) {
    return w->findChild<QLineEdit*>(QString("MyName_%1").arg(i));
  }
  static QString ScoreText(QWidget* w, int i) {
    return w->findChild<QLabel*>(QString("Score_%1").arg(i))->text();
  }
  static QString Text(QWidget* w, const char* name) {
    if (auto* box = w->findChild<QLineEdit*>(name)) return box->text();
    return w->findChild<QLabel*>(name)->text();
  }
  // Types each character as its own key press, as a keyboard with any
  // layout would deliver it.
  static void Type(QWidget* target, const QString& text) {
    for (const QChar c : text) {
      QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
  static QPushButton* Ok(QWidget* w) { return w->findChild<QPushButton*>("Command1"); }
  static bool ReadOnlyLook(QWidget* w, int i) {
    return Name(w, i)->palette().color(QPalette::Base) == w->palette().color(QPalette::Window);
  }
};

TEST_F(HighScoreWindowTest, AWinningNameIsTypedStoredAndShownNextTime) {
  Finish(40, 24);
  QWidget* w = Window();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->windowTitle(), "High Scores");
  EXPECT_EQ(w->windowModality(), Qt::NonModal) << "the game window stays usable";
  EXPECT_FALSE(game.NewHighScore);

  QLineEdit* entry = Name(w, 0);
  EXPECT_EQ(entry->text(), "Enter Your Name Here");
  EXPECT_EQ(entry->selectedText(), entry->text());
  EXPECT_EQ(w->focusWidget(), entry);
  EXPECT_EQ(entry->palette().color(QPalette::Base), QColor(255, 255, 255));
  EXPECT_EQ(ScoreText(w, 0), "40");
  EXPECT_EQ(Name(w, 1)->text(), " ");
  EXPECT_TRUE(ReadOnlyLook(w, 1));
  EXPECT_EQ(Text(w, "GPlay"), "1");
  EXPECT_EQ(Text(w, "GWon"), "1");
  EXPECT_EQ(Text(w, "PctWon"), "100.0%");

  // Typing replaces the selected prompt, whatever the characters.
  Type(entry, QString::fromUtf8("Zoë 李"));
  EXPECT_EQ(entry->text(), QString::fromUtf8("Zoë 李"));
  QTest::mouseClick(Ok(w), Qt::LeftButton);
  EXPECT_EQ(Window(), nullptr) << "OK closes and destroys the window";
  EXPECT_EQ(profile.ProfileReadString("HIGH_SCORES_NOVICE", "NAME1"), "Zoë 李");
  EXPECT_EQ(profile.ProfileReadString("HIGH_SCORES_NOVICE", "SCORE1"), "40");
  EXPECT_EQ(profile.ProfileReadString("HIGH_SCORES_NOVICE", "NAME5"), "");

  mnuHighScores_Click(game, nullptr);
  w = Window();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(Name(w, 0)->text(), QString::fromUtf8("Zoë 李"));
  EXPECT_EQ(ScoreText(w, 0), "40");
  EXPECT_TRUE(ReadOnlyLook(w, 0));
  EXPECT_EQ(ScoreText(w, 1), "0");
}

TEST_F(HighScoreWindowTest, ClosingByTheTitleBarSavesNothing) {
  profile.ProfileWriteString("HIGH_SCORES_NOVICE", "NAME1", "Ann");
  profile.ProfileWriteString("HIGH_SCORES_NOVICE", "SCORE1", "30");
  Finish(35, 29);
  QWidget* w = Window();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(Name(w, 1)->text(), "Ann") << "the old top row moved down";
  Type(Name(w, 0), "Bob");
  w->close();  // what the title bar's close box sends

  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(profile.ProfileReadString("HIGH_SCORES_NOVICE", "NAME1"), "Ann");
  EXPECT_EQ(profile.ProfileReadString("HIGH_SCORES_NOVICE", "NAME2"), "*");
  mnuHighScores_Click(game, nullptr);
  EXPECT_EQ(Name(Window(), 0)->text(), "Ann");
}

TEST_F(HighScoreWindowTest, AClickOnAnOldEntryGoesToOk) {
  profile.ProfileWriteString("HIGH_SCORES_NOVICE", "NAME1", "Ann");
  profile.ProfileWriteString("HIGH_SCORES_NOVICE", "SCORE1", "30");
  mnuHighScores_Click(game, nullptr);
  QWidget* w = Window();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(Name(w, 0)->cursor().shape(), Qt::ArrowCursor);
  QTest::mouseClick(Name(w, 0), Qt::LeftButton);
  EXPECT_EQ(w->focusWidget(), Ok(w));
  Type(w->focusWidget(), "x");
  EXPECT_EQ(Name(w, 0)->text(), "Ann");

  // The row being entered is an ordinary text box.
  Finish(50, 14);
  w = Window();
  QLineEdit* entry = Name(w, 0);
  EXPECT_EQ(entry->cursor().shape(), Qt::IBeamCursor);
  Ok(w)->setFocus();
  QTest::mouseClick(entry, Qt::LeftButton);
  EXPECT_EQ(w->focusWidget(), entry);
}

TEST_F(HighScoreWindowTest, EveryOpeningShowsWhatIsStoredNow) {
  // Nothing qualifies: no window, not even a hidden one.
  for (int i = 1; i <= 5; ++i) {
    profile.ProfileWriteString("HIGH_SCORES_NOVICE", "NAME" + std::to_string(i), "P");
    profile.ProfileWriteString("HIGH_SCORES_NOVICE", "SCORE" + std::to_string(i), "20");
  }
  Finish(20, 44);
  EXPECT_EQ(Window(), nullptr);
  EXPECT_FALSE(game.NewHighScore);

  // A window left open for viewing follows the games counted meanwhile...
  mnuHighScores_Click(game, nullptr);
  EXPECT_EQ(Text(Window(), "GPlay"), "1");
  Finish(10, 54);
  EXPECT_EQ(Text(Window(), "GPlay"), "2");
  // ...and becomes the entry window of the next qualifying game.
  Finish(21, 43);
  QWidget* w = Window();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(Name(w, 0)->text(), "Enter Your Name Here");
  EXPECT_EQ(Text(w, "GPlay"), "3");

  // A name being typed survives a look at the menu item.
  Type(Name(w, 0), "Cy");
  mnuHighScores_Click(game, nullptr);
  EXPECT_EQ(Window(), w);
  EXPECT_EQ(Name(w, 0)->text(), "Cy");

  // Another level shows its own table once the entry is done.
  QTest::mouseClick(Ok(w), Qt::LeftButton);
  game.mnuDiff_Click(2);
  mnuHighScores_Click(game, nullptr);
  EXPECT_EQ(Name(Window(), 0)->text(), " ");
  EXPECT_EQ(Text(Window(), "GPlay"), "0");
  EXPECT_EQ(profile.ProfileReadString("HIGH_SCORES_NOVICE", "NAME1"), "Cy");
}

}  // namespace
}  // namespace pellumo
