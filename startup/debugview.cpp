#include "startup/debugview.h"

#include <QComboBox>
#include <string>

#include "board/dimensions.h"
#include "engine/game.h"
#include "window/mainwindow.h"
#include "window/windowhost.h"

namespace pellumo {

std::optional<std::int16_t> BoxProperty(const box& b, int index) {
  switch (index) {
    case 0: return b.WestStatus;
    case 1: return b.EastStatus;
    case 2: return b.NorthStatus;
    case 3: return b.southstatus;
    case 4: return b.LineWest;
    case 5: return b.LineEast;
    case 6: return b.LineNorth;
    case 7: return b.LineSouth;
    case 8: return b.Status;
    default: return std::nullopt;
  }
}

void LoadDebugView(MainWindow& window, WindowHost& host) {
  QComboBox* Combo1 = window.Combo1;
  if (Combo1 == nullptr) return;  // not started for debugging
  Combo1->clear();
  for (std::string_view entry : kCombo1Entries) {
    Combo1->addItem(QString::fromUtf8(entry.data(), static_cast<int>(entry.size())));
  }
  Combo1->setCurrentIndex(-1);
  Combo1->setPlaceholderText("Combo1");
  QObject::connect(Combo1, &QComboBox::activated, &window,
                   [&window, &host] { Combo1_Click(window, host); });
}

void Combo1_Click(MainWindow& window, WindowHost& host) {
  const int index = window.Combo1->currentIndex();
  host.WhenIdle([&host, index] {
    Game& game = host.game();
    for (int i = 1; i <= kBoxes; ++i) game.AllBoxes[i].UpdateMyStatus(game.lines);
    for (int i = 1; i <= kBoxes; ++i) {
      const auto value = BoxProperty(game.AllBoxes[i], index);
      if (!value) return;
      game.readouts.mystat[i] = std::to_string(*value);
    }
    host.Changed();
  });
}

}  // namespace pellumo
