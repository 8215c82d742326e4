#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""What a screen reader finds of Trilet over the AT-SPI bus, in a private X display and D-Bus
session: its main window, the cells, the Start Game action, a whole game played through the
cells' actions, the result window, and the events a screen reader speaks. usage: ... TRILET"""
import os
import pathlib
import subprocess
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "common"))
from checks import CheckFailed, check, require, wait_for as wait  # noqa: E402


def wait_for(what, probe):  # the tree changes under the reader as it reads: errors are not yet
    deliver = lambda: GLib.MainContext.default().iteration(False)  # the accessible events
    return wait(what, probe, between=deliver, tolerate=Exception)


if os.environ.get("TRILET_PRIVATE_SESSION") != "1":
    try:
        require(
            {
                "xvfb-run": "xvfb",
                "dbus-run-session": "dbus",
                "xdotool": "xdotool",
                "/usr/libexec/at-spi-bus-launcher": "at-spi2-core",
            }
        )
    except CheckFailed as failure:
        sys.exit(f"screen reader game: {failure}")
    os.environ["TRILET_PRIVATE_SESSION"] = "1"
    # The session bus starts the AT-SPI bus when asked; -noreset: the X server never resets.
    os.execvp(
        "xvfb-run",
        [
            "xvfb-run",
            "-a",
            "-n",
            str(100 + os.getpid() % 800),
            "-s",
            "-screen 0 1280x1024x24 -noreset",
            "dbus-run-session",
            "--",
            "/usr/bin/python3",
            *sys.argv,
        ],
    )
from accessible import act, find, first_player, main_window, pyatspi  # noqa: E402
from gi.repository import GLib  # noqa: E402

named, events = "object:property-change:accessible-name", []  # what a screen reader hears:
renamed = []  # the roles and names of the objects whose name changed
pyatspi.Registry.registerEventListener(
    lambda e: (
        events.append(
            (  # type, detail, source's name, description
                e.type,
                e.detail1,
                e.source.name,
                e.source.description,
            )
        ),
        e.type == named and renamed.append((e.source.getRoleName(), e.source.name)),
    ),
    named,
    "object:state-changed:focused",
    "object:state-changed:showing",
)  # the focused cell, and a move's notification
program = subprocess.Popen(
    [sys.argv[1]], env=dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
)
try:
    main = wait_for("the main window", lambda: main_window(program.pid))
    cells, empty = {}, [f"Row {r}, column {c}: empty" for r in range(1, 10) for c in range(1, 10)]
    find(main, lambda n: n.name.startswith("Row ") and cells.update({n.name: n}))  # all of them
    check(sorted(cells) == sorted(empty), f"cells read {list(cells)}")
    start = find(main, lambda n: n.name == "Start Game" and n.getRoleName() == "push button")
    start.queryAction().doAction(0)
    subprocess.run(
        [
            "xdotool",
            "search",
            "--onlyvisible",
            "--name",
            "^Trilet 1",
            "windowfocus",
            "--sync",
            "key",
            "Down",
        ]
    )  # the cursor from the centre cell down
    # Two players: S, O, S strike row 1's first three cells, S in all the others: player 1 wins.
    for name in empty:
        letter = "O" if name == "Row 1, column 2: empty" else "S"
        act(cell := cells[name], "Place " + letter)
        placed = name.replace("empty", letter)
        wait_for(placed, lambda: cell.clearCache() or cell.name == placed)
    first = first_player(main)
    outcome, app = first + " is the winner", main.parent
    act(wait_for(outcome, lambda: find(app, lambda n: n.name == outcome)), "Close")
    wait_for("the result window to close", lambda: not find(app, lambda n: n.name == outcome))
    said = "object:state-changed:showing", 1  # a move as a screen reader says it
    for event in (
        (*said, "Row 1, column 1: S. Turn: Player 2", ""),
        (
            *said,
            "Row 1, column 3: S. S-O-S from row 1, column 3 to row 1, column 1." f" {first}: 1",
            "",
        ),
        ("object:state-changed:focused", 1, "Row 6, column 5: empty", ""),
    ):
        wait_for(f"the event {event}", lambda: event in events)
    # A move is told once, by its notification: a cell's new letter raises no name change.
    cells_renamed = [name for role, name in renamed if role != "notification"]
    check(not [n for n in cells_renamed if n.startswith("Row ")], f"cells renamed: {cells_renamed}")
except CheckFailed as failure:
    sys.exit(f"screen reader game: {failure}")
finally:
    program.terminate()
    program.wait(10)
