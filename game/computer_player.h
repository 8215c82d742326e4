// SPDX-License-Identifier: MIT
#pragma once

#include "line_search.h"
#include "random_source.h"

namespace game {

struct Move {
    int cell = 0;    // 1..81
    int letter = 0;  // kS or kO
    friend bool operator==(const Move &, const Move &) = default;
};

// The computer's choice on this board. In order: the first line of three (rows, then
// the four diagonal groups, then columns) that one more letter turns into S-O-S; else
// the first empty neighbour of lastCell, in offset order -10, -9, -8, -1, +1, +8, +9,
// +10, with the letter of lastCell; else a random empty cell with that letter.
// A lastCell with no letter gives S. The board must have an empty cell; on a full board
// the result has cell 0.
Move chooseComputerMove(const Board &board, int lastCell, RandomSource &random);

}  // namespace game
