# SPDX-License-Identifier: MIT
"""The options dialog used with mouse and keyboard: opened with its button, Escape ignored,
names typed (13 characters at most), the game mode and the sound switched, the score target
refused when empty and taken when typed; the new names on the main window's labels, the
dialog refilled from the game when it opens again, Cancel applying nothing, and the chosen
target, sound and mode at work in the next games."""

import time

import board
from board import EMPTY, S
import options_dialog as od
from options_dialog import (CHECK2, COMMAND1, COMMAND2, OPTION1, TEXT1, TEXT2, middle,
                            replace_text, selected_mode)
import sound
from session import check, run

NAME_INK = (86, 15)  # where a name label draws: from its origin, clear of the score labels


def name_label(client, art, slot):
    x, y = board.NAMALBL[slot]
    marks = board.ink(client, art, x, y, *NAME_INK)
    pixels = {(mx, my): client.pixel(x + mx, y + my) for mx, my in marks}
    return marks, pixels


def options(session):
    art = board.Art(session.args.resources)
    main = session.start_program()
    start = session.wait_for(lambda: (lambda c: board.exact_cell(c, 81, art) == S and c)(
        session.client(main)), 10, "the start-up picture")
    start_labels = {slot: name_label(start, art, slot) for slot in (1, 2)}

    dialog = od.open_dialog(session, main)
    check((dialog.width, dialog.height) == (343, 229),
          "options client area %dx%d, not 343x229" % (dialog.width, dialog.height))
    mx, my = main.centre()
    dx, dy = dialog.centre()
    check(abs(dx - mx) <= 4 and abs(dy - my) <= 25, "options %r not centred over %r"
          % (dialog, main))
    check(selected_mode(session, dialog) == 1, "the dialog does not open on Vs Player")

    # Escape does nothing.
    session.key("Escape")
    session.stays(lambda: session.visible_windows("Options"), 1.0, "Escape closed the dialog")

    # Names: the first is typed too long and keeps its first 13 characters.
    replace_text(session, dialog, TEXT1[1], "Zed Quorra Lin-Extra")
    replace_text(session, dialog, TEXT1[2], "Bo")

    # The mode selector follows the clicks; the sound goes off.
    od.choose_mode(session, dialog, 2)
    od.choose_mode(session, dialog, 1)
    sound_on_look = session.client(dialog).crop(*OPTION1[1])
    session.click(dialog, *middle(OPTION1[2]))
    session.wait_for(lambda: session.client(dialog).crop(*OPTION1[1]) != sound_on_look, 5,
                     "ON to come out when OFF is pressed")

    # A target is wanted: an empty one is refused with the range message.
    disabled_target = session.client(dialog).crop(*TEXT2)
    session.click(dialog, *middle(CHECK2))
    session.wait_for(lambda: session.client(dialog).crop(*TEXT2) != disabled_target, 5,
                     "the target box to be enabled")
    replace_text(session, dialog, TEXT2, "")
    entries = session.client(dialog).crop(*TEXT1[1])
    session.click(dialog, *middle(COMMAND1))
    message = session.window("Where's your brain ??")
    check(session.visible_windows("Options"), "the dialog closed on a refused target")
    session.focus_on(message)
    session.key("Return")
    session.wait_gone("Where's your brain ??")
    check(session.visible_windows("Options"), "the dialog closed with the message")
    check(session.client(dialog).crop(*TEXT1[1]) == entries, "an entry changed")

    # A typed target of 1 is taken; the dialog closes.
    replace_text(session, dialog, TEXT2, "1")
    session.key("Tab")  # leave the box, so that its look has no text cursor
    time.sleep(0.3)
    applied = session.client(dialog)
    session.click(dialog, *middle(COMMAND1))
    session.wait_gone("Options")

    # The labels show the new names, each alone.
    client = session.client(main)
    labels = {slot: name_label(client, art, slot) for slot in (1, 2)}
    check(labels[1][0] and labels[2][0], "a name label is empty")
    check(labels[1] != start_labels[1], "name label 1 still shows the start-up name")
    width = {slot: board.extent(labels[slot][0])[2] for slot in (1, 2)}
    check(width[2] < width[1] / 3, "name label 2 (%d px) is not far narrower than name label 1 "
          "(%d px), as 'Bo' is than 'Zed Quorra Li'" % (width[2], width[1]))

    # Opened again, the dialog shows the game's settings as applied.
    dialog = od.open_dialog(session, main)
    refilled = session.client(dialog)
    for what, area in (("name 1", TEXT1[1]), ("name 2", TEXT1[2]), ("target", TEXT2),
                       ("sound", OPTION1[1]), ("sound", OPTION1[2])):
        check(refilled.crop(*area) == applied.crop(*area), "%s not refilled as applied" % what)
    check(selected_mode(session, dialog) == 1, "mode not refilled")

    # Cancel applies nothing.
    replace_text(session, dialog, TEXT1[1], "Nobody")
    session.click(dialog, *middle(COMMAND2))
    session.wait_gone("Options")
    check(name_label(session.client(main), art, 1) == labels[1], "Cancel changed a name")

    # The second name typed as the first one was kept: both labels read alike.
    dialog = od.open_dialog(session, main)
    replace_text(session, dialog, TEXT1[2], "Zed Quorra Li")
    od.confirm(session, dialog)
    client = session.client(main)
    check(name_label(client, art, 1) == labels[1], "name label 1 changed")
    check(name_label(client, art, 2) == labels[1], "name label 2 does not read like name "
          "label 1: the first name did not keep exactly 13 characters")
    labels[2] = labels[1]

    # A game to the target of 1, in silence: the first line wins.
    recorder = sound.Recorder(session)
    session.click(main, *middle(board.BUTTONS[0]))
    session.wait_for(lambda: board.exact_cell(session.client(main), 1, art) == EMPTY, 10,
                     "the new game")
    for n, button in ((1, 1), (3, 1), (2, 3)):
        session.click(main, *board.cell_point(n), button)
        time.sleep(0.15)
    result = session.window("Form3")
    winner = art.bmp("result_winner.bmp")
    below_name = (0, 110, winner.width, winner.height - 110)
    session.wait_for(lambda: session.client(result).crop(*below_name) ==
                     winner.crop(*below_name), 10, "the winner picture at the target of 1")
    recording = recorder.stop(tail=2.2)
    check(recording.peak() < sound.SILENT, "sound with sound switched off (peak %d)"
          % recording.peak())
    session.click(result, 60, 300)
    session.wait_gone("Form3")

    # Vs Computer: the second label names the computer, and the computer answers.
    dialog = od.open_dialog(session, main)
    od.choose_mode(session, dialog, 2)
    od.confirm(session, dialog)
    client = session.client(main)
    computer_label = name_label(client, art, 2)
    box = board.extent(computer_label[0])
    check(box is not None and computer_label != labels[2] and name_label(client, art, 1) ==
          labels[1] and box[2] < board.extent(labels[1][0])[2] / 2,
          "name label 2 does not show a short computer name beside name 1")

    session.click(main, *middle(board.BUTTONS[0]))
    session.wait_for(lambda: board.exact_cell(session.client(main), 41, art) == EMPTY, 10,
                     "the new game")
    session.click(main, *board.cell_point(41), 1)
    session.wait_for(lambda: sum(board.exact_cell(session.client(main), n, art) != EMPTY
                                 for n in board.CELLS) >= 2, 5, "the computer's answer")
    session.close_program(main)


if __name__ == "__main__":
    run(options, 120)
