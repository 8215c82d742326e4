# SPDX-License-Identifier: MIT
"""The real program on a private desktop (Xvfb, openbox and maybe a PulseAudio that plays only to
the null sink 'cap'): scenarios.py NAME --trilet P --resources DIR --lsan FILE --artifacts DIR"""
import array
import contextlib
import ctypes
import json
import operator
import os
import pathlib
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import types

sys.dont_write_bytecode = True
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "common"))
from checks import check, require, wait_for as wait  # noqa: E402

# A tool of each Debian package the driver runs (scripts/setup installs them all).
TOOLS = {"Xvfb": "xvfb", "openbox": "openbox", "xdotool": "xdotool", "convert": "imagemagick",
         "pulseaudio": "pulseaudio", "parecord": "pulseaudio-utils", "sox": "sox"}
RAW = ["-t", "raw", "-r", "44100", "-e", "signed", "-b", "16", "-c", "1"]  # the recording
ARGS, DIR = dict(zip(sys.argv[2::2], sys.argv[3::2])), tempfile.mkdtemp(prefix="trilet-e2e-")
LAYOUT = json.loads(pathlib.Path(ARGS["--layout"]).read_text())  # [left, top, width, height]
at = lambda name, dx=None, dy=None: [LAYOUT[name][0] + (LAYOUT[name][2] // 2 if dx is None else dx),
                                     LAYOUT[name][1] + (LAYOUT[name][3] // 2 if dy is None else dy)]
START, OPTIONS, ABOUT = at("tombol0"), at("tombol1"), at("tombol2")  # where a person clicks
MODE2, CHECK2, TEXT2, SOUND_OFF, OKEY = (at("mode1_2", 38, 8), at("Check2"), at("Text2"),
                                         at("Option1_2"), at("Command1"))
PULSE, RECORDING, LOG = DIR + "/pulse", DIR + "/sound.raw", DIR + "/log"
now = types.SimpleNamespace(processes=[], program=None, main=None, shot=None,
                            server=None)
RING = b"\xff\x8c\x00"  # the keyboard cursor's ring, never shown in a mouse game


def cell(n, inset=0):  # cell n's top left corner, or where a person clicks it (inset 17)
    return at("cell%d" % n, inset, inset)


def picture(*args, command="convert"):  # a file, or with import a window: (width, height, RGB)
    data = subprocess.run([command, *args, "-depth", "8", "ppm:-"], capture_output=True).stdout
    check(header := re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data), command + " failed")
    return int(header[1]), int(header[2]), memoryview(data)[header.end():]


crop = lambda p, x, y, w, h: b"".join(p[2][((y + r) * p[0] + x) * 3:][:w * 3] for r in range(h))


def alike(a, b):  # two renderings of the same pixels: every channel within two levels
    return len(a) == len(b) and max(map(abs, map(operator.sub, a, b)), default=0) <= 2


def stat(*sound, trim=()):  # sox's length and rough frequency
    out = subprocess.run(["sox", *sound, "-n", *trim, "stat"], capture_output=True, text=True)
    return [float(re.search(name + r".*:\s+([\d.]+)", out.stderr)[1]) for name in ("Len", "Rough")]


def spawn(argv, stdout=subprocess.DEVNULL, **options):  # in its own group, ends with the driver
    now.processes.append(subprocess.Popen(
        argv, stdin=subprocess.DEVNULL, stdout=stdout, stderr=subprocess.STDOUT, cwd=DIR,
        preexec_fn=lambda: (os.setsid(), ctypes.CDLL(None).prctl(1, signal.SIGTERM)), **options))
    return now.processes[-1]


def run(*argv):
    return subprocess.run(list(map(str, argv)), capture_output=True, timeout=60).stdout.decode()


output = lambda: pathlib.Path(LOG).read_text(errors="replace")  # the program's
bmp = lambda name: picture("%s/pictures/%s.bmp" % (ARGS["--resources"], name))  # the program's
mark = lambda: os.path.getsize(RECORDING) / 88200  # the seconds recorded so far


def running():  # between two looks: the program must not have ended
    if now.program and now.program.poll() is not None:
        check(False, "the program ended:\n" + output())


def wait_for(condition, what):
    return wait(what, condition, between=running)


def start(sound_server):
    for name in set(os.environ) - {"PATH"}:  # private folders, and no session bus to start
        del os.environ[name]
    os.environ.update(HOME=DIR, LANG="C.UTF-8", XDG_RUNTIME_DIR=DIR, PULSE_RUNTIME_PATH=PULSE,
                      DBUS_SESSION_BUS_ADDRESS="unix:path=%s/no-bus" % DIR)
    read_end, write_end = os.pipe()
    spawn(["Xvfb", "-displayfd", str(write_end), "-noreset"], pass_fds=[write_end])
    check(select.select([read_end], [], [], 30)[0], "no display from Xvfb in 30 s")
    os.environ["DISPLAY"] = ":" + os.read(read_end, 16).decode().strip()
    run("xdotool", "key", "shift")  # the first fake key reloads the keymap: not under openbox
    spawn(["openbox", "--sm-disable", "--startup", "touch %s/openbox-ready" % DIR])
    wait_for(lambda: os.path.exists(DIR + "/openbox-ready"), "openbox to finish starting")
    os.environ["PULSE_SERVER"] = "unix:%s/native" % PULSE
    if sound_server:
        start_sound_server()
    now.program = spawn([ARGS["--trilet"]], open(LOG, "wb"), env=dict(  # as a person starts it
        os.environ, LSAN_OPTIONS="suppressions=" + ARGS["--lsan"]))
    now.main = window("Trilet 1.0 - Kovlane 2003")


def start_sound_server():
    """A PulseAudio whose only output is the null sink 'cap', without rewinds: a server that
    rewinds mixes a new sound into output it had already mixed ahead, which the speakers then
    play whole but a recording of the sink has already taken, missing the sound's first
    milliseconds. Without rewinds the sound follows what was mixed ahead, and is recorded whole."""
    now.server = spawn(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "-L",
                        "module-null-sink sink_name=cap norewinds=1", "-L",
                        "module-native-protocol-unix auth-anonymous=1 socket=%s/native" % PULSE])
    wait_for(lambda: "Default Sink: cap" in run("pactl", "info"), "PulseAudio")


def quit_program():
    keys(now.main, "alt+F4")  # the program must end cleanly and quietly
    check(now.program.wait(timeout=30) == 0 and not re.search(
        r"ERROR: \w*Sanitizer|runtime error:", output()),
        "the program ended with %s:\n%s" % (now.program.returncode, output()))


def window(title, shown=True):  # the id of the one window shown with that title; or none shown
    search = ("xdotool", "search", "--onlyvisible", "--name", "^%s$" % re.escape(title))
    return wait_for(lambda: (lambda ids: len(ids) == shown and (ids or [True])[0])(
        run(*search).split()), "%s window titled %r" % (["no", "one"][shown], title))


def keys(window, *keys):  # once the window manager has made the window active
    run("xdotool", "windowactivate", "--sync", window, "key", "--clearmodifiers", *keys)


def see(window, condition, what):  # the window's look once it meets condition; kept in now.shot
    look = lambda: setattr(now, "shot", picture("-window", window, command="import")) or now.shot
    wait_for(lambda: condition(look()), what)  # and, once the mouse is used, never a ring
    check(window != now.main or all(m.start() % 3 for m in re.finditer(RING, now.shot[2])),
          "the keyboard cursor's ring in a mouse game")
    return now.shot


def click(window, points, button=1):  # at each (x, y[, button]), held 50 ms lest openbox's grab
    run("xdotool", *sum((["mousemove", "--window", window, x, y, "mousedown", b, "sleep", 0.05,
                          "mouseup", b] for x, y, b in ((*p, button)[:3] for p in points)), []))


def cells(wanted, what=None):  # the main window once each cell n shows wanted[n]: S, O or . none
    looks = dict(S=bmp("letter_s"), O=bmp("letter_o"), **{".": bmp("background")})
    size, at = looks["S"][:2], lambda n, k: cell(n) if k == "." else (0, 0)
    return see(now.main, lambda shot: all(alike(crop(shot, *cell(n), *size), crop(
        looks[k], *at(n, k), *size)) for n, k in wanted.items()), what or "cells %r" % wanted)


place = lambda n, button, letter: (click(now.main, [cell(n, 17)], button), cells({n: letter}))
new_game = lambda: (click(now.main, [START]), cells(dict.fromkeys(range(1, 82), "."),
                                                    "the new game's empty board"))


def result(since, sounds):
    """The result window and the game's last sounds; then the window closed by a click."""
    result = window("Form3")
    expect(since, sounds, "the game's end")
    click(result, [(60, 300)])
    window("Form3", False)


def record():
    spawn(["parecord", "--raw", "-d", "cap.monitor", "--rate=44100", "--channels=1",
           "--format=s16le", "--latency-msec=10"], open(RECORDING, "wb"))
    wait_for(mark, "parecord to deliver sound")


def sounds(since):
    """[start, end] (s) of the sounds (peaks over 1000 parted by under 150 ms of quiet) ending
    after since; and the whole recording in 10 ms steps, '#' loud and '.' quiet."""
    samples = array.array("h", (d := pathlib.Path(RECORDING).read_bytes())[:len(d) // 882 * 882])
    loud = "".join(".#"[max(map(abs, samples[i:i + 441])) > 1000]
                   for i in range(0, len(samples), 441))
    return [[m.start() / 100, m.end() / 100] for m in re.finditer(r"#+(\.{1,15}#+)*", loud)
            if m.end() / 100 > since], loud


def expect(since, numbers, what):
    """The sounds ending after since, once as many as numbers (or one) have been followed by 300
    ms of quiet; each must be the program's sound of that number by its pitch and length."""
    found = wait_for(lambda: (lambda found, loud: len(found) >= max(1, len(numbers)) and
                              loud.endswith("." * 30) and found)(*sounds(since)), what)
    for (start, end), number in zip(found, numbers):
        length, pitch = stat(*RAW, RECORDING, trim=("trim", str(start), str(end - start)))
        want = stat("%s/sounds/%d.wav" % (ARGS["--resources"], number))
        check(len(found) == len(numbers) and 0.5 <= length / want[0] <= 1.25 and
              abs(pitch - want[1]) <= 0.06 * want[1], "%s: heard %r; sound %d is %.2f s at %d "
              "Hz, this %.2f s at %d Hz" % (what, found, number, *want, length, pitch))
    return found


def frame_offset():  # how far the main window's frame lies from the screen's centre, in pixels
    numbers = lambda *argv: [int(n) for n in re.findall(r"-?\d+", run(*argv))]
    left, right, top, bottom = numbers("xprop", "-id", now.main, "_NET_FRAME_EXTENTS")
    client = run("xwininfo", "-id", now.main)
    x, y, width, height = (int(re.search(r"%s:\s+(-?\d+)" % name, client)[1]) for name in (
        "Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
    screen = numbers("xdotool", "getdisplaygeometry")
    return (abs(2 * (x - left) + left + width + right - screen[0]) // 2,
            abs(2 * (y - top) + top + height + bottom - screen[1]) // 2)


def e2e_startup_two_players():
    see(now.main, lambda shot: list(shot[:2]) == LAYOUT["main"][2:], "the main window's size")
    wait_for(lambda: max(frame_offset()) <= 1, "the main window's frame centred on the screen")
    click(now.main, [ABOUT])  # the About box belongs to no other window, and has no taskbar entry
    about = window("About Trilet")
    check(re.search("WM_TRANSIENT_FOR.*not found.*SKIP_TASKBAR", run(
        "xprop", "-id", about, "WM_TRANSIENT_FOR", "_NET_WM_STATE"), re.S), "About box owned")
    click(about, [(20, 20)])
    window("About Trilet", False)
    record()
    two_players()
    quit_program()


def two_players():
    """S1, O2, S3 strike the line 1-3, then S in 4..81: player 1 wins 1-0."""
    put = lambda first, last: click(now.main, [
        (*cell(n, 17), 3 if n == 2 else 1) for n in range(first, last + 1)])
    since = mark()
    new_game()
    put(1, 1)
    cells({1: "S"})
    expect(since, [2], "the first placement")
    put(2, 3)  # S-O-S: the line 1-3 struck, player 1 scores and moves on
    put(4, 80)  # no more lines
    cells({80: "S"})
    last = expect(since, [], "quiet after the placements")[-1][1]
    put(81, 81)
    result(last, [3])


def e2e_options_computer():
    options = lambda: (click(now.main, [OPTIONS]), window("Options"))[1]
    type_into = lambda box, text: (click(dialog, [box]), run(
        "xdotool", "key", "ctrl+a", "BackSpace", "type", "--delay", 30, text))

    check("not found" in run("xprop", "-id", dialog := options(), "WM_TRANSIENT_FOR"), "owned")
    click(dialog, [MODE2, CHECK2])
    type_into(TEXT2, "1")
    click(dialog, [OKEY])
    window("Options", False)

    # To a score of 1: the computer answers S beside the human's S (its delay is the widget
    # tests'); after an S in cell 4 it puts O in 3 and wins.
    new_game()
    record()
    place(1, 1, "S")
    cells({2: "S"}, "the computer's answer")
    computer = expect(0, [2, 2], "two placements")[1]
    click(now.main, [cell(4, 17)])  # heard: that placement, then the computer's cut by its win
    result(computer[1], [2, 1])

    click(options(), [SOUND_OFF, OKEY])  # sound off: nothing is heard of the next game
    window("Options", False)
    silent = mark()
    new_game()  # on screen, the new game leaves nothing of the struck line 2-4, gaps included
    board = bmp("background")
    x, y, width = cell(2)[0] + LAYOUT["cell2"][2], cell(2, 17)[1], cell(4)[0] - cell(3)[0] + 4
    see(now.main, lambda shot: alike(crop(shot, x, y, width, 1), crop(board, x, y, width, 1)),
        "no line")
    place(1, 1, "S")
    cells({2: "S"}, "the computer's answer")
    answered = mark()
    wait_for(lambda: mark() > answered + 1, "another second of recording")
    check(not sounds(silent)[0], "sounds with sound off: %r" % sounds(silent)[0])
    quit_program()


def e2e_without_sound_server():
    new_game()
    for move in ((41, 3, "O"), (40, 1, "S"), (32, 1, "S")):
        place(*move)
    quit_program()
    check(not os.path.exists(PULSE + "/native"), "a sound server was started for the program")
    said = output().splitlines()  # why it is silent, once, however often it tried
    check(len(said) == 1 and said[0].startswith("trilet.sound: no sound: no sound server"),
          "the program said %r" % said)


# The program's connection to the sound server: its client index, or None.
client = lambda: (re.findall(r"Client #(\d+)(?:(?!Client #).)*com\.kovlane\.trilet",
                             run("pactl", "list", "clients"), re.S) or [None])[0]


def e2e_sound_server_restart():
    """A game paced by a person keeps one connection; the server restarted mid-game, the next
    placement is heard; once the program has ended the server holds none of its samples."""
    record()
    since = mark()
    new_game()
    place(1, 1, "S")
    first = expect(since, [2], "the first placement")[0]
    connection = client()
    wait_for(lambda: mark() > first[1] + 1.5, "a person's pause")
    place(2, 3, "O")
    expect(first[1], [2], "the second placement")
    check(client() == connection, "a new connection for a placement in the same game")
    os.killpg(now.server.pid, signal.SIGTERM)
    now.server.wait(timeout=30)
    start_sound_server()
    record()  # the old recording ended with its server
    place(5, 1, "S")
    expect(0, [2], "the first placement after the server's restart")
    quit_program()
    samples = run("pactl", "list", "samples", "short")
    check("trilet" not in samples, "samples left on the server: %r" % samples)


if __name__ == "__main__":
    try:
        require(TOOLS)
        start("without_sound" not in sys.argv[1])
        globals()[sys.argv[1]]()
    except Exception as failure:  # a failed check, or a tool that gave nothing usable
        if now.shot:  # the last look at a window, for the artifacts
            os.makedirs(ARGS["--artifacts"], exist_ok=True)
            pathlib.Path(ARGS["--artifacts"], sys.argv[1] + ".ppm").write_bytes(
                b"P6 %d %d 255\n%s" % now.shot)
        sys.exit("FAIL: %s" % failure)
    finally:
        for process in reversed(now.processes):
            with contextlib.suppress(ProcessLookupError, subprocess.TimeoutExpired):
                os.killpg(process.pid, signal.SIGTERM)
                process.wait(timeout=10)
        shutil.rmtree(DIR, ignore_errors=True)
