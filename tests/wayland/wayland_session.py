#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Trilet in a Wayland session: weston with XWayland, its output shown through weston's X11 back
end in a private Xvfb, so that xdotool moves a real pointer in it. With no X server the program
runs on Wayland and a whole game is played; with XWayland there, it takes X11 and its options
dialog opens centred over the main window. usage: wayland_session.py TRILET
Exits with 77 (skipped) only where the compositor cannot start."""
import os, re, shutil, signal, subprocess, sys, tempfile, time

TITLE, SOCKET = "Trilet 1.0 - Kovlane 2003", "wayland-trilet"
START, OPTIONS, OUTSIDE = (443, 118), (443, 166), (1090, 890)  # Xvfb is larger than the output


def fail(message, code=1):
    print(f"wayland session: {message}")
    sys.exit(code)


def wait_for(what, probe):
    for _ in range(300):  # 30 s
        if found := probe():
            return found
        time.sleep(0.1)
    fail(f"timed out waiting for {what}")


def read(path):
    with open(path, errors="replace") as f:
        return f.read()


def click(*points):
    """Clicks (x, y, button) on weston's output. Each move leaves weston's window and enters it
    again: its X11 back end takes the pointer's position as it is only on entry."""
    argv = ["xdotool"]
    for x, y, button in points:
        argv += ["mousemove", *map(str, OUTSIDE), "mousemove", str(x), str(y), "click", str(button)]
    subprocess.run(argv + ["sleep", "0.1"], check=True)


def x_window(display, pid, title):
    """The client area (x, y, width, height) of the program's visible X window of that title."""
    env = dict(os.environ, DISPLAY=display)
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)], env=env,
                         capture_output=True, text=True).stdout.split()
    for info in (subprocess.run(["xwininfo", "-id", i], env=env, capture_output=True,
                                text=True).stdout for i in ids):
        if f'"{title}"' in info:
            return [int(re.search(f"{key}: +(-?\\d+)", info)[1]) for key in
                    ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]


def main():
    for tool, package in (("Xvfb", "xvfb"), ("weston", "weston"), ("Xwayland", "xwayland"),
                          ("xdotool", "xdotool"), ("xwininfo", "x11-utils")):
        if not shutil.which(tool):
            fail(f"{tool} missing: install the Debian package {package}")
    run = tempfile.mkdtemp(prefix="trilet-wayland-")  # private (0700), as XDG_RUNTIME_DIR must be
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY",
                                                            "QT_QPA_PLATFORM")}
    env.update(XDG_RUNTIME_DIR=run, XDG_SESSION_TYPE="wayland")  # Qt 6 would take Wayland first
    weston_log, wayland_log, chosen_log = run + "/weston.log", run + "/wayland.log", run + "/chosen"
    processes = []

    def start(argv, err=None, fds=(), **more):
        processes.append(subprocess.Popen(argv, env=dict(env, **more), stdout=subprocess.DEVNULL,
                                          stderr=err, pass_fds=fds))
        return processes[-1]

    try:
        ready, tell = os.pipe()
        start(["Xvfb", "-displayfd", str(tell), "-screen", "0", "1100x900x24", "-nolisten", "tcp"],
              fds=(tell,))
        os.close(tell)
        os.environ["DISPLAY"] = ":" + os.read(ready, 16).decode().strip()
        weston = start(["weston", "--backend=x11-backend.so", "--use-pixman", "--debug",
                        "--xwayland", f"--socket={SOCKET}", "--width=1024", "--height=768",
                        "--idle-time=0", f"--log={weston_log}"], DISPLAY=os.environ["DISPLAY"],
                       err=subprocess.DEVNULL)
        for _ in range(100):
            if os.path.exists(weston_log) and "xserver listening" in read(weston_log):
                break
            if weston.poll() is not None or _ == 99:
                log = read(weston_log)[-2000:] if os.path.exists(weston_log) else ""
                fail(f"SKIP: weston did not start here:\n{log}", 77)
            time.sleep(0.1)

        # Wayland alone: no X server to try first.
        with open(wayland_log, "w") as err:
            program = start([sys.argv[1]], WAYLAND_DISPLAY=SOCKET, WAYLAND_DEBUG="1", err=err)
        wait_for("the main window shown", lambda: re.search(
            f'set_title\\("{TITLE}"\\).*wl_surface@\\d+\\.enter', read(wayland_log), re.S))
        graph = lambda: subprocess.run(["weston-debug", "scene-graph"], capture_output=True,
                                       env=dict(env, WAYLAND_DISPLAY=SOCKET), text=True).stdout
        x, y = map(int, wait_for("the main window's place", lambda: re.search(
            f"window '{TITLE}'.*\n.*\n\\s*\\[opaque: \\((\\d+), (\\d+)\\)", graph())).groups())
        cells = [(x + (2 * (160 + 575 * (n % 9)) + 15) // 30 + 17,
                  y + (2 * (130 + 575 * (n // 9)) + 15) // 30 + 17, 1 + 2 * (n % 2)) for n in range(81)]
        click((x + START[0], y + START[1], 1), *cells)  # S and O by turns until the board is full
        wait_for("the result window", lambda: 'set_title("Form3")' in read(wayland_log))
        print(f"Wayland: main window at {x},{y}; 81 letters placed, the result window shown")

        # XWayland beside Wayland: the program takes X11 and places its windows.
        display = re.search(r"xserver listening on display (:\d+)", read(weston_log))[1]
        program = start([sys.argv[1]], WAYLAND_DISPLAY=SOCKET, DISPLAY=display)
        main = wait_for("the main window on XWayland", lambda: x_window(display, program.pid, TITLE))
        click((main[0] + OPTIONS[0], main[1] + OPTIONS[1], 1))
        dialog = wait_for("the options dialog", lambda: x_window(display, program.pid, "Options"))
        centres = [(r[0] + r[2] / 2, r[1] + r[3] / 2) for r in (main, dialog)]
        print(f"XWayland: main window {main}, options dialog {dialog}")
        if max(abs(a - b) for a, b in zip(*centres)) > 1:
            fail(f"the options dialog is not centred over the main window: {centres}")

        # The user's own choice of platform wins, even with an X server there.
        with open(chosen_log, "w") as err:
            start([sys.argv[1]], WAYLAND_DISPLAY=SOCKET, WAYLAND_DEBUG="1", DISPLAY=display,
                  QT_QPA_PLATFORM="wayland", err=err)
        wait_for("the main window on Wayland", lambda: f'set_title("{TITLE}")' in read(chosen_log))
        for p in processes[2:]:  # the programs end on SIGTERM like any other, without a crash
            p.send_signal(signal.SIGTERM)
            if p.wait(10) != -signal.SIGTERM:
                fail(f"the program ended with {p.returncode} on SIGTERM")
    finally:
        for p in reversed(processes):
            p.terminate()
            p.wait(10)
        shutil.rmtree(run, ignore_errors=True)


if __name__ == "__main__":
    main()
