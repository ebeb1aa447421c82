#include "support/fakeui.h"

#include <fstream>
#include <sstream>

namespace pellumo::testing {

void RecordingUi::FlashLine(Line theline) {
  flashes.emplace_back(CompassWord(theline.orientation), theline.number);
  // The window blinks the line through other colours; the engine must leave
  // it in the computer's colour whatever the blink left behind.
  if (LineControl* line = game != nullptr ? game->lines.Control(theline) : nullptr)
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

bool Claim(Game& game, Line line) {
  const LineControl* control = game.lines.Control(line);
  if (control == nullptr || !control->Enabled) return false;
  line.orientation == Orientation::Horizontal ? game.hline_Click(line.number)
                                              : game.vline_Click(line.number);
  return true;
}

void ClaimEveryLine(Game& game) {
  for (const auto line : {H, V})
    for (int n = 1; n <= kLinesPerOrientation; ++n) Claim(game, line(n));
}

}  // namespace pellumo::testing
