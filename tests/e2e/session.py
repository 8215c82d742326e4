# SPDX-License-Identifier: MIT
"""A private desktop for one run of the program: Xvfb with openbox, a PulseAudio whose only
output is the null sink 'cap', and the program, driven with xdotool and judged by the screen
(ImageMagick) and the sink's monitor (sox). Every process started here ends with the session,
also when a check fails or time runs out, and is told to stop should this driver die."""

import argparse, array, collections, ctypes, os, re, select, shutil, signal, subprocess, sys
import tempfile, time

# Each outside tool and the Debian package that brings it (scripts/setup installs them all).
TOOLS = {"Xvfb": "xvfb", "openbox": "openbox", "xdotool": "xdotool", "xwininfo": "x11-utils",
         "xprop": "x11-utils", "import": "imagemagick", "convert": "imagemagick",
         "pulseaudio": "pulseaudio", "pactl": "pulseaudio-utils",
         "parecord": "pulseaudio-utils", "sox": "sox"}
SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:")
RAW = ["-t", "raw", "-r", "44100", "-e", "signed", "-b", "16", "-c", "1"]  # the recording
FRAME = 441  # samples a loudness value stands for: 10 ms
Window = collections.namedtuple("Window", "id x y width height")


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


class Raster:
    """An RGB picture, 3 bytes a pixel, rows from the top; equal pictures have equal rgb."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def crop(self, x, y, width, height):
        at = lambda row: ((y + row) * self.width + x) * 3
        return Raster(width, height,
                      b"".join(self.rgb[at(r):at(r) + width * 3] for r in range(height)))

    def pixels(self):
        return [self.rgb[i:i + 3] for i in range(0, len(self.rgb), 3)]

    def __eq__(self, other):
        return self.rgb == other.rgb


def picture(*convert_args, command=("convert",), env=None):
    """A picture file, or ImageMagick's composition of several, as a Raster."""
    data = subprocess.run([*command, *convert_args, "-depth", "8", "ppm:-"], env=env,
                          capture_output=True, timeout=20).stdout
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
    check(header, "%s gave no picture" % command[0])
    width, height = int(header.group(1)), int(header.group(2))
    return Raster(width, height, data[header.end():header.end() + width * height * 3])


_libc = ctypes.CDLL(None)
# A process group of its own, ended as a whole, and a stop (PR_SET_PDEATHSIG) when this
# driver dies.
_child_setup = lambda: (os.setsid(), _libc.prctl(1, signal.SIGTERM))


