#pragma once
// pellumo-engine: the real core played over a line protocol, one command a
// line and one answer a command, for scripted and automated matches. The
// flash and the sound are no-ops; message boxes are printed and answered.
#include <memory>
#include <sstream>
#include <string>

#include "computer/computer.h"
#include "computer/random.h"
#include "engine/game.h"
#include "engine/gameui.h"
#include "records/profileman.h"

namespace pellumo {

class TextHarness : private GameUi {
 public:
  // Keeps the settings in settingsPath.
  explicit TextHarness(const std::string& settingsPath);
  // Runs one command line; returns its answer, every line ending in '\n'.
  std::string Execute(const std::string& line);

 private:
  void FlashLine(Line) override {}
  void PlayCaptureSound() override {}
  void MessageBox(const std::string& text, const std::string& title) override;
  bool AskYesNo(const std::string& text, const std::string& title) override;
  void ShowHighScore() override;
  void ReloadWindow() override { game_.Load(); }
  void Quit() override {}

  std::string Click(std::istringstream& args);
  std::string Queue(std::istringstream& args);
  std::string State();

  ProfileMan profile_;
  ScriptedRandom random_;
  ComputerPlayer computer_{random_};
  Game game_;
  std::string pending_;  // message lines printed before the answer
};

}  // namespace pellumo
