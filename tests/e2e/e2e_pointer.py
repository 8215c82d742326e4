# SPDX-License-Identifier: MIT
"""The image buttons' feel under the real pointer: the normal, highlighted and pressed
looks seen on screen as the pointer moves over buttons, gaps, cells and labels and as the
buttons are pressed with each mouse button; and the About box opened and closed."""

import board
from board import S
from session import Failure, check, run


def pointer(session):
    art = board.Art(session.args.resources)
    looks = {(i, look): art.button_look(i, look)
             for i in range(3) for look in ("normal", "hover", "pressed")}
    main = session.start_program()
    session.wait_for(lambda: board.exact_cell(session.client(main), 81, art) == S, 10,
                     "the start-up picture")

    def shown():
        client = session.client(main)
        found = []
        for i in range(3):
            area = client.crop(*board.BUTTONS[i])
            found.append(next((look for look in ("normal", "hover", "pressed")
                               if looks[(i, look)] == area), None))
        return found

    def expect(what, *wanted):
        wanted = list(wanted)
        seen = []

        def matches():
            seen[:] = shown()
            return seen == wanted

        try:
            session.wait_for(matches, 5, what)
        except Failure:
            raise Failure("%s: the buttons look %s, not %s" % (what, seen, wanted))

    def over(i):
        return board.button_point(i)

    expect("start-up", "normal", "normal", "normal")

    session.move(main, *over(0))
    expect("pointer on Start Game", "hover", "normal", "normal")

    # The 3 pixel gap between two buttons is bare surface.
    left, top, width, height = board.BUTTONS[0]
    session.move(main, left + width - 1, top + height + 1)
    expect("pointer in the gap", "normal", "normal", "normal")
    session.move(main, *over(1))
    expect("pointer on Options", "normal", "hover", "normal")
    # Straight from one button to the next.
    session.move(main, *over(2))
    expect("pointer on About..", "normal", "normal", "hover")

    # Over a cell or a label the highlight stays; over bare surface it goes.
    session.move(main, *board.cell_point(41))
    session.move(main, board.NAMALBL[1][0] + 5, board.NAMALBL[1][1] + 6)
    session.move(main, board.SCORELBL[2][0] + 3, board.SCORELBL[2][1] + 6)
    session.stays(lambda: shown() == ["normal", "normal", "hover"], 0.5,
                  "the highlight left About.. over a cell or a label")
    session.move(main, *board.BARE_SURFACE)
    expect("pointer on bare surface", "normal", "normal", "normal")

    # Each mouse button shows the pressed look; dragged off and released elsewhere, the
    # button is highlighted again and runs no command.
    for button, i in ((1, 2), (3, 0), (2, 1)):
        session.move(main, *over(i))
        session.xdotool("mousedown", button)
        wanted = ["normal"] * 3
        wanted[i] = "pressed"
        expect("button %d held on %d" % (button, i), *wanted)
        session.move(main, *board.BARE_SURFACE)
        session.stays(lambda: shown() == wanted, 0.3,
                      "the pressed look went while the button was held off it")
        session.xdotool("mouseup", button)
        wanted[i] = "hover"
        expect("button %d released off %d" % (button, i), *wanted)
        # The pointer has not moved since the release: the highlight stays until it does.
        session.stays(lambda: shown() == wanted, 0.3, "the highlight went without a move")
        session.move(main, board.BARE_SURFACE[0], board.BARE_SURFACE[1] + 10)
        expect("moved on bare surface", "normal", "normal", "normal")
    check(not session.visible_windows("About Trilet") and not session.visible_windows("Options"),
          "a command ran without a click")
    check(board.exact_cell(session.client(main), 1, art) == S, "a new game started")

    # A click on About.. opens the box and leaves the button highlighted; a click closes it.
    session.click(main, *over(2))
    about = session.window("About Trilet")
    check((about.width, about.height) == (400, 299),
          "About box %dx%d, not 400x299" % (about.width, about.height))
    picture = art.bmp("about.bmp").crop(0, 0, 400, 299)
    session.wait_for(lambda: session.client(about) == picture, 5, "the credits picture")
    # Click where a board cell lies underneath: the pointer then rests on the cell.
    cx, cy = board.cell_point(41)
    session.click(about, main.x + cx - about.x, main.y + cy - about.y)
    session.wait_gone("About Trilet")
    session.stays(lambda: shown() == ["normal", "normal", "hover"], 0.5,
                  "About.. not highlighted after its click")
    session.close_program(main)


if __name__ == "__main__":
    run(pointer, 90)
