#include "support/fakeui.h"

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
