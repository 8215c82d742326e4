# SPDX-License-Identifier: MIT
"""A private desktop for one run of the program: its own X server (Xvfb) with a window
manager (openbox), its own sound server (PulseAudio with a null sink as the only output),
the program started in it, and the means a person has: the pointer and the keyboard
(xdotool), the screen (ImageMagick's import) and the loudspeaker (the sink's monitor).

Every process started here is ended when the session ends, also when a check fails or the
scenario runs out of time; each is also told to stop if this driver dies."""

import argparse
import ctypes
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pictures

# Each outside tool and the Debian package that brings it (scripts/setup installs them all).
TOOLS = {
    "Xvfb": "xvfb",
    "openbox": "openbox",
    "xdotool": "xdotool",
    "xwininfo": "x11-utils",
    "xprop": "x11-utils",
    "import": "imagemagick",
    "pulseaudio": "pulseaudio",
    "pactl": "pulseaudio-utils",
    "parecord": "pulseaudio-utils",
}

MAIN_TITLE = "Trilet 1.0 - Kovlane 2003"
SCREEN = (1024, 768)
SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:",
                   "SUMMARY: UndefinedBehaviorSanitizer")


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def require_tools():
    missing = [(tool, package) for tool, package in TOOLS.items() if shutil.which(tool) is None]
    if missing:
        raise Failure("missing tools: " + ", ".join(
            "%s (Debian package %s)" % pair for pair in missing) + "; run scripts/setup")


_libc = ctypes.CDLL(None, use_errno=True)
_PR_SET_PDEATHSIG = 1


def _child_setup():
    # Own process group, so that ending it ends everything it started; and a signal of its
    # own should this driver be killed before it can clean up.
    os.setsid()
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


def exact_name(title):
    """An xdotool --name pattern that matches exactly this title."""
    return "^" + re.escape(title) + "$"


class Window:
    """A top-level window as X reports it: its id and its client area on the screen."""

    def __init__(self, wid, x, y, width, height):
        self.id = wid
        self.x = x
        self.y = y
        self.width = width
        self.height = height

    def centre(self):
        return (self.x + self.width / 2, self.y + self.height / 2)

    def __repr__(self):
        return "Window(%s at %d,%d %dx%d)" % (self.id, self.x, self.y, self.width, self.height)


# How long a click holds the button down. A person's click takes a good tenth of a second;
# a press and release sent in the same instant can reach the window manager's click-to-focus
# grab before it has handed the press on, and then the window never sees the release.
CLICK_HOLD = "0.05"


def click_steps(window, x, y, button=1):
    """xdotool steps of one click at (x, y) of the window's client area; chain several
    clicks in one call by concatenating them."""
    return ["mousemove", window.x + x, window.y + y, "mousedown", button,
            "sleep", CLICK_HOLD, "mouseup", button]


