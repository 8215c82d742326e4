# SPDX-License-Identifier: MIT
"""The options dialog as a person handles it: where its controls are, how to tell which
game mode is selected, and the usual steps of filling it in and confirming it."""

import board
from board import px
from session import check

TITLE = "Options"
BLUE = (0, 0, 255)
GREY = (192, 192, 192)

# Controls: left, top, width, height in the dialog's client area.
MODE = {1: (px(2160), px(1080), 58, 17), 2: (px(3120), px(1080), 76, 17)}
TEXT2 = (px(3240), px(1400), px(375), px(285))
CHECK2 = (px(3720), px(1320), px(1215), px(495))
TEXT1 = {1: (px(1800), px(1680), px(1335), px(285)), 2: (px(1800), px(2040), px(1335), px(285))}
OPTION1 = {1: (px(2160), px(2400), px(375), px(255)), 2: (px(2640), px(2400), px(495), px(255))}
COMMAND2 = (px(3240), px(3000), px(855), px(375))
COMMAND1 = (px(4200), px(3000), px(855), px(375))


def middle(area):
    return area[0] + area[2] // 2, area[1] + area[3] // 2


def colour_count(raster, area, colour):
    return raster.crop(*area).count(lambda r, g, b: (r, g, b) == colour)


def selected_mode(session, dialog):
    """1 or 2 for the mode label shown blue while the other is grey, else None."""
    shot = session.client(dialog)
    blue = {i: colour_count(shot, MODE[i], BLUE) for i in (1, 2)}
    grey = {i: colour_count(shot, MODE[i], GREY) for i in (1, 2)}
    for i, other in ((1, 2), (2, 1)):
        if blue[i] > 10 and grey[i] == 0 and grey[other] > 10 and blue[other] == 0:
            return i
    return None


def open_dialog(session, main):
    """Clicks the Options button and waits until the dialog is drawn and has the focus."""
    session.click(main, *middle(board.BUTTONS[1]))
    dialog = session.window(TITLE)
    session.wait_for(lambda: selected_mode(session, dialog), 10, "the dialog to be drawn")
    session.focus_on(dialog)
    return dialog


def replace_text(session, dialog, area, text):
    """Clicks into a text box, selects all of it and types text over it."""
    session.click(dialog, *middle(area))
    session.focus_on(dialog)
    session.key("ctrl+a")
    if text:
        session.type(text)
    else:
        session.key("BackSpace")


def choose_mode(session, dialog, mode):
    session.click(dialog, *middle(MODE[mode]))
    session.wait_for(lambda: selected_mode(session, dialog) == mode, 5,
                     "game mode %d to turn blue" % mode)


def want_target(session, dialog, text):
    """Unchecks "Until All box filled" and types the score target."""
    disabled = session.client(dialog).crop(*TEXT2)
    session.click(dialog, *middle(CHECK2))
    session.wait_for(lambda: session.client(dialog).crop(*TEXT2) != disabled, 5,
                     "the target box to be enabled")
    replace_text(session, dialog, TEXT2, text)


def switch_sound(session, dialog, on):
    other = session.client(dialog).crop(*OPTION1[1 if on else 2])
    session.click(dialog, *middle(OPTION1[1 if on else 2]))
    session.wait_for(lambda: session.client(dialog).crop(*OPTION1[1 if on else 2]) != other, 5,
                     "sound %s to be pressed in" % ("ON" if on else "OFF"))


def confirm(session, dialog):
    session.click(dialog, *middle(COMMAND1))
    session.wait_gone(TITLE)
    check(not session.visible_windows("Where's your brain ??"), "the target was refused")
