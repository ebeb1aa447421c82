#pragma once
// The start procedure `Main`: the About window first, then the main window.
#include <functional>
#include <optional>
#include <string>

namespace pellumo {

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

// installedDataFolder: empty for the portable layout, where everything is
// beside the executable; otherwise the executable was built for the
// installed layout and finds its sound and help there.
int Main(int argc, char** argv, const std::string& installedDataFolder);

}  // namespace pellumo
