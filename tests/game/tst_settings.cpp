// SPDX-License-Identifier: MIT
// Taking over the options: the values stored, the labels written, the numeric reading of
// the score target and the OK check.
#include "game_test.h"

void TestGame::changeSetting_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("blue");  // the mode labels shown in blue
    QTest::addColumn<QString>("names");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("calls");
    const QString bob = "name1 Ann, name2 Bob", com = ", name2 Com";
    // clang-format off
    QTest::newRow("Vs Player") << "V2" << "1" << "Ann|Bob" << 1 << bob;
    QTest::newRow("Vs Computer") << "" << "2" << "Ann|Bob" << 2 << bob + com;
    QTest::newRow("neither blue") << "V2" << "" << "Ann|Bob" << 2 << bob + com;
    QTest::newRow("both blue") << "" << "12" << "Ann|Bob" << 2 << bob + com;
    QTest::newRow("empty names") << "" << "1" << "|" << 1
        << "name1 Lorna Quillet, name2 Lorna Quillet";
    QTest::newRow("blanks are kept") << "" << "1" << "   | Bo b " << 1 << "name1    , name2  Bo b ";
    QTest::newRow("after a game end") << "T1 N S1 O2 S3" << "1" << "Ann|Bob" << 1 << bob;
    QTest::newRow("1 to move") << "N" << "1" << "Ann|Bob" << 1
        << "name1 Ann, turn Ann, name2 Bob, turn Ann";
    QTest::newRow("2 to move, mode 2 chosen") << "N S41" << "2" << "Ann|Bob" << 2
        << "name1 Ann, turn Player 2, name2 Bob, turn Bob" + com;
    QTest::newRow("the computer to move") << "V2 N S41" << "2" << "Ann|Bob" << 2
        << "name1 Ann, turn Com, name2 Bob, turn Com" + com;
    // clang-format on
}

void TestGame::changeSetting() {
    QFETCH(QString, setup);
    QFETCH(QString, blue);
    QFETCH(QString, names);
    QFETCH(int, mode);
    QFETCH(QString, calls);
    gametest::Table t;
    QVERIFY(t.run(setup));
    game::GameState expected = t.game.state();
    t.view.calls.clear();
    const std::string name1 = names.section('|', 0, 0).toStdString();
    const std::string name2 = names.section('|', 1).toStdString();
    t.game.Change_setting(
        {blue.contains('1'), blue.contains('2'), name1, name2, false, false, "7x"});
    QCOMPARE(t.view.calls.join(", "), calls);
    // Only the settings change: board, scores, turn, clock and game stay.
    expected.game_mode = std::int16_t(mode);
    expected.player_name[1] = name1.empty() ? "Lorna Quillet" : name1;
    expected.player_name[2] = name2.empty() ? "Lorna Quillet" : name2;
    expected.sound_on = false;
    expected.score_limit = 7;
    QVERIFY(gametest::fields(t.game.state()) == gametest::fields(expected));
}

void TestGame::target_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("limit");  // 0: OK refuses the target
    const auto row = [](const char *text, double value, int limit) {
        const QString tag = QString(text).replace('\t', "\\t").replace('\n', "\\n");
        QTest::newRow(qPrintable('"' + tag + '"')) << text << value << limit;
    };
    // clang-format off
    for (const char *text : {"7x", "7 ", " 7"}) row(text, 7, 7);
    for (const char *text : {"x7", "-", "+", ".", "", "  ", "0", "--1"}) row(text, 0, 0);
    row("-1", -1, 0); row("- 5", -5, 0); row(".5", 0.5, 0); row("+3", 3, 3); row("1.", 1, 1);
    row("3.9", 3.9, 3); row("99", 99, 99); row("1 2", 12, 12); row("\t4\n2", 42, 42);
    row("1.2.3", 1.2, 1); row("12-3", 12, 12); row("1e3", 1, 1);
    // clang-format on
}

void TestGame::target() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(int, limit);
    QCOMPARE(game::numericValue(text.toStdString()), value);
    game::OptionValues v = gametest::options(1, text);
    v.untilFull = false;
    QCOMPARE(game::targetAcceptable(v), limit > 0);
    gametest::Table t;
    if (limit > 0) {
        t.game.Change_setting(v);
        QCOMPARE(t.game.state().score_limit, double(limit));
    }
    v.untilFull = true;  // "Until All box filled" takes any text and plays to a full board
    t.game.Change_setting(v);
    QVERIFY(game::targetAcceptable(v) && t.game.state().score_limit == 0);
}
