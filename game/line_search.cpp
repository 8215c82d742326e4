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

}  // namespace

std::vector<Line> completedLines(const Board &board, int n, int x) {
    std::vector<Line> lines;
    const int c = n % kSide;  // 0 stands for column 9

    const bool rightBlocked = (x == kO && c == 0) || (x == kS && (c == 8 || c == 0));
    const bool leftBlocked = (x == kO && c == 1) || (x == kS && (c == 1 || c == 2));
    const bool topBlocked = (x == kO && n >= 1 && n <= 9) || (x == kS && n >= 1 && n <= 18);
    const bool bottomBlocked = (x == kO && n >= 73 && n <= 81) || (x == kS && n >= 64 && n <= 81);

    auto test = [&](int first, int middle, int last) {
        if (readsSOS(board, first, middle, last)) lines.push_back({first, middle, last});
    };

    if (x == kO) {
        // The new O is the middle: the two diagonals and the column, then the row.
        if (!topBlocked && !bottomBlocked) {
            for (int d : {-10, -9, -8}) {
                if (d == -9 || (!leftBlocked && !rightBlocked)) test(n - d, n, n + d);
            }
        }
        if (!leftBlocked && !rightBlocked) test(n - 1, n, n + 1);
    } else if (x == kS) {
        // The new S is an end: the eight directions away from it.
        if (!topBlocked) {
            for (int d : {-10, -9, -8}) {
                if ((d == -10 && !leftBlocked) || d == -9 || (d == -8 && !rightBlocked)) {
                    test(n, n + d, n + 2 * d);
                }
            }
        }
        if (!bottomBlocked) {
            for (int d : {8, 9, 10}) {
                if ((d == 8 && !leftBlocked) || d == 9 || (d == 10 && !rightBlocked)) {
                    test(n, n + d, n + 2 * d);
                }
            }
        }
        if (!leftBlocked) test(n, n - 1, n - 2);
        if (!rightBlocked) test(n, n + 1, n + 2);
    }
    return lines;
}

}  // namespace game
