// The game in the desktop's language: which language is chosen, what the
// player sees in it, and what stays English (the title, the settings file).
#include <QMessageBox>
#include <set>

#include "gui/guirig.h"
#include "startup/aboutwindow.h"

namespace pellumo::testing {
namespace {

TEST(Languages, TheDesktopsLanguageIsChosenAsGettextChoosesIt) {
  struct Case {
    std::map<std::string, std::string> env;
    std::string language;
  };
  const std::vector<Case> cases = {
      {{}, ""},
      {{{"LANG", "de_DE.UTF-8"}}, "de"},
      {{{"LANG", "fr_CA.UTF-8@euro"}}, "fr"},
      {{{"LANG", "es"}}, "es"},
      {{{"LANG", "de.UTF-8"}}, "de"},
      {{{"LANG", "it_IT.UTF-8"}}, ""},  // not ours: English
      {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, "fr"},
      {{{"LC_MESSAGES", "fr_FR.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}}, "es"},
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "it:fr:de"}}, "fr"},  // the first one we have
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}, ""},    // English asked first
      {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}}, ""},  // the C locale ignores LANGUAGE
      {{{"LC_ALL", "POSIX"}, {"LANG", "de_DE.UTF-8"}}, ""},
  };
  for (const Case& c : cases) {
    const auto get = [&](const char* name) -> const char* {
      const auto it = c.env.find(name);
      return it == c.env.end() ? nullptr : it->second.c_str();
    };
    EXPECT_EQ(DesktopLanguage(get), c.language) << c.env.size() << " " << c.language;
  }
}

std::string AccessibleName(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString();
}

// Plays the same few steps in a language: a level chosen, the size saved, a
// line drawn, and New Game refused in the real question box. Returns what
// the player saw and the settings file written.
struct Seen {
  std::string file, advice, computer, board, score, turn, question, questionTitle, no, settings;
  std::string saveProblem;
};
Seen PlaySomeSteps() {
  GuiRig rig;
  MainWindow& w = rig.window();
  EXPECT_EQ(w.windowTitle(), "Pellumo!");
  w.mnuDiff[0]->trigger();
  w.mnuSaveSize->trigger();
  rig.ClickLine("horz", 40);
  GuiRig::Settle();
  Seen seen;
  seen.file = w.menuBar()->actions().value(0)->text().toStdString();
  seen.advice = w.Command1->text().toStdString();
  seen.computer = w.Label2->text().toStdString();
  seen.board = AccessibleName(w.picture1);
  seen.score = AccessibleName(w.plyr1score);
  seen.turn = w.picture1->Announcement().toStdString();
  seen.saveProblem =
      SaveProblemText({"/p/pellumo.ini", {"the folder %1 belongs to another user", "/p"}}).toStdString();
  rig.host->answerHook = nullptr;  // the real box, with Qt's own buttons
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return ADD_FAILURE() << "no question box";
    seen.question = box->text().toStdString();
    seen.questionTitle = box->windowTitle().toStdString();
    seen.no = box->button(QMessageBox::No)->text().toStdString();
    box->button(QMessageBox::No)->click();
  });
  w.mnunew->trigger();
  seen.settings = rig.Settings();
  return seen;
}

