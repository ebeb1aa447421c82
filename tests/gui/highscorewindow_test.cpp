// The "High Scores" window driven as a player would: a game ends with a
// high score, the name is typed, OK stores it, the next opening shows it;
// and what becomes of a name still open when the next game ends.
#include "gui/guirig.h"
#include "records/atomicfile.h"

namespace pellumo::testing {
namespace {

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
std::string Stored(GuiRig& rig, const std::string& key) {
  return rig.host->profile().ProfileReadString("HIGH_SCORES_NOVICE", key);
}
bool ReadOnlyLook(QWidget* w, int i) {
  return Name(w, i)->palette().color(QPalette::Base) == w->palette().color(QPalette::Window);
}
// Each character as its own key press, as a keyboard of any layout sends it.
void Type(QWidget* w, const QString& text) {
  for (QChar c : text) QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, c, Qt::NoModifier);
}

TEST(HighScores, AWinningNameIsTypedStoredAndShownNextTime) {
  GuiRig rig;
  // The real "Game Over" box this once: wide enough for its title.
  rig.host->answerHook = nullptr;
  QString title, text;
  int width = 0;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    std::tie(title, text, width) = std::tuple{box->windowTitle(), box->text(), box->width()};
    box->button(QMessageBox::Ok)->click();
  });
  Finish(rig.game(), 40, 24);
  EXPECT_EQ((std::tuple{title, text}), std::tuple("Game Over", "You Won!!!"));
  EXPECT_GE(width, 200 * QApplication::primaryScreen()->logicalDotsPerInchX() / 96);
  QWidget* w = Window();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->windowModality(), Qt::NonModal) << "the game window stays usable";
  QLineEdit* entry = Name(w, 0);
  // Each read-out says what it is to a screen reader.
  EXPECT_EQ((QStringList{entry->accessibleName(), w->findChild<QWidget*>("Score_0")->accessibleName(),
                         w->findChild<QWidget*>("GWon")->accessibleName()}),
            (QStringList{"Name 1", "Score 1: 40", "Games won"}));
  EXPECT_EQ(entry->palette().color(QPalette::Base), QColor(Qt::white));
  EXPECT_TRUE(ReadOnlyLook(w, 1));
  Type(entry, QString::fromUtf8("Zoë 李"));
  QTest::keyClick(entry, Qt::Key_Enter, Qt::KeypadModifier);  // the keypad's Enter is OK too
  EXPECT_EQ(Window(), nullptr) << "OK closes and destroys the window";
  rig.window().mnuHighScores->trigger();
  ASSERT_NE(w = Window(), nullptr);
  EXPECT_EQ(Name(w, 0)->text(), QString::fromUtf8("Zoë 李"));
  EXPECT_EQ(Text(w, "Score_0"), "40");
  EXPECT_TRUE(ReadOnlyLook(w, 0));
}

// Saves that fail (a full disk from the start) are told once a run, on
// standard error and in the window once it is idle after loading, naming
// the file and the reason; and again at OK, for a typed name that is lost.
TEST(HighScores, FailedSavesAreToldOnceWhenIdleAndAgainAtOkForTheLostName) {
  AtomicWriteFailAfterBytes = 0;
  ::testing::internal::CaptureStderr();
  const auto told = [](const GuiRig& r) {
    return "Your games and high scores cannot be saved to " + r.folder.file("pellumo.ini") +
           ": No space left on device.";
  };
  GuiRig rig;
  EXPECT_TRUE(QTest::qWaitFor([&] { return !rig.told.empty(); }, 20000));
  Finish(rig.game(), 40, 24);
  QWidget* w = Window();
  ASSERT_NE(w, nullptr);
  Type(Name(w, 0), "Ann");
  QTest::mouseClick(Ok(w), Qt::LeftButton);
  const std::string said = ::testing::internal::GetCapturedStderr();
  AtomicWriteFailAfterBytes = -1;
  EXPECT_EQ(rig.told, (std::vector<std::string>{"Pellumo!: " + told(rig), "Game Over: You Won!!!",
                                                "High Scores: " + told(rig)}));
  EXPECT_TRUE(rig.host->profile().TakeSaveProblem().empty()) << "nothing more to show";
  const std::string line = "pellumo: cannot save to " + rig.folder.file("pellumo.ini");
  EXPECT_NE(said.find(line), std::string::npos) << said;
  EXPECT_EQ(said.find(line), said.rfind(line)) << "once: " << said;

  // A failure found just before a turn is shown after it, though the turn's
  // flash outlasts the window's check for failures more than twice.
  GuiRig next;
  AtomicWriteFailAfterBytes = 0;
  next.game().mnuDiff_Click(1);
  AtomicWriteFailAfterBytes = -1;
  next.host->flashMilliseconds = 1200;
  next.ClickLine("vert", 10);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !next.told.empty(); }, 20000));
  EXPECT_EQ(next.told, std::vector<std::string>{"Pellumo!: " + told(next)});
}

