#include "startup/startup.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>
#include <unistd.h>

#include "startup/aboutwindow.h"
#include "window/fonts.h"
#include "window/gamehost.h"

namespace pellumo {

namespace {

bool Set(const char* value) { return value != nullptr && *value != '\0'; }

bool Measuring() {
  const char* value = std::getenv("PELLUMO_MEASURE");
  return value != nullptr && std::strcmp(value, "1") == 0;
}

}  // namespace

std::optional<std::string> NoDisplayReason(
    const std::function<const char*(const char*)>& getenv) {
  const bool x11 = Set(getenv("DISPLAY"));
  const bool wayland = Set(getenv("WAYLAND_DISPLAY"));
  std::string platform = Set(getenv("QT_QPA_PLATFORM")) ? getenv("QT_QPA_PLATFORM") : "";
  platform = platform.substr(0, platform.find(':'));
  if (platform.empty()) {
    if (x11 || wayland) return std::nullopt;
    return "no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)";
  }
  if (platform == "xcb" && !x11) return "QT_QPA_PLATFORM is xcb but DISPLAY is not set";
  if (platform.rfind("wayland", 0) == 0 && !wayland) {
    return "QT_QPA_PLATFORM is " + platform + " but WAYLAND_DISPLAY is not set";
  }
  return std::nullopt;
}

void ReportFirstPaint() {
  static bool reported = false;
  if (reported || !Measuring()) return;
  reported = true;
  // The process's start time in clock ticks since boot, against the boot
  // clock now.
  std::ifstream stat("/proc/self/stat");
  std::string line;
  std::getline(stat, line);
  const auto close = line.rfind(')');
  if (close == std::string::npos) return;
  std::istringstream fields(line.substr(close + 2));
  std::string field;
  for (int i = 3; i <= 22 && fields >> field; ++i) {
  }
  const double startSeconds = std::strtod(field.c_str(), nullptr) / sysconf(_SC_CLK_TCK);
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double nowSeconds = now.tv_sec + now.tv_nsec / 1e9;
  timespec real{};
  clock_gettime(CLOCK_REALTIME, &real);
  std::fprintf(stderr, "pellumo-measure: first-paint-ms-since-start %.0f\n",
               (nowSeconds - startSeconds) * 1000.0);
  std::fprintf(stderr, "pellumo-measure: first-paint-realtime-ns %lld%09ld\n",
               static_cast<long long>(real.tv_sec), real.tv_nsec);
}

void ReportMemory() {
  if (!Measuring()) return;
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0 || line.rfind("VmHWM:", 0) == 0) {
      std::fprintf(stderr, "pellumo-measure: %s\n", line.c_str());
    }
  }
}

int Main(int argc, char** argv, const std::string& installedDataFolder) {
  if (const auto reason = NoDisplayReason([](const char* name) { return std::getenv(name); })) {
    std::cerr << "Pellumo! needs a graphical display to show its window: " << *reason
              << ".\nStart it from a desktop session, or under xvfb-run.\n";
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Pellumo!");
  QApplication::setApplicationVersion("1.0.4");
  QGuiApplication::setDesktopFileName("io.github.pellumo.Pellumo");
  QApplication::setWindowIcon(ProgramIcon());
  InstallFontSubstitutes();

  const GamePlaces places =
      installedDataFolder.empty()
          ? PortablePlaces(QCoreApplication::applicationDirPath().toStdString())
          : InstalledPlaces(installedDataFolder, [](const char* name) { return std::getenv(name); });
  GameHost host(places);
  host.Start();
  const int result = host.Quitting() ? 0 : app.exec();
  ReportMemory();
  return result;
}

}  // namespace pellumo
