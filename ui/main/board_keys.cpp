// SPDX-License-Identifier: MIT
#include "ui/main/board_keys.h"

#include <algorithm>

#include "game/game_state.h"

namespace ui {

KeyCommand keyCommand(int key, Qt::KeyboardModifiers modifiers) {
    // The keypad's arrows arrive with the keypad flag; it means nothing here.
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    if (held == Qt::ControlModifier) {
        if (key == Qt::Key_N) return KeyCommand::StartGame;
        if (key == Qt::Key_Comma) return KeyCommand::Options;
        return KeyCommand::None;
    }
    if (held == Qt::NoModifier) {
        switch (key) {
            case Qt::Key_Left:
                return KeyCommand::Left;
            case Qt::Key_Right:
                return KeyCommand::Right;
            case Qt::Key_Up:
                return KeyCommand::Up;
            case Qt::Key_Down:
                return KeyCommand::Down;
            case Qt::Key_Home:
                return KeyCommand::RowStart;
            case Qt::Key_End:
                return KeyCommand::RowEnd;
            case Qt::Key_PageUp:
                return KeyCommand::ColumnTop;
            case Qt::Key_PageDown:
                return KeyCommand::ColumnBottom;
            case Qt::Key_Space:
                return KeyCommand::PlaceS;
            case Qt::Key_F1:
                return KeyCommand::About;
            default:
                break;
        }
    }
    // A letter in either case: with Shift, or with Caps Lock on.
    if (held == Qt::NoModifier || held == Qt::ShiftModifier) {
        if (key == Qt::Key_S) return KeyCommand::PlaceS;
        if (key == Qt::Key_O) return KeyCommand::PlaceO;
        if (key == Qt::Key_Space && held == Qt::ShiftModifier) return KeyCommand::PlaceO;
    }
    return KeyCommand::None;
}

bool isBoardCommand(KeyCommand command) {
    return command >= KeyCommand::Left && command <= KeyCommand::PlaceO;
}

int cursorTarget(int n, KeyCommand command) {
    int row = game::rowOf(n);
    int column = game::columnOf(n);
    switch (command) {
        case KeyCommand::Left:
            column = std::max(1, column - 1);
            break;
        case KeyCommand::Right:
            column = std::min(game::kSide, column + 1);
            break;
        case KeyCommand::Up:
            row = std::max(1, row - 1);
            break;
        case KeyCommand::Down:
            row = std::min(game::kSide, row + 1);
            break;
        case KeyCommand::RowStart:
            column = 1;
            break;
        case KeyCommand::RowEnd:
            column = game::kSide;
            break;
        case KeyCommand::ColumnTop:
            row = 1;
            break;
        case KeyCommand::ColumnBottom:
            row = game::kSide;
            break;
        default:
            break;
    }
    return (row - 1) * game::kSide + column;
}

}  // namespace ui
