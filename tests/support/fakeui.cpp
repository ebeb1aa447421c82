#include "support/fakeui.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace pellumo::testing {

void RecordingUi::FlashLine(const std::string& Compass, std::int16_t theline) {
  flashes.emplace_back(Compass, theline);
  // The window blinks the line through other colours; the engine must leave
  // it in the computer's colour whatever the blink left behind.
  if (game != nullptr) {
    if (LineControl* line = game->lines.Line(Compass, theline)) line->BackColor = kSystemDesktop;
  }
}

void RecordingUi::ReloadWindow() {
  ++reloads;
  if (game != nullptr) game->Load();
}

TempFolder::TempFolder() {
  std::string pattern = ::testing::TempDir() + "pellumo-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
}

Rig::Rig(bool scriptedComputer) {
  ui.game = &game;
  if (scriptedComputer) game.ComputerTurnHook = nullptr;
  game.Load();
}

bool Claim(Game& game, const std::string& Compass, int n) {
  const LineControl* line = game.lines.Line(Compass, n);
  if (line == nullptr || !line->Enabled) return false;
  if (Compass == "horz") {
    game.hline_Click(static_cast<std::int16_t>(n));
  } else {
    game.vline_Click(static_cast<std::int16_t>(n));
  }
  return true;
}

}  // namespace pellumo::testing
