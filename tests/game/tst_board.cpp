// SPDX-License-Identifier: MIT
// The lines a new letter completes (the edges, no wrapping into another row, the scoring
// order) and the computer's choice (the completing scan's group and line order, the
// neighbour fallback, the random draw rule).
#include "game/computer_player.h"
#include "game_test.h"

using gametest::emptyRows;

void TestGame::lineSearch_data() {
    QTest::addColumn<QString>("move");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("rows");
    // clang-format off
    QTest::newRow("S on row 1") << "S5" << "5-13-21 5-14-23 5-15-25 5-4-3 5-6-7"
        << "..SOSOS.. ...OOO... ..S.S.S..";
    QTest::newRow("S on row 2") << "S14" << "14-23-32" << "...OOO... ....S.... ....O.... ....S....";
    QTest::newRow("S on row 8") << "S68" << "68-59-50"
        << emptyRows(5) + "....S.... ....O.... ....S.... ...OOO...";
    QTest::newRow("S on row 9") << "S77" << "77-67-57 77-68-59 77-69-61 77-76-75 77-78-79"
        << emptyRows(6) + "..S.S.S.. ...OOO... ..SOSOS..";
    QTest::newRow("S on column 1") << "S37" << "37-28-19 37-47-57 37-38-39"
        << "......... .......S. S.......O O......SO SOS.....O .O.....S. ..S......";
    QTest::newRow("S on column 2") << "S38" << "38-29-20 38-48-58 38-39-40"
        << "......... ........S .S....... OO......S OSOS..... O.O.....S ...S.....";
    QTest::newRow("S on column 8") << "S44" << "44-34-24 44-53-62 44-43-42"
        << "......... ......... .....S... S.....O.O .....SOSO S......OO .......S. S........";
    QTest::newRow("S on column 9") << "S45" << "45-36-27 45-53-61 45-44-43"
        << "......... ......... ........S .S......O O.....SOS OS.....O. O.....S.. .S.......";
    QTest::newRow("S in 9, O in 10, S in 11") << "S9" << "" << "........S OS.......";
    QTest::newRow("O in 10 between S in 9 and 11") << "O10" << "" << "........S OS.......";
    QTest::newRow("O on row 1") << "O5" << "4-5-6" << "...SOS... ...SSS...";
    QTest::newRow("O on row 9") << "O77" << "76-77-78" << emptyRows(7) + "...SSS... ...SOS...";
    QTest::newRow("O on column 1") << "O37" << "46-37-28"
        << "......... ......... ........S SS......S OS......S SS.......";
    QTest::newRow("O on column 9") << "O45" << "54-45-36"
        << "......... ......... ......... .......SS S......SO S......SS S........";
    QTest::newRow("S completes eight lines") << "S41"
        << "41-31-21 41-32-23 41-33-25 41-49-57 41-50-59 41-51-61 41-40-39 41-42-43"
        << "......... ......... ..S.S.S.. ...OOO... ..SOSOS.. ...OOO... ..S.S.S..";
    QTest::newRow("O completes four lines") << "O41" << "51-41-31 50-41-32 49-41-33 40-41-42"
        << "......... ......... ......... ...SSS... ...SOS... ...SSS...";
    // clang-format on
}

void TestGame::lineSearch() {
    QFETCH(QString, move);
    QFETCH(QString, lines);
    QFETCH(QString, rows);
    const auto b = gametest::board(rows);
    const int cell = move.mid(1).toInt(), letter = move[0] == 'S' ? game::kS : game::kO;
    QCOMPARE(int((*b)[cell]), letter);
    QStringList found;
    for (const game::Line &l : game::completedLines(*b, cell, letter))
        found << QStringLiteral("%1-%2-%3").arg(l.first).arg(l.middle).arg(l.last);
    QCOMPARE(found.join(' '), lines);
}

