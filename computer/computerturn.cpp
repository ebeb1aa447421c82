// The computer's turn: take every three-sided box, then draw one line that
// closes nothing, chosen by the safe random attempt or by the level.
#include "computer/computer.h"
#include "engine/gameui.h"

namespace pellumo {

namespace {

constexpr std::int16_t kFullBoard = 4 * kBoxes;

}  // namespace

void ComputerPlayer::ComputerTurn(Game& game) {
  game.SoundPlayed = false;
  game.RefreshBoxes();
  // The safe random attempt judges neighbours by these copies, taken before
  // this turn's captures and not renewed afterwards.
  game.AllBoxes.MyNeighborUpdate();
  if (game.SumStatus() == kFullBoard) {
    game.GameOver();
    return;
  }
  TakeClosableBoxes(game);
  if (game.SumStatus() >= kFullBoard) {
    game.GameOver();
    return;
  }
  SafeRandomMove(game, 0);
  if (state.RndLine != -1) return;

  // Any level word but these three is treated as Novice: the computer must
  // never be left without a move.
  if (game.DifficultyLevel == "INTERMEDIATE") {
    if (!PairMove(game)) RandomLine(game);
  } else if (game.DifficultyLevel == "EXPERT") {
    if (PairMove(game)) return;
    // No line (a full board) plays nothing.
    if (const LineChoice m = BestMove(game)) PlayComputerLine(game, *m);
    // Never true in a real game: every box with three sides was taken above,
    // so the line the search plays closes nothing and cannot be the last
    // free one. Kept as the rules have it.
    if (game.SumStatus() == kFullBoard) game.GameOver();
  } else {
    RandomLine(game);
  }
}

void ComputerPlayer::Command1_Click(Game& game) {
  // With no free line there is nothing to advise, and nothing is charged.
  if (game.BoardFull()) return;
  if (game.CurrentPlayer == 1) {
    if (game.Player1Score > -32768) --game.Player1Score;
    game.ShowScores();
  }
  state.Candidates.resize(1);
  // A claim that closes a box keeps the human to move without refreshing
  // the stored counts; a search that started from them would charge the
  // first line it tries for boxes already closed and miss boxes just given
  // three sides, and a second press (after the search has rebuilt the boxes)
  // could advise another line on the same board. Start from the lines.
  RestoreBoxes(game);
  const LineChoice m = BestMove(game);
  if (m) {
    const char* prefix = m->orientation == Orientation::Horizontal ? "H - " : "V - ";
    game.readouts.Label4 = prefix + std::to_string(m->number);
  }
  game.ui().Changed();
}

}  // namespace pellumo