TEST(Languages, EachTranslatesWindowMenusAndQuestionButKeepsTitleAndSettings) {
  const Seen english = PlaySomeSteps();
  EXPECT_EQ((std::tuple{english.file, english.advice, english.computer, english.board, english.no}),
            std::tuple("&File", "&Advice", "Computer", "Board", "&No"));
  EXPECT_NE(english.settings.find("[DIFFICULTY]\nLEVEL=0\n"), std::string::npos) << english.settings;
  EXPECT_EQ(english.turn.rfind("You: Horizontal line 40. Computer: ", 0), 0u) << english.turn;
  EXPECT_EQ(english.saveProblem,
            "Your games and high scores cannot be saved to /p/pellumo.ini: the folder /p belongs to "
            "another user.");
  struct Case {
    const char* language;
    const char* file;
    const char* advice;
    const char* computer;
    const char* board;
    const char* score;
    const char* turn;  // the screen reader's message after the line drawn
    const char* questionTitle;
    const char* no;  // Qt's own, from Debian's translations of Qt
  };
  const Case cases[] = {
      {"de", "&Datei", "&Tipp", "Computer", "Spielfeld", "Deine Punkte: 0",
       "Du: Waagrechte Linie 40. Computer: ", "Spiel abbrechen?", "&Nein"},
      {"fr", "&Fichier", "&Conseil", "Ordinateur", "Plateau", "Votre score : 0",
       "Vous : Trait horizontal 40. Ordinateur : ", "Abandonner la partie ?", "&Non"},
      {"es", "&Archivo", "&Consejo", "Ordenador", "Tablero", "Tu puntuación: 0",
       "Tú: Línea horizontal 40. Ordenador: ", "¿Abandonar la partida?", "&No"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    const InLanguage language(c.language);
    const Seen seen = PlaySomeSteps();
    EXPECT_EQ((std::tuple{seen.file, seen.advice, seen.computer, seen.board, seen.score,
                          seen.questionTitle, seen.no}),
              std::tuple(c.file, c.advice, c.computer, c.board, c.score, c.questionTitle, c.no));
    EXPECT_EQ(seen.turn.rfind(c.turn, 0), 0u) << seen.turn;
    EXPECT_NE(seen.question, english.question);
    EXPECT_EQ(seen.saveProblem.find("another user"), std::string::npos) << seen.saveProblem;
    EXPECT_NE(seen.saveProblem.find("/p/pellumo.ini"), std::string::npos) << seen.saveProblem;
    EXPECT_NE(seen.saveProblem.find(" /p "), std::string::npos) << seen.saveProblem;
    EXPECT_EQ(seen.settings, english.settings);  // byte for byte
  }
}

// Every text shown in a label or on a button of the fixed layouts, measured
// with its control's own font at the designed size: what does not fit. A
// control never grows, so a longer text would be cut.
std::vector<std::string> Overflows(QWidget* window) {
  std::vector<std::string> cut;
  const auto check = [&](QWidget* control, QString text, int room) {
    text.remove(QRegularExpression("&(?!&)"));
    const int needs = control->fontMetrics().horizontalAdvance(text);
    if (needs > room)
      cut.push_back(control->objectName().toStdString() + " \"" + text.toStdString() + "\" " +
                    std::to_string(needs) + " > " + std::to_string(room));
  };
  for (auto* label : window->findChildren<QLabel*>()) {
    const QRect room = label->contentsRect();
    if (!label->wordWrap()) check(label, label->text(), room.width());
    else if (label->heightForWidth(room.width()) > room.height())
      cut.push_back(label->objectName().toStdString() + " wraps past its height");
  }
  for (auto* button : window->findChildren<QPushButton*>())
    check(button, button->text(),
          button->width() - 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button));
  return cut;
}

TEST(Languages, EveryTextFitsItsControlAtTheDesignedSizeAndEachMenuKeyIsOnce) {
  for (const char* lang : {"", "de", "fr", "es"}) {
    SCOPED_TRACE(lang);
    const InLanguage language(lang);
    GuiRig rig("", false, nullptr, /*debug=*/true);  // the debug strip has a button too
    rig.window().mnuAbout->trigger();
    rig.window().mnuHighScores->trigger();
    GuiRig::Settle();
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (!w->isVisible()) continue;
      ++windows;
      EXPECT_EQ(Overflows(w), std::vector<std::string>{}) << w->objectName().toStdString();
      if (auto* about = qobject_cast<AboutWindow*>(w); about != nullptr && lang == std::string("es"))
        EXPECT_EQ(about->lblVersion->text(), QString::fromUtf8("Versión: 1.0.4"));
    }
    EXPECT_EQ(windows, 3);  // the main window, About and High Scores
    // Alt and a letter reaches one item of a menu, never two.
    for (QMenu* menu : rig.window().findChildren<QMenu*>()) {
      std::set<QChar> keys;
      for (QAction* action : menu->actions()) {
        const auto at = action->text().indexOf('&');
        if (at >= 0) {
          EXPECT_TRUE(keys.insert(action->text()[at + 1].toLower()).second)
              << action->text().toStdString();
        }
      }
    }
  }
}

}  // namespace
}  // namespace pellumo::testing
