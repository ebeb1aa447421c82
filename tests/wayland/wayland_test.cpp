// The main window as a native Wayland client, under Debian's weston started
// here: Qt draws the frame itself there, the compositor holds no window to
// the screen, and the app id ties the window to the desktop entry.
// weston runs its X11 back end inside a private Xvfb, as the headless back
// end has no keyboard: keys sent to that X server with xdotool reach the
// compositor and, through it, the game.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QProcess>
#include <fstream>
#include <sstream>

#include "gui/guirig.h"
#include "records/movelog.h"
#include "startup/startup.h"

namespace pellumo::testing {
namespace {

const std::string kSocket = "pellumo-test-" + std::to_string(::getpid());
TempFolder* runtimeDir = nullptr;  // weston's private XDG_RUNTIME_DIR, its log

std::string WestonLog() { return ReadFile(runtimeDir->file("weston.log")); }

// Waits until the window's frame (drawn by Qt here) is known, then lets the
// queued work run.
void Framed(MainWindow& w) {
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.frameGeometry().size() != w.size(); }, 10000))
      << "Qt drew no frame";
  GuiRig::Settle();
}

TEST(Wayland, StartSaveSizeQuitStoresTheSameNumbersEveryTime) {
  ASSERT_EQ(QGuiApplication::platformName(), "wayland");
  std::string settings = "[Sizes]\nWidth=7830\nHeight=8775\n";  // 522 x 585 px
  for (int start = 1; start <= 3; ++start) {
    SCOPED_TRACE(start);
    GuiRig rig(settings);
    MainWindow& w = rig.window();
    Framed(w);
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
  MainWindow& w = rig.window();
  Framed(w);
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == w.picture1; }, 10000));
  // The key goes to the X server, which hands it to weston's window.
  QProcess xdotool;
  xdotool.start("xdotool", {"search", "--class", "Weston", "windowfocus", "--sync",
                            "key", "--clearmodifiers", "Return"});
  ASSERT_TRUE(xdotool.waitForFinished(10000)) << "xdotool did not finish";
  const AllTheMoves& moves = rig.game().GameMoves;
  ASSERT_TRUE(QTest::qWaitFor([&] { return moves.Count() >= 2 && !rig.host->Busy(); }, 10000))
      << "no claim; xdotool said " << xdotool.readAllStandardError().toStdString();
  EXPECT_TRUE(MoveLogText(moves).starts_with("Player1,horz,1\r\nPlayer2,")) << MoveLogText(moves);
}

TEST(Wayland, AStoredSizeLargerThanTheScreenIsHeldToItAtNewGame) {
  GuiRig rig("[Sizes]\nWidth=2147483647\nHeight=2147483647\n");
  Framed(rig.window());
  const QSize screen = rig.window().screen()->availableGeometry().size();
  ASSERT_EQ(screen, QSize(1024, 768)) << "the whole output";
  rig.answerYes = true;
  rig.window().mnunew->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return rig.host->Window() != nullptr; }));
  MainWindow& w = rig.window();
  Framed(w);
  EXPECT_EQ(w.frameGeometry().size(), screen);
}

// --- The compositor ---------------------------------------------------------

pid_t Spawn(const std::vector<std::string>& args) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    // Gone with the test, however it ends.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  return pid;
}

// Reads what a child writes on fd, until it contains `until`, for at most
// ten seconds.
std::string ReadUntil(int fd, const std::string& until) {
  std::string got;
  char buffer[256];
  while (got.find(until) == std::string::npos) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 10000) <= 0) break;
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    got.append(buffer, static_cast<std::size_t>(n));
  }
  return got;
}

struct Compositor {
  pid_t xvfb = -1;
  pid_t weston = -1;
  ~Compositor() {
    for (pid_t pid : {weston, xvfb}) {
      if (pid > 0) {
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
      }
    }
  }

  // Starts both and sets the environment for the Wayland client; false with
  // the reason on standard error when either does not come up.
  bool Start(TempFolder& runtime) {
    int display[2];
    if (::pipe(display) != 0) return false;
    xvfb = Spawn({"Xvfb", "-displayfd", std::to_string(display[1]), "-screen", "0", "1280x1024x24",
                  "-nolisten", "tcp"});
    ::close(display[1]);
    const std::string number = ReadUntil(display[0], "\n");
    ::close(display[0]);
    if (number.empty()) {
      std::cerr << "Xvfb did not start\n";
      return false;
    }
    ::setenv("DISPLAY", (":" + number.substr(0, number.find('\n'))).c_str(), 1);

    // weston says READY=1 on the socket in NOTIFY_SOCKET once it serves.
    ::chmod(runtime.path().c_str(), 0700);
    ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    const std::string notifyPath = runtime.file("notify");
    const int notify = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    notifyPath.copy(address.sun_path, sizeof address.sun_path - 1);
    if (::bind(notify, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return false;
    ::setenv("NOTIFY_SOCKET", notifyPath.c_str(), 1);
    weston = Spawn({"weston", "--backend=x11-backend.so", "--use-pixman", "--shell=desktop-shell.so",
                    "--socket=" + kSocket, "--width=1024", "--height=768", "--idle-time=0",
                    "--modules=systemd-notify.so", "--logger-scopes=log,proto",
                    "--log=" + runtime.file("weston.log")});
    ::unsetenv("NOTIFY_SOCKET");
    const bool ready = ReadUntil(notify, "READY=1").find("READY=1") != std::string::npos;
    ::close(notify);
    if (!ready) {
      std::cerr << "weston did not start:\n" << WestonLog();
      return false;
    }
    ::setenv("WAYLAND_DISPLAY", kSocket.c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "wayland", 1);
    return true;
  }
};

}  // namespace
}  // namespace pellumo::testing

int main(int argc, char** argv) {
  using namespace pellumo::testing;
  ::testing::InitGoogleTest(&argc, argv);
  TempFolder runtime;
  runtimeDir = &runtime;
  Compositor compositor;
  if (!compositor.Start(runtime)) return 1;
  TempFolder soundConfig;  // as in the other GUI tests
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(soundConfig.path()));
  int result = 0;
  {
    QApplication app(argc, argv);
    pellumo::SetUpApplication();
    result = RUN_ALL_TESTS();
  }
  return result;
}
