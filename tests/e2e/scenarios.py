# SPDX-License-Identifier: MIT
"""What a person sees and hears of the real program: start-up and a two-player game to the
full board; the options dialog and a game against the computer; the image buttons under the
pointer on a desktop without a sound server. Run as: scenarios.py NAME --trilet ..."""

import os
import time

from session import check, picture, run


def px(twips):
    return (2 * twips + 15) // 30


def cell(n):
    """Cell n's top left corner."""
    return px(160 + 575 * ((n - 1) % 9)), px(130 + 575 * ((n - 1) // 9))


def point(n):
    """Where a person clicks cell n."""
    return cell(n)[0] + 17, cell(n)[1] + 17


BUTTON = [(px(5520), px(1440 + 720 * i), px(2250), px(675)) for i in range(3)]
START, OPTIONS = (443, 118), (443, 166)  # the middles of the first two buttons
TURN, NAME = (224, 368, 150, 24), {1: (376, 272, 86, 15), 2: (376, 288, 86, 15)}
BARE = (360, 20)  # bare window surface, clear of every control
# The middles of the options dialog's controls, and where it shows the game mode.
MODE2, CHECK2, TEXT2, TEXT1_1 = (246, 80), (288, 104), (228, 102), (164, 121)
SOUND_OFF, OKEY, MODES = (192, 168), (308, 212), (144, 72, 140, 17)


class Board:
    """The program's pictures, to read the screen with."""

    def __init__(self, session):
        self.session = session
        self.file = lambda name: os.path.join(session.args.resources, "pictures", name)
        self.letter = {k: picture(self.file("letter_%s.bmp" % k.lower())) for k in "SO"}
        self.size = (self.letter["S"].width, self.letter["S"].height)
        self.background = picture(self.file("background.bmp"))

    def looks(self, n):
        return dict(self.letter, **{".": self.background.crop(*cell(n), *self.size)})

    def exact(self, shot, n):
        """S, O or . when cell n shows exactly that picture."""
        return next((k for k, v in self.looks(n).items()
                     if v == shot.crop(*cell(n), *self.size)), None)

    def wait_cell(self, main, n, letter):
        self.session.wait_shot(main, lambda s: self.exact(s, n) == letter,
                               "%s in cell %d" % (letter, n))
        time.sleep(0.1)  # a frame may reach the screen in parts
        return self.session.shot(main)

    def new_game(self, main):
        self.session.click(main, START)
        return self.session.wait_shot(main, lambda s: all(
            self.exact(s, n) == "." for n in range(1, 82)), "the new game's empty board")

    def result(self, name):
        """The result window once it shows the named picture, but for the name over it."""
        result, whole = self.session.window("Form3"), picture(self.file(name))
        below_name = (0, 110, whole.width, whole.height - 110)
        self.session.wait_shot(result, lambda s: s.crop(*below_name) == whole.crop(*below_name),
                               name + " in the result window")
        return result

    def ink_width(self, shot, area):
        """How far right a transparent label draws over the background in its area."""
        seen, ground = shot.crop(*area).pixels(), self.background.crop(*area).pixels()
        return max((i % area[2] for i, (a, b) in enumerate(zip(seen, ground))
                    if max(abs(p - q) for p, q in zip(a, b)) > 60), default=-1)


def startup_and_two_players(session):
    board = Board(session)
    main = session.start_program()  # found by its exact title
    check((main.width, main.height) == (530, 392), "client area %r" % (main,))
    session.wait_shot(main, lambda s: all(board.exact(s, n) == "SO"[1 - n % 2]
                                          for n in range(1, 82)), "the S/O checkerboard")
    session.record()
    first_turn = board.new_game(main).crop(*TURN)
    placed = session.mark()
    session.click(main, point(1), 1)
    second_turn = board.wait_cell(main, 1, "S").crop(*TURN)
    check(second_turn != first_turn, "the turn did not pass after a move without a line")

    # No letter from a middle button, a press on one cell released over another, or a
    # release over a taken cell; the game goes on when the question is answered No.
    session.click(main, point(5), 2)
    session.xdo("mousemove", main.x + point(6)[0], main.y + point(6)[1], "mousedown", 1,
                "sleep", 0.05, "mousemove", main.x + point(7)[0], main.y + point(7)[1],
                "sleep", 0.05, "mouseup", 1)
    session.click(main, point(1), 3)
    session.click(main, START)
    session.focus_on(session.window("What's up Dog !!"))
    session.key("alt+n")
    session.wait_gone("What's up Dog !!")
    session.click(main, point(3), 1)
    shot = board.wait_cell(main, 3, "S")
    check([board.exact(shot, n) for n in (1, 5, 6, 7)] == ["S", ".", ".", "."],
          "a letter came from something other than a release over an empty cell")
    check(shot.crop(*TURN) == first_turn, "the turn did not come back to player 1")

    # O between the two S: a black line from the centre of cell 1 to that of cell 3, over
    # the letters, and player 1 moves again.
    session.click(main, point(2), 3)
    shot = session.wait_shot(main, lambda s: all(s.crop(x, 26, 1, 1).rgb == b"\0\0\0" for x in
                                                 range(28, 105, 19)), "a line across cells 1-3")
    check(shot.crop(*TURN) == first_turn, "the turn passed although a line scored")
    session.click(main, point(10), 1)
    check(board.wait_cell(main, 10, "S").crop(*TURN) == second_turn, "the turn did not pass")

    # The rest with S: no further line, so player 1 wins 1 to 0 on the full board.
    rest = [n for n in range(4, 81) if n != 10]
    for start in range(0, len(rest), 11):
        session.click(main, [point(n) for n in rest[start:start + 11]], 1)
        board.wait_cell(main, rest[min(start + 10, len(rest) - 1)], "S")
    time.sleep(0.5)
    last = session.mark()
    session.click(main, point(81), 1)
    result = board.result("result_winner.bmp")
    time.sleep(2.2)  # the end sound plays out
    session.click(result, (60, 300))
    session.wait_gone("Form3")
    sounds = session.stop_recording()
    heard = sounds.heard(placed, placed + 0.6)
    check(heard, "no sound within 0.6 s of the first click")
    sounds.expect(heard[0], 2, session.args.resources, "the first placement")
    sounds.expect(sounds.heard(last)[-1], 3, session.args.resources, "the end of the game")
    session.close_program(main)


def options_and_computer(session):
    board = Board(session)
    main = session.start_program()
    start = board.wait_cell(main, 81, "S")

    def open_options():
        session.click(main, OPTIONS)
        dialog = session.window("Options")
        session.wait_shot(dialog, lambda s: b"\0\0\xff" in s.crop(*MODES).pixels(),
                          "a game mode in blue")
        session.focus_on(dialog)
        return dialog

    def type_into(box, text):
        session.click(dialog, box)
        session.focus_on(dialog)
        session.key("ctrl+a", "BackSpace")
        session.xdo("type", "--delay", 30, text)

    dialog = open_options()
    session.key("Escape")
    time.sleep(1)
    check(session.visible("Options"), "Escape closed the options")
    type_into(TEXT1_1, "Bo")
    session.click(dialog, [MODE2, CHECK2])
    type_into(TEXT2, "")
    session.click(dialog, OKEY)
    session.focus_on(session.window("Where's your brain ??"))
    check(session.visible("Options"), "the options closed on an empty score target")
    session.key("Return")
    session.wait_gone("Where's your brain ??")
    type_into(TEXT2, "1")
    session.click(dialog, OKEY)
    session.wait_gone("Options")
    shot = session.shot(main)
    for slot, new in ((1, "Bo"), (2, "Com")):
        was, now = board.ink_width(start, NAME[slot]), board.ink_width(shot, NAME[slot])
        check(0 < now < 0.6 * was, "name label %d is not the shorter %r" % (slot, new))

    # Against the computer, to a score of 1: it answers S beside the human's S about half a
    # second later, then completes S-O-S and wins.
    session.record()
    board.new_game(main)
    first, clicked = session.mark(), time.monotonic()
    session.click(main, point(1), 1)
    session.wait_shot(main, lambda s: board.exact(s, 2) == "S", "the computer's S in cell 2",
                      timeout=1.2)
    check(time.monotonic() - clicked > 0.3, "the computer answered within 0.3 s")
    time.sleep(0.5)
    last = session.mark()
    session.click(main, point(4), 1)
    result = board.result("result_loser.bmp")
    time.sleep(2.5)
    session.click(result, (60, 300))
    session.wait_gone("Form3")

    # Sound off: nothing is heard of the next game.
    dialog = open_options()
    session.click(dialog, [SOUND_OFF, OKEY])
    session.wait_gone("Options")
    silent = session.mark()
    board.new_game(main)
    session.click(main, point(1), 1)
    board.wait_cell(main, 2, "S")
    time.sleep(0.5)
    sounds = session.stop_recording()

    placements = sounds.heard(first, last)
    check(len(placements) == 2, "expected two placements, heard %r" % placements)
    for sound in placements:
        sounds.expect(sound, 2, session.args.resources, "a placement")
    gap = placements[1][0] - placements[0][0]
    check(0.4 <= gap <= 0.8, "the computer's placement sounded %.2f s after the human's" % gap)
    sounds.expect(sounds.heard(last, silent)[-1], 1, session.args.resources, "the computer's win")
    peak = max(sounds.curve[int(silent * 100):])  # in 10 ms steps
    check(peak < 300, "sound with sound off (peak %d of 32767)" % peak)
    print("the computer's placement sounded %.2f s after the human's" % gap)
    session.close_program(main)


def pointer_without_sound_server(session):
    board = Board(session)
    main = session.start_program()
    board.wait_cell(main, 81, "S")
    looks = {(i, look): picture(board.file("background.bmp"), "-crop",
                                "%dx%d+%d+%d" % (w, h, x, y), "+repage",
                                board.file("button_%s_%s.gif" % (name, look)), "-composite")
             for i, (name, (x, y, w, h)) in enumerate(zip(("start", "options", "about"), BUTTON))
             for look in ("normal", "hover", "pressed")}

    def expect(what, *wanted):
        session.wait_shot(main, lambda s: all(looks[(i, look)] == s.crop(*BUTTON[i])
                                              for i, look in enumerate(wanted)),
                          "%s: buttons %s" % (what, wanted), timeout=5)

    # Near a button's lower right corner: a tool tip then opens clear of the buttons.
    over = [(x + w - 1, y + h - 1) for x, y, w, h in BUTTON]
    expect("start-up", "normal", "normal", "normal")
    session.move(main, *over[0])
    expect("over Start Game", "hover", "normal", "normal")
    session.move(main, over[0][0], over[0][1] + 2)  # the 3 pixel gap below it
    expect("in the gap", "normal", "normal", "normal")
    session.move(main, *over[1])
    expect("over Options", "normal", "hover", "normal")
    for button, i in ((1, 2), (3, 0), (2, 1)):
        wanted = ["normal"] * 3
        session.move(main, *over[i])
        session.xdo("mousedown", button)
        wanted[i] = "pressed"
        expect("button %d held on %d" % (button, i), *wanted)
        session.move(main, *BARE)  # dragged off and released there: no command
        session.xdo("mouseup", button)
        wanted[i] = "hover"
        expect("button %d released off %d" % (button, i), *wanted)
        session.move(main, BARE[0], BARE[1] + 10)
        expect("on bare surface", "normal", "normal", "normal")
    check(not session.visible("Options") and not session.visible("About Trilet"),
          "a button dragged off ran its command")

    # A game with sound on, though no sound server is there to play it.
    board.new_game(main)
    session.click(main, point(41), 3)
    board.wait_cell(main, 41, "O")
    time.sleep(0.5)
    session.close_program(main)
    check(not os.path.exists(os.path.join(session.pulse, "native")),
          "a sound server was started for the program")


if __name__ == "__main__":
    run({"e2e_startup_two_players": (startup_and_two_players, 120, True),
         "e2e_options_computer": (options_and_computer, 120, True),
         "e2e_pointer_without_sound_server": (pointer_without_sound_server, 90, False)})
