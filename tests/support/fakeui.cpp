#include "support/fakeui.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace pellumo::testing {

void RecordingUi::FlashLine(const std::string& Compass, std::int16_t theline) {
  flashes.emplace_back(Compass, theline);
  // The window blinks the line through other colours; the engine must leave
  // it in the computer's colour whatever the blink left behind.
  if (LineControl* line = game != nullptr ? game->lines.Line(Compass, theline) : nullptr)
    line->BackColor = kSystemDesktop;
}

void RecordingUi::ReloadWindow() {
  ++reloads;
  if (game != nullptr) game->Load();
}

TempFolder::TempFolder() {
  // The game writes its settings durably; the tests check what is written,
  // not the disk, so memory-backed storage is used where the machine has it.
  std::string pattern = access("/dev/shm", W_OK) == 0 ? "/dev/shm/" : ::testing::TempDir();
  pattern += "pellumo-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  namespace fs = std::filesystem;
  std::error_code ignored;  // a test may have left the folder read-only
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

std::string ReadFile(const std::string& path) {
  std::ostringstream out;
  out << std::ifstream(path, std::ios::binary).rdbuf();
  return out.str();
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

bool Claim(Game& game, const std::string& Compass, int n) {
  const LineControl* line = game.lines.Line(Compass, n);
  if (line == nullptr || !line->Enabled) return false;
  const auto index = static_cast<std::int16_t>(n);
  Compass == "horz" ? game.hline_Click(index) : game.vline_Click(index);
  return true;
}

}  // namespace pellumo::testing
