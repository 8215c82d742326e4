// SPDX-License-Identifier: MIT
// The lines a new letter completes (the edges, no wrapping into another row, the scoring
// order) and the computer's choice (the completing scan's group and line order, the
// neighbour fallback, the random draw rule).
#include "game_test.h"

void TestGame::lineSearch_data() {
    QTest::addColumn<QString>("move");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("rows");
    const auto row = [](const char *tag, const char *move, const char *lines, const QString &rows) {
        QTest::newRow(tag) << move << lines << rows;
    };
    // clang-format off
    row("S, row 1", "S5", "5-13-21 5-14-23 5-15-25 5-4-3 5-6-7", "..SOSOS.. ...OOO... ..S.S.S..");
    row("S, row 2", "S14", "14-23-32", "...OOO... ....S.... ....O.... ....S....");
    row("S, row 8", "S68", "68-59-50", emptyRows(5) + "....S.... ....O.... ....S.... ...OOO...");
    row("S, row 9", "S77", "77-67-57 77-68-59 77-69-61 77-76-75 77-78-79",
        emptyRows(6) + "..S.S.S.. ...OOO... ..SOSOS..");
    row("S, column 1", "S37", "37-28-19 37-47-57 37-38-39",
        "......... .......S. S.......O O......SO SOS.....O .O.....S. ..S......");
    row("S, column 2", "S38", "38-29-20 38-48-58 38-39-40",
        "......... ........S .S....... OO......S OSOS..... O.O.....S ...S.....");
    row("S, column 8", "S44", "44-34-24 44-53-62 44-43-42",
        "......... ......... .....S... S.....O.O .....SOSO S......OO .......S. S........");
    row("S, column 9", "S45", "45-36-27 45-53-61 45-44-43",
        "......... ......... ........S .S......O O.....SOS OS.....O. O.....S.. .S.......");
    row("O, row 1", "O5", "4-5-6", "...SOS... ...SSS...");
    row("O, row 9", "O77", "76-77-78", emptyRows(7) + "...SSS... ...SOS...");
    row("O, column 1", "O37", "46-37-28", emptyRows(2) + "........S SS......S OS......S SS.......");
    row("O, column 9", "O45", "54-45-36", emptyRows(3) + ".......SS S......SO S......SS S........");
    row("S completes eight lines", "S41",
        "41-31-21 41-32-23 41-33-25 41-49-57 41-50-59 41-51-61 41-40-39 41-42-43",
        "......... ......... ..S.S.S.. ...OOO... ..SOSOS.. ...OOO... ..S.S.S..");
    row("O completes four lines", "O41", "51-41-31 50-41-32 49-41-33 40-41-42",
        "......... ......... ......... ...SSS... ...SOS... ...SSS...");
    // clang-format on
}

void TestGame::lineSearch() {
    QFETCH(QString, move);
    QFETCH(QString, lines);
    QFETCH(QString, rows);
    const auto b = board(rows);
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
    const auto row = [](const char *tag, const QString &rows, int last, const QString &moves,
                        const QList<double> &draws = {}) {
        QTest::newRow(tag) << rows << last << draws << moves;
    };
    const QString corner81 = emptyRows(7) + ".......OO .......OO";
    // clang-format off
    row("row, patterns 1 and 2", "S.S..SO..", 3, "O2 S8");
    row("diagonal, pattern 3", emptyRows(2) + "..O...... ...S.....", 31, "S11");
    row("rows before columns", "S........ O........ " + emptyRows(6) + "SO.......", 10, "S75");
    row("a row from left to right", ".SO...S.S", 9, "S4");
    row("rows from top to bottom", "......... SO....... " + emptyRows(2) + "SO.......", 11, "S12");
    row("column 1 diagonals, lowest first",
        "S........ .O....... " + emptyRows(4) + "S........ .O.......", 11, "S75");
    row("the main diagonal before row 1's",
        "......S.. .......O. " + emptyRows(4) + "......S.. .......O.", 17, "S81");
    row("down-right before down-left", ".SS...... .OO......", 11, "S22");
    row("down-right from row 1, right to left", ".S....S.. ..O....O.", 12, "S27");
    row("down-left: row 1 before column 9",
        "........S .......O. " + emptyRows(4) + "........S .......O.", 71, "S25");
    row("down-left from row 1, left to right", "..S.....S .O.....O.", 17, "S19");
    row("column 9 diagonals, lowest first",
        "......... ........S .......O. " + emptyRows(3) + "........S .......O.", 71, "S79");
    row("column 9 diagonals before columns", "S........ O.......S .......O.", 10, "S34");
    row("columns from left to right", "S.......S O.......O", 10, "S19");
    row("an empty last cell gives S", "", 41, "S31");
    row("random: first draw 0 is cell 1", corner81, 81, "O1", {0.0});
    row("random: later draws add 1", corner81, 81, "O41", {0.99, 0.5});
    // Neighbours are taken in offset order, skipping those off the board; once all are taken
    // the random fallback decides (its first draw adds nothing) with the last cell's letter.
    // No board here fits a pattern, before or after.
    row("neighbours of 23", emptyRows(2) + "....O....", 23, "O13 O14 O15 O22 O24 O31 O32 O33 O40",
        {0.5});
    row("neighbours on row 1", "...SSS...", 5, "S13 S14 S15 S40", {0.5});
    row("neighbours on column 1", "......... S........", 10, "S1 S2 S11 S19 S20 S40", {0.5});
    row("neighbours on column 9", emptyRows(4) + "........O", 45, "O35 O36 O44 O53 O54 O40", {0.5});
    row("neighbours on row 9", emptyRows(8) + "....O....", 77, "O67 O68 O69 O76 O78 O40", {0.5});
    row("full board: no cell", QString("OOOOOOOOO ").repeated(9), 41, "O0");
    // clang-format on
}

void TestGame::computerChoice() {
    QFETCH(QString, rows);
    QFETCH(int, lastCell);
    QFETCH(QList<double>, draws);
    QFETCH(QString, moves);
    const auto b = board(rows);
    ScriptedRandom random;
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