class Session:
    def __init__(self, args, sound_server):
        self.args, self.processes, self.program, self.display = args, [], None, None
        self.dir = tempfile.mkdtemp(prefix="trilet-e2e-")
        self.pulse, self.log = os.path.join(self.dir, "pulse"), os.path.join(self.dir, "log")
        os.makedirs(self.pulse, mode=0o700)
        self.last_shot = None
        try:
            read_end, write_end = os.pipe()
            self.spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                        "-nolisten", "tcp"], pass_fds=[write_end])
            os.close(write_end)
            number = b""
            while not number.endswith(b"\n"):
                check(select.select([read_end], [], [], 15)[0], "no display from Xvfb in 15 s")
                chunk = os.read(read_end, 16)
                check(chunk, "Xvfb ended without a display")
                number += chunk
            os.close(read_end)
            self.display = ":" + number.decode().strip()
            self.spawn(["openbox", "--sm-disable"])
            self.wait_for(lambda: "window id" in self.tool(
                "xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 10, "openbox")
            if sound_server:
                self.spawn(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                            "--disable-shm=yes", "-L", "module-null-sink sink_name=cap", "-L",
                            "module-native-protocol-unix auth-anonymous=1 socket=%s/native"
                            % self.pulse])
                self.wait_for(lambda: "Default Sink: cap" in self.tool("pactl", "info"),
                              15, "PulseAudio with the null sink 'cap'")
        except BaseException:
            self.close()
            raise

    def close(self):
        for process in reversed(self.processes):
            for sig in (signal.SIGTERM, signal.SIGKILL):
                try:
                    if process.poll() is None:
                        os.killpg(process.pid, sig)
                        process.wait(timeout=5)
                except (ProcessLookupError, subprocess.TimeoutExpired):
                    pass
        shutil.rmtree(self.dir, ignore_errors=True)

    def env(self, **extra):
        return dict(PATH=os.environ.get("PATH", "/usr/bin:/bin"), HOME=self.dir,
                    LANG="C.UTF-8", XDG_RUNTIME_DIR=self.dir, PULSE_RUNTIME_PATH=self.pulse,
                    PULSE_SERVER="unix:%s/native" % self.pulse, DISPLAY=self.display or "",
                    **extra)

    def spawn(self, argv, env=None, stdout=subprocess.DEVNULL, **kwargs):
        process = subprocess.Popen(argv, env=env or self.env(), stdin=subprocess.DEVNULL,
                                   stdout=stdout, stderr=subprocess.STDOUT,
                                   preexec_fn=_child_setup, **kwargs)
        self.processes.append(process)
        return process

    def tool(self, *argv):
        result = subprocess.run(list(map(str, argv)), env=self.env(), capture_output=True,
                                timeout=20)
        return result.stdout.decode(errors="replace")

    def xdo(self, *args):
        return self.tool("xdotool", *args)

    def start_program(self):
        """Starts the program as a person would: no arguments, a plain desktop."""
        env = self.env(ASAN_OPTIONS="detect_leaks=1:abort_on_error=0",
                       LSAN_OPTIONS="suppressions=%s:print_suppressions=0" % self.args.lsan,
                       UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1")
        self.program = self.spawn([self.args.trilet], env=env, stdout=open(self.log, "wb"),
                                  cwd=self.dir)
        return self.window("Trilet 1.0 - Kovlane 2003")

    def output(self):
        with open(self.log, errors="replace") as f:
            return f.read()

    def close_program(self, main):
        """Alt+F4 to the main window's frame: the program must end cleanly and quietly."""
        status = None
        for _ in range(3):
            self.xdo("windowactivate", "--sync", main.id, "key", "--clearmodifiers", "alt+F4")
            try:
                status = self.program.wait(timeout=10)
                break
            except subprocess.TimeoutExpired:
                pass
        check(status == 0 and not any(m in self.output() for m in SANITIZER_MARKS),
              "the program ended with status %s:\n%s" % (status, self.output()))

    def visible(self, title):
        return self.xdo("search", "--onlyvisible", "--name", "^%s$" % re.escape(title)).split()

    def window(self, title):
        ids = self.wait_for(lambda: self.visible(title), 20, "a window titled %r" % title)
        check(len(ids) == 1, "%d windows titled %r" % (len(ids), title))
        info = self.tool("xwininfo", "-id", ids[0])
        field = lambda name: int(re.search(r"%s:\s*(-?\d+)" % name, info).group(1))
        return Window(ids[0], field("Absolute upper-left X"), field("Absolute upper-left Y"),
                      field("Width"), field("Height"))

    def wait_gone(self, title):
        self.wait_for(lambda: not self.visible(title), 10, "the window %r to close" % title)

    def shot(self, window):
        """The client area of a window as the screen shows it now."""
        self.last_shot = picture("-window", "root", command=["import"], env=self.env())
        return self.last_shot.crop(window.x, window.y, window.width, window.height)

    def wait_shot(self, window, condition, what, timeout=10):
        """The first screenshot of the window's client area for which condition holds."""
        return self.wait_for(lambda: (lambda s: condition(s) and s)(self.shot(window)),
                             timeout, what)

    def move(self, window, x, y):
        self.xdo("mousemove", window.x + x, window.y + y)

    def click(self, window, points, button=1):
        """Clicks at one point (x, y) of the window, or at each of a list of points. Each
        click is held a moment, as a person's is: a press and release in the same instant
        can reach the window manager's click-to-focus grab before the window."""
        self.xdo(*sum((["mousemove", window.x + x, window.y + y, "mousedown", button,
                        "sleep", 0.05, "mouseup", button]
                       for x, y in (points if isinstance(points, list) else [points])), []))

    def focus_on(self, window):
        self.wait_for(lambda: self.xdo("getwindowfocus").strip() == window.id, 5,
                      "the keyboard focus on window %s" % window.id)

    def key(self, *keys):
        self.xdo("key", "--clearmodifiers", *keys)

    def wait_for(self, condition, timeout, what):
        """Polls condition until it returns something true, which is returned."""
        end = time.monotonic() + timeout
        while True:
            value = condition()
            if value:
                return value
            if self.program and self.program.poll() is not None:
                raise Failure("the program ended:\n" + self.output())
            check(time.monotonic() < end, "waited %.1f s for %s" % (timeout, what))
            time.sleep(0.05)

    def record(self):
        self.recording = os.path.join(self.dir, "sound.raw")
        self.recorder = self.spawn(["parecord", "--raw", "-d", "cap.monitor", "--rate=44100",
                                    "--format=s16le", "--channels=1", "--latency-msec=10"],
                                   stdout=open(self.recording, "wb"))
        self.wait_for(lambda: self.mark() > 0, 10, "parecord to deliver samples")

    def mark(self):  # this moment of the recording, in seconds
        return os.path.getsize(self.recording) / 2 / 44100

    def stop_recording(self):
        time.sleep(0.3)
        self.recorder.send_signal(signal.SIGINT)
        self.recorder.wait(timeout=5)
        return Sounds(self.recording)


class Sounds:
    """A raw recording cut into sounds; each is told by its length and rough pitch from the
    program's WAVE files, converted to the recording's format."""

    def __init__(self, path):
        self.path = path
        with open(path, "rb") as f:
            samples = array.array("h", f.read()[:os.path.getsize(path) // 2 * 2])
        self.curve = [max(map(abs, samples[i:i + FRAME]))
                      for i in range(0, len(samples) - FRAME, FRAME)]

    def heard(self, since=0.0, until=1e9):
        """The sounds [start, end] (in seconds) that begin in this stretch of time: loud
        stretches, with 150 ms of quiet between two sounds."""
        found, quiet = [], 99
        for i, level in enumerate(self.curve):
            if level > 1000:
                if quiet > 15:
                    found.append([i / 100, 0])
                found[-1][1], quiet = (i + 1) / 100, 0
            quiet += 1
        return [s for s in found if since <= s[0] < until]

    def signature(self, sound):
        """Length and rough pitch; a long sound's pitch leaves out its first 0.2 s, where
        it may have cut a placement sound short."""
        start, end = sound
        skip = 0.2 if end - start > 0.5 else 0
        stat = subprocess.run(["sox", *RAW, self.path, "-n", "trim", str(start + skip),
                               str(end - start - skip), "stat"], capture_output=True, text=True)
        return end - start, int(re.search(r"Rough\s+frequency:\s+(\d+)", stat.stderr).group(1))

    def expect(self, sound, number, resources, what):
        converted = os.path.join(os.path.dirname(self.path), "%d.raw" % number)
        subprocess.run(["sox", os.path.join(resources, "sounds", "%d.wav" % number), *RAW,
                        converted], check=True)
        reference = Sounds(converted)
        check(len(reference.heard()) == 1, "sound %d is not one sound" % number)
        (length, pitch), (ref_length, ref_pitch) = (self.signature(sound),
                                                    reference.signature(reference.heard()[0]))
        check(abs(length - ref_length) <= 0.1 * ref_length + 0.05
              and abs(pitch - ref_pitch) <= 0.1 * ref_pitch,
              "%s: expected sound %d (%.2f s, %d Hz), heard %.2f s at %d Hz from %.2f s"
              % (what, number, ref_length, ref_pitch, length, pitch, sound[0]))


def _on_alarm(signum, frame):
    raise Failure("the scenario ran out of time")


def run(scenarios):
    """Runs the scenario named on the command line, with its time limit, in a fresh session;
    exits with 0 when every check held."""
    parser = argparse.ArgumentParser()
    for option in ("scenario", "--trilet", "--resources", "--lsan", "--artifacts"):
        parser.add_argument(option)
    args = parser.parse_args()
    scenario, time_limit, sound_server = scenarios[args.scenario]
    started, session, status = time.monotonic(), None, 1
    signal.signal(signal.SIGALRM, _on_alarm)
    signal.signal(signal.SIGTERM, _on_alarm)
    signal.alarm(time_limit)
    try:
        missing = ["%s (Debian package %s)" % (tool, package)
                   for tool, package in TOOLS.items() if shutil.which(tool) is None]
        check(not missing, "missing tools: %s; run scripts/setup" % ", ".join(missing))
        session = Session(args, sound_server)
        scenario(session)
        status = 0
        print("PASS in %.1f s" % (time.monotonic() - started))
    except Exception as failure:  # a failed check, or a tool that gave nothing usable
        print("FAIL: %s" % failure, file=sys.stderr)
        if session and session.last_shot and args.artifacts:
            os.makedirs(args.artifacts, exist_ok=True)
            path = os.path.join(args.artifacts, args.scenario + ".ppm")
            shot = session.last_shot
            with open(path, "wb") as f:
                f.write(b"P6 %d %d 255\n%s" % (shot.width, shot.height, shot.rgb))
            print("last screenshot: " + path, file=sys.stderr)
    finally:
        signal.alarm(0)
        if session:
            session.close()
    sys.exit(status)