TEST(HighScores, EveryOpeningShowsWhatIsStoredNow) {
  GuiRig rig("[HIGH_SCORES_NOVICE]\nNAME1=P\nSCORE1=20\nNAME2=P\nSCORE2=20\nNAME3=P\nSCORE3=20\n"
             "NAME4=P\nSCORE4=20\nNAME5=P\nSCORE5=20\n");
  // Nothing qualifies: no window, not even a hidden one.
  Finish(rig.game(), 20, 44);
  EXPECT_EQ(Window(), nullptr);
  // A window left open for viewing follows the games counted meanwhile...
  rig.window().mnuHighScores->trigger();
  EXPECT_EQ(Text(Window(), "GPlay"), "1");
  Finish(rig.game(), 10, 54);
  EXPECT_EQ(Text(Window(), "GPlay"), "2");
  // ...and becomes the entry window of the next qualifying game, whose entry
  // row takes the pointer.
  Finish(rig.game(), 21, 43);
  QWidget* w = Window();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(Name(w, 0)->text(), "Enter Your Name Here");
  EXPECT_EQ(Text(w, "GPlay"), "3");
  EXPECT_EQ(Name(w, 0)->cursor().shape(), Qt::IBeamCursor);
  // A name being typed survives a look at the menu item...
  Type(Name(w, 0), "Cy");
  rig.window().mnuHighScores->trigger();
  EXPECT_EQ(Window(), w);
  EXPECT_EQ(Name(w, 0)->text(), "Cy");
  EXPECT_FALSE(Name(w, 0)->hasSelectedText()) << "the next key would wipe the name";
  Ok(w)->setFocus();
  QTest::mouseClick(Name(w, 0), Qt::LeftButton);
  EXPECT_EQ(w->focusWidget(), Name(w, 0));
  // ...and OK stores it at the level it was entered for, whatever the menu says now.
  rig.window().mnuDiff[2]->trigger();
  QTest::mouseClick(Ok(w), Qt::LeftButton);
  EXPECT_EQ(Stored(rig, "NAME1"), "Cy");
}

// Only the name being entered takes the keyboard and the pointer. Viewing
// starts on OK; a click on an old entry goes to OK and no key edits it;
// Escape closes as the close box does. With a name to enter, Tab goes between
// it and OK, Enter is OK and Escape saves nothing.
TEST(HighScores, OnlyTheNewNameTakesKeysAndClicksEnterIsOkAndEscapeSavesNothing) {
  GuiRig rig("[HIGH_SCORES_NOVICE]\nNAME1=Ann\nSCORE1=30\n");
  rig.window().mnuHighScores->trigger();
  QWidget* w = Window();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->focusWidget(), Ok(w));
  EXPECT_EQ(Name(w, 0)->cursor().shape(), Qt::ArrowCursor);
  QTest::mouseClick(Name(w, 0), Qt::LeftButton);
  QTest::keyClicks(Name(w, 0), "X");
  EXPECT_EQ((std::tuple{w->focusWidget(), Name(w, 0)->text()}), std::tuple(Ok(w), "Ann"));
  QTest::keyClick(Ok(w), Qt::Key_Escape);
  EXPECT_EQ(Window(), nullptr);

  for (bool enter : {false, true}) {
    SCOPED_TRACE(enter ? "Enter" : "Escape");
    Finish(rig.game(), 20, 44);  // takes row 2, below Ann and above three blank rows
    ASSERT_NE(w = Window(), nullptr);
    QLineEdit* entry = Name(w, 1);
    EXPECT_EQ(w->focusWidget(), entry);
    for (QWidget* next : {static_cast<QWidget*>(Ok(w)), static_cast<QWidget*>(entry)}) {
      QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
      EXPECT_EQ(w->focusWidget(), next);
    }
    Type(entry, "Bo");
    QTest::keyClick(entry, enter ? Qt::Key_Return : Qt::Key_Escape);
    EXPECT_EQ(Window(), nullptr);
    EXPECT_EQ(Stored(rig, "NAME2"), enter ? "Bo" : "*");
    EXPECT_EQ(Stored(rig, "NAME3"), enter ? "" : "*") << "one Enter saves once";
  }
}

