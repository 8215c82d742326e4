// SPDX-License-Identifier: MIT
#include "computer_player.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace game {

namespace {

struct Group {
    std::vector<int> starts;  // start cells, in visiting order
    int step;                 // 1 row, kSide column, kSide + 1 and kSide - 1 diagonals
    bool growing;  // the k-th start has k+1 lines (diagonals); otherwise kSide - 2 lines each
};

// Start cells from first, counting by stride, count of them.
std::vector<int> run(int first, int stride, int count) {
    std::vector<int> cells;
    for (int i = 0; i < count; ++i) cells.push_back(first + i * stride);
    return cells;
}

// The six groups of lines of three, in the order the computer scans them: the rows; the
// down-right diagonals from the left column, bottom up, then from the top row, right to
// left; the down-left diagonals from the top row, left to right, then from the right
// column, bottom up; the columns.
const std::vector<Group> &groups() {
    constexpr int n = kSide;
    static const std::vector<Group> kGroups = {
        {run(1, n, n), 1, false},
        {run(1 + (n - 3) * n, -n, n - 2), n + 1, true},
        {run(n - 2, -1, n - 3), n + 1, true},
        {run(3, 1, n - 2), n - 1, true},
        {run((n - 2) * n, -n, n - 3), n - 1, true},
        {run(1, 1, n), n, false},
    };
    return kGroups;
}

// The first line that one more letter turns into S-O-S, by the three patterns in order.
bool findCompletingMove(const Board &board, Move &move) {
    for (const Group &group : groups()) {
        int k = 0;
        for (int s : group.starts) {
            const int lineCount = group.growing ? k + 1 : kSide - 2;
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
    for (int d : {-kSide - 1, -kSide, -kSide + 1, -1, 1, kSide - 1, kSide, kSide + 1}) {
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
