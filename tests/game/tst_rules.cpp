// SPDX-License-Identifier: MIT
// One game through its operations (refusals, scoring, the extra move, the turn, the
// computer's timer, both game ends, the result, the clock, options mid-game) and what the
// view is told, in order; start-up and a new game; the options and the score target.
#include "game/precondition.h"
#include "game_test.h"

void TestGame::moves_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("calls");  // none: the action changes nothing at all
    const auto row = [](const char *tag, const char *setup, const char *action,
                        const QString &calls) { QTest::newRow(tag) << setup << action << calls; };
    const QString won = "Timer1 off, result Ann Winner, sound 3, show";
    const QString lost = "Timer1 off, result Ann Loser, sound 1, show";
    const QString draw = "Timer1 off, result  Draw, sound ";
    // clang-format off
    row("occupied cell; middle button", "N S41", "R41 M50", "");
    row("computer's turn: a release; Put_letter on an occupied cell", "V2 N S41", "R50 O41", "");
    row("release after the game end", "T1 N S1 O2 S3", "L50", "");
    row("Put_letter after the game end", "V2 T1 N S1 O2 S60 S3", "S50", "");

    row("S passes 1 to 2", "N", "L41", "S41, sound 2, turn Bob");
    row("O passes 2 to 1, silent", "Q N S41", "R50", "O50, turn Ann");
    row("one S closes two lines", "N S3 S7 O4 O6", "L5",
        "S5, sound 2, line 5-3, score1 1, line 5-7, score1 2, turn Ann");
    row("2 scores on and on", "N S1 S3 S5 S7 O81 O2 O4", "O6",
        "O6, sound 2, line 5-7, score2 3, turn Bob");
    row("1 and the computer hand over, silent", "V2 Q N", "L41 C",
        "S41, turn Com, Timer2 on, Timer2 off, S31, turn Ann");
    row("1 scores in mode 2", "V2 N S1 C S5 C", "O3", "O3, sound 2, line 2-4, score1 1, turn Ann");

    row("clock: 59 s, 60 s", "N K58", "K K", "clock 00:00:59, clock 00:01:00");
    row("clock: 3599 s, 3600 s", "N K3598", "K K", "clock 00:59:59, clock 01:00:00");
    row("clock: 100 hours", "N K359999", "K", "clock 100:00:00");

    row("a line reaches the target, silent", "Q T1 N S1 O2", "L3",
        "S3, line 3-1, score1 1, Timer1 off, result Ann Winner, show");
    row("the computer reaches the target", "V2 T1 N S1 C S4", "C",
        "Timer2 off, sound 2, O3, line 2-4, score2 1, " + lost);
    row("target lowered: 2 moves, 1 judged first", "N S1 S3 S5 S7 O2 O4 O81 O6 S73 S75 O74 T2",
        "O80", "O80, sound 2, " + won);
    row("full, mode 1: 2 wins", "N F1,3,5 S1 S3", "S5",
        "S5, sound 2, line 5-3, score2 2, Timer1 off, result Bob Winner, sound 3, show");
    row("full, mode 1: the last point draws", "N F1,3,79,81 S1 S3 S79", "S81",
        "S81, sound 2, line 81-79, score2 1, " + draw + "3, show");
    row("full, mode 2: 3 wins", "V2 N F1,3,5 S1 S3", "S5", "S5, line 5-3, score2 2, " + lost);
    row("full, mode 2: the last points win", "V2 N F1,3,5 S1 S5", "S3",
        "S3, sound 2, line 3-1, score1 1, line 3-5, score1 2, " + won);
    row("full, mode 2: the last point draws", "V2 N F1,3,79,81 S1 S3 S79", "S81",
        "S81, line 81-79, score2 1, " + draw + "1, show");
    row("result: mode 1, participant 3", "N", "E3", "Timer1 off, result Com Winner, sound 3, show");
    row("result: mode 2, participant 2", "V2 N", "E2", lost);

    row("to mode 2: 2 moves, 1 hands to the computer", "N S41 V2 S50", "S60",
        "S60, sound 2, turn Com, Timer2 on");
    row("to mode 1: the pending computer move, then 1 passes to 2", "V2 N S41 V1", "C S70",
        "Timer2 off, sound 2, S31, turn Ann, S70, sound 2, turn Bob");
    row("to mode 1: the computer scores and moves again", "V2 N S1 C S4 V1", "C",
        "Timer2 off, sound 2, O3, line 2-4, score2 1, turn Com, Timer2 on");
    // clang-format on
}

void TestGame::moves() {
    QFETCH(QString, setup);
    QFETCH(QString, action);
    QFETCH(QString, calls);
    Table t;
    QVERIFY(t.run(setup));
    const game::GameState before = t.game.state();
    t.view.calls.clear();
    t.run(action);
    QCOMPARE(t.view.calls.join(", "), calls);
    if (calls.isEmpty()) QVERIFY(fields(t.game.state()) == fields(before));
    if (calls.endsWith("show")) QVERIFY(t.game.state().game_over);
}

