// The whole engine on arbitrary play: the bytes decode to clicks on lines
// (free or taken, in range or not), Advice presses, level changes, new games
// and the random numbers the computer draws. Everything runs through the real
// Game with the real computer player answering.
//
// What must hold: nothing crashes; no line is ever claimed twice; the move
// history, the taken lines and the closed boxes agree at every step; a game
// that fills the board ends exactly once, with every box filled by one side
// and the scores (plus the points Advice cost) accounting for all 64 boxes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <utility>

#include "computer/computer.h"
#include "computer/random.h"
#include "engine/game.h"
#include "engine/gameui.h"
#include "fuzzsupport.h"
#include "records/profileman.h"

using pellumo::fuzz::Check;
using pellumo::Game;

namespace {

class FuzzUi : public pellumo::GameUi {
 public:
  Game* game = nullptr;
  bool answerYes = true;
  int gameOvers = 0;  // since the board was last loaded
  std::int32_t adviceCharged = 0;

  void FlashLine(const std::string& Compass, std::int16_t theline) override {
    // The window's blink leaves some colour behind; the engine repaints it.
    if (pellumo::LineControl* line = game->lines.Line(Compass, theline))
      line->BackColor = pellumo::kSystemDesktop;
  }
  void PlayCaptureSound() override {}
  void MessageBox(const std::string&, const std::string& title) override {
    if (title == "Game Over") EndOfGame();
  }
  bool AskYesNo(const std::string&, const std::string&) override { return answerYes; }
  void ShowHighScore() override {}
  void ReloadWindow() override {
    game->Load();
    gameOvers = 0;
    adviceCharged = 0;
  }
  void Quit() override {}

 private:
  void EndOfGame() {
    ++gameOvers;
    Check(gameOvers == 1, "one game ended twice");
    Check(game->BoardFull(), "a game ended with free lines left");
    int human = 0, computer = 0;
    for (int b = 1; b <= pellumo::kBoxes; ++b) {
      const pellumo::BoxFill& fill = game->gridbx1[static_cast<std::size_t>(b)];
      Check(!fill.Enabled, "box " + std::to_string(b) + " open at the end of a game");
      if (fill.BackColor == pellumo::kHumanBox) ++human;
      else if (fill.BackColor == pellumo::kComputerBox) ++computer;
      else Check(false, "box " + std::to_string(b) + " closed without an owner's colour");
    }
    Check(game->Player2Score == computer, "the computer's score is not its boxes");
    Check(game->Player1Score + adviceCharged == human,
          "the human's score is not its boxes less the Advice paid");
  }
};

// The history, the line store and the boxes describe one and the same board.
void CheckConsistent(Game& game, const FuzzUi& ui) {
  std::set<std::pair<std::string, int>> claimed;
  for (std::int32_t i = 1; i <= game.GameMoves.Count(); ++i) {
    const pellumo::Moves& m = game.GameMoves.Item(i);
    const pellumo::LineControl* line = game.lines.Line(m.Compass, m.LineNum);
    Check(line != nullptr, "the history holds a line that is not on the board");
    Check(!line->Enabled, "the history holds a line that is still free");
    Check(claimed.emplace(m.Compass, m.LineNum).second,
          "line " + m.Compass + " " + std::to_string(m.LineNum) + " claimed twice");
  }
  int taken = 0;
  for (int n = 1; n <= pellumo::kLinesPerOrientation; ++n)
    taken += !game.lines.hline[n].Enabled + !game.lines.vline[n].Enabled;
  // The computer's capture draws lines without recording them, so the
  // history may be shorter than the board, never longer.
  Check(taken >= game.GameMoves.Count(), "the history holds more lines than are drawn");

  int closed = 0;
  for (std::int16_t b = 1; b <= pellumo::kBoxes; ++b) {
    const pellumo::box& x = game.AllBoxes.Item(b);
    const bool drawn = game.lines.HTaken(x.LineNorth) && game.lines.HTaken(x.LineSouth) &&
                       game.lines.VTaken(x.LineEast) && game.lines.VTaken(x.LineWest);
    const bool filled = !game.gridbx1[static_cast<std::size_t>(b)].Enabled;
    Check(drawn == filled, "box " + std::to_string(b) + " filled " + (filled ? "" : "not ") +
                               "although its four lines are " + (drawn ? "" : "not ") + "drawn");
    closed += filled;
  }
  Check(game.Player1Score + ui.adviceCharged + game.Player2Score == closed,
        "the scores do not account for the closed boxes");
  if (game.BoardFull()) Check(ui.gameOvers == 1, "a full board without the end of the game");
  if (!game.BoardFull()) Check(game.CurrentPlayer == 1, "the human's turn ended with lines free");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  pellumo::ProfileMan profile(pellumo::fuzz::ScratchFolder());
  FuzzUi ui;
  pellumo::ScriptedRandom random(in.ConsumeIntegral<std::uint32_t>());
  Game game(profile, ui, random);
  ui.game = &game;
  game.Load();

  while (in.remaining_bytes() > 0) {
    switch (in.ConsumeIntegralInRange(0, 9)) {
      case 0: case 1: case 2: case 3: case 4: {  // a click on a line
        const bool horz = in.ConsumeBool();
        const std::int16_t n = in.ConsumeBool() ? in.ConsumeIntegral<std::int16_t>()
                                                : in.ConsumeIntegralInRange<std::int16_t>(1, 72);
        const pellumo::LineControl* line = game.lines.Line(horz ? "horz" : "vert", n);
        // A taken line is a disabled control: the window never passes a click
        // on it. A number off the board goes straight in and must be ignored.
        if (line != nullptr && !line->Enabled) break;
        if (horz) game.hline_Click(n); else game.vline_Click(n);
        break;
      }
      case 5: {  // Advice
        const std::int16_t before = game.Player1Score;
        pellumo::Command1_Click(game);
        const int paid = before - game.Player1Score;
        Check(paid == ((game.CurrentPlayer == 1 && !game.BoardFull()) ? 1 : 0),
              "Advice charged " + std::to_string(paid) + " points");
        ui.adviceCharged += paid;
        break;
      }
      case 6:  // a level from the menu, or any number
        game.mnuDiff_Click(in.ConsumeBool() ? in.ConsumeIntegral<std::int16_t>()
                                            : in.ConsumeIntegralInRange<std::int16_t>(0, 2));
        break;
      case 7:  // New Game, confirmed or not
        ui.answerYes = in.ConsumeBool();
        game.mnunew_Click();
        ui.answerYes = true;
        break;
      case 8:  // the next number the computer's random source hands out
        random.Queue(in.ConsumeFloatingPointInRange(0.0f, 0.99999994f));
        break;
      case 9:
        random.Seed(in.ConsumeIntegral<std::uint32_t>());
        break;
    }
    CheckConsistent(game, ui);
  }
  return 0;
}
