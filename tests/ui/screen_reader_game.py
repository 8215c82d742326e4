#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""What a screen reader finds of Trilet over the AT-SPI bus, in a private X display and D-Bus
session: its main window, the cells, the Start Game action, a move. usage: ... TRILET"""
import contextlib, os, shutil, subprocess, sys, time


def check(condition, message):
    if not condition:
        sys.exit("screen reader game: " + message)


def wait_for(what, probe):
    end = time.monotonic() + 30
    while time.monotonic() < end:
        with contextlib.suppress(Exception):  # the tree changes under the reader as it reads
            if found := probe():
                return found
        time.sleep(0.05)
    check(False, "waited 30 s for " + what)


def find(root, test):  # depth first
    for child in filter(None, map(root.getChildAtIndex, range(root.childCount))):
        child.clearCache()
        if test(child) or (child := find(child, test)):
            return child


if os.environ.get("TRILET_PRIVATE_SESSION") != "1":
    for tool, package in (("xvfb-run", "xvfb"), ("dbus-run-session", "dbus"), ("xdotool",
                          "xdotool"), ("/usr/libexec/at-spi-bus-launcher", "at-spi2-core")):
        check(shutil.which(tool), f"{tool} missing: install the Debian package {package}")
    os.environ["TRILET_PRIVATE_SESSION"] = "1"
    # The session bus starts the AT-SPI bus when asked; -noreset: the X server never resets.
    os.execvp("xvfb-run", ["xvfb-run", "-a", "-n", str(100 + os.getpid() % 800), "-s",
                           "-screen 0 1280x1024x24 -noreset", "dbus-run-session", "--",
                           "/usr/bin/python3", *sys.argv])
with contextlib.suppress(ImportError):
    import pyatspi
check("pyatspi" in globals(), "cannot import pyatspi: install the Debian package python3-pyatspi")
program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_QPA_PLATFORM="xcb",
                                                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
try:
    is_main = lambda n: n.name == "Trilet 1.0 - Kovlane 2003" and n.get_process_id() == program.pid
    main = wait_for("the main window", lambda: find(pyatspi.Registry.getDesktop(0), is_main))
    cells, empty = [], (f"Row {r}, column {c}: empty" for r in range(1, 10) for c in range(1, 10))
    find(main, lambda n: n.name.startswith("Row ") and cells.append(n.name))  # all of them
    check(sorted(cells) == sorted(empty), f"cells read {cells}")
    start = find(main, lambda n: n.name == "Start Game" and n.getRoleName() == "push button")
    start.queryAction().doAction(0)
    cell = find(main, lambda n: n.name == "Row 1, column 1: empty")
    x, y, w, h = cell.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"])
    wait_for("the placed S", lambda: find(main, lambda n: n.name == "Row 1, column 1: S"))
finally:
    program.terminate()
    program.wait(10)