void TestGame::startAndNewGame() {
    const auto cells = [](const char *letters) {  // odd cells get the second letter
        QString s;
        for (int n = 1; n <= game::kCells; ++n)
            s += QStringLiteral(", %1%2").arg(letters[n % 2]).arg(n);
        return s;
    };
    Table t(false);  // the checkerboard is decoration only: the board stays empty
    QCOMPARE(shown(t.view.calls.join(", ")),
             shown("decoration, erase, name1 Lorna Quillet:, name2 Player 2:, score1 00, "
                   "score2 00, turn None/Tuyul, clock 00:00:00, Timer1 off, Timer2 off" +
                   cells("OS")));
    game::GameState idle;  // no game running, mode 1, sound on, no target
    idle.player_name = {"", "Lorna Quillet", "Player 2", "Com"};
    QVERIFY(fields(t.game.state()) == fields(idle));

    QVERIFY(t.run("V2 T5 Q N S1 C S4 C K3661"));  // a line struck, the computer to move, 1:01:01
    game::GameState fresh = t.game.state();
    t.view.calls.clear();
    t.game.New_game();
    // A computer move pending from the discarded game must never land in this one.
    QCOMPARE(shown(t.view.calls.join(", ")),
             shown("board, Timer2 off, erase, score1 00, name1 Ann:, score2 00, name2 Bob:, "
                   "turn Ann, clock 01:01:01, Timer1 on" +
                   cells("__")));
    // A fresh game; the settings and the last placement stay.
    fresh.board = {};
    fresh.score = {};
    fresh.current_player = 1;
    fresh.game_over = false;
    fresh.clock_hours = fresh.clock_minutes = fresh.clock_seconds = 0;
    QVERIFY(fields(t.game.state()) == fields(fresh));
}

void TestGame::changeSetting_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("blue");  // the mode labels shown in blue
    QTest::addColumn<QString>("names");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("labels");
    const QString di = "name1 Cy, name2 Di", com = "name1 Cy, name2 Com";
    // clang-format off
    QTest::newRow("Vs Player") << "V2" << "1" << "Cy|Di" << 1 << di;
    QTest::newRow("neither blue") << "V2" << "" << "Cy|Di" << 2 << com;
    QTest::newRow("both blue") << "" << "12" << "Cy|Di" << 2 << com;
    QTest::newRow("blanks kept, empty the default") << "" << "1" << "   |" << 1
        << "name1    , name2 Lorna Quillet";
    QTest::newRow("after a game end") << "T1 N S1 O2 S3" << "1" << "Cy|Di" << 1 << di;
    QTest::newRow("1 to move") << "N" << "1" << "Cy|Di" << 1 << di + ", turn Cy";
    QTest::newRow("2 to move, to mode 2") << "N S41" << "2" << "Cy|Di" << 2 << com + ", turn Di";
    QTest::newRow("computer to move") << "V2 N S41" << "2" << "Cy|Di" << 2 << com + ", turn Com";
    // clang-format on
}

void TestGame::changeSetting() {
    QFETCH(QString, setup);
    QFETCH(QString, blue);
    QFETCH(QString, names);
    QFETCH(int, mode);
    QFETCH(QString, labels);
    Table t;
    QVERIFY(t.run(setup));
    game::GameState expected = t.game.state();
    t.view.calls.clear();
    const std::string name1 = names.section('|', 0, 0).toStdString(),
                      name2 = names.section('|', 1).toStdString();
    t.game.Change_setting(
        {blue.contains('1'), blue.contains('2'), name1, name2, false, false, "7x"});
    QCOMPARE(shown(t.view.calls.join(", ")), shown(labels));  // as they end up
    // Only the settings change: board, scores, turn, clock and game stay.
    expected.game_mode = std::int16_t(mode);
    expected.player_name[1] = name1.empty() ? "Lorna Quillet" : name1;
    expected.player_name[2] = name2.empty() ? "Lorna Quillet" : name2;
    expected.sound_on = false;
    expected.score_limit = 7;
    QVERIFY(fields(t.game.state()) == fields(expected));
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
    game::OptionValues v{true, false, "Ann", "Bob", true, false, text.toStdString()};
    QCOMPARE(game::targetAcceptable(v), limit > 0);
    Table t;
    if (limit > 0) t.game.Change_setting(v);
    QCOMPARE(t.game.state().score_limit, double(limit));
    v.untilFull = true;  // "Until All box filled" takes any text and plays to a full board
    t.game.Change_setting(v);
    QVERIFY(game::targetAcceptable(v) && t.game.state().score_limit == 0);
}

// Arguments out of range are refused before anything is read with them, and reported.
void TestGame::badArguments_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("argument");
    for (int cell : {0, 82, -10}) {
        QTest::addRow("Check_lines(%d)", cell) << 0 << cell;
        QTest::addRow("Put_letter(%d)", cell) << 1 << cell;
        QTest::addRow("Release_on_cell(%d)", cell) << 2 << cell;
    }
    QTest::newRow("Put_letter with no letter") << 3 << 41;
    QTest::newRow("Game_end(4)") << 4 << 4;
    QTest::newRow("Game_end(-1)") << 4 << -1;
}

void TestGame::badArguments() {
    QFETCH(int, operation);
    QFETCH(int, argument);
    static int reports;
    reports = 0;
    game::setPreconditionHandler([](const char *) { ++reports; });
    Table t;
    QVERIFY(t.run("V2 N"));
    const game::GameState before = t.game.state();
    t.view.calls.clear();
    (operation == 0   ? t.game.Check_lines(argument, game::kS)
     : operation == 1 ? t.game.Put_letter(argument, game::kO)
     : operation == 2 ? t.game.Release_on_cell(argument, game::MouseButton::Left)
     : operation == 3 ? t.game.Put_letter(argument, 3)
                      : t.game.Game_end(argument));
    game::setPreconditionHandler(nullptr);
    QCOMPARE(reports, 1);
    QCOMPARE(t.view.calls, QStringList());
    QVERIFY(fields(t.game.state()) == fields(before));
}
