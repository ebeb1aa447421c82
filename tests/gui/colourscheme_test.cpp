// Every text of the game's windows stays readable whatever the desktop's
// colour scheme. The suite runs twice: as the other GUI tests, and under
// qt6ct's "darker" scheme (the test gui.darkdesktop). Contrast is measured
// against what is really painted behind each text, as WCAG computes it.
#include <QDir>
#include <cmath>

#include "gui/guirig.h"
#include "startup/aboutwindow.h"
#include "startup/helpviewer.h"

namespace pellumo::testing {

namespace {

double Luminance(const QColor& c) {
  const auto channel = [](double v) {
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour most pixels of the area have: behind a line of text, its
// background.
QColor Behind(const QImage& shown, const QRect& area) {
  std::map<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) ++counts[shown.pixel(x, y)];
  return QColor(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                  return a.second < b.second;
                })->first);
}

// WCAG AA asks 4.5:1 of body text. A few texts were designed below it, on
// the light look: each must keep at least what it has there.
double Floor(const QString& name) {
  if (name == "Label4") return 3.1;      // the advice read-out, selection blue
  if (name == "plyr1score") return 2.5;  // red on the player's pink
  if (name == "Label1") return 3.4;      // "You", red
  return 4.5;
}

// Each visible text of the window against what is painted behind it.
void ExpectReadable(QWidget& window) {
  GuiRig::Settle();
  const QImage shown = window.grab().toImage();
  int checked = 0;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    QPalette::ColorRole role = w->foregroundRole();
    QString text;
    if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) text = edit->text(), role = QPalette::Text;
    if (auto* button = qobject_cast<QPushButton*>(w)) text = button->text();
    if (text.trimmed().isEmpty() || !w->isVisibleTo(&window)) continue;
    // Inside any frame: a button's outline is no background of its text.
    const QRect area = QRect(w->mapTo(&window, QPoint(0, 0)), w->size()).adjusted(3, 3, -3, -3);
    const QColor behind = Behind(shown, area.intersected(shown.rect()));
    const QColor ink = w->palette().color(w->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                          role);
    EXPECT_GE(Contrast(ink, behind), Floor(w->objectName()))
        << window.objectName().toStdString() << " " << w->objectName().toStdString() << " \""
        << text.toStdString() << "\": " << ink.name().toStdString() << " on "
        << behind.name().toStdString();
    ++checked;
  }
  EXPECT_GT(checked, 2) << window.objectName().toStdString();
}

TEST(ColourScheme, EveryTextOfTheWindowsIsReadableOnWhatIsPaintedBehindIt) {
  if (!qEnvironmentVariableIsEmpty("PELLUMO_TEST_COLOUR_SCHEME")) {
    ASSERT_LT(desktopWindowColour.lightness(), 96) << "the desktop's scheme is not dark";
  }
  GuiRig rig("", /*startUp=*/true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return rig.host->Window() != nullptr; }));
  ExpectReadable(rig.window());
  rig.host->mnuAbout_Click();
  ExpectReadable(*rig.host->About());
  rig.host->mnuHighScores_Click();
  QWidget* scores = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "HighScore" && w->isVisible()) scores = w;
  ASSERT_NE(scores, nullptr);
  ExpectReadable(*scores);
}

// The help pages carry their own background: every run of text keeps its
// contrast against it, links included.
TEST(ColourScheme, TheHelpPagesTextIsReadableOnTheirOwnBackground) {
  GuiRig rig;
  rig.host->mnuHowTo_Click();
  auto* browser = rig.host->Help()->findChild<QTextBrowser*>();
  ASSERT_NE(browser, nullptr);
  const QDir pages(PELLUMO_SOURCE_DIR "/help");
  for (const QString& page : pages.entryList({"*.html"})) {
    SCOPED_TRACE(page.toStdString());
    browser->setSource(QUrl::fromLocalFile(pages.filePath(page)));
    GuiRig::Settle();
    const QImage shown = browser->viewport()->grab().toImage();
    const QColor pageBack = Behind(shown, shown.rect());
    // The page's own, not the viewer's.
    EXPECT_EQ(browser->document()->rootFrame()->frameFormat().background().color(), pageBack);
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment run = it.fragment();
        if (run.text().trimmed().isEmpty()) continue;
        const QTextCharFormat f = run.charFormat();
        const QColor ink = f.foreground().style() != Qt::NoBrush
                               ? f.foreground().color()
                               : browser->palette().color(QPalette::Text);
        const QColor back = f.background().style() != Qt::NoBrush
                                ? f.background().color()
                                : block.blockFormat().background().style() != Qt::NoBrush
                                      ? block.blockFormat().background().color()
                                      : pageBack;
        // Bold runs, the players' names in their colours, may go to 3:1.
        EXPECT_GE(Contrast(ink, back), f.fontWeight() >= QFont::Bold ? 3.0 : 4.5)
            << "\"" << run.text().toStdString() << "\": " << ink.name().toStdString() << " on "
            << back.name().toStdString();
      }
    }
  }
}

}  // namespace
}  // namespace pellumo::testing
