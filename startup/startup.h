#pragma once
// The start procedure `Main`: the About window first, then the main window.
#include <functional>
#include <optional>
#include <string>

namespace pellumo {

class Translations;

// Why no window can be shown, or nothing when a display is there. Looks at
// QT_QPA_PLATFORM when set (only platforms that need a display server are
// checked), otherwise at DISPLAY and WAYLAND_DISPLAY.
std::optional<std::string> NoDisplayReason(
    const std::function<const char*(const char*)>& getenv);

// With PELLUMO_MEASURE=1 in the environment, the first paint of the first
// window prints the time since the process started to standard error, and
// the end of the program prints the resident memory. A measurement print
// only: it changes nothing the game does.
void ReportFirstPaint();
void ReportMemory();

// The switches the game takes; without any it plays as it always has.
struct StartOptions {
  bool debug = false;    // --debug, or PELLUMO_DEBUG=1: the debug strip and menu
  bool help = false;     // --help or -h: print the usage and exit
  bool version = false;  // --version: print the version and exit
};
// Reads the game's own switches; everything else is left to Qt (-platform,
// -display and the like).
StartOptions ParseStartOptions(int argc, const char* const* argv,
                               const std::function<const char*(const char*)>& getenv);
// What --help prints; settingsFile is where this executable keeps its
// settings.
std::string UsageText(const std::string& settingsFile, const Translations& translations);

// What the game sets on the application object before any window: its
// names (the desktop entry's name is the Wayland app id), its icon, the
// substitutes for the designed faces, and the designed light palette.
void SetUpApplication();

// installedDataFolder: empty for the portable layout, where everything is
// beside the executable; otherwise the executable was built for the
// installed layout and finds its sound and help there.
int Main(int argc, char** argv, const std::string& installedDataFolder);

}  // namespace pellumo
