#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Plays a game of Trilet the way a screen reader follows it, through AT-SPI.

usage: screen_reader_game.py TRILET [SHOT_DIR]

Starts the program with its accessibility bridge on and checks what an AT-SPI client reads:
every cell of the board, the labels and the command buttons; then it sets a score target in
the options dialog, starts a game with the "Start Game" button and places letters with the
mouse, reading after each move the cell, the turn and score labels and the struck lines (with
the name-change events they send), until the result window says who won. SHOT_DIR, if given,
receives screenshots of the board (board.png) and of the end (result.png). The program is
started with the environment this script gets, so QT_SCALE_FACTOR=2 runs it at ratio 2.

Needs an X display and a D-Bus session bus, for example:
  xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- screen_reader_game.py build/trilet
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 20.0
name_events = []


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, probe, timeout=TIMEOUT):
    end = time.monotonic() + timeout
    while True:
        pump()
        try:
            found = probe()
        except Exception:  # the tree changes under the client while windows come and go
            found = None
        if found:
            return found
        if time.monotonic() > end:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.05)


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def fresh(node):
    node.clearCache()
    return node


def find(root, name=None, role=None, prefix=None):
    for node in descendants(root):
        node.clearCache()
        if role is not None and node.getRoleName() != role:
            continue
        if name is not None and node.name != name:
            continue
        if prefix is not None and not node.name.startswith(prefix):
            continue
        return node
    return None


def window_named(app, name):
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and fresh(window).name == name:
            return window
    return None


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check("Press" in names or "Toggle" in names, f"{node.name}: no press action in {names}")
    action.doAction(names.index("Press") if "Press" in names else names.index("Toggle"))


class Program:
    def __init__(self, path):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        self.process = subprocess.Popen([path], env=env)
        self.app = wait_for("the program on the AT-SPI bus", self._find_app)
        self.main = wait_for("the main window",
                             lambda: window_named(self.app, "Trilet 1.0 - Kovlane 2003"))
        self.scale = self._scale()

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def _scale(self):
        # Qt reports extents in logical pixels; the pointer moves in device pixels.
        _, _, width, _ = self.main.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xid = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                              str(self.process.pid), "--name", "Trilet 1.0"],
                             capture_output=True, text=True).stdout.split()
        info = subprocess.run(["xwininfo", "-id", xid[0]], capture_output=True,
                              text=True).stdout
        real = int(next(l for l in info.splitlines() if "Width:" in l).split()[-1])
        return real / width

    def click(self, node, button):
        x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        cx, cy = int((x + w / 2) * self.scale), int((y + h / 2) * self.scale)
        subprocess.run(["xdotool", "mousemove", str(cx), str(cy), "click", str(button)],
                       check=True)

    def shot(self, path):
        subprocess.run(["import", "-window", "root", path], check=True)

    def stop(self):
        self.process.terminate()
        self.process.wait(10)


def described(main, description):
    for node in descendants(main):
        node.clearCache()
        if node.description == description:
            return node
    return None


def cell(main, row, column):
    return find(main, prefix=f"Row {row}, column {column}: ")


def read_board(main):
    readings = {}
    for node in descendants(main):
        node.clearCache()
        if node.name.startswith("Row "):
            readings[node.name.split(":")[0]] = node.name.split(": ")[1]
    return readings


def main():
    program_path = sys.argv[1]
    shots = sys.argv[2] if len(sys.argv) > 2 else None
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    try:
        time.sleep(0.5)
        pyatspi.Registry.registerEventListener(
            lambda event: name_events.append(event.source.name),
            "object:property-change:accessible-name")
        program = Program(program_path)
        try:
            play(program, shots)
        finally:
            program.stop()
    finally:
        bus.terminate()
        bus.wait(10)
    print("screen reader game: all readings as expected")


