#!/usr/bin/python3
"""A game played by keys as a blind player plays it, with Orca listening.

    orca_play.py PELLUMO_EXECUTABLE

Starts everything on its own: a private X server under openbox, a session
bus, the accessibility bus, Orca with speech off (it still logs every
utterance) and a copy of the game in a folder of its own. Then presses keys
with xdotool and checks what Orca said after each: the line under the
cursor, the player's line, the computer's answer and the score after Enter,
and the suggested line after Advice.

Orca runs under Debian's /usr/bin/python3 (its modules live there). It
writes its debug log in blocks and, idle, ignores SIGTERM, so a stopped Orca
would lose the end of its log: the script starts Orca itself (`--orca`) with
the log opened line-buffered.
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

# Each wait is for the thing itself; these only bound a run that hangs.
START_SECONDS = 60
SPEECH_SECONDS = 20


def run_orca(log_path, orca_args):
    """Orca's own start-up, with its debug log line-buffered."""
    from orca import debug
    debug.debugLevel = debug.LEVEL_ALL
    debug.eventDebugLevel = debug.LEVEL_OFF
    debug.debugFile = open(log_path, "w", buffering=1)
    sys.argv = ["orca"] + orca_args
    import runpy
    runpy.run_path("/usr/bin/orca", run_name="__main__")


class Failure(Exception):
    pass


def wait_for(what, check, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = check()
        if result:
            return result
        time.sleep(0.05)
    raise Failure("timed out waiting for " + what)


class Speech:
    """What Orca said, and the events it was sent, from its debug log as it
    grows."""

    SAID = re.compile(r"SPEECH OUTPUT: '(.*)'\s*(?:\{.*\})?$")
    EVENT = re.compile(r" - EVENT MANAGER: [a-z-]+:\S* for \[")

    def __init__(self, path):
        self.path = path
        self.heard = []   # every utterance so far, each with the events before it
        self.events = 0   # events so far
        self.mark = 0     # where the current key's utterances start
        self.mark_events = 0
        self.offset = 0

    def read(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as log:
                log.seek(self.offset)
                text = log.read()
        except FileNotFoundError:
            return
        # Only whole lines: the rest is read again next time.
        end = text.rfind("\n") + 1
        self.offset += len(text[:end].encode("utf-8"))
        for line in text[:end].splitlines():
            if self.EVENT.search(line):
                self.events += 1
            found = self.SAID.search(line)
            if found:
                self.heard.append((found.group(1), self.events))

    def logged(self, text):
        try:
            with open(self.path, errors="replace") as log:
                return text in log.read()
        except FileNotFoundError:
            return False

    def since_mark(self):
        self.read()
        return [said for said, _ in self.heard[self.mark:]]

    def expect(self, what, pattern):
        """Waits until an utterance since the last key matches pattern.
        Returns the match and the events Orca was sent before it."""
        regex = re.compile(pattern)

        def found():
            self.read()
            for said, events in self.heard[self.mark:]:
                match = regex.search(said)
                if match:
                    return match, events - self.mark_events
            return None
        try:
            return wait_for(what, found, SPEECH_SECONDS)
        except Failure:
            raise Failure("Orca never said %s (/%s/); it said:\n  %s" % (
                what, pattern, "\n  ".join(self.since_mark()) or "(nothing)"))

    def next_key(self):
        self.read()
        self.mark = len(self.heard)
        self.mark_events = self.events


class Session:
    def __init__(self, work):
        self.work = work
        self.processes = []
        self.env = dict(os.environ)
        for name in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS",
                     "AT_SPI_BUS_ADDRESS", "SESSION_MANAGER", "XDG_SESSION_TYPE"):
            self.env.pop(name, None)
        runtime = os.path.join(work, "run")
        os.mkdir(runtime, 0o700)
        self.env.update(HOME=work, XDG_RUNTIME_DIR=runtime,
                        XDG_CONFIG_HOME=os.path.join(work, "config"),
                        XDG_CACHE_HOME=os.path.join(work, "cache"),
                        XDG_DATA_HOME=os.path.join(work, "data"),
                        GSETTINGS_BACKEND="memory",
                        PATH="/usr/bin:/bin:" + self.env.get("PATH", ""))

    def start(self, name, args, **kwargs):
        log = open(os.path.join(self.work, name + ".log"), "w")
        process = subprocess.Popen(args, env=self.env, stdout=log, stderr=subprocess.STDOUT,
                                   start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def log(self, name):
        try:
            with open(os.path.join(self.work, name + ".log"), errors="replace") as f:
                return f.read()
        except FileNotFoundError:
            return ""

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for process in reversed(self.processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()

    def check_alive(self, process, name):
        if process.poll() is not None:
            raise Failure("%s ended early (%s):\n%s" % (name, process.returncode, self.log(name)))

    def x_server(self):
        read_end, write_end = os.pipe()
        # -noreset: by default the server resets as its last client leaves,
        # and a client connecting meanwhile is refused.
        process = self.start("xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                      "1280x1024x24", "-dpi", "96", "-nolisten", "tcp",
                                      "-noreset"], pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as display:
            number = display.readline().strip()
        if not number:
            raise Failure("Xvfb did not start:\n" + self.log("xvfb"))
        self.env["DISPLAY"] = ":" + number

        def answers():
            self.check_alive(process, "xvfb")
            return subprocess.run(["xprop", "-root"], env=self.env, capture_output=True).returncode == 0
        wait_for("the X server to answer", answers, START_SECONDS)

    def session_bus(self):
        read_end, write_end = os.pipe()
        self.start("dbus", ["dbus-daemon", "--session", "--nofork",
                            "--print-address=%d" % write_end], pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as address:
            line = address.readline().strip()
        if not line:
            raise Failure("the session bus did not start:\n" + self.log("dbus"))
        self.env["DBUS_SESSION_BUS_ADDRESS"] = line

    def accessibility_bus(self):
        launcher = self.start("atspi", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])

        def ready():
            self.check_alive(launcher, "atspi")
            reply = subprocess.run(
                ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                 "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                env=self.env, capture_output=True, text=True)
            return reply.returncode == 0 and "unix:" in reply.stdout
        wait_for("the accessibility bus", ready, START_SECONDS)

    def window_manager(self):
        openbox = self.start("openbox", ["openbox", "--sm-disable"])

        def ready():
            self.check_alive(openbox, "openbox")
            reply = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                   env=self.env, capture_output=True, text=True)
            return "window id" in reply.stdout
        wait_for("openbox", ready, START_SECONDS)

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], env=self.env, check=True)


def other_orca_running():
    reply = subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                           capture_output=True, text=True)
    return reply.stdout.split()


