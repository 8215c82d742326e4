// SPDX-License-Identifier: MIT
#pragma once

#include <Qt>

namespace ui {

// What a key pressed in the main window asks for. The board keys move the cursor or put a
// letter in its cell; the command keys are the three image buttons' commands; the reading keys
// have the board, the score or the last move read aloud.
enum class KeyCommand {
    None,
    Left,
    Right,
    Up,
    Down,
    RowStart,
    RowEnd,
    ColumnTop,
    ColumnBottom,
    PlaceS,
    PlaceO,
    StartGame,
    Options,
    About,
    ReadRow,
    ReadColumn,
    ReadDiagonal,       // from top left to bottom right
    ReadOtherDiagonal,  // from top right to bottom left
    ReadScore,
    ReadLastMove,
    GoToLastMove,
};

// The command of a key with its modifiers: arrows, Home, End, Page Up and Page Down (from the
// keypad too) move; S or Space put an S, O or Shift+Space an O; Ctrl+N, Ctrl+, and F1 are
// Start Game, Options and About; R, C, D and Shift+D read the cursor's row, column and
// diagonals, T the scores and the turn, L the last move, and Shift+L goes to the last move's
// cell. Anything else is None.
KeyCommand keyCommand(int key, Qt::KeyboardModifiers modifiers);

// Whether command moves the cursor or places a letter, rather than running a command.
bool isBoardCommand(KeyCommand command);

// Whether command reads something aloud and changes nothing.
bool isReading(KeyCommand command);

// The cell the cursor goes to from cell n (1..81) on a move command; it stops at the edges.
// Any other command leaves it on n.
int cursorTarget(int n, KeyCommand command);

}  // namespace ui
