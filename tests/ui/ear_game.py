#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""A whole game against the computer by ear, in a private X display (with openbox) and D-Bus
session: the main window's keys only, and a greedy player who knows the board only from the
notifications it hears over AT-SPI. It keeps its own board from the announced moves, checks the
readings against it, and at the end the board against the cells and the result window's words
against the score it heard. usage: ... TRILET"""
import contextlib, os, re, shutil, subprocess, sys, tempfile, time

ME, COM, TARGET = "Lorna Quillet", "Com", 3


def check(condition, message):
    if not condition:
        sys.exit("ear game: " + message)


def wait_for(what, probe):
    end = time.monotonic() + 30
    while time.monotonic() < end:
        with contextlib.suppress(Exception):  # the tree changes under the reader as it reads
            if found := probe():
                return found
        GLib.MainContext.default().iteration(False)  # delivers the accessible events
        time.sleep(0.01)
    check(False, "waited 30 s for " + what)


if os.environ.get("TRILET_PRIVATE_SESSION") != "1":
    for tool, package in (("xvfb-run", "xvfb"), ("dbus-run-session", "dbus"), ("xdotool", "xdotool"),
                          ("openbox", "openbox"), ("/usr/libexec/at-spi-bus-launcher", "at-spi2-core")):
        check(shutil.which(tool), f"{tool} missing: install the Debian package {package}")
    os.environ["TRILET_PRIVATE_SESSION"] = "1"
    os.execvp("xvfb-run", ["xvfb-run", "-a", "-n", str(100 + os.getpid() % 800), "-s",
                           "-screen 0 1280x1024x24 -noreset", "dbus-run-session", "--",
                           "/usr/bin/python3", *sys.argv])
with contextlib.suppress(ImportError):
    import pyatspi
    from gi.repository import GLib
check("pyatspi" in globals(), "cannot import pyatspi: install the Debian package python3-pyatspi")

heard = []  # every notification, in order: what a screen reader speaks of the game


def listen(event):
    with contextlib.suppress(Exception):  # the source of another event may be gone already
        if event.detail1 and event.source.getRoleName() == "notification":
            heard.append(event.source.name)


pyatspi.Registry.registerEventListener(listen, "object:state-changed:showing")


def run(*argv):  # a search that finds nothing fails, and says nothing
    return subprocess.run(["xdotool", *argv], capture_output=True, text=True).stdout


def hear(key, what):  # presses key: its notification must say what
    count = len(heard)
    run("key", "--clearmodifiers", key)
    said = wait_for(f"a notification after {key}", lambda: heard[count:] and heard[count])
    check(said == what, f"{key} said {said!r}, not {what!r}")


# The board as the player knows it: cell 1..81 -> "S" or "O".
board, score, cursor, last = {}, {ME: 0, COM: 0}, 41, None
inside = lambda r, c: 0 <= r < 9 and 0 <= c < 9


def completed(n, letter):  # the S-O-S lines letter in cell n would complete
    r, c = divmod(n - 1, 9)
    lines = []
    for dr, dc in ((0, 1), (1, 0), (1, 1), (1, -1)):
        for k in (0, 1, 2):  # n is the k-th of the three
            three = [(r + (i - k) * dr, c + (i - k) * dc) for i in range(3)]
            if all(inside(*p) for p in three) and "".join(
                    letter if p == (r, c) else board.get(p[0] * 9 + p[1] + 1, ".") for p in three) == "SOS":
                lines.append(three)
    return lines


def choose():  # an S-O-S if one can be had, else a move that leaves the computer none
    moves = [(n, l) for n in range(1, 82) if n not in board for l in "SO"]
    best = max(moves, key=lambda m: len(completed(*m)))
    if completed(*best):
        return best

    def openings(n, letter):
        board[n] = letter
        r, c = divmod(n - 1, 9)
        near = [m for m in range(1, 82) if m not in board and max(abs((m - 1) // 9 - r), abs((m - 1) % 9 - c)) <= 2]
        count = sum(len(completed(m, l)) for m in near for l in "SO")
        del board[n]
        return count
    return min(moves, key=lambda m: openings(*m))


def reading(key):  # what the reading key should say, from the player's board
    r, c = divmod(cursor - 1, 9)
    if key == "t":
        return f"{ME}: {score[ME]}, {COM}: {score[COM]}. Turn: {ME}"
    if key == "l":
        return "No move yet" if not last else "Last move: %s in row %d, column %d, by %s" % (
            board[last[0]], (last[0] - 1) // 9 + 1, (last[0] - 1) % 9 + 1, last[1])
    step = {"r": (0, 1), "c": (1, 0), "d": (1, 1), "shift+d": (1, -1)}[key]
    while inside(r - step[0], c - step[1]):
        r, c = r - step[0], c - step[1]
    cells = []
    while inside(r, c):
        cells.append(r * 9 + c + 1)
        r, c = r + step[0], c + step[1]
    words, empty = [], 0
    for n in cells + [0]:
        if n and n not in board:
            empty += 1
            continue
        words += [["empty", f"{empty} empty"][empty > 1]] if empty else []
        words += [board[n]] if n else []
        empty = 0
    at = lambda n: "row %d, column %d" % ((n - 1) // 9 + 1, (n - 1) % 9 + 1)
    heading = {"r": f"Row {(cursor - 1) // 9 + 1}", "c": f"Column {(cursor - 1) % 9 + 1}"}.get(
        key, f"Diagonal from {at(cells[0])} to {at(cells[-1])}")
    return heading + ": " + ", ".join(words)


def told(said, who, expected=None):  # takes a move's notification into the board; True: turn passed
    global last
    m = re.match(r"Row (\d), column (\d): ([SO])", said)
    check(m, f"not a move: {said!r}")
    n, letter = (int(m[1]) - 1) * 9 + int(m[2]), m[3]
    check(n not in board and (expected is None or expected == (n, letter)), f"{who} placed {said!r}")
    lines = completed(n, letter)
    board[n], last = letter, (n, who)
    check(len(re.findall(r"S-O-S from", said)) == len(lines), f"{said!r}: {len(lines)} lines struck")
    score[who] += len(lines)
    check(not lines or f"{who}: {score[who]}" in said, f"{said!r}: {who} scores {score[who]}")
    return said.endswith("Turn: " + (COM if who == ME else ME))


program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_QPA_PLATFORM="xcb",
                                                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
folder = tempfile.mkdtemp()
wm = subprocess.Popen(["openbox", "--sm-disable", "--startup", f"touch {folder}/ready"])
try:
    wait_for("openbox", lambda: os.path.exists(folder + "/ready"))
    is_main = lambda n: n.name.startswith("Trilet ") and n.get_process_id() == program.pid
    main = wait_for("the main window", lambda: pyatspi.findDescendant(pyatspi.Registry.getDesktop(0), is_main))
    window = wait_for("its X window", lambda: run("search", "--onlyvisible", "--name", "^Trilet ").split()[0])
    run("windowactivate", "--sync", window)
    # Options from the keyboard: against the computer, to a score of TARGET.
    run("key", "--clearmodifiers", "ctrl+comma")
    options = wait_for("the options", lambda: run("search", "--onlyvisible", "--name", "^Options$").split()[0])
    run("windowactivate", "--sync", options, "key", "--clearmodifiers", "alt+m", "shift+Tab", "space",
        "shift+Tab", "ctrl+a", str(TARGET), "alt+o")
    wait_for("the options to close", lambda: not run("search", "--onlyvisible", "--name", "^Options$"))
    run("windowactivate", "--sync", window)
    hear("t", f"{ME}: 0, {COM}: 0. No game is running.")
    hear("l", "No move yet")
    run("key", "--clearmodifiers", "ctrl+n")
    while max(score.values()) < TARGET and len(board) < 81:
        if last:  # the cursor to the last move: its lines are read next
            run("key", "--clearmodifiers", "shift+l")
            cursor = last[0]
        for key in ("r", "c", "d", "shift+d", "t", "l"):
            hear(key, reading(key))
        n, letter = choose()
        r, c, cr, cc = (n - 1) // 9, (n - 1) % 9, (cursor - 1) // 9, (cursor - 1) % 9
        keys = ["Page_Up"] * (r == 0) + ["Up"] * (cr - r) * (r > 0) + ["Down"] * (r - cr)
        keys += ["Home"] * (c == 0) + ["Left"] * (cc - c) * (c > 0) + ["Right"] * (c - cc)
        count = len(heard)
        run("key", "--clearmodifiers", *keys, letter.lower())
        cursor = n
        computers_turn = told(wait_for("my move", lambda: heard[count:] and heard[count]), ME, (n, letter))
        while computers_turn and max(score.values()) < TARGET and len(board) < 81:
            count = len(heard)  # it moves again while it scores
            computers_turn = not told(wait_for("its move", lambda: heard[count:] and heard[count]), COM)
    # The board heard is the board shown, and the result window says the outcome heard.
    cell = re.compile(r"Row (\d), column (\d): (S|O|empty)$")  # the notification is no cell
    named = [cell.match(x.name) for x in pyatspi.findAllDescendants(main, lambda x: cell.match(x.name))]
    shown = {(int(m[1]) - 1) * 9 + int(m[2]): m[3] for m in named if m[3] != "empty"}
    check(len(named) == 81 and shown == board, f"the board heard {board}, shown {shown}")
    outcome = (f"{ME} is the winner", "The game is a draw", f"{ME} is the loser")[
        (score[ME] < score[COM]) - (score[ME] > score[COM]) + 1]
    wait_for(outcome, lambda: pyatspi.findDescendant(main.parent, lambda x: x.name == outcome))
    print(f"ear game: {len(board)} cells, {score[ME]}-{score[COM]}: {outcome}")
finally:
    program.terminate()
    program.wait(10)
    wm.terminate()
    wm.wait(10)
