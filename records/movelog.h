#pragma once
// The move log: one line per claimed line, oldest first, "Player1,horz,12",
// each ending in CR LF, written to "myboxmoves.csv" in the home folder.
#include <string>

#include "board/moves.h"

namespace pellumo {

std::string MoveLogText(const AllTheMoves& moves);
// "$HOME/myboxmoves.csv" (the account's home folder when HOME is unset).
std::string MoveLogPath();
// Replaces the file at path atomically, when it is missing or the running
// user's own. On failure nothing partial is left, one line goes to standard
// error, and the result is false.
bool WriteMoveLog(const std::string& path, const AllTheMoves& moves);

}  // namespace pellumo
