# SPDX-License-Identifier: MIT
"""Two people share the mouse for a whole game: S with the left button, O with the right,
a completed line struck through and the extra move it earns, then the board filled to the
end, the result window, and that window closed with a click."""

import time

import board
from board import EMPTY, O, S
from options_dialog import middle
from session import check, click_steps, run

TURN_REGION = (board.GILIRANLBL[0], board.GILIRANLBL[1], 150, 24)
QUESTION = "What's up Dog !!"


def region(client, area):
    return client.crop(*area)


def score_region(slot):
    x, y = board.SCORELBL[slot]
    return (x, y, 30, 16)


def two_humans(session):
    art = board.Art(session.args.resources)
    main = session.start_program()
    session.wait_for(lambda: board.exact_cell(session.client(main), 81, art) == S, 10,
                     "the start-up picture")
    before_game = region(session.client(main), TURN_REGION)
    clock_area = (board.TIMELBL[0], board.TIMELBL[1], 75, 24)
    clock_at_start = region(session.client(main), clock_area)

    session.click(main, *middle(board.BUTTONS[0]))

    def all_empty():
        client = session.client(main)
        return all(board.exact_cell(client, n, art) == EMPTY for n in board.CELLS) and client

    client = session.wait_for(all_empty, 10, "the new game to clear the 81 cells")
    first_turn = region(client, TURN_REGION)
    check(first_turn != before_game, "the turn label did not change for the new game")
    scores_at_start = {slot: region(client, score_region(slot)) for slot in (1, 2)}

    def place(n, button, letter):
        """Places a letter and returns the window once it shows it and has settled (a frame
        may reach the screen in parts)."""
        session.click(main, *board.cell_point(n), button)
        session.wait_for(lambda: board.read_cell(session.client(main), n, art) == letter, 10,
                         "%s in cell %d" % (letter, n))
        time.sleep(0.15)
        return session.client(main)

    client = place(1, 1, S)
    second_turn = region(client, TURN_REGION)
    check(second_turn != first_turn, "the turn did not pass after a move without a line")

    # In a running game the new-game button asks first; No leaves the game as it is.
    session.click(main, *middle(board.BUTTONS[0]))
    question = session.window(QUESTION)
    session.focus_on(question)
    session.key("alt+n")
    session.wait_gone(QUESTION)
    time.sleep(0.3)
    client = session.client(main)
    check(board.exact_cell(client, 1, art) == S and region(client, TURN_REGION) == second_turn,
          "answering No to the question changed the game")

    # None of these places a letter: a middle-button release, a press on one cell released
    # over another, a release over an occupied cell.
    session.click(main, *board.cell_point(5), 2)
    x6, y6 = board.cell_point(6)
    x7, y7 = board.cell_point(7)
    session.xdotool("mousemove", main.x + x6, main.y + y6, "mousedown", 1, "sleep", 0.05,
                    "mousemove", main.x + x7, main.y + y7, "sleep", 0.05, "mouseup", 1)
    session.click(main, *board.cell_point(1), 3)

    # The second player's S in cell 3 is handled after all of the above.
    client = place(3, 1, S)
    for n, letter in ((1, S), (5, EMPTY), (6, EMPTY), (7, EMPTY)):
        check(board.exact_cell(client, n, art) == letter,
              "cell %d shows %s, not %s" % (n, board.read_cell(client, n, art), letter))
    check(region(client, TURN_REGION) == first_turn, "the turn did not come back to player 1")

    # Player 1's O in cell 2 completes S-O-S across cells 1 to 3.
    client = place(2, 3, O)
    (ax, ay), (bx, _) = board.cell_centre(1), board.cell_centre(3)

    def struck():
        c = session.client(main)
        return all(board.is_black(c.pixel(int(ax + (bx - ax) * t), int(ay)))
                   for t in (0, 0.1, 0.25, 0.4, 0.5, 0.6, 0.75, 0.9, 1)) and c

    client = session.wait_for(struck, 5, "a black line from the centre of cell 1 to cell 3")
    # 3 pixels wide: a column across the line in the gap between cells 1 and 2.
    gap_x = (board.cell_origin(1)[0] + 35 + board.cell_origin(2)[0]) // 2
    column = [board.is_black(client.pixel(gap_x, y)) for y in range(int(ay) - 8, int(ay) + 9)]
    check(sum(column) == 3 and column.index(True) + 2 == len(column) - 1 - column[::-1].index(True),
          "the line is not 3 pixels wide where it crosses the gap: %r" % column)
    # The scorer moves again, and the point shows beside player 1's name only.
    check(region(client, TURN_REGION) == first_turn, "the turn passed although a line scored")
    check(region(client, score_region(1)) != scores_at_start[1], "player 1's score still 00")
    check(region(client, score_region(2)) == scores_at_start[2], "player 2's score changed")

    # That extra move, without a line, hands the turn to player 2 at last.
    client = place(10, 1, S)
    check(region(client, TURN_REGION) == second_turn, "the turn did not pass to player 2")

    # The clock has been running since the new game.
    session.wait_for(lambda: region(session.client(main), clock_area) != clock_at_start, 5,
                     "the clock to tick")

    # Fill the rest with S: no further line, so player 1 wins 1 to 0 on a full board.
    rest = [n for n in board.CELLS if n not in (1, 2, 3, 10)]
    for start in range(0, len(rest), 11):
        batch = rest[start:start + 11]
        session.xdotool(*sum((click_steps(main, *board.cell_point(n)) for n in batch), []))
        if batch[-1] != rest[-1]:
            session.wait_for(lambda: all(board.read_cell(session.client(main), n, art) == S
                                         for n in batch[-1:]), 10,
                             "S in cells %d to %d" % (batch[0], batch[-1]))

    result = session.window("Form3")
    check((result.width, result.height) == (480, 388),
          "result window %dx%d, not 480x388" % (result.width, result.height))
    mx, my = main.centre()
    rx, ry = result.centre()
    check(abs(rx - mx) <= 4 and abs(ry - my) <= 25, "result window %r not centred over %r"
          % (result, main))

    winner = art.bmp("result_winner.bmp")

    def shows_winner():
        shown = session.client(result)
        below_name = (0, 110, winner.width, winner.height - 110)
        return shown.crop(*below_name) == winner.crop(*below_name) and shown

    shown = session.wait_for(shows_winner, 10, "the winner picture in the result window")
    name_area = (248, 56, 225, 42)
    name_ink = shown.crop(*name_area).rgb
    picture = winner.crop(*name_area).rgb
    differing = sum(1 for i in range(0, len(picture), 3) if name_ink[i:i + 3] != picture[i:i + 3])
    check(differing > 100, "no name over the winner picture (%d pixels differ)" % differing)
    check(shown.crop(479, 0, 1, 388).count(lambda r, g, b: (r, g, b) != (255, 255, 255)) == 0,
          "the strip right of the picture is not white")

    # A click on the name does nothing; a click elsewhere on the window closes it.
    session.click(result, 248 + 112, 56 + 20)
    session.stays(lambda: session.visible_windows("Form3"), 1.0,
                  "the result window closed on a click on the name")
    session.click(result, 60, 300)
    session.wait_gone("Form3")

    # The final position stays on view, and the clock stands still.
    first = session.client(main)
    for n in board.CELLS:
        check(board.read_cell(first, n, art) == (O if n == 2 else S),
              "cell %d shows %s after the game" % (n, board.read_cell(first, n, art)))
    session.click(main, *board.cell_point(40), 3)
    time.sleep(1.2)
    check(session.client(main).crop(0, 0, 530, 392) == first,
          "the window changed after the game ended")

    # After the end a new game starts without a question; in it, Yes starts over.
    session.click(main, *middle(board.BUTTONS[0]))
    session.wait_for(all_empty, 10, "a new game right after the end")
    check(not session.visible_windows(QUESTION), "a question before a new game after the end")
    place(41, 3, O)
    session.click(main, *middle(board.BUTTONS[0]))
    question = session.window(QUESTION)
    session.focus_on(question)
    session.key("Return")
    session.wait_gone(QUESTION)
    session.wait_for(all_empty, 10, "the new game after Yes")
    session.close_program(main)


if __name__ == "__main__":
    run(two_humans, 150)
