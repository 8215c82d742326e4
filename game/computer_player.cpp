// SPDX-License-Identifier: MIT
#include "computer_player.h"

#include <algorithm>
#include <cmath>

namespace game {

namespace {

struct Group {
    std::initializer_list<int> starts;  // start cells, in visiting order
    int step;                           // d: 1 row, 9 column, 10 and 8 diagonals
    bool growing;  // the k-th start has k+1 lines (diagonals); otherwise 7 lines each
};

// The six groups of lines of three, in the order the computer scans them.
const Group kGroups[] = {
    {{1, 10, 19, 28, 37, 46, 55, 64, 73}, 1, false},
    {{55, 46, 37, 28, 19, 10, 1}, 10, true},
    {{7, 6, 5, 4, 3, 2}, 10, true},
    {{3, 4, 5, 6, 7, 8, 9}, 8, true},
    {{63, 54, 45, 36, 27, 18}, 8, true},
    {{1, 2, 3, 4, 5, 6, 7, 8, 9}, 9, false},
};

// The first line that one more letter turns into S-O-S, by the three patterns in order.
bool findCompletingMove(const Board &board, Move &move) {
    for (const Group &group : kGroups) {
        int k = 0;
        for (int s : group.starts) {
            const int lineCount = group.growing ? k + 1 : 7;
            for (int i = 0; i < lineCount; ++i) {
                const int t1 = s + i * group.step;
                const int t2 = t1 + group.step;
                const int t3 = t2 + group.step;
                const int a = board[t1], b = board[t2], c = board[t3];
                if (a == kS && b == kEmpty && c == kS) {
                    move = {t2, kO};
                    return true;
                }
                if (a == kS && b == kO && c == kEmpty) {
                    move = {t3, kS};
                    return true;
                }
                if (a == kEmpty && b == kO && c == kS) {
                    move = {t1, kS};
                    return true;
                }
            }
            ++k;
        }
    }
    return false;
}

// The first empty neighbour of cell, in offset order, skipping those off the board.
int firstEmptyNeighbour(const Board &board, int cell) {
    const int row = rowOf(cell);
    const int column = columnOf(cell);
    for (int d : {-10, -9, -8, -1, 1, 8, 9, 10}) {
        const int dRow = d < -1 ? -1 : (d > 1 ? 1 : 0);
        const int dColumn = d - dRow * kSide;
        if (row + dRow < 1 || row + dRow > kSide) continue;
        if (column + dColumn < 1 || column + dColumn > kSide) continue;
        if (board[cell + d] == kEmpty) return cell + d;
    }
    return 0;
}

bool hasEmptyCell(const Board &board) {
    for (int n = 1; n <= kCells; ++n) {
        if (board[n] == kEmpty) return true;
    }
    return false;
}

}  // namespace

Move chooseComputerMove(const Board &board, int lastCell, RandomSource &random) {
    Move move;
    if (findCompletingMove(board, move)) return move;

    const bool lastValid = lastCell >= 1 && lastCell <= kCells;
    // Without a letter in lastCell there is nothing to copy: play S.
    const int letter = lastValid && board[lastCell] == kO ? kO : kS;

    if (lastValid) {
        if (const int cell = firstEmptyNeighbour(board, lastCell)) return {cell, letter};
    }
    if (!hasEmptyCell(board)) return {0, letter};

    // The first draw gives 1..80 (0 counts as 1), every later one 1..81.
    random.reseed();
    auto draw = [&random]() { return static_cast<int>(std::floor(kCells * random.next())); };
    int n = std::clamp(draw(), 1, kCells);
    while (board[n] != kEmpty) n = std::clamp(draw() + 1, 1, kCells);
    return {n, letter};
}

}  // namespace game
