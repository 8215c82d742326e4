# SPDX-License-Identifier: MIT
"""A whole game against the computer, to the full board: the computer answers about half a
second after each human move (seen on screen and heard), keeps the move while it completes
lines, and the result window names the outcome that the moves on the board add up to."""

import time

import board
from board import EMPTY, O, S
import options_dialog
from options_dialog import middle
from session import check, run
import sound

TURN_REGION = (board.GILIRANLBL[0], board.GILIRANLBL[1], 150, 24)
EARLIEST = 0.3  # the computer's answer never shows sooner than this after the human's click
LATEST = 1.5  # ...and always by this time (500 ms plus a slow machine's delays)


def choose_vs_computer(session, main):
    dialog = options_dialog.open_dialog(session, main)
    options_dialog.choose_mode(session, dialog, 2)
    options_dialog.confirm(session, dialog)


def computer_game(session):
    art = board.Art(session.args.resources)
    sounds = sound.Sounds(session.args.resources)
    main = session.start_program()
    session.wait_for(lambda: board.exact_cell(session.client(main), 81, art) == S, 10,
                     "the start-up picture")
    choose_vs_computer(session, main)

    recorder = sound.Recorder(session)
    session.click(main, *middle(board.BUTTONS[0]))
    client = session.wait_for(
        lambda: (lambda c: all(board.exact_cell(c, n, art) == EMPTY for n in board.CELLS)
                 and c)(session.client(main)), 10, "the new game's empty board")
    human_turn = client.crop(*TURN_REGION)

    known = {n: EMPTY for n in board.CELLS}
    order = {}  # cell -> (round, 0 for the human, 1 for the computer)
    first_reply = None
    first_mark = None
    rounds = 0
    ended = False
    while not ended:
        rounds += 1
        check(rounds <= 81, "more rounds than cells")
        empty = [n for n in board.CELLS if known[n] == EMPTY]
        # The human fills from the centre outwards, mostly with S.
        cell = min(empty, key=lambda n: (abs(board.row_col(n)[0] - 5) +
                                         abs(board.row_col(n)[1] - 5), n))
        letter = O if rounds % 3 == 0 else S
        if first_mark is None:
            first_mark = recorder.mark()
        clicked_at = time.monotonic()
        session.click(main, *board.cell_point(cell), 1 if letter == S else 3)
        click_done = time.monotonic()
        known[cell] = letter
        order[cell] = (rounds, 0)

        human_lines = {line for line in board.sos_lines(known) if cell in line}

        absent_latest = None
        present_earliest = None
        while True:
            time.sleep(0.05)
            began = time.monotonic()
            client = session.client(main)
            finished = time.monotonic()
            check(finished - clicked_at < 60, "round %d never came back to the human" % rounds)
            if session.visible_windows("Form3"):
                ended = True
                break
            if board.read_cell(client, cell, art) != letter:
                check(finished - clicked_at < 5, "the human's %s never showed in cell %d"
                      % (letter, cell))
                continue
            # Struck lines only ever cross filled cells: an empty cell shows exactly.
            news = {}
            for n in board.CELLS:
                if known[n] == EMPTY:
                    shows = board.exact_cell(client, n, art) or board.read_cell(client, n, art)
                    check(shows is not None, "cell %d shows neither a letter nor nothing" % n)
                    if shows != EMPTY:
                        news[n] = shows
            if news:
                present_earliest = present_earliest or finished
                check(finished - clicked_at >= EARLIEST,
                      "the computer moved %.2f s after the click" % (finished - clicked_at))
                for n, v in news.items():
                    known[n] = v
                    order[n] = (rounds, 1)
            elif present_earliest is None:
                absent_latest = began
                check(began - click_done <= LATEST or human_lines,
                      "no answer from the computer %.2f s after the click" % (began - click_done))
            if client.crop(*TURN_REGION) == human_turn:
                # A frame may reach the screen in parts: judge the turn on a settled one.
                time.sleep(0.1)
                settled = session.client(main)
                if settled.crop(*TURN_REGION) != human_turn or any(
                        board.exact_cell(settled, n, art) != EMPTY
                        for n in board.CELLS if known[n] == EMPTY):
                    continue
                if not present_earliest:
                    # The human keeps the move only by completing a line.
                    check(human_lines, "the human's move at %d scored nothing, yet the turn "
                          "did not pass" % cell)
                else:
                    check(not human_lines, "the human's line at %d did not keep the move"
                          % cell)
                break
        if rounds == 1:
            check(present_earliest is not None, "no answer to the first move")
            first_reply = (absent_latest - click_done if absent_latest else 0.0,
                           present_earliest - clicked_at)
            time.sleep(0.3)  # let the answer's sound play out before the next move

    # The result window covers the board: note its picture, close it, then read the final
    # position.
    result = session.window("Form3")
    outcomes = {name: art.bmp(name) for name in
                ("result_winner.bmp", "result_loser.bmp", "result_draw.bmp")}

    def outcome():
        shown = session.client(result)
        for name, picture in outcomes.items():
            below_name = (0, 110, picture.width, picture.height - 110)
            if shown.crop(*below_name) == picture.crop(*below_name):
                return name
        return None

    shown_outcome = session.wait_for(outcome, 10, "an outcome picture in the result window")
    session.click(result, 60, 300)
    session.wait_gone("Form3")
    final = session.client(main)
    seen = board.read_board(final, art)
    for n in board.CELLS:
        check(seen[n] in (S, O), "cell %d reads %s on the full board" % (n, seen[n]))
        check(known[n] in (EMPTY, seen[n]), "cell %d changed to %s" % (n, seen[n]))
        if known[n] == EMPTY:
            order[n] = (rounds, 1)  # the computer's last moves, under the result window
    known = seen

    # Each line scores for whoever put in its last letter; each is struck through.
    score = {"human": 0, "computer": 0}
    for line in board.sos_lines(known):
        last = max(line, key=lambda n: order[n])
        score["human" if order[last][1] == 0 else "computer"] += 1
        (ax, ay), (bx, by) = board.cell_centre(line[0]), board.cell_centre(line[1])
        for t in (0.3, 0.5, 0.7):
            x, y = int(ax + (bx - ax) * t), int(ay + (by - ay) * t)
            check(board.is_black(final.pixel(x, y)), "line %r not struck at (%d, %d)"
                  % (line, x, y))

    if score["human"] > score["computer"]:
        picture, end_sound = "result_winner.bmp", 3
    elif score["human"] < score["computer"]:
        picture, end_sound = "result_loser.bmp", 1
    else:
        picture, end_sound = "result_draw.bmp", 1
    check(shown_outcome == picture, "the result window shows %s for %d to %d"
          % (shown_outcome, score["human"], score["computer"]))

    recording = recorder.stop(tail=2.5)
    heard = recording.sounds(since=first_mark)
    check(len(heard) >= 3, "heard only %r" % heard)
    sounds.expect(recording, heard[0], 2, "the human's first placement")
    sounds.expect(recording, heard[1], 2, "the computer's first answer")
    gap = heard[1].seconds() - heard[0].seconds()
    check(0.4 <= gap <= 0.8, "the computer's first placement sounded %.2f s after the human's"
          % gap)
    sounds.expect(recording, heard[-1], end_sound, "the end of the game", anywhere=True)
    print("computer game: %d rounds, %d to %d, first answer seen between %.2f and %.2f s, "
          "heard %.2f s after the click" % (rounds, score["human"], score["computer"],
                                           first_reply[0], first_reply[1], gap))
    session.close_program(main)


if __name__ == "__main__":
    run(computer_game, 200)
