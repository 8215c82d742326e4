#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Follows a few moves of Trilet as a screen reader does, through AT-SPI, in a private X
display and D-Bus session. usage: screen_reader_game.py TRILET"""
import os
import shutil
import subprocess
import sys
import time


def check(condition, message):
    if not condition:
        sys.exit(f"screen reader game: {message}")


try:
    import pyatspi
except ImportError:
    check(False, "cannot import pyatspi: install the Debian package python3-pyatspi")


def wait_for(what, probe):
    for _ in range(400):  # 20 s
        try:  # the tree changes under the client while windows come and go
            if found := probe():
                return found
        except Exception:
            pass
        time.sleep(0.05)
    check(False, f"timed out waiting for {what}")


def nodes(node):
    for child in (node.getChildAtIndex(i) for i in range(node.childCount)):
        if child is not None:
            child.clearCache()
            yield child
            yield from nodes(child)


def find(root, test):
    return next((node for node in nodes(root) if test(node)), None)


def play(main):
    board = [n.name for n in nodes(main) if n.name.startswith("Row ")]
    check(len(board) == 81 and all(n.endswith(": empty") for n in board), f"board: {board}")
    buttons = {n.name for n in nodes(main) if n.getRoleName() == "push button"}
    check(buttons == {"Start Game", "Options", "About.."}, f"buttons read {buttons}")
    find(main, lambda n: n.name == "Start Game").queryAction().doAction(0)
    turn = find(main, lambda n: n.description == "Whose turn it is")
    lines = find(main, lambda n: n.description.startswith("The lines struck"))
    for column, button, letter, player in ((1, 1, "S", "Player 2"), (2, 3, "O", "Lorna Quillet"),
                                           (3, 1, "S", "Lorna Quillet")):
        cell = find(main, lambda n: n.name.startswith(f"Row 1, column {column}: "))
        x, y, w, h = cell.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click",
                        str(button)], check=True)
        wanted = f"Row 1, column {column}: {letter}"
        wait_for(wanted, lambda: find(main, lambda n: n.name == wanted))
        wait_for(f"{player} to move", lambda: turn.clearCache() or turn.name == player)
    lines.clearCache()
    ends = sorted(lines.name.removeprefix("S-O-S from ").split(" to "))
    check(ends == ["row 1, column 1", "row 1, column 3"], f"lines read {lines.name!r}")


def main():
    if os.environ.get("TRILET_PRIVATE_SESSION") != "1":
        for tool, package in (("xvfb-run", "xvfb"), ("dbus-run-session", "dbus"),
                              ("xdotool", "xdotool"),
                              ("/usr/libexec/at-spi-bus-launcher", "at-spi2-core")):
            check(shutil.which(tool), f"{tool} missing: install the Debian package {package}")
        os.environ["TRILET_PRIVATE_SESSION"] = "1"
        # No reset when the last client leaves: the program must never meet a resetting server.
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-n", str(100 + os.getpid() % 800), "-s",
                               "-screen 0 1280x1024x24 -noreset",
                               "dbus-run-session", "--", sys.executable, *sys.argv])
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    time.sleep(0.5)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for("the program on the AT-SPI bus",
                       lambda: find(desktop, lambda a: a.get_process_id() == program.pid))
        play(wait_for("the main window",
                      lambda: find(app, lambda w: w.name == "Trilet 1.0 - Kovlane 2003")))
    finally:
        for process in (program, bus):
            process.terminate()
            process.wait(10)
    print("screen reader game: board, labels, buttons, moves and lines read as expected")


if __name__ == "__main__":
    main()
