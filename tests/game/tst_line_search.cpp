// SPDX-License-Identifier: MIT
// The search for S-O-S lines through the cell just filled: the edges of the board, lines
// that would wrap into another row, and several lines from one letter in scoring order.
// Boards live on the heap at their exact size, so a read off the board is reported.
#include <QtTest>

#include "test_support.h"

using gametest::heapBoard;
using gametest::linesText;

class TestLineSearch : public QObject {
    Q_OBJECT

private slots:
    void completedLines_data();
    void completedLines();
};

void TestLineSearch::completedLines_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("letter");
    QTest::addColumn<QString>("expected");

    const int S = game::kS;
    const int O = game::kO;

    // clang-format off
    QTest::newRow("S on row 1 scores downwards and sideways")
        << QStringList{"..SOSOS..", "...OOO...", "..S.S.S..", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 5 << S << "5-13-21 5-14-23 5-15-25 5-4-3 5-6-7";
    QTest::newRow("S on row 2 has no room above")
        << QStringList{"...OOO...", "....S....", "....O....", "....S....", ".........",
                       ".........", ".........", ".........", "........."}
        << 14 << S << "14-23-32";
    QTest::newRow("S on row 8 has no room below")
        << QStringList{".........", ".........", ".........", ".........", ".........",
                       "....S....", "....O....", "....S....", "...OOO..."}
        << 68 << S << "68-59-50";
    QTest::newRow("S on row 9 scores upwards and sideways")
        << QStringList{".........", ".........", ".........", ".........", ".........",
                       ".........", "..S.S.S..", "...OOO...", "..SOSOS.."}
        << 77 << S << "77-67-57 77-68-59 77-69-61 77-76-75 77-78-79";
    QTest::newRow("S on column 1 never reaches back into column 9")
        << QStringList{".........", ".......S.", "S.......O", "O......SO", "SOS.....O",
                       ".O.....S.", "..S......", ".........", "........."}
        << 37 << S << "37-28-19 37-47-57 37-38-39";
    QTest::newRow("S on column 2 never reaches back into column 9")
        << QStringList{".........", "........S", ".S.......", "OO......S", "OSOS.....",
                       "O.O.....S", "...S.....", ".........", "........."}
        << 38 << S << "38-29-20 38-48-58 38-39-40";
    QTest::newRow("S on column 8 never reaches on into column 1")
        << QStringList{".........", ".........", ".....S...", "S.....O.O", ".....SOSO",
                       "S......OO", ".......S.", "S........", "........."}
        << 44 << S << "44-34-24 44-53-62 44-43-42";
    QTest::newRow("S on column 9 never reaches on into column 1")
        << QStringList{".........", ".........", "........S", ".S......O", "O.....SOS",
                       "OS.....O.", "O.....S..", ".S.......", "........."}
        << 45 << S << "45-36-27 45-53-61 45-44-43";
    QTest::newRow("S in cell 9 with O in 10 and S in 11 scores nothing")
        << QStringList{"........S", "OS.......", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 9 << S << "";
    QTest::newRow("O in cell 10 between S in 9 and S in 11 scores nothing")
        << QStringList{"........S", "OS.......", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 10 << O << "";
    QTest::newRow("corner 1: S scores down, diagonally and to the right")
        << QStringList{"SOS......", "OO.......", "S.S......", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 1 << S << "1-10-19 1-11-21 1-2-3";
    QTest::newRow("corner 9: S scores down and to the left, no wrap")
        << QStringList{"......SOS", "OS.....OO", "O.....S.S", ".S.......", ".........",
                       ".........", ".........", ".........", "........."}
        << 9 << S << "9-17-25 9-18-27 9-8-7";
    QTest::newRow("corner 73: S scores up and to the right, no wrap")
        << QStringList{".........", ".........", ".........", ".........", ".........",
                       ".......S.", "S.S.....O", "OO.....SO", "SOS......"}
        << 73 << S << "73-64-55 73-65-57 73-74-75";
    QTest::newRow("corner 81: S scores up, diagonally and to the left")
        << QStringList{".........", ".........", ".........", ".........", ".........",
                       ".........", "......S.S", ".......OO", "......SOS"}
        << 81 << S << "81-71-61 81-72-63 81-80-79";
    QTest::newRow("corner 1: an O is the middle of nothing")
        << QStringList{"OS.......", "SS.......", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........S"}
        << 1 << O << "";
    QTest::newRow("corner 81: an O is the middle of nothing")
        << QStringList{"S........", ".........", ".........", ".........", ".........",
                       ".........", ".........", ".......SS", ".......SO"}
        << 81 << O << "";
    QTest::newRow("O on row 1 is only the middle of its row")
        << QStringList{"...SOS...", "...SSS...", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 5 << O << "4-5-6";
    QTest::newRow("O on row 9 is only the middle of its row")
        << QStringList{".........", ".........", ".........", ".........", ".........",
                       ".........", ".........", "...SSS...", "...SOS..."}
        << 77 << O << "76-77-78";
    QTest::newRow("O on column 1 is only the middle of its column")
        << QStringList{".........", ".........", "........S", "SS......S", "OS......S",
                       "SS.......", ".........", ".........", "........."}
        << 37 << O << "46-37-28";
    QTest::newRow("O on column 9 is only the middle of its column")
        << QStringList{".........", ".........", ".........", ".......SS", "S......SO",
                       "S......SS", "S........", ".........", "........."}
        << 45 << O << "54-45-36";
    QTest::newRow("S completes eight lines in order")
        << QStringList{".........", ".........", "..S.S.S..", "...OOO...", "..SOSOS..",
                       "...OOO...", "..S.S.S..", ".........", "........."}
        << 41 << S << "41-31-21 41-32-23 41-33-25 41-49-57 41-50-59 41-51-61 41-40-39 41-42-43";
    QTest::newRow("O completes four lines in order")
        << QStringList{".........", ".........", ".........", "...SSS...", "...SOS...",
                       "...SSS...", ".........", ".........", "........."}
        << 41 << O << "51-41-31 50-41-32 49-41-33 40-41-42";
    QTest::newRow("S closes two lines of one row")
        << QStringList{"..SOSOS..", ".........", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 5 << S << "5-4-3 5-6-7";
    QTest::newRow("S in cell 1 with O in 2 and S in 3 scores to the right")
        << QStringList{"SOS......", ".........", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 1 << S << "1-2-3";
    QTest::newRow("S in cell 3 with O in 2 and S in 1 scores to the left")
        << QStringList{"SOS......", ".........", ".........", ".........", ".........",
                       ".........", ".........", ".........", "........."}
        << 3 << S << "3-2-1";
    QTest::newRow("S S S and S O O are no lines")
        << QStringList{".........", ".........", ".........", ".........", "..SSSOO..",
                       ".........", ".........", ".........", "........."}
        << 41 << S << "";
    QTest::newRow("O between S and O is no line")
        << QStringList{".........", ".........", ".........", "....S....", "...SOO...",
                       "....O....", ".........", ".........", "........."}
        << 41 << O << "";
    // clang-format on
}

void TestLineSearch::completedLines() {
    QFETCH(QStringList, rows);
    QFETCH(int, cell);
    QFETCH(int, letter);
    QFETCH(QString, expected);

    const auto board = heapBoard(rows);
    QCOMPARE(int((*board)[cell]), letter);
    QCOMPARE(linesText(game::completedLines(*board, cell, letter)), expected);
}

QTEST_GUILESS_MAIN(TestLineSearch)
#include "tst_line_search.moc"
