#pragma once
// Where the game keeps its files. Two layouts, fixed when the executable is
// built, never guessed from permissions at run time:
// - portable (the build folder, or a folder a player unpacked): the settings
//   file, the sound and the help pages beside the executable;
// - installed: the sound and help in the distribution's data folder, the
//   settings per player under $XDG_CONFIG_HOME/pellumo, starting from a
//   distributor's defaults in /etc/xdg/pellumo. Nothing is written under /usr.
// The settings file has the same format in both, so it can be moved across.
#include <functional>
#include <string>

namespace pellumo {

struct GamePlaces {
  std::string settingsFolder;  // holds pellumo.ini
  std::string defaultsFile;    // read when the player has no settings; empty for none
  std::string dataFolder;      // holds "Robotz Recycle.wav" and help/
  // The settings folder is one player's own, not shared by several: a run
  // of another user (root with the player's HOME) must write nothing there.
  bool perPlayer = false;
};

GamePlaces PortablePlaces(const std::string& programFolder);

inline constexpr const char* kDefaultsFile = "/etc/xdg/pellumo/pellumo.ini";

// getenv is asked for XDG_CONFIG_HOME and HOME; without a usable HOME the
// home folder comes from the password database.
GamePlaces InstalledPlaces(const std::string& dataFolder,
                           const std::function<const char*(const char*)>& getenv);

}  // namespace pellumo
