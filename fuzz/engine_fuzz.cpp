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
#include <string>

#include "computer/computer.h"
#include "computer/random.h"
#include "engine/game.h"
#include "engine/gameui.h"
#include "fuzzsupport.h"
#include "records/profileman.h"
#include "support/gamecheck.h"

using pellumo::fuzz::Check;
using pellumo::Game;

namespace {

void CheckBoard(const Game& game, int advicePaid) {
  const std::string problem = pellumo::testing::BoardProblem(game, advicePaid);
  Check(problem.empty(), problem);
}

class FuzzUi : public pellumo::GameUi {
 public:
  Game* game = nullptr;
  bool answerYes = true;
  int gameOvers = 0;  // since the board was last loaded
  std::int32_t adviceCharged = 0;

  void FlashLine(pellumo::Line theline) override {
    // The window's blink leaves some colour behind; the engine repaints it.
    if (pellumo::LineControl* line = game->lines.Control(theline))
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
    CheckBoard(*game, adviceCharged);
  }
};

void CheckConsistent(Game& game, const FuzzUi& ui) {
  CheckBoard(game, ui.adviceCharged);
  if (game.BoardFull()) Check(ui.gameOvers == 1, "a full board without the end of the game");
  if (!game.BoardFull()) Check(game.CurrentPlayer == 1, "the human's turn ended with lines free");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  pellumo::ProfileMan profile(pellumo::fuzz::ScratchFolder());
  FuzzUi ui;
  pellumo::ScriptedRandom random(in.ConsumeIntegral<std::uint32_t>());
  pellumo::ComputerPlayer computer(random);
  Game game(profile, ui, computer.TurnHook());
  ui.game = &game;
  game.Load();

  while (in.remaining_bytes() > 0) {
    switch (in.ConsumeIntegralInRange(0, 9)) {
      case 0: case 1: case 2: case 3: case 4: {  // a click on a line
        const bool horz = in.ConsumeBool();
        const std::int16_t n = in.ConsumeBool() ? in.ConsumeIntegral<std::int16_t>()
                                                : in.ConsumeIntegralInRange<std::int16_t>(1, 72);
        const pellumo::Orientation o = horz ? pellumo::Orientation::Horizontal : pellumo::Orientation::Vertical;
        const pellumo::LineControl* line = game.lines.Control({o, n});
        // A taken line is a disabled control: the window never passes a click
        // on it. A number off the board goes straight in and must be ignored.
        if (line != nullptr && !line->Enabled) break;
        if (horz) game.hline_Click(n); else game.vline_Click(n);
        break;
      }
      case 5: {  // Advice
        const std::int16_t before = game.Player1Score;
        computer.Command1_Click(game);
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
