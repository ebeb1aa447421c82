#pragma once
// The About window `frmAbout`: the game's title screen at start-up, and the
// "About" item of the Help menu.
#include <QDialog>
#include <chrono>
#include <QIcon>

class QLabel;
class QPushButton;

namespace pellumo {

class GameHost;

// The program's icon: a corner of the board, drawn rather than shipped.
QIcon ProgramIcon();

// "Version: " and the program's version.
QString VersionLine();

class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  explicit AboutWindow(GameHost& host);

  // Shows the window, waits about one and a half seconds keeping it
  // responsive, then acts as if OK had been pressed.
  void Form_Load();
  // Shows the main window (loading it when there is none) and hides this one.
  void cmdOK_Click();

  // The pause before the automatic OK: one and a half seconds, as the
  // original's wait from a time rounded to whole seconds lasts 1 to 2.
  static constexpr std::chrono::milliseconds kPause{1500};

  QLabel* Logo = nullptr;
  QLabel* lblDescription = nullptr;
  QLabel* lblVersion = nullptr;
  QPushButton* cmdOK = nullptr;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Hidden, the window stays but its native window goes: screen readers
  // list every native window, shown or not.
  void hideEvent(QHideEvent* event) override;

 private:
  GameHost& host_;
  bool painted_ = false;
};

}  // namespace pellumo
