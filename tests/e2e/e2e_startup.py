# SPDX-License-Identifier: MIT
"""Start-up as a person meets it: the main window's title and size, the S and O
checkerboard in the 81 cells, the labels, an idle board, and a clean end through the frame."""

import time

import board
from board import S, O
from session import check, run, MAIN_TITLE


def startup(session):
    art = board.Art(session.args.resources)
    main = session.start_program()

    check(session.title(main.id) == MAIN_TITLE, "title %r" % session.title(main.id))
    check((main.width, main.height) == (530, 392),
          "client area %dx%d, not 530x392" % (main.width, main.height))
    # Centred on the screen (the frame adds a title bar above the client area).
    cx, cy = main.centre()
    check(abs(cx - 512) <= 4 and abs(cy - 384) <= 30, "not centred on the screen: %r" % main)

    def checkerboard():
        client = session.client(main)
        return all(board.exact_cell(client, n, art) == (S if n % 2 else O)
                   for n in board.CELLS) and client

    client = session.wait_for(checkerboard, 10, "the S/O checkerboard in all 81 cells")

    # The labels: each draws dark (the clock blue) text at its place over the background.
    def label_ink(origin, width=90, height=18):
        return board.ink(client, art, origin[0], origin[1], width, height)

    name1, name2 = label_ink(board.NAMALBL[1], 86, 15), label_ink(board.NAMALBL[2], 86, 15)
    box1, box2 = board.extent(name1), board.extent(name2)
    check(box1 and box2, "a name label shows nothing")
    check(box1[0] <= 2 and box2[0] <= 2, "name labels do not start at their place")
    # "Lorna Quillet:" is half again as wide as "Player 2:".
    width1, width2 = box1[2] - box1[0], box2[2] - box2[0]
    check(width1 > 1.3 * width2, "name label 1 (%d px) is not wider than 2 (%d px): the "
          "first name is not the start-up name" % (width1, width2))
    for slot in (1, 2):
        score = board.extent(label_ink(board.SCORELBL[slot], 30, 15))
        check(score and score[0] <= 2, "score label %d shows nothing at its place" % slot)
    turn = board.extent(label_ink(board.GILIRANLBL, 120, 22))
    check(turn and turn[0] <= 2, "the turn label shows nothing at its place")

    x, y = board.TIMELBL
    clock = client.crop(x, y, 75, 24)
    blue = clock.count(lambda r, g, b: b > 200 and r < 60 and g < 60)
    check(blue > 20, "the clock label shows no blue text (%d blue pixels)" % blue)

    # Idle: releasing either button over a cell changes nothing, and the clock stands.
    for n, button in ((41, 1), (42, 3), (1, 1)):
        session.click(main, *board.cell_point(n), button)
    time.sleep(1.3)
    after = session.client(main)
    for n in board.CELLS:
        check(board.exact_cell(after, n, art) == (S if n % 2 else O),
              "cell %d changed before any game" % n)
    check(after.crop(x, y, 75, 24) == clock, "the clock moved before any game")

    # The frame is fixed: a double click on the title bar does not maximise the window, and
    # the window manager's Alt + right-button drag does not make it larger.
    session.xdotool("mousemove", main.x + 100, main.y - 10, "click", "--repeat", 2,
                    "--delay", 80, 1)
    session.xdotool("mousemove", main.x + 500, main.y + 380, "keydown", "alt", "mousedown", 3,
                    "sleep", 0.1, "mousemove", main.x + 550, main.y + 430, "sleep", 0.1,
                    "mousemove", main.x + 600, main.y + 480, "sleep", 0.2, "mouseup", 3,
                    "keyup", "alt")
    time.sleep(0.5)
    now = session.geometry(main.id)
    check((now.x, now.y, now.width, now.height) == (main.x, main.y, main.width, main.height),
          "the main window went from %r to %r" % (main, now))

    session.close_program(main)


if __name__ == "__main__":
    run(startup, 90)
