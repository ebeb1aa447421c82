// Start and end of a game, and the options that live in the menu bar.
#include <cmath>
#include <optional>
#include <string>

#include "engine/game.h"
#include "engine/gameui.h"
#include "records/profileman.h"

namespace pellumo {

namespace {

// Adds one to a stored count; at the top of the 16-bit range it stays put
// rather than wrapping to a negative number.
void CountUp(ProfileText& profile, const std::string& key) {
  const std::int16_t count = profile.ProfileReadInt("STATS", key);
  const int next = count < 32767 ? count + 1 : count;
  profile.ProfileWriteString("STATS", key, std::to_string(next));
}

}  // namespace

void Game::GameOver() {
  const bool won = Player1Score > Player2Score;
  ui_.MessageBox(won ? "You Won!!!" : "You Lose!!!", "Game Over");
  // Both counts in one change, so that another copy of the game finishing
  // at the same moment cannot lose either. The change may be kept for a
  // later save, so it holds its own copy of the level.
  profile_.ProfileChange([won, level = DifficultyLevel](ProfileText& stats) {
    if (won) CountUp(stats, level + "_WON");
    CountUp(stats, level + "_PLAY");
  });

  const double threshold =
      std::nearbyint(LeadingValue(profile_.ProfileReadString("HIGH_SCORES", "FIFTH_SCORE")));
  if (Player1Score > threshold) {
    NewHighScore = true;
    ui_.ShowHighScore();
  }
}

void Game::NewGame() {
  Player1Score = 0;
  Player2Score = 0;
  CurrentPlayer = 0;
  ui_.ReloadWindow();
}

void Game::QuitGame() { ui_.Quit(); }

void Game::mnunew_Click() {
  if (CountLines() >= kLines ||
      ui_.AskYesNo("Are you sure you want to quit current game?", "Quit Current Game?")) {
    NewGame();
  }
}

void Game::mnuexit_Click() { QuitGame(); }

void Game::mnuDiff_Click(std::int16_t Index) {
  if (Index >= 0 && Index <= 2) {
    DifficultyLevel = kLevelWords[Index];
    for (int i = 0; i < 3; ++i) readouts.mnuDiffChecked[static_cast<std::size_t>(i)] = (i == Index);
  }
  for (int i = 0; i < 3; ++i) {
    if (readouts.mnuDiffChecked[static_cast<std::size_t>(i)]) {
      profile_.ProfileWriteString("DIFFICULTY", "LEVEL", std::to_string(i));
    }
  }
  ui_.Changed();
}

void Game::mnuReplay_Click() {
  const std::int32_t n = GameMoves.Count();
  if (n == 0) return;
  const Moves last = GameMoves.Item(n);
  const std::optional<Line> line = LineNamed(last.Compass, last.LineNum);
  LineControl* control = line ? lines.Control(*line) : nullptr;
  if (control == nullptr) return;
  const Colour owner = control->BackColor;
  FlashLine(*line);
  // The flash ends in the computer's colour; a human's line gets its own
  // colour back so the replay never changes who seems to own it.
  if (last.PlayerNum == 1) control->BackColor = owner;
  ui_.Changed();
}

}  // namespace pellumo