LINE = r"(?:Horizontal|Vertical) line \d+"


def play(session, speech, game):
    # The game, from a folder of its own: its settings go beside it.
    folder = os.path.join(session.work, "game")
    os.mkdir(folder)
    shutil.copy(game, folder)
    # Without a desktop that switches accessibility on, Qt is told to.
    session.env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    pellumo = session.start("pellumo", [os.path.join(folder, os.path.basename(game))])

    # The About window hands over to the main window; the board has the focus.
    speech.expect("the board on start", r"\bBoard\b")
    session.check_alive(pellumo, "pellumo")

    speech.next_key()
    session.key("Down")
    _, events = speech.expect("the line under the cursor", r"^Horizontal line 9, free\b")
    print("Down: %d events" % events)

    # Enter draws H 9; the computer answers with a line of its own.
    speech.next_key()
    session.key("Return")
    turn, events = speech.expect(
        "the turn's message", r"You: Horizontal line 9\b.*Computer: (%s).*You 0, Computer 0" % LINE)
    print("Return: %d events, then %r" % (events, turn.group(0)))
    # A line or box that changed sends one event, the message one more, and
    # the board is disabled for the flash and enabled again. A flood (the
    # debug strip's 64 cells, hidden but built, sent over 200) makes Orca
    # drop what matters.
    if events > 12:
        raise Failure("%d events for one move with no box closed" % events)

    speech.next_key()
    session.key("alt+a")
    advice, events = speech.expect("the suggested line",
                                   r"Advice: (%s).*You -1, Computer 0" % LINE)
    print("Alt+A: %d events, then %r" % (events, advice.group(0)))
    session.check_alive(pellumo, "pellumo")


def main():
    if len(sys.argv) >= 3 and sys.argv[1] == "--orca":
        run_orca(sys.argv[2], sys.argv[3:])
        return 0
    if len(sys.argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    game = os.path.abspath(sys.argv[1])
    for tool in ("Xvfb", "openbox", "xdotool", "xprop", "dbus-daemon", "dbus-send", "orca",
                 "pgrep"):
        if shutil.which(tool) is None:
            print(tool + " is missing: run scripts/deps.sh", file=sys.stderr)
            return 1
    if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        print("at-spi2-core is missing: run scripts/deps.sh", file=sys.stderr)
        return 1
    # Orca refuses to start beside another of the same user, and replacing
    # it would kill that one: never done here.
    others = other_orca_running()
    if others:
        print("Another Orca of this user is running (pid %s); this test needs Orca to itself."
              % ", ".join(others), file=sys.stderr)
        return 1

    work = tempfile.mkdtemp(prefix="pellumo-orca-")
    session = Session(work)
    speech = Speech(os.path.join(work, "orca-debug.log"))
    try:
        session.x_server()
        session.session_bus()
        session.accessibility_bus()
        session.window_manager()
        orca = session.start("orca", ["/usr/bin/python3", os.path.abspath(__file__), "--orca",
                                      speech.path, "--disable=speech", "--disable=braille",
                                      "-u", os.path.join(work, "orca-settings")])
        wait_for("Orca to start", lambda: session.check_alive(orca, "orca")
                 or speech.logged("Startup complete"), START_SECONDS)
        session.check_alive(orca, "orca")
        play(session, speech, game)
        print("Orca heard the cursor, the turn and the advice.")
        return 0
    except Failure as failure:
        print("FAILED:", failure, file=sys.stderr)
        print("Orca's debug log: " + speech.path, file=sys.stderr)
        work = None  # kept for a look
        return 1
    finally:
        session.stop()
        if work:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