def play(program, shots):
    main = program.main
    print(f"main window: {main.name!r}, device pixels per logical pixel: {program.scale}")

    # The whole board: 81 cells, empty before the first game even though letters are shown.
    board = read_board(main)
    check(len(board) == 81, f"{len(board)} cells read")
    check(set(board.values()) == {"empty"}, f"start-up board reads {set(board.values())}")
    print("board: 81 cells, from", min(board), "to", max(board), "all empty")

    labels = {}
    for node in descendants(main):
        node.clearCache()
        if node.getRoleName() == "label" and not node.name.startswith("Row "):
            labels[node.name] = node.description
    print("labels:", labels)
    for text in ("00:00:00", "None/Tuyul", "Lorna Quillet:", "Player 2:"):
        check(text in labels, f"label {text!r} missing from {labels}")

    buttons = {}
    for node in descendants(main):
        if node.getRoleName() == "push button":
            buttons[node.name] = node.description
    print("buttons:", buttons)
    check(buttons == {"Start Game": "Prepare your brain !!",
                      "Options": "Edit the configuration..",
                      "About..": "Who make me ??"}, f"buttons read {buttons}")
    lines = find(main, prefix="No S-O-S")
    check(lines is not None, "struck lines not found")

    # The About box, opened from its button.
    press(find(main, name="About..", role="push button"))
    about = wait_for("the About box", lambda: window_named(program.app, "About Trilet 1.0"))
    print(f"About box: {about.name!r}: {about.description!r}")
    program.click(about, 1)  # a click anywhere closes it
    wait_for("the About box to close",
             lambda: window_named(program.app, "About Trilet 1.0") is None)

    # Options: a score target of 2.
    press(find(main, name="Options", role="push button"))
    options = wait_for("the options dialog", lambda: window_named(program.app, "Options"))
    controls = {node.name: node.getRoleName() for node in descendants(options)}
    print("options dialog:", controls)
    press(find(options, name="Until All box filled"))
    target = wait_for("the score limit box", lambda: find(options, name="Score Limit"))
    wait_for("the score limit box enabled",
             lambda: fresh(target).getState().contains(pyatspi.STATE_ENABLED))
    target.queryEditableText().setTextContents("2")
    press(find(options, name="Okey"))
    wait_for("the options dialog to close", lambda: window_named(program.app, "Options") is None)

    press(find(main, name="Start Game", role="push button"))
    turn = described(main, "Whose turn it is")
    wait_for("the first player to move", lambda: fresh(turn).name == "Lorna Quillet")
    print("new game; turn:", turn.name)

    moves = [  # (row, column, mouse button, letter, who moves next, struck lines after)
        (1, 1, 1, "S", "Player 2", None),
        (1, 2, 3, "O", "Lorna Quillet", None),
        (1, 3, 1, "S", "Lorna Quillet", {("row 1, column 1", "row 1, column 3")}),
        (3, 1, 1, "S", "Player 2", {("row 1, column 1", "row 1, column 3")}),
        (6, 5, 1, "S", "Lorna Quillet", {("row 1, column 1", "row 1, column 3")}),
        (2, 2, 3, "O", None, {("row 1, column 3", "row 3, column 1")}),
    ]
    for row, column, button, letter, next_player, struck in moves:
        target = cell(main, row, column)
        before = len(name_events)
        program.click(target, button)
        expected = f"Row {row}, column {column}: {letter}"
        wait_for(expected, lambda: fresh(target).name == expected)
        wait_for(f"the name-change event of {expected}", lambda: expected in name_events[before:])
        line = fresh(lines).name
        print(f"move {letter} at row {row}, column {column}: cell reads {fresh(target).name!r}, "
              f"lines read {line!r}")
        if struck:
            readings = set(line.split("; "))
            for a, b in struck:
                check(f"S-O-S from {a} to {b}" in readings or f"S-O-S from {b} to {a}" in readings,
                      f"lines read {line!r}")
        else:
            check(line == "No S-O-S struck", f"lines read {line!r}")
        if next_player:
            wait_for(f"{next_player} to move", lambda: fresh(turn).name == next_player)
        if shots and (row, column) == (6, 5):
            program.shot(os.path.join(shots, "board.png"))

    result = wait_for("the result window",
                      lambda: window_named(program.app, "Lorna Quillet is the winner"))
    print(f"result window: {result.name!r} ({result.description!r})")
    board = read_board(main)
    filled = {place: letter for place, letter in board.items() if letter != "empty"}
    print("board now:", filled)
    check(len(filled) == len(moves), f"{len(filled)} cells read filled")
    scores = [fresh(described(main, f"Score of the {p} player")).name for p in ("first", "second")]
    print("scores:", scores)
    check(scores == ["2", "00"], f"scores read {scores}")
    if shots:
        time.sleep(0.5)
        program.shot(os.path.join(shots, "result.png"))


if __name__ == "__main__":
    main()
