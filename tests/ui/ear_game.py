#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""A whole game against the computer by ear, in a private X display (with openbox) and D-Bus
session: the main window's keys only, and a greedy player who knows the board only from the
notifications it hears over AT-SPI. It keeps its own board from the announced moves, and at the
end checks the board against the cells and the result window's words against the score it heard.
usage: ... TRILET"""
import contextlib
import os
import pathlib
import re
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "common"))
from checks import CheckFailed, check, require, wait_for as wait  # noqa: E402

ME, COM, TARGET = "Lorna Quillet", "Com", 3
TOOLS = {"xvfb-run": "xvfb", "dbus-run-session": "dbus", "xdotool": "xdotool", "openbox": "openbox"}


def deliver():  # every accessible event waiting, before the program's next words replace these
    while GLib.MainContext.default().iteration(False):
        pass


def wait_for(what, probe):  # the tree changes under the reader as it reads: errors are not yet
    return wait(what, probe, between=deliver, tolerate=Exception)


if os.environ.get("TRILET_PRIVATE_SESSION") != "1":
    try:
        require({**TOOLS, "/usr/libexec/at-spi-bus-launcher": "at-spi2-core"})
    except CheckFailed as failure:
        sys.exit(f"ear game: {failure}")
    os.environ["TRILET_PRIVATE_SESSION"] = "1"
    # The session bus starts the AT-SPI bus when asked; -noreset: the X server never resets.
    session = f"xvfb-run -a -n {100 + os.getpid() % 800} -s".split()
    session += ["-screen 0 1280x1024x24 -noreset", "dbus-run-session", "--", "/usr/bin/python3"]
    os.execvp("xvfb-run", session + sys.argv)
from accessible import find, main_window, pyatspi  # noqa: E402
from gi.repository import GLib  # noqa: E402

# Every notification, in order: what a screen reader speaks of the game; the controls that took
# the focus; and the names that changed of anything but a notification.
heard, focused, renamed = [], [], []
SHOWN, FOCUSED, NAMED = (
    "object:state-changed:showing", "object:state-changed:focused",
    "object:property-change:accessible-name")


def listen(event):
    with contextlib.suppress(Exception):  # the source of another event may be gone already
        role, name = event.source.getRoleName(), event.source.name
        if event.type == SHOWN and event.detail1 and role == "notification":
            heard.append(name)
        elif event.type == FOCUSED and event.detail1:
            focused.append(name)
        elif event.type == NAMED and role != "notification":
            renamed.append(name)


pyatspi.Registry.registerEventListener(listen, SHOWN, FOCUSED, NAMED)
xdotool = lambda *argv: subprocess.run(["xdotool", *argv], capture_output=True, text=True).stdout
press = lambda *keys: keys and xdotool("key", "--clearmodifiers", *keys)
shown = lambda *how: xdotool("search", "--all", "--onlyvisible", *how).split()[:1]


def after(*keys):  # the next notification, after pressing keys
    global taken
    press(*keys)
    taken = wait_for(f"a notification after {keys}", lambda: len(heard) > taken and taken + 1)
    return heard[taken - 1]


# What the player knows: the board, (row, column) from (0, 0) -> "S" or "O", the scores, the
# cursor and how many notifications it has taken.
board, score, cursor, taken = {}, {ME: 0, COM: 0}, (4, 4), 0
inside = lambda r, c: 0 <= r < 9 and 0 <= c < 9


def completed(p, letter):  # how many S-O-S lines letter at p would complete
    at = lambda k, i, d: (p[0] + (i - k) * d[0], p[1] + (i - k) * d[1])
    threes = [[at(k, i, d) for i in range(3)] for d in ((0, 1), (1, 0), (1, 1), (1, -1))
              for k in range(3)]
    return sum("".join(letter if q == p else board.get(q, ".") for q in t) == "SOS" for t in threes)


def choose():  # the first move that completes the most S-O-S lines, else an S
    moves = [((r, c), s) for r in range(9) for c in range(9) if (r, c) not in board for s in "SO"]
    return max(moves, key=lambda m: completed(*m) * 2 + (m[1] == "S"))


def told(said, who, expected=None):  # takes in a move's notification; True if the turn passed
    m = re.match(r"Row (\d), column (\d): ([SO])", said) or check(False, f"not a move: {said!r}")
    p, letter = (int(m[1]) - 1, int(m[2]) - 1), m[3]
    check(p not in board and expected in (None, (p, letter)), f"{who}'s move: {said!r}")
    lines = completed(p, letter)
    board[p], score[who] = letter, score[who] + lines
    scored = not lines or f"{who}: {score[who]}" in said
    check(said.count("S-O-S from") == lines and scored, f"{said!r}: {lines} lines, {who} scores")
    return said.endswith("Turn: " + (COM if who == ME else ME))


over = lambda: max(score.values()) >= TARGET or len(board) == 81
folder = tempfile.mkdtemp()  # the window manager first: it maps the program's window
wm = subprocess.Popen(["openbox", "--sm-disable", "--startup", f"touch {folder}/ready"])
environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
program = None
try:
    wait_for("openbox", lambda: os.path.exists(folder + "/ready"))
    program = subprocess.Popen([sys.argv[1]], env=environment)
    main = wait_for("the main window", lambda: main_window(program.pid))
    window = wait_for("its X window", lambda: shown("--pid", str(program.pid), "--name", "^Tri"))
    xdotool("windowactivate", "--sync", *window)
    # Options from the keyboard: against the computer, to a score of TARGET.
    press("ctrl+comma")
    options = wait_for("the options", lambda: shown("--name", "^Options$"))
    keys = "alt+m shift+Tab space shift+Tab ctrl+a %d alt+o" % TARGET  # Vs Computer, the target
    xdotool("windowactivate", "--sync", *options, "key", "--clearmodifiers", *keys.split())
    wait_for("the options to close", lambda: not shown("--name", "^Options$"))
    xdotool("windowactivate", "--sync", *window)
    for key, words in ("t", f"{ME}: 0, {COM}: 0. No game is running."), ("l", "No move yet"):
        check(after(key) == words, f"{key} said {heard[-1]!r}")
    press("ctrl+n")
    while not over():
        (r, c), letter = move = choose()
        dr, dc, keys = r - cursor[0], c - cursor[1], ["Page_Up"] * (r == 0) + ["Home"] * (c == 0)
        keys += ["Up"] * -dr * (r > 0) + ["Down"] * dr + ["Left"] * -dc * (c > 0) + ["Right"] * dc
        cursor, computers_turn = (r, c), told(after(*keys, letter.lower()), ME, move)
        while computers_turn and not over():  # it moves again while it scores
            computers_turn = not told(after(), COM)
    # The board heard is the board shown, and the result window says the outcome heard.
    cell = re.compile(r"Row (\d), column (\d): (S|O|empty)$")  # the notification is no cell
    named = [cell.match(x.name) for x in pyatspi.findAllDescendants(main, lambda x: x.name)]
    named = [m for m in named if m]
    seen = {(int(m[1]) - 1, int(m[2]) - 1): m[3] for m in named if m[3] != "empty"}
    check(len(named) == 81 and seen == board, f"the board heard {board}, shown {seen}")
    # The cursor's cell took the focus; a move is told once, by its notification, never by a
    # cell's new name.
    check(any(cell.match(name) for name in focused), f"no cell took the focus: {focused}")
    check(not [n for n in renamed if cell.match(n)], f"cells renamed: {renamed}")
    behind = (score[ME] < score[COM]) - (score[ME] > score[COM])  # -1, 0 or 1
    outcome = (f"{ME} is the winner", "The game is a draw", f"{ME} is the loser")[behind + 1]
    wait_for(outcome, lambda: find(main.parent, lambda x: x.name == outcome))
    print(f"ear game: {len(board)} cells, {score[ME]}-{score[COM]}: {outcome}")
except CheckFailed as failure:
    sys.exit(f"ear game: {failure}")
finally:
    for process in filter(None, (program, wm)):
        process.terminate()
        process.wait(10)
