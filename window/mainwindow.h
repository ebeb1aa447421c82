#pragma once
// The main window `myboxes`: the board, the two score panels and the logo,
// the tool strip, the debug strip beyond the designed width, and the menu
// bar. It shows the Game's read-outs and forwards the player's actions to
// the engine; the game itself lives in the core.
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "board/colours.h"
#include "board/dimensions.h"
#include "board/layout.h"
#include "board/line.h"
#include "window/twips.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace pellumo {

class BoardWidget;
class Game;
class GameHost;
class WindowHost;

// The window's client area as designed, in twips.
inline constexpr float kDesignedClientWidth = 6264;
inline constexpr float kDesignedClientHeight = 6360;
// The board area's sunken border, a side.
inline constexpr float kBoardBorder = 30;
// "View Debug" switches the outer width between these.
inline constexpr float kDebugOuterWidth = 8789;
inline constexpr float kNormalOuterWidth = 6288;

// A size in twips as "Save Size" stores it: the shortest decimal form with at
// most 7 significant digits, no fraction when whole. It is read back by
// StoredTwips (records/storednumbers.h).
std::string TwipsText(float twips);
// A text of the engine's, translated for the player.
QString GameText(const std::string& english);
struct SaveProblem;
// A failed save's message, translated for the player.
QString SaveProblemText(const SaveProblem& problem);

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Runs the load step: the stored size and level, the engine's start of a
  // game, the debug grid and the first layout of the board. The selector
  // `Combo1` is the debug view's (startup/debugview.h), filled by the host.
  explicit MainWindow(WindowHost& host);
  ~MainWindow() override;

  // Shows the Game's read-outs: scores, labels, counters, menu marks, board.
  void Refresh();

  // Speaks what the turn did (BoardWidget::TakeTurnMessage) to a screen
  // reader, if anything: when the player is to move again, and before a
  // message box that would otherwise come first.
  void AnnounceTurn();
  // Speaks the advised line and the score it left.
  void AnnounceAdvice();

  // The flash of a computer's line (the engine paints it palette 9 after).
  void FlashLine(Line theline);
  void Timer1_Timer();

  // Outer size in twips (borders, caption and menu bar included).
  QSizeF OuterTwips() const;

  // --- Handlers ----------------------------------------------------------------
  void mnunew_Click();
  void mnuexit_Click();
  void mnuDiff_Click(int Index);
  void mnuSaveSize_Click();
  void mnuReplay_Click();
  void mnuHighScores_Click();
  void DebugMe_Click();
  void Command1_Click();
  void Command2_Click();
  void Form_Resize();

  // --- Controls, under their designed names --------------------------------
  // The debug strip's controls and the Debug menu (updatecount to
  // PrintMovesResult, mnuDebug, DebugMe) exist only when started for
  // debugging; otherwise they are null.
  BoardWidget* picture1 = nullptr;
  QFrame* picture1Border = nullptr;  // the board area's border around picture1
  std::array<QFrame*, 2> PlyrFrame{};
  QLabel* Label1 = nullptr;
  QLabel* plyr1score = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* plyr2score = nullptr;
  QLabel* Logo = nullptr;
  QFrame* myTools = nullptr;
  QLabel* Label5 = nullptr;
  QLineEdit* Text1 = nullptr;
  QPushButton* Command1 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QTimer Timer1;
  QLineEdit* updatecount = nullptr;
  QLineEdit* Text2 = nullptr;
  QFrame* Picture2 = nullptr;
  std::array<QLineEdit*, kBoxes + 1> mystat{};  // 1..64
  QComboBox* Combo1 = nullptr;  // filled and answered by the debug view
  QPushButton* Command2 = nullptr;
  QLabel* PrintMovesResult = nullptr;

  QAction* mnunew = nullptr;
  QAction* mnuexit = nullptr;
  QMenu* mnuDifficulty = nullptr;
  std::array<QAction*, 3> mnuDiff{};
  QAction* mnuSaveSize = nullptr;
  QAction* mnuReplay = nullptr;
  QAction* mnuHighScores = nullptr;
  QMenu* mnuDebug = nullptr;
  QAction* DebugMe = nullptr;
  QAction* mnuAbout = nullptr;
  QAction* mnuHowTo = nullptr;

  Colour FlashColor = kSystemDesktop;
  const WindowLayout& Layout() const { return layout_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  // Only when started for debugging (WindowHost::debugView): the strip's
  // controls, and their grid of a cell per box.
  void BuildDebugStrip();
  void LayOutDebugGrid();
  void BuildMenus();
  void Form_Load();
  // The board has the focus; Tab goes on to Advice and the debug strip.
  void SetupKeyboard();
  void SetupBoard();
  void ApplyStoredSize();
  void ApplyLayout();
  QSize FrameExtra() const;
  void FrameMaybeChanged();
  // Gives the window this size in twips, the frame not included, held
  // within the screen's available area.
  void ResizeTwips(double width, double height);
  // The window's size in twips, the frame not included.
  QSizeF SizeTwips() const;
  // The debug strip is shown only when started for debugging and "View
  // Debug" is marked.
  bool StripShown() const;
  void ShowDebugStrip();
  void OnLineClicked(const QString& Compass, int Index);

  WindowHost& host_;
  Game& game_;
  Twips twips_;
  QWidget* central_ = nullptr;
  WindowLayout layout_ = kDesignedWindow;
  bool closingForQuit_ = false;
  bool debugViewMarked_ = true;
  std::optional<std::int32_t> storedWidth_;
  std::optional<std::int32_t> storedHeight_;
  // The window manager's frame as last seen; none until it announces one.
  QSize knownFrame_{0, 0};
  bool frameCheckQueued_ = false;
  // The size last given in twips, and the pixels it came to.
  QSize sizedPx_;
  QSizeF sizedTwips_;

  friend class GameHost;
};

}  // namespace pellumo
