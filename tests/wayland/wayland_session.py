#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Trilet in a Wayland session: weston with XWayland, shown by weston's X11 back end in a private
Xvfb so that xdotool moves a real pointer and types real keys in it, in a session bus of its own
(where the accessibility bus shows what the program shows). usage: wayland_session.py TRILET.
Exits with 77 (skipped) only where weston cannot start."""
import os
import pathlib
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "common"))
from checks import CheckFailed, check, require, wait_for  # noqa: E402

if os.environ.get("TRILET_PRIVATE_BUS") != "1":  # the session bus starts the AT-SPI bus when asked
    try:
        require({"dbus-run-session": "dbus", "/usr/libexec/at-spi-bus-launcher": "at-spi2-core"})
    except CheckFailed as failure:
        sys.exit(f"wayland session: {failure}")
    os.environ["TRILET_PRIVATE_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv])
from accessible import find, first_player, main_window  # noqa: E402

TITLE, SOCKET, OUTSIDE = "Trilet 1.0 - Kovlane 2003", "wayland-trilet", (1090, 890)


def two_players_keys(first, last):
    """The keys of a two-player game from cell first to last: the cursor (from the centre cell
    at start) to each cell from the one before, and its letter by each letter key in turn. S in
    1, O in 2 and S in 3 strike the line 1-3, then S everywhere: the first player wins 1-0."""
    route = {1: ["Page_Up", "Home"], 81: ["Page_Up", "End", "Page_Down"]}
    letter = lambda n: "shift+space" if n == 2 else ("s", "S", "space")[n % 3]
    steps = (route.get(n, ["Down", "Home"] if n % 9 == 1 else ["Right"]) + [letter(n)]
             for n in range(first, last + 1))
    return sum(steps, [])


def read(path):
    return open(path, errors="replace").read() if os.path.exists(path) else ""


def xdotool(display, *argv):
    try:
        return subprocess.run(["xdotool", *map(str, argv)], env=dict(os.environ, DISPLAY=display),
                              capture_output=True, text=True, timeout=30, check=True).stdout
    except subprocess.TimeoutExpired:
        check(False, f"timed out: xdotool {' '.join(map(str, argv))} on {display}")


def main():
    require({"Xvfb": "xvfb", "weston": "weston", "Xwayland": "xwayland", "xdotool": "xdotool"})
    run = tempfile.mkdtemp(prefix="trilet-wayland-")  # private (0700), as XDG_RUNTIME_DIR must be
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
    env.update(XDG_RUNTIME_DIR=run, XDG_SESSION_TYPE="wayland", WAYLAND_DISPLAY=SOCKET)
    processes = []

    def start(argv, log=None, fds=(), **more):  # the program's Wayland messages go to its log
        err = open(f"{run}/{log}", "w") if log else subprocess.DEVNULL
        processes.append(subprocess.Popen(argv, env=dict(env, **more), stdout=subprocess.DEVNULL,
                                          stderr=err, pass_fds=fds))
        return processes[-1]

    try:
        ready, tell = os.pipe()
        start(["Xvfb", "-displayfd", str(tell), "-screen", "0", "1100x900x24", "-nolisten", "tcp"],
              fds=(tell,))
        screen = ":" + os.read(ready, 16).decode().strip()
        weston = start(["weston", "--backend=x11-backend.so", "--use-pixman", "--debug",
                        "--xwayland", f"--socket={SOCKET}", "--width=1024", "--height=768",
                        "--idle-time=0", f"--log={run}/weston.log"], DISPLAY=screen)
        while not (xwayland := re.search(r"xserver listening on display (:\d+)",
                                         read(f"{run}/weston.log"))):
            if weston.poll() is not None:
                log = read(run + "/weston.log")
                print(f"wayland session: SKIP: weston cannot start here:\n{log}")
                sys.exit(77)
            time.sleep(0.1)
        xwayland = xwayland[1]

        # No X server: the program falls back to Wayland. A whole game there from the keyboard
        # (weston's X11 back end hands the keys typed into its output to the active window), seen
        # as a screen reader sees it: the first placement, then the result window.
        alone = start(
            [sys.argv[1]], "wayland.log", WAYLAND_DEBUG="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"
        )
        wait_for("the main window on Wayland", lambda: TITLE in read(f"{run}/wayland.log"))
        board = wait_for("the main window", lambda: main_window(alone.pid), tolerate=Exception)
        app, corner = board.parent, (1010, 750)  # typed keys go to the X window under the pointer
        xdotool(screen, "mousemove", *OUTSIDE, "mousemove", *corner)
        xdotool(screen, "key", "ctrl+n", *two_players_keys(1, 1))
        named = lambda name: lambda: find(board, lambda n: n.name == name)
        wait_for("an S in row 1, column 1", named("Row 1, column 1: S"), tolerate=Exception)
        xdotool(screen, "key", *two_players_keys(2, 81))
        outcome = first_player(board) + " is the winner"
        wait_for(outcome, lambda: find(app, lambda n: n.name == outcome), tolerate=Exception)
        check('set_title("Form3")' in read(f"{run}/wayland.log"), "no result window on Wayland")
        xdotool(screen, "key", "Escape")
        wait_for(
            "the result window to close",
            lambda: not find(app, lambda n: n.name == outcome),
            tolerate=Exception,
        )
        print(f"Wayland: a whole game played by keys, its result shown ({outcome}) and closed")

        # With XWayland there, the program takes X11, where it can place its windows.
        program = start([sys.argv[1]], DISPLAY=xwayland)
        xdotool(xwayland, "search", "--sync", "--onlyvisible", "--pid", program.pid, "--name",
                TITLE)
        print("XWayland: the main window is an X window")

        # The user's own platform wins over an X server.
        start([sys.argv[1]], "chosen.log", DISPLAY=xwayland, QT_QPA_PLATFORM="wayland",
              WAYLAND_DEBUG="1")
        wait_for("the main window on Wayland", lambda: TITLE in read(f"{run}/chosen.log"))
        for p in processes[2:]:  # each program ends on SIGTERM, without a crash
            p.send_signal(signal.SIGTERM)
            check(p.wait(10) == -signal.SIGTERM,
                  f"the program ended with {p.returncode} on SIGTERM")
    finally:
        for p in reversed(processes):
            p.terminate()
            p.wait(10)
        shutil.rmtree(run, ignore_errors=True)


if __name__ == "__main__":
    try:
        main()
    except CheckFailed as failure:
        sys.exit(f"wayland session: {failure}")
