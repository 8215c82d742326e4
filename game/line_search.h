// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "game_state.h"

namespace game {

// Every line through cell n that the letter x just placed there completes to read
// S, O, S, in the order the game scores them. The edge rules keep every tested cell
// on the board and never let a line wrap to another row. Letters other than S and O
// complete nothing, and a cell off the board has no lines.
std::vector<Line> completedLines(const Board &board, int n, int x);

// Every S-O-S on the board along rows, columns and both diagonals, each once, from its
// upper (or, in a row, left) end.
std::vector<Line> allLines(const Board &board);

}  // namespace game
