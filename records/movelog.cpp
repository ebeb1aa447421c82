#include "records/movelog.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "records/atomicfile.h"

namespace pellumo {

std::string MoveLogText(const AllTheMoves& moves) {
  std::string text;
  for (std::int32_t i = 1; i <= moves.Count(); ++i) {
    const Moves& m = moves.Item(i);
    text += "Player" + std::to_string(m.PlayerNum) + "," + m.Compass + "," +
            std::to_string(m.LineNum) + "\r\n";
  }
  return text;
}

std::string MoveLogPath() {
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') {
    const passwd* account = getpwuid(getuid());
    home = account != nullptr ? account->pw_dir : ".";
  }
  std::string path = home;
  if (path.empty() || path.back() != '/') path += '/';
  return path + "myboxmoves.csv";
}

bool WriteMoveLog(const std::string& path, const AllTheMoves& moves) {
  // Only the player's own file is replaced: a game run as root with the
  // player's HOME must not take over the player's log, nor write through a
  // link into another account's file.
  const WriteOutcome written = AtomicWriteFile(path, MoveLogText(moves), true);
  if (written) return true;
  std::cerr << "Pellumo!: could not write the move log " << path << ": " << written.why.English() << "\n";
  return false;
}

}  // namespace pellumo
