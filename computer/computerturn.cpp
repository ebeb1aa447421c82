// The computer's turn: take every three-sided box, then draw one line that
// closes nothing, chosen by the safe random attempt or by the level.
#include "computer/computer.h"
#include "engine/gameui.h"

namespace pellumo {

namespace {

constexpr std::int16_t kFullBoard = 4 * kBoxes;

void PlayChoice(Game& game, const LineChoice& m) {
  if (m.Compass == "horz") {
    MarkHLine(game, m.LineNum);
    game.updatetheline("horz", m.LineNum);
  } else if (m.Compass == "vert") {
    MarkVLine(game, m.LineNum);
    game.updatetheline("vert", m.LineNum);
  }
}

}  // namespace

void ComputerTurn(Game& game) {
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
  if (game.RndLine != -1) return;

  // Any level word but these three is treated as Novice: the computer must
  // never be left without a move.
  if (game.DifficultyLevel == "INTERMEDIATE") {
    if (!PairMove(game)) RandomLine(game);
  } else if (game.DifficultyLevel == "EXPERT") {
    if (PairMove(game)) return;
    PlayChoice(game, BestMove(game));
    if (game.SumStatus() == kFullBoard) game.GameOver();
  } else {
    RandomLine(game);
  }
}

void Command1_Click(Game& game) {
  // With no free line there is nothing to advise, and nothing is charged.
  if (game.BoardFull()) return;
  if (game.CurrentPlayer == 1) {
    if (game.Player1Score > -32768) --game.Player1Score;
    game.ShowScores();
  }
  game.Candidates.resize(1);
  // A claim that closes a box keeps the human to move without refreshing
  // the stored counts; a search that started from them would charge the
  // first line it tries for boxes already closed and miss boxes just given
  // three sides, and a second press (after the search has rebuilt the boxes)
  // could advise another line on the same board. Start from the lines.
  RestoreBoxes(game);
  const LineChoice m = BestMove(game);
  if (m.Compass == "horz") {
    game.Label4 = "H - " + std::to_string(m.LineNum);
  } else if (m.Compass == "vert") {
    game.Label4 = "V - " + std::to_string(m.LineNum);
  }
  game.ui().Changed();
}

}  // namespace pellumo
