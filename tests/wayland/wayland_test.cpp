// The main window as a native Wayland client, under Debian's weston started
// here: Qt draws the frame itself there, the compositor holds no window to
// the screen, and the app id ties the window to the desktop entry.
// weston runs its X11 back end inside the private Xvfb of tests/xwm/run.sh,
// as the headless back end has no keyboard: keys sent to that X server with
// xdotool reach the compositor and, through it, the game.
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "gui/guirig.h"

namespace pellumo::testing {
namespace {

const std::string kSocket = "pellumo-test-" + std::to_string(::getpid());
TempFolder runtime;  // weston's private XDG_RUNTIME_DIR, its log

std::string WestonLog() { return ReadFile(runtime.file("weston.log")); }


TEST(Wayland, StartSaveSizeQuitStoresTheSameNumbersEveryTime) {
  ASSERT_EQ(QGuiApplication::platformName(), "wayland");
  std::string settings = "[Sizes]\nWidth=7830\nHeight=8775\n";  // 522 x 585 px
  for (int start = 1; start <= 3; ++start) {
    SCOPED_TRACE(start);
    GuiRig rig(settings);
    MainWindow& w = rig.window();
    GuiRig::Framed(w);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.frameGeometry().size() == QSize(522, 585); }))
        << w.frameGeometry().width() << " x " << w.frameGeometry().height();
    w.mnuSaveSize->trigger();
    settings = rig.Settings();
    EXPECT_EQ(settings, "[Sizes]\nWidth=7830\nHeight=8775\n[DIFFICULTY]\nLEVEL=0\n");
  }
  // The compositor was told the desktop entry's name as the window's app id.
  EXPECT_NE(WestonLog().find("set_app_id(\"io.github.pellumo.Pellumo\")"), std::string::npos);
}

TEST(Wayland, EnterClaimsALineAndTheComputerAnswers) {
  GuiRig rig;
  GuiRig::Framed(rig.window());
  // The key goes to the X server, which hands it to weston's window.
  rig.EnterThroughX({"search", "--class", "Weston", "windowfocus", "--sync"});
}

// Here Qt learns its own frame only after show() has returned. A window
// resized before that keeps its size: the stored outer size is applied
// again, once the frame is known, only to a window nobody has resized.
TEST(Wayland, AResizeBeforeTheFrameIsKnownIsKept) {
  TempFolder folder;
  WriteFile(folder.file("pellumo.ini"), "[Sizes]\nWidth=7830\nHeight=8775\n");
  GameHost host(PortablePlaces(folder.path()), std::make_unique<ScriptedRandom>(4242));
  host.ShowMainWindow();
  MainWindow& w = *host.Window();
  w.resize(700, 650);
  GuiRig::Framed(w);
  EXPECT_EQ(w.size(), QSize(700, 650));
}

TEST(Wayland, AStoredSizeLargerThanTheScreenIsHeldToItAtStartAndAtNewGame) {
  GuiRig rig("[Sizes]\nWidth=2147483647\nHeight=2147483647\n");
  GuiRig::Framed(rig.window());
  const QSize screen = rig.window().screen()->availableGeometry().size();
  ASSERT_EQ(screen, QSize(1024, 768)) << "the whole output";
  EXPECT_EQ(rig.window().frameGeometry().size(), screen) << "at start";
  rig.answerYes = true;
  rig.window().mnunew->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return rig.host->Window() != nullptr; }));
  GuiRig::Framed(rig.window());
  EXPECT_EQ(rig.window().frameGeometry().size(), screen);
}

// Starts weston inside the X server tests/xwm/run.sh started, waits for it
// to say READY=1 on the socket in NOTIFY_SOCKET, and points the Wayland
// client at it; false with weston's log when it does not come up.
bool StartWeston() {
  // The folder is the owner's alone (0700) from its start.
  ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
  const int notify = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  runtime.file("notify").copy(address.sun_path, sizeof address.sun_path - 1);
  ::bind(notify, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::setenv("NOTIFY_SOCKET", address.sun_path, 1);
  if (::fork() == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);  // gone with the test, however it ends
    ::execlp("weston", "weston", "--backend=x11-backend.so", "--use-pixman",
             "--shell=desktop-shell.so", ("--socket=" + kSocket).c_str(), "--width=1024",
             "--height=768", "--idle-time=0", "--modules=systemd-notify.so",
             "--logger-scopes=log,proto", ("--log=" + runtime.file("weston.log")).c_str(), nullptr);
    ::_exit(127);
  }
  ::unsetenv("NOTIFY_SOCKET");
  char said[256] = {};
  pollfd ready{notify, POLLIN, 0};
  while (std::strstr(said, "READY=1") == nullptr && ::poll(&ready, 1, 10000) > 0)
    said[std::max<ssize_t>(0, ::recv(notify, said, sizeof said - 1, 0))] = '\0';
  if (std::strstr(said, "READY=1") == nullptr) {
    std::cerr << "weston did not start:\n" << WestonLog();
    return false;
  }
  ::setenv("WAYLAND_DISPLAY", kSocket.c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "wayland", 1);
  return true;
}

const bool registered = (startDisplay = StartWeston, true);

}  // namespace
}  // namespace pellumo::testing
