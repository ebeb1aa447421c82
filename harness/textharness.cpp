#include "harness/textharness.h"

#include <cmath>
#include <optional>

#include "records/movelog.h"

namespace pellumo {

namespace {

std::string Error(const std::string& reason) { return "error " + reason + "\n"; }

// Owner of a box by its fill: 0 open, 1 the human's, 2 the computer's.
int BoxOwner(const BoxFill& fill) {
  if (fill.Enabled) return 0;
  return fill.BackColor == kHumanBox ? 1 : 2;
}

}  // namespace

TextHarness::TextHarness(const std::string& settingsPath)
    : profile_("."), game_(profile_, *this, computer_.TurnHook()) {
  profile_.ProfilePath = settingsPath;
  game_.Load();
}

void TextHarness::MessageBox(const std::string& text, const std::string& title) {
  pending_ += "message " + title + ": " + text + "\n";
}

bool TextHarness::AskYesNo(const std::string& text, const std::string& title) {
  MessageBox(text, title);
  return true;
}

void TextHarness::ShowHighScore() {
  // No window to enter a name in: the entry is offered and let go.
  game_.NewHighScore = false;
}

std::string TextHarness::Execute(const std::string& line) {
  std::istringstream args(line);
  std::string command;
  args >> command;
  pending_.clear();
  std::string answer;
  if (command == "level") {
    std::string word;
    args >> word;
    int index = -1;
    for (int i = 0; i < 3; ++i) {
      if (word == kLevelWords[i]) index = i;
    }
    if (index < 0) return Error("unknown level '" + word + "'");
    game_.mnuDiff_Click(static_cast<std::int16_t>(index));
    answer = "ok\n";
  } else if (command == "rand") {
    answer = Queue(args);
  } else if (command == "seed") {
    unsigned long seed = 0;
    if (!(args >> seed)) return Error("seed needs a whole number");
    random_.Seed(static_cast<std::uint32_t>(seed));
    answer = "ok\n";
  } else if (command == "click") {
    answer = Click(args);
  } else if (command == "advice") {
    computer_.Command1_Click(game_);
    answer = "advice " + game_.readouts.Label4 + "\n";
  } else if (command == "state") {
    answer = State();
  } else if (command == "moves") {
    std::string log = MoveLogText(game_.GameMoves);
    std::string lines;
    for (char c : log) {
      if (c != '\r') lines += c;
    }
    answer = lines + "end\n";
  } else if (command == "new") {
    game_.NewGame();
    answer = "ok\n";
  } else if (command.empty()) {
    return Error("empty command");
  } else {
    return Error("unknown command '" + command + "'");
  }
  return pending_ + answer;
}

std::string TextHarness::Queue(std::istringstream& args) {
  std::vector<float> numbers;
  std::string word;
  while (args >> word) {
    char* end = nullptr;
    const double r = std::strtod(word.c_str(), &end);
    if (end == word.c_str() || *end != '\0' || !(r >= 0.0 && r < 1.0)) {
      return Error("random numbers must lie in [0, 1): '" + word + "'");
    }
    // Rounding to float may reach 1.0 for numbers just below it; keep [0, 1).
    const float f = static_cast<float>(r);
    numbers.push_back(f < 1.0f ? f : std::nextafter(1.0f, 0.0f));
  }
  for (float f : numbers) random_.Queue(f);
  return "ok\n";
}

std::string TextHarness::Click(std::istringstream& args) {
  std::string Compass;
  std::string number;
  args >> Compass >> number;
  std::optional<Line> line = LineNamed(Compass, 0);
  if (!line) return Error("orientation must be horz or vert");
  char* end = nullptr;
  const long n = std::strtol(number.c_str(), &end, 10);
  if (number.empty() || *end != '\0' || !LineStore::InRange(static_cast<int>(n)) || n != static_cast<int>(n)) {
    return Error("line number must be 1 to " + std::to_string(kLinesPerOrientation));
  }
  line->number = static_cast<std::int16_t>(n);
  if (!game_.lines.Control(*line)->Enabled) return Error("line taken");
  game_.updatetheline(Compass, line->number);
  return "ok\n";
}

std::string TextHarness::State() {
  std::string out = "player " + std::to_string(game_.CurrentPlayer) + " score " +
                    std::to_string(game_.Player1Score) + " " + std::to_string(game_.Player2Score) +
                    " lines " + std::to_string(game_.CountLines()) + "\n";
  out += "h ";
  for (int i = 1; i <= kLinesPerOrientation; ++i) out += char('0' + LineOwner(game_.lines.hline[i]));
  out += "\nv ";
  for (int i = 1; i <= kLinesPerOrientation; ++i) out += char('0' + LineOwner(game_.lines.vline[i]));
  out += "\nb ";
  for (int i = 1; i <= kBoxes; ++i) out += char('0' + BoxOwner(game_.gridbx1[i]));
  out += "\nstatus";
  for (int i = 1; i <= kBoxes; ++i) out += " " + std::to_string(game_.AllBoxes[i].Status);
  out += "\nend\n";
  return out;
}

}  // namespace pellumo
