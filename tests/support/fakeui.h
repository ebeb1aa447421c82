#pragma once
// A GameUi that records what the engine asked of the window and answers at
// once, plus a whole test rig: a settings file in a fresh temporary folder,
// scripted random numbers, the computer player drawing them and a loaded
// game.
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "computer/computer.h"
#include "computer/random.h"
#include "engine/game.h"
#include "engine/gameui.h"
#include "records/profileman.h"
#include "support/tempfolder.h"

namespace pellumo {

// How a failing check shows a line: "horz 12".
inline void PrintTo(const Line& line, std::ostream* out) {
  *out << CompassWord(line.orientation) << ' ' << line.number;
}

}  // namespace pellumo

namespace pellumo::testing {

using Messages = std::vector<std::pair<std::string, std::string>>;  // title, text

class RecordingUi : public GameUi {
 public:
  Game* game = nullptr;  // reloaded by ReloadWindow when set
  bool answerYes = true;
  std::vector<std::pair<std::string, std::int16_t>> flashes;  // "horz"/"vert", number
  Messages messages;
  Messages questions;
  int sounds = 0, highScoreWindows = 0, reloads = 0, quits = 0;

  void FlashLine(Line theline) override;
  void PlayCaptureSound() override { ++sounds; }
  void MessageBox(const std::string& text, const std::string& title) override {
    messages.emplace_back(title, text);
  }
  bool AskYesNo(const std::string& text, const std::string& title) override {
    questions.emplace_back(title, text);
    return answerYes;
  }
  void ShowHighScore() override { ++highScoreWindows; }
  void ReloadWindow() override;
  void Quit() override { ++quits; }
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);

// Ends the game with these scores, as the last line would.
inline void Finish(Game& game, int human, int computer) {
  game.Player1Score = static_cast<std::int16_t>(human);
  game.Player2Score = static_cast<std::int16_t>(computer);
  game.GameOver();
}

struct Rig {
  TempFolder folder;
  ProfileMan profile{folder.path()};
  RecordingUi ui;
  ScriptedRandom random{12345};
  ComputerPlayer computer{random};
  Game game{profile, ui, computer.TurnHook()};

  // When scriptedComputer is true nobody answers for the computer, so a
  // test can play both sides through the claim path.
  explicit Rig(bool scriptedComputer = false) {
    ui.game = &game;
    if (scriptedComputer) game.ComputerTurnHook = nullptr;
    game.Load();
  }

  void Finish(int human, int computer) { testing::Finish(game, human, computer); }
};

// Takes a line as the current player through the claim path; returns false
// when the line was not free.
bool Claim(Game& game, Line line);

// Claims every line in turn, the computer answering, to the end of the game.
void ClaimEveryLine(Game& game);

constexpr Line H(int n) { return {Orientation::Horizontal, static_cast<std::int16_t>(n)}; }
constexpr Line V(int n) { return {Orientation::Vertical, static_cast<std::int16_t>(n)}; }

}  // namespace pellumo::testing
