#include "gui/guirig.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace pellumo::testing {

GuiRig::GuiRig(const std::string& settings, bool show) {
  if (!settings.empty()) WriteFile(folder.file("pellumo.ini"), settings);
  auto scripted = std::make_unique<ScriptedRandom>(4242);
  random = scripted.get();
  host = std::make_unique<GameHost>(QString::fromStdString(folder.path()), std::move(scripted));
  host->flashMilliseconds = 30;
  host->answerHook = [this](const std::string& text, const std::string&, bool yesNo) {
    (yesNo ? questions : messages).push_back(text);
    return yesNo ? answerYes : true;
  };
  host->quitHook = [this] { ++quits; };
  host->LoadMainWindow();
  if (show) {
    host->ShowMainWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window()));
  }
}

GuiRig::~GuiRig() {
  host.reset();
  Settle();
}

QPoint GuiRig::LineCentre(const std::string& Compass, int n) const {
  return window().picture1->LineRect(Compass, n).center();
}

QPoint GuiRig::BoxCentre(int n) const { return window().picture1->BoxRect(n).center(); }

void GuiRig::ClickLine(const std::string& Compass, int n) const {
  QTest::mouseClick(window().picture1, Qt::LeftButton, Qt::NoModifier, LineCentre(Compass, n));
}

void GuiRig::MoveTo(QPoint pos) const { QTest::mouseMove(window().picture1, pos); }

void GuiRig::Settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

}  // namespace pellumo::testing