// A second qualifying game while a name is open: the open entry is saved as
// it stands, then the new score is ranked against the table holding it.
TEST(HighScores, ANewHighScoreSavesTheOpenEntryFirstThenTakesItsOwnRow) {
  GuiRig rig;
  Finish(rig.game(), 40, 24);
  QWidget* w = Window();
  Type(Name(w, 0), "Ann");
  Finish(rig.game(), 50, 14);
  EXPECT_EQ(Window(), w);
  EXPECT_EQ((std::tuple{Stored(rig, "NAME1"), Stored(rig, "SCORE1")}), (std::tuple{"Ann", "40"}));
  EXPECT_EQ((std::tuple{Name(w, 0)->text(), Text(w, "Score_0"), Name(w, 1)->text()}),
            std::tuple("Enter Your Name Here", "50", "Ann"));
  // Even a name never typed is kept: the prompt as it stands.
  Finish(rig.game(), 45, 19);
  EXPECT_EQ(Stored(rig, "NAME1"), "Enter Your Name Here");
  EXPECT_TRUE(Name(w, 0)->isReadOnly());
  EXPECT_EQ(w->focusWidget(), Name(w, 1));
  EXPECT_EQ((std::tuple{Text(w, "Score_1"), Name(w, 2)->text()}), std::tuple("45", "Ann"));
}

// A game that does not qualify leaves an open entry alone, and a viewed
// table's rows too; only the counters follow. A score that qualified until the
// open entry was saved finds the window showing the table as now stored.
TEST(HighScores, NoRowForTheNewScoreLeavesTheWindowUpWithTheSavedTable) {
  GuiRig rig("[HIGH_SCORES_NOVICE]\nNAME1=A\nSCORE1=30\nNAME2=B\nSCORE2=30\nNAME3=C\nSCORE3=30\n"
             "NAME4=D\nSCORE4=30\nNAME5=E\nSCORE5=20\n");
  rig.window().mnuHighScores->trigger();
  QWidget* w = Window();
  rig.host->profile().ProfileWriteString("HIGH_SCORES_NOVICE", "NAME1", "Other copy");
  Finish(rig.game(), 10, 54);
  EXPECT_EQ((std::tuple{Name(w, 0)->text(), Text(w, "GPlay")}), std::tuple("A", "1"));

  Finish(rig.game(), 25, 39);
  EXPECT_EQ(Window(), w);
  Type(Name(w, 4), "Di");
  Finish(rig.game(), 10, 54);
  EXPECT_EQ((std::tuple{Name(w, 4)->text(), Stored(rig, "NAME5"), Text(w, "GPlay")}),
            std::tuple("Di", "E", "3"));
  EXPECT_EQ(w->focusWidget(), Name(w, 4));
  EXPECT_FALSE(Name(w, 4)->hasSelectedText()) << "the next key would wipe the name";

  Finish(rig.game(), 22, 42);  // beats E's 20, not Di's 25
  EXPECT_EQ(Window(), w);
  EXPECT_EQ(Stored(rig, "NAME5"), "Di");
  EXPECT_EQ((std::tuple{Name(w, 4)->text(), Text(w, "Score_4")}), (std::tuple{"Di", "25"}));
  EXPECT_EQ(w->focusWidget(), Ok(w)) << "no entry row left";
  QTest::mouseClick(Ok(w), Qt::LeftButton);
  EXPECT_EQ((std::tuple{Stored(rig, "NAME4"), Stored(rig, "NAME5")}), (std::tuple{"D", "Di"}));
}

// A new game keeps a name being entered; leaving the program, by Exit or by
// the main window's close box, loses it unsaved.
TEST(HighScores, AnEntryOutlivesNewGameButNotTheProgram) {
  for (bool viaMenu : {true, false}) {
    SCOPED_TRACE(viaMenu ? "Exit" : "close box");
    GuiRig rig;
    rig.answerYes = true;
    Finish(rig.game(), 40, 24);
    QPointer<QWidget> w = Window();
    Type(Name(w, 0), "Ann");
    rig.window().mnunew->trigger();
    GuiRig::Settle();
    ASSERT_EQ(rig.questions.size(), 1u);
    EXPECT_EQ(Window(), w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(Name(w, 0)->text(), "Ann");
    EXPECT_FALSE(Name(w, 0)->isReadOnly());
    viaMenu ? rig.window().mnuexit->trigger() : void(rig.window().close());
    GuiRig::Settle();
    EXPECT_EQ(Window(), nullptr);
    EXPECT_EQ(Stored(rig, "NAME1"), "*");
  }
}

}  // namespace
}  // namespace pellumo::testing
