# SPDX-License-Identifier: MIT
"""What the loudspeaker plays: the placement sound after each placement, the end sounds of
a two-player game (sound 3) and of a game the computer wins (sound 1) with the computer's
own placement sound half a second after the human's, and nothing at all with sound off."""

import time

import board
from board import EMPTY, O, S
import options_dialog
from options_dialog import middle
import sound
from session import check, run

RATE = sound.RATE


def sound_game(session):
    art = board.Art(session.args.resources)
    sounds = sound.Sounds(session.args.resources)
    main = session.start_program()
    session.wait_for(lambda: board.exact_cell(session.client(main), 81, art) == S, 10,
                     "the start-up picture")
    recorder = sound.Recorder(session)

    def shows(n, letter):
        session.wait_for(lambda: board.read_cell(session.client(main), n, art) == letter, 10,
                         "%s in cell %d" % (letter, n))

    def place(n, letter, pause=0.4, ends=False):
        """Places a letter; one that ends the game is hidden by the result window."""
        mark = recorder.mark()
        session.click(main, *board.cell_point(n), 1 if letter == S else 3)
        if not ends:
            shows(n, letter)
        time.sleep(pause)
        return mark

    def new_game():
        session.click(main, *middle(board.BUTTONS[0]))
        session.wait_for(lambda: board.exact_cell(session.client(main), 1, art) == EMPTY, 10,
                         "the new game")

    def options(mode=None, target=None, sound_on=None):
        dialog = options_dialog.open_dialog(session, main)
        if mode is not None:
            options_dialog.choose_mode(session, dialog, mode)
        if target is not None:
            options_dialog.want_target(session, dialog, target)
        if sound_on is not None:
            options_dialog.switch_sound(session, dialog, sound_on)
        options_dialog.confirm(session, dialog)

    def result_window(picture):
        result = session.window("Form3")
        expected = art.bmp(picture)
        below_name = (0, 110, expected.width, expected.height - 110)
        session.wait_for(lambda: session.client(result).crop(*below_name) ==
                         expected.crop(*below_name), 10, picture + " in the result window")
        time.sleep(2.3)  # the end sound plays out
        session.click(result, 60, 300)
        session.wait_gone("Form3")

    # Two players, a winning score of 1: a placement, then the line that ends the game.
    new_game()
    quiet_until = recorder.mark()
    first = place(1, S, pause=0.6)
    options(target="1")
    place(3, S)
    last = place(2, O, pause=0, ends=True)
    result_window("result_winner.bmp")

    # Against the computer: it answers S beside the human's S, then completes S-O-S and wins.
    options(mode=2)
    new_game()
    versus = place(1, S, pause=0)
    shows(2, S)
    time.sleep(0.4)
    lost = place(4, S, pause=0)
    result_window("result_loser.bmp")

    # The same game with sound off.
    options(sound_on=False)
    new_game()
    silent = place(1, S, pause=0)
    shows(2, S)
    place(4, S, pause=0)
    result_window("result_loser.bmp")
    recording = recorder.stop()

    def heard(since, until=None):
        return [s for s in recording.sounds(since)
                if until is None or s.start * sound.FRAME * RATE < until]

    check(recording.peak(0, quiet_until) < sound.SILENT,
          "sound before the first placement (peak %d)" % recording.peak(0, quiet_until))

    placement = heard(first, last)
    check(len(placement) == 2, "expected two placement sounds, heard %r" % placement)
    for s in placement:
        sounds.expect(recording, s, 2, "a placement")
    check(-0.1 <= placement[0].seconds() - first / RATE <= 0.6,
          "the placement sound came %.2f s after the click" % (placement[0].seconds() -
                                                              first / RATE))
    ending = heard(last, versus)
    check(len(ending) == 1, "expected one sound for the winning line, heard %r" % ending)
    sounds.expect(recording, ending[0], 3, "the end of a two-player game", anywhere=True)

    answer = heard(versus, lost)
    check(len(answer) == 2, "expected the human's and the computer's placement, heard %r"
          % answer)
    for s in answer:
        sounds.expect(recording, s, 2, "a placement against the computer")
    gap = answer[1].seconds() - answer[0].seconds()
    check(0.4 <= gap <= 0.8, "the computer's placement sounded %.2f s after the human's" % gap)
    lost_sounds = heard(lost, silent)
    check(len(lost_sounds) == 2, "expected a placement and the end, heard %r" % lost_sounds)
    sounds.expect(recording, lost_sounds[0], 2, "the human's last placement")
    sounds.expect(recording, lost_sounds[1], 1, "the computer's win", anywhere=True)

    check(recording.peak(silent) < sound.SILENT,
          "sound with sound switched off (peak %d)" % recording.peak(silent))
    print("computer's placement heard %.2f s after the human's" % gap)
    session.close_program(main)


if __name__ == "__main__":
    run(sound_game, 120)
