# SPDX-License-Identifier: MIT
"""Where things are on the main window, what its pictures look like, and the S-O-S rule
worked out independently of the program, to judge what the screen shows."""

import os

import pictures

EMPTY, S, O = ".", "S", "O"
CELLS = range(1, 82)


def px(twips):
    """A twip figure as the nearest whole pixel (15 twips to the pixel)."""
    return (2 * twips + 15) // 30


def row_col(n):
    return (n - 1) // 9 + 1, (n - 1) % 9 + 1


def cell_origin(n):
    r, c = row_col(n)
    return px(160 + 575 * (c - 1)), px(130 + 575 * (r - 1))


def cell_centre(n):
    """The centre of a cell, 262.5 twips into it, in (fractional) pixels."""
    r, c = row_col(n)
    return (160 + 575 * (c - 1) + 262.5) / 15, (130 + 575 * (r - 1) + 262.5) / 15


def cell_point(n):
    """A point well inside the cell, where a person would click."""
    x, y = cell_origin(n)
    return x + 17, y + 17


# The command buttons tombol(0..2): left, top, width, height.
BUTTONS = [(px(5520), px(1440 + 720 * i), px(2250), px(675)) for i in range(3)]
BUTTON_NAMES = ["start", "options", "about"]

# Label origins (their top-left corners).
NAMALBL = {1: (px(5640), px(4080)), 2: (px(5640), px(4320))}
SCORELBL = {1: (px(6960), px(4080)), 2: (px(6960), px(4320))}
GILIRANLBL = (px(3360), px(5520))
TIMELBL = (px(6720), px(5520))

# A spot of bare window surface: right of the board, above the buttons, clear of all labels.
BARE_SURFACE = (px(5400), px(300))


def button_point(i):
    """On the button, near its lower right corner: a tool tip opening below the pointer then
    stays clear of all three buttons."""
    left, top, width, height = BUTTONS[i]
    return left + width - 1, top + height - 1


def _lines():
    lines = []
    for n in CELLS:
        r, c = row_col(n)
        for step, dr, dc in ((1, 0, 1), (9, 1, 0), (10, 1, 1), (8, 1, -1)):
            if 1 <= r + 2 * dr <= 9 and 1 <= c + 2 * dc <= 9:
                lines.append((n, n + step, n + 2 * step))
    return lines


# All 224 lines of three neighbouring cells.
LINES = _lines()
assert len(LINES) == 224


def sos_lines(board):
    """The lines reading S, O, S on a board given as {cell: letter}."""
    return {line for line in LINES
            if board[line[0]] == S and board[line[1]] == O and board[line[2]] == S}


class Art:
    """The program's pictures, read from its resource folder."""

    def __init__(self, resources):
        pictures_dir = os.path.join(resources, "pictures")
        self.path = lambda name: os.path.join(pictures_dir, name)
        self.background = pictures.read_bmp(self.path("background.bmp"))
        self.letter = {S: pictures.read_bmp(self.path("letter_s.bmp")),
                       O: pictures.read_bmp(self.path("letter_o.bmp"))}
        self.letter_size = (self.letter[S].width, self.letter[S].height)

    def background_at(self, x, y, width, height):
        return self.background.crop(x, y, width, height)

    def empty_cell(self, n):
        return self.background_at(*cell_origin(n), *self.letter_size)

    def button_look(self, i, look):
        """tombol(i) as it should be seen with look 'normal', 'hover' or 'pressed'."""
        left, top, width, height = BUTTONS[i]
        return pictures.gif_over(self.path("button_%s_%s.gif" % (BUTTON_NAMES[i], look)),
                                 self.background_at(left, top, width, height))

    def bmp(self, name):
        return pictures.read_bmp(self.path(name))


def cell_picture(client, n, art):
    x, y = cell_origin(n)
    return client.crop(x, y, *art.letter_size)


def read_cell(client, n, art):
    """What cell n shows: S, O, EMPTY, or None when it matches nothing. Struck lines may
    cross a cell, so the pixels where the three candidates differ are counted, and the
    candidate that owns clearly most of them wins."""
    seen = cell_picture(client, n, art)
    candidates = {S: art.letter[S], O: art.letter[O], EMPTY: art.empty_cell(n)}
    votes = dict.fromkeys(candidates, 0)
    telling = 0
    a = seen.rgb
    pics = {k: v.rgb for k, v in candidates.items()}
    for i in range(0, len(a), 3):
        s, o, e = pics[S][i:i + 3], pics[O][i:i + 3], pics[EMPTY][i:i + 3]
        if s == o == e:
            continue
        telling += 1
        p = a[i:i + 3]
        if p == s:
            votes[S] += 1
        if p == o:
            votes[O] += 1
        if p == e:
            votes[EMPTY] += 1
    best = max(votes, key=votes.get)
    others = max(v for k, v in votes.items() if k != best)
    if votes[best] >= 0.6 * telling and votes[best] > 2 * others:
        return best
    return None


def read_board(client, art):
    return {n: read_cell(client, n, art) for n in CELLS}


def exact_cell(client, n, art):
    """S, O or EMPTY when the cell shows exactly that picture (no line across it)."""
    seen = cell_picture(client, n, art)
    if seen == art.letter[S]:
        return S
    if seen == art.letter[O]:
        return O
    if seen == art.empty_cell(n):
        return EMPTY
    return None


def ink(client, art, x, y, width, height, threshold=60):
    """The pixels of a region that differ from the window's background picture: what a
    transparent label has drawn there. Returns the set of (x, y) offsets in the region."""
    seen = client.crop(x, y, width, height).rgb
    ground = art.background_at(x, y, width, height).rgb
    marks = set()
    for i in range(0, len(seen), 3):
        if max(abs(seen[i + k] - ground[i + k]) for k in range(3)) > threshold:
            p = i // 3
            marks.add((p % width, p // width))
    return marks


def extent(marks):
    """Bounding box (left, top, right, bottom) of a set of points, or None."""
    if not marks:
        return None
    xs = [p[0] for p in marks]
    ys = [p[1] for p in marks]
    return min(xs), min(ys), max(xs), max(ys)


def is_black(pixel):
    return pixel == (0, 0, 0)
