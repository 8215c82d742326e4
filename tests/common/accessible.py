# SPDX-License-Identifier: MIT
"""The program as a screen reader finds it over the AT-SPI bus (Debian python3-pyatspi): nodes
found by a test, the main window and the first player's name. The program
must run with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 inside the script's session bus."""
import sys

try:
    import pyatspi
except ImportError:
    sys.exit(
        "cannot import pyatspi: install the Debian package python3-pyatspi (scripts/setup test)"
    )

MAIN_TITLE = "Trilet 1.0 - Kovlane 2003"


def find(root, test):
    """The first node under root, depth first, that passes test; None if none does."""
    for child in filter(None, map(root.getChildAtIndex, range(root.childCount))):
        child.clearCache()
        if test(child) or (child := find(child, test)):
            return child


def main_window(pid):
    """The main window of the program of that process id, or None while it is not there."""
    return find(
        pyatspi.Registry.getDesktop(0),
        lambda n: n.name == MAIN_TITLE and n.get_process_id() == pid,
    )


def first_player(main):
    """The first player's name as the score panel shows it."""
    label = find(main, lambda n: n.description == "Name of the first player").name  # "Name:"
    return label.rstrip(":")
