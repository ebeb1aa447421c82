#pragma once
// Everything the engine needs from the window. The Qt window implements it;
// tests and the text harness use recording fakes that answer at once.
#include <string>

#include "board/line.h"

namespace pellumo {

class Game;

class GameUi {
 public:
  virtual ~GameUi() = default;

  // Blinks the line for about a second with the board disabled and the busy
  // pointer, writing the blink colours into the line's BackColor. Returns
  // when done; the engine then paints the line palette 9.
  virtual void FlashLine(Line theline) = 0;
  // Plays the capture sound and returns when it has finished (or at once
  // when no sound can be played).
  virtual void PlayCaptureSound() = 0;
  // Modal message box with an OK button.
  virtual void MessageBox(const std::string& text, const std::string& title) = 0;
  // Modal Yes/No question; true for Yes.
  virtual bool AskYesNo(const std::string& text, const std::string& title) = 0;
  // Loads the high-score window; NewHighScore tells it whether to take an entry.
  virtual void ShowHighScore() = 0;
  // Unloads the main window and loads it again; the load calls Game::Load.
  virtual void ReloadWindow() = 0;
  // Ends the program.
  virtual void Quit() = 0;
  // Something the window shows has changed (scores, lines, read-outs).
  virtual void Changed() {}
};

}  // namespace pellumo
