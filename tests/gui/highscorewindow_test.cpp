// The "High Scores" window driven as a player would: a game ends with a
// high score, the name is typed, OK stores it, the next opening shows it.
#include "gui/guirig.h"

namespace pellumo::testing {
namespace {

void Finish(Game& game, std::int16_t human, std::int16_t computer) {
  game.Player1Score = human;
  game.Player2Score = computer;
  game.GameOver();
}
// The one high-score window, or nullptr when none exists.
QWidget* Window() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QWidgetList found = QApplication::topLevelWidgets();
  found.removeIf([](QWidget* w) { return w->objectName() != "HighScore"; });
  EXPECT_LE(found.size(), 1) << "more than one high-score window";
  return found.value(0);
}
QLineEdit* Name(QWidget* w, int i) { return w->findChild<QLineEdit*>(QString("MyName_%1").arg(i)); }
QString Text(QWidget* w, const char* name) {  // labels and read-only boxes alike
  return w->findChild<QWidget*>(name)->property("text").toString();
}
QPushButton* Ok(QWidget* w) { return w->findChild<QPushButton*>("Command1"); }
bool ReadOnlyLook(QWidget* w, int i) {
  return Name(w, i)->palette().color(QPalette::Base) == w->palette().color(QPalette::Window);
}
// Each character as its own key press, as a keyboard of any layout sends it.
void Type(QWidget* w, const QString& text) {
  for (QChar c : text) QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, c, Qt::NoModifier);
}

TEST(HighScores, AWinningNameIsTypedStoredAndShownNextTime) {
  GuiRig rig;
  Finish(rig.game(), 40, 24);
  QWidget* w = Window();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->windowModality(), Qt::NonModal) << "the game window stays usable";
  QLineEdit* entry = Name(w, 0);
  EXPECT_EQ(entry->text(), "Enter Your Name Here");
  EXPECT_EQ(w->focusWidget(), entry);
  EXPECT_EQ(entry->palette().color(QPalette::Base), QColor(Qt::white));
  EXPECT_TRUE(ReadOnlyLook(w, 1));
  EXPECT_EQ(Text(w, "GWon"), "1");
  EXPECT_EQ(Text(w, "PctWon"), "100.0%");
  Type(entry, QString::fromUtf8("Zoë 李"));
  QTest::mouseClick(Ok(w), Qt::LeftButton);
  EXPECT_EQ(Window(), nullptr) << "OK closes and destroys the window";
  rig.window().mnuHighScores->trigger();
  ASSERT_NE(w = Window(), nullptr);
  EXPECT_EQ(Name(w, 0)->text(), QString::fromUtf8("Zoë 李"));
  EXPECT_EQ(Text(w, "Score_0"), "40");
  EXPECT_TRUE(ReadOnlyLook(w, 0));
}

// A window opened for viewing: a click on an old entry goes to OK. Once a game
// makes it the entry window, the entry row takes the click; and closing it by
// the title bar saves nothing typed.
TEST(HighScores, AClickOnAnOldEntryGoesToOkAndTheTitleBarSavesNothing) {
  GuiRig rig("[HIGH_SCORES_NOVICE]\nNAME1=Ann\nSCORE1=30\n");
  rig.window().mnuHighScores->trigger();
  QWidget* w = Window();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(Name(w, 0)->cursor().shape(), Qt::ArrowCursor);
  QTest::mouseClick(Name(w, 0), Qt::LeftButton);
  EXPECT_EQ(w->focusWidget(), Ok(w));
  Finish(rig.game(), 50, 14);
  EXPECT_EQ(Name(w, 0)->cursor().shape(), Qt::IBeamCursor);
  Ok(w)->setFocus();
  QTest::mouseClick(Name(w, 0), Qt::LeftButton);
  EXPECT_EQ(w->focusWidget(), Name(w, 0));
  Type(Name(w, 0), "Bob");
  w->close();  // what the title bar's close box sends
  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(rig.host->profile().ProfileReadString("HIGH_SCORES_NOVICE", "NAME1"), "Ann");
}

TEST(HighScores, EveryOpeningShowsWhatIsStoredNow) {
  std::string table = "[HIGH_SCORES_NOVICE]\n";
  for (char i = '1'; i <= '5'; ++i) table += std::string("NAME") + i + "=P\nSCORE" + i + "=20\n";
  GuiRig rig(table);
  // Nothing qualifies: no window, not even a hidden one.
  Finish(rig.game(), 20, 44);
  EXPECT_EQ(Window(), nullptr);
  // A window left open for viewing follows the games counted meanwhile...
  rig.window().mnuHighScores->trigger();
  EXPECT_EQ(Text(Window(), "GPlay"), "1");
  Finish(rig.game(), 10, 54);
  EXPECT_EQ(Text(Window(), "GPlay"), "2");
  // ...and becomes the entry window of the next qualifying game.
  Finish(rig.game(), 21, 43);
  QWidget* w = Window();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(Name(w, 0)->text(), "Enter Your Name Here");
  EXPECT_EQ(Text(w, "GPlay"), "3");
  // A name being typed survives a look at the menu item...
  Type(Name(w, 0), "Cy");
  rig.window().mnuHighScores->trigger();
  EXPECT_EQ(Window(), w);
  EXPECT_EQ(Name(w, 0)->text(), "Cy");
  // ...and OK stores it at the level it was entered for, whatever the menu says now.
  rig.window().mnuDiff[2]->trigger();
  QTest::mouseClick(Ok(w), Qt::LeftButton);
  EXPECT_EQ(rig.host->profile().ProfileReadString("HIGH_SCORES_NOVICE", "NAME1"), "Cy");
}

}  // namespace
}  // namespace pellumo::testing
