# SPDX-License-Identifier: MIT
"""What the scripts that drive the real program share (tests/e2e, tests/ui, tests/wayland): a
check that fails with a message, a wait on a condition, and the tools a script needs.

A script imports it by its folder: sys.path.insert(0, .../tests/common)."""
import shutil
import time


class CheckFailed(AssertionError):
    """A check that did not hold; the script reports its message and fails."""


def check(condition, message):
    if not condition:
        raise CheckFailed(message)


def wait_for(what, probe, seconds=30, between=None, tolerate=()):
    """probe()'s first true value, polled every 50 ms for at most seconds. between() runs after
    each false one (it may fail a check, or deliver events); an exception of a type in tolerate
    counts as not yet."""
    end = time.monotonic() + seconds
    while True:
        try:
            if value := probe():
                return value
        except tolerate:
            pass
        if between:
            between()
        check(time.monotonic() < end, f"waited {seconds} s for {what}")
        time.sleep(0.05)


def require(tools):
    """Fails unless every tool ({program or path: its Debian package}) is installed."""
    missing = [f"{tool} (Debian package {package})" for tool, package in tools.items()
               if not shutil.which(tool)]
    check(not missing, "missing tools: %s; scripts/setup test installs them" % ", ".join(missing))