void TestGame::computerChoice_data() {
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("lastCell");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("moves");  // each one is placed before the next choice
    using D = QList<double>;
    const QString corner1 = "OO....... OO.......", corner81 = emptyRows(7) + ".......OO .......OO";
    // clang-format off
    QTest::newRow("row, pattern 1") << "S.S......" << 3 << D{} << "O2";
    QTest::newRow("row, pattern 2") << "....SO..." << 6 << D{} << "S7";
    QTest::newRow("diagonal, pattern 3") << emptyRows(2) + "..O...... ...S....." << 31 << D{}
        << "S11";
    QTest::newRow("row before a higher column")
        << "S........ O........ " + emptyRows(6) + "SO......." << 10 << D{} << "S75";
    QTest::newRow("a row from left to right") << ".SO...S.S" << 9 << D{} << "S4";
    QTest::newRow("rows from top to bottom") << "......... SO....... " + emptyRows(2) + "SO......."
        << 11 << D{} << "S12";
    QTest::newRow("column 1 diagonals, lowest first") << "S........ .O....... " + emptyRows(4)
        + "S........ .O......." << 11 << D{} << "S75";
    QTest::newRow("the main diagonal before row 1's") << "......S.. .......O. " + emptyRows(4)
        + "......S.. .......O." << 17 << D{} << "S81";
    QTest::newRow("down-right before down-left") << ".SS...... .OO......" << 11 << D{} << "S22";
    QTest::newRow("down-right from row 1, right to left") << ".S....S.. ..O....O." << 12 << D{}
        << "S27";
    QTest::newRow("down-left: row 1 before column 9") << "........S .......O. " + emptyRows(4)
        + "........S .......O." << 71 << D{} << "S25";
    QTest::newRow("down-left from row 1, left to right") << "..S.....S .O.....O." << 17 << D{}
        << "S19";
    QTest::newRow("column 9 diagonals, lowest first") << "......... ........S .......O. "
        + emptyRows(3) + "........S .......O." << 71 << D{} << "S79";
    QTest::newRow("column 9 diagonals before columns") << "S........ O.......S .......O." << 10
        << D{} << "S34";
    QTest::newRow("columns from left to right") << "S.......S O.......O" << 10 << D{} << "S19";
    QTest::newRow("an empty last cell gives S") << QString() << 41 << D{} << "S31";
    QTest::newRow("random: first draw 0 is cell 1") << corner81 << 81 << D{0.0} << "O1";
    QTest::newRow("random: first draw at most 80") << corner1 << 1 << D{0.9999} << "O80";
    QTest::newRow("random: later draws add 1") << corner81 << 81 << D{0.99, 0.5} << "O41";
    QTest::newRow("random: the last cell's letter") << "SS....... SS......." << 1 << D{0.5}
        << "S40";
    // Neighbours are taken in offset order, skipping those off the board; once all are taken
    // the random fallback decides. No board here fits a pattern, before or after.
    QTest::newRow("neighbours of 23") << emptyRows(2) + "....O...." << 23 << D{0.5}
        << "O13 O14 O15 O22 O24 O31 O32 O33 O40";
    QTest::newRow("neighbours on row 1") << "...SSS..." << 5 << D{0.5} << "S13 S14 S15 S40";
    QTest::newRow("neighbours on column 1") << "......... S........" << 10 << D{0.5}
        << "S1 S2 S11 S19 S20 S40";
    QTest::newRow("neighbours on column 9") << emptyRows(4) + "........O" << 45 << D{0.5}
        << "O35 O36 O44 O53 O54 O40";
    QTest::newRow("neighbours on row 9") << emptyRows(8) + "....O...." << 77 << D{0.5}
        << "O67 O68 O69 O76 O78 O40";
    QTest::newRow("full board: no cell") << QString("OOOOOOOOO ").repeated(9) << 41 << D{} << "O0";
    // clang-format on
}

void TestGame::computerChoice() {
    QFETCH(QString, rows);
    QFETCH(int, lastCell);
    QFETCH(QList<double>, draws);
    QFETCH(QString, moves);
    const auto b = gametest::board(rows);
    gametest::ScriptedRandom random;
    random.draws = draws;
    QStringList chosen;
    while (chosen.size() <= moves.count(' ')) {
        const game::Move m = game::chooseComputerMove(*b, lastCell, random);
        chosen << QStringLiteral("%1%2").arg(m.letter == game::kS ? 'S' : 'O').arg(m.cell);
        if (m.cell) (*b)[m.cell] = std::int16_t(m.letter);
    }
    QCOMPARE(chosen.join(' '), moves);
    QCOMPARE(random.draws.size(), 0);
    QCOMPARE(random.reseeds, draws.isEmpty() ? 0 : 1);  // once per fallback, not per draw
}
