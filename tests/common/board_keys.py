# SPDX-License-Identifier: MIT
"""The keys of the drivers' two-player game, played from the keyboard: S in cell 1, O in 2 and
S in 3 strike the line 1-3, then S in every other cell; the first player wins 1-0."""

# The cursor starts on the centre cell, 41; to cell 1 from there, and to 81 from 80.
ROUTE = {1: ["Page_Up", "Home"], 81: ["Page_Up", "End", "Page_Down"]}


def two_players_keys(first, last):
    """The keys that move the cursor to each of cells first..last from the one before and put
    its letter there, by each of the letter keys in turn."""
    letter = lambda n: "shift+space" if n == 2 else ("s", "S", "space")[n % 3]
    steps = (
        ROUTE.get(n, ["Down", "Home"] if n % 9 == 1 else ["Right"]) + [letter(n)]
        for n in range(first, last + 1)
    )
    return sum(steps, [])