class Session:
    def __init__(self, args, sound_server=True):
        self.args = args
        self.sound_server = sound_server
        self.dir = tempfile.mkdtemp(prefix="trilet-e2e-")
        self.processes = []
        self.program = None
        self.program_log = os.path.join(self.dir, "trilet.log")
        self.display = None
        self.last_shot = None
        self.pulse_socket = os.path.join(self.dir, "pulse", "native")
        self.runtime_dir = os.path.join(self.dir, "run")
        os.makedirs(self.runtime_dir, mode=0o700)
        os.makedirs(os.path.dirname(self.pulse_socket), mode=0o700)

    # ---- life cycle -------------------------------------------------------------------

    def __enter__(self):
        try:
            self._start_x()
            self._start_window_manager()
            if self.sound_server:
                self._start_pulse()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def close(self):
        for process in reversed(self.processes):
            self._end(process)
        self.processes = []
        shutil.rmtree(self.dir, ignore_errors=True)

    @staticmethod
    def _end(process):
        if process.poll() is not None:
            return
        try:
            os.killpg(process.pid, signal.SIGTERM)
        except ProcessLookupError:
            return
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            process.wait(timeout=5)

    def spawn(self, argv, env=None, **kwargs):
        kwargs.setdefault("stdin", subprocess.DEVNULL)
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        kwargs.setdefault("stderr", subprocess.DEVNULL)
        process = subprocess.Popen(argv, env=env or self.env(), preexec_fn=_child_setup,
                                   **kwargs)
        self.processes.append(process)
        return process

    def env(self):
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": self.dir,
            "XDG_RUNTIME_DIR": self.runtime_dir,
            "LANG": "C.UTF-8",
            "PULSE_RUNTIME_PATH": os.path.dirname(self.pulse_socket),
            "PULSE_SERVER": "unix:" + self.pulse_socket,
        }
        if self.display is not None:
            env["DISPLAY"] = self.display
        return env

    def _start_x(self):
        read_end, write_end = os.pipe()
        log = open(os.path.join(self.dir, "xvfb.log"), "wb")
        self.spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                    "%dx%dx24" % SCREEN, "-nolisten", "tcp", "-noreset"],
                   pass_fds=[write_end], stderr=log)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 15
        while not number.endswith(b"\n"):
            left = deadline - time.monotonic()
            ready, _, _ = select.select([read_end], [], [], max(left, 0))
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                os.close(read_end)
                raise Failure("Xvfb did not report a display within 15 s")
            number += chunk
        os.close(read_end)
        self.display = ":" + number.decode().strip()

    def _start_window_manager(self):
        self.spawn(["openbox", "--sm-disable"])
        # The manager announces itself on the root window once it runs.
        self.wait_for(lambda: "window id" in self.tool(["xprop", "-root",
                                                          "_NET_SUPPORTING_WM_CHECK"],
                                                         check_rc=False),
                      10, "openbox to manage the screen")

    def _start_pulse(self):
        log = open(os.path.join(self.dir, "pulseaudio.log"), "wb")
        self.spawn(["pulseaudio", "--system=false", "-n", "--daemonize=no",
                    "--exit-idle-time=-1", "--disallow-exit", "--disable-shm=yes",
                    "-L", "module-null-sink sink_name=cap",
                    "-L", "module-native-protocol-unix auth-anonymous=1 socket=" +
                    self.pulse_socket], stderr=log)
        self.wait_for(lambda: "Default Sink: cap" in self.tool(["pactl", "info"],
                                                                check_rc=False),
                      15, "PulseAudio to offer the null sink 'cap'")

    # ---- the program --------------------------------------------------------------------

    def start_program(self, sound_server=True):
        """Starts the program as a person would: no arguments, a plain desktop environment.
        Without sound_server it finds no PulseAudio at all."""
        env = self.env()
        if not sound_server:
            nowhere = os.path.join(self.dir, "no-sound-server")
            os.makedirs(nowhere, mode=0o700)
            env["PULSE_SERVER"] = "unix:" + os.path.join(nowhere, "native")
            env["PULSE_RUNTIME_PATH"] = nowhere
        # The sanitizers' own settings: the test build reports leaks, minus system libraries.
        env["ASAN_OPTIONS"] = "detect_leaks=1:abort_on_error=0"
        env["LSAN_OPTIONS"] = "suppressions=%s:print_suppressions=0" % self.args.lsan_suppressions
        env["UBSAN_OPTIONS"] = "print_stacktrace=1:halt_on_error=1"
        log = open(self.program_log, "wb")
        self.program = self.spawn([self.args.trilet], env=env, stdout=log,
                                  stderr=subprocess.STDOUT, cwd=self.dir)
        return self.main_window()

    def program_output(self):
        try:
            with open(self.program_log, "r", errors="replace") as f:
                return f.read()
        except OSError:
            return ""

    def check_program_running(self):
        if self.program is not None and self.program.poll() is not None:
            raise Failure("the program ended (status %s):\n%s"
                          % (self.program.returncode, self.program_output()))

    def close_program(self, main):
        """Closes the main window through its frame (Alt+F4 to the window manager, pressed
        again should a busy machine have swallowed it) and checks that the program ends
        cleanly, with no sanitizer report."""
        status = None
        for attempt in range(3):
            self.tool(["xdotool", "windowactivate", "--sync", main.id], check_rc=False)
            try:
                self.focus_on(main)
            except Failure:
                pass
            self.tool(["xdotool", "key", "--clearmodifiers", "alt+F4"])
            try:
                status = self.program.wait(timeout=15)
                break
            except subprocess.TimeoutExpired:
                continue
        if status is None:
            raise Failure("the program did not end after closing its main window")
        output = self.program_output()
        for mark in SANITIZER_MARKS:
            check(mark not in output, "sanitizer report from the program:\n" + output)
        check(status == 0, "the program ended with status %d:\n%s" % (status, output))

    # ---- windows ------------------------------------------------------------------------

    def tool(self, argv, check_rc=True, timeout=20):
        result = subprocess.run(argv, env=self.env(), capture_output=True, timeout=timeout)
        if check_rc and result.returncode != 0:
            raise Failure("%s failed (%d): %s" % (" ".join(argv), result.returncode,
                                                  result.stderr.decode(errors="replace")))
        return result.stdout.decode(errors="replace")

    def visible_windows(self, title):
        out = self.tool(["xdotool", "search", "--onlyvisible", "--name", exact_name(title)],
                        check_rc=False)
        return [w for w in out.split() if w]

    def window(self, title, timeout=20):
        """The one visible window with exactly this title, once it is mapped."""
        ids = self.wait_for(lambda: self.visible_windows(title), timeout,
                            "a visible window titled %r" % title)
        check(len(ids) == 1, "%d visible windows titled %r" % (len(ids), title))
        return self.geometry(ids[0])

    def main_window(self):
        return self.window(MAIN_TITLE)

    def geometry(self, wid):
        info = self.tool(["xwininfo", "-id", wid])

        def field(name):
            match = re.search(r"^\s*%s:\s*(-?\d+)" % re.escape(name), info, re.M)
            check(match is not None, "xwininfo gave no %s:\n%s" % (name, info))
            return int(match.group(1))

        return Window(wid, field("Absolute upper-left X"), field("Absolute upper-left Y"),
                      field("Width"), field("Height"))

    def title(self, wid):
        return self.tool(["xdotool", "getwindowname", wid]).rstrip("\n")

    def wait_gone(self, title, timeout=10):
        self.wait_for(lambda: not self.visible_windows(title), timeout,
                      "the window titled %r to close" % title)

    def stays(self, condition, seconds, what):
        """Checks that condition holds throughout the next seconds."""
        end = time.monotonic() + seconds
        while True:
            check(condition(), what)
            if time.monotonic() >= end:
                return
            time.sleep(0.05)

    # ---- the screen ---------------------------------------------------------------------

    def shot(self):
        """The whole screen as it is now."""
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                              env=self.env(), capture_output=True, timeout=20).stdout
        self.last_shot = pictures.read_ppm(data)
        return self.last_shot

    def client(self, window, shot=None):
        """The client area of a window in a screenshot."""
        shot = shot or self.shot()
        return shot.crop(window.x, window.y, window.width, window.height)

    # ---- pointer and keyboard -----------------------------------------------------------

    def xdotool(self, *args):
        self.tool(["xdotool"] + [str(a) for a in args])

    def move(self, window, x, y):
        self.xdotool("mousemove", window.x + x, window.y + y)

    def click(self, window, x, y, button=1):
        """Moves to (x, y) of the window's client area and clicks a button there."""
        self.xdotool(*click_steps(window, x, y, button))

    def focus_on(self, window):
        """Waits until the window has the keyboard focus, as a person waits for the text
        cursor before typing."""
        self.wait_for(lambda: self.tool(["xdotool", "getwindowfocus"], check_rc=False).strip()
                      == window.id, 5, "the keyboard focus on %r" % window)

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", 30, text)

    # ---- waiting ------------------------------------------------------------------------

    def wait_for(self, condition, timeout, what, interval=0.05):
        """Polls condition until it returns something true, which is returned."""
        end = time.monotonic() + timeout
        while True:
            value = condition()
            if value:
                return value
            if self.program is not None:
                self.check_program_running()
            if time.monotonic() >= end:
                raise Failure("waited %.1f s for %s" % (timeout, what))
            time.sleep(interval)


