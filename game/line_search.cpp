// SPDX-License-Identifier: MIT
#include "line_search.h"

namespace game {

namespace {

// Position k (1..3) of a line needs S at the ends and O in the middle: a cell fails when it
// is empty or when its value's parity differs from the position's.
bool readsSOS(const Board &board, int first, int middle, int last) {
    const int cells[3] = {first, middle, last};
    for (int k = 1; k <= 3; ++k) {
        const int value = board[cells[k - 1]];
        if (value == kEmpty || value % 2 != k % 2) return false;
    }
    return true;
}

// The offsets to the row above: up and left, up, up and right.
constexpr int kUpLeft = -(kSide + 1), kUp = -kSide, kUpRight = -(kSide - 1);

}  // namespace

std::vector<Line> completedLines(const Board &board, int n, int x) {
    std::vector<Line> lines;
    if (n < 1 || n > kCells) return lines;
    const int c = n % kSide;  // 0 stands for the last column
    const int row = rowOf(n);

    const bool rightBlocked = (x == kO && c == 0) || (x == kS && (c == kSide - 1 || c == 0));
    const bool leftBlocked = (x == kO && c == 1) || (x == kS && (c == 1 || c == 2));
    const bool topBlocked = (x == kO && row == 1) || (x == kS && row <= 2);
    const bool bottomBlocked = (x == kO && row == kSide) || (x == kS && row >= kSide - 1);

    auto test = [&](int first, int middle, int last) {
        if (readsSOS(board, first, middle, last)) lines.push_back({first, middle, last});
    };

    if (x == kO) {
        // The new O is the middle: the two diagonals and the column, then the row.
        if (!topBlocked && !bottomBlocked) {
            for (int d : {kUpLeft, kUp, kUpRight}) {
                if (d == kUp || (!leftBlocked && !rightBlocked)) test(n - d, n, n + d);
            }
        }
        if (!leftBlocked && !rightBlocked) test(n - 1, n, n + 1);
    } else if (x == kS) {
        // The new S is an end: the eight directions away from it.
        for (int d : {kUpLeft, kUp, kUpRight, -kUpRight, -kUp, -kUpLeft}) {
            const bool up = d < 0;
            const bool left = d == kUpLeft || d == -kUpRight;
            const bool right = d == kUpRight || d == -kUpLeft;
            if ((up ? topBlocked : bottomBlocked) || (left && leftBlocked) ||
                (right && rightBlocked))
                continue;
            test(n, n + d, n + 2 * d);
        }
        if (!leftBlocked) test(n, n - 1, n - 2);
        if (!rightBlocked) test(n, n + 1, n + 2);
    }
    return lines;
}

std::vector<Line> allLines(const Board &board) {
    std::vector<Line> lines;
    // Right, down, down and right, down and left: the column each step moves by.
    constexpr int kSteps[4][2] = {{1, 1}, {kSide, 0}, {kSide + 1, 1}, {kSide - 1, -1}};
    for (int n = 1; n <= kCells; ++n) {
        for (const auto &[step, columnStep] : kSteps) {
            const int lastColumn = columnOf(n) + 2 * columnStep;
            if (n + 2 * step > kCells || lastColumn < 1 || lastColumn > kSide) continue;
            if (readsSOS(board, n, n + step, n + 2 * step))
                lines.push_back({n, n + step, n + 2 * step});
        }
    }
    return lines;
}

}  // namespace game
