// SPDX-License-Identifier: MIT
#include "ui/main/command_runner.h"

#include <QKeyEvent>

#include "ui/main/board_cursor.h"
#include "ui/main/board_reading.h"
#include "ui/main/held_keys.h"
#include "ui/main/narrator.h"

namespace ui {

CommandRunner::CommandRunner(QWidget *window, game::Game &game, BoardCursor &cursor,
                             Narrator &narrator,
                             std::array<std::function<void()>, 3> windowCommands)
    : m_heldKeys(new HeldKeys(window)),
      m_game(game),
      m_cursor(cursor),
      m_narrator(narrator),
      m_windowCommands(std::move(windowCommands)) {}

bool CommandRunner::keyPressed(const QKeyEvent &event) {
    const bool repeated = m_heldKeys->repeated(event);
    const KeyCommand command = keyCommand(event.key(), event.modifiers());
    if (command == KeyCommand::None) return false;
    const bool placing = command == KeyCommand::PlaceS || command == KeyCommand::PlaceO;
    if (!repeated || (isBoardCommand(command) && !placing)) run(command);
    return true;
}

void CommandRunner::readAt(int cell, KeyCommand what) {
    m_narrator.read(reading(m_game.state(), what, cell));
}

void CommandRunner::run(KeyCommand command) {
    if (isBoardCommand(command)) m_cursor.moveTo(cursorTarget(m_cursor.cell(), command), true);
    if (isReading(command)) readAt(m_cursor.cell(), command);
    switch (command) {
        case KeyCommand::GoToLastMove:
            if (const int cell = lastMoveCell(m_game.state()))
                m_cursor.moveTo(cell, true);
            else
                readAt(m_cursor.cell(), KeyCommand::ReadLastMove);  // "No move yet"
            break;
        case KeyCommand::PlaceS:
            m_game.place(m_cursor.cell(), game::Letter::S);
            break;
        case KeyCommand::PlaceO:
            m_game.place(m_cursor.cell(), game::Letter::O);
            break;
        case KeyCommand::StartGame:
            m_windowCommands[0]();
            break;
        case KeyCommand::Options:
            m_windowCommands[1]();
            break;
        case KeyCommand::About:
            m_windowCommands[2]();
            break;
        default:
            break;
    }
}

}  // namespace ui
