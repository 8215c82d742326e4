// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <functional>

#include "game/game.h"
#include "ui/main/board_keys.h"

class QKeyEvent;
class QWidget;

namespace ui {

class BoardCursor;
class HeldKeys;
class Narrator;

// Does what the main window's keys and its assistive actions ask for: moves the cursor, places
// a letter in its cell, reads aloud, or runs one of the window's commands (Start Game, Options,
// About, in this order).
class CommandRunner {
public:
    // The keys are those pressed in window.
    CommandRunner(QWidget *window, game::Game &game, BoardCursor &cursor, Narrator &narrator,
                  std::array<std::function<void()>, 3> windowCommands);

    // Runs the key's command; false for a key of no meaning here. A held key moves the cursor
    // on, but never places, reads or runs a command again.
    bool keyPressed(const QKeyEvent &event);
    void run(KeyCommand command);
    // Reads a line through cell, asked for by assistive technology on that cell.
    void readAt(int cell, KeyCommand what);
    const std::array<std::function<void()>, 3> &windowCommands() const { return m_windowCommands; }

private:
    HeldKeys *m_heldKeys;  // the window's
    game::Game &m_game;
    BoardCursor &m_cursor;
    Narrator &m_narrator;
    std::array<std::function<void()>, 3> m_windowCommands;
};

}  // namespace ui