def _on_alarm(signum, frame):
    raise Failure("the scenario ran out of time")


def run(scenario, time_limit, sound_server=True):
    """Runs one scenario in a fresh session and exits with 0 when every check held."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--trilet", required=True)
    parser.add_argument("--resources", required=True)
    parser.add_argument("--lsan-suppressions", required=True)
    parser.add_argument("--artifacts", default=None)
    args = parser.parse_args()
    started = time.monotonic()
    signal.signal(signal.SIGALRM, _on_alarm)
    signal.signal(signal.SIGTERM, _on_alarm)
    signal.alarm(time_limit)
    session = None
    status = 0
    try:
        require_tools()
        session = Session(args, sound_server).__enter__()
        scenario(session)
    except Failure as failure:
        status = 1
        print("FAIL: %s" % failure, file=sys.stderr)
        if session is not None:
            output = session.program_output()
            if output:
                print("--- program output ---\n" + output[-4000:], file=sys.stderr)
            if args.artifacts and session.last_shot is not None:
                os.makedirs(args.artifacts, exist_ok=True)
                path = os.path.join(args.artifacts, scenario.__name__ + ".ppm")
                session.last_shot.write_ppm(path)
                print("last screenshot: " + path, file=sys.stderr)
    finally:
        signal.alarm(0)
        if session is not None:
            session.close()
    if status == 0:
        print("PASS in %.1f s" % (time.monotonic() - started))
    sys.exit(status)
