// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "game/game_state.h"
#include "ui/main/board_keys.h"

namespace ui {

// What the reading keys have read aloud, from the state of the game; what (a reading command of
// ui::KeyCommand) chooses the reading, cell (1..81) the cell whose lines it reads:
// - the row, the column or a diagonal through cell, in reading order, runs of empty cells
//   counted: "Row 5: S, O, 3 empty, S, 3 empty", "Column 6: ...", "Diagonal from row 1,
//   column 2 to row 8, column 9: ..."; the other diagonal too is read from its top end;
// - the scores of player 1 and of the opponent of the mode, and whose turn it is:
//   "Ann: 2, Com: 1. Turn: Com", or "... No game is running.";
// - the last move: "Last move: S in row 5, column 6, by Ann", or "No move yet" in a game that
//   has none.
// Any other command reads nothing: an empty text.
QString reading(const game::GameState &state, KeyCommand what, int cell);

// The cell of the last placement of this game, or 0 while it has none.
int lastMoveCell(const game::GameState &state);

}  // namespace ui
