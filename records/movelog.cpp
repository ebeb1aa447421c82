#include "records/movelog.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
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
  errno = 0;
  if (AtomicWriteFile(path, MoveLogText(moves))) return true;
  const int error = errno;
  std::cerr << "Pellumo!: could not write the move log " << path
            << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << "\n";
  return false;
}

}  // namespace pellumo
