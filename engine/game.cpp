// The claim path: every line of the board, whoever draws it, goes through
// Click. The computer's turn runs nested inside the human's click, and may
// run again inside its own claim when that claim closes a box.
#include "engine/game.h"

#include <cmath>
#include <optional>
#include <utility>

#include "engine/gameui.h"
#include "records/profileman.h"

namespace pellumo {

const char* const kLevelWords[3] = {"NOVICE", "INTERMEDIATE", "EXPERT"};

namespace {

// Keeps InTurn() true while a click (and any turn nested in it) runs.
class TurnScope {
 public:
  explicit TurnScope(int& depth) : depth_(depth) { ++depth_; }
  ~TurnScope() { --depth_; }
  TurnScope(const TurnScope&) = delete;
  TurnScope& operator=(const TurnScope&) = delete;

 private:
  int& depth_;
};

}  // namespace

int LineOwner(const LineControl& line) {
  if (line.BackColor == kHumanLine) return 1;
  if (line.BackColor == kComputerLine) return 2;
  return 0;
}

Game::Game(ProfileMan& profile, GameUi& ui, std::function<void(Game&)> computerTurn)
    : ComputerTurnHook(std::move(computerTurn)), profile_(profile), ui_(ui) {}

void Game::Load() {
  // A freshly loaded window: every control back at its designed state.
  lines = LineStore{};
  gridbx1 = {};
  readouts.Text1.clear();
  readouts.Text2 = "Text2";
  readouts.updatecount = "Text2";
  readouts.Label4.clear();
  readouts.mystat.fill("Text2");
  readouts.Label1Underline = readouts.Label2Underline = false;
  readouts.mnuReplayEnabled = false;
  readouts.mnuDiffChecked = {false, false, true};

  // A stored level outside 0..2 would leave the level empty, which neither
  // the computer nor the statistics keys can use: start at Novice instead.
  std::int16_t level = profile_.ProfileReadInt("DIFFICULTY", "LEVEL");
  if (level < 0 || level > 2) level = 0;
  mnuDiff_Click(level);

  BuildBoxes(AllBoxes);
  readouts.Label1 = "You";
  readouts.Label2 = "Computer";
  readouts.plyr1score = std::to_string(Player1Score);
  readouts.plyr2score = std::to_string(Player2Score);
  GameMoves = AllTheMoves();
  SwitchPlayer();
  ui_.Changed();
}

void Game::hline_Click(std::int16_t Index) { Click({Orientation::Horizontal, Index}); }
void Game::vline_Click(std::int16_t Index) { Click({Orientation::Vertical, Index}); }

bool Game::updatetheline(std::string_view Compass, std::int16_t Index) {
  if (const std::optional<Line> line = LineNamed(Compass, Index)) Click(*line);
  return false;
}

void Game::Click(Line line) {
  LineControl* control = lines.Control(line);
  if (control == nullptr) return;  // no such line on the board
  TurnScope scope(turnDepth_);

  readouts.Label4.clear();
  GameMoves.Add(std::string(CompassWord(line.orientation)), line.number, CurrentPlayer, "");
  std::int16_t n = 0;
  if (CurrentPlayer == 1) {
    control->BackColor = control->ForeColor = kHumanLine;
    n = CountLines();
  } else if (CurrentPlayer == 2) {
    control->BackColor = control->ForeColor = kComputerLine;
    ui_.Changed();
    FlashLine(line);
    readouts.mnuReplayEnabled = true;
  }
  control->Enabled = false;
  ui_.Changed();
  ProcessLine(line);

  if (n == 2 * kLinesPerOrientation) {
    GameOver();
  } else if (CurrentPlayer == 2 && ComputerTurnHook) {
    ComputerTurnHook(*this);
  }
}

void Game::ProcessLine(Line line) {
  const std::int16_t k = line.number;
  const std::int16_t X = BoxLineLookup(line);
  bool closed = false;
  auto close_if_full = [&](int b) {
    if (BoxClosed(static_cast<std::int16_t>(b))) {
      CloseBox(static_cast<std::int16_t>(b));
      closed = true;
    }
  };

  if (line.orientation == Orientation::Vertical) {
    const int p = (k - 1) % kDotsPerSide;  // place in its row
    if (p == kBoxesPerSide) {
      AllBoxes.Item(X - 1).East = true;
      close_if_full(X - 1);
    } else if (p >= 1) {
      AllBoxes.Item(X - 1).East = true;
      AllBoxes.Item(X).West = true;
      close_if_full(X);
      close_if_full(X - 1);
    } else {
      AllBoxes.Item(X).West = true;
      close_if_full(X);
    }
  } else {
    const int row = (k - 1) / kBoxesPerSide;
    if (row == 0) {
      AllBoxes.Item(X).North = true;
      close_if_full(X);
    } else if (row < kBoxesPerSide) {
      AllBoxes.Item(X - kBoxesPerSide).South = true;
      AllBoxes.Item(X).North = true;
      close_if_full(X);
      close_if_full(X - kBoxesPerSide);
    } else {
      AllBoxes.Item(X - kBoxesPerSide).South = true;
      close_if_full(X - kBoxesPerSide);
    }
  }

  if (!closed) SwitchPlayer();
  ShowBoxStatus();
}

void Game::CloseBox(std::int16_t b) {
  BoxFill& fill = gridbx1[static_cast<std::size_t>(b)];
  fill.Visible = true;
  if (CurrentPlayer == 1) {
    fill.BackColor = kHumanBox;
    ++Player1Score;
  } else if (CurrentPlayer == 2) {
    fill.BackColor = kComputerBox;
    ++Player2Score;
  }
  ShowScores();
  fill.Enabled = false;
  // Never fires in a real game: the human's claims set the sides but leave
  // the stored counts as they were, so the sum lags behind the board, and the
  // human's last line ends the game in ClaimLine. Kept as the rules have it.
  if (CurrentPlayer == 1 && SumStatus() >= 4 * kBoxes) GameOver();
  if (CurrentPlayer == 2 && ComputerTurnHook) ComputerTurnHook(*this);
}

bool Game::BoxClosed(std::int16_t b) const {
  const box& x = AllBoxes.Item(b);
  return x.North && x.South && x.East && x.West;
}

void Game::ShowScores() {
  readouts.plyr1score = std::to_string(Player1Score);
  readouts.plyr2score = std::to_string(Player2Score);
  ui_.Changed();
}

void Game::SwitchPlayer() {
  RefreshBoxes();
  if (CurrentPlayer == 0) {
    CurrentPlayer = 1;
    readouts.Label1Underline = true;
  } else if (CurrentPlayer == 1) {
    CurrentPlayer = 2;
    readouts.Label2Underline = true;
    readouts.Label1Underline = false;
  } else if (CurrentPlayer == 2) {
    CurrentPlayer = 1;
    readouts.Label1Underline = true;
    readouts.Label2Underline = false;
  }
}

void Game::RefreshBoxes() {
  for (int i = 1; i <= kBoxes; ++i) AllBoxes[i].UpdateMyStatus(lines);
  BumpUpdateCount();
  CountLines();
}

void Game::ShowBoxStatus() {
  for (int b = 1; b <= kBoxes; ++b) readouts.mystat[static_cast<std::size_t>(b)] = std::to_string(AllBoxes[b].Status);
  BumpUpdateCount();
  ui_.Changed();
}

void Game::BumpUpdateCount() {
  readouts.updatecount = std::to_string(LeadingNumber(readouts.updatecount) + 1);
}

std::int16_t Game::TakenLines() const {
  std::int16_t n = 0;
  for (int i = 1; i <= kLinesPerOrientation; ++i) {
    n += LineOwner(lines.hline[static_cast<std::size_t>(i)]) != 0;
    n += LineOwner(lines.vline[static_cast<std::size_t>(i)]) != 0;
  }
  return n;
}

std::int16_t Game::CountLines() {
  const std::int16_t n = TakenLines();
  readouts.Text2 = std::to_string(n);
  return n;
}

std::int16_t Game::SumStatus() const {
  int sum = 0;
  for (int i = 1; i <= kBoxes; ++i) sum += AllBoxes[i].Status;
  return static_cast<std::int16_t>(sum);
}

bool Game::FlashLine(Line line) {
  ui_.FlashLine(line);
  if (LineControl* control = lines.Control(line)) control->BackColor = kComputerLine;
  ui_.Changed();
  return false;
}

void Game::closesound() {
  ui_.PlayCaptureSound();
  SoundPlayed = true;
}

}  // namespace pellumo
