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
run = lambda *argv: subprocess.run(["xdotool", *argv], capture_output=True, text=True).stdout


def after(*keys):  # the next notification, after pressing keys
    global taken
    run("key", "--clearmodifiers", *keys) if keys else None
    taken = wait_for(f"a notification after {keys}", lambda: len(heard) > taken and taken + 1)
    return heard[taken - 1]


# What the player knows: the board, (row, column) from (0, 0) -> "S" or "O", the scores, the
# cursor, the last move (its place and who made it), and how many notifications it has taken.
board, score, cursor, last, taken = {}, {ME: 0, COM: 0}, (4, 4), None, 0
inside = lambda r, c: 0 <= r < 9 and 0 <= c < 9
say = lambda p: f"row {p[0] + 1}, column {p[1] + 1}"
STEPS = {"r": (0, 1), "c": (1, 0), "d": (1, 1), "shift+d": (1, -1)}


def line(p, step):  # the cells of the line through p, from its top (or left) end
    r, c = p
    while inside(r - step[0], c - step[1]):
        r, c = r - step[0], c - step[1]
    return [(r + i * step[0], c + i * step[1]) for i in range(9) if inside(r + i * step[0], c + i * step[1])]


def completed(p, letter):  # how many S-O-S lines letter at p would complete
    return sum("".join(letter if q == p else board.get(q, ".") for q in three) == "SOS"
               for step in STEPS.values() for k in range(3) for three in [[
                   (p[0] + (i - k) * step[0], p[1] + (i - k) * step[1]) for i in range(3)]]
               if all(inside(*q) for q in three))


def choose():  # an S-O-S if one can be had, else a move that leaves the computer none
    moves = [((r, c), l) for r in range(9) for c in range(9) if (r, c) not in board for l in "SO"]
    best = max(moves, key=lambda m: completed(*m))
    if completed(*best):
        return best

    def openings(p, letter):  # the lines the computer could complete next
        board[p] = letter
        near = [(r, c) for r in range(p[0] - 2, p[0] + 3) for c in range(p[1] - 2, p[1] + 3)]
        count = sum(completed(q, l) for q in near if inside(*q) and q not in board for l in "SO")
        del board[p]
        return count
    return min(moves, key=lambda m: openings(*m))


def reading(key):  # what a reading key should say, from what the player knows
    if key == "t":
        return f"{ME}: {score[ME]}, {COM}: {score[COM]}. Turn: {ME}"
    if key == "l":
        return f"Last move: {board[last[0]]} in {say(last[0])}, by {last[1]}" if last else "No move yet"
    cells, words, empty = line(cursor, STEPS[key]), [], 0
    for q in cells + [None]:
        if q and q not in board:
            empty += 1
            continue
        words += [f"{empty} empty" if empty > 1 else "empty"] * (empty > 0) + [board.get(q)] * (q is not None)
        empty = 0
    heading = {"r": f"Row {cursor[0] + 1}", "c": f"Column {cursor[1] + 1}"}.get(
        key, f"Diagonal from {say(cells[0])} to {say(cells[-1])}")
    return heading + ": " + ", ".join(words)


def told(said, who, expected=None):  # takes in a move's notification; True if the turn passed
    global last
    m = re.match(r"Row (\d), column (\d): ([SO])", said) or check(False, f"not a move: {said!r}")
    p, letter = (int(m[1]) - 1, int(m[2]) - 1), m[3]
    check(p not in board and expected in (None, (p, letter)), f"{who}'s move: {said!r}")
    lines = completed(p, letter)
    board[p], last, score[who] = letter, (p, who), score[who] + lines
    check(said.count("S-O-S from") == lines and (not lines or f"{who}: {score[who]}" in said),
          f"{said!r}: {lines} lines, {who} at {score[who]}")
    return said.endswith("Turn: " + (COM if who == ME else ME))


over = lambda: max(score.values()) >= TARGET or len(board) == 81
folder = tempfile.mkdtemp()  # the window manager first: it maps the program's window
wm = subprocess.Popen(["openbox", "--sm-disable", "--startup", f"touch {folder}/ready"])
wait_for("openbox", lambda: os.path.exists(folder + "/ready"))
program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_QPA_PLATFORM="xcb",
                                                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
try:
    is_main = lambda n: n.name.startswith("Trilet ") and n.get_process_id() == program.pid
    main = wait_for("the main window", lambda: pyatspi.findDescendant(pyatspi.Registry.getDesktop(0), is_main))
    window = wait_for("its X window", lambda: run("search", "--all", "--onlyvisible", "--pid", str(
        program.pid), "--name", "^Trilet ").split()[0])
    run("windowactivate", "--sync", window)
    # Options from the keyboard: against the computer, to a score of TARGET.
    run("key", "--clearmodifiers", "ctrl+comma")
    options = wait_for("the options", lambda: run("search", "--onlyvisible", "--name", "^Options$").split()[0])
    run("windowactivate", "--sync", options, "key", "--clearmodifiers", "alt+m", "shift+Tab", "space",
        "shift+Tab", "ctrl+a", str(TARGET), "alt+o")
    wait_for("the options to close", lambda: not run("search", "--onlyvisible", "--name", "^Options$"))
    run("windowactivate", "--sync", window)
    for key, words in ("t", f"{ME}: 0, {COM}: 0. No game is running."), ("l", "No move yet"):
        check(after(key) == words, f"{key} said {heard[-1]!r}")
    run("key", "--clearmodifiers", "ctrl+n")
    while not over():
        if last:  # the cursor to the last move, whose lines are read next
            run("key", "--clearmodifiers", "shift+l")
            cursor = last[0]
        for key in ("r", "c", "d", "shift+d", "t", "l"):
            check(after(key) == reading(key), f"{key} said {heard[-1]!r}, not {reading(key)!r}")
        (r, c), letter = move = choose()
        keys = ["Page_Up"] * (r == 0) + ["Up"] * (cursor[0] - r) * (r > 0) + ["Down"] * (r - cursor[0])
        keys += ["Home"] * (c == 0) + ["Left"] * (cursor[1] - c) * (c > 0) + ["Right"] * (c - cursor[1])
        cursor, computers_turn = (r, c), told(after(*keys, letter.lower()), ME, move)
        while computers_turn and not over():  # it moves again while it scores
            computers_turn = not told(after(), COM)
    # The board heard is the board shown, and the result window says the outcome heard.
    cell = re.compile(r"Row (\d), column (\d): (S|O|empty)$")  # the notification is no cell
    named = [cell.match(x.name) for x in pyatspi.findAllDescendants(main, lambda x: cell.match(x.name))]
    shown = {(int(m[1]) - 1, int(m[2]) - 1): m[3] for m in named if m[3] != "empty"}
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
