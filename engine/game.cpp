// The claim path: every line of the board, whoever draws it, goes through
// Click. The computer's turn runs nested inside the human's click, and may
// run again inside its own claim when that claim closes a box.
#include "engine/game.h"

#include <cmath>

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


Game::Game(ProfileMan& profile, GameUi& ui, RandomSource& random)
    : profile_(profile), ui_(ui), random_(random) {}

void Game::Load() {
  // A freshly loaded window: every control back at its designed state.
  lines = LineStore{};
  gridbx1 = {};
  Text1.clear();
  Text2 = "Text2";
  updatecount = "Text2";
  Label4.clear();
  mystat.fill("Text2");
  Label1Underline = Label2Underline = false;
  mnuReplayEnabled = false;
  mnuDiffChecked = {false, false, true};

  // A stored level outside 0..2 would leave the level empty, which neither
  // the computer nor the statistics keys can use: start at Novice instead.
  std::int16_t level = profile_.ProfileReadInt("DIFFICULTY", "LEVEL");
  if (level < 0 || level > 2) level = 0;
  mnuDiff_Click(level);

  BuildBoxes(AllBoxes);
  Label1 = "You";
  Label2 = "Computer";
  plyr1score = std::to_string(Player1Score);
  plyr2score = std::to_string(Player2Score);
  GameMoves = AllTheMoves();
  SwitchPlayer();
  ui_.Changed();
}

void Game::hline_Click(std::int16_t Index) { Click("horz", Index); }
void Game::vline_Click(std::int16_t Index) { Click("vert", Index); }

bool Game::updatetheline(std::string_view Compass, std::int16_t Index) {
  if (Compass == "horz") {
    hline_Click(Index);
  } else if (Compass == "vert") {
    vline_Click(Index);
  }
  return false;
}

void Game::Click(const char* Compass, std::int16_t Index) {
  LineControl* line = lines.Line(Compass, Index);
  if (line == nullptr) return;  // no such line on the board
  TurnScope scope(turnDepth_);

  Label4.clear();
  GameMoves.Add(Compass, Index, CurrentPlayer, "");
  std::int16_t n = 0;
  if (CurrentPlayer == 1) {
    line->BackColor = line->ForeColor = kHumanLine;
    n = CountLines();
  } else if (CurrentPlayer == 2) {
    line->BackColor = line->ForeColor = kComputerLine;
    ui_.Changed();
    FlashLine(Compass, Index);
    mnuReplayEnabled = true;
  }
  line->Enabled = false;
  ui_.Changed();
  ProcessLine(Compass, Index);

  if (n == 2 * kLinesPerOrientation) {
    GameOver();
  } else if (CurrentPlayer == 2 && ComputerTurnHook) {
    ComputerTurnHook(*this);
  }
}

void Game::ProcessLine(std::string_view Word, std::int16_t k) {
  const std::int16_t X = BoxLineLookup(k, Word);
  bool closed = false;
  auto close_if_full = [&](int b) {
    if (BoxClosed(static_cast<std::int16_t>(b))) {
      CloseBox(static_cast<std::int16_t>(b));
      closed = true;
    }
  };

  if (Word == "vert") {
    const int p = (k - 1) % 9;
    if (p == 8) {
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
  } else if (Word == "horz") {
    const int row = (k - 1) / 8;
    if (row == 0) {
      AllBoxes.Item(X).North = true;
      close_if_full(X);
    } else if (row <= 7) {
      AllBoxes.Item(X - 8).South = true;
      AllBoxes.Item(X).North = true;
      close_if_full(X);
      close_if_full(X - 8);
    } else {
      AllBoxes.Item(X - 8).South = true;
      close_if_full(X - 8);
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
  if (CurrentPlayer == 1 && SumStatus() >= 4 * kBoxes) GameOver();
  if (CurrentPlayer == 2 && ComputerTurnHook) ComputerTurnHook(*this);
}

bool Game::BoxClosed(std::int16_t b) const {
  const box& x = AllBoxes.Item(b);
  return x.North && x.South && x.East && x.West;
}

void Game::ShowScores() {
  plyr1score = std::to_string(Player1Score);
  plyr2score = std::to_string(Player2Score);
  ui_.Changed();
}

void Game::SwitchPlayer() {
  RefreshBoxes();
  if (CurrentPlayer == 0) {
    CurrentPlayer = 1;
    Label1Underline = true;
  } else if (CurrentPlayer == 1) {
    CurrentPlayer = 2;
    Label2Underline = true;
    Label1Underline = false;
  } else if (CurrentPlayer == 2) {
    CurrentPlayer = 1;
    Label1Underline = true;
    Label2Underline = false;
  }
}

void Game::RefreshBoxes() {
  for (int i = 1; i <= kBoxes; ++i) AllBoxes[i].UpdateMyStatus(lines);
  BumpUpdateCount();
  CountLines();
}

void Game::ShowBoxStatus() {
  for (int b = 1; b <= kBoxes; ++b) mystat[static_cast<std::size_t>(b)] = std::to_string(AllBoxes[b].Status);
  BumpUpdateCount();
  ui_.Changed();
}

void Game::BumpUpdateCount() { updatecount = std::to_string(LeadingNumber(updatecount) + 1); }

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
  Text2 = std::to_string(n);
  return n;
}

std::int16_t Game::SumStatus() const {
  int sum = 0;
  for (int i = 1; i <= kBoxes; ++i) sum += AllBoxes[i].Status;
  return static_cast<std::int16_t>(sum);
}

bool Game::FlashLine(const std::string& Compass, std::int16_t theline) {
  ui_.FlashLine(Compass, theline);
  if (LineControl* line = lines.Line(Compass, theline)) line->BackColor = kComputerLine;
  ui_.Changed();
  return false;
}

void Game::closesound() {
  ui_.PlayCaptureSound();
  SoundPlayed = true;
}

}  // namespace pellumo
