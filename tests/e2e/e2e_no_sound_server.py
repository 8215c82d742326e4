# SPDX-License-Identifier: MIT
"""A desktop without any sound server: the program plays a whole game with sound switched
on, says nothing about the missing sound, starts no server of its own, and ends cleanly."""

import os
import time

import board
from board import EMPTY, O, S
import options_dialog
from options_dialog import middle
from session import check, run


def no_sound_server(session):
    art = board.Art(session.args.resources)
    main = session.start_program(sound_server=False)
    session.wait_for(lambda: board.exact_cell(session.client(main), 81, art) == S, 10,
                     "the start-up picture")

    # A winning score of 1, so that one line ends the game with its end sound.
    dialog = options_dialog.open_dialog(session, main)
    options_dialog.want_target(session, dialog, "1")
    options_dialog.confirm(session, dialog)

    session.click(main, *middle(board.BUTTONS[0]))
    session.wait_for(lambda: board.exact_cell(session.client(main), 1, art) == EMPTY, 10,
                     "the new game")
    for n, letter in ((1, S), (3, S)):
        session.click(main, *board.cell_point(n), 1)
        session.wait_for(lambda: board.exact_cell(session.client(main), n, art) == letter, 10,
                         "%s in cell %d" % (letter, n))
    session.click(main, *board.cell_point(2), 3)
    result = session.window("Form3")
    winner = art.bmp("result_winner.bmp")
    below_name = (0, 110, winner.width, winner.height - 110)
    session.wait_for(lambda: session.client(result).crop(*below_name) ==
                     winner.crop(*below_name), 10, "the winner picture")
    session.click(result, 60, 300)
    session.wait_gone("Form3")
    check(board.read_cell(session.client(main), 2, art) == O, "no O in cell 2")

    # Still at work: a new game starts at once.
    session.click(main, *middle(board.BUTTONS[0]))
    session.wait_for(lambda: board.exact_cell(session.client(main), 1, art) == EMPTY, 10,
                     "a second game")
    time.sleep(0.5)

    runtime = session.env()["PULSE_RUNTIME_PATH"]
    check(not os.path.exists(os.path.join(session.dir, "no-sound-server", "native")) and
          not os.path.exists(os.path.join(runtime, "native")),
          "a sound server was started for the program")
    session.close_program(main)
    output = session.program_output()
    for word in ("ALSA", "audio", "pulse", "Pulse", "sound"):
        check(word not in output, "the program spoke of the missing sound:\n" + output)


if __name__ == "__main__":
    run(no_sound_server, 90, sound_server=False)
