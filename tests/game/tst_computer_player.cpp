// SPDX-License-Identifier: MIT
// The computer's choice: the completing scan in its fixed group and line order, the
// neighbour fallback in offset order at every edge, and the random fallback's draw rule.
#include <QtTest>

#include <cstdlib>

#include "game/computer_player.h"
#include "test_support.h"

using gametest::heapBoard;
using gametest::ScriptedRandom;

class TestComputerPlayer : public QObject {
    Q_OBJECT

private slots:
    void chooses_data();
    void chooses();
    void neighbourOrder_data();
    void neighbourOrder();
    void fullBoard();
    void neverAnOccupiedCell();
};

void TestComputerPlayer::chooses_data() {
    // clang-format off
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("lastCell");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("letter");

    const int S = game::kS;
    const int O = game::kO;

    QTest::newRow("row, pattern 1: O between two S")
        << QStringList{"S.S......", ".........", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 3 << QList<double>{} << 2 << O;
    QTest::newRow("row before column, although the column's move lies higher")
        << QStringList{"S........", "O........", ".........", ".........", ".........",
                       ".........", ".........", ".........", "SO......."}
        << 10 << QList<double>{} << 75 << S;
    QTest::newRow("main diagonal, pattern 3")
        << QStringList{".........", ".........", "..O......", "...S.....", ".........",
                       ".........", ".........", ".........", "........."}
        << 31 << QList<double>{} << 11 << S;
    QTest::newRow("row, pattern 2")
        << QStringList{"....SO...", ".........", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 6 << QList<double>{} << 7 << S;
    QTest::newRow("a row's lines from left to right")
        << QStringList{".SO...S.S", ".........", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 9 << QList<double>{} << 4 << S;
    QTest::newRow("rows from top to bottom")
        << QStringList{".........", "SO.......", ".........", ".........", "SO.......",
                       ".........", ".........", ".........", "........."}
        << 11 << QList<double>{} << 12 << S;
    QTest::newRow("diagonals from column 1, lowest start first")
        << QStringList{"S........", ".O.......", ".........", ".........", ".........",
                       ".........", "S........", ".O.......", "........."}
        << 11 << QList<double>{} << 75 << S;
    QTest::newRow("main diagonal before the diagonals from row 1")
        << QStringList{"......S..", ".......O.", ".........", ".........", ".........",
                       ".........", "......S..", ".......O.", "........."}
        << 17 << QList<double>{} << 81 << S;
    QTest::newRow("diagonals down to the right before those down to the left")
        << QStringList{".SS......", ".OO......", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 11 << QList<double>{} << 22 << S;
    QTest::newRow("diagonals from row 1 from right to left")
        << QStringList{".S....S..", "..O....O.", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 12 << QList<double>{} << 27 << S;
    QTest::newRow("diagonals down to the left from row 1 before those from column 9")
        << QStringList{"........S", ".......O.", ".........", ".........", ".........",
                       ".........", "........S", ".......O.", "........."}
        << 71 << QList<double>{} << 25 << S;
    QTest::newRow("diagonals down to the left from row 1, left to right")
        << QStringList{"..S.....S", ".O.....O.", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 17 << QList<double>{} << 19 << S;
    QTest::newRow("diagonals from column 9, lowest start first")
        << QStringList{".........", "........S", ".......O.", ".........", ".........",
                       ".........", "........S", ".......O.", "........."}
        << 71 << QList<double>{} << 79 << S;
    QTest::newRow("diagonals from column 9 before columns")
        << QStringList{"S........", "O.......S", ".......O.", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 10 << QList<double>{} << 34 << S;
    QTest::newRow("columns from left to right")
        << QStringList{"S.......S", "O.......O", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 10 << QList<double>{} << 19 << S;
    QTest::newRow("a column from top to bottom")
        << QStringList{".........", ".........", ".........", "O........", "S........",
                       "S........", "O........", ".........", "........."}
        << 55 << QList<double>{} << 19 << S;
    QTest::newRow("neighbour: O in 41 goes up and left")
        << QStringList{".........", ".........", ".........", ".........", "....O....",
                       ".........", ".........", ".........", "........."}
        << 41 << QList<double>{} << 31 << O;
    QTest::newRow("neighbour: S in 4, 5, 6 goes down and left of 5")
        << QStringList{"...SSS...", ".........", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 5 << QList<double>{} << 13 << S;
    QTest::newRow("random: first draw 0 gives cell 1")
        << QStringList{".........", ".........", ".........", ".........", ".........",
                       ".........", ".........", ".......OO", ".......OO"}
        << 81 << QList<double>{0.0} << 1 << O;
    QTest::newRow("random: first draw is at most cell 80")
        << QStringList{"OO.......", "OO.......", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 1 << QList<double>{0.9999} << 80 << O;
    QTest::newRow("random: first draw has no 1 added")
        << QStringList{"OO.......", "OO.......", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 1 << QList<double>{0.5} << 40 << O;
    QTest::newRow("random: later draws reach cell 81")
        << QStringList{"OO.......", "OO.......", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 1 << QList<double>{0.0, 0.9999} << 81 << O;
    QTest::newRow("random: later draws have 1 added")
        << QStringList{".........", ".........", ".........", ".........", ".........",
                       ".........", ".........", ".......OO", ".......OO"}
        << 81 << QList<double>{0.99, 0.5} << 41 << O;
    QTest::newRow("random: occupied cells are drawn past")
        << QStringList{"OO.......", "OO.......", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 1 << QList<double>{2.5 / 81, 9.5 / 81, 10.5 / 81, 30.5 / 81} << 31 << O;
    QTest::newRow("random: the letter of the last cell")
        << QStringList{"SS.......", "SS.......", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 1 << QList<double>{0.5} << 40 << S;
    QTest::newRow("random: the one empty cell")
        << QStringList{"OOOOOOOOO", "OOOOOOOOO", "OOOOOOOOO", "OOOOOOOOO", "OOOO.OOOO",
                       "OOOOOOOOO", "OOOOOOOOO", "OOOOOOOOO", "OOOOOOOOO"}
        << 1 << QList<double>{0.0, 0.3, 40.5 / 81} << 41 << O;
    QTest::newRow("last cell without a letter gives S")
        << QStringList{".........", ".........", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 41 << QList<double>{} << 31 << S;
    QTest::newRow("last cell without a letter gives S, also at random")
        << QStringList{".........", ".........", ".........", "...OOO...", "...O.O...",
                       "...OOO...", ".........", ".........", "........."}
        << 41 << QList<double>{0.0} << 1 << S;
    // clang-format on
}

void TestComputerPlayer::chooses() {
    QFETCH(QStringList, rows);
    QFETCH(int, lastCell);
    QFETCH(QList<double>, draws);
    QFETCH(int, cell);
    QFETCH(int, letter);

    const auto board = heapBoard(rows);
    ScriptedRandom random(draws);
    game::Move move;
    try {
        move = game::chooseComputerMove(*board, lastCell, random);
    } catch (const gametest::ScriptExhausted &) {
        QFAIL("more random numbers drawn than the draw rule needs");
    }
    QCOMPARE(move.cell, cell);
    QCOMPARE(move.letter, letter);
    QCOMPARE(random.remaining(), 0);
    // One re-seed per random fallback, never one per draw.
    if (!draws.isEmpty()) QCOMPARE(random.reseeds(), 1);
}

void TestComputerPlayer::neighbourOrder_data() {
    // clang-format off
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("lastCell");
    QTest::addColumn<QList<int>>("order");

    // No board here fits a pattern, before or after the candidates are filled.
    QTest::newRow("middle cell 23: all eight offsets in order")
        << QStringList{".........", ".........", "....O....", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 23 << QList<int>{13, 14, 15, 22, 24, 31, 32, 33};
    QTest::newRow("cell 5 on row 1, S in 4 and 6: nothing above")
        << QStringList{"...SSS...", ".........", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 5 << QList<int>{13, 14, 15};
    QTest::newRow("cell 10 on column 1: never 9 or 18")
        << QStringList{".........", "S........", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 10 << QList<int>{1, 2, 11, 19, 20};
    QTest::newRow("corner 1")
        << QStringList{"O........", ".........", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 1 << QList<int>{2, 10, 11};
    QTest::newRow("corner 9")
        << QStringList{"........O", ".........", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 9 << QList<int>{8, 17, 18};
    QTest::newRow("corner 73")
        << QStringList{".........", ".........", ".........", ".........", ".........",
                       ".........", ".........", ".........", "O........"}
        << 73 << QList<int>{64, 65, 74};
    QTest::newRow("corner 81")
        << QStringList{".........", ".........", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........O"}
        << 81 << QList<int>{71, 72, 80};
    QTest::newRow("cell 37 on column 1: never column 9")
        << QStringList{".........", ".........", ".........", ".........", "O........",
                       ".........", ".........", ".........", "........."}
        << 37 << QList<int>{28, 29, 38, 46, 47};
    QTest::newRow("cell 45 on column 9: never column 1")
        << QStringList{".........", ".........", ".........", ".........", "........O",
                       ".........", ".........", ".........", "........."}
        << 45 << QList<int>{35, 36, 44, 53, 54};
    QTest::newRow("cell 77 on row 9: nothing below")
        << QStringList{".........", ".........", ".........", ".........", ".........",
                       ".........", ".........", ".........", "....O...."}
        << 77 << QList<int>{67, 68, 69, 76, 78};
    // clang-format on
}

void TestComputerPlayer::neighbourOrder() {
    QFETCH(QStringList, rows);
    QFETCH(int, lastCell);
    QFETCH(QList<int>, order);

    // Fill each chosen neighbour with the last cell's letter, as the game would, and see
    // the next one chosen; once they are all taken the random fallback decides (0.5 -> 40).
    const auto board = heapBoard(rows);
    const int letter = (*board)[lastCell];
    for (int expected : order) {
        ScriptedRandom none;
        const game::Move move = game::chooseComputerMove(*board, lastCell, none);
        QCOMPARE(move.cell, expected);
        QCOMPARE(move.letter, letter);
        (*board)[expected] = static_cast<std::int16_t>(letter);
    }
    ScriptedRandom random({0.5});
    const game::Move move = game::chooseComputerMove(*board, lastCell, random);
    QCOMPARE(move.cell, 40);
    QCOMPARE(move.letter, letter);
}

void TestComputerPlayer::fullBoard() {
    const auto board = heapBoard({"OOOOOOOOO", "OOOOOOOOO", "OOOOOOOOO", "OOOOOOOOO", "OOOOOOOOO",
                                  "OOOOOOOOO", "OOOOOOOOO", "OOOOOOOOO", "OOOOOOOOO"});
    ScriptedRandom random;
    try {
        QCOMPARE(game::chooseComputerMove(*board, 41, random).cell, 0);
    } catch (const gametest::ScriptExhausted &) {
        QFAIL("a full board sent the computer to the random fallback");
    }
}

void TestComputerPlayer::neverAnOccupiedCell() {
    // Boards of O only fit no pattern; with every neighbour of the last cell taken, each
    // choice comes from the random fallback and must land on one of the few empty cells.
    gametest::SeededRandom random(7);
    for (int round = 0; round < 200; ++round) {
        game::Board board{};
        board.fill(game::kO);
        board[0] = game::kEmpty;
        const int empty1 = 1 + round % 81;
        const int empty2 = 1 + (round * 37 + 11) % 81;
        board[empty1] = game::kEmpty;
        board[empty2] = game::kEmpty;
        const auto near = [](int a, int b) {
            return std::abs(game::rowOf(a) - game::rowOf(b)) <= 1 &&
                   std::abs(game::columnOf(a) - game::columnOf(b)) <= 1;
        };
        int last = 41;
        while (near(last, empty1) || near(last, empty2)) last = last % game::kCells + 1;
        const game::Move move = game::chooseComputerMove(board, last, random);
        QVERIFY2(move.cell == empty1 || move.cell == empty2,
                 qPrintable(QStringLiteral("round %1 chose cell %2").arg(round).arg(move.cell)));
        QCOMPARE(move.letter, int(game::kO));
    }
}

QTEST_GUILESS_MAIN(TestComputerPlayer)
#include "tst_computer_player.moc"
