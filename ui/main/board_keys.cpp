// SPDX-License-Identifier: MIT
#include "ui/main/board_keys.h"

#include <algorithm>

#include "game/game_state.h"

namespace ui {

namespace {

struct Binding {
    int key;
    Qt::KeyboardModifier held;
    KeyCommand command;
};

// S and O count in either case: with Shift, or with Caps Lock on. For D and L, Shift chooses
// the other reading whatever Caps Lock says.
constexpr Binding kBindings[] = {
    {Qt::Key_Left, Qt::NoModifier, KeyCommand::Left},
    {Qt::Key_Right, Qt::NoModifier, KeyCommand::Right},
    {Qt::Key_Up, Qt::NoModifier, KeyCommand::Up},
    {Qt::Key_Down, Qt::NoModifier, KeyCommand::Down},
    {Qt::Key_Home, Qt::NoModifier, KeyCommand::RowStart},
    {Qt::Key_End, Qt::NoModifier, KeyCommand::RowEnd},
    {Qt::Key_PageUp, Qt::NoModifier, KeyCommand::ColumnTop},
    {Qt::Key_PageDown, Qt::NoModifier, KeyCommand::ColumnBottom},
    {Qt::Key_S, Qt::NoModifier, KeyCommand::PlaceS},
    {Qt::Key_S, Qt::ShiftModifier, KeyCommand::PlaceS},
    {Qt::Key_Space, Qt::NoModifier, KeyCommand::PlaceS},
    {Qt::Key_O, Qt::NoModifier, KeyCommand::PlaceO},
    {Qt::Key_O, Qt::ShiftModifier, KeyCommand::PlaceO},
    {Qt::Key_Space, Qt::ShiftModifier, KeyCommand::PlaceO},
    {Qt::Key_N, Qt::ControlModifier, KeyCommand::StartGame},
    {Qt::Key_Comma, Qt::ControlModifier, KeyCommand::Options},
    {Qt::Key_F1, Qt::NoModifier, KeyCommand::About},
    {Qt::Key_R, Qt::NoModifier, KeyCommand::ReadRow},
    {Qt::Key_C, Qt::NoModifier, KeyCommand::ReadColumn},
    {Qt::Key_D, Qt::NoModifier, KeyCommand::ReadDiagonal},
    {Qt::Key_D, Qt::ShiftModifier, KeyCommand::ReadOtherDiagonal},
    {Qt::Key_T, Qt::NoModifier, KeyCommand::ReadScore},
    {Qt::Key_L, Qt::NoModifier, KeyCommand::ReadLastMove},
    {Qt::Key_L, Qt::ShiftModifier, KeyCommand::GoToLastMove},
};

}  // namespace

KeyCommand keyCommand(int key, Qt::KeyboardModifiers modifiers) {
    // The keypad's arrows arrive with the keypad flag; it means nothing here.
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    for (const Binding &binding : kBindings)
        if (binding.key == key && held == binding.held) return binding.command;
    return KeyCommand::None;
}

bool isBoardCommand(KeyCommand command) {
    return command >= KeyCommand::Left && command <= KeyCommand::PlaceO;
}

bool isReading(KeyCommand command) {
    return command >= KeyCommand::ReadRow && command <= KeyCommand::ReadLastMove;
}

int cursorTarget(int n, KeyCommand command) {
    int row = game::rowOf(n);
    int column = game::columnOf(n);
    switch (command) {
        case KeyCommand::Left:
            --column;
            break;
        case KeyCommand::Right:
            ++column;
            break;
        case KeyCommand::Up:
            --row;
            break;
        case KeyCommand::Down:
            ++row;
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
    // A step over an edge stays on it.
    row = std::clamp(row, 1, game::kSide);
    column = std::clamp(column, 1, game::kSide);
    return (row - 1) * game::kSide + column;
}

}  // namespace ui
