#include "startup/startup.h"

#include <QApplication>
#include <QPalette>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <iostream>
#include <sstream>
#include <string_view>
#include <stdlib.h>
#include <unistd.h>

#include "startup/aboutwindow.h"
#include "startup/gamehost.h"
#include "startup/translations.h"
#include "startup/version.h"
#include "window/fonts.h"

namespace pellumo {

namespace {

bool Set(const char* value) { return value != nullptr && *value != '\0'; }

bool Measuring() {
  const char* value = std::getenv("PELLUMO_MEASURE");
  return value != nullptr && std::strcmp(value, "1") == 0;
}

// Where this executable is, before Qt can say so.
std::string ProgramFolder() {
  std::string folder = "the program's folder";
  if (char* exe = ::realpath("/proc/self/exe", nullptr)) {
    folder = exe;
    std::free(exe);
    folder.erase(folder.rfind('/'));
  }
  return folder;
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

StartOptions ParseStartOptions(int argc, const char* const* argv,
                               const std::function<const char*(const char*)>& getenv) {
  StartOptions options;
  const char* debug = getenv("PELLUMO_DEBUG");
  options.debug = debug != nullptr && std::strcmp(debug, "1") == 0;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--debug") options.debug = true;
    if (arg == "--help" || arg == "-h") options.help = true;
    if (arg == "--version") options.version = true;
  }
  return options;
}

std::string UsageText(const std::string& settingsFile, const Translations& translations) {
  return translations
      .Translate("pellumo::Startup",
                 QT_TRANSLATE_NOOP("pellumo::Startup",
                                   "Usage: pellumo [--debug] [--help] [--version]\n"
                                   "Pellumo! %1, dots and boxes against the computer.\n"
                                   "\n"
                                   "  --debug    open wide with the debug strip and the Debug menu\n"
                                   "             (the same as PELLUMO_DEBUG=1 in the environment)\n"
                                   "  --help     print this text and exit\n"
                                   "  --version  print the version and exit\n"
                                   "\n"
                                   "Settings, statistics and high scores: %2\n"
                                   "Moves written by Print Moves: ~/myboxmoves.csv\n"))
      .arg(QString::fromLatin1(kVersion), QString::fromStdString(settingsFile))
      .toStdString();
}

namespace {

// The light palette the windows were designed on (Qt's Fusion palette, on
// which the designed text colours were chosen). Every role is set, so
// neither a dark desktop scheme nor a later change of it shows through.
QPalette DesignedPalette() {
  const QColor window(239, 239, 239), text(Qt::black), disabledText(190, 190, 190);
  QPalette p(text, window, window.lighter(150), window.darker(150), window.darker(130), text,
             QColor(Qt::white));
  p.setColor(QPalette::Midlight, window.darker(130).lighter(110));
  p.setColor(QPalette::Shadow, window.darker(150).darker(135));
  p.setColor(QPalette::Highlight, QColor(48, 140, 198));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Link, QColor(0, 0, 255));
  p.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
  p.setColor(QPalette::AlternateBase, QColor(247, 247, 247));
  p.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
  p.setColor(QPalette::Inactive, QPalette::Highlight, QColor(48, 140, 198).lighter(135));
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, disabledText);
  p.setColor(QPalette::Disabled, QPalette::Base, window);
  p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
  return p;
}

}  // namespace

void SetUpApplication() {
  QApplication::setApplicationName("Pellumo!");
  QApplication::setApplicationVersion(kVersion);
  QGuiApplication::setDesktopFileName("io.github.pellumo.Pellumo");
  QApplication::setWindowIcon(ProgramIcon());
  InstallFontSubstitutes();
  // The game keeps the light look it was designed on, whatever the desktop's
  // colour scheme: its text colours (red, blue, purple) were chosen for a
  // light background and lose their contrast on a dark one, and its board is
  // light in any case. Set before any window exists.
  QApplication::setPalette(DesignedPalette());
}

int Main(int argc, char** argv, const std::string& installedDataFolder) {
  const auto getenv = [](const char* name) { return std::getenv(name); };
  const StartOptions options = ParseStartOptions(argc, argv, getenv);
  // Both answer without a display, from a terminal or a script.
  if (options.version) {
    std::cout << "pellumo " << kVersion << "\n";
    return 0;
  }
  const auto places = [&](const std::string& programFolder) {
    return installedDataFolder.empty() ? PortablePlaces(programFolder)
                                       : InstalledPlaces(installedDataFolder, getenv);
  };
  const std::string language = DesktopLanguage(getenv);
  const auto translations = [&](const std::string& programFolder) {
    return std::make_unique<Translations>(places(programFolder).dataFolder, language);
  };
  if (options.help) {
    const std::string programFolder = ProgramFolder();
    std::cout << UsageText(places(programFolder).settingsFolder + "/pellumo.ini",
                           *translations(programFolder));
    return 0;
  }
  if (const auto reason = NoDisplayReason([](const char* name) { return std::getenv(name); })) {
    // The reason names environment variables: it stays as it is.
    std::cerr << translations(ProgramFolder())
                     ->Translate("pellumo::Startup",
                                 QT_TRANSLATE_NOOP("pellumo::Startup",
                                                   "Pellumo! needs a graphical display to show its "
                                                   "window: %1.\nStart it from a desktop session, "
                                                   "or under xvfb-run.\n"))
                     .arg(QString::fromStdString(*reason))
                     .toStdString();
    return 2;
  }
  QApplication app(argc, argv);
  SetUpApplication();
  const auto translated = translations(QCoreApplication::applicationDirPath().toStdString());
  translated->Install();

  GameHost host(places(QCoreApplication::applicationDirPath().toStdString()));
  host.debugView = options.debug;
  host.Start();
  const int result = host.Quitting() ? 0 : app.exec();
  ReportMemory();
  return result;
}

}  // namespace pellumo
