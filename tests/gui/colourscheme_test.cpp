// Every text of the game's windows stays readable whatever the desktop's
// colour scheme. The suite runs twice: as the other GUI tests, and under
// qt6ct's "darker" scheme (the test gui.darkdesktop). Contrast is measured
// as WCAG computes it, against what is really painted behind each text.
#include <QDir>
#include <cmath>

#include "gui/guirig.h"
#include "startup/aboutwindow.h"
#include "startup/helpviewer.h"

namespace pellumo::testing {
namespace {

double Contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto channel = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour most pixels of the area have: behind a line of text, its
// background.
QColor Behind(const QImage& shown, const QRect& area) {
  std::map<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) ++counts[shown.pixel(x, y)];
  return QColor(std::ranges::max_element(counts, {}, [](auto& c) { return c.second; })->first);
}

// Each visible text of the window against what is painted behind it. WCAG
// AA asks 4.5:1 of body text; the few texts designed below it on the light
// look must keep what they have there.
void ExpectReadable(QWidget& window) {
  const std::map<QString, double> designedBelow = {
      {"Label4", 3.1}, {"plyr1score", 2.5}, {"Label1", 3.4}};  // advice; red on pink; "You"
  // The players' colours, the logos' and About's line, and what the scores
  // are painted on.
  const std::map<QString, std::pair<const char*, const char*>> designed = {
      {"myboxes/Logo", {"#800080", ""}}, {"myboxes/Label1", {"#ff0000", ""}},
      {"myboxes/Label2", {"#0000ff", ""}}, {"myboxes/plyr1score", {"#ff0000", "#ffc0c0"}},
      {"myboxes/plyr2score", {"#0000ff", "#c0c0ff"}}, {"frmAbout/Logo", {"#800080", ""}},
      {"frmAbout/lblDescription", {"#0000ff", ""}}};
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
    const QColor ink = w->palette().color(w->isEnabled() ? QPalette::Active : QPalette::Disabled, role);
    if (const auto it = designed.find(window.objectName() + "/" + w->objectName());
        it != designed.end()) {
      EXPECT_EQ(ink.name().toStdString(), it->second.first) << w->objectName().toStdString();
      if (*it->second.second) { EXPECT_EQ(behind.name().toStdString(), it->second.second) << text.toStdString(); }
    }
    const auto floor = designedBelow.find(w->objectName());
    EXPECT_GE(Contrast(ink, behind), floor != designedBelow.end() ? floor->second : 4.5)
        << text.toStdString() << ": " << ink.name().toStdString() << " on " << behind.name().toStdString();
    ++checked;
  }
  EXPECT_GT(checked, 2) << window.objectName().toStdString();
}

TEST(ColourScheme, EveryTextOfTheWindowsIsReadableOnWhatIsPaintedBehindIt) {
  if (!qEnvironmentVariableIsEmpty("PELLUMO_TEST_COLOUR_SCHEME")) {
    ASSERT_LT(desktopWindowColour.lightness(), 96) << "the desktop's scheme is not dark";
  }
  GuiRig rig;
  ExpectReadable(rig.window());
  rig.host->mnuAbout_Click();
  ExpectReadable(*rig.host->About());
  rig.host->mnuHighScores_Click();
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "HighScore" && w->isVisible()) ExpectReadable(*w);
}

// The help pages carry their own background: every run of text keeps its
// contrast against it, links included; bold runs (the players' names in
// their colours) were designed at 4:1.
TEST(ColourScheme, TheHelpPagesTextIsReadableOnTheirOwnBackground) {
  GuiRig rig;
  rig.host->mnuHowTo_Click();
  auto* browser = rig.host->Help()->findChild<QTextBrowser*>();
  const QDir pages(PELLUMO_SOURCE_DIR "/help");
  for (const QString& page : pages.entryList({"*.html"})) {
    SCOPED_TRACE(page.toStdString());
    browser->setSource(QUrl::fromLocalFile(pages.filePath(page)));
    GuiRig::Settle();
    const QImage shown = browser->viewport()->grab().toImage();
    const QColor pageBack = Behind(shown, shown.rect());
    EXPECT_EQ(browser->document()->rootFrame()->frameFormat().background().color(), pageBack);
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat f = it.fragment().charFormat();
        const QBrush back = f.background().style() ? f.background() : block.blockFormat().background();
        const QColor ink = f.foreground().style() ? f.foreground().color()
                                                  : browser->palette().color(QPalette::Text);
        if (it.fragment().text().trimmed().isEmpty()) continue;
        EXPECT_GE(Contrast(ink, back.style() ? back.color() : pageBack),
                  f.fontWeight() >= QFont::Bold ? 3.9 : 4.5)
            << it.fragment().text().toStdString() << ": " << ink.name().toStdString();
      }
    }
  }
}

}  // namespace
}  // namespace pellumo::testing
